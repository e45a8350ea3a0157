// The value boxes: selection, typing, the live sector, and the check on leaving.
#include "entry/caja_valor.h"
#include "entry/entrada.h"
#include "toolkit/clics.h"
#include "toolkit/colores.h"
#include "toolkit/mensaje.h"
#include "toolkit/texto.h"

namespace {

// A box counts as selected exactly while it has this background.
const Color fondo_seleccion = RGB(0, 0, 130);
const Color texto_seleccion = RGB(200, 200, 200);

} // namespace

double EntradaValores::leer(Magnitud m) const {
    return leer_numero(convertir(caja(m)->text()));
}

void EntradaValores::colorear(Magnitud m, bool seleccion) {
    QPalette p = caja(m)->palette();
    p.setColor(QPalette::Base, a_qcolor(seleccion ? fondo_seleccion : color_fondo_));
    p.setColor(QPalette::Text, a_qcolor(seleccion ? texto_seleccion : color_texto_));
    caja(m)->setPalette(p);
}

bool EntradaValores::seleccionada(Magnitud m) const {
    const QColor c = caja(m)->palette().color(QPalette::Base);
    return RGB(c.red(), c.green(), c.blue()) == fondo_seleccion;
}

void EntradaValores::al_presionar(Magnitud m) {
    ultima_presionada_ = m;
    presionada_alguna_ = true;
    colorear(m, true);
}

void EntradaValores::al_teclear(Magnitud m) {
    // The key is inserted after this, so it becomes the first character.
    if (seleccionada(m)) {
        colorear(m, false);
        caja(m)->clear();
    }
}

void EntradaValores::al_soltar_tecla(Magnitud m) {
    if (es_extremo(m)) {
        seguir_extremos();
    }
}

void EntradaValores::seguir_extremos() {
    if (leer(Magnitud::superior) > 0.89) {
        caja(Magnitud::superior)->setText(texto_numero(0.89));
    }
    if (leer(Magnitud::inferior) < -0.9) {
        caja(Magnitud::inferior)->setText(texto_numero(-0.9));
    }
    // A sine with no place on the screen (1 or more, not a number) leaves its
    // end where it was, and leaving the box with it is refused; any other keeps
    // its end within the end's limits, on the strip.
    for (Magnitud m : {Magnitud::inferior, Magnitud::superior}) {
        if (const auto t = tangente_de_seno(leer(m))) {
            parametros_.fijar(m, parametros_.dentro_de_limites(m, *t));
        }
    }
    emit extremos_cambiados();
}

void EntradaValores::al_salir(Magnitud m) {
    if (rechazando_) {
        return; // the focus coming back, or the message box taking it
    }
    double x = leer(m);
    if (m == Magnitud::ranuras) {
        x = round_even(x); // slits come whole: 2.5 typed is 2 slits, and the box says so
    }
    std::optional<Fijo> nuevo;
    if (es_extremo(m)) {
        nuevo = tangente_de_seno(x);
    } else if (parametros_.admite(m, x)) {
        nuevo = Fijo::desde(x);
    }
    if (!nuevo) {
        rechazando_ = true;
        const ClicRehusado rehusado;
        caja(m)->setFocus(Qt::OtherFocusReason);
        if (presionada_alguna_) {
            colorear(ultima_presionada_, false);
        }
        colorear(m, true);
        mensaje(QStringLiteral("Valor Fuera de rango"));
        // Closing the message box gives the focus to the control that was being clicked.
        caja(m)->setFocus(Qt::OtherFocusReason);
        rechazando_ = false;
        return;
    }
    // An end past its limits stops at the limit, and its box says where.
    const Fijo dentro = es_extremo(m) ? parametros_.dentro_de_limites(m, *nuevo) : *nuevo;
    parametros_.fijar(m, dentro);
    if (dentro != *nuevo) {
        mostrar_seno(m);
    } else {
        caja(m)->setText(texto_numero(x));
    }
    colorear(m, false);
    if (m == Magnitud::onda) {
        emit onda_cambiada();
    } else if (es_extremo(m)) {
        emit extremos_cambiados();
    }
}
