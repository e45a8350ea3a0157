// The bands of the enlarged sector, the band modes and clearing.
#include "main/form1.h"

#include "entry/boton_spin.h"
#include "toolkit/forma.h"
#include "toolkit/picture_box.h"

#include <QListWidget>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace {

double tope(double x) {
    return std::min(x, 255.0);
}

} // namespace

void Form1::pintar_bandas(const std::array<double, 1001>& tabla_max) {
    const double v1 = g.valor[1].a_double(), v2 = g.valor[2].a_double();
    const double paso = std::fabs(v2 - v1) / 1000;
    const double n = g.valor[3].a_double();
    const double azul_onda = color_b.a_double();
    const bool comparando_geometria = !SpinDown[6]->isEnabled();
    const bool banda_unica = Option1[0]->isChecked();
    const int k = g.ncurvas;
    int i = 0;
    // Each row is painted as a strip up to the next row, so the sector is
    // covered row by row without gaps at any size.
    for (double y = v1; y <= v2 && i <= 1000; y += paso) {
        const auto b = static_cast<std::size_t>(round_even(i / (10 / 3.5)));
        const double f = tabla_max[b] / (n * n);
        if (comparando_geometria) {
            rojo[i] = verde[i] = azul[i] = 0;
        }
        const double R = tope(rojo[i] + f * color_r);
        const double G = tope(verde[i] + f * color_g);
        const double B = tope(azul[i] + f * azul_onda);
        if (banda_unica) {
            Picture2->caja_llena({0, y}, {6, y + paso},
                                 RGB(round_even(R), round_even(G), round_even(B)));
        } else {
            Picture2->caja_llena({double(k - 1), y}, {double(k), y + paso},
                                 RGB(f * color_r, f * color_g, f * azul_onda));
            if (k < 6) {
                Picture2->caja_llena({double(k), y}, {6, y + paso}, 0xFFFFFF);
            }
        }
        rojo[i] = static_cast<std::int16_t>(round_even(R));
        verde[i] = static_cast<std::int16_t>(round_even(G));
        azul[i] = static_cast<std::int16_t>(round_even(B));
        ++i;
    }
}

void Form1::colorear_cuadros() {
    const Color c = RGB(color_r, color_g, color_b.a_double());
    Shape1[g.ncurvas]->set_relleno(c);
    if (Option1[0]->isChecked()) {
        for (int k = 1; k <= 6; ++k) {
            Shape6[k]->set_relleno(c);
        }
    } else {
        for (int k = g.ncurvas; k <= 6; ++k) {
            Shape6[k]->set_relleno(0xFFFFFF);
        }
        Shape6[g.ncurvas]->set_relleno(c);
    }
}

void Form1::borrar() {
    datos.clear();
    Option1[0]->setText(QStringLiteral("Banda única "));
    graficado = false;
    for (int i = 3; i <= 6; ++i) {
        SpinDown[i]->setEnabled(true);
        SpinUp[i]->setEnabled(true);
    }
    for (BotonSpin* b : {SpinDown1, SpinUp1, SpinDown2, SpinUp2}) {
        b->setEnabled(true);
    }
    Picture1->limpiar();
    Picture2->limpiar();
    List1->clear();
    g.ncurvas = 0;
    for (int k = 1; k <= 6; ++k) {
        Shape1[k]->set_relleno(0xFFFFFF);
        Shape6[k]->set_relleno(0xFFFFFF);
    }
    std::fill(rojo.begin(), rojo.begin() + 1001, 0);
    std::fill(verde.begin(), verde.begin() + 1001, 0);
    std::fill(azul.begin(), azul.begin() + 1001, 0);
}

void Form1::Option1_Click(int Index) {
    if (Index == 0) {
        set_color_texto(Option1[1], 1);
        set_color_texto(Option1[0], 255);
    } else {
        set_color_texto(Option1[0], 1);
        set_color_texto(Option1[1], 255);
        std::fill(rojo.begin(), rojo.begin() + 1001, 0);
        std::fill(verde.begin(), verde.begin() + 1001, 0);
        std::fill(azul.begin(), azul.begin() + 1001, 0);
    }
    if (!cambio_spin) {
        borrar();
    }
    cambio_spin = false;
}
