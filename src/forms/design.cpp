#include "forms/design.h"

#include "forms/controls.h"
#include "forms/form.h"
#include "forms/twips.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <set>
#include <string_view>
#include <vector>

namespace forms {
namespace {

QString lineBreaks(QString s)
{
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace('\r', '\n');
    return s;
}

void setBack(QWidget* w, const QColor& c)
{
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, c);
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Button, c);
    w->setPalette(p);
}

QWidget* create(const Control& c, QWidget* parent)
{
    const QString cap = QString::fromUtf8(c.caption);
    QWidget* w = nullptr;
    switch (c.kind) {
    case Kind::Label:
        if (c.flags & AutoSize) {
            auto* l = new AutoSizeLabel(parent);
            w = l;
        } else {
            w = new FixedLabel(parent);
        }
        break;
    case Kind::Button: w = new WrapButton(parent); break;
    case Kind::Frame: {
        auto* g = new FrameBox(parent);
        if (c.flags & NoBorder) g->setFlat(true);
        w = g;
        break;
    }
    case Kind::TextBox: {
        auto* e = new QLineEdit(parent);
        if (c.flags & NoBorder) e->setFrame(false);
        w = e;
        break;
    }
    case Kind::TextArea: {
        auto* e = new QPlainTextEdit(parent);
        e->setReadOnly(!(c.flags & Editable));
        if (c.flags & NoBorder) e->setFrameShape(QFrame::NoFrame);
        w = e;
        break;
    }
    case Kind::Line: {
        auto* l = new LineControl(parent);
        l->setLineWidth(c.lineWidth);
        l->setColor(QColor::fromRgba(c.color | 0xFF000000));
        w = l;
        break;
    }
    case Kind::Combo: w = new QComboBox(parent); break;
    case Kind::List: w = new QListWidget(parent); break;
    case Kind::FileList: w = new FileListBox(parent); break;
    case Kind::DirList: w = new DirListBox(parent); break;
    case Kind::Picture: {
        auto* l = new QLabel(parent);
        l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        w = l;
        break;
    }
    case Kind::Option: w = new QRadioButton(parent); break;
    case Kind::Check: w = new QCheckBox(parent); break;
    case Kind::VScroll: w = new QScrollBar(Qt::Vertical, parent); break;
    case Kind::Progress: {
        auto* p = new QProgressBar(parent);
        p->setRange(0, 100);
        p->setValue(0);
        p->setTextVisible(false);
        w = p;
        break;
    }
    }
    w->setObjectName(QString::fromUtf8(c.name));
    if (c.font.family || c.font.points > 0 || c.font.bold) {
        QFont f = w->font();
        if (c.font.family) f.setFamily(QString::fromUtf8(c.font.family));
        if (c.font.points > 0) f.setPointSizeF(c.font.points);
        f.setBold(c.font.bold);
        w->setFont(f);
    }
    if (c.kind == Kind::Line) {
        static_cast<LineControl*>(w)->setPoints(c.x1, c.y1, c.x2, c.y2);
    } else {
        setGeometryTw(w, c.left, c.top, c.width, c.height);
    }
    if (auto* l = qobject_cast<QLabel*>(w)) {
        if (c.flags & Centered) l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        else if (c.kind == Kind::Label) l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (c.flags & WordWrap) l->setWordWrap(true);
    }
    if (c.kind != Kind::Picture && c.kind != Kind::Line) setCaption(w, cap);
    if (c.flags & WhiteBack) setBack(w, Qt::white);
    if (c.flags & GreyBack) setBack(w, QColor(224, 224, 224));
    if (qAlpha(c.back)) setBack(w, QColor::fromRgba(c.back));
    if (c.tip) w->setToolTip(QString::fromUtf8(c.tip));
    if (c.flags & Disabled) w->setEnabled(false);
    w->setVisible(!(c.flags & Hidden));
    w->raise();
    return w;
}

// Which controls are deferred: marked so, or inside one that is.
std::vector<bool> deferredControls(Design design)
{
    std::vector<bool> out(design.size(), false);
    std::set<std::string_view> names;
    for (size_t i = 0; i < design.size(); ++i) {
        const Control& c = design[i];
        if ((c.flags & Deferred) || (c.parent && *c.parent && names.contains(c.parent))) {
            out[i] = true;
            names.insert(c.name);
        }
    }
    return out;
}

// Builds the controls of one pass (deferred or not); whether the other pass
// has any.
bool build(Form* form, Design design, bool deferredPass)
{
    const std::vector<bool> deferred = deferredControls(design);
    for (size_t i = 0; i < design.size(); ++i) {
        if (deferred[i] != deferredPass) continue;
        const Control& c = design[i];
        QWidget* parent = form;
        if (c.parent && *c.parent) {
            parent = form->findChild<QWidget*>(QString::fromUtf8(c.parent));
            Q_ASSERT_X(parent, "buildDesign", c.parent);
            if (!parent) parent = form;
        }
        create(c, parent);
    }
    return std::find(deferred.begin(), deferred.end(), !deferredPass) != deferred.end();
}

}  // namespace

bool buildDesign(Form* form, Design design) { return build(form, design, false); }

void buildDeferredDesign(Form* form, Design design) { build(form, design, true); }

QString caption(const QWidget* w)
{
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* t = qobject_cast<const QPlainTextEdit*>(w)) return t->toPlainText();
    return w ? w->windowTitle() : QString();
}

void setCaption(QWidget* w, const QString& text)
{
    if (!w) return;
    if (auto* a = qobject_cast<AutoSizeLabel*>(w)) return a->setCaption(lineBreaks(text));
    if (auto* l = qobject_cast<QLabel*>(w)) return l->setText(lineBreaks(text));
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        b->setText(text);
        b->update();
        return;
    }
    if (auto* g = qobject_cast<QGroupBox*>(w)) return g->setTitle(text);
    if (auto* e = qobject_cast<QLineEdit*>(w)) return e->setText(text);
    if (auto* t = qobject_cast<QPlainTextEdit*>(w)) return t->setPlainText(lineBreaks(text));
    w->setWindowTitle(text);
}

void moveTw(QWidget* w, int left, int top) { w->move(tw(left), tw(top)); }
void resizeTw(QWidget* w, int width, int height) { w->resize(tw(width), tw(height)); }
void setGeometryTw(QWidget* w, int left, int top, int width, int height)
{
    w->setGeometry(tw(left), tw(top), tw(width), tw(height));
}
int leftTw(const QWidget* w) { return toTw(w->x()); }
int topTw(const QWidget* w) { return toTw(w->y()); }
int widthTw(const QWidget* w) { return toTw(w->width()); }
int heightTw(const QWidget* w) { return toTw(w->height()); }

}  // namespace forms
