// The property bag: a new button's initial values, saving and reloading
// every key, defaults that write nothing, and the hover back colour under
// both of its spellings.
#include "button_support.h"
#include "widgets/propertybag.h"

#include <QJsonObject>
#include <gtest/gtest.h>

using namespace buttontest;
using widgets::ButtonPicture;
using widgets::JsonPropertyBag;
using widgets::kFalse;
using widgets::kSysButtonFace;
using widgets::kSysButtonText;
using widgets::kTrue;

namespace {

TEST(ButtonPropertyBag, NewInstanceInitialValues)
{
    qApp->setProperty("LegalCopyright", "Copyright (C) Corvanth");
    Host host;
    QFont parentFont = host.window->font();
    parentFont.setPointSize(13);
    host.window->setFont(parentFont);
    auto* b = host.add();
    qApp->setProperty("LegalCopyright", QVariant());
    EXPECT_EQ(b->Caption(), "Copyright (C) Corvanth");
    EXPECT_EQ(b->CaptionAlign(), 2);
    EXPECT_EQ(b->ShowFocusRect(), kTrue);
    EXPECT_EQ(b->BackColor(), kSysButtonFace);
    EXPECT_EQ(b->HoverBackColor(), kSysButtonFace);
    EXPECT_EQ(b->HoverForeColor(), kSysButtonText);
    EXPECT_EQ(b->GradientColor(), 0u);
    EXPECT_EQ(b->ButtonFont().pointSize(), 13);
}

TEST(ButtonPropertyBag, DefaultsWriteNothing)
{
    Host host;
    auto* b = host.add();
    b->setCaption("");
    JsonPropertyBag bag;
    b->WriteProperties(bag);
    // Mode, Value and cBack are always written, a font is never "nothing",
    // and a new button's gradient colour is black, not the default button face.
    EXPECT_EQ(bag.keys(), (QStringList{"Font", "Mode", "Value", "cBack", "cGradient"}));
}

TEST(ButtonPropertyBag, EmptyBagLoadsTheDefaults)
{
    Host host;
    QPalette pal = host.window->palette();
    pal.setColor(QPalette::Window, QColor(10, 20, 30));
    host.window->setPalette(pal);
    auto* b = host.add();
    b->setCaptionAlign(0);
    b->ReadProperties(JsonPropertyBag());
    EXPECT_EQ(b->CaptionAlign(), 2);
    EXPECT_EQ(b->ShowFocusRect(), kTrue);
    EXPECT_EQ(b->Enabled(), kTrue);
    EXPECT_EQ(b->PictureSize(), 0);
    EXPECT_EQ(b->GradientColor(), kSysButtonFace);
    EXPECT_EQ(b->ForeColor(), kSysButtonText);
    EXPECT_EQ(b->BackColor(), 10u + 256u * 20u + 65536u * 30u);  // the parent's background
    EXPECT_EQ(b->HoverBackColor(), b->BackColor());
}

TEST(ButtonPropertyBag, EveryKeySurvivesARoundTrip)
{
    Host host;
    auto* a = host.add(160, 60);
    QImage img(24, 24, QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setPixel(5, 5, qRgb(1, 2, 3));
    ButtonPicture icon{img, true};
    a->setCaption("&Save||now");
    a->setPicture({img, false});
    a->setPictureAlign(3);
    a->setButtonStyle(6);
    a->setButtonShape(2);  // a new shape centres the caption: align afterwards
    a->setCaptionAlign(1);
    a->setGradientColor(0x00AA00);
    a->setGradientMode(4);
    a->setForeColor(0x112233);
    a->setButtonFont(QFont("DejaVu Sans", 11));
    a->setFontStyle(2);
    a->setShowFocusRect(kFalse);
    a->setMode(1);
    a->setValue(kTrue);
    a->setCustomClick(5);
    a->setPictureSize(2);
    a->setHoverForeColor(0x445566);
    a->setEnabled(kFalse);
    a->setBackColor(0x778899);
    a->setHoverBackColor(0x0A0B0C);
    a->setHoverColorLocks(3);
    a->setCaptionStyle(2);
    a->setMouseIcon(icon);
    a->setMousePointer(99);

    JsonPropertyBag saved;
    a->WriteProperties(saved);
    const QStringList all = {"Caption", "CapAlign", "BackStyle", "Shape", "Font", "cFore", "cFHover", "cBHover",
                             "Focus", "LockHover", "cGradient", "Gradient", "CapStyle", "Mode", "Value",
                             "CustomClick", "ImgAlign", "Image", "ImgSize", "Enabled", "cBack", "mPointer", "mIcon"};
    for (const QString& k : all) EXPECT_TRUE(saved.contains(k)) << qPrintable(k);
    EXPECT_FALSE(saved.contains("cBhover"));

    JsonPropertyBag loaded;
    ASSERT_TRUE(loaded.fromJson(saved.toJson()));
    auto* b = host.add(160, 60, 10, 100);
    b->ReadProperties(loaded);
    EXPECT_EQ(b->Caption(), a->Caption());
    EXPECT_EQ(b->accessKey(), QChar('S'));
    EXPECT_EQ(b->CaptionAlign(), 1);
    EXPECT_EQ(b->ButtonStyle(), 6);
    EXPECT_EQ(b->ButtonShape(), 2);
    EXPECT_EQ(b->GradientColor(), 0x00AA00u);
    EXPECT_EQ(b->GradientMode(), 4);
    EXPECT_EQ(b->ForeColor(), 0x112233u);
    EXPECT_EQ(b->ButtonFont().family(), a->ButtonFont().family());
    EXPECT_EQ(b->FontStyle(), 2);
    EXPECT_EQ(b->ShowFocusRect(), kFalse);
    EXPECT_EQ(b->Mode(), 1);
    EXPECT_EQ(b->Value(), kTrue);
    EXPECT_EQ(b->CustomClick(), 5);
    EXPECT_EQ(b->PictureAlign(), 3);
    EXPECT_EQ(b->Picture().image.pixel(5, 5), img.pixel(5, 5));
    EXPECT_FALSE(b->Picture().icon);
    EXPECT_EQ(b->PictureSize(), 2);
    EXPECT_EQ(b->HoverForeColor(), 0x445566u);
    EXPECT_EQ(b->Enabled(), kFalse);
    EXPECT_EQ(b->BackColor(), 0x778899u);
    EXPECT_EQ(b->HoverBackColor(), 0x0A0B0Cu);
    EXPECT_EQ(b->HoverColorLocks(), 3);
    EXPECT_EQ(b->CaptionStyle(), 2);
    EXPECT_TRUE(b->MouseIcon().icon);
    EXPECT_EQ(b->MousePointer(), 99);
    // Saving the reloaded button gives the same bag.
    JsonPropertyBag again;
    b->WriteProperties(again);
    EXPECT_EQ(again.values(), saved.values());
}

TEST(ButtonPropertyBag, HoverBackColourUnderEitherSpelling)
{
    for (const char* key : {"cBHover", "cBhover"}) {
        Host host;
        auto* b = host.add();
        JsonPropertyBag bag(QJsonObject{{"cBack", 255}, {key, 65280}});
        b->ReadProperties(bag);
        EXPECT_EQ(b->HoverBackColor(), 65280u) << key;
        JsonPropertyBag out;
        b->WriteProperties(out);
        EXPECT_TRUE(out.contains("cBHover")) << key;
        EXPECT_FALSE(out.contains("cBhover")) << key;
    }
}

TEST(ButtonPropertyBag, LoadedHoverColourShowsOnHover)
{
    Host host;
    auto* b = host.add();
    b->ReadProperties(JsonPropertyBag(QJsonObject{{"cBack", 255}, {"cBhover", 65280}, {"Caption", ""}}));
    enter(b);
    EXPECT_EQ(px(b, 30, 20), 65280);
}

TEST(ButtonPropertyBag, WritingTheDefaultDropsAStaleValue)
{
    JsonPropertyBag bag;
    bag.WriteProperty("CapAlign", 0, 2);
    EXPECT_EQ(bag.ReadProperty("CapAlign", 2).toInt(), 0);
    bag.WriteProperty("CapAlign", 2, 2);
    EXPECT_FALSE(bag.contains("CapAlign"));
    EXPECT_EQ(bag.ReadProperty("CapAlign", 2).toInt(), 2);
    EXPECT_FALSE(bag.fromJson("not json"));
}

}  // namespace

namespace {

// A bag is taken as stored; values no assignment would accept must still
// neither crash nor draw outside the control.
TEST(ButtonPropertyBag, OutOfRangeStoredValuesAreSafe)
{
    const QJsonObject bags[] = {
        {{"BackStyle", 9}},
        {{"BackStyle", -1}, {"Shape", 12}},
        {{"Shape", -3}, {"CapAlign", 7}, {"ImgAlign", 9}},
        {{"ImgSize", 3}, {"CapStyle", 5}, {"Gradient", 8}, {"CustomClick", 40}},
        {{"ImgSize", -20}, {"Mode", 7}, {"Value", 5}},
        {{"Shape", 7}},  // a picture shape without a picture
        {{"cBack", "not a colour"}, {"Font", 3}, {"Image", "x"}},
    };
    for (const QJsonObject& values : bags) {
        Host host;
        auto* b = host.add();
        b->ReadProperties(JsonPropertyBag(values));
        b->Refresh();
        enter(b);
        click(b);
        key(b, QEvent::KeyPress, Qt::Key_Space);
        key(b, QEvent::KeyRelease, Qt::Key_Space);
        b->resize(60, 20);
        const QImage shot = b->grab().toImage();
        ASSERT_EQ(shot.size(), QSize(60, 20) * shot.devicePixelRatio());
        // What shows is the face as composed for the new size, inside the
        // window outline; a style without renderer shows no face at all.
        const QImage face = b->surface();
        const int style = b->ButtonStyle();
        if (style < 0 || style > 7) {
            EXPECT_TRUE(face.isNull()) << "style " << style;
            continue;
        }
        ASSERT_EQ(face.size(), QSize(60, 20));
        int shown = 0;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 60; ++x)
                if (b->windowRegion().isEmpty() || b->windowRegion().contains(QPoint(x, y))) {
                    ++shown;
                    EXPECT_EQ(shot.pixel(x, y) & 0xFFFFFF, face.pixel(x, y) & 0xFFFFFF) << x << "," << y;
                }
        EXPECT_GT(shown, 60 * 20 / 2);
    }
}

// A disabled style-3 button loads with one redraw, at the end, from the whole
// bag: the same face and outline as one set up through its properties.
TEST(ButtonPropertyBag, LoadingADisabledButtonRedrawsOnceWhenComplete)
{
    Host host;
    auto* loaded = host.add();
    const int redraws = loaded->redrawCount();
    loaded->ReadProperties(JsonPropertyBag(QJsonObject{
        {"BackStyle", 3}, {"Enabled", 0}, {"Caption", "Go"}, {"cBack", qint64(kSysButtonFace)}}));
    EXPECT_EQ(loaded->redrawCount(), redraws + 1);
    EXPECT_FALSE(loaded->delayDraw());
    auto* set = host.add(120, 40, 10, 60);
    set->setCaption("Go");
    set->setButtonStyle(3);
    set->setEnabled(kFalse);
    EXPECT_EQ(loaded->surface(), set->surface());
    EXPECT_EQ(loaded->windowRegion(), set->windowRegion());
    EXPECT_TRUE(loaded->windowRegion().contains(QPoint(0, 39)));  // disabled: no corner cut
}

TEST(ButtonPropertyBag, AStoredStyleWithoutRendererDrawsNothing)
{
    Host host;
    auto* b = host.add();
    const int redraws = b->redrawCount();
    b->ReadProperties(JsonPropertyBag(QJsonObject{{"BackStyle", 9}}));
    b->Refresh();
    EXPECT_EQ(b->redrawCount(), redraws);
}

}  // namespace
