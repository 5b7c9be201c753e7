// What the opener relies on in the final-exam window: the refusal of a
// student who has handed in, its size, and its return to the main window.
#include "common/navigation.h"
#include "exam/examwindow.h"
#include "exam/messages.h"
#include "forms/runtime.h"
#include "forms/twips.h"
#include "platform_fixture.h"
#include "scripted_msgbox.h"

#include <QDir>
#include <gtest/gtest.h>

using testing_support::gbk;

namespace {

const QString kExam = QStringLiteral("期末考查窗格");
const QString kSubmitted = QStringLiteral("素材/bk/期末考查/已提交/");

struct SubmittedCase {
    const char* name;
    std::vector<const char*> files;  // in the hand-in folder
    std::vector<const char*> folders;
    bool refused;
    const char* key = "2024001张三";
};
void PrintTo(const SubmittedCase& c, std::ostream* os) { *os << c.name; }

class ExamWindowTest : public testing_support::PlatformTest, public ::testing::WithParamInterface<SubmittedCase> {};

TEST_P(ExamWindowTest, RefusesOnlyAStudentWhoHasHandedIn)
{
    const SubmittedCase& c = GetParam();
    const QString key = QString::fromUtf8(c.key);
    writeBytes(QStringLiteral("素材/bk/studentnumber.txt"), gbk(key + QStringLiteral("\r\n2024001\r\n张三\r\n")));
    writeBytes(QStringLiteral("素材/bk/one_or_more.txt"), "mission\r\n");
    for (const char* f : c.files) writeBytes(kSubmitted + QString::fromUtf8(f), "x");
    for (const char* d : c.folders) ASSERT_TRUE(QDir().mkpath(hostPath(kSubmitted + QString::fromUtf8(d))));
    testing_support::ScriptedMessageBoxes boxes;
    if (c.refused) boxes.expectOk(exam::msg::handedIn(key));
    forms::show(common::kMainWindowName);
    forms::hide(common::kMainWindowName);
    auto* w = qobject_cast<exam::ExamWindow*>(forms::show(kExam));
    ASSERT_NE(w, nullptr) << "the window opens in any case";
    EXPECT_EQ(w->startAllowed(), !c.refused);
    EXPECT_TRUE(w->state.学生信息.isEmpty());
    EXPECT_EQ(w->outerWidthTw(), forms::toTw(forms::tw(10095 + 150)));
    EXPECT_EQ(w->outerHeightTw(), forms::toTw(forms::tw(6255 + 250)));
    EXPECT_TRUE(forms::unload(w));
    processEvents();
    EXPECT_FALSE(ended_) << "the exam never ends the program";
    EXPECT_TRUE(forms::loaded(common::kMainWindowName)->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExamWindowTest,
    ::testing::Values(SubmittedCase{"NothingHandedIn", {}, {}, false},
                      SubmittedCase{"OthersHandedIn", {"2024002李四.rar", "2024001张三.txt"}, {}, false},
                      SubmittedCase{"HandedIn", {"2024002李四.rar", "2024001张三.rar"}, {}, true},
                      SubmittedCase{"ArchiveFolderCounts", {"readme.txt"}, {"2024001张三.rar"}, true},
                      SubmittedCase{"FolderAloneIsNotListed", {}, {"2024001张三.rar"}, false},
                      // The whole archive name is compared with the key.
                      SubmittedCase{"KeyWithDot", {"2024001张.三.rar"}, {}, true, "2024001张.三"},
                      SubmittedCase{"KeyBeforeTheDotOfAnother", {"2024001张.三.rar"}, {}, false, "2024001张"},
                      SubmittedCase{"KeyFollowedByMore", {"2024001张三1.rar"}, {}, false},
                      SubmittedCase{"LetterCaseAside", {"2024001ABC.rar"}, {}, true, "2024001abc"}));

}  // namespace
