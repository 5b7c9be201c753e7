// Button input: mouse and keys per mode, option groups (also when a member is
// destroyed or joins twice), hover through enter and leave events.
#include "button_support.h"

#include "widgets/propertybag.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

using namespace buttontest;
using widgets::kFalse;
using widgets::kTrue;

namespace {

// Records the button's events in order, as short texts.
struct Journal {
    QStringList events;
    explicit Journal(qzButtons_H* b)
    {
        QObject::connect(b, &qzButtons_H::Click, [this] { events << "Click"; });
        QObject::connect(b, &qzButtons_H::MouseDown, [this](int bt, int s, float x, float y) {
            events << QString("MouseDown %1 %2 %3 %4").arg(bt).arg(s).arg(x).arg(y);
        });
        QObject::connect(b, &qzButtons_H::MouseUp, [this](int bt, int, float, float) { events << QString("MouseUp %1").arg(bt); });
        QObject::connect(b, &qzButtons_H::KeyDown, [this](int k, int) { events << QString("KeyDown %1").arg(k); });
        QObject::connect(b, &qzButtons_H::KeyUp, [this](int k, int) { events << QString("KeyUp %1").arg(k); });
        QObject::connect(b, &qzButtons_H::DoubleClick, [this](int bt) { events << QString("DoubleClick %1").arg(bt); });
        QObject::connect(b, &qzButtons_H::MouseOnButton, [this](bool on) { events << QString("MouseOnButton %1").arg(on); });
    }
    QStringList take()
    {
        QStringList e = events;
        events.clear();
        return e;
    }
};

TEST(ButtonInput, MouseAndKeysPerMode)
{
    struct Case {
        const char* name;
        int mode;
        std::function<void(qzButtons_H*)> act;
        QStringList events;
        short value;
    };
    auto space = [](qzButtons_H* b) {
        key(b, QEvent::KeyPress, Qt::Key_Space);
        key(b, QEvent::KeyRelease, Qt::Key_Space);
    };
    const Case cases[] = {
        {"left click, command", 0, [](qzButtons_H* b) { click(b); }, {"MouseDown 1 0 60 20", "MouseUp 1", "Click"}, kFalse},
        {"right click, command", 0, [](qzButtons_H* b) { click(b, Qt::RightButton); }, {"MouseDown 2 0 60 20", "MouseUp 2"}, kFalse},
        {"left click, check", 1, [](qzButtons_H* b) { click(b); }, {"MouseDown 1 0 60 20", "MouseUp 1", "Click"}, kTrue},
        {"space, command: Click before KeyUp", 0, space, {"KeyDown 32", "Click", "KeyUp 32"}, kFalse},
        {"space, check: KeyUp before Click", 1, space, {"KeyDown 32", "KeyUp 32", "Click"}, kTrue},
        {"shift: KeyDown only", 0,
         [](qzButtons_H* b) {
             key(b, QEvent::KeyPress, Qt::Key_Shift);
             key(b, QEvent::KeyRelease, Qt::Key_Shift);
         },
         {"KeyDown 16"}, kFalse},
        {"Enter as access key, command", 0, [](qzButtons_H* b) { b->AccessKeyPress(13); }, {"Click"}, kFalse},
        {"Enter as access key, check", 1, [](qzButtons_H* b) { b->AccessKeyPress(13); }, {}, kFalse},
        {"letter access key, check", 1, [](qzButtons_H* b) { b->AccessKeyPress('G'); }, {"Click"}, kTrue},
        {"release outside, command", 0,
         [](qzButtons_H* b) {
             mouse(b, QEvent::MouseButtonPress, Qt::LeftButton);
             mouse(b, QEvent::MouseButtonRelease, Qt::LeftButton, QPointF(300, 20));
         },
         {"MouseDown 1 0 60 20", "MouseUp 1"}, kFalse},
    };
    for (const Case& c : cases) {
        Host host;
        auto* b = host.add();
        b->setMode(c.mode);
        Journal j(b);
        c.act(b);
        EXPECT_EQ(j.take(), c.events) << c.name;
        EXPECT_EQ(b->Value(), c.value) << c.name;
        EXPECT_FALSE(b->stateFlags() & qzButtons_H::ButtonDown) << c.name;
    }
}

TEST(ButtonInput, SpaceShowsThePressedLook)
{
    Host host;
    auto* b = host.add();
    const QImage up = b->surface();
    key(b, QEvent::KeyPress, Qt::Key_Space);
    EXPECT_TRUE(b->stateFlags() & qzButtons_H::ButtonDown);
    EXPECT_NE(b->surface(), up);
    key(b, QEvent::KeyRelease, Qt::Key_Space);
    EXPECT_EQ(b->surface(), up);
}

TEST(ButtonInput, DoubleClickPressesAgainWithoutASecondClick)
{
    Host host;
    auto* b = host.add();
    Journal j(b);
    click(b);
    mouse(b, QEvent::MouseButtonDblClick, Qt::LeftButton, QPointF(30, 15));
    mouse(b, QEvent::MouseButtonRelease, Qt::LeftButton, QPointF(30, 15));
    EXPECT_EQ(j.take(), (QStringList{"MouseDown 1 0 60 20", "MouseUp 1", "Click", "DoubleClick 1", "MouseDown 1 0 30 15",
                                     "MouseUp 1"}));
}

TEST(ButtonInput, ArrowsGoToTheContainerAndSelectAnOptionButton)
{
    Host host;
    auto* b = host.add();
    b->setMode(2);
    struct Filter : QObject {
        QList<std::pair<int, quint32>> keys;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::KeyPress) {
                auto* k = static_cast<QKeyEvent*>(e);
                keys.append({k->key(), k->nativeScanCode()});
            }
            return false;
        }
    } filter;
    host.window->installEventFilter(&filter);
    Journal j(b);
    key(b, QEvent::KeyPress, Qt::Key_Right);
    QApplication::processEvents();
    ASSERT_EQ(filter.keys.size(), 1);
    EXPECT_EQ(filter.keys[0].first, int(Qt::Key_Right));
    EXPECT_EQ(filter.keys[0].second, 77u);
    key(b, QEvent::KeyRelease, Qt::Key_Right);
    EXPECT_EQ(j.take(), QStringList{"Click"});  // no KeyDown, no KeyUp
    EXPECT_EQ(b->Value(), kTrue);
}

// ---- Option groups ----

struct Group {
    Host host;
    QList<qzButtons_H*> buttons;
    explicit Group(int n)
    {
        for (int i = 0; i < n; ++i) {
            auto* b = host.add(120, 40, 10, 10 + 50 * i);
            b->setMode(2);
            buttons << b;
        }
    }
};

TEST(ButtonOptionGroups, ClickingOneClearsTheOthers)
{
    Group g(2);
    auto *a = g.buttons[0], *b = g.buttons[1];
    click(a);
    Journal ja(a), jb(b);
    click(b);
    EXPECT_EQ(a->Value(), kFalse);
    EXPECT_EQ(b->Value(), kTrue);
    EXPECT_FALSE(ja.take().contains("Click"));
    EXPECT_TRUE(jb.take().contains("Click"));
    click(b);  // selected already: nothing
    EXPECT_FALSE(jb.take().contains("Click"));
    EXPECT_EQ(b->Value(), kTrue);
}

TEST(ButtonOptionGroups, LeavingFromTheMiddleAndTheLast)
{
    Group g(3);
    auto *a = g.buttons[0], *b = g.buttons[1], *c = g.buttons[2];
    EXPECT_EQ(a->optionGroupMembers(), (QList<qzButtons_H*>{a, b, c}));
    b->setMode(0);
    EXPECT_EQ(a->optionGroupMembers(), (QList<qzButtons_H*>{a, c}));
    a->setMode(1);
    c->setMode(0);
    EXPECT_TRUE(a->optionGroupMembers().isEmpty());
    EXPECT_EQ(g.host.window->findChildren<QObject*>("Buttons_OptGroup").size(), 0);  // the empty group is gone
}

TEST(ButtonOptionGroups, JoiningWithValueClearsTheMembers)
{
    Group g(2);
    click(g.buttons[0]);
    auto* late = g.host.add();
    late->setMode(1);
    late->setValue(kTrue);
    late->setMode(2);  // joins while selected
    EXPECT_EQ(g.buttons[0]->Value(), kFalse);
}

// A destroyed member leaves its group: later selections never reach it
// (under AddressSanitizer a stale member would be a use after free).
TEST(ButtonOptionGroups, ADestroyedMemberLeavesItsGroup)
{
    Group g(3);
    auto *a = g.buttons[0], *c = g.buttons[2];
    click(g.buttons[1]);
    delete g.buttons[1];
    EXPECT_EQ(a->optionGroupMembers(), (QList<qzButtons_H*>{a, c}));
    click(a);
    click(c);
    EXPECT_EQ(a->Value(), kFalse);
    EXPECT_EQ(c->Value(), kTrue);
}

TEST(ButtonOptionGroups, DestroyingSelectedOrAllMembersIsClean)
{
    Group g(3);
    auto *a = g.buttons[0], *c = g.buttons[2];
    a->setValue(kTrue);
    c->setValue(kFalse);
    delete a;  // leaving on destruction touches no other member
    EXPECT_EQ(c->optionGroupMembers(), (QList<qzButtons_H*>{g.buttons[1], c}));
    g.host.window.reset();  // container and members go together
}

TEST(ButtonOptionGroups, ReloadingAsCommandButtonLeavesTheGroup)
{
    Group g(2);
    widgets::JsonPropertyBag bag;
    g.buttons[0]->ReadProperties(bag);  // no "Mode": a command button
    EXPECT_EQ(g.buttons[1]->optionGroupMembers(), QList<qzButtons_H*>{g.buttons[1]});
}

TEST(ButtonOptionGroups, NeverJoinsTwice)
{
    Group g(2);
    auto* a = g.buttons[0];
    widgets::JsonPropertyBag bag;
    a->WriteProperties(bag);
    a->ReadProperties(bag);  // loading with Mode 2 joins again
    EXPECT_EQ(a->optionGroupMembers().count(a), 1);
    a->setMode(0);
    EXPECT_EQ(g.buttons[1]->optionGroupMembers(), QList<qzButtons_H*>{g.buttons[1]});
}

TEST(ButtonOptionGroups, FocusSelectsOnlyWhenNothingIsSelected)
{
    Group g(2);
    auto *a = g.buttons[0], *b = g.buttons[1];
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(a, &in);
    EXPECT_EQ(a->Value(), kTrue);
    QApplication::sendEvent(b, &in);
    EXPECT_EQ(b->Value(), kFalse);
}

// Moving an option button to another container moves it to that container's
// group; a selected newcomer clears the selection there.
TEST(ButtonOptionGroups, AMovedButtonChangesGroups)
{
    Group g(2);
    click(g.buttons[0]);
    QWidget other(g.host.window.get());
    auto* orphan = new qzButtons_H;  // made without a container, selected, then placed
    orphan->setMode(2);
    orphan->setValue(kTrue);
    orphan->setParent(g.host.window.get());
    EXPECT_EQ(g.buttons[0]->optionGroupMembers(), (QList<qzButtons_H*>{g.buttons[0], g.buttons[1], orphan}));
    EXPECT_EQ(g.buttons[0]->Value(), kFalse);

    orphan->setParent(&other);  // moved on: leaves the first group, joins the second
    EXPECT_EQ(g.buttons[0]->optionGroupMembers(), (QList<qzButtons_H*>{g.buttons[0], g.buttons[1]}));
    EXPECT_EQ(orphan->optionGroupMembers(), QList<qzButtons_H*>{orphan});
    click(g.buttons[1]);
    EXPECT_EQ(orphan->Value(), kTrue);  // a click in the old group no longer reaches it
    delete orphan;
}

// Arrows on an option button move the focus to the next or previous member
// that can take it (round the group), and the key's release selects it.
TEST(ButtonOptionGroups, ArrowsMoveFocusAndSelectionWithinTheGroup)
{
    Group g(3);
    auto *a = g.buttons[0], *b = g.buttons[1], *c = g.buttons[2];
    activate(g.host.window.get());
    a->setFocus();
    QApplication::processEvents();
    ASSERT_EQ(QApplication::focusWidget(), a);
    EXPECT_EQ(a->Value(), kTrue);  // focus on a group without selection selects
    struct Step {
        int key;
        qzButtons_H* to;
    };
    for (const Step& s : {Step{Qt::Key_Right, b}, Step{Qt::Key_Down, c}, Step{Qt::Key_Down, a}, Step{Qt::Key_Left, c},
                          Step{Qt::Key_Up, b}}) {
        type(g.host.window.get(), s.key);
        EXPECT_EQ(QApplication::focusWidget(), s.to);
        for (auto* m : g.buttons) EXPECT_EQ(m->Value(), m == s.to ? kTrue : kFalse);
    }
    a->setEnabled(kFalse);  // a member that cannot take the focus is passed over
    type(g.host.window.get(), Qt::Key_Right);
    type(g.host.window.get(), Qt::Key_Right);
    EXPECT_EQ(QApplication::focusWidget(), b);
    EXPECT_EQ(b->Value(), kTrue);
}

// Enter clicks a focused command button, else the window's default button;
// Escape clicks the cancel button; a check box takes neither.
TEST(ButtonInput, EnterAndEscapeReachTheDefaultAndCancelButtons)
{
    Host host;
    auto* focused = host.add(120, 40, 10, 10);
    auto* defaultButton = host.add(120, 40, 10, 60);
    auto* cancel = host.add(120, 40, 10, 110);
    auto* check = host.add(120, 40, 10, 160);
    check->setMode(1);
    defaultButton->setDisplayAsDefault(true);
    cancel->setCancel(true);
    QStringList clicks;
    for (auto* b : {focused, defaultButton, cancel, check})
        QObject::connect(b, &qzButtons_H::Click, [&clicks, b] { clicks << b->objectName(); });
    focused->setObjectName("focused");
    defaultButton->setObjectName("default");
    cancel->setObjectName("cancel");
    check->setObjectName("check");
    activate(host.window.get());

    struct Case {
        qzButtons_H* focus;
        int key;
        const char* clicked;
    };
    const Case cases[] = {
        {focused, Qt::Key_Return, "focused"}, {focused, Qt::Key_Enter, "focused"}, {check, Qt::Key_Return, "default"},
        {check, Qt::Key_Escape, "cancel"},    {focused, Qt::Key_Escape, "cancel"},  {defaultButton, Qt::Key_Return, "default"},
    };
    for (const Case& c : cases) {
        c.focus->setFocus();
        QApplication::processEvents();
        ASSERT_EQ(QApplication::focusWidget(), c.focus);
        type(host.window.get(), c.key);
        EXPECT_EQ(clicks, QStringList{c.clicked}) << qPrintable(c.focus->objectName()) << " key " << c.key;
        clicks.clear();
    }
    EXPECT_EQ(check->Value(), kFalse);

    defaultButton->setDisplayAsDefault(false);  // no longer the default: Enter on the check box clicks nothing
    check->setFocus();
    type(host.window.get(), Qt::Key_Return);
    EXPECT_TRUE(clicks.isEmpty());
}

// An access key marked by "&&" is no key: Alt with that letter clicks nothing.
TEST(ButtonInput, DoubledAmpersandTakesNoAltKey)
{
    Host host;
    auto* b = host.add();
    b->setCaption("A&&B");
    Journal j(b);
    activate(host.window.get());
    type(host.window.get(), Qt::Key_B, Qt::AltModifier);
    EXPECT_FALSE(j.take().contains("Click"));
    b->setCaption("A&&&B");
    type(host.window.get(), Qt::Key_B, Qt::AltModifier);
    EXPECT_TRUE(j.take().contains("Click"));
}

// ---- Hover ----

TEST(ButtonHover, EnterAndLeaveRaiseMouseOnButtonOnce)
{
    Host host;
    auto* b = host.add();
    Journal j(b);
    enter(b);
    enter(b);
    QMouseEvent move(QEvent::MouseMove, QPointF(30, 10), b->mapToGlobal(QPointF(30, 10)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(b, &move);
    EXPECT_TRUE(b->isHovering());
    EXPECT_TRUE(b->stateFlags() & qzButtons_H::CursorOver);
    leave(b);
    leave(b);
    EXPECT_FALSE(b->isHovering());
    EXPECT_EQ(j.take(), (QStringList{"MouseOnButton 1", "MouseOnButton 0"}));
}

TEST(ButtonHover, EndsWhenTheWindowIsHiddenUnderTheCursor)
{
    Host host;
    auto* b = host.add();
    Journal j(b);
    enter(b);
    host.window->hide();  // no leave event comes for a hidden window
    EXPECT_FALSE(b->isHovering());
    EXPECT_FALSE(b->stateFlags() & qzButtons_H::CursorOver);
    EXPECT_EQ(j.take(), (QStringList{"MouseOnButton 1", "MouseOnButton 0"}));
}

TEST(ButtonHover, EndsWhenTheButtonIsDisabled)
{
    Host host;
    auto* b = host.add();
    enter(b);
    b->setEnabled(kFalse);
    EXPECT_FALSE(b->isHovering());
}

TEST(ButtonHover, EndsWhenDraggedOffWhileHeld)
{
    Host host;
    auto* b = host.add();
    enter(b);
    mouse(b, QEvent::MouseButtonPress, Qt::LeftButton);
    QMouseEvent move(QEvent::MouseMove, QPointF(300, 10), b->mapToGlobal(QPointF(300, 10)), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(b, &move);
    EXPECT_FALSE(b->isHovering());
}

TEST(ButtonHover, EnteringWithTheButtonHeldShowsPressed)
{
    Host host;
    auto* b = host.add();
    mouse(b, QEvent::MouseButtonPress, Qt::LeftButton, QPointF(300, 300));  // pressed, cursor elsewhere
    enter(b, Qt::LeftButton);
    EXPECT_TRUE(b->pressedByInput());
    EXPECT_TRUE((b->stateFlags() & (qzButtons_H::ButtonDown | qzButtons_H::CursorOver)) ==
                (qzButtons_H::ButtonDown | qzButtons_H::CursorOver));
}

TEST(ButtonHover, NoWorkWhileTheCursorRests)
{
    Host host;
    auto* b = host.add();
    enter(b);
    const int redraws = b->redrawCount();
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < 200) QApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_EQ(b->redrawCount(), redraws);
    EXPECT_TRUE(b->findChildren<QTimer*>().isEmpty());
}

}  // namespace
