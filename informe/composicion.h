#pragma once

#include "model/curva.h"

#include <QColor>
#include <QLocale>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// One thing drawn on the figure, in millimetres from its top left corner.
struct Primitiva {
    enum class Tipo {
        linea,      // a polyline through `puntos`
        curva,      // a curve of the graph: one path through `puntos`
        poligono,   // closed through `puntos`, filled with `relleno` when valid
        rectangulo, // `caja`, filled with `relleno` when valid, outlined when `grosor` > 0
        texto       // `texto` in `caja` aligned by `alineacion`, `letra` points high
    };
    Tipo tipo = Tipo::linea;
    QColor color = Qt::black;
    QColor relleno;
    double grosor = 0; // mm
    QPolygonF puntos;
    QRectF caja;
    QString texto;
    int alineacion = 0;    // Qt::Alignment
    double letra = 0;      // points
    bool vertical = false; // text read from the bottom up
    // A line's dashes and gaps in millimetres, in turn; empty for a solid line.
    std::vector<double> trazos;
};

// The labelled figure of a graph: its size in millimetres and what is drawn on it.
struct Composicion {
    QSizeF tamano;
    std::vector<Primitiva> primitivas;
};

// The width in millimetres of a text at a size in points.
using Medida = std::function<double(const QString& texto, double puntos)>;

// How the figure is laid out: its width, how many columns a millimetre of the
// plot is reduced to (the device's pixels for a picture, a fine grid for a
// vector drawing), the locale of its numbers, and how wide its font writes a
// text (an estimate when not given), for the lines that must be broken.
struct OpcionesFigura {
    double ancho_mm = 160;
    double columnas_por_mm = 600 / 25.4;
    QLocale locale;
    Medida medir;
    // What the figure stands on; every text is made to read against it.
    QColor fondo = Qt::white;
    // When set, the horizontal quantity is the position y = D tan θ (mm) on a
    // screen at this distance D (cm) instead of the sine.
    std::optional<double> pantalla_cm;
};

// The graph of `curvas` (one sector, each curve on its own scale of N² as the
// screen shows it, sampled and reduced as the graph does, in its colour) with
// a sine axis below, the deviation angle in degrees above, the relative
// intensity I/N² at the left, the principal maxima marked with their order m
// (missing ones in parentheses; one label where orders of several curves fall
// together) and a legend of each curve's L, a, d and N; each curve in a line
// style of its own as well as its colour.
Composicion componer(const std::vector<Curva>& curvas, const OpcionesFigura& opciones);

// The legend's line of curve number `k`, as the figure writes it where it fits:
// "Curva k:", L, a, d and N.
QStringList partes_leyenda(int k, const Curva& c, const QLocale& locale);
QString leyenda(int k, const Curva& c, const QLocale& locale);
