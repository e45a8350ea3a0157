#include "toolkit/lectura.h"

#include "toolkit/razones.h"

#include <QFile>
#include <QLocale>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

} // namespace

Lectura leer_archivo(const QString& ruta, qint64 tope, Exceso exceso) {
    return leer_archivo(QFile::encodeName(ruta), tope, exceso);
}

Lectura leer_archivo(const QByteArray& ruta, qint64 tope, Exceso exceso) {
    Lectura r;
    // Non-blocking: opening a pipe with no writer would wait for one.
    const Descriptor d(::open(ruta.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (d.fd() < 0) {
        r.existe = errno != ENOENT;
        r.error = razon(errno, Operacion::leer);
        return r;
    }
    struct stat s {};
    if (::fstat(d.fd(), &s) != 0) {
        r.error = razon(errno, Operacion::leer);
        return r;
    }
    if (S_ISDIR(s.st_mode)) {
        r.error = QStringLiteral("es una carpeta");
        return r;
    }
    if (!S_ISREG(s.st_mode)) {
        r.error = QStringLiteral("no es un archivo común");
        return r;
    }
    if (s.st_size > tope && exceso == Exceso::rechazar) {
        r.error = QStringLiteral("es demasiado grande (%1)").arg(tamano_legible(s.st_size));
        return r;
    }
    // One byte past the limit tells a file that grew since it was measured.
    const qint64 querido = std::min<qint64>(s.st_size, tope) + 1;
    r.bytes.resize(querido);
    qint64 leidos = 0;
    while (leidos < querido) {
        const ssize_t n =
            ::read(d.fd(), r.bytes.data() + leidos, static_cast<size_t>(querido - leidos));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            r.bytes.clear();
            r.error = razon(errno, Operacion::leer);
            return r;
        }
        if (n == 0) {
            break;
        }
        leidos += n;
    }
    if (leidos > tope) {
        if (exceso == Exceso::rechazar) {
            r.bytes.clear();
            r.error = QStringLiteral("es demasiado grande (%1)").arg(tamano_legible(leidos));
            return r;
        }
        r.cortado = true;
        leidos = tope;
    }
    r.cortado = r.cortado || s.st_size > tope;
    r.bytes.resize(leidos);
    return r;
}

QString tamano_legible(qint64 bytes) {
    // Thousands, as file managers count.
    if (bytes < 1000) {
        return QStringLiteral("%1 bytes").arg(bytes);
    }
    const char* const unidades[] = {"KB", "MB", "GB", "TB"};
    double x = static_cast<double>(bytes) / 1000;
    int u = 0;
    while (x >= 999.5 && u < 3) {
        x /= 1000;
        ++u;
    }
    // One decimal below ten, where it still says something.
    const QString numero =
        x < 10 ? QLocale().toString(x, 'f', 1).remove(QLocale().decimalPoint() + QLatin1Char('0'))
               : QLocale().toString(std::round(x), 'f', 0);
    return numero + QLatin1Char(' ') + QLatin1String(unidades[u]);
}

namespace {

bool es_utf16_sin_marca(const QByteArray& b) {
    // ASCII text in UTF-16 has a zero in every other byte.
    if (b.size() < 4) {
        return false;
    }
    qsizetype ceros[2] = {0, 0};
    for (qsizetype i = 0; i < b.size(); ++i) {
        ceros[i % 2] += b[i] == '\0' ? 1 : 0;
    }
    const qsizetype mitad = b.size() / 2;
    return (ceros[0] * 4 >= mitad * 3 && ceros[1] == 0) ||
           (ceros[1] * 4 >= mitad * 3 && ceros[0] == 0);
}

} // namespace

QString texto_de(const QByteArray& bytes, QString* por_que) {
    const auto no_es = [&](const char* causa) {
        if (por_que) {
            *por_que = QString::fromUtf8(causa);
        }
        return QString();
    };
    if (bytes.startsWith(QByteArray("\xFF\xFE\0\0", 4)) ||
        bytes.startsWith(QByteArray("\0\0\xFE\xFF", 4))) {
        return no_es("está en UTF-32");
    }
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF") || es_utf16_sin_marca(bytes)) {
        return no_es("está en UTF-16");
    }
    QStringDecoder decodificador(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString texto = decodificador(bytes);
    if (decodificador.hasError()) {
        return no_es("tiene datos binarios");
    }
    // Binary data that happens to decode: many controls. A stray one is
    // still text, and is shown where a message quotes it.
    qsizetype controles = 0;
    for (QChar c : texto) {
        const bool blanco =
            c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t');
        controles += c.category() == QChar::Other_Control && !blanco ? 1 : 0;
    }
    if (controles > 2 && controles * 4 > texto.size()) {
        return no_es("tiene datos binarios");
    }
    if (texto.startsWith(QChar(0xFEFF))) {
        texto.remove(0, 1);
    }
    if (texto.isNull()) {
        texto = QLatin1String("");
    }
    return texto;
}

namespace {

bool invisible(char32_t c) {
    if (c == U' ') {
        return false;
    }
    switch (QChar::category(c)) {
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned:
    case QChar::Separator_Space:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
        return true;
    default:
        return c == 0xFFFD; // what a byte of no text becomes
    }
}

QString codigo(char32_t c) {
    return QStringLiteral("U+") +
           QString::number(static_cast<uint>(c), 16).toUpper().rightJustified(4, QLatin1Char('0'));
}

QString nombre_comun(char32_t c) {
    switch (c) {
    case 0x09:
        return QStringLiteral("tabulador");
    case 0x0B:
        return QStringLiteral("tabulador vertical");
    case 0x0C:
        return QStringLiteral("salto de página");
    case 0xA0:
    case 0x202F:
        return QStringLiteral("espacio irrompible");
    case 0xAD:
        return QStringLiteral("guion suave");
    case 0x200B:
        return QStringLiteral("espacio de ancho cero");
    case 0x200E:
    case 0x200F:
        return QStringLiteral("marca de dirección del texto");
    case 0xFEFF:
        return QStringLiteral("marca de orden de bytes");
    case 0xFFFD:
        return QStringLiteral("carácter de reemplazo");
    default:
        return QChar::category(c) == QChar::Separator_Space ? QStringLiteral("un espacio especial")
                                                            : QString();
    }
}

} // namespace

QString a_la_vista(const QString& dato) {
    QString r;
    for (char32_t c : dato.toUcs4()) {
        if (!invisible(c)) {
            r += QString::fromUcs4(&c, 1);
        } else if (c == 0 || c == 0x09 || c == 0x7F) {
            // Their pictures ("␀") are in none of the fonts the program counts on.
            r += c == 0      ? QStringLiteral("<NUL>")
                 : c == 0x09 ? QStringLiteral("<TAB>")
                             : QStringLiteral("<DEL>");
        } else {
            r += QLatin1Char('<') + codigo(c) + QLatin1Char('>');
        }
    }
    return r;
}

QString caracter_invisible(const QString& dato) {
    for (char32_t c : dato.toUcs4()) {
        if (!invisible(c)) {
            continue;
        }
        if (c == 0) {
            return QStringLiteral("el carácter nulo (U+0000)");
        }
        const QString nombre = nombre_comun(c);
        return QStringLiteral("el carácter %1").arg(codigo(c)) +
               (nombre.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(nombre));
    }
    return QString();
}
