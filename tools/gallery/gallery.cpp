// Gallery of the owner-drawn button: for each shape a sheet with the eight
// styles down and the states across (normal, hover, pressed, disabled,
// focused, with a picture, checked), saved as one PNG per shape; and the same
// sheets "live", each look reached through a run of state changes, saved as
// gallery-live-shape*.png (they must look the same as the plain ones).
//
//   corvanth-widget-gallery [output-folder]      (default: the current folder)
//   QT_QPA_PLATFORM=offscreen works; with a display, "--show" keeps the sheets
//   open on screen, "--show-live" the live ones (to be hovered and clicked by
//   hand or by xdotool).
#include "sheets.h"

#include <QDir>
#include <cstdio>

using namespace gallery;

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const bool show = args.contains("--show") || args.contains("--show-live");
    const bool showLive = args.contains("--show-live");
    QString outDir = ".";
    for (const QString& a : args)
        if (!a.startsWith("--")) outDir = a;
    QDir().mkpath(outDir);
    QList<QWidget*> sheets;
    for (const bool live : {false, true})
        for (int shape = 0; shape <= 8; ++shape) {
            QWidget* sheet = sheetFor(shape, live);
            sheet->show();
            QApplication::processEvents();
            const QString name = QString("gallery-%1shape%2-%3.png").arg(live ? "live-" : "").arg(shape).arg(kShapes[shape]);
            const QString file = QDir(outDir).filePath(name);
            if (!sheet->grab().save(file)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                return 1;
            }
            std::printf("%s\n", qPrintable(file));
            if (show && live != showLive) sheet->hide();
            sheets << sheet;
        }
    if (show) return app.exec();
    qDeleteAll(sheets);
    return 0;
}
