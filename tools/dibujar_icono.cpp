// Draws the program's icon, as SVG and as pictures of every size a desktop
// asks for, into a hicolor icon theme folder.
#include "tools/icono.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QList<int> lados;
    for (int k = 3; k < argc; ++k) {
        lados << std::atoi(argv[k]);
    }
    if (argc < 4 || lados.contains(0)) {
        std::fprintf(stderr, "usage: dibujar_icono <hicolor folder> <name> <size>...\n");
        return 2;
    }
    const QStringList fallidos =
        guardar_icono(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), lados);
    for (const QString& f : fallidos) {
        std::fprintf(stderr, "dibujar_icono: cannot write %s\n", qPrintable(f));
    }
    return fallidos.isEmpty() ? 0 : 1;
}
