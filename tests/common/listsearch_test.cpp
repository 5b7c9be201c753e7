// Finding a text in a list box or combo box.
#include "common/listsearch.h"
#include "common/navigation.h"
#include "forms/controls.h"
#include "forms/form.h"
#include "forms/runtime.h"
#include "platform_fixture.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <gtest/gtest.h>

namespace {

struct SearchCase {
    const char* what;
    QStringList entries;
    QString text;
    bool exact;
    int index;
};

void PrintTo(const SearchCase& c, std::ostream* os) { *os << c.what; }

class ListSearch : public ::testing::TestWithParam<SearchCase> {};

TEST_P(ListSearch, FindsTheSameEntryInComboAndListBoxes)
{
    const SearchCase& c = GetParam();
    QComboBox combo;
    combo.addItems(c.entries);
    QListWidget list;
    list.addItems(c.entries);
    EXPECT_EQ(uFindListItem(&combo, c.text, c.exact), c.index);
    EXPECT_EQ(uFindListItem(&list, c.text, c.exact), c.index);
}

const QStringList kTwo = {QStringLiteral("2024001张三"), QStringLiteral("2024002李四")};

INSTANTIATE_TEST_SUITE_P(
    Cases, ListSearch,
    ::testing::Values(SearchCase{"exact, second entry", kTwo, QStringLiteral("2024002李四"), true, 1},
                      SearchCase{"exact, a beginning only", kTwo, QStringLiteral("2024002"), true, -1},
                      SearchCase{"exact, one blank more", kTwo, QStringLiteral("2024002李四 "), true, -1},
                      SearchCase{"prefix only the second has", kTwo, QStringLiteral("2024002"), false, 1},
                      SearchCase{"prefix both share", kTwo, QStringLiteral("2024"), false, 0},
                      SearchCase{"prefix absent", kTwo, QStringLiteral("2025"), false, -1},
                      SearchCase{"capitals, exact", {QStringLiteral("WORD"), QStringLiteral("EXCEL")},
                                 QStringLiteral("excel"), true, 1},
                      SearchCase{"capitals, prefix", {QStringLiteral("WORD"), QStringLiteral("EXCEL")},
                                 QStringLiteral("exc"), false, 1},
                      SearchCase{"two equal entries", {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("b")},
                                 QStringLiteral("B"), true, 1},
                      SearchCase{"empty control", {}, QStringLiteral("a"), true, -1},
                      SearchCase{"empty control, prefix", {}, QStringLiteral("a"), false, -1}));

TEST(ListSearchControls, OtherControlsGiveMinusOne)
{
    QLineEdit edit(QStringLiteral("a"));
    QLabel label(QStringLiteral("a"));
    // File and directory list boxes show entries like a list box, yet they
    // are not searched.
    forms::FileListBox files;
    files.addItems({QStringLiteral("a"), QStringLiteral("ab")});
    forms::DirListBox dirs;
    dirs.addItems({QStringLiteral("a"), QStringLiteral("ab")});
    for (QWidget* w : {static_cast<QWidget*>(&edit), static_cast<QWidget*>(&label), static_cast<QWidget*>(&files),
                       static_cast<QWidget*>(&dirs), static_cast<QWidget*>(nullptr)}) {
        EXPECT_EQ(uFindListItem(w, QStringLiteral("a"), true), -1);
        EXPECT_EQ(uFindListItem(w, QStringLiteral("a"), false), -1);
    }
}

// The main window's auxiliary controls, found by name: its combo boxes are
// searched, its file and directory list boxes are not.
class MainWindowAuxiliaryControls : public testing_support::PlatformTest {};

TEST_F(MainWindowAuxiliaryControls, OnlyTheComboBoxesAreSearched)
{
    forms::Form* main = forms::load(common::kMainWindowName);
    ASSERT_NE(main, nullptr);
    const QStringList entries = {QStringLiteral("2024001张三.rar"), QStringLiteral("2024002李四.rar")};
    const struct {
        const char* name;
        int found;
    } cases[] = {{"Combo1", 1}, {"Combo2", 1}, {"Combo3", 1}, {"File1", -1}, {"Dir1", -1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget* w = main->ctl(QString::fromUtf8(c.name));
        ASSERT_NE(w, nullptr);
        if (auto* combo = qobject_cast<QComboBox*>(w)) combo->addItems(entries);
        if (auto* list = qobject_cast<QListWidget*>(w)) list->addItems(entries);
        EXPECT_EQ(uFindListItem(w, QStringLiteral("2024002李四.RAR"), true), c.found);
        EXPECT_EQ(uFindListItem(w, QStringLiteral("2024002"), false), c.found);
    }
}

}  // namespace
