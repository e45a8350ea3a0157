// The illustration of the model window, in one bit per pixel: three slits with
// their path difference, and the pattern of three slits with a missing order.
#include "windows/dibujos.h"

#include "model/intens.h"
#include "windows/dibujos_comun.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

using namespace dibujo;

QImage imagen_modelo(double escala) {
    QImage img(static_cast<int>(std::lround(tamano_modelo.width() * escala)),
               static_cast<int>(std::lround(tamano_modelo.height() * escala)),
               QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.scale(escala, escala);
    QFont chica = letra(11);
    chica.setStyleStrategy(QFont::NoAntialias);
    QFont variable = letra_variable(13);
    variable.setStyleStrategy(QFont::NoAntialias);
    p.setPen(Qt::black);

    // Three slits from the side, their rays at θ and the path difference.
    const double xb = 62;
    p.fillRect(QRectF(xb - 3, 14, 6, 124), Qt::black);
    const double ys[] = {48, 78, 108};
    for (double y : ys) {
        p.fillRect(QRectF(xb - 4, y - 5, 8, 10), Qt::white);
    }
    p.setBrush(Qt::black);
    for (double y : {33.0, 63.0, 93.0, 123.0}) {
        flecha(p, {4, y}, {30, y}, 6);
    }
    p.setFont(variable);
    texto(p, {4, 6}, QStringLiteral("L"), Qt::AlignLeft | Qt::AlignTop);
    const double th = 30 * std::numbers::pi / 180;
    const QPointF u(std::cos(th), -std::sin(th));
    for (double y : ys) {
        p.drawLine(QPointF(xb + 3, y), QPointF(xb + 3, y) + u * 120);
    }
    const QPointF s1(xb + 3, ys[1]), s2(xb + 3, ys[2]);
    const QPointF pie = s2 + u * QPointF::dotProduct(s1 - s2, u);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawLine(s1, pie);
    p.drawLine(s2, s2 + QPointF(46, 0));
    p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(s2, pie);
    p.setPen(Qt::black);
    p.drawArc(QRectF(s2.x() - 36, s2.y() - 36, 72, 72), 0, 30 * 16);
    texto(p, s2 + QPointF(40, -10), QStringLiteral("θ"), Qt::AlignLeft | Qt::AlignVCenter);
    // Slit width and distance, measured on the left of the grating.
    const double xc = xb - 11;
    auto medida = [&](double y0, double y1, const QString& nombre) {
        p.drawLine(QPointF(xc, y0), QPointF(xc, y1));
        p.drawLine(QPointF(xc - 2, y0), QPointF(xc + 2, y0));
        p.drawLine(QPointF(xc - 2, y1), QPointF(xc + 2, y1));
        texto(p, {xc - 4, (y0 + y1) / 2}, nombre, Qt::AlignRight | Qt::AlignVCenter);
    };
    medida(ys[0] - 5, ys[0] + 5, QStringLiteral("a"));
    medida(ys[1], ys[2], QStringLiteral("d"));
    p.setFont(chica);
    texto(p, pie + QPointF(6, 20), QStringLiteral("d·sen θ"), Qt::AlignLeft | Qt::AlignTop);
    texto(p, {xb, 140}, QStringLiteral("N ranuras"), Qt::AlignHCenter | Qt::AlignTop);

    // Intensity against the sine: three slits with every third order missing
    // (d = 3a), under the slit factor times N².
    const Fijo L = Fijo::desde(0.5), a = 1, d = 3, N = 3;
    const Red red(L, a, d, N), una(L, a, d, 1);
    const double x0 = 236, x1 = 452, y0 = 134, alto = 100, s_max = 0.62;
    auto punto = [&](double s, double f) {
        return QPointF(x0 + (s / s_max + 1) / 2 * (x1 - x0), y0 - f * alto);
    };
    p.drawLine(QPointF(x0, y0), QPointF(x1, y0));
    p.drawLine(punto(0, 0), punto(0, 0) + QPointF(0, 4));
    QPainterPath curva, envolvente;
    for (int i = 0; i <= 2 * 436; ++i) {
        const double s = (i / 436.0 - 1) * s_max;
        const QPointF c = punto(s, red(s) / 9), e = punto(s, una(s));
        i == 0 ? curva.moveTo(c) : curva.lineTo(c);
        i == 0 ? envolvente.moveTo(e) : envolvente.lineTo(e);
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::black, 1, Qt::DashLine));
    p.drawPath(envolvente);
    p.setPen(QPen(Qt::black, 1.5));
    p.drawPath(curva);
    p.setPen(Qt::black);
    p.setFont(variable);
    texto(p, punto(0, 1) + QPointF(0, -3), QStringLiteral("N²"),
          Qt::AlignHCenter | Qt::AlignBottom);
    p.setFont(chica);
    texto(p, {x1, y0 + 3}, QStringLiteral("sen θ"), Qt::AlignRight | Qt::AlignTop);
    texto(p, punto(0, 0) + QPointF(0, 5), QStringLiteral("0"), Qt::AlignHCenter | Qt::AlignTop);
    const QPointF ausente = punto(0.5, 0);
    p.setBrush(Qt::black);
    flecha(p, ausente + QPointF(-4, -40), ausente + QPointF(0, -4), 5);
    texto(p, {x1, ausente.y() - 42}, QStringLiteral("orden ausente"),
          Qt::AlignRight | Qt::AlignBottom);
    texto(p, {x1, 8}, QStringLiteral("- - ranura × N²"), Qt::AlignRight | Qt::AlignTop);
    p.end();
    QImage mono = img.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither);
    mono.setDevicePixelRatio(escala);
    return mono;
}
