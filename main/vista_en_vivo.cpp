#include "main/vista_en_vivo.h"

#include "entry/entrada.h"
#include "grafica/grafica.h"
#include "screen/sector_ampliado.h"
#include "toolkit/parametros_observables.h"

int lugar_de_curva(const std::vector<Curva>& curvas, const Curva& c) {
    // One graph never mixes sine axes.
    const bool de_nuevo =
        curvas.size() >= 6 || (!curvas.empty() && (curvas.back().inferior != c.inferior ||
                                                   curvas.back().superior != c.superior));
    return de_nuevo ? 1 : static_cast<int>(curvas.size()) + 1;
}

VistaEnVivo::VistaEnVivo(const ParametrosObservables& parametros, Grafica& grafica,
                         SectorAmpliado& sector, const EntradaValores& entrada, QObject* padre)
    : QObject(padre), parametros_(parametros), grafica_(grafica), sector_(sector),
      entrada_(entrada) {
    // A zero timer runs once the events already queued are handled: a burst of
    // changes (a held spin button, a fast drag) ends in one preview of its last case.
    pendiente_.setSingleShot(true);
    pendiente_.setInterval(0);
    connect(&pendiente_, &QTimer::timeout, this, &VistaEnVivo::dibujar);
    connect(&parametros_, &ParametrosObservables::cambiado, this, &VistaEnVivo::pedir);
}

void VistaEnVivo::set_activa(bool activa) {
    activa_ = activa;
    if (activa_) {
        pedir();
    } else {
        quitar();
    }
}

void VistaEnVivo::extremo_provisional(Magnitud m, Fijo valor) {
    if (provisional_ != std::pair{m, valor}) {
        provisional_ = std::pair{m, valor};
        pedir();
    }
}

void VistaEnVivo::sin_provisional() {
    if (provisional_) {
        provisional_.reset();
        pedir();
    }
}

void VistaEnVivo::quitar() {
    pendiente_.stop();
    grafica_.quitar_previa();
    sector_.quitar_previa();
}

void VistaEnVivo::pedir() {
    if (activa_ && !pendiente_.isActive()) {
        pendiente_.start();
    }
}

void VistaEnVivo::dibujar() {
    if (!activa_) {
        return;
    }
    Parametros p = parametros_.actuales();
    if (provisional_) {
        p.fijar(provisional_->first, provisional_->second);
    }
    const Curva c = curva_de(p);
    // What "Graficar" would refuse has no preview.
    if (objecion_al_graficar(c.seno_min(), c.seno_max(), p) != Objecion::ninguna) {
        quitar();
        return;
    }
    const Muestreo m = grafica_.mostrar_previa(c);
    // A plot that starts the graph over starts the bands from black too.
    const int k = lugar_de_curva(grafica_.curvas(), c);
    sector_.mostrar_previa(c, k, m.filas,
                           entrada_.comparando_geometria() || (k == 1 && grafica_.hay_curvas()));
    ++dibujadas_;
}
