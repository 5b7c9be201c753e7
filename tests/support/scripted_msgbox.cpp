#include "scripted_msgbox.h"

#include "unexpected_boxes.h"

#include "common/messages.h"

#include <gtest/gtest.h>

namespace testing_support {

ScriptedMessageBoxes::ScriptedMessageBoxes() { plat::setMessageBoxes(this); }

ScriptedMessageBoxes::~ScriptedMessageBoxes()
{
    plat::setMessageBoxes(&unexpectedMessageBoxes());
    for (const Expect& e : queue_)
        ADD_FAILURE() << "expected message box never shown: " << e.text.toStdString();
}

void ScriptedMessageBoxes::expectOk(const QString& text) { queue_.push_back({false, text, false}); }

void ScriptedMessageBoxes::expectYesNo(const QString& text, bool yes) { queue_.push_back({true, text, yes}); }

void ScriptedMessageBoxes::expectRestored()
{
    expectYesNo(common::msg::kAskRestore, true);
    expectOk(common::msg::kRestored);
}

void ScriptedMessageBoxes::ok(QWidget*, const QString& text)
{
    shown << text;
    if (!queue_.empty() && !queue_.front().yesNo) {
        const Expect e = queue_.front();
        queue_.pop_front();
        if (!e.text.isEmpty()) EXPECT_EQ(e.text.toStdString(), text.toStdString());
        return;
    }
    if (!allowAnyOk) ADD_FAILURE() << "unexpected OK box: " << text.toStdString();
}

bool ScriptedMessageBoxes::yesNo(QWidget*, const QString& text)
{
    shown << text;
    if (queue_.empty() || !queue_.front().yesNo) {
        ADD_FAILURE() << "unexpected Yes/No box: " << text.toStdString();
        return false;
    }
    const Expect e = queue_.front();
    queue_.pop_front();
    if (!e.text.isEmpty()) EXPECT_EQ(e.text.toStdString(), text.toStdString());
    return e.yes;
}

}  // namespace testing_support
