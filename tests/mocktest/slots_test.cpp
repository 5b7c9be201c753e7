// The operation-question slots: what a slot prepares per level and kind,
// the copy-once rule of the Windows and network documents, the network
// question's practice server, the style panel and the document and folder
// buttons.
#include "common/servers.h"
#include "mock_support.h"
#include "mocktest/answering/practiceserver.h"

#include <QLineEdit>
#include <QPlainTextEdit>

using mock_support::MockTest;
using testing_support::ScriptedMessageBoxes;
using namespace mocktest;

namespace {

class MockSlotsTest : public MockTest {};

// With the first-numbers source slot k holds bank question k.
TEST_F(MockSlotsTest, SlotPreparesItsQuestionPerLevelAndKind)
{
    struct Case {
        const char* level;
        const char* page;
        int slot;
        bool open, style, folder;
        const char* text;           // in the shown text
        const char* inText = nullptr;  // folder named in the text before it, as the file manager shows it
    };
    const Case cases[] = {
        {"入门", "word", 1, true, true, false, "计算机的发展"},
        {"入门", "word", 3, true, false, true, " 中", "D:\\KSDOC\\03"},  // material, folder in the text
        {"入门", "excel", 2, false, false, false, "AVERAGE"},         // only c01 offers the document
        {"入门", "ppt", 1, true, true, false, "飞入"},
        {"入门", "windows", 2, false, false, false, " 文件夹", "D:\\KSWIN\\02"},
        {"普通", "excel", 1, false, false, false, "VLOOKUP"},
        {"困难", "word", 1, false, true, false, "分为三节"},
        {"困难", "excel", 2, false, false, false, "IF和AND"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.level) + " " + c.page + " " + std::to_string(c.slot));
        MockTestWindow* w = paperFor(QString::fromUtf8(c.level));
        openSlot(w, QString::fromUtf8(c.page), c.slot);
        EXPECT_EQ(w->state.序号, QStringLiteral("0%1").arg(c.slot));
        EXPECT_TRUE(w->ctl("操作题内容区")->isVisible());
        EXPECT_EQ(visible(w, "打开题目"), c.open);
        EXPECT_EQ(visible(w, "样式"), c.style);
        EXPECT_EQ(visible(w, "考生文件夹"), c.folder);
        const QString named = c.inText ? plat::displayPath(QString::fromUtf8(c.inText)) : QString();
        EXPECT_TRUE(shownText(w).contains(named + QString::fromUtf8(c.text))) << shownText(w).toStdString();
        if (c.inText) {
            EXPECT_FALSE(shownText(w).contains(QString::fromUtf8(c.inText))) << "a drive this machine has not";
        }
        EXPECT_FALSE(shownText(w).contains(QStringLiteral("C:\\kaoshi\\windows")));
    }
}

TEST_F(MockSlotsTest, WindowsDocumentIsCopiedOncePerPaper)
{
    ScriptedMessageBoxes boxes;
    auto* w = paper(QStringLiteral("入门"), boxes);
    openSlot(w, QStringLiteral("windows"), 1);
    const QString doc = mt(QStringLiteral("windows/题目文档/windows_题目_01.win"));
    const QByteArray fresh = read(bank(QStringLiteral("入门"), QStringLiteral("windows/题目文档/1.win")));
    EXPECT_EQ(read(doc), fresh);
    EXPECT_EQ(read(mt(QStringLiteral("windows/bk/windows01.win"))), fresh);
    touch(doc, "work");
    click(w, QStringLiteral("c02"));
    click(w, QStringLiteral("c01"));
    EXPECT_EQ(read(doc), QByteArray("work"));
    EXPECT_EQ(entries(bank(QStringLiteral("入门"), QStringLiteral("windows/题目内容_改"))),
              (QStringList{QStringLiteral("1.txt"), QStringLiteral("2.txt"), QStringLiteral("temp.txt")}));
    // 恢复本题 is the way to start over.
    boxes.expectRestored();
    click(w, QStringLiteral("恢复本题"));
    EXPECT_EQ(read(doc), fresh);
}

// c01 of the first-numbers paper is the FTP question, c02 the web question.
TEST_F(MockSlotsTest, NetworkSlotsStartTheirServersAndReplaceAnotherSite)
{
    ScriptedMessageBoxes boxes;
    auto* w = paper(QStringLiteral("入门"), boxes);
    touch(d(QStringLiteral("PracticalTraining/旧题.txt")));
    openSlot(w, QStringLiteral("网络"), 1);
    EXPECT_EQ(entries(d(QStringLiteral("PracticalTraining"))), QStringList{QStringLiteral("课程通知.txt")});
    EXPECT_EQ(starts, QStringList{QStringLiteral("FTPServer.exe")});
    EXPECT_EQ(styles.last(), plat::WindowStyle::Minimized);
    EXPECT_TRUE(shownText(w).contains(QStringLiteral("ftp://10.1.2.3")));
    EXPECT_TRUE(read(mt(QStringLiteral("network/bk/network01.net"))).size() > 0);
    click(w, QStringLiteral("c01"));  // running: the folder again, no second server
    EXPECT_EQ(starts.size(), 1);

    const QString site = plat::displayPath(mockBank(QStringLiteral("入门")) + QStringLiteral("\\network\\sever\\2"));
    click(w, QStringLiteral("c02"));  // web, not running
    EXPECT_EQ(starts.last(), QStringLiteral("MyWebServer.exe"));
    EXPECT_EQ(styles.last(), plat::WindowStyle::Hidden);
    EXPECT_EQ(configuredWebRoot(), site);
    click(w, QStringLiteral("c02"));  // running with this site: nothing
    EXPECT_EQ(starts.size(), 2);

    // Running with another question's site: stopped, awaited, started anew.
    EXPECT_TRUE(uWriteTextFile(common::kWebServerIni, QStringLiteral("[option]\r\nserverpath=/elsewhere")));
    click(w, QStringLiteral("c02"));
    EXPECT_EQ(starts.mid(2), (QStringList{QStringLiteral("kill_app.exe"), QStringLiteral("MyWebServer.exe")}));
    EXPECT_EQ(configuredWebRoot(), site);
    const QString staging = plat::readLines936(mockBank(QStringLiteral("入门")) + QStringLiteral("\\network\\sever\\server.ini"))
                                .value_or(QStringList())
                                .join('\n');
    EXPECT_TRUE(staging.contains(QStringLiteral("ServerIP=10.1.2.3")));
}

TEST_F(MockSlotsTest, StylePanelPagesWithWrapAroundAndFolds)
{
    ScriptedMessageBoxes boxes;
    auto* w = paper(QStringLiteral("入门"), boxes);
    openSlot(w, QStringLiteral("ppt"), 1);  // three pictures
    EXPECT_FALSE(w->ctl("样式下一张")->isEnabled());  // c01: the panel enables them
    click(w, QStringLiteral("样式"));
    EXPECT_TRUE(w->ctl("样式区")->isVisible());
    EXPECT_TRUE(w->ctl("样式")->isHidden());
    EXPECT_TRUE(w->ctl("样式下一张")->isEnabled());
    EXPECT_EQ(forms::topTw(w->ctl("样式区")), forms::topTw(w->ctl("操作题内容区")) + forms::heightTw(w->ctl("操作题内容区")));
    const int tall = w->outerHeightTw();
    EXPECT_GT(tall, forms::toTw(forms::tw(4230)));
    common::StylePanel& panel = w->stylePanel();
    EXPECT_EQ(panel.selected(), 0);
    click(w, QStringLiteral("样式上一张"));
    EXPECT_EQ(panel.selected(), 2);
    click(w, QStringLiteral("样式下一张"));
    EXPECT_EQ(panel.selected(), 0);
    click(w, QStringLiteral("样式下一张"));
    click(w, QStringLiteral("样式下一张"));
    EXPECT_EQ(panel.selected(), 2);
    // The third picture is the tallest: the window grew with it.
    EXPECT_GT(w->outerHeightTw(), tall);
    click(w, QStringLiteral("折叠"));
    EXPECT_TRUE(w->ctl("样式区")->isHidden());
    EXPECT_FALSE(w->ctl("样式下一张")->isEnabled());
    EXPECT_EQ(w->outerHeightTw(), forms::toTw(forms::tw(4230)));
    EXPECT_EQ(w->outerWidthTw(), forms::toTw(forms::tw(9940)));
}

// Word question 4 has two pictures, question 5 none: its slot offers no
// arrows that would page through question 4's pictures.
TEST_F(MockSlotsTest, QuestionWithoutPicturesOffersNoArrows)
{
    ScriptedMessageBoxes boxes;
    auto* w = paper(QStringLiteral("入门"), boxes);
    openSlot(w, QStringLiteral("word"), 4);
    EXPECT_TRUE(visible(w, "样式下一张"));
    click(w, QStringLiteral("样式"));
    click(w, slotButton(5));
    for (const char* b : {"样式", "折叠", "样式上一张", "样式下一张", "样式区"}) EXPECT_FALSE(visible(w, b)) << b;
}

TEST_F(MockSlotsTest, DocumentAndFolderButtonsOpenTheCurrentQuestion)
{
    {
        ScriptedMessageBoxes boxes;
        auto* w = paper(QStringLiteral("入门"), boxes);
        openSlot(w, QStringLiteral("word"), 3);
        click(w, QStringLiteral("考生文件夹"));
        click(w, QStringLiteral("打开题目"));
        ASSERT_EQ(desktop.size(), 2);
        EXPECT_EQ(desktop[0], plat::toHost(QStringLiteral("D:\\KSDOC\\03")));
        EXPECT_EQ(desktop[1], plat::toHost(mocktest::workingDocument(QStringLiteral("word"), QStringLiteral("docx"), QStringLiteral("03"))));
    }
    forms::resetForTests();
    desktop.clear();
    ScriptedMessageBoxes boxes;
    auto* w = paper(QStringLiteral("普通"), boxes);
    openSlot(w, QStringLiteral("word"), 1);
    click(w, QStringLiteral("考生文件夹"));
    ASSERT_EQ(desktop.size(), 1);
    EXPECT_EQ(desktop[0], plat::toHost(QStringLiteral("D:\\KSDOC")));
}

}  // namespace
