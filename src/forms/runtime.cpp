#include "forms/runtime.h"

#include "forms/form.h"

#include <QApplication>
#include <QHash>
#include <QPointer>
#include <QTimer>
#include <vector>

namespace forms {
namespace {

struct State {
    QHash<QString, Factory> factories;
    std::vector<std::pair<QString, QPointer<Form>>> loaded;  // load order
    bool ended = false;
    int generation = 0;  // bumped by resetForTests
    std::function<void()> endHandler;
};

State& st()
{
    static State s;
    return s;
}

int indexOf(const QString& name)
{
    auto& l = st().loaded;
    for (size_t i = 0; i < l.size(); ++i)
        if (l[i].first == name) return static_cast<int>(i);
    return -1;
}

void dropDead()
{
    auto& l = st().loaded;
    std::erase_if(l, [](const auto& p) { return p.second.isNull(); });
}

void discard(Form* f)
{
    f->hide();
    f->deleteLater();
}

// Like the classic toolkit, the program ends once the handler that unloaded
// the last window has returned and still no window is loaded: a handler may
// unload its own window and then show another one.
void endIfNothingLoaded()
{
    const int generation = st().generation;
    QTimer::singleShot(0, [generation] {
        if (generation != st().generation) return;
        dropDead();
        if (!st().ended && st().loaded.empty()) endProgram();
    });
}

}  // namespace

void registerForm(const QString& name, Factory factory) { st().factories.insert(name, std::move(factory)); }

bool isRegistered(const QString& name) { return st().factories.contains(name); }

Form* loaded(const QString& name)
{
    dropDead();
    const int i = indexOf(name);
    return i < 0 ? nullptr : st().loaded[static_cast<size_t>(i)].second.data();
}

bool isLoaded(const QString& name) { return loaded(name) != nullptr; }

QStringList loadedNames()
{
    dropDead();
    QStringList out;
    for (const auto& p : st().loaded) out << p.first;
    return out;
}

void yieldTopmostWindows()
{
    dropDead();
    for (const auto& p : st().loaded)
        if (Form* f = p.second; f && f->isVisible()) f->yieldTopmostUntilActive();
}

Form* load(const QString& name)
{
    if (st().ended) return nullptr;
    if (Form* f = loaded(name)) return f;
    auto it = st().factories.constFind(name);
    if (it == st().factories.constEnd()) return nullptr;
    Form* f = (*it)();
    if (!f) return nullptr;
    st().loaded.emplace_back(name, f);
    QPointer<Form> guard(f);
    f->onLoad();
    if (!guard || st().ended || !isLoaded(name)) return nullptr;
    return f;
}

Form* show(const QString& name)
{
    Form* f = load(name);
    if (!f) return nullptr;
    f->placeOnFirstShow();
    f->show();
    f->raise();
    f->activateWindow();
    return f;
}

void hide(const QString& name)
{
    if (Form* f = loaded(name)) f->hide();
}

bool unload(Form* form)
{
    if (!form || st().ended) return true;
    const int i = indexOf(form->formName());
    if (i < 0 || st().loaded[static_cast<size_t>(i)].second != form) return true;
    bool cancel = false;
    QPointer<Form> guard(form);
    form->onUnload(cancel);
    if (st().ended) return true;  // the Unload ended the program
    if (cancel && guard) return false;
    dropDead();
    const int j = indexOf(form->formName());
    if (j >= 0) st().loaded.erase(st().loaded.begin() + j);
    if (guard) discard(form);
    endIfNothingLoaded();
    return true;
}

bool unload(const QString& name)
{
    Form* f = loaded(name);
    return f ? unload(f) : true;
}

void endProgram()
{
    if (st().ended) return;
    st().ended = true;
    auto all = std::move(st().loaded);
    st().loaded.clear();
    for (auto& p : all)
        if (p.second) discard(p.second);
    if (st().endHandler) st().endHandler();
    else QCoreApplication::exit(0);
}

bool programEnded() { return st().ended; }

void setEndHandler(std::function<void()> handler) { st().endHandler = std::move(handler); }

void resetForTests()
{
    auto all = std::move(st().loaded);
    st().loaded.clear();
    for (auto& p : all)
        if (p.second) delete p.second.data();
    st().ended = false;
    ++st().generation;
}

}  // namespace forms
