#include "main/arranque.h"
#include "main/ventana_principal.h"
#include "toolkit/datos.h"
#include "toolkit/traducciones.h"
#include "windows/presentacion.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QIcon>
#include <QStandardPaths>
#include <QTextStream>

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
    const QString programa = QCoreApplication::applicationDirPath();
    // A lesson named as the user's shell sees it, before the working folder changes.
    QString leccion;
    for (const QString& a : QCoreApplication::arguments().mid(1)) {
        if (!a.startsWith(QLatin1Char('-')) && leccion.isEmpty()) {
            leccion = QFileInfo(a).absoluteFilePath();
        }
    }
    QApplication::setWindowIcon(icono_programa(programa));
    // What the user must know of it is told by the documentation at start-up.
    const QString problema = preparar_carpetas(
        elegir_carpetas(programa, carpeta_instalada(programa),
                        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)));
    if (!problema.isEmpty() && carpeta_impedida().isEmpty()) {
        std::fprintf(stderr, "ondaris: %s\n", qPrintable(problema));
    }
    if (QFontDatabase::families().contains(QStringLiteral("Liberation Sans"))) {
        QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 9));
    }

    if (QCoreApplication::arguments().contains(QStringLiteral("--comprobar"))) {
        QTextStream salida(stdout);
        return comprobar_arranque(salida);
    }

    Presentacion presentacion;
    const std::unique_ptr<VentanaPrincipal> principal = arrancar(presentacion);
    if (!leccion.isEmpty()) {
        principal->abrir_leccion(leccion);
    }
    return app.exec();
}
