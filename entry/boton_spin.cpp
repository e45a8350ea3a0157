#include "entry/boton_spin.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>

BotonSpin::BotonSpin(bool arriba, QWidget* parent) : PictureBox(parent), arriba_(arriba) {
    setFocusPolicy(Qt::ClickFocus);
    set_fondo(gris_boton);
    scale(0, 0, 19.2, 13.6); // 288 x 204 twips in designed pixels
    set_modo(Modo::invertir);
    set_rol(QAccessible::Button);
}

void BotonSpin::pintar_imagen(QPainter& p, const QRect& r) {
    // A raised button face with a black arrow; greyed when disabled.
    const double u = r.height() / 13.6;
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.fillRect(r, QColor(192, 192, 192));
    p.fillRect(QRectF(r.left(), r.top(), r.width(), u), Qt::white);
    p.fillRect(QRectF(r.left(), r.top(), u, r.height()), Qt::white);
    p.fillRect(QRectF(r.left(), r.bottom() + 1 - u, r.width(), u), QColor(64, 64, 64));
    p.fillRect(QRectF(r.right() + 1 - u, r.top(), u, r.height()), QColor(64, 64, 64));
    const double cx = r.left() + r.width() / 2.0;
    const double cy = r.top() + r.height() / 2.0;
    const double ancho = 4.5 * u;
    const double alto = 2.6 * u;
    QPolygonF flecha;
    if (arriba_) {
        flecha << QPointF(cx - ancho, cy + alto) << QPointF(cx + ancho, cy + alto)
               << QPointF(cx, cy - alto);
    } else {
        flecha << QPointF(cx - ancho, cy - alto) << QPointF(cx + ancho, cy - alto)
               << QPointF(cx, cy + alto);
    }
    p.setBrush(isEnabled() ? QColor(0, 0, 0) : QColor(128, 128, 128));
    p.drawPolygon(flecha);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void BotonSpin::changeEvent(QEvent* e) {
    if (e->type() == QEvent::EnabledChange) {
        repintar_imagen(); // the arrow greys out or comes back
    }
    PictureBox::changeEvent(e);
}

void BotonSpin::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        emit pulsado();
        emit sostenido();
    }
}

void BotonSpin::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton) {
        emit liberado();
    }
}
