// "Graficar": the checks of the sine range, and the plot of one curve.
#include "main/form1.h"

#include "entry/caja_valor.h"
#include "main/texto.h"
#include "model/intens.h"
#include "screen/marcador.h"
#include "toolkit/diseno.h"
#include "toolkit/mensaje.h"
#include "toolkit/paralelo.h"
#include "toolkit/picture_box.h"
#include "toolkit/reloj_arena.h"

#include <QListWidget>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

double tangente(double seno) {
    return seno / std::sqrt(1 - seno * seno);
}
double seno_de(double t) {
    return t / std::sqrt(1 + t * t);
}

} // namespace

void Form1::Command1_Click() {
    const double s1 = leer_numero(convertir(ValorT[1]->text()));
    const double s2 = leer_numero(convertir(ValorT[2]->text()));
    if (s2 <= s1) {
        mensaje(QStringLiteral("El valor mínimo del seno del ángulo debe ser menor que el máximo"));
        ValorT[1]->setText(texto_numero(-0.51));
        ValorT[2]->setText(texto_numero(0.51));
        g.seno_min = leer_numero(convertir(ValorT[1]->text()));
        g.seno_max = leer_numero(convertir(ValorT[2]->text()));
        g.valor[1] = Fijo::desde(tangente(g.seno_min));
        g.valor[2] = Fijo::desde(tangente(g.seno_max));
        pantalla(g.valor[2], g.valor[1]);
        lineas(QBColor(7));
        mover_marcador(sup, static_cast<float>(g.valor[2].a_double() + 0.2));
        mover_marcador(inf, static_cast<float>(g.valor[1].a_double()));
        return;
    }
    if (g.valor[3] > 1 && g.valor[5] < g.valor[4]) {
        mensaje(QStringLiteral("La distancia entre ranuras debe ser mayor que el ancho"));
        return;
    }
    grafic2();
}

void Form1::grafic2() {
    if (g.ncurvas == 6) {
        borrar();
    }
    g.ncurvas += 1;
    const int k = g.ncurvas;
    const Fijo L = g.valor[6], a = g.valor[4], d = g.valor[5], N = g.valor[3];
    g.hist_onda[k] = L;
    g.hist_ancho[k] = a;
    g.hist_distancia[k] = d;
    g.hist_ranuras[k] = static_cast<std::int16_t>(N.diezmilesimas() / Fijo::escala);

    const double t_max = g.valor[2].a_double(), t_min = g.valor[1].a_double();
    g.seno_max = seno_de(t_max);
    g.seno_min = seno_de(t_min);
    g.ang_min = std::floor(std::atan(t_min) * 180 / g.pi) + 1;
    g.ang_max = static_cast<float>(std::floor(std::atan(t_max) * 180 / g.pi));

    datos += QStringLiteral("Angulo Mínimo: ") + texto_numero(g.ang_min) + QStringLiteral(" º") +
             fin_linea;
    datos += QStringLiteral("Angulo Máximo: ") + texto_numero(g.ang_max) + QStringLiteral(" º") +
             fin_linea;
    datos += QStringLiteral("Número de ranuras: ") + texto_fijo(N) + fin_linea;
    datos += QStringLiteral("Ancho de ranura: ") + texto_fijo(a) + QStringLiteral(" micrones") +
             fin_linea;
    datos += QStringLiteral("Distancia entre ranuras: ") + texto_fijo(d) +
             QStringLiteral(" micrones") + fin_linea;
    datos += QStringLiteral("Longitud de Onda: ") + texto_fijo(L) + QStringLiteral(" micrones") +
             fin_linea + fin_linea;

    const double n = N.a_double();
    const float alto = static_cast<float>(n * n);
    Picture1->set_escala(
        {static_cast<float>(g.seno_min), 0, static_cast<float>(g.seno_max - g.seno_min), alto});
    Picture2->set_escala({0, t_max, 6, -(t_max - t_min)});
    const double paso = std::fabs(g.seno_max - g.seno_min) / 1000;

    if (!graficado) {
        const double h = alto;
        for (double y = 0; y <= h; y += h / 5) {
            Picture1->linea({g.seno_min, y}, {g.seno_max, y}, QBColor(8));
        }
        for (double x = g.seno_min; x <= g.seno_max; x += 100 * paso) {
            Picture1->linea({x, h}, {x, 0}, QBColor(8));
        }
    }

    RelojArena reloj;
    const double nd = n * d.a_double();
    const auto m_min = static_cast<long long>(round_even(nd * g.seno_min / L.a_double()));
    const auto m_max = static_cast<long long>(round_even(nd * g.seno_max / L.a_double()));
    long long K = 0;
    if (m_max != m_min) {
        // Samples per fringe: about 1000 over the range, even, so that every zero,
        // every maximum and every midpoint between zeros falls on a sample.
        K = 2 * (static_cast<long long>(round_even(1000.0 / double(m_max - m_min) + 1)) / 2);
    }
    if (K < 4) {
        K = 4;
    }
    const double delta = L.a_double() / nd;

    obtener_rgb();
    g.color_onda = RGB(color_r, color_g, color_b.a_double());
    g.hist_color[k] = g.color_onda;

    std::array<double, 1001> tabla_max{};
    long long bin_previo = 0;
    const Red red(L, a, d, N);
    const double ancho_senos = g.seno_max - g.seno_min;
    // The samples inside the sector, then their intensities (on every core: the
    // worst case has a million), then bins, curve and list in sample order.
    std::vector<double> senos;
    senos.reserve(
        static_cast<std::size_t>(std::clamp<long long>((m_max - m_min + 1) * K, 0, 4'000'000)));
    for (long long m = m_min; m <= m_max; ++m) {
        for (long long j = 1; j <= K; ++j) {
            const double s = (double(m) + double(j) / double(K)) * delta;
            if (g.seno_min <= s && s <= g.seno_max) {
                senos.push_back(s);
            }
        }
    }
    std::vector<double> intensidad(senos.size());
    en_paralelo(senos.size(), [&](std::size_t desde, std::size_t hasta) {
        for (std::size_t i = desde; i < hasta; ++i) {
            intensidad[i] = red(senos[i]);
        }
    });

    auto trazo = std::make_shared<Trazo>();
    trazo->reserve(senos.size() + 1);
    trazo->push_back(
        {static_cast<float>(g.seno_min), static_cast<float>(0.98 * (alto - red(g.seno_min)))});
    for (std::size_t i = 0; i < senos.size(); ++i) {
        const double s = senos[i];
        const double I = intensidad[i];
        const auto bin = static_cast<long long>(round_even((s - g.seno_min) * 350 / ancho_senos));
        for (long long b = bin_previo; b <= bin; ++b) {
            if (tabla_max[static_cast<std::size_t>(b)] < I) {
                tabla_max[static_cast<std::size_t>(b)] = I;
            }
        }
        bin_previo = bin;
        trazo->push_back({static_cast<float>(s), static_cast<float>(0.98 * (alto - I))});
        if (i < 3000) {
            g.intensidades[i + 1] = I;
        }
    }
    Picture1->polilinea(std::move(trazo), g.color_onda);

    obtener_rgb();
    pintar_bandas(tabla_max);
    if (g.traza == 1) {
        documentar();
    }
    colorear_cuadros();
    auto* fila = new QListWidgetItem(texto_numero(n * n * a.a_double() * a.a_double()), List1);
    fila->setSizeHint(QSize(0, diseno->a_pixeles(alto_fila_intensidad)));
    graficado = true;
}

void Form1::Command2_Click() {
    borrar();
}
void Form1::Command3_Click() {
    menu_salir_Click();
}
