// Every text that names a file or folder for the student names it the way the
// file manager of this machine shows it: the real folder, never a drive "D:"
// that this machine does not have, nor a path cut down to the program folder.
#include "common/guards.h"
#include "common/navigation.h"
#include "common/questiontext.h"
#include "common/workspace.h"
#include "mocktest/paper/exitcleanup.h"
#include "mocktest/paper/generation.h"
#include "platform/filesystem.h"
#include "platform/paths.h"
#include "platform_fixture.h"
#include "practice/advancedexercise.h"
#include "practice/messages.h"

#include <QPlainTextEdit>
#include <functional>
#include <gtest/gtest.h>

namespace {

namespace fs = plat::fs;

class PathTexts : public testing_support::PlatformTest {};

TEST_F(PathTexts, BuildersNameTheFolderTheFileManagerShows)
{
    struct Builder {
        const char* name;
        std::function<QString(const QString& path)> text;  // the text naming a platform path
    };
    const Builder builders[] = {
        {"failed file operation", [](const QString& p) { return fs::Status(fs::Status::Failed, p, QStringLiteral("文件只读")).describe(); }},
        {"restore sources missing", [](const QString& p) { return common::restoreMissingMessage({p}); }},
        {"probe that cannot check", [](const QString& p) { return common::probeFailedMessage(p, QStringLiteral("权限不足")); }},
        {"request not written",
         [](const QString& p) {
             // Requests are named from the program folder on.
             return common::requestNotWrittenMessage(p.mid(plat::programFolder().size()));
         }},
        {"question text missing",
         [](const QString& p) {
             QPlainTextEdit box;
             common::showQuestionTextOrNotice(&box, p);
             return box.toPlainText();
         }},
        {"mock folders kept", [](const QString& p) { return mocktest::foldersKeptMessage({p}); }},
        {"mock paper incomplete",
         [](const QString& p) {
             return mocktest::incompletePaperMessage({fs::Status(fs::Status::NotFound, p, QString()).describe()});
         }},
    };
    for (const Builder& b : builders) {
        for (const QString& path : {QStringLiteral("D:\\KSDOC\\03\\旧文件.txt"), plat::appPath(QStringLiteral("\\素材\\bk\\题库\\调用标记.txt"))}) {
            if (QByteArray(b.name) == "request not written" && path.startsWith(QStringLiteral("D:"))) continue;
            SCOPED_TRACE(std::string(b.name) + ": " + path.toStdString());
            const QString text = b.text(path);
            const QString shown = plat::displayPath(path);
            EXPECT_TRUE(shown.startsWith(dir_->path())) << "the real folder";
            EXPECT_TRUE(text.contains(shown)) << text.toStdString();
            EXPECT_FALSE(text.contains(QStringLiteral("D:\\"))) << text.toStdString();
        }
    }
    // The advanced exercise names its own fixed sources.
    const practice::AdvancedExercise e{QStringLiteral("word"), QStringLiteral("01"), QStringLiteral("docx")};
    const QString text = practice::msg::sourcesMissing(practice::msg::kTaskRestore, practice::advanced::missingSources(e));
    EXPECT_TRUE(text.contains(plat::displayPath(e.pristineDocument()))) << text.toStdString();
    EXPECT_TRUE(text.contains(plat::displayPath(e.materialFolder()))) << text.toStdString();
}

}  // namespace
