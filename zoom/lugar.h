#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a window of size `tam` goes so that it covers nothing of `despejar`
// (screen coordinates) inside the screen's free area `pantalla`: to its left
// if it fits there, else to its right, below, above, level with its nearest
// edge; where it fits nowhere, on the widest side, within the screen.
QPoint lugar_junto_a(QSize tam, const QRect& despejar, const QRect& pantalla);

// `lugar` moved the least that keeps a window of size `tam` inside `pantalla`
// (its top-left corner first when the window is larger).
QPoint dentro_de(QPoint lugar, QSize tam, const QRect& pantalla);
