// Writes the program's icon as a PNG for installation: make_icon OUT.png SIZE
#include "widgets/pictures.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icon OUT.png SIZE\n");
        return 2;
    }
    const int size = QString::fromLocal8Bit(argv[2]).toInt();
    return Pictures::appIcon(size).save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
