// corvanth-mkdemo FOLDER: lays out the demo materials tree "素材" in FOLDER.
#include "demotree/demotree.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
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
