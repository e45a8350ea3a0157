#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPolygonF>
#include <QRectF>
#include <QString>

// The program's icon: a grating of three slits on a dark tile, and beside it
// the intensity the program plots for it, in the colour of its green light.
// One description in a 256-unit square, written both as SVG and as pictures.
struct Icono {
    QRectF fondo;
    double radio = 0; // of the tile's corners
    QColor color_fondo;
    QList<QRectF> barras; // the grating between its slits
    QColor color_barras;
    QPolygonF curva; // relative intensity over the screen, baseline at the bottom
    QColor color_curva;
    double grosor = 0;
};

constexpr int lado_icono = 256;
Icono icono();

// The icon at `lado` x `lado` pixels, transparent outside the tile.
QImage imagen_icono(const Icono& i, int lado);
QString svg_icono(const Icono& i);

// Writes `<hicolor>/scalable/apps/<nombre>.svg` and the pictures of each size
// in `lados` in `<hicolor>/<n>x<n>/apps/<nombre>.png`. Returns the files it
// could not write.
QStringList guardar_icono(const QString& hicolor, const QString& nombre, const QList<int>& lados);
