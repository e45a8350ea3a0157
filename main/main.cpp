#include "main/arranque.h"
#include "main/ventana_principal.h"
#include "toolkit/traducciones.h"
#include "windows/presentacion.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QFontDatabase>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

bool hay_pantalla() {
    const auto vacia = [](const char* v) { return !v || !*v; };
    return !vacia(std::getenv("QT_QPA_PLATFORM")) || !vacia(std::getenv("DISPLAY")) ||
           !vacia(std::getenv("WAYLAND_DISPLAY"));
}

} // namespace

int main(int argc, char** argv) {
    if (!hay_pantalla()) {
        std::fprintf(stderr, "ondaris: no display available (DISPLAY is not set); run it under "
                             "a virtual display with: xvfb-run -a ./run\n");
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ondaris"));
    cargar_traducciones_qt();
    // Data files, "trazo.txt" and the session files live beside the program.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    if (QFontDatabase::families().contains(QStringLiteral("Liberation Sans"))) {
        QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    }

    Presentacion presentacion;
    const std::unique_ptr<VentanaPrincipal> principal = arrancar(presentacion);
    return app.exec();
}
