// File-manager windows on a folder: the titles real file managers give
// them, found by the window manager's client list or, without one, in the X
// tree.
#include "platform/filemanager.h"
#include "process_support.h"
#include "test_hooks.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct TitleCase {
    const char* what;
    const char* windowClass;
    const char* title;
    const char* folder;
    bool shows;
};

void PrintTo(const TitleCase& c, std::ostream* os) { *os << c.what; }

class FileManagerTitle : public ::testing::TestWithParam<TitleCase> {};

TEST_P(FileManagerTitle, ShowsTheFolderByItsBareNameOrWithItsOwnSuffix)
{
    const TitleCase& c = GetParam();
    EXPECT_EQ(plat::fileManagerTitleShows({QString::fromUtf8(c.windowClass).toLower(), QString::fromUtf8(c.windowClass)},
                                          QString::fromUtf8(c.title), QString::fromUtf8(c.folder)),
              c.shows);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileManagerTitle,
    ::testing::Values(TitleCase{"bare name", "Nautilus", "WWW", "WWW", true},
                      TitleCase{"case aside", "Caja", "ksdoc", "KSDOC", true},
                      TitleCase{"Thunar", "Thunar", "WWW - Thunar", "WWW", true},
                      TitleCase{"Thunar in small letters", "Thunar", "www - thunar", "WWW", true},
                      TitleCase{"Dolphin", "Dolphin", "WWW \u2014 Dolphin", "WWW", true},
                      TitleCase{"Chinese name", "Thunar", "实训素材 - Thunar", "实训素材", true},
                      TitleCase{"another file manager's suffix", "Nautilus", "WWW - Thunar", "WWW", false},
                      TitleCase{"a longer name", "Thunar", "WWW2 - Thunar", "WWW", false},
                      TitleCase{"name inside another", "Thunar", "MyWWW - Thunar", "WWW", false},
                      TitleCase{"full path", "Dolphin", "/home/s/WWW \u2014 Dolphin", "WWW", false},
                      TitleCase{"suffix alone", "Thunar", " - Thunar", "", false},
                      TitleCase{"not a file manager", "XTerm", "WWW", "WWW", false},
                      TitleCase{"editor with the suffix", "Mousepad", "WWW - Thunar", "WWW", false}));

// Real Thunar on a folder "WWW" of a private X display.
class RealThunar : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        if (!testing_support::XvfbDisplay::available()) GTEST_SKIP() << "Xvfb not installed";
        if (!testing_support::FileManagerWindow::available()) GTEST_SKIP() << "thunar not installed";
        if (GetParam() && !testing_support::WindowManager::available()) GTEST_SKIP() << "openbox not installed";
        ASSERT_TRUE(dir_.isValid());
        for (const char* f : {"WWW", "WWW2"}) ASSERT_TRUE(QDir(dir_.path()).mkpath(QString::fromUtf8(f)));
    }
    QTemporaryDir dir_;
};

TEST_P(RealThunar, ItsWindowOnTheFolderIsFoundUntilItCloses)
{
    testing_support::XvfbDisplay x;
    ASSERT_TRUE(x.running());
    std::unique_ptr<testing_support::WindowManager> wm;
    if (GetParam()) {
        wm = std::make_unique<testing_support::WindowManager>(x.name());
        ASSERT_TRUE(wm->running());
    }
    EXPECT_FALSE(plat::fileManagerWindowTitled(QStringLiteral("WWW")));
    testing_support::FileManagerWindow thunar(x.name(), dir_.path() + QStringLiteral("/WWW"));
    ASSERT_TRUE(thunar.started());
    ASSERT_TRUE(testing_support::waitFor([] { return plat::fileManagerWindowTitled(QStringLiteral("WWW")); },
                                         testing_support::kDesktopProgramStartMs))
        << thunar.report().toStdString() << "\nwindows:\n" << testing_support::describeWindows(x.name()).toStdString();
    EXPECT_TRUE(plat::fileManagerWindowTitled(QStringLiteral("www")));
    EXPECT_FALSE(plat::fileManagerWindowTitled(QStringLiteral("WW")));
    EXPECT_FALSE(plat::fileManagerWindowTitled(QStringLiteral("WWW2")));
    if (GetParam()) {
        // A window manager that keeps no client list: the window is found
        // inside its frame.
        testing_support::removeClientList(x.name());
        EXPECT_TRUE(plat::fileManagerWindowTitled(QStringLiteral("WWW")));
    }
    thunar.close();
    EXPECT_TRUE(testing_support::waitFor([] { return !plat::fileManagerWindowTitled(QStringLiteral("WWW")); }));
}

// A desktop with several windows under a window manager: the classes of all
// of them are asked for at once, and each answer must stay with its window.
TEST(FileManagerWindows, AmongManyWindowsEachIsJudgedByItsOwnClassAndTitle)
{
    if (!testing_support::XvfbDisplay::available()) GTEST_SKIP() << "Xvfb not installed";
    if (!testing_support::WindowManager::available()) GTEST_SKIP() << "openbox not installed";
    testing_support::XvfbDisplay x;
    ASSERT_TRUE(x.running());
    testing_support::WindowManager wm(x.name());
    ASSERT_TRUE(wm.running());
    testing_support::TestHooks hooks;
    hooks.display(x.name().toUtf8());
    using P = testing_support::ClassedWindow::ClassProperty;
    const struct {
        const char* windowClass;
        const char* title;
        P property;
    } windows[] = {
        {"XTerm", "KSDOC", P::NameAndClass},
        {"Thunar", "WWW", P::NameOnly},  // a file manager by its name alone
        {"Thunar", "实训素材 - Thunar", P::NameAndClass},
        {"Mousepad", "KSPPT - Thunar", P::NameAndClass},
        {"Nautilus", "KSXLS", P::NameAndClass},
    };
    std::vector<std::unique_ptr<testing_support::ClassedWindow>> shown;
    for (const auto& w : windows) {
        shown.push_back(std::make_unique<testing_support::ClassedWindow>(x.name(), w.windowClass,
                                                                         QString::fromUtf8(w.title), w.property));
        ASSERT_TRUE(shown.back()->ok());
    }
    // The window manager lists its clients once it has taken them on.
    ASSERT_TRUE(testing_support::waitFor([] { return plat::fileManagerWindowTitled(QStringLiteral("KSXLS")); }));
    const struct {
        const char* folder;
        bool shown;
    } cases[] = {{"KSDOC", false}, {"WWW", true},   {"实训素材", true},
                 {"KSPPT", false}, {"KSXLS", true}, {"KSWIN", false}};
    const plat::FileManagerWindowChecks series;
    for (const auto& c : cases)
        EXPECT_EQ(plat::fileManagerWindowTitled(QString::fromUtf8(c.folder)), c.shown) << c.folder;
    EXPECT_TRUE(plat::fileManagerWindowShowsAny(
        {QStringLiteral("KSDOC"), QStringLiteral("KSPPT"), QStringLiteral("实训素材")}));
    EXPECT_FALSE(
        plat::fileManagerWindowShowsAny({QStringLiteral("KSDOC"), QStringLiteral("KSPPT"), QStringLiteral("KSWIN")}));
    // Several lists on one reading: the first list shown, in the lists' order.
    const auto names = [](std::initializer_list<const char*> l) {
        QStringList out;
        for (const char* n : l) out << QString::fromUtf8(n);
        return out;
    };
    EXPECT_EQ(plat::fileManagerWindowShowsFirstOf({names({"KSDOC"}), names({"KSXLS", "KSDOC"}), names({"WWW"})}), 1);
    EXPECT_EQ(plat::fileManagerWindowShowsFirstOf({names({}), names({"实训素材"}), names({"KSXLS"})}), 1);
    EXPECT_EQ(plat::fileManagerWindowShowsFirstOf({names({"KSDOC"}), names({"KSPPT", "KSWIN"})}), -1);
    EXPECT_EQ(plat::fileManagerWindowShowsFirstOf({}), -1);
}

INSTANTIATE_TEST_SUITE_P(WindowManagers, RealThunar, ::testing::Values(true, false),
                         [](const auto& info) { return info.param ? "Openbox" : "BareX"; });

}  // namespace

namespace {

// The window checks of one guard list share one connection to the display,
// opened at the first check; each check still reads the windows afresh.
TEST(FileManagerWindowChecks, OneConnectionServesEveryCheckOfTheSeries)
{
    if (!testing_support::XvfbDisplay::available()) GTEST_SKIP() << "Xvfb not installed";
    testing_support::XvfbDisplay x;
    ASSERT_TRUE(x.running());
    testing_support::ClassedWindow www(x.name(), "Thunar", QStringLiteral("WWW - Thunar"));
    ASSERT_TRUE(www.ok());
    testing_support::TestHooks hooks;
    {
        const plat::FileManagerWindowChecks checks;
        EXPECT_TRUE(plat::fileManagerWindowTitled(QStringLiteral("WWW")));
        // No new connection could be made now: the checks go on through
        // the one they have.
        hooks.display(":9999");
        EXPECT_TRUE(plat::fileManagerWindowTitled(QStringLiteral("WWW")));
        EXPECT_FALSE(plat::fileManagerWindowTitled(QStringLiteral("KSDOC")));
        {
            const plat::FileManagerWindowChecks nested;
            EXPECT_TRUE(plat::fileManagerWindowTitled(QStringLiteral("www")));
        }
        // A window that appears meanwhile is seen by the next check.
        testing_support::ClassedWindow ksdoc(x.name(), "Nautilus", QStringLiteral("KSDOC"));
        ASSERT_TRUE(ksdoc.ok());
        EXPECT_TRUE(plat::fileManagerWindowTitled(QStringLiteral("KSDOC")));
    }
    // Without a series each check connects by itself.
    EXPECT_FALSE(plat::fileManagerWindowTitled(QStringLiteral("WWW")));
    hooks.display(x.name().toUtf8());
    EXPECT_TRUE(plat::fileManagerWindowTitled(QStringLiteral("WWW")));
}

}  // namespace
