#pragma once

#include "informe/composicion.h"
#include "model/curva.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QLocale>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

// Paints `c` with `por_mm` device units to a millimetre: the same code paints
// the vector drawings and the pictures.
void pintar(QPainter& p, const Composicion& c, double por_mm);

enum class Formato { svg, pdf, png };
// The format a file's extension names (any case), if it names one.
std::optional<Formato> formato_de(const QString& ruta);
QString extension(Formato f);

// What an exported figure is made at: its width, the resolution of a picture
// (dots per inch), the locale of its numbers, its ground, and the screen
// distance (cm) when the horizontal quantity is the position on the screen.
struct Exportacion {
    double ancho_mm = 160;
    int ppp = 300;
    QLocale locale;
    QColor fondo = Qt::white;
    std::optional<double> pantalla_cm;
};

// The figure of `curvas` as a picture: `ancho_mm` at `ppp` wide, the dots per
// inch recorded in it.
QImage imagen_figura(const std::vector<Curva>& curvas, const Exportacion& e);
// The figure as the bytes of a file: SVG and PDF drawn as vectors `ancho_mm`
// wide (the PDF with its fonts embedded), PNG as `imagen_figura`.
QByteArray bytes_figura(const std::vector<Curva>& curvas, Formato f, const Exportacion& e);
