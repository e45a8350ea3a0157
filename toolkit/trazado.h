#pragma once

// How figures in user coordinates become pixels of a picture box's image.

#include "toolkit/picture_box.h"

#include <QPolygonF>
#include <QSize>

// User coordinates of one figure to device pixels of an image of size `tam`.
struct Mapa {
    double sx, sy, ox, oy;
    Mapa(const Escala& e, QSize tam)
        : sx(tam.width() / e.width), sy(tam.height() / e.height), ox(e.left), oy(e.top) {}
    double x(double u) const { return (u - ox) * sx; }
    double y(double u) const { return (u - oy) * sy; }
};

// Pixel index of a device coordinate, kept inside a range QPainter can handle.
int celda(double v);

// A curve reduced to the first, lowest, highest and last point of each run of
// samples that falls in one pixel column: the same pixels as every segment
// drawn, at a cost bounded by the width in pixels.
QPolygonF reducir(const Trazo& t, const Mapa& m);
