// The shared style panel: opening, paging with wrap-around, folding, and the
// layouts the windows give it.
#include "common/stylepanel.h"
#include "forms/design.h"
#include "forms/form.h"
#include "forms/twips.h"
#include "platform/paths.h"
#include "platform_fixture.h"
#include "test_hooks.h"

#include <QAbstractButton>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

using forms::Control;
using forms::Kind;

const Control kPanelDesign[] = {
    {.name = "内容", .kind = Kind::Frame, .left = 600, .top = 840, .width = 6000, .height = 1500},
    {.name = "样式", .kind = Kind::Button, .parent = "内容", .left = 120, .top = 1000, .width = 900, .height = 375},
    {.name = "折叠", .kind = Kind::Button, .parent = "内容", .left = 120, .top = 1000, .width = 900, .height = 375, .flags = forms::Hidden},
    {.name = "样式上一张", .kind = Kind::Button, .parent = "内容", .left = 1200, .top = 1000, .width = 500, .height = 375},
    {.name = "样式下一张", .kind = Kind::Button, .parent = "内容", .left = 1800, .top = 1000, .width = 500, .height = 375},
    {.name = "样式区", .kind = Kind::Frame, .left = 600, .top = 9000, .width = 6000, .height = 3000, .flags = forms::Hidden},
    {.name = "Picture1", .kind = Kind::Picture, .parent = "样式区", .left = 120, .top = 240, .width = 5000, .height = 2000},
    {.name = "VScroll1", .kind = Kind::VScroll, .parent = "样式区", .left = 5500, .top = 0, .width = 255, .height = 2000, .flags = forms::Hidden},
};
const forms::WindowSpec kPanelSpec{"样式测试窗格", "样式", 8000, 3000};

class StylePanelTest : public testing_support::PlatformTest {
protected:
    void SetUp() override
    {
        PlatformTest::SetUp();
        hooks_.screenDpi(96);
        form_ = std::make_unique<forms::Form>(kPanelSpec, kPanelDesign);
        // Three pictures of different sizes (pixels): 15 twips a pixel.
        const QList<QSize> sizes{{200, 100}, {300, 150}, {100, 60}};
        QDir().mkpath(drive_ + QStringLiteral("/样式"));
        for (int i = 0; i < sizes.size(); ++i) {
            QImage img(sizes[i], QImage::Format_RGB32);
            img.fill(Qt::darkGreen);
            ASSERT_TRUE(img.save(drive_ + QStringLiteral("/样式/%1.jpg").arg(i + 1), "JPG"));
        }
    }
    void TearDown() override
    {
        form_.reset();
        hooks_.reset();
        PlatformTest::TearDown();
    }
    testing_support::TestHooks hooks_;
    QWidget* c(const char* name) const { return form_->ctl(QString::fromUtf8(name)); }
    int pictureWidthPx() const { return c("Picture1")->width(); }

    std::unique_ptr<forms::Form> form_;
};

TEST_F(StylePanelTest, OpensUnderItsAnchorPagesWithWrapAroundAndFolds)
{
    int folds = 0;
    common::StylePanelLayout layout;
    layout.below = "内容";
    layout.openHeight = [](int frameHeight) { return 1000 + frameHeight; };
    layout.foldSize = [&] { ++folds; };
    common::StylePanel panel(form_.get(), layout);
    panel.connectButtons();
    ASSERT_EQ(panel.setFolder(QStringLiteral("D:\\样式")), 3);
    panel.uShowPicture(0);
    static_cast<QAbstractButton*>(c("样式"))->click();

    EXPECT_TRUE(panel.isOpen());
    EXPECT_TRUE(c("样式")->isHidden());
    EXPECT_FALSE(c("折叠")->isHidden());
    EXPECT_TRUE(c("样式上一张")->isEnabled());
    EXPECT_EQ(forms::topTw(c("样式区")), forms::toTw(forms::tw(840)) + forms::toTw(forms::tw(1500)));
    EXPECT_EQ(c("样式区")->height(), forms::tw(forms::toTw(100) + 350));
    EXPECT_EQ(form_->outerHeightTw(), forms::toTw(forms::tw(1000 + forms::heightTw(c("样式区")))));

    // Next from the last shows the first; previous from the first the last.
    const QList<int> expectedNext{1, 2, 0};
    for (int want : expectedNext) {
        static_cast<QAbstractButton*>(c("样式下一张"))->click();
        EXPECT_EQ(panel.selected(), want);
    }
    static_cast<QAbstractButton*>(c("样式上一张"))->click();
    EXPECT_EQ(panel.selected(), 2);
    EXPECT_EQ(pictureWidthPx(), 100);
    // The frame and the window follow the picture shown.
    EXPECT_EQ(c("样式区")->height(), forms::tw(forms::toTw(60) + 350));
    // Centred across the window's client area, 390 twips to the right.
    const int expectedLeft = (forms::toTw(form_->width()) - forms::toTw(100)) / 2 - forms::leftTw(c("样式区")) + 390;
    EXPECT_EQ(forms::leftTw(c("Picture1")), forms::toTw(forms::tw(expectedLeft)));

    static_cast<QAbstractButton*>(c("折叠"))->click();
    EXPECT_FALSE(panel.isOpen());
    EXPECT_FALSE(c("样式")->isHidden());
    EXPECT_TRUE(c("折叠")->isHidden());
    EXPECT_FALSE(c("样式下一张")->isEnabled());
    EXPECT_EQ(folds, 1);
    // The selected picture stays selected.
    EXPECT_EQ(panel.selected(), 2);
}

TEST_F(StylePanelTest, AnEmptyListStepsNowhere)
{
    common::StylePanel panel(form_.get(), {});
    EXPECT_EQ(panel.setFolder(QStringLiteral("D:\\没有")), 0);
    panel.next();
    panel.previous();
    EXPECT_EQ(panel.selected(), -1);
}

TEST_F(StylePanelTest, FrameCentringAndTheScreenClampOfATallPicture)
{
    QImage tall(120, 4000, QImage::Format_RGB32);
    tall.fill(Qt::gray);
    ASSERT_TRUE(tall.save(drive_ + QStringLiteral("/样式/4.jpg"), "JPG"));
    common::StylePanelLayout layout;
    layout.frameMargin = 700;
    layout.centre = common::StylePanelLayout::Centre::Frame;
    layout.pictureOffset = -200;
    layout.openHeight = [](int frameHeight) { return 2000 + frameHeight; };
    layout.scrollBar = "VScroll1";
    common::StylePanel panel(form_.get(), layout);
    ASSERT_EQ(panel.setFolder(QStringLiteral("D:\\样式")), 4);
    panel.uShowPicture(3);
    panel.open();
    const QScreen* screen = form_->screen();
    ASSERT_NE(screen, nullptr);
    const int screenTw = forms::toTw(screen->availableGeometry().height());
    EXPECT_EQ(form_->outerHeightTw(), forms::toTw(forms::tw(screenTw - 700)));
    EXPECT_FALSE(c("VScroll1")->isHidden());
    EXPECT_EQ(c("VScroll1")->x(), c("Picture1")->x() + c("Picture1")->width());
    const int expectedLeft = forms::widthTw(c("样式区")) / 2 + forms::leftTw(c("样式区")) - forms::toTw(120) / 2 - 200;
    EXPECT_EQ(forms::leftTw(c("Picture1")), forms::toTw(forms::tw(expectedLeft)));

    // A short picture again: no clamp, no scroll bar.
    panel.previous();
    EXPECT_TRUE(c("VScroll1")->isHidden());
    EXPECT_EQ(form_->outerHeightTw(), forms::toTw(forms::tw(2000 + forms::heightTw(c("样式区")))));
}

}  // namespace
