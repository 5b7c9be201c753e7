// Handing documents and folders to the desktop: the program's windows that
// stay on top make way for what the student has just opened.
#include "common/documents.h"
#include "forms/design.h"
#include "forms/form.h"
#include "forms/runtime.h"
#include "platform_fixture.h"
#include "test_hooks.h"

#include <gtest/gtest.h>

namespace {

const forms::Control kDocumentsDesign[] = {
    {.name = "Go", .kind = forms::Kind::Button, .left = 120, .top = 120, .width = 1200, .height = 450, .caption = "Go"},
};

class TopmostForm : public forms::Form {
public:
    TopmostForm() : forms::Form(forms::WindowSpec{"置顶窗", "置顶窗", 4800, 3600}, kDocumentsDesign) { setTopmost(true); }
};

struct OpenCase {
    const char* what;
    bool folder;
    bool desktopOpens;
    bool staysOnTop;
};

class OpenOnDesktop : public testing_support::PlatformTest, public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenOnDesktop, ATopmostWindowMakesWayOnlyForWhatWasOpened)
{
    const OpenCase c = GetParam();
    testing_support::TestHooks hooks;
    QStringList handed;
    hooks.desktop([&](plat::DesktopAction, const QString& target) {
        handed << target;
        return c.desktopOpens;
    });
    forms::registerForm(QStringLiteral("置顶窗"), [] { return new TopmostForm; });
    auto* w = forms::show(QStringLiteral("置顶窗"));
    ASSERT_TRUE(w);
    ASSERT_TRUE(w->staysOnTopNow());
    if (c.folder) common::uOpenFolder(QStringLiteral("D:\\KSDOC"));
    else common::uOpenDocument(QStringLiteral("D:\\KSDOC\\题目.docx"));
    EXPECT_EQ(handed.size(), 1);
    EXPECT_EQ(w->staysOnTopNow(), c.staysOnTop) << c.what;
    EXPECT_TRUE(w->windowFlags() & Qt::WindowStaysOnTopHint) << "it stays a topmost window: " << c.what;
    ASSERT_TRUE(forms::unload(w));
}

INSTANTIATE_TEST_SUITE_P(Cases, OpenOnDesktop,
                         ::testing::Values(OpenCase{"a document opened", false, true, false},
                                           OpenCase{"a folder opened", true, true, false},
                                           OpenCase{"a document the desktop could not open", false, false, true},
                                           OpenCase{"a folder the desktop could not open", true, false, true}));

}  // namespace
