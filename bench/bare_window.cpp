// A bare Qt Widgets window, the yardstick of the start-up benchmark.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle("bare");
    w.resize(831, 614);
    w.show();
    // Report "shown" once the first paint has been processed, like the platform does.
    QTimer::singleShot(0, [] {
        std::printf("SHOWN\n");
        std::fflush(stdout);
        if (qEnvironmentVariableIsSet("CORVANTH_EXIT_WHEN_SHOWN")) QCoreApplication::quit();
    });
    return app.exec();
}
