// The gallery's live sheets, each look reached through a run of hover, click,
// disable and focus changes, show every shape and style exactly as the
// plain sheets, where each look is set up once.
#include "../../tools/gallery/sheets.h"

#include <gtest/gtest.h>
#include <memory>

namespace {

TEST(ButtonGallery, LiveSheetsMatchThePlainSheetsPixelForPixel)
{
    for (int shape = 0; shape <= 8; ++shape) {
        std::unique_ptr<QWidget> plain(gallery::sheetFor(shape)), live(gallery::sheetFor(shape, true));
        plain->show();
        live->show();
        QApplication::processEvents();
        const QImage a = plain->grab().toImage(), b = live->grab().toImage();
        ASSERT_EQ(a.size(), b.size());
        // The first differing button, by its row (style) and column (state).
        QString diff;
        for (auto* button : live->findChildren<widgets::qzButtons_H*>()) {
            const QRect r = button->geometry() & a.rect();
            for (int y = r.top(); y <= r.bottom() && diff.isEmpty(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    if (a.pixel(x, y) != b.pixel(x, y)) {
                        diff = QString("style %1, %2: (%3, %4) %5 against %6")
                                   .arg(button->ButtonStyle())
                                   .arg(gallery::kStates[std::min(6, (x - 70) / std::max(1, button->width() + 16))])
                                   .arg(x - button->x())
                                   .arg(y - button->y())
                                   .arg(b.pixel(x, y) & 0xFFFFFF, 6, 16, QChar('0'))
                                   .arg(a.pixel(x, y) & 0xFFFFFF, 6, 16, QChar('0'));
                        break;
                    }
            if (!diff.isEmpty()) break;
        }
        EXPECT_TRUE(diff.isEmpty()) << "shape " << shape << " (" << gallery::kShapes[shape] << "), " << qPrintable(diff);
        EXPECT_EQ(a, b) << "shape " << shape;
    }
}

}  // namespace
