#pragma once
// Helpers shared by the theory window tests.
#include "forms/controls.h"
#include "forms/design.h"
#include "forms/form.h"
#include "forms/twips.h"
#include "forms/runtime.h"
#include "platform_fixture.h"
#include "scripted_msgbox.h"
#include "test_hooks.h"

#include <QAbstractButton>
#include <QDir>
#include <QStringList>
#include <gtest/gtest.h>

namespace theory_test {

// A test of one theory window: its parts of the demo tree, 96 dots per
// inch, student 2024001张三 signed in, any message box it does not script
// failing the test.
template <class Window>
class TheoryWindowTest : public testing_support::DemoTreeTest {
protected:
    explicit TheoryWindowTest(QStringList parts) : DemoTreeTest(std::move(parts)) {}
    void SetUp() override
    {
        PlatformTest::SetUp();
        hooks_.screenDpi(96);
        writeBytes(QStringLiteral("素材/bk/studentnumber.txt"), testing_support::gbk(QStringLiteral("2024001张三\r\n2024001\r\n张三\r\n")));
    }
    Window* open()
    {
        w = static_cast<Window*>(forms::show(QString::fromUtf8(Window::kName)));
        return w;
    }

    Window* w = nullptr;
    testing_support::TestHooks hooks_;
    testing_support::ScriptedMessageBoxes boxes;
};

// Clicks a button the way the student can: it must be seen and enabled.
inline void click(forms::Form* f, const QString& name)
{
    auto* b = f->ctl<QAbstractButton>(name);
    ASSERT_NE(b, nullptr) << name.toStdString();
    ASSERT_TRUE(b->isVisible()) << "hidden: " << name.toStdString();
    ASSERT_TRUE(b->isEnabled()) << "disabled: " << name.toStdString();
    b->click();
}

// Every control that shows lies wholly inside its container.
inline QStringList controlsOutsideTheirFrame(const QWidget* top)
{
    QStringList out;
    for (const QWidget* w : top->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || !w->isVisible() || !w->parentWidget()) continue;
        QRect r = w->geometry();
        if (auto* line = qobject_cast<const forms::LineControl*>(w))  // the line, not its padded box
            r = QRect(QPoint(forms::tw(std::min(line->x1(), line->x2())), forms::tw(std::min(line->y1(), line->y2()))),
                      QPoint(forms::tw(std::max(line->x1(), line->x2())), forms::tw(std::max(line->y1(), line->y2()))));
        if (!w->parentWidget()->rect().contains(r)) out << w->objectName();
    }
    return out;
}

// A position in twips as it comes back after the trip through whole pixels.
inline int snapped(int twips) { return forms::toTw(forms::tw(twips)); }

inline QStringList filesOf(const QString& hostFolder)
{
    return QDir(hostFolder).entryList(QDir::Files, QDir::Name);
}

}  // namespace theory_test
