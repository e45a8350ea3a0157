#include "informe/archivo.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

std::optional<QString> escribir_archivo(const QString& ruta, const QByteArray& bytes) {
    const QFileInfo info(ruta);
    if (info.isDir()) {
        return QStringLiteral("ya hay una carpeta con ese nombre");
    }
    if (!info.dir().exists()) {
        return QStringLiteral("la carpeta no existe");
    }
    QSaveFile archivo(ruta);
    errno = 0;
    if (!archivo.open(QIODevice::WriteOnly)) {
        return razon_de_fallo(archivo.error(), errno);
    }
    errno = 0;
    if (archivo.write(bytes) != bytes.size()) {
        return razon_de_fallo(archivo.error(), errno); // the temporary file goes with it
    }
    errno = 0;
    if (!archivo.commit()) {
        return razon_de_fallo(archivo.error(), errno);
    }
    return std::nullopt;
}

QString razon_de_fallo(QFileDevice::FileError error, int numero) {
    switch (numero) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("no queda espacio en el disco");
    case EFBIG:
        return QStringLiteral("el archivo sería más grande de lo que el sistema permite");
    case EACCES:
    case EPERM:
        return QStringLiteral("no hay permiso para escribir en esa carpeta");
    case EROFS:
        return QStringLiteral("el disco es de solo lectura");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("la carpeta no existe");
    case ENAMETOOLONG:
        return QStringLiteral("el nombre es demasiado largo");
    case EIO:
        return QStringLiteral("el disco no respondió (error de lectura o escritura)");
    default:
        break;
    }
    switch (error) {
    case QFileDevice::OpenError:
    case QFileDevice::PermissionsError:
        return QStringLiteral("no se puede crear un archivo en esa carpeta");
    case QFileDevice::RenameError:
        return QStringLiteral("no se pudo reemplazar el archivo que tenía ese nombre");
    default:
        return QStringLiteral("la escritura no se completó");
    }
}

QString mensaje_de_fallo(const QString& ruta, const QString& razon) {
    return QStringLiteral("No se pudo guardar \"%1\": %2.")
        .arg(QDir::toNativeSeparators(QFileInfo(ruta).absoluteFilePath()), razon);
}
