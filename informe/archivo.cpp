#include "informe/archivo.h"

#include "toolkit/razones.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

std::optional<QString> escribir_archivo(const QString& ruta, const QByteArray& bytes) {
    const QFileInfo info(ruta);
    if (info.isDir()) {
        return razon(EISDIR, Operacion::crear);
    }
    if (!info.dir().exists()) {
        return razon(ENOENT, Operacion::crear);
    }
    QSaveFile archivo(ruta);
    errno = 0;
    if (!archivo.open(QIODevice::WriteOnly)) {
        return razon(errno, Operacion::crear, archivo.error(), archivo.errorString());
    }
    errno = 0;
    // Flushed first: commit() takes no notice of a write that fails as it
    // flushes (a full disk), and would put an empty file in the old one's place.
    if (archivo.write(bytes) != bytes.size() || !archivo.flush()) {
        // The temporary file goes with it.
        return razon(errno, Operacion::escribir, archivo.error(), archivo.errorString());
    }
    errno = 0;
    if (!archivo.commit()) {
        return razon(errno, Operacion::escribir, archivo.error(), archivo.errorString());
    }
    return std::nullopt;
}

QString mensaje_de_fallo(const QString& ruta, const QString& razon) {
    return QStringLiteral("No se pudo guardar \"%1\": %2.")
        .arg(QDir::toNativeSeparators(QFileInfo(ruta).absoluteFilePath()), razon);
}
