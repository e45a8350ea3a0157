// What the pointer does on the main window: read-outs, the rubber band that
// opens the zoom window, the sector markers, the magnifier and the restore spot.
#include "main/form1.h"

#include "entry/caja_valor.h"
#include "main/texto.h"
#include "model/intens.h"
#include "screen/marcador.h"
#include "toolkit/diseno.h"
#include "toolkit/forma.h"
#include "toolkit/mensaje.h"
#include "toolkit/picture_box.h"
#include "zoom/form_zoom.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr Color azul_banda = 0xFF0000;

double signo(double x) {
    return (x > 0) - (x < 0);
}

// The sine read-out: Int(s * 1000 + 0.005 * Sgn(x)) / 1000, Int rounding down.
double tres_decimales(double s, double x) {
    return std::floor(s * 1000 + 0.005 * signo(x)) / 1000;
}

// Past a sine of ±1 there is no direction to read (the pointer has left the
// graph during a drag): the read-outs go blank rather than show a number.
bool sin_direccion(double s) {
    return !(std::fabs(s) <= 1);
}

} // namespace

void Form1::conectar_puntero() {
    for (Marcador* m : {sup, inf}) {
        connect(m, &Marcador::dejado, this, [this, m](QPointF punto) {
            if (Picture3->rect().contains(punto.toPoint())) {
                Picture3_DragDrop(m, Picture3->a_usuario(punto).y());
            }
        });
    }
}

void Form1::mostrar_intensidad(double seno) {
    const Fijo a = g.valor[4];
    const double I = Intens(g.valor[6], a, g.valor[5], g.valor[3], seno);
    Label9->setText(texto_fijo(Fijo::desde(I * a.a_double() * a.a_double())));
}

void Form1::Picture1_MouseMove(double X, double Y) {
    if (g.ncurvas != 0) {
        if (sin_direccion(X)) {
            Label8->clear();
            Label9->clear();
        } else {
            Label8->setText(texto_numero(tres_decimales(X, X)));
            mostrar_intensidad(X);
        }
    }
    if (arrastrando) {
        // The band is the graph's only transient figure: dropping it erases the
        // previous outline, and the curves under it are never drawn again.
        Picture1->set_persistente(false);
        Picture1->descartar_transitorias();
        Picture1->caja({g.x_ini, g.y_ini}, {X, Y}, azul_banda);
        g.x_fin = static_cast<float>(X);
        g.y_fin = static_cast<float>(Y);
    }
}

void Form1::Picture1_MouseDown(double X, double Y) {
    if (g.ncurvas == 0) {
        return;
    }
    arrastrando = true;
    g.x_ini = g.x_fin = static_cast<float>(X);
    g.y_ini = g.y_fin = static_cast<float>(Y);
    Picture1->set_modo(PictureBox::Modo::invertir);
    // Off from the press on, so that even a click without a drag never marks the picture.
    Picture1->set_persistente(false);
    Picture1->descartar_transitorias();
    if (modo_seleccion == 1) {
        Picture4->caja_llena({0, 0}, {20, 20}, g.gris);
        modo_seleccion = 0;
        Label15->hide();
    }
}

void Form1::Picture1_MouseUp() {
    // Only a press on a plotted graph starts a selection; a release without one
    // (none since start-up, or the press came after "Limpiar") selects nothing.
    if (!arrastrando) {
        return;
    }
    arrastrando = false;
    Picture1->descartar_transitorias();
    Picture1->set_modo(PictureBox::Modo::copiar);
    Picture1->set_persistente(true);
    if (g.x_fin == g.x_ini || g.y_fin == g.y_ini) {
        return;
    }
    if (g.x_fin < g.x_ini) {
        std::swap(g.x_ini, g.x_fin);
    }
    if (g.y_fin < g.y_ini) {
        std::swap(g.y_ini, g.y_fin);
    }
    const double alto = Picture1->escala().height;
    if (g.y_fin > alto) {
        g.y_fin = static_cast<float>(0.995 * alto);
    }
    // The zoom window pans a selection across the plotted range: it needs a
    // curve and a selection narrower than the range.
    const double w = static_cast<double>(g.x_fin) - g.x_ini;
    if (g.ncurvas == 0 || !(w < g.seno_max - g.seno_min)) {
        return;
    }
    colocar_cajazoom();
    cajazoom->show();
    QCoreApplication::processEvents();
    const double posicion =
        round_even(100 * (g.x_ini - g.seno_min) / ((g.seno_max - w) - g.seno_min));
    // A selection reaching past the graph gives a position beyond the bar's ends.
    const int barra = static_cast<int>(std::clamp(posicion, 0.0, 100.0));
    FormZoom* z = zoom();
    z->situar(barra, barra != posicion);
    mostrar_modal(z);
}

void Form1::colocar_cajazoom() {
    const Mapa m(Picture1->escala(), diseno->twips(Picture1).size());
    diseno->mover(cajazoom, m.a_area({g.x_ini, g.y_ini}, {g.x_fin, g.y_fin}));
}

void Form1::Picture2_MouseMove(double X, double Y) {
    if (g.ncurvas == 0) {
        return;
    }
    const double s = Y / std::sqrt(Y * Y + 1);
    // The sign of the rounding term is that of the horizontal position, as it always was.
    Label8->setText(texto_numero(tres_decimales(s, X)));
    mostrar_intensidad(s);
}

void Form1::Form_MouseMove() {
    Label8->clear();
    Label9->clear();
}

void Form1::Picture3_DragDrop(Marcador* fuente, double Y) {
    const Fijo t = Fijo::desde(std::floor((Y + 0.05) * 10) / 10);
    const Fijo dos_decimos = Fijo::desde(0.2);
    // Marker tops are kept in single precision; compared at four decimals, the
    // value they were set from, an end equal to the other is accepted.
    const Fijo tope_inf = Fijo::desde(inf->top);
    const Fijo tope_sup = Fijo::desde(sup->top);
    if (fuente == sup) {
        if (t - dos_decimos < tope_inf) {
            return;
        }
        g.valor[2] = t - dos_decimos;
        const double v = g.valor[2].a_double();
        ValorT[2]->setText(texto_numero(formato(v / std::sqrt(v * v + 1))));
    } else {
        if (t > tope_sup - dos_decimos) {
            return;
        }
        g.valor[1] = t;
        const double v = g.valor[1].a_double();
        ValorT[1]->setText(texto_numero(formato(v / std::sqrt(v * v + 1))));
    }
    pantalla(g.valor[2], g.valor[1]);
    lineas(QBColor(7));
    mover_marcador(fuente, static_cast<float>(t.a_double()));
    borrar();
}

void Form1::Picture4_Click() {
    Picture4->caja_llena({0, 0}, {20, 20}, g.gris);
    modo_seleccion = modo_seleccion == 0 ? 1 : 0;
    Label15->setVisible(modo_seleccion == 1);
}

void Form1::Image1_Click() {
    Image1->hide();
    ValorT[6]->show();
    ValorT[3]->show();
    for (QPushButton* b : {Command1, Command2, Command3}) {
        b->setEnabled(true);
    }
    for (PictureBox* p : {Picture1, Picture2}) {
        p->setEnabled(true);
        p->show();
        p->set_persistente(true);
    }
    Option1[1]->show();
    Option1[0]->show();
    // Selecting the option that was not selected runs the band-mode switch.
    Option1[banda_unica_previa ? 0 : 1]->setChecked(true);
    Frame1->show();
    Picture1->update();
    Picture2->update();
}

FormZoom* Form1::zoom() {
    if (!form_zoom_) {
        form_zoom_ = new FormZoom(*this);
    }
    return form_zoom_;
}
