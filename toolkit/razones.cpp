#include "toolkit/razones.h"

#include <cerrno>
#include <cstring>

namespace {

QString sin_permiso(Operacion op) {
    return op == Operacion::leer ? QStringLiteral("sin permiso de lectura")
                                 : QStringLiteral("sin permiso de escritura");
}

QString por_numero(int numero, Operacion op) {
    switch (numero) {
    case EACCES:
    case EPERM:
        return sin_permiso(op);
    case EROFS:
        return QStringLiteral("disco de solo lectura");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("disco lleno");
    case EFBIG:
        return QStringLiteral("el archivo llegó al tamaño máximo permitido");
    case ENOENT:
    case ENOTDIR:
        // Creating a file fails this way only when its folder is missing.
        return op == Operacion::crear ? QStringLiteral("la carpeta no existe")
                                      : QStringLiteral("no existe");
    case EISDIR:
        return QStringLiteral("hay una carpeta con ese nombre");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("el archivo está en uso");
    case ENAMETOOLONG:
        return QStringLiteral("el nombre es demasiado largo");
    case EIO:
        return QStringLiteral("el disco no respondió");
    default:
        return QString();
    }
}

QString por_error(QFileDevice::FileError error, Operacion op) {
    switch (error) {
    case QFileDevice::PermissionsError:
        return sin_permiso(op);
    case QFileDevice::RenameError:
        return QStringLiteral("no se pudo reemplazar el archivo que tenía ese nombre");
    case QFileDevice::ResourceError:
        // Qt reports a full disk as a lack of resources when writing.
        return op == Operacion::leer ? QString() : QStringLiteral("disco lleno");
    default:
        return QString();
    }
}

} // namespace

QString razon(int numero, Operacion op, QFileDevice::FileError error,
              const QString& texto_sistema) {
    QString r = por_numero(numero, op);
    if (r.isEmpty()) {
        r = por_error(error, op);
    }
    if (r.isEmpty()) {
        r = texto_sistema;
    }
    if (r.isEmpty() && numero != 0) {
        r = QString::fromLocal8Bit(std::strerror(numero));
    }
    // Qt's default text says nothing, and in English.
    if (r.isEmpty() || r == QLatin1String("Unknown error")) {
        r = QStringLiteral("causa desconocida");
    }
    return r;
}
