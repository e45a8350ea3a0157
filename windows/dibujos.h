#pragma once

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QStringList>

class QPainter;

// Pictures the program draws from its own model: the same code paints the
// screen and the files of data/ (through the drawing tool). Each painter fills
// the whole of `tam`; the overlay pictures are designed at 1600 x 990 pixels,
// the size of the sketch area in a maximised window, and scale to any size.

// The splash picture (designed 382 x 345 pixels): white light through a
// grating, the bands on the screen painted with the program's colour rule.
void dibujar_titulo(QPainter& p, QSize tam);

// The visible spectrum from 0.38 to 0.78 micrometres in the program's colour
// rule, named by colours, over white light spread by a grating into its orders.
void dibujar_espectro(QPainter& p, QSize tam);
// The band of the spectrum: 0.38 micrometres at its left edge, 0.78 at its right.
QRectF franja_espectro(QSize tam);

// The laboratory set-up: emitter, grating and screen on an optical bench, with
// the beams of the orders and the bands they make on the screen.
void dibujar_laboratorio(QPainter& p, QSize tam);

// The grating and its screen from the side: slit width, distance, angle, path
// difference, the position on the screen, and the bands and intensity there.
void dibujar_red_pantalla(QPainter& p, QSize tam);

// A painter of an overlay picture, and the size the picture files have.
using Pintor = void (*)(QPainter&, QSize);
inline constexpr QSize tamano_ilustracion(1600, 990);

// Whether `imagen` is `pintor`'s picture as guardar_dibujos writes it, so that it
// can be drawn afresh at the pixels it is shown at. Compared in blocks of 16
// pixels: text rendered with other hinting still matches, an edited picture not.
bool es_dibujo_de(const QImage& imagen, Pintor pintor);

// The illustration of the model window: tamano_modelo pixels, one bit per
// pixel; drawn at `escala` device pixels a pixel, with that device pixel ratio.
inline constexpr QSize tamano_modelo(456, 156);
QImage imagen_modelo(double escala = 1);

// A magnifier button of the zoom window (designed 16 x 16, drawn `lado` pixels
// square): plus sign (`acercar`) or minus, active or greyed.
QImage imagen_lupa(bool acercar, bool activa, int lado = 16);

// Writes the picture files the program reads into `carpeta`: "espectro.bmp",
// "lab.bmp", "pantalla.bmp" and the four magnifiers. Returns the files it could
// not write.
QStringList guardar_dibujos(const QString& carpeta);
