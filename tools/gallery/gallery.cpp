// Gallery of the owner-drawn button: for each shape a sheet with the eight
// styles down and the states across (normal, hover, pressed, disabled,
// focused, with a picture, checked), saved as one PNG per shape.
//
//   corvanth-widget-gallery [output-folder]      (default: the current folder)
//   QT_QPA_PLATFORM=offscreen works; without an output folder argument and with
//   a display, "--show" keeps the sheets open on screen.
#include "widgets/qzbuttons.h"

#include <QApplication>
#include <QDir>
#include <QEnterEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <cstdio>

using widgets::ButtonPicture;
using widgets::qzButtons_H;

namespace {

// A small bitmap on a white key background: a blue disc with a yellow star.
ButtonPicture smallPicture()
{
    QImage img(32, 32, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 200));
    p.drawEllipse(2, 2, 28, 28);
    p.setBrush(QColor(250, 210, 40));
    p.drawPolygon(QPolygon({{16, 6}, {19, 13}, {26, 13}, {20, 18}, {23, 26}, {16, 21}, {9, 26}, {12, 18}, {6, 13}, {13, 13}}));
    return {img, false};
}

// A larger bitmap for the picture shapes: a green rounded badge on magenta.
ButtonPicture shapePicture()
{
    QImage img(120, 48, QImage::Format_RGB32);
    img.fill(QColor(255, 0, 255));
    QPainter p(&img);
    p.setPen(QPen(QColor(20, 90, 40), 2));
    p.setBrush(QColor(90, 190, 110));
    p.drawRoundedRect(QRectF(2, 2, 116, 44), 18, 18);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setBold(true);
    f.setPixelSize(16);
    p.setFont(f);
    p.drawText(QRect(0, 0, 120, 48), Qt::AlignCenter, "Picture");
    return {img, false};
}

const char* const kStates[] = {"normal", "hover", "pressed", "disabled", "focused", "picture", "checked"};
const char* const kShapes[] = {"rectangle", "slant-left", "slant-right", "parallelogram", "ellipse",
                               "ellipse-ring", "ellipse-frame", "picture-outline", "picture-gradient"};

void hover(qzButtons_H* b)
{
    const QPointF c(b->width() / 2.0, b->height() / 2.0);
    QEnterEvent enter(c, b->mapToGlobal(c), b->mapToGlobal(c));
    QApplication::sendEvent(b, &enter);
}

void press(qzButtons_H* b)
{
    hover(b);
    const QPointF c(b->width() / 2.0, b->height() / 2.0);
    QMouseEvent down(QEvent::MouseButtonPress, c, b->mapToGlobal(c), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(b, &down);
}

QWidget* sheetFor(int shape)
{
    const int buttonW = shape >= 1 && shape <= 3 ? 170 : 120;
    const int cellW = buttonW + 16, cellH = shape >= 7 ? 64 : 52, left = 70, top = 30;
    auto* sheet = new QWidget;
    sheet->setAttribute(Qt::WA_DontShowOnScreen, qEnvironmentVariable("QT_QPA_PLATFORM") == "offscreen");
    sheet->setAutoFillBackground(true);
    sheet->resize(left + 7 * cellW + 10, top + 8 * cellH + 10);
    sheet->setWindowTitle(QString("qzButtons_H — ButtonShape %1 (%2)").arg(shape).arg(kShapes[shape]));
    for (int s = 0; s < 7; ++s) {
        auto* l = new QLabel(kStates[s], sheet);
        l->setGeometry(left + s * cellW, 6, cellW - 8, 20);
        l->setAlignment(Qt::AlignCenter);
    }
    for (int style = 0; style < 8; ++style) {
        auto* l = new QLabel(QString("Style %1").arg(style), sheet);
        l->setGeometry(6, top + style * cellH, left - 8, cellH - 12);
        for (int s = 0; s < 7; ++s) {
            auto* b = new qzButtons_H(sheet);
            b->DelayDrawing(true);
            b->setGeometry(left + s * cellW, top + style * cellH, buttonW, shape >= 7 ? 56 : 40);
            b->setButtonStyle(style);
            b->setCaption(QStringLiteral("按钮 &OK"));
            if (shape >= 7 || s == 5) {
                b->setPicture(shape >= 7 ? shapePicture() : smallPicture());
                b->setPictureAlign(1);
            }
            b->setButtonShape(shape);
            if (s == 6) {
                b->setMode(1);
                b->setValue(widgets::kTrue);
            }
            if (s == 3) b->setEnabled(widgets::kFalse);
            if (s == 4) b->setDisplayAsDefault(true);
            b->DelayDrawing(false);
            if (s == 1) hover(b);
            if (s == 2) press(b);
        }
    }
    return sheet;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const bool show = args.contains("--show");
    QString outDir = ".";
    for (const QString& a : args)
        if (!a.startsWith("--")) outDir = a;
    QDir().mkpath(outDir);
    QList<QWidget*> sheets;
    for (int shape = 0; shape <= 8; ++shape) {
        QWidget* sheet = sheetFor(shape);
        sheet->show();
        QApplication::processEvents();
        const QString file = QDir(outDir).filePath(QString("gallery-shape%1-%2.png").arg(shape).arg(kShapes[shape]));
        if (!sheet->grab().save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
        std::printf("%s\n", qPrintable(file));
        sheets << sheet;
    }
    if (show) return app.exec();
    qDeleteAll(sheets);
    return 0;
}
