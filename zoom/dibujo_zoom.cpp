// The zoom window's drawing: the curves of the history over the selection, their
// sum, the bar that pans the selection and the two magnifiers.
#include "main/form1.h"
#include "model/intens.h"
#include "toolkit/forma.h"
#include "toolkit/picture_box.h"
#include "toolkit/reloj_arena.h"
#include "zoom/form_zoom.h"

#include <QPushButton>
#include <QScrollBar>

#include <memory>

void FormZoom::Form_Activate() {
    Globales& g = principal_.g;
    if (g.ncurvas < 1) {
        return;
    }
    misma_red = true;
    suma.fill(0);
    principal_.colocar_cajazoom();
    principal_.cajazoom->show();
    const double nl = g.hist_ranuras[g.ncurvas];
    // A selection down to the graph's bottom keeps zero intensity in sight.
    if (g.y_fin >= nl * nl) {
        g.y_fin = static_cast<float>(1.02 * nl * nl);
    }
    {
        RelojArena reloj;
        for (int k = 1; k <= g.ncurvas; ++k) {
            npuntos = 0;
            const Fijo L = g.hist_onda[k], a = g.hist_ancho[k], d = g.hist_distancia[k];
            const int N = g.hist_ranuras[k];
            if (k > 1 && (a != g.hist_ancho[k - 1] || d != g.hist_distancia[k - 1] ||
                          N != g.hist_ranuras[k - 1])) {
                misma_red = false;
            }
            // Each curve was drawn on a vertical scale of its own N²: this is the
            // region of the graph where it lies.
            const double r = (N / nl) * (N / nl);
            double arriba = g.y_ini * r;
            double abajo = g.y_fin * r;
            if (alejado) {
                const double h = abajo - arriba;
                abajo = arriba + h;
                arriba -= h;
            }
            Picture1->scale(g.x_ini, arriba, g.x_fin, abajo);

            const Red intensidad(L, a, d, Fijo(N));
            const double n2 = static_cast<double>(N) * N;
            auto trazo = std::make_shared<Trazo>();
            trazo->reserve(1002);
            const auto agregar = [&](double x, double I) {
                trazo->push_back({static_cast<float>(x), static_cast<float>(0.98 * (n2 - I))});
            };
            agregar(g.x_ini, intensidad(g.x_ini));
            const double paso = (static_cast<double>(g.x_fin) - g.x_ini) / 1000;
            for (double x = g.x_ini; x <= g.x_fin && npuntos < 10000; x += paso) {
                ++npuntos;
                const double I = intensidad(x);
                agregar(x, I);
                suma[npuntos] += static_cast<float>(I);
            }
            Picture1->polilinea(std::move(trazo), g.hist_color[k]);
        }
    }
    const double w = static_cast<double>(g.x_fin) - g.x_ini;
    barraH->setSingleStep(static_cast<int>(round_even(1 + 20 * w / (g.seno_max - g.seno_min - w))));
    Command3->setEnabled(misma_red && g.ncurvas > 1);
    dibujado_ = true;
}

void FormZoom::Command3_Click() {
    const Globales& g = principal_.g;
    if (npuntos > 0 && g.ncurvas > 0) {
        const double n2 =
            static_cast<double>(g.hist_ranuras[g.ncurvas]) * g.hist_ranuras[g.ncurvas];
        // Sample index across; the vertical scale stays that of the last curve.
        const Escala e = Picture1->escala();
        Picture1->set_escala({1, e.top, static_cast<double>(npuntos), e.height});
        auto trazo = std::make_shared<Trazo>();
        trazo->reserve(npuntos + 1);
        trazo->push_back({1.0F, static_cast<float>(0.98 * (n2 - suma[1]))});
        for (int j = 1; j <= npuntos; ++j) {
            trazo->push_back({static_cast<float>(j), static_cast<float>(0.98 * (n2 - suma[j]))});
        }
        Picture1->polilinea(std::move(trazo), 0x000000);
        Picture1->scale(g.x_ini, g.y_ini, g.x_fin, g.y_fin);
    }
    Command3->setEnabled(false);
    suma_visible = true;
}

void FormZoom::situar(int valor, bool reubicar) {
    if (valor != barraH->value()) {
        barraH->setValue(valor); // runs the change handling
    } else if (reubicar) {
        barraH_Change();
    }
}

void FormZoom::ubicar_seleccion(int V) {
    Globales& g = principal_.g;
    const float w = g.x_fin - g.x_ini;
    g.x_ini = static_cast<float>(g.seno_min + (g.seno_max - g.seno_min - w) * V / 100);
    g.x_fin = g.x_ini + w;
    if (g.x_fin > g.seno_max) {
        g.x_fin = static_cast<float>(g.seno_max);
        g.x_ini = static_cast<float>(g.seno_max - w);
    }
}

void FormZoom::barraH_Change() {
    suma_visible = false;
    Picture3_Click();
    ubicar_seleccion(barraH->value());
    limpiar_dibujo();
    Form_Activate();
    principal_.colocar_cajazoom();
}

void FormZoom::barraH_Scroll() {
    ubicar_seleccion(barraH->sliderPosition());
    principal_.colocar_cajazoom();
}

void FormZoom::Picture2_Click() {
    alejado = true;
    limpiar_dibujo();
    Form_Activate();
    if (suma_visible) {
        Command3_Click();
    }
    alejado = false;
    poner_lupas(false);
}

void FormZoom::Picture3_Click() {
    alejado = false;
    limpiar_dibujo();
    Form_Activate();
    if (suma_visible) {
        Command3_Click();
    }
    poner_lupas(true);
}

void FormZoom::poner_lupas(bool alejar_disponible) {
    // A missing picture file leaves the picture the button already shows.
    Picture2->cargar_imagen(alejar_disponible ? QStringLiteral("LupaOuSi.bmp")
                                              : QStringLiteral("LupaOuNo.bmp"));
    Picture3->cargar_imagen(alejar_disponible ? QStringLiteral("LupaInNo.bmp")
                                              : QStringLiteral("LupaInSi.bmp"));
}
