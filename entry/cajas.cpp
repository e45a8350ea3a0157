// The value boxes: selection, typing, the live sector, and the check on leaving.
#include "entry/boton_spin.h"
#include "entry/caja_valor.h"
#include "entry/entrada.h"
#include "toolkit/clics.h"
#include "toolkit/colores.h"
#include "toolkit/mensaje.h"
#include "toolkit/texto.h"

#include <algorithm>

namespace {

// The whole number is selected (an empty box has nothing to select).
bool todo_seleccionado(const CajaValor* c) {
    return c->text().isEmpty() || c->selectedText() == c->text();
}

// The box shows `texto` as if it had been typed, so the arrows still accept it first.
void escribir_como_tecleado(CajaValor* c, const QString& texto) {
    const bool modificada = c->isModified();
    c->setText(texto);
    c->setModified(modificada);
}

} // namespace

double EntradaValores::leer(Magnitud m) const {
    return leer_numero(convertir(caja(m)->text()));
}

// The selection of a selected box takes its colours, so the box reads as one block.
void EntradaValores::colorear(Magnitud m, bool seleccion) {
    seleccionada_[indice(m)] = seleccion;
    QPalette p = caja(m)->palette();
    const QColor fondo = seleccion ? fondo_caja_seleccionada : color_fondo_;
    const QColor texto = seleccion ? texto_caja_seleccionada : color_texto_;
    p.setColor(QPalette::Base, fondo);
    p.setColor(QPalette::Text, texto);
    p.setColor(QPalette::Highlight, seleccion ? fondo : resaltado_);
    p.setColor(QPalette::HighlightedText, seleccion ? texto : texto_resaltado_);
    caja(m)->setPalette(p);
}

// A real selection of the whole number: what is typed or pasted replaces it, a
// shortcut copies it, and the colours go when the selection does.
void EntradaValores::seleccionar(Magnitud m) {
    caja(m)->selectAll();
    colorear(m, true);
}

void EntradaValores::al_presionar(Magnitud m) {
    ultima_presionada_ = m;
    presionada_alguna_ = true;
    seleccionar(m);
}

void EntradaValores::al_cambiar_seleccion(Magnitud m) {
    if (seleccionada_[indice(m)] && !todo_seleccionado(caja(m))) {
        colorear(m, false);
    }
}

// Any change the user makes (typed, pasted, cut, undone, dropped), never one the program makes.
void EntradaValores::al_editar(Magnitud m) {
    if (seleccionada_[indice(m)]) {
        colorear(m, false);
    }
    if (es_extremo(m)) {
        seguir_extremos();
    }
}

void EntradaValores::seguir_extremos() {
    if (leer(Magnitud::superior) > 0.89) {
        escribir_como_tecleado(caja(Magnitud::superior), texto_numero(0.89));
    }
    if (leer(Magnitud::inferior) < -0.9) {
        escribir_como_tecleado(caja(Magnitud::inferior), texto_numero(-0.9));
    }
    // A sine with no place on the screen (1 or more, not a number) leaves its
    // end where it was, and leaving the box with it is refused; any other keeps
    // its end within the end's limits, on the strip.
    for (Magnitud m : {Magnitud::inferior, Magnitud::superior}) {
        if (const auto t = tangente_de_seno(leer(m))) {
            parametros_.fijar(m, actuales().dentro_de_limites(m, *t));
        }
    }
}

void EntradaValores::al_salir(Magnitud m) {
    if (rechazando_) {
        return; // the focus coming back, or the message box taking it
    }
    aceptar(m);
}

// A number typed is taken as leaving the box takes it. One the program wrote
// is stored already (an end's box, rounded, would move its end if read back).
void EntradaValores::al_pulsar_enter(Magnitud m) {
    if (!caja(m)->isModified() || aceptar(m)) {
        caja(m)->selectAll(); // as a spin box does: the next number typed replaces it
    }
}

void EntradaValores::al_pulsar_flecha(Magnitud m, Sentido sentido) {
    const auto es_su_boton = [&](const Flecha& f) {
        return f.m == m && !f.fino && f.sentido == sentido;
    };
    const Flecha& f = *std::ranges::find_if(flechas_, es_su_boton);
    if (bloqueada(f)) {
        return; // locked while curves are compared, as the button is
    }
    // A number typed and not yet stored is taken first, as leaving would take it.
    if (caja(m)->isModified() && !aceptar(m)) {
        return;
    }
    pulsar(f);
    sostener(f, caja(m));
}

bool EntradaValores::aceptar(Magnitud m) {
    double x = leer(m);
    std::optional<Fijo> nuevo;
    if (es_extremo(m)) {
        nuevo = tangente_de_seno(x);
    } else if (actuales().admite(m, x)) {
        // Judged as typed, then whole: 0.55 is below one slit, 2.5 is 2 slits and the box says so.
        x = m == Magnitud::ranuras ? round_even(x) : x;
        nuevo = Fijo::desde(x);
    }
    if (!nuevo) {
        rechazando_ = true;
        const ClicRehusado rehusado;
        caja(m)->setFocus(Qt::OtherFocusReason);
        if (presionada_alguna_) {
            colorear(ultima_presionada_, false);
        }
        seleccionar(m);
        mensaje(QStringLiteral("Valor Fuera de rango"));
        // Closing the message box gives the focus to the control that was being clicked.
        caja(m)->setFocus(Qt::OtherFocusReason);
        seleccionar(m);
        rechazando_ = false;
        return false;
    }
    // An end past its limits stops at the limit, and its box says where.
    const Fijo dentro = es_extremo(m) ? actuales().dentro_de_limites(m, *nuevo) : *nuevo;
    parametros_.fijar(m, dentro);
    if (dentro != *nuevo) {
        mostrar_seno(m);
    } else {
        // An end's box keeps the sine typed; another shows what is kept, to four decimals.
        caja(m)->setText(es_extremo(m) ? texto_numero(x) : texto_fijo(dentro));
    }
    colorear(m, false);
    return true;
}
