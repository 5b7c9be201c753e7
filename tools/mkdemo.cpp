// corvanth-mkdemo FOLDER: lays out the demo materials tree "素材" in FOLDER.
#include "demotree/demotree.h"

#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    // Pictures are drawn with fonts, which need a GUI application; no window
    // is ever shown, so no display is needed either.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: corvanth-mkdemo PROGRAM_FOLDER\n");
        return 2;
    }
    QString error;
    if (!demotree::build(QString::fromLocal8Bit(argv[1]), &error)) {
        std::fprintf(stderr, "corvanth-mkdemo: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
