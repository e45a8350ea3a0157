#include "session/archivos.h"

#include "model/fijo.h"
#include "toolkit/texto.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    // CR, LF and CR LF end a line alike; blanks inside it are skipped, so a
    // line glued to the next would read as another number.
    static const QRegularExpression fin(QStringLiteral("[\r\n]"));
    const QString primera = contenido.section(fin, 0, 0);
    const double x = round_even(leer_numero(primera.section(QLatin1Char(','), 0, 0)));
    if (!(x >= 0 && x <= 255)) {
        return 0;
    }
    return static_cast<std::uint8_t>(x);
}

QByteArray texto_traza(std::uint8_t traza) {
    return QByteArray(" ") + QByteArray::number(traza) + QByteArray(" \r\n");
}

namespace {

int escribir_todo(int fd, const char* datos, qint64 n) {
    for (qint64 hecho = 0; hecho < n;) {
        const ssize_t r = ::write(fd, datos + hecho, static_cast<size_t>(n - hecho));
        if (r < 0 && errno == EINTR) {
            continue;
        }
        if (r <= 0) {
            // A regular file never takes zero bytes without a reason; name one.
            return r < 0 ? errno : ENOSPC;
        }
        hecho += r;
    }
    return 0;
}

} // namespace

int borrar_archivo(const QString& nombre) {
    if (::unlink(QFile::encodeName(nombre).constData()) == 0 || errno == ENOENT) {
        return 0;
    }
    return errno;
}

int escribir_archivo(const QString& nombre, const QByteArray& contenido, bool solo_nuevo) {
    const int modo = O_WRONLY | O_CREAT | O_CLOEXEC | (solo_nuevo ? O_EXCL : O_TRUNC);
    const int fd = ::open(QFile::encodeName(nombre).constData(), modo, 0666);
    if (fd < 0) {
        return errno;
    }
    int e = escribir_todo(fd, contenido.constData(), contenido.size());
    if (::close(fd) != 0 && e == 0) {
        e = errno;
    }
    return e;
}

QString nombre_libre(const QString& nombre) {
    const QFileInfo f(nombre);
    for (int k = 2;; ++k) {
        const QString otro = f.dir().filePath(
            QStringLiteral("%1 (%2).%3").arg(f.completeBaseName()).arg(k).arg(f.suffix()));
        if (!QFileInfo::exists(otro) && !QFileInfo(otro).isSymLink()) {
            return otro;
        }
    }
}

DocumentoAbierto::~DocumentoAbierto() {
    cerrar();
}

int DocumentoAbierto::abrir(const QString& nombre) {
    cerrar();
    nombre_ = QFileInfo(nombre).absoluteFilePath();
    const QByteArray ruta = QFile::encodeName(nombre_);
    // Readable too, so that what it holds can be saved elsewhere if its name goes.
    fd_ = ::open(ruta.constData(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd_ < 0 && errno == EACCES) {
        fd_ = ::open(ruta.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    }
    return fd_ < 0 ? errno : 0;
}

void DocumentoAbierto::cerrar() {
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}

DocumentoAbierto::Escritura DocumentoAbierto::agregar(const QByteArray& bytes) {
    struct stat antes {};
    if (::fstat(fd_, &antes) != 0) {
        return {errno, false};
    }
    const int e = escribir_todo(fd_, bytes.constData(), bytes.size());
    if (e == 0) {
        return {};
    }
    struct stat despues {};
    const bool parte = ::fstat(fd_, &despues) == 0 && despues.st_size > antes.st_size;
    return {e, parte && ::ftruncate(fd_, antes.st_size) != 0};
}

DocumentoAbierto::Lugar DocumentoAbierto::lugar() const {
    struct stat abierto {};
    struct stat nombrado {};
    if (::fstat(fd_, &abierto) != 0) {
        return Lugar::en_su_lugar; // nothing to compare with: not a reason to stop
    }
    if (::stat(QFile::encodeName(nombre_).constData(), &nombrado) != 0) {
        // Only a missing name means the file went; another failure says nothing of it.
        return errno == ENOENT || errno == ENOTDIR ? Lugar::borrado : Lugar::en_su_lugar;
    }
    if (nombrado.st_dev != abierto.st_dev || nombrado.st_ino != abierto.st_ino) {
        return Lugar::reemplazado;
    }
    return Lugar::en_su_lugar;
}

QByteArray DocumentoAbierto::contenido() const {
    QByteArray r;
    char bloque[65536];
    for (off_t desde = 0;;) {
        const ssize_t n = ::pread(fd_, bloque, sizeof bloque, desde);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return r;
        }
        r.append(bloque, n);
        desde += n;
    }
}
