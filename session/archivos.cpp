#include "session/archivos.h"

#include "model/fijo.h"
#include "toolkit/lectura.h"
#include "toolkit/texto.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>
#include <vector>

namespace {

// How many bytes from `i` make one UTF-8 character; 0 when they make none.
int largo_utf8(const QByteArray& b, qsizetype i) {
    const auto u = [&](qsizetype k) { return static_cast<unsigned char>(b[k]); };
    const unsigned char c = u(i);
    int n = 0;
    char32_t minimo = 0;
    if (c < 0x80) {
        return 1;
    } else if ((c & 0xE0) == 0xC0) {
        n = 2;
        minimo = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        n = 3;
        minimo = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        n = 4;
        minimo = 0x10000;
    } else {
        return 0;
    }
    if (i + n > b.size()) {
        return 0;
    }
    char32_t x = c & (0x7F >> n);
    for (int k = 1; k < n; ++k) {
        if ((u(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        x = (x << 6) | (u(i + k) & 0x3F);
    }
    const bool sustituto = x >= 0xD800 && x <= 0xDFFF;
    return x < minimo || x > 0x10FFFF || sustituto ? 0 : n;
}

} // namespace

QString nombre_legible(const QByteArray& nombre) {
    QString r;
    for (qsizetype i = 0; i < nombre.size();) {
        const int n = largo_utf8(nombre, i);
        if (n == 0) {
            r += QStringLiteral("\\x") + QString::number(static_cast<unsigned char>(nombre[i]), 16)
                                             .toUpper()
                                             .rightJustified(2, QLatin1Char('0'));
            ++i;
            continue;
        }
        r += a_la_vista(QString::fromUtf8(nombre.mid(i, n)));
        i += n;
    }
    return r;
}

ArchivosSesion listar_archivos_sesion(const QString& carpeta) {
    // Read as bytes: Qt's listing decodes names, and one that is no UTF-8
    // cannot be found again by the name it gives.
    ArchivosSesion r;
    DIR* d = ::opendir(QFile::encodeName(carpeta.isEmpty() ? QStringLiteral(".") : carpeta));
    if (d == nullptr) {
        return r;
    }
    const QByteArray raiz = QFile::encodeName(carpeta) + '/';
    std::vector<std::pair<QByteArray, std::int64_t>> hallados;
    while (const dirent* e = ::readdir(d)) {
        const QByteArray nombre(e->d_name);
        if (!nombre.endsWith(".log")) {
            continue;
        }
        struct stat s {};
        // A link counts as what it leads to, a broken one as nothing; no folder counts.
        const bool visto = ::stat((raiz + nombre).constData(), &s) == 0;
        if (visto && S_ISDIR(s.st_mode)) {
            continue;
        }
        hallados.emplace_back(nombre, visto && S_ISREG(s.st_mode) ? s.st_size : 0);
    }
    ::closedir(d);
    std::sort(hallados.begin(), hallados.end(), [](const auto& x, const auto& y) {
        const int c = nombre_legible(x.first).compare(nombre_legible(y.first));
        return c != 0 ? c < 0 : x.first < y.first;
    });
    for (const auto& [nombre, tamano] : hallados) {
        r.nombres << nombre;
        r.tamanos << tamano;
        r.bytes += tamano;
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

int borrar_archivo(const QByteArray& nombre) {
    if (::unlink(nombre.constData()) == 0 || errno == ENOENT) {
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

namespace {

// `nombre` opened for appending without following a link (nor waiting on a
// pipe); readable too, so that what it holds can be saved elsewhere if its name goes.
int abrir_para_agregar(const QString& nombre, int extra) {
    const QByteArray ruta = QFile::encodeName(nombre);
    const int modo = O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | extra;
    int fd = ::open(ruta.constData(), O_RDWR | modo, 0666);
    if (fd < 0 && errno == EACCES) {
        fd = ::open(ruta.constData(), O_WRONLY | modo, 0666);
    }
    return fd;
}

// A regular file that no other name shares: one hard-linked elsewhere is not
// this folder's own.
bool es_propio(int fd) {
    struct stat s {};
    return ::fstat(fd, &s) == 0 && S_ISREG(s.st_mode) && s.st_nlink == 1;
}

} // namespace

int DocumentoAbierto::abrir(const QString& nombre) {
    cerrar();
    nombre_ = QFileInfo(nombre).absoluteFilePath();
    fd_ = abrir_para_agregar(nombre_, 0);
    if (fd_ < 0 && errno != ELOOP) {
        return errno;
    }
    if (fd_ >= 0 && es_propio(fd_)) {
        return 0;
    }
    cerrar();
    // A name of its own, made here and now, so nothing can slip in between.
    for (;;) {
        nombre_ = nombre_libre(nombre_);
        fd_ = abrir_para_agregar(nombre_, O_EXCL);
        if (fd_ >= 0 || errno != EEXIST) {
            return fd_ < 0 ? errno : 0;
        }
    }
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
