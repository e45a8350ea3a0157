#pragma once

// The figures of a picture box and how they become pixels of an image.

#include "toolkit/mapa.h"

#include <QColor>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSize>
#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class QPainter;

// One sample of a curve, in user coordinates.
struct PuntoF {
    float x;
    float y;
};
using Trazo = std::vector<PuntoF>;

// A figure as it was drawn: its kind, mode, colour and the user coordinates of
// the picture at that moment. A curve holds its points; bands hold the colour
// of each of their rows, evenly spaced from a.y to b.y across a.x..b.x; a label
// holds its text, placed at `a` as `alineacion` says (Qt::Alignment: the side of
// `a` the text stands on) and kept inside the picture.
struct Figura {
    enum class Tipo : std::uint8_t { linea, caja, caja_llena, punto, polilinea, bandas, texto };
    Tipo tipo;
    bool invertir;
    QRgb color;
    Escala escala;
    QPointF a;
    QPointF b;
    std::shared_ptr<const Trazo> trazo;
    std::shared_ptr<const std::vector<QRgb>> colores;
    QString texto = {};
    int alineacion = 0;
    bool operator==(const Figura& o) const;
};

// Pixel index of a device coordinate, kept inside a range QPainter can handle.
int celda(double v);

// A curve reduced to the first, lowest, highest and last point of each run of
// samples that falls in one pixel column: the same pixels as every segment
// drawn, at a cost bounded by the width in pixels.
QPolygonF reducir(const Trazo& t, const Mapa& m);

// Paints `f` into an image of `tam` device pixels with strokes `grosor` pixels
// wide; a curve already reduced to that image is passed as `reducida`. Given
// `ocupados`, a label that would cover one of them is left out, and one drawn
// is added to them.
void pintar_figura(QPainter& p, const Figura& f, QSize tam, int grosor,
                   const QPolygonF* reducida = nullptr, std::vector<QRectF>* ocupados = nullptr);
