#include "toolkit/forma.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

Forma::Forma(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Forma::set_relleno(const QColor& c) {
    relleno_ = c;
    relleno_activo_ = true;
    update();
}

void Forma::set_sin_relleno() {
    relleno_activo_ = false;
    update();
}

void Forma::set_borde(const QColor& c) {
    borde_ = c;
    borde_activo_ = true;
    update();
}

void Forma::set_sin_borde() {
    borde_activo_ = false;
    update();
}

void Forma::paintEvent(QPaintEvent*) {
    QPainter p(this);
    // Edges rounded to whole device pixels from the device's origin: shapes that
    // share an edge at a fractional scale share its row of pixels, and a border
    // (one logical pixel) is never thinner than one device pixel.
    const QTransform t = p.deviceTransform();
    const QRectF d = t.mapRect(QRectF(rect()));
    const QRectF r(QPointF(std::round(d.left()), std::round(d.top())),
                   QPointF(std::round(d.right()), std::round(d.bottom())));
    const double g = std::max(1.0, std::round(t.m11()));
    const QTransform a_widget = t.inverted();
    const auto llenar = [&](QRectF en_dispositivo, const QColor& c) {
        p.fillRect(a_widget.mapRect(en_dispositivo), c);
    };
    if (relleno_activo_) {
        llenar(r, relleno_);
    }
    if (borde_activo_) {
        llenar({r.left(), r.top(), r.width(), g}, borde_);
        llenar({r.left(), r.bottom() - g, r.width(), g}, borde_);
        llenar({r.left(), r.top(), g, r.height()}, borde_);
        llenar({r.right() - g, r.top(), g, r.height()}, borde_);
    }
}
