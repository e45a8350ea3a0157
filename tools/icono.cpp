#include "tools/icono.h"

#include "model/intens.h"
#include "windows/dibujos_comun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>

namespace {

const Fijo luz_L = Fijo::desde(0.53);
const Fijo red_N = 3, red_a = 1, red_d = 3;
// The screen from sine -0.5 to 0.5: the central maximum, two orders on each
// side and the small maxima between them.
constexpr double seno_borde = 0.5;
constexpr int muestras = 121;
const QRectF zona_curva(78, 44, 150, 168);

QString numero(double x) {
    return QString::number(x, 'f', 1);
}

QString color_svg(const QColor& c) {
    return c.name(QColor::HexRgb);
}

} // namespace

Icono icono() {
    Icono i;
    i.fondo = QRectF(8, 8, 240, 240);
    i.radio = 44;
    i.color_fondo = QColor(0x1d, 0x24, 0x40);
    i.color_barras = QColor(0xc8, 0xcc, 0xd8);
    // Three slits of 12 units, 30 apart, centred on the tile.
    const double x = 38, ancho = 18;
    i.barras = {QRectF(x, 40, ancho, 47), QRectF(x, 99, ancho, 18), QRectF(x, 129, ancho, 18),
                QRectF(x, 159, ancho, 57)};
    const Red red(luz_L, red_a, red_d, red_N);
    const double maximo = red_N.a_double() * red_N.a_double();
    for (int k = 0; k < muestras; ++k) {
        const double f = static_cast<double>(k) / (muestras - 1);
        const double seno = -seno_borde + 2 * seno_borde * f;
        i.curva << QPointF(zona_curva.left() + f * zona_curva.width(),
                           zona_curva.bottom() - zona_curva.height() * red(seno) / maximo);
    }
    i.color_curva = dibujo::color_luz(luz_L, 1);
    i.grosor = 9;
    return i;
}

QImage imagen_icono(const Icono& i, int lado) {
    QImage imagen(lado, lado, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    QPainter p(&imagen);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(double(lado) / lado_icono, double(lado) / lado_icono);
    p.setPen(Qt::NoPen);
    p.setBrush(i.color_fondo);
    p.drawRoundedRect(i.fondo, i.radio, i.radio);
    p.setBrush(i.color_barras);
    for (const QRectF& b : i.barras) {
        p.drawRect(b);
    }
    p.setPen(QPen(i.color_curva, i.grosor, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(i.curva);
    return imagen;
}

QString svg_icono(const Icono& i) {
    QString s = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" "
                               "height=\"%1\" viewBox=\"0 0 %1 %1\">\n")
                    .arg(lado_icono);
    s += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" rx=\"%5\" "
                        "fill=\"%6\"/>\n")
             .arg(numero(i.fondo.x()), numero(i.fondo.y()), numero(i.fondo.width()),
                  numero(i.fondo.height()), numero(i.radio), color_svg(i.color_fondo));
    for (const QRectF& b : i.barras) {
        s += QStringLiteral("  <rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"%4\" fill=\"%5\"/>\n")
                 .arg(numero(b.x()), numero(b.y()), numero(b.width()), numero(b.height()),
                      color_svg(i.color_barras));
    }
    QStringList puntos;
    for (const QPointF& q : i.curva) {
        puntos << numero(q.x()) + QLatin1Char(',') + numero(q.y());
    }
    s += QStringLiteral("  <polyline points=\"%1\" fill=\"none\" stroke=\"%2\" "
                        "stroke-width=\"%3\" stroke-linecap=\"round\" "
                        "stroke-linejoin=\"round\"/>\n")
             .arg(puntos.join(QLatin1Char(' ')), color_svg(i.color_curva), numero(i.grosor));
    return s + QStringLiteral("</svg>\n");
}

QStringList guardar_icono(const QString& hicolor, const QString& nombre, const QList<int>& lados) {
    const Icono i = icono();
    QStringList fallidos;
    const QString svg = QStringLiteral("%1/scalable/apps/%2.svg").arg(hicolor, nombre);
    QFile archivo(svg);
    if (!QDir().mkpath(QFileInfo(svg).path()) || !archivo.open(QIODevice::WriteOnly) ||
        archivo.write(svg_icono(i).toUtf8()) < 0) {
        fallidos << svg;
    }
    for (int lado : lados) {
        const QString png =
            QStringLiteral("%1/%2x%2/apps/%3.png").arg(hicolor).arg(lado).arg(nombre);
        if (!QDir().mkpath(QFileInfo(png).path()) || !imagen_icono(i, lado).save(png)) {
            fallidos << png;
        }
    }
    return fallidos;
}
