#pragma once

#include <QColor>

// The contrast ratio of two colours by their relative luminance (1 to 21).
double contraste(const QColor& a, const QColor& b);

// `texto` as text on `fondo`: itself when it stands out by `minimo`, else moved
// toward black (or white, on a dark ground) just far enough, so that a faint
// curve colour keeps its hue in its labels.
QColor legible(const QColor& texto, const QColor& fondo, double minimo = 4.5);
