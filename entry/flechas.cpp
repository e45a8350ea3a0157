// The spin buttons.
#include "entry/boton_spin.h"
#include "entry/caja_valor.h"
#include "entry/entrada.h"
#include "toolkit/colores.h"
#include "toolkit/texto.h"

#include <QElapsedTimer>

#include <thread>

namespace {

// The press mark: drawn in invert mode, so the second drawing restores the arrow.
void marcar(BotonSpin* b) {
    b->caja_llena({0, 0}, {16, 13}, gris_marca);
}

} // namespace

void EntradaValores::pulsar(BotonSpin* b, Magnitud m, Sentido sentido, std::optional<Fijo> fino) {
    QElapsedTimer t0;
    t0.start();
    marcar(b);
    b->repaint(); // nothing is painted during the pause, so show the mark now

    // Comparing curves: geometry and wavelength exclude each other until a clearing.
    if (es_extremo(m)) {
        emit paso_de_extremo();
    } else if (hay_curvas_ && m != Magnitud::onda) {
        for (BotonSpin* o : botones_onda()) {
            o->setEnabled(false);
        }
        emit comparando_geometria_por_paso();
    } else if (hay_curvas_) {
        for (BotonSpin* g : botones_geometria()) {
            g->setEnabled(false);
        }
        emit comparando_onda_por_paso(!fino && sentido == Sentido::arriba);
    }

    const Fijo inferior = parametros_.valor(Magnitud::inferior);
    const Fijo superior = parametros_.valor(Magnitud::superior);
    const Fijo v = parametros_.valor(m);
    const Fijo s = es_extremo(m) ? paso_sector(inferior, superior)
                   : fino        ? *fino
                                 : paso_valor(v, sentido);
    const Fijo n = sentido == Sentido::arriba ? v + s : v - s;
    // The markers' tops, in single precision: the upper one 0.2 above its end.
    const auto tope_superior = static_cast<float>(superior.a_double() + 0.2);
    const auto tope_inferior = static_cast<float>(inferior.a_double());
    const bool cruza =
        (m == Magnitud::inferior && sentido == Sentido::arriba &&
         cruza_superior(n, tope_superior)) ||
        (m == Magnitud::superior && sentido == Sentido::abajo && cruza_inferior(n, tope_inferior));
    if (!cruza) {
        if (const auto nuevo =
                dar_paso(v, s, sentido, parametros_.minimo(m), parametros_.maximo(m))) {
            aplicar_paso(m, *nuevo);
        }
    }

    // The window holds still, processing nothing; clicks made meanwhile are
    // handled one by one afterwards. Sleeping spares the processor.
    const std::chrono::nanoseconds pausa = pausa_;
    while (t0.nsecsElapsed() <= pausa.count()) {
        std::this_thread::sleep_for(pausa - std::chrono::nanoseconds(t0.nsecsElapsed()) +
                                    std::chrono::nanoseconds(1));
    }
    marcar(b);
    b->update();
}

void EntradaValores::aplicar_paso(Magnitud m, Fijo n) {
    // The stored value comes first: writing the wavelength's box colours the rays from it.
    parametros_.fijar(m, n);
    if (es_extremo(m)) {
        mostrar_seno(m);
        emit extremos_cambiados();
    } else {
        caja(m)->setText(texto_fijo(n));
    }
}
