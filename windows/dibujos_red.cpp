// The grating and its screen, from the side: the geometry of the path
// difference and the pattern it makes on the screen.
#include "windows/dibujos.h"

#include "model/intens.h"
#include "model/parametros.h"
#include "windows/dibujos_comun.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

using namespace dibujo;

const QColor papel(246, 244, 238);
const QColor tinta(31, 36, 48);
const QColor acento(200, 40, 30);

// Light and grating of the side view: orders 0, ±1 and ±2 reach the screen.
const Fijo luz_L = Fijo::desde(0.55);
const Fijo red_N = 5, red_a = Fijo::desde(0.8), red_d = 3;
constexpr double x_red = 470, x_pantalla = 1130, y_eje = 500;
constexpr double D = x_pantalla - x_red;
constexpr double pantalla_arriba = 120, pantalla_abajo = 868;

QString con_menos(QString s) {
    return s.replace(QLatin1Char('-'), QChar(0x2212));
}

void luz_incidente(QPainter& p, QColor luz) {
    p.setPen(QPen(luz, 3));
    for (double x = 130; x <= 420; x += 48) {
        p.drawLine(QPointF(x, 360), QPointF(x, 640));
    }
    p.setPen(QPen(tinta, 2));
    p.setBrush(tinta);
    for (double y : {420.0, 500.0, 580.0}) {
        flecha(p, {105, y}, {452, y}, 16);
    }
    p.setFont(letra(27, true));
    texto(p, {275, 312}, QStringLiteral("Luz incidente"), Qt::AlignHCenter | Qt::AlignBottom);
    p.setFont(letra(22));
    texto(p, {275, 344}, QStringLiteral("longitud de onda L"), Qt::AlignHCenter | Qt::AlignBottom);
}

void red_de_costado(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(tinta);
    p.drawRect(QRectF(x_red - 6, 330, 12, 340));
    p.setBrush(papel);
    for (int k = 0; k < red_N.a_double(); ++k) {
        p.drawRect(QRectF(x_red - 7, y_eje + (k - 2) * 60 - 7, 14, 14));
    }
    p.setPen(tinta);
    p.setFont(letra(27, true));
    texto(p, {x_red, 290}, QStringLiteral("Red"), Qt::AlignHCenter | Qt::AlignBottom);
    p.setFont(letra(22));
    texto(p, {x_red, 322}, QStringLiteral("N ranuras"), Qt::AlignHCenter | Qt::AlignBottom);
}

// Two neighbouring slits, enlarged: width a, distance d, and the extra path
// d · sen θ of the lower slit's ray towards the same far point.
void ampliacion(QPainter& p) {
    const QPointF c(270, 785);
    const double r = 125;
    p.setPen(QPen(tinta, 1.2, Qt::DotLine));
    p.drawLine(QPointF(x_red - 8, 622), c + QPointF(r * 0.55, -r * 0.83));
    p.save();
    QPainterPath circulo;
    circulo.addEllipse(c, r, r);
    p.setClipPath(circulo);
    p.fillRect(QRectF(c.x() - r, c.y() - r, 2 * r, 2 * r), Qt::white);
    const double x = c.x() - 45, a = 26, d = 70;
    const QPointF s1(x + 8, c.y() - d / 2), s2(x + 8, c.y() + d / 2);
    p.setPen(Qt::NoPen);
    p.setBrush(tinta);
    p.drawRect(QRectF(x - 8, c.y() - r, 16, 2 * r));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(x - 9, s1.y() - a / 2, 18, a));
    p.drawRect(QRectF(x - 9, s2.y() - a / 2, 18, a));
    const double th = 28 * std::numbers::pi / 180;
    const QPointF u(std::cos(th), -std::sin(th));
    p.setPen(QPen(tinta, 2));
    p.drawLine(s1, s1 + u * 200);
    p.drawLine(s2, s2 + u * 240);
    const QPointF pie = s2 + u * QPointF::dotProduct(s1 - s2, u);
    p.setPen(QPen(tinta, 1.2, Qt::DashLine));
    p.drawLine(s1, pie);
    p.drawLine(s2, s2 + QPointF(70, 0));
    p.setPen(QPen(acento, 5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(s2, pie);
    p.setPen(QPen(tinta, 1.5));
    p.drawArc(QRectF(s2.x() - 48, s2.y() - 48, 96, 96), 0, 28 * 16);
    p.setFont(letra_variable(24));
    p.setPen(tinta);
    texto(p, s2 + QPointF(54, -12), QStringLiteral("θ"), Qt::AlignLeft | Qt::AlignVCenter);
    p.setBrush(tinta);
    cota(p, {x - 22, s1.y() - a / 2}, {x - 22, s1.y() + a / 2}, 8);
    cota(p, {x - 46, s1.y()}, {x - 46, s2.y()}, 10);
    texto(p, {x - 30, s1.y()}, QStringLiteral("a"), Qt::AlignRight | Qt::AlignVCenter);
    texto(p, {x - 54, c.y()}, QStringLiteral("d"), Qt::AlignRight | Qt::AlignVCenter);
    p.restore();
    p.setPen(QPen(tinta, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r, r);
    p.setPen(acento);
    p.setFont(letra(22, true));
    texto(p, c + QPointF(r + 110, 8), QStringLiteral("diferencia de camino"),
          Qt::AlignLeft | Qt::AlignBottom);
    p.setFont(letra_variable(26));
    texto(p, c + QPointF(r + 110, 12), QStringLiteral("d · sen θ"), Qt::AlignLeft | Qt::AlignTop);
    p.setPen(tinta);
    p.setFont(letra(22));
    texto(p, c + QPointF(r + 110, -30), QStringLiteral("dos ranuras vecinas, ampliadas"),
          Qt::AlignLeft | Qt::AlignBottom);
}

// The bands on the screen and the intensity beside them, row by row from the
// model, with the slit factor that bounds the maxima.
void bandas_e_intensidad(QPainter& p, const Red& red) {
    const double n2 = red_N.a_double() * red_N.a_double();
    const double x0 = 1236, ancho = 300;
    const Red una(luz_L, red_a, red_d, 1);
    QPainterPath curva, envolvente;
    for (int y = static_cast<int>(pantalla_arriba); y < pantalla_abajo; ++y) {
        const double s = seno_de_tangente((y_eje - y - 0.5) / D);
        const double f = red(s) / n2;
        p.fillRect(QRectF(1150, y, 56, 1), color_luz(luz_L, f));
        const QPointF punto(x0 + f * ancho, y + 0.5);
        const QPointF tope(x0 + una(s) * ancho, y + 0.5);
        y == static_cast<int>(pantalla_arriba) ? curva.moveTo(punto) : curva.lineTo(punto);
        y == static_cast<int>(pantalla_arriba) ? envolvente.moveTo(tope) : envolvente.lineTo(tope);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 124, 135), 1.6, Qt::DashLine));
    p.drawPath(envolvente);
    p.setPen(QPen(tinta, 2.2));
    p.drawPath(curva);
    p.setPen(QPen(tinta, 1.6));
    p.drawLine(QPointF(x0, pantalla_arriba), QPointF(x0, pantalla_abajo));
    p.setFont(letra(24, true));
    texto(p, {x0 + ancho / 2, pantalla_arriba - 8}, QStringLiteral("Intensidad"),
          Qt::AlignHCenter | Qt::AlignBottom);
    p.setFont(letra(22));
    texto(p, {1178, pantalla_arriba - 8}, QStringLiteral("bandas"),
          Qt::AlignHCenter | Qt::AlignBottom);
    p.setPen(QColor(110, 114, 125));
    texto(p, {x0 + ancho, pantalla_arriba + 6}, QStringLiteral("- - -  una ranura × N²"),
          Qt::AlignRight | Qt::AlignTop);

    p.setPen(tinta);
    for (int m = -2; m <= 2; ++m) {
        const double s = m * luz_L.a_double() / red_d.a_double();
        const double y = y_eje - D * s / std::sqrt(1 - s * s);
        const double x = x0 + red(s) / n2 * ancho;
        p.setFont(letra(21));
        if (m == 0) {
            texto(p, {x - 6, y - 14}, QStringLiteral("m = 0"), Qt::AlignRight | Qt::AlignBottom);
            p.setFont(letra_variable(26));
            texto(p, {x + 4, y}, QStringLiteral("N²"), Qt::AlignLeft | Qt::AlignVCenter);
        } else {
            texto(p, {x + 10, y}, con_menos(QStringLiteral("m = %1").arg(m)),
                  Qt::AlignLeft | Qt::AlignVCenter);
        }
    }
}

} // namespace

void dibujar_red_pantalla(QPainter& p, QSize tam) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(tam.width() / 1600.0, tam.height() / 990.0);
    p.fillRect(QRectF(0, 0, 1600, 990), papel);
    const Red red(luz_L, red_a, red_d, red_N);
    const QColor luz = color_luz(luz_L, 1).darker(135);

    luz_incidente(p, luz);

    // Rays from every slit to the point P of the first order, and the axis.
    const double s1 = luz_L.a_double() / red_d.a_double();
    const double tg1 = s1 / std::sqrt(1 - s1 * s1);
    const QPointF P(x_pantalla, y_eje - D * tg1);
    p.setPen(QPen(luz, 2));
    for (int k = 0; k < red_N.a_double(); ++k) {
        p.drawLine(QPointF(x_red + 6, y_eje + (k - 2) * 60), P);
    }
    p.setPen(QPen(tinta, 1.6, Qt::DashLine));
    p.drawLine(QPointF(x_red, y_eje), QPointF(x_pantalla, y_eje));
    p.setPen(QPen(tinta, 2.4));
    p.drawLine(QPointF(x_red, y_eje), P);
    const double radio = 330;
    p.setPen(QPen(tinta, 1.8));
    p.drawArc(QRectF(x_red - radio, y_eje - radio, 2 * radio, 2 * radio), 0,
              static_cast<int>(std::asin(s1) * 180 / std::numbers::pi * 16));
    p.setFont(letra_variable(32));
    texto(p, {x_red + radio + 10, y_eje - radio * std::sin(std::asin(s1) / 2)}, QStringLiteral("θ"),
          Qt::AlignLeft | Qt::AlignVCenter);

    red_de_costado(p);

    // The screen, the point P and its height.
    p.setPen(QPen(tinta, 6, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(x_pantalla, pantalla_arriba), QPointF(x_pantalla, pantalla_abajo));
    p.setPen(tinta);
    p.setFont(letra(27, true));
    texto(p, {x_pantalla + 3, pantalla_arriba - 40}, QStringLiteral("Pantalla"),
          Qt::AlignRight | Qt::AlignBottom);
    p.setBrush(acento);
    p.setPen(Qt::NoPen);
    p.drawEllipse(P, 8, 8);
    p.setPen(tinta);
    p.setFont(letra_variable(30));
    texto(p, P + QPointF(-16, -10), QStringLiteral("P"), Qt::AlignRight | Qt::AlignBottom);
    p.setBrush(tinta);
    p.setPen(QPen(tinta, 1.6));
    cota(p, {x_pantalla - 28, y_eje}, {x_pantalla - 28, P.y()}, 12);
    // The height label sits on a patch of paper, over the rays that pass behind it.
    p.setFont(letra_variable(26));
    const QString altura = QStringLiteral("y = D · tg θ");
    const QPointF ancla(x_pantalla - 40, (y_eje + P.y()) / 2 + 14);
    QRectF fondo = QFontMetricsF(p.font()).boundingRect(altura);
    fondo.moveCenter(ancla - QPointF(fondo.width() / 2, 0));
    p.fillRect(fondo.adjusted(-6, -2, 6, 2), papel);
    texto(p, ancla, altura, Qt::AlignRight | Qt::AlignVCenter);

    // Distance from the grating to the screen.
    const double y_cota = 850;
    p.setPen(QPen(tinta, 1.2, Qt::DotLine));
    p.drawLine(QPointF(x_red, 672), QPointF(x_red, y_cota + 12));
    p.setPen(QPen(tinta, 1.6));
    cota(p, {x_red, y_cota}, {x_pantalla - 3, y_cota}, 14);
    p.setFont(letra_variable(30));
    texto(p, {(x_red + x_pantalla) / 2, y_cota - 6}, QStringLiteral("D"),
          Qt::AlignHCenter | Qt::AlignBottom);

    bandas_e_intensidad(p, red);
    ampliacion(p);

    p.setPen(tinta);
    p.setFont(letra(42, true));
    texto(p, {40, 28}, QStringLiteral("Red y Pantalla"), Qt::AlignLeft | Qt::AlignTop);
    p.setFont(letra(24));
    p.setPen(QColor(90, 95, 108));
    texto(p, {40, 82}, QStringLiteral("vistas de costado"), Qt::AlignLeft | Qt::AlignTop);
    p.setPen(tinta);
    p.setFont(letra(22));
    const char* const lineas[] = {
        "A P llega la luz de todas las ranuras; de una ranura a la vecina el camino crece en "
        "d · sen θ.",
        "Donde d · sen θ = m · L las N ondas se suman: son los máximos principales (N² en el "
        "centro).",
        "El programa mide la pantalla en unidades de D (tg θ) y grafica la intensidad en función "
        "de sen θ."};
    for (int i = 0; i < 3; ++i) {
        texto(p, {800, 900.0 + i * 29}, QString::fromUtf8(lineas[i]),
              Qt::AlignHCenter | Qt::AlignTop);
    }
    p.restore();
}
