#pragma once

#include <QRect>
#include <QString>

#include <optional>

class QLabel;
class Parametros;

// The sine read-out over the graph and the enlarged sector:
// Int(s · 1000 + 0.005 · Sgn(x)) / 1000, Int rounding down, x being the
// pointer's horizontal position (the sine itself over the graph).
double tres_decimales(double s, double x);

// The two read-outs of the data frame: the sine under the pointer, and the
// intensity of the current case there relative to a slit of 1 micrometre
// (I · a², to four decimals), and, while the orders are shown, the order of a
// principal maximum under the pointer ("m = 2"). Past a sine of ±1 (a drag can
// take the pointer off the graph) there is nothing to read and all go blank. A
// screen reader hears each with its number: "Seno 0,123", "Intensidad 4,1406",
// "Orden m = 2". With a screen at a distance D set, a fourth gives the
// position there, y = D · tan θ ("y = 68,2 mm").
class Lecturas {
public:
    Lecturas(QLabel* seno, QLabel* intensidad, QLabel* orden, QLabel* pantalla,
             const Parametros& parametros);

    void sobre_grafica(double x, std::optional<int> orden = std::nullopt);
    void set_orden_visible(bool visible);
    // The screen's distance in cm, or none: the position's read-out hidden.
    void set_distancia_pantalla(std::optional<double> cm);
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
    void poner_orden(const QString& texto);
    void poner_pantalla(double seno);

    QLabel* seno_;
    QLabel* intensidad_;
    QLabel* orden_;
    QLabel* pantalla_;
    std::optional<double> distancia_cm_;
    const Parametros& parametros_;
};
