// The sketch of the experiment: rays, the masks of the screen strip and its markers.
#include "main/form1.h"

#include "screen/marcador.h"
#include "toolkit/diseno.h"
#include "toolkit/forma.h"
#include "toolkit/picture_box.h"

#include <cmath>

namespace {

// Twips down from the strip's top edge to the strip coordinate y.
double twips_en_franja(const PictureBox* franja, const QRectF& lugar, double y) {
    return Mapa(franja->escala(), lugar.size()).y(y);
}

} // namespace

void Form1::rayos(Color c) {
    for (Fijo t = Fijo::desde(0.15); t <= 1; t += Fijo::desde(0.25)) {
        const double h = 1.3 * std::tan(t.a_double());
        superficie->linea({1.83, -0.56}, {3.15, -0.56 + h}, c);
        superficie->linea({1.83, -0.56}, {3.15, -0.56 - h}, c);
    }
    superficie->caja_llena({1.19, -0.56}, {1.8, -0.57}, c);
    superficie->linea({1.42, -0.49}, {1.52, -0.57}, c);
    superficie->linea({1.42, -0.64}, {1.52, -0.57}, c);
}

void Form1::pantalla(Fijo arriba, Fijo abajo) {
    const QRectF franja = diseno->twips(Picture3);
    const double unidad = franja.height() / std::fabs(Picture3->escala().height);
    diseno->mover(Shape11, {0, 0, franja.width(), (Fijo(2) - arriba).a_double() * unidad});
    const double tope = twips_en_franja(Picture3, franja, g.valor[1].a_double());
    diseno->mover(Shape12, {0, tope, franja.width(), (Fijo(6) - abajo).a_double() * unidad});
}

void Form1::mover_marcador(Marcador* m, float top) {
    m->top = top;
    const QRectF franja = diseno->twips(Picture3);
    QRectF lugar = diseno->twips(m);
    lugar.moveTop(twips_en_franja(Picture3, franja, top));
    diseno->mover(m, lugar);
}
