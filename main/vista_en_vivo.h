#pragma once

#include "model/curva.h"
#include "model/parametros.h"

#include <QObject>
#include <QTimer>

#include <optional>
#include <utility>
#include <vector>

class EntradaValores;
class Grafica;
class ParametrosObservables;
class SectorAmpliado;

// Where curve c goes among `curvas` when plotted: the next place (1..6), or 1
// when it starts the graph over (six curves already, or another sector).
int lugar_de_curva(const std::vector<Curva>& curvas, const Curva& c);

// The live view: while it is on, every change of the parameter set, and every
// place a sector marker is dragged over, shows the case as "Graficar" would
// plot it, over the graph and the enlarged sector. Changes that come while a
// preview is drawn are taken together: the next preview is of the latest case,
// and the window answers its events between two previews.
class VistaEnVivo : public QObject {
    Q_OBJECT
public:
    VistaEnVivo(const ParametrosObservables& parametros, Grafica& grafica, SectorAmpliado& sector,
                const EntradaValores& entrada, QObject* padre);

    void set_activa(bool activa);
    bool activa() const { return activa_; }
    // A marker dragged: the end it would set, until `sin_provisional()`.
    void extremo_provisional(Magnitud m, Fijo valor);
    void sin_provisional();
    // The preview taken away (a plot made it a curve, or the graph was cleared);
    // the next change shows one again.
    void quitar();
    // How many previews have been drawn (for the benchmarks and tests).
    long long dibujadas() const { return dibujadas_; }

private:
    void pedir();
    void dibujar();

    const ParametrosObservables& parametros_;
    Grafica& grafica_;
    SectorAmpliado& sector_;
    const EntradaValores& entrada_;
    QTimer pendiente_;
    bool activa_ = false;
    std::optional<std::pair<Magnitud, Fijo>> provisional_;
    long long dibujadas_ = 0;
};
