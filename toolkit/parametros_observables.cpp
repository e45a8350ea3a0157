#include "toolkit/parametros_observables.h"

void ParametrosObservables::fijar(Magnitud m, Fijo v) {
    if (parametros_.valor(m) != v) {
        parametros_.fijar(m, v);
        emit cambiado(m);
    }
}

void ParametrosObservables::reemplazar(const Parametros& p) {
    parametros_ = p;
    for (Magnitud m : magnitudes) {
        emit cambiado(m);
    }
}
