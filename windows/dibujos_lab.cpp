// The laboratory set-up, drawn in oblique projection: the bench runs to the
// right, height is up, and depth recedes up and to the left, so that the faces
// of the grating and the screen that look at the emitter are the ones seen.
#include "windows/dibujos.h"

#include "model/intens.h"
#include "model/parametros.h"
#include "windows/dibujos_comun.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QTransform>

#include <cmath>
#include <numbers>

namespace {

using namespace dibujo;

// The light and the grating: orders 0, ±1 and ±2 fall on the screen.
const Fijo luz_L = Fijo::desde(0.63);
const Fijo red_N = 6, red_a = 1, red_d = 4;
constexpr double eje_y = 3.2;     // height of the beam
constexpr double x_red = 5;       // grating
constexpr double x_pantalla = 12; // screen
constexpr double pantalla_abajo = 0.5, pantalla_arriba = 5.9;

QPointF proy(double X, double Y, double Z) {
    return {150 + 95 * X + 34 * Z, 740 - 95 * Y + 20 * Z};
}

QPolygonF cara_x(double X, double y0, double y1, double z0, double z1) {
    return QPolygonF{proy(X, y0, z0), proy(X, y1, z0), proy(X, y1, z1), proy(X, y0, z1)};
}
QPolygonF cara_y(double Y, double x0, double x1, double z0, double z1) {
    return QPolygonF{proy(x0, Y, z0), proy(x1, Y, z0), proy(x1, Y, z1), proy(x0, Y, z1)};
}
QPolygonF cara_z(double Z, double x0, double x1, double y0, double y1) {
    return QPolygonF{proy(x0, y0, Z), proy(x1, y0, Z), proy(x1, y1, Z), proy(x0, y1, Z)};
}

// A box seen from the front, the top and the left.
void caja(QPainter& p, double x0, double x1, double y0, double y1, double z0, double z1,
          QColor color) {
    p.setPen(QPen(color.darker(170), 1.2));
    p.setBrush(color.darker(125));
    p.drawPolygon(cara_x(x0, y0, y1, z0, z1));
    p.setBrush(color.lighter(125));
    p.drawPolygon(cara_y(y1, x0, x1, z0, z1));
    p.setBrush(color);
    p.drawPolygon(cara_z(z1, x0, x1, y0, y1));
}

// The pattern of the screen, as the enlarged sector shows it: black where no
// light falls, the light's colour scaled by the intensity elsewhere.
QImage patron_pantalla(const Red& red) {
    const int alto = 540;
    QImage img(8, alto, QImage::Format_RGB32);
    const double n2 = red_N.a_double() * red_N.a_double();
    for (int fila = 0; fila < alto; ++fila) {
        const double Y = pantalla_arriba - (fila + 0.5) / alto * (pantalla_arriba - pantalla_abajo);
        const double s = seno_de_tangente((Y - eje_y) / (x_pantalla - x_red));
        const QColor c = color_luz(luz_L, red(s) / n2);
        for (int x = 0; x < img.width(); ++x) {
            img.setPixelColor(x, fila, c);
        }
    }
    return img;
}

void rotulo(QPainter& p, QPointF en, const QString& titulo, const QString& detalle,
            Qt::Alignment alineacion) {
    p.setPen(QColor(235, 238, 245));
    p.setFont(letra(27, true));
    texto(p, en, titulo, alineacion | Qt::AlignBottom);
    p.setPen(QColor(170, 178, 192));
    p.setFont(letra(22));
    texto(p, en + QPointF(0, 4), detalle, alineacion | Qt::AlignTop);
}

} // namespace

void dibujar_laboratorio(QPainter& p, QSize tam) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.scale(tam.width() / 1600.0, tam.height() / 990.0);
    QLinearGradient pared(0, 0, 0, 990);
    pared.setColorAt(0, QColor(30, 35, 48));
    pared.setColorAt(1, QColor(10, 12, 17));
    p.fillRect(QRectF(0, 0, 1600, 990), pared);

    // Table and bench.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(58, 52, 46));
    p.drawPolygon(cara_y(0, -3, 16.5, -3, 3));
    p.setBrush(QColor(38, 34, 30));
    p.drawPolygon(cara_z(3, -3, 16.5, -0.4, 0));
    caja(p, 0.2, 13.6, 0, 0.3, -0.3, 0.3, QColor(120, 126, 136));

    const Red red(luz_L, red_a, red_d, red_N);
    const double n2 = red_N.a_double() * red_N.a_double();
    const double D = x_pantalla - x_red;

    // Screen on its carrier.
    caja(p, x_pantalla - 0.4, x_pantalla + 0.4, 0.3, 0.5, -0.5, 0.5, QColor(90, 96, 106));
    caja(p, x_pantalla - 0.06, x_pantalla + 0.06, 0.3, pantalla_abajo + 0.1, -0.08, 0.08,
         QColor(150, 150, 150));
    p.setPen(QPen(QColor(120, 120, 120), 1.5));
    p.setBrush(QColor(205, 205, 205));
    p.drawPolygon(cara_x(x_pantalla, pantalla_abajo - 0.15, pantalla_arriba + 0.15, -1.35, 1.35));
    const QImage patron = patron_pantalla(red);
    QTransform t;
    const QPolygonF cara = cara_x(x_pantalla, pantalla_abajo, pantalla_arriba, -1.2, 1.2);
    const QPolygonF origen{QPointF(0, patron.height()), QPointF(0, 0), QPointF(patron.width(), 0),
                           QPointF(patron.width(), patron.height())};
    if (QTransform::quadToQuad(origen, cara, t)) {
        p.save();
        p.setTransform(t, true);
        p.drawImage(QPointF(0, 0), patron);
        p.restore();
    }

    // The beams of the orders that reach the screen, brighter where the light is.
    struct Orden {
        int m;
        double Y;
        double f;
    };
    std::vector<Orden> ordenes;
    for (int m = -3; m <= 3; ++m) {
        const double s = m * luz_L.a_double() / red_d.a_double();
        const double Y = eje_y + D * s / std::sqrt(1 - s * s);
        if (Y > pantalla_abajo && Y < pantalla_arriba) {
            ordenes.push_back({m, Y, red(s) / n2});
        }
    }
    const QColor luz = color_luz(luz_L, 1);
    for (const Orden& o : ordenes) {
        for (const auto& [ancho, alfa] : {std::pair{14.0, 40.0}, {6.0, 90.0}, {2.2, 255.0}}) {
            QColor c = luz;
            c.setAlpha(static_cast<int>(alfa * (0.35 + 0.65 * o.f)));
            p.setPen(QPen(c, ancho, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(proy(x_red, eje_y, 0), proy(x_pantalla, o.Y, 0));
        }
    }

    // Axis, angle of the first order and distance to the screen.
    const QColor guia(200, 205, 215);
    p.setPen(QPen(guia, 1.6, Qt::DashLine));
    p.drawLine(proy(x_red, eje_y, 0), proy(x_pantalla, eje_y, 0));
    const double theta1 = std::asin(luz_L.a_double() / red_d.a_double());
    const QPointF centro = proy(x_red, eje_y, 0);
    const double radio = 95 * 4.2;
    p.setPen(QPen(guia, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(centro.x() - radio, centro.y() - radio, 2 * radio, 2 * radio), 0,
              static_cast<int>(theta1 * 180 / std::numbers::pi * 16));
    p.setFont(letra_variable(34));
    p.setPen(QColor(235, 238, 245));
    texto(p, centro + QPointF(radio + 8, -radio * std::sin(theta1 / 2)), QStringLiteral("θ"),
          Qt::AlignLeft | Qt::AlignVCenter);

    p.setPen(QPen(guia, 1.6));
    const double z_cota = 2.2;
    p.drawLine(proy(x_red, 0, z_cota) + QPointF(0, -10), proy(x_red, 0, z_cota) + QPointF(0, 10));
    p.drawLine(proy(x_pantalla, 0, z_cota) + QPointF(0, -10),
               proy(x_pantalla, 0, z_cota) + QPointF(0, 10));
    p.setBrush(guia);
    cota(p, proy(x_red, 0, z_cota), proy(x_pantalla, 0, z_cota), 16);
    p.setFont(letra_variable(32));
    p.setPen(QColor(235, 238, 245));
    texto(p, (proy(x_red, 0, z_cota) + proy(x_pantalla, 0, z_cota)) / 2 + QPointF(0, -6),
          QStringLiteral("D"), Qt::AlignHCenter | Qt::AlignBottom);

    // Grating on its post: a frame with its slits across.
    caja(p, x_red - 0.4, x_red + 0.4, 0.3, 0.5, -0.5, 0.5, QColor(90, 96, 106));
    caja(p, x_red - 0.06, x_red + 0.06, 0.5, 2.2, -0.08, 0.08, QColor(150, 150, 150));
    p.setPen(QPen(QColor(70, 74, 82), 1.5));
    p.setBrush(QColor(150, 156, 166));
    p.drawPolygon(cara_x(x_red, 2.05, 4.35, -1.05, 1.05));
    p.setBrush(QColor(185, 205, 225, 200));
    p.drawPolygon(cara_x(x_red, 2.3, 4.1, -0.85, 0.85));
    p.setPen(QPen(QColor(40, 44, 52), 2));
    for (int k = 0; k <= 14; ++k) {
        const double Y = 2.36 + k * (4.04 - 2.36) / 14;
        p.drawLine(proy(x_red, Y, -0.85), proy(x_red, Y, 0.85));
    }

    // The incident beam, from the emitter to the grating.
    for (const auto& [ancho, alfa] : {std::pair{16.0, 50.0}, {7.0, 110.0}, {3.0, 255.0}}) {
        QColor c = luz;
        c.setAlpha(static_cast<int>(alfa));
        p.setPen(QPen(c, ancho, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(proy(2.4, eje_y, 0), proy(x_red, eje_y, 0));
    }
    QRadialGradient destello(proy(x_red, eje_y, 0), 26);
    destello.setColorAt(0, QColor(255, 255, 255, 230));
    destello.setColorAt(0.4, QColor(luz.red(), luz.green(), luz.blue(), 160));
    destello.setColorAt(1, QColor(luz.red(), luz.green(), luz.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(destello);
    p.drawEllipse(proy(x_red, eje_y, 0), 26, 26);

    // Emitter on its post.
    caja(p, 1.1, 2.1, 0.3, 0.5, -0.5, 0.5, QColor(90, 96, 106));
    caja(p, 1.54, 1.66, 0.5, 2.7, -0.08, 0.08, QColor(150, 150, 150));
    caja(p, 0.6, 2.6, 2.7, 3.7, -0.6, 0.6, QColor(62, 82, 118));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 255, 140));
    p.drawEllipse(proy(0.9, 3.45, 0.6), 5, 5);

    // Names of the parts and of the orders.
    rotulo(p, proy(1.6, 4.6, 0), QStringLiteral("Emisor"),
           QStringLiteral("luz de una sola longitud de onda L"), Qt::AlignHCenter);
    rotulo(p, proy(x_red, 5.3, 0), QStringLiteral("Red de difracción"),
           QStringLiteral("N ranuras de ancho a, a distancia d"), Qt::AlignHCenter);
    rotulo(p, proy(x_pantalla, pantalla_arriba + 0.75, 0), QStringLiteral("Pantalla"),
           QStringLiteral("franjas brillantes"), Qt::AlignHCenter);
    p.setFont(letra(24));
    p.setPen(QColor(225, 228, 235));
    for (const Orden& o : ordenes) {
        const QString m =
            o.m == 0 ? QStringLiteral("m = 0")
                     : QStringLiteral("m = %1").arg(o.m).replace(QLatin1Char('-'), QChar(0x2212));
        texto(p, proy(x_pantalla, o.Y, 1.35) + QPointF(16, 0), m, Qt::AlignLeft | Qt::AlignVCenter);
    }

    p.setPen(QColor(235, 238, 245));
    p.setFont(letra(42, true));
    texto(p, {40, 28}, QStringLiteral("Laboratorio"), Qt::AlignLeft | Qt::AlignTop);
    p.setPen(QColor(170, 178, 192));
    p.setFont(letra(24));
    texto(p, {40, 82}, QStringLiteral("El montaje del experimento"), Qt::AlignLeft | Qt::AlignTop);
    p.setPen(QColor(215, 220, 230));
    p.setFont(letra(23));
    texto(p, {800, 880},
          QStringLiteral("La luz del emisor pasa por la red y sale en haces (órdenes m) que forman "
                         "franjas en la pantalla, donde d · sen θ = m · L."),
          Qt::AlignHCenter | Qt::AlignTop);
    texto(
        p, {800, 914},
        QStringLiteral("El programa dibuja este montaje visto de costado: la pantalla es la franja "
                       "vertical, y el sector elegido"),
        Qt::AlignHCenter | Qt::AlignTop);
    texto(p, {800, 948}, QStringLiteral("se muestra ampliado con sus bandas de color."),
          Qt::AlignHCenter | Qt::AlignTop);
    p.restore();
}
