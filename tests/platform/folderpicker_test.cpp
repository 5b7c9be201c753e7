// The folder picker: its title and what it hands back.
#include "platform/folderpicker.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

class ScriptedPicker final : public plat::FolderPicker {
public:
    ScriptedPicker() { plat::setFolderPicker(this); }
    ~ScriptedPicker() override { plat::setFolderPicker(nullptr); }
    QString pick(QWidget*, const QString& title) override
    {
        titles << title;
        return answer;
    }
    QString answer;
    QStringList titles;
};

TEST(FolderPicker, ShowsTheTitleOrItsOwnWhenNoneIsGiven)
{
    ScriptedPicker picker;
    uBrowseForFolder(nullptr, QStringLiteral("浏览文件夹"));
    uBrowseForFolder(nullptr, QString());
    EXPECT_EQ(picker.titles, (QStringList{QStringLiteral("浏览文件夹"), QStringLiteral("选择目录")}));
}

TEST(FolderPicker, HandsBackThePathAloneOrNothingOnCancel)
{
    ScriptedPicker picker;
    const struct {
        QString picked, result;
    } cases[] = {
        {QString(), QString()},                                             // cancel
        {QStringLiteral("/home/学生/提交"), QStringLiteral("/home/学生/提交")},  // a folder
        {QStringLiteral("/home/学生/提交/"), QStringLiteral("/home/学生/提交")},
        {QStringLiteral("/"), QStringLiteral("/")},  // a whole drive keeps its separator
        {QStringLiteral("/media/u") + QChar(u'\0') + QStringLiteral("   "), QStringLiteral("/media/u")},
    };
    for (const auto& c : cases) {
        picker.answer = c.picked;
        EXPECT_EQ(uBrowseForFolder(nullptr, QStringLiteral("浏览文件夹")), c.result) << qPrintable(c.picked);
    }
}

}  // namespace
