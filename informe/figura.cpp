#include "informe/figura.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cmath>

namespace {

constexpr double mm_por_punto = 25.4 / 72;
// Vector drawings: the curves reduced to columns of about 600 dpi, the
// coordinates in tenths of a millimetre (SVG) or 1200 dpi (PDF).
constexpr double columnas_vector = 600 / 25.4;
constexpr double svg_por_mm = 10;
constexpr int pdf_ppp = 1200;

// The figure's face, `pixeles` high.
QFont letra(int pixeles) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(1, pixeles));
    return f;
}

// `trazos` in millimetres; Qt counts dashes in pen widths.
QPen pluma(const QColor& color, double ancho, const std::vector<double>& trazos, double grosor) {
    QPen p(color, ancho, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
    if (!trazos.empty() && grosor > 0) {
        QList<qreal> patron;
        for (const double t : trazos) {
            patron << t / grosor;
        }
        p.setDashPattern(patron);
    }
    return p;
}

QPolygonF escalar(const QPolygonF& puntos, double k) {
    QPolygonF r;
    r.reserve(puntos.size());
    for (const QPointF& q : puntos) {
        r << q * k;
    }
    return r;
}

QRectF escalar(const QRectF& r, double k) {
    return QRectF(r.topLeft() * k, r.size() * k);
}

Composicion componer_para(const std::vector<Curva>& curvas, const Exportacion& e,
                          double columnas_por_mm) {
    // Widths measured on the face at a large size, where hinting rounds little.
    const QFontMetricsF medidas(letra(1000));
    const auto medir = [medidas](const QString& t, double puntos) {
        return medidas.horizontalAdvance(t) / 1000 * puntos * mm_por_punto;
    };
    return componer(curvas, OpcionesFigura{e.ancho_mm, columnas_por_mm, e.locale, medir, e.fondo,
                                           e.pantalla_cm});
}

} // namespace

void pintar(QPainter& p, const Composicion& c, double k) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const Primitiva& x : c.primitivas) {
        const QBrush relleno = x.relleno.isValid() ? QBrush(x.relleno) : QBrush(Qt::NoBrush);
        const QPen borde =
            x.grosor > 0 ? pluma(x.color, x.grosor * k, x.trazos, x.grosor) : QPen(Qt::NoPen);
        switch (x.tipo) {
        case Primitiva::Tipo::linea:
            p.setPen(borde);
            p.drawPolyline(escalar(x.puntos, k));
            break;
        case Primitiva::Tipo::curva: {
            // One path, so that a drawing holds each curve as one element.
            QPainterPath camino;
            const QPolygonF puntos = escalar(x.puntos, k);
            if (puntos.isEmpty()) {
                break;
            }
            camino.addPolygon(puntos);
            p.setPen(borde);
            p.setBrush(Qt::NoBrush);
            p.drawPath(camino);
            break;
        }
        case Primitiva::Tipo::poligono:
            p.setPen(borde);
            p.setBrush(relleno);
            p.drawPolygon(escalar(x.puntos, k));
            break;
        case Primitiva::Tipo::rectangulo:
            p.setPen(borde);
            p.setBrush(relleno);
            p.drawRect(escalar(x.caja, k));
            break;
        case Primitiva::Tipo::texto: {
            p.setFont(letra(static_cast<int>(std::lround(x.letra * mm_por_punto * k))));
            p.setPen(x.color);
            const QRectF caja = escalar(x.caja, k);
            const int banderas = x.alineacion | Qt::TextDontClip;
            if (x.vertical) {
                p.save();
                p.translate(caja.center());
                p.rotate(-90);
                p.drawText(
                    QRectF(-caja.height() / 2, -caja.width() / 2, caja.height(), caja.width()),
                    banderas, x.texto);
                p.restore();
            } else {
                p.drawText(caja, banderas, x.texto);
            }
            break;
        }
        }
    }
}

std::optional<Formato> formato_de(const QString& ruta) {
    const QString ext = QFileInfo(ruta).suffix().toLower();
    for (const Formato f : {Formato::svg, Formato::pdf, Formato::png}) {
        if (ext == extension(f)) {
            return f;
        }
    }
    return std::nullopt;
}

QString extension(Formato f) {
    switch (f) {
    case Formato::svg:
        return QStringLiteral("svg");
    case Formato::pdf:
        return QStringLiteral("pdf");
    case Formato::png:
        return QStringLiteral("png");
    }
    return {};
}

QImage imagen_figura(const std::vector<Curva>& curvas, const Exportacion& e) {
    const double por_mm = e.ppp / 25.4;
    const Composicion c = componer_para(curvas, e, por_mm);
    QImage img(static_cast<int>(std::lround(c.tamano.width() * por_mm)),
               static_cast<int>(std::lround(c.tamano.height() * por_mm)), QImage::Format_RGB32);
    img.fill(Qt::white);
    const int puntos_metro = static_cast<int>(std::lround(e.ppp / 0.0254));
    img.setDotsPerMeterX(puntos_metro);
    img.setDotsPerMeterY(puntos_metro);
    QPainter p(&img);
    pintar(p, c, por_mm);
    return img;
}

QByteArray bytes_figura(const std::vector<Curva>& curvas, Formato f, const Exportacion& e) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    switch (f) {
    case Formato::png:
        imagen_figura(curvas, e).save(&buffer, "PNG");
        break;
    case Formato::svg: {
        const Composicion c = componer_para(curvas, e, columnas_vector);
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setResolution(static_cast<int>(std::lround(svg_por_mm * 25.4)));
        svg.setSize((c.tamano * svg_por_mm).toSize());
        svg.setViewBox(QRectF(QPointF(0, 0), c.tamano * svg_por_mm));
        svg.setTitle(QStringLiteral("Gráfica de intensidades"));
        svg.setDescription(QStringLiteral("Ondaris"));
        QPainter p(&svg);
        pintar(p, c, svg_por_mm);
        break;
    }
    case Formato::pdf: {
        const Composicion c = componer_para(curvas, e, columnas_vector);
        QPdfWriter pdf(&buffer);
        pdf.setPageSize(
            QPageSize(c.tamano, QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setResolution(pdf_ppp);
        pdf.setTitle(QStringLiteral("Gráfica de intensidades"));
        pdf.setCreator(QStringLiteral("Ondaris"));
        QPainter p(&pdf);
        pintar(p, c, pdf_ppp / 25.4);
        break;
    }
    }
    return bytes;
}
