#include "windows/dibujos.h"

#include "model/intens.h"
#include "screen/color_onda.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// The colour that light of several wavelengths through one grating makes at the
// sine s, each wavelength weighted by its intensity relative to the centre.
QColor color_en(double s, const Red* redes, const Fijo* ondas, int n, double n2) {
    double r = 0, g = 0, b = 0;
    for (int i = 0; i < n; ++i) {
        const double f = redes[i](s) / n2;
        const ComponentesColor c = color_de_onda(ondas[i]);
        r += f * c.r;
        g += f * c.g;
        b += f * c.b.a_double();
    }
    auto tope = [](double v) { return static_cast<int>(std::clamp(v, 0.0, 255.0)); };
    return QColor(tope(r), tope(g), tope(b));
}

} // namespace

void dibujar_titulo(QPainter& p, QSize tam) {
    const double w = tam.width();
    const double h = tam.height();
    QLinearGradient cielo(0, 0, 0, h);
    cielo.setColorAt(0, QColor(8, 10, 30));
    cielo.setColorAt(1, QColor(0, 0, 0));
    p.fillRect(QRectF(0, 0, w, h), cielo);

    // Five wavelengths across the visible range through a grating of four slits.
    const Fijo ondas[] = {Fijo::desde(0.42), Fijo::desde(0.48), Fijo::desde(0.53),
                          Fijo::desde(0.58), Fijo::desde(0.65)};
    const Fijo N = 4, a = Fijo::desde(1.2), d = Fijo::desde(3.5);
    const Red redes[] = {Red(ondas[0], a, d, N), Red(ondas[1], a, d, N), Red(ondas[2], a, d, N),
                         Red(ondas[3], a, d, N), Red(ondas[4], a, d, N)};
    const double franja_arriba = h * 0.52, franja_abajo = h * 0.80;
    for (int x = 0; x < static_cast<int>(w); ++x) {
        const double s = (x + 0.5 - w / 2) / w * 0.9;
        p.fillRect(QRectF(x, franja_arriba, 1, franja_abajo - franja_arriba),
                   color_en(s, redes, ondas, 5, 16.0 / 2.2));
    }

    // The intensity of the middle wavelength over the bands, as on the graph.
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath curva;
    for (int x = 0; x <= static_cast<int>(w); ++x) {
        const double s = (x - w / 2) / w * 0.9;
        const double y = franja_arriba - 6 - redes[2](s) / 16.0 * h * 0.30;
        x == 0 ? curva.moveTo(x, y) : curva.lineTo(x, y);
    }
    p.setPen(QPen(QColor(230, 230, 230), std::max(1.0, w / 382)));
    p.drawPath(curva);

    QFont f = p.font();
    f.setFamily(QStringLiteral("Liberation Sans"));
    f.setPixelSize(static_cast<int>(h * 0.045));
    p.setFont(f);
    p.setPen(QColor(200, 200, 220));
    p.drawText(QRectF(0, franja_abajo + h * 0.03, w, h * 0.08), Qt::AlignCenter,
               QStringLiteral("Difracción de la luz por N ranuras"));
    f.setPixelSize(static_cast<int>(h * 0.038));
    p.setFont(f);
    p.setPen(QColor(150, 150, 170));
    p.drawText(QRectF(0, franja_abajo + h * 0.10, w, h * 0.08), Qt::AlignCenter,
               QStringLiteral("Grupo Quenor"));
}
