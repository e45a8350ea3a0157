#pragma once

#include <QRect>
#include <QString>

class QLabel;
class Parametros;

// The sine read-out over the graph and the enlarged sector:
// Int(s · 1000 + 0.005 · Sgn(x)) / 1000, Int rounding down, x being the
// pointer's horizontal position (the sine itself over the graph).
double tres_decimales(double s, double x);

// The two read-outs of the data frame: the sine under the pointer, and the
// intensity of the current case there relative to a slit of 1 micrometre
// (I · a², to four decimals). Past a sine of ±1 (a drag can take the pointer
// off the graph) there is nothing to read and both go blank. A screen reader
// hears each with its number: "Seno 0,123", "Intensidad 4,1406".
class Lecturas {
public:
    Lecturas(QLabel* seno, QLabel* intensidad, const Parametros& parametros);

    void sobre_grafica(double x);
    void sobre_sector(double seno, double x);
    // Over the zoom drawing the sine keeps four decimals.
    void sobre_zoom(double x);
    void borrar();
    void borrar_seno();
    // Where the two are, in screen coordinates.
    QRect zona() const;

private:
    void mostrar(const QString& texto_seno, double seno);
    void poner_seno(const QString& texto);
    void poner_intensidad(const QString& texto);

    QLabel* seno_;
    QLabel* intensidad_;
    const Parametros& parametros_;
};
