#include "session/archivos.h"

#include "model/fijo.h"
#include "toolkit/texto.h"

#include <QDir>
#include <QFileInfo>

ArchivosSesion listar_archivos_sesion(const QString& carpeta) {
    ArchivosSesion r;
    const QFileInfoList lista = QDir(carpeta).entryInfoList(
        {QStringLiteral("*.log")}, QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    for (const QFileInfo& f : lista) {
        r.nombres << f.fileName();
        r.bytes += f.size();
        ++r.num;
    }
    return r;
}

std::uint8_t leer_traza(const QString& contenido) {
    const QString primera = contenido.section(QLatin1Char('\n'), 0, 0);
    const double x = round_even(leer_numero(primera.section(QLatin1Char(','), 0, 0)));
    if (!(x >= 0 && x <= 255)) {
        return 0;
    }
    return static_cast<std::uint8_t>(x);
}
