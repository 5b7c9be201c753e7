// Redraw cost of the owner-drawn button against a plain QPushButton of the
// same size (120 x 40): one row per look (the eight styles, the elliptic and
// picture shapes, gradients and pictures). Each row is timed in interleaved
// runs: a run paints the QPushButton and redraws the row's button as often
// each, the side that goes first alternating from run to run, and gives one
// paired ratio. Printed per row: min / median / max of the ratios, and
// whether the median meets the aim (at most 2). Also counts the redraws and
// CPU time while the cursor rests on a button (aim: none).
//
//   corvanth-bench-redraw [count per side and run, default 2000] [runs, default 5] [rows whose name holds this]
#include "widgets/qzbuttons.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

using widgets::ButtonPicture;
using widgets::qzButtons_H;

namespace {

constexpr double kAim = 2.0;

double cpuSeconds()
{
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return double(ts.tv_sec) + double(ts.tv_nsec) / 1e9;
}

template <typename F>
double timed(int count, F&& f)
{
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < count; ++i) f(i);
    return double(t.nsecsElapsed()) / 1e6;
}

// A small bitmap on a white key: a blue disc.
ButtonPicture smallPicture()
{
    QImage img(32, 32, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 90, 200));
    p.drawEllipse(2, 2, 28, 28);
    return {img, false};
}

// The outline picture of the picture shapes: a rounded badge on magenta.
ButtonPicture shapePicture()
{
    QImage img(120, 40, QImage::Format_RGB32);
    img.fill(QColor(255, 0, 255));
    QPainter p(&img);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 190, 110));
    p.drawRoundedRect(QRectF(2, 2, 116, 36), 14, 14);
    return {img, false};
}

struct Row {
    QString name;
    std::function<void(qzButtons_H*)> setup;
};

std::vector<Row> rows()
{
    std::vector<Row> out;
    for (int style = 0; style < 8; ++style)
        out.push_back({QString("style %1").arg(style), [style](qzButtons_H* b) { b->setButtonStyle(style); }});
    for (int shape : {4, 5, 6})
        for (int style : {0, 2, 5})
            out.push_back({QString("ellipse %1, style %2").arg(shape).arg(style), [shape, style](qzButtons_H* b) {
                               b->setButtonStyle(style);
                               b->setButtonShape(shape);
                           }});
    for (int shape : {7, 8})
        for (int style : {0, 2})
            out.push_back({QString("picture shape %1, style %2").arg(shape).arg(style), [shape, style](qzButtons_H* b) {
                               b->setButtonStyle(style);
                               b->setPicture(shapePicture());
                               b->setButtonShape(shape);
                           }});
    for (int mode = 1; mode <= 4; ++mode)
        out.push_back({QString("gradient %1, style 7").arg(mode), [mode](qzButtons_H* b) {
                           b->setButtonStyle(7);
                           b->setGradientColor(0x00C08040);
                           b->setGradientMode(mode);
                       }});
    struct Pic {
        int size;
        const char* name;
    };
    for (const Pic pic : {Pic{0, "16 px"}, Pic{2, "32 px"}, Pic{3, "fill"}, Pic{4, "fit"}})
        out.push_back({QString("picture %1, style 1").arg(pic.name), [pic](qzButtons_H* b) {
                           b->setButtonStyle(1);
                           b->setPicture(smallPicture());
                           b->setPictureAlign(1);
                           b->setPictureSize(pic.size);
                       }});
    return out;
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    const int runs = argc > 2 ? std::max(5, std::atoi(argv[2])) : 5;
    const QString only = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    const QString caption = QStringLiteral("按钮 OK");

    QWidget host;
    host.setAttribute(Qt::WA_DontShowOnScreen);
    host.resize(300, 200);
    QPushButton plain(caption, &host);
    plain.setGeometry(10, 10, 120, 40);
    host.show();
    QApplication::processEvents();
    QImage target(120, 40, QImage::Format_ARGB32_Premultiplied);
    plain.render(&target);  // warm up fonts and style

    std::printf("%d paints or redraws per side and run, %d interleaved runs per row; aim: median ratio at most %.1f\n",
                count, runs, kAim);
    std::printf("%-28s %7s %7s %7s  %s\n", "row", "min", "median", "max", "aim");
    int missed = 0;
    for (const Row& row : rows()) {
        if (!row.name.contains(only)) continue;
        auto* b = new qzButtons_H(&host);
        b->setGeometry(10, 60, 120, 40);
        b->setCaption(caption);
        row.setup(b);
        b->show();
        b->render(&target);
        auto plainSide = [&] { return timed(count, [&](int) { plain.render(&target); }); };
        // Each redraw composes the whole face; two looks alternate so that
        // nothing can be reused from the previous one.
        auto buttonSide = [&] {
            return timed(count, [&](int i) {
                b->DelayDrawing(true);
                b->setDisplayAsDefault(i & 1);
                b->DelayDrawing(false);  // the one redraw
                b->render(&target);
            });
        };
        std::vector<double> ratios;
        for (int run = 0; run < runs; ++run) {
            double plainMs, buttonMs;
            if (run % 2 == 0) {
                plainMs = plainSide();
                buttonMs = buttonSide();
            } else {
                buttonMs = buttonSide();
                plainMs = plainSide();
            }
            ratios.push_back(buttonMs / plainMs);
        }
        const double med = median(ratios);
        const bool met = med <= kAim;
        if (!met) ++missed;
        std::printf("%-28s %7.2f %7.2f %7.2f  %s\n", qPrintable(row.name), *std::min_element(ratios.begin(), ratios.end()),
                    med, *std::max_element(ratios.begin(), ratios.end()), met ? "met" : "NOT met");
        delete b;
    }
    std::printf("aim (median at most %.1f x QPushButton) %s\n", kAim,
                missed == 0 ? "met by every row" : qPrintable(QString("missed by %1 rows").arg(missed)));

    // Cursor resting on a hovered button for one second.
    auto* b = new qzButtons_H(&host);
    b->setGeometry(10, 60, 120, 40);
    b->show();
    QApplication::processEvents();
    const QPointF c(60, 20);
    QEnterEvent enter(c, c, b->mapToGlobal(c));
    QApplication::sendEvent(b, &enter);
    QApplication::processEvents();
    const int redraws = b->redrawCount();
    const double cpu0 = cpuSeconds();
    QEventLoop idle;
    QTimer::singleShot(1000, &idle, &QEventLoop::quit);
    idle.exec();
    std::printf("resting on a hovered button for 1 s: %d redraws, %.1f ms CPU\n", b->redrawCount() - redraws,
                (cpuSeconds() - cpu0) * 1000.0);
    return missed == 0 ? 0 : 1;
}
