#include "windows/dibujos_comun.h"

#include "model/color.h"
#include "model/color_onda.h"
#include "toolkit/picture_box.h"

#include <QFontMetricsF>
#include <QLineF>
#include <QPainter>
#include <QPolygonF>

#include <cmath>

namespace dibujo {

QFont letra(double px, bool negrita) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(static_cast<int>(std::lround(px)));
    f.setBold(negrita);
    return f;
}

QFont letra_variable(double px) {
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(static_cast<int>(std::lround(px)));
    f.setItalic(true);
    return f;
}

void texto(QPainter& p, QPointF en, const QString& s, Qt::Alignment alineacion) {
    const QFontMetricsF m(p.font());
    const QRectF caja = m.boundingRect(QRectF(0, 0, 4000, 4000), Qt::AlignLeft | Qt::AlignTop, s);
    double x = en.x();
    double y = en.y();
    if (alineacion & Qt::AlignHCenter) {
        x -= caja.width() / 2;
    } else if (alineacion & Qt::AlignRight) {
        x -= caja.width();
    }
    if (alineacion & Qt::AlignVCenter) {
        y -= caja.height() / 2;
    } else if (alineacion & Qt::AlignBottom) {
        y -= caja.height();
    }
    p.drawText(QRectF(x, y, caja.width() + 1, caja.height() + 1),
               static_cast<int>(alineacion & Qt::AlignHorizontal_Mask) | Qt::AlignTop, s);
}

void flecha(QPainter& p, QPointF desde, QPointF hasta, double punta) {
    const QLineF l(hasta, desde);
    p.drawLine(QLineF(desde, hasta));
    if (l.length() < 1e-9) {
        return;
    }
    const QPointF u = (desde - hasta) / l.length();
    const QPointF n(-u.y(), u.x());
    const QPolygonF cabeza{hasta, hasta + u * punta + n * punta * 0.38,
                           hasta + u * punta - n * punta * 0.38};
    p.save();
    p.setBrush(p.pen().color());
    p.setPen(Qt::NoPen);
    p.drawPolygon(cabeza);
    p.restore();
}

void cota(QPainter& p, QPointF a, QPointF b, double punta) {
    const QPointF medio = (a + b) / 2;
    flecha(p, medio, a, punta);
    flecha(p, medio, b, punta);
}

QColor color_luz(Fijo L, double f) {
    const ComponentesColor c = color_de_onda(L);
    return a_qcolor(RGB(f * c.r, f * c.g, f * c.b.a_double()));
}

} // namespace dibujo
