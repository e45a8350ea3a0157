#pragma once

#include <QSize>

class QPainter;

// Pictures the program draws from its own model: the same code paints the
// screen and the files of data/ (through the drawing tool).

// The splash picture (designed 382 x 345 pixels): white light through a
// grating, the bands on the screen painted with the program's colour rule.
void dibujar_titulo(QPainter& p, QSize tam);
