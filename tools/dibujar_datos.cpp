// Draws the pictures the program shows from files ("espectro.bmp", "lab.bmp",
// "pantalla.bmp" and the magnifiers of the zoom window) into the folder given,
// with the program's own painters, model and colour rule.
#include "windows/dibujos.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: dibujar_datos <folder>\n");
        return 2;
    }
    const QString carpeta = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(carpeta)) {
        std::fprintf(stderr, "dibujar_datos: cannot create %s\n", argv[1]);
        return 1;
    }
    const QStringList fallidos = guardar_dibujos(carpeta);
    for (const QString& f : fallidos) {
        std::fprintf(stderr, "dibujar_datos: cannot write %s\n", qPrintable(f));
    }
    return fallidos.isEmpty() ? 0 : 1;
}
