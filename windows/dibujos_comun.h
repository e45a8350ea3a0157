#pragma once

// Drawing helpers shared by the painters of windows/dibujos*.cpp.

#include "model/fijo.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QString>

class QPainter;

namespace dibujo {

// Liberation Sans at a size in pixels; variables (N, a, d, L, θ) in Liberation
// Serif italic, as a textbook sets them.
QFont letra(double px, bool negrita = false);
QFont letra_variable(double px);

// Text whose anchor point is placed by `alineacion` (Qt::AlignLeft | Qt::AlignTop
// puts the text's top-left corner on `en`).
void texto(QPainter& p, QPointF en, const QString& s, Qt::Alignment alineacion);

// A line from `desde` with an arrowhead at `hasta`; `cota` has heads at both ends.
void flecha(QPainter& p, QPointF desde, QPointF hasta, double punta);
void cota(QPainter& p, QPointF a, QPointF b, double punta);

// The colour of light of wavelength L at a fraction f (0..1) of full
// intensity, as the bands of the enlarged sector are painted.
QColor color_luz(Fijo L, double f);

} // namespace dibujo
