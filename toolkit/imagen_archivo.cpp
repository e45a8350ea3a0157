#include "toolkit/imagen_archivo.h"

#include "toolkit/lectura.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <cstdlib>

namespace {

// Whether a BMP file of `tamano` bytes that begins with `c` lacks pixels its
// header announces; false when it is no BMP or its header does not tell (its
// reader alone judges it then).
bool bmp_incompleto(const QByteArray& c, qint64 tamano) {
    if (c.size() < 26 || !c.startsWith("BM")) {
        return false;
    }
    const auto u16 = [&](int i) { return qint64{qFromLittleEndian<quint16>(c.constData() + i)}; };
    const auto u32 = [&](int i) { return qint64{qFromLittleEndian<quint32>(c.constData() + i)}; };
    const qint64 datos = u32(10);
    qint64 ancho = 0, alto = 0, bits = 0, compresion = 0, declarado = 0;
    if (u32(14) == 12) { // the old OS/2 header
        ancho = u16(18);
        alto = u16(20);
        bits = u16(24);
    } else if (c.size() >= 38) {
        ancho = std::abs(qint64{qFromLittleEndian<qint32>(c.constData() + 18)});
        alto = std::abs(qint64{qFromLittleEndian<qint32>(c.constData() + 22)});
        bits = u16(28);
        compresion = u32(30);
        declarado = u32(34);
    } else {
        return false;
    }
    const qint64 pixeles = tamano - datos;
    constexpr qint64 rgb = 0, campos_de_bits = 3, campos_alfa = 6;
    if (compresion == rgb || compresion == campos_de_bits || compresion == campos_alfa) {
        const qint64 fila = (ancho * bits + 31) / 32 * 4; // rows padded to four bytes
        return pixeles < 0 || (fila > 0 && alto > pixeles / fila);
    }
    return pixeles < declarado; // run-length coded: the size it declares
}

} // namespace

QImage leer_imagen(const QString& archivo, QString* por_que) {
    const auto falla = [&](const QString& causa) {
        if (por_que != nullptr) {
            *por_que = causa;
        }
        return QImage();
    };
    Lectura l = leer_archivo(archivo, tope_imagen);
    if (!l.error.isEmpty()) {
        return falla(l.existe ? l.error : QString());
    }
    QBuffer b(&l.bytes);
    b.open(QIODevice::ReadOnly);
    QImageReader lector(&b);
    const QImage imagen = lector.read();
    if (imagen.isNull() || bmp_incompleto(l.bytes.left(64), l.bytes.size())) {
        return falla(QString());
    }
    return imagen;
}
