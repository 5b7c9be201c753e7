// A message box or dialog no test scripted fails the running test with its
// text at once and is answered No/Cancel, instead of waiting for a click
// nobody makes.
#include "platform/msgbox.h"

#include <QMessageBox>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

TEST(UnscriptedBox, OkBoxFailsWithItsText)
{
    EXPECT_NONFATAL_FAILURE(msgOk(QStringLiteral("请关闭已经打开的题目文档")), "请关闭已经打开的题目文档");
}

TEST(UnscriptedBox, QuestionsAreAnsweredNo)
{
    bool yes = true;
    EXPECT_NONFATAL_FAILURE(yes = msgYesNo(QStringLiteral("确定要交卷吗？")), "确定要交卷吗？");
    EXPECT_FALSE(yes);
    bool ok = true;
    EXPECT_NONFATAL_FAILURE(ok = msgOkCancel(QStringLiteral("确定删除吗？")), "确定删除吗？");
    EXPECT_FALSE(ok);
}

TEST(UnscriptedBox, AModalQtDialogFailsWithItsTextAndCloses)
{
    int answer = -1;
    EXPECT_NONFATAL_FAILURE(
        answer = QMessageBox::question(nullptr, QStringLiteral("标题"), QStringLiteral("直接弹出的对话框")),
        "直接弹出的对话框");
    EXPECT_NE(answer, QMessageBox::Yes);
}

}  // namespace
