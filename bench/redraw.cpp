// Redraw cost of the owner-drawn button: 10,000 redraws (compose the face
// off screen, then paint it) of a 120 x 40 button in each style, against as
// many paints of a plain QPushButton of the same size. Goal: ratio at most 2.
// Also counts the redraws and CPU time while the cursor rests on a button
// (goal: none).
#include "widgets/qzbuttons.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QImage>
#include <QPushButton>
#include <QTimer>
#include <cstdio>
#include <ctime>

using widgets::qzButtons_H;

namespace {

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

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? std::max(1, std::atoi(argv[1])) : 10000;
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
    const double plainMs = timed(count, [&](int) { plain.render(&target); });
    std::printf("QPushButton: %d paints %.1f ms\n", count, plainMs);

    double worst = 0;
    for (int style = 0; style < 8; ++style) {
        auto* b = new qzButtons_H(&host);
        b->setGeometry(10, 60, 120, 40);
        b->setCaption(caption);
        b->setButtonStyle(style);
        b->show();
        b->render(&target);
        // Each redraw composes the whole face; alternate two looks so that
        // nothing can be reused from the previous one.
        const double ms = timed(count, [&](int i) {
            b->DelayDrawing(true);
            b->setDisplayAsDefault(i & 1);
            b->DelayDrawing(false);  // the one redraw
            b->render(&target);
        });
        const double ratio = ms / plainMs;
        worst = std::max(worst, ratio);
        std::printf("style %d: %d redraws %.1f ms, ratio %.2f\n", style, count, ms, ratio);
        delete b;
    }
    std::printf("worst ratio %.2f (goal at most 2)\n", worst);

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
    return 0;
}
