#include "toolkit/datos.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString& carpeta() {
    static QString c;
    return c;
}

QString& impedida() {
    static QString c;
    return c;
}

} // namespace

void fijar_carpeta_impedida(const QString& aviso) {
    impedida() = aviso;
}

QString carpeta_impedida() {
    return impedida();
}

void fijar_carpeta_datos(const QString& c) {
    carpeta() = c;
}

QString carpeta_datos() {
    return carpeta();
}

QString ruta_de_datos(const QString& nombre) {
    if (QFileInfo::exists(nombre) || carpeta().isEmpty()) {
        return nombre;
    }
    const QString instalado = QDir(carpeta()).filePath(nombre);
    return QFileInfo::exists(instalado) ? instalado : nombre;
}
