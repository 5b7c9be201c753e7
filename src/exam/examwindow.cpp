#include "exam/examwindow.h"

#include "common/handover.h"
#include "platform/filesystem.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/textfile.h"

namespace exam {
namespace {
const QString kSubmittedFolder = QStringLiteral("\\素材\\bk\\期末考查\\已提交");
// The introduction panel 综合考查简介, the window's first view.
constexpr int kIntroWidth = 10095;
constexpr int kIntroHeight = 6255;
}  // namespace

QStringList submittedKeys()
{
    const QString folder = plat::appPath(kSubmittedFolder);
    QStringList keys;
    if (plat::fs::listFiles(folder).isEmpty()) return keys;
    QStringList entries = plat::fs::listFiles(folder, QStringLiteral("*.rar"));
    for (const QString& sub : plat::fs::listSubFolders(folder))
        if (sub.endsWith(QStringLiteral(".rar"), Qt::CaseInsensitive)) entries << sub;
    for (const QString& e : entries) keys << e.section('.', 0, 0);
    return keys;
}

ExamWindow::ExamWindow() : common::PlaceholderForm(kName, "期末考查") {}

void ExamWindow::onLoad()
{
    const QString key = uReadTextLine(common::kIdentityFile, 1).value_or(QString());
    学生信息 = key;
    if (submittedKeys().contains(key, Qt::CaseInsensitive)) {
        uMsgOk(QStringLiteral("【") + key + QStringLiteral("】已交卷，无法再次考试！"), this);
        startAllowed = false;
    }
    setOuterSizeTw(kIntroWidth + 150, kIntroHeight + 250);
    学生信息.clear();
}

}  // namespace exam
