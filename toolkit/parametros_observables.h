#pragma once

#include "model/parametros.h"

#include <QObject>

// The parameter set the windows share, which says what changes in it: the
// value entry writes it, and the views that show it (the sketch with its rays
// and sector, the read-outs) read it and follow what changed.
class ParametrosObservables : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    const Parametros& actuales() const { return parametros_; }
    // `m` holds `v` from now on, and `cambiado(m)` says so if it held another value.
    void fijar(Magnitud m, Fijo v);
    // A whole set with its limits (the start-up values): every quantity is said to change.
    void reemplazar(const Parametros& p);

signals:
    void cambiado(Magnitud m);

private:
    Parametros parametros_;
};
