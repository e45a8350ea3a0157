// The spin buttons.
#include "entry/boton_spin.h"
#include "entry/caja_valor.h"
#include "entry/entrada.h"
#include "toolkit/colores.h"
#include "toolkit/texto.h"

#include <QElapsedTimer>

#include <thread>

namespace {

// A button held this long starts repeating, as toolkit spin boxes do.
constexpr std::chrono::milliseconds demora_repeticion{400};

// The press mark: drawn in invert mode, so the second drawing restores the arrow.
void marcar(BotonSpin* b) {
    b->caja_llena({0, 0}, {16, 13}, gris_marca);
}

} // namespace

// A click has taken the focus with its press; a screen reader's press takes it
// here, so that the value box being typed in is left (and its number checked
// and stored, or refused) before the step, as for a click.
void EntradaValores::al_pulsar_boton(const Flecha& f) {
    f.boton->setFocus(Qt::OtherFocusReason);
    if (f.boton->window()->focusWidget() == f.boton) {
        pulsar(f);
    }
}

void EntradaValores::pulsar(const Flecha& f) {
    QElapsedTimer t0;
    t0.start();
    marcar(f.boton);
    f.boton->repaint(); // nothing is painted during the pause, so show the mark now
    dar_un_paso(f);

    // The window holds still, processing nothing; clicks made meanwhile are
    // handled one by one afterwards. Sleeping spares the processor.
    const std::chrono::nanoseconds pausa = pausa_;
    while (t0.nsecsElapsed() <= pausa.count()) {
        std::this_thread::sleep_for(pausa - std::chrono::nanoseconds(t0.nsecsElapsed()) +
                                    std::chrono::nanoseconds(1));
    }
    marcar(f.boton);
    f.boton->update();
}

void EntradaValores::dar_un_paso(const Flecha& f) {
    const Magnitud m = f.m;
    // Comparing curves: geometry and wavelength exclude each other until a clearing.
    if (es_extremo(m)) {
        emit paso_de_extremo();
    } else if (hay_curvas_ && m != Magnitud::onda) {
        comparando_ = Comparacion::geometria;
        for (BotonSpin* o : botones_onda()) {
            o->setEnabled(false);
        }
        emit comparando_geometria_por_paso();
    } else if (hay_curvas_) {
        comparando_ = Comparacion::onda;
        for (BotonSpin* g : botones_geometria()) {
            g->setEnabled(false);
        }
        emit comparando_onda_por_paso(!f.fino && f.sentido == Sentido::arriba);
    }

    const Fijo inferior = actuales().valor(Magnitud::inferior);
    const Fijo superior = actuales().valor(Magnitud::superior);
    const Fijo v = actuales().valor(m);
    const Fijo s = es_extremo(m) ? paso_sector(inferior, superior)
                   : f.fino      ? *f.fino
                                 : paso_valor(v, f.sentido);
    const Fijo n = f.sentido == Sentido::arriba ? v + s : v - s;
    // The markers' tops, in single precision: the upper one 0.2 above its end.
    const auto tope_superior = static_cast<float>(superior.a_double() + 0.2);
    const auto tope_inferior = static_cast<float>(inferior.a_double());
    const bool cruza = (m == Magnitud::inferior && f.sentido == Sentido::arriba &&
                        cruza_superior(n, tope_superior)) ||
                       (m == Magnitud::superior && f.sentido == Sentido::abajo &&
                        cruza_inferior(n, tope_inferior));
    if (!cruza) {
        if (const auto nuevo =
                dar_paso(v, s, f.sentido, actuales().minimo(m), actuales().maximo(m))) {
            aplicar_paso(m, *nuevo);
        }
    }
}

void EntradaValores::aplicar_paso(Magnitud m, Fijo n) {
    parametros_.fijar(m, n);
    if (es_extremo(m)) {
        mostrar_seno(m);
    } else {
        caja(m)->setText(texto_fijo(n));
    }
    if (caja(m)->hasFocus()) {
        caja(m)->selectAll(); // stepped from the keyboard: what is typed next replaces it
    }
}

// The button shows pressed for as long as it is held.
void EntradaValores::sostener(const Flecha& f, const QObject* origen) {
    soltar(sostenida_por_);
    sostenida_ = f;
    sostenida_por_ = origen;
    marcar(f.boton);
    repeticion_.start(demora_repeticion);
}

void EntradaValores::soltar(const QObject* origen) {
    if (!sostenida_ || origen != sostenida_por_) {
        return;
    }
    repeticion_.stop();
    marcar(sostenida_->boton);
    sostenida_->boton->update();
    sostenida_.reset();
    sostenida_por_ = nullptr;
}

void EntradaValores::repetir() {
    if (!sostenida_) {
        return;
    }
    if (bloqueada(*sostenida_)) { // a locked button takes no step
        soltar(sostenida_por_);
        return;
    }
    dar_un_paso(*sostenida_);
    if (sostenida_) {
        repeticion_.start(pausa_);
    }
}
