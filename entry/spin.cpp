// The sixteen spin buttons.
#include "main/form1.h"

#include "entry/boton_spin.h"
#include "entry/caja_valor.h"
#include "entry/reglas_caja.h"
#include "main/texto.h"
#include "screen/marcador.h"

#include <QElapsedTimer>
#include <QRadioButton>

#include <thread>

namespace {

const QString banda_unica = QStringLiteral("Banda única/");

// The press mark: drawn in invert mode, so the second drawing restores the arrow.
void invertir_marca(BotonSpin* b, Color gris) {
    b->caja_llena({0, 0}, {16, 13}, gris);
}

} // namespace

void Form1::SpinUp_Click(int Index) {
    if (Index >= 1 && Index <= 6) {
        pulsar(SpinUp[Index], Index, Sentido::arriba, std::nullopt);
    }
}

void Form1::SpinDown_Click(int Index) {
    if (Index >= 1 && Index <= 6) {
        pulsar(SpinDown[Index], Index, Sentido::abajo, std::nullopt);
    }
}

void Form1::SpinUp1_Click() {
    if (SpinUp1->isEnabled()) {
        pulsar(SpinUp1, 6, Sentido::arriba, Fijo::crudo(100));
    }
}

void Form1::SpinDown1_Click() {
    if (SpinDown1->isEnabled()) {
        pulsar(SpinDown1, 6, Sentido::abajo, Fijo::crudo(100));
    }
}

void Form1::SpinUp2_Click() {
    if (SpinUp2->isEnabled()) {
        pulsar(SpinUp2, 6, Sentido::arriba, Fijo::crudo(10));
    }
}

void Form1::SpinDown2_Click() {
    if (SpinDown2->isEnabled()) {
        pulsar(SpinDown2, 6, Sentido::abajo, Fijo::crudo(10));
    }
}

void Form1::pulsar(BotonSpin* b, int Index, Sentido sentido, std::optional<Fijo> fino) {
    QElapsedTimer t0;
    t0.start();
    invertir_marca(b, g.gris);
    b->repaint(); // nothing is painted during the pause, so show the mark now

    // Comparing curves: geometry and wavelength exclude each other until a clearing.
    if (Index <= 2) {
        borrar();
    } else if (Index <= 5) {
        if (graficado) {
            bloquear_onda();
        }
    } else if (graficado) {
        bloquear_geometria(!fino && sentido == Sentido::arriba);
    }

    const Fijo s = Index <= 2 ? paso_sector(g.valor[1], g.valor[2])
                   : fino     ? *fino
                              : paso_valor(g.valor[Index], sentido);
    const Fijo n = sentido == Sentido::arriba ? g.valor[Index] + s : g.valor[Index] - s;
    const bool cruza = (Index == 1 && sentido == Sentido::arriba && cruza_superior(n, sup->top)) ||
                       (Index == 2 && sentido == Sentido::abajo && cruza_inferior(n, inf->top));
    if (!cruza) {
        if (const auto nuevo = dar_paso(g.valor[Index], s, sentido, minimo[Index], maximo[Index])) {
            aplicar_paso(Index, *nuevo);
        }
    }

    // The window holds still, processing nothing; clicks made meanwhile are
    // handled one by one afterwards. Sleeping spares the processor.
    const std::chrono::nanoseconds pausa = pausa_spin;
    while (t0.nsecsElapsed() <= pausa.count()) {
        std::this_thread::sleep_for(pausa - std::chrono::nanoseconds(t0.nsecsElapsed()) +
                                    std::chrono::nanoseconds(1));
    }
    invertir_marca(b, g.gris);
    b->update();
}

void Form1::aplicar_paso(int Index, Fijo n) {
    // The stored value comes first: writing box 6 colours the rays from it.
    g.valor[Index] = n;
    ValorT[Index]->setText(texto_fijo(n));
    if (Index == 1) {
        mover_marcador(inf, static_cast<float>(g.valor[1].a_double()));
    } else if (Index == 2) {
        mover_marcador(sup, static_cast<float>(g.valor[2].a_double() + 0.2));
    }
    if (Index <= 2) {
        ValorT[Index]->setText(texto_numero(formato(seno_de_tangente(g.valor[Index]))));
        lineas(QBColor(7));
        pantalla(g.valor[2], g.valor[1]);
    }
}

void Form1::bloquear_onda() {
    for (BotonSpin* b : {SpinUp[6], SpinDown[6], SpinUp1, SpinDown1, SpinUp2, SpinDown2}) {
        b->setEnabled(false);
    }
    if (Option1[0]->isChecked()) {
        Option1[0]->setText(banda_unica + fin_linea + QStringLiteral("último ensayo"));
    }
}

void Form1::bloquear_geometria(bool mayuscula) {
    cambio_spin = true;
    for (int i = 3; i <= 5; ++i) {
        SpinUp[i]->setEnabled(false);
        SpinDown[i]->setEnabled(false);
    }
    // Selecting single band runs the band-mode handling, which sees the flag and
    // keeps the graph. When single band was already selected nothing runs, so the
    // flag is dropped here: it must not spare the user's next band-mode change.
    Option1[0]->setChecked(true);
    cambio_spin = false;
    set_color_texto(Option1[0], 255);
    set_color_texto(Option1[1], 1);
    Option1[0]->setText(
        banda_unica + fin_linea +
        (mayuscula ? QStringLiteral("Intensidad total") : QStringLiteral("intensidad total")));
}
