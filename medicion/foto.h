#pragma once

#include "model/ajuste.h"

#include <QImage>
#include <QPointF>

#include <vector>

// The light along the segment a–b of a photo (pixel coordinates), one sample
// to a pixel of its length: the luminance of the sRGB colours made linear
// again (the camera's gamma undone), read between pixels and averaged over
// `ancho` pixels across the segment, which the noise of a sensor needs.
std::vector<double> luz_a_lo_largo(const QImage& foto, QPointF a, QPointF b, int ancho = 5);

// The profile of that segment when its ends stand at the screen positions
// `pos_a` and `pos_b` (millimetres from the central maximum) and the screen
// `distancia` millimetres from the grating.
Perfil perfil_de_foto(const QImage& foto, QPointF a, QPointF b, double pos_a, double pos_b,
                      double distancia);
// The same when only the segment's length on the screen is known, `largo`
// millimetres: its brightest point is taken for the central maximum.
Perfil perfil_desde_el_centro(const QImage& foto, QPointF a, QPointF b, double largo,
                              double distancia);
