#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

// A user coordinate system on a rectangular area: its left edge is `left`, its
// top edge `top`, and it spans `width` across and `height` down (a negative
// height makes y grow upward).
struct Escala {
    double left = 0;
    double top = 0;
    double width = 1;
    double height = 1;
    bool operator==(const Escala&) const = default;
};

// User coordinates to the units of an area of a given size (pixels of a widget or
// of an image, twips of a designed control) and back. The one place where a user
// coordinate system meets a surface.
class Mapa {
public:
    // An empty area counts as one unit wide and high, so that nothing divides by zero.
    Mapa(const Escala& e, QSizeF tam);

    double x(double u) const { return (u - e_.left) * sx_; }
    double y(double u) const { return (u - e_.top) * sy_; }
    QPointF a_area(QPointF u) const { return {x(u.x()), y(u.y())}; }
    // The rectangle between two user points, whichever corners they are.
    QRectF a_area(QPointF a, QPointF b) const { return QRectF(a_area(a), a_area(b)).normalized(); }

    double usuario_x(double px) const { return e_.left + px / sx_; }
    double usuario_y(double py) const { return e_.top + py / sy_; }
    QPointF a_usuario(QPointF p) const { return {usuario_x(p.x()), usuario_y(p.y())}; }

private:
    Escala e_;
    double sx_;
    double sy_;
};
