// The six value boxes.
#include "main/form1.h"

#include "entry/caja_valor.h"
#include "entry/reglas_caja.h"
#include "main/texto.h"
#include "model/color.h"
#include "screen/marcador.h"
#include "toolkit/mensaje.h"
#include "toolkit/picture_box.h"

namespace {

// A box counts as selected exactly while it has this background.
const Color fondo_seleccion = RGB(0, 0, 130);
const Color texto_seleccion = RGB(200, 200, 200);

double leer(const CajaValor* caja) {
    return leer_numero(convertir(caja->text()));
}

} // namespace

void Form1::colores_caja(int Index, Color fondo, Color texto) {
    QPalette p = ValorT[Index]->palette();
    p.setColor(QPalette::Base, a_qcolor(fondo));
    p.setColor(QPalette::Text, a_qcolor(texto));
    ValorT[Index]->setPalette(p);
}

bool Form1::caja_seleccionada(int Index) const {
    const QColor c = ValorT[Index]->palette().color(QPalette::Base);
    return RGB(c.red(), c.green(), c.blue()) == fondo_seleccion;
}

void Form1::ValorT_MouseDown(int Index) {
    indice_valor = static_cast<std::uint8_t>(Index);
    colores_caja(Index, fondo_seleccion, texto_seleccion);
}

void Form1::ValorT_KeyPress(int Index) {
    // The key is inserted after this, so it becomes the first character.
    if (caja_seleccionada(Index)) {
        colores_caja(Index, color_fondo, color_texto);
        ValorT[Index]->clear();
    }
}

void Form1::ValorT_KeyUp(int Index) {
    if (Index == 1 || Index == 2) {
        seguir_limites();
    }
}

void Form1::seguir_limites() {
    if (leer(ValorT[2]) > 0.89) {
        ValorT[2]->setText(texto_numero(0.89));
    }
    if (leer(ValorT[1]) < -0.9) {
        ValorT[1]->setText(texto_numero(-0.9));
    }
    // A sine with no place on the screen (1 or more, not a number) leaves its
    // end where it was; leaving the box with it is refused.
    const double s1 = leer(ValorT[1]);
    const double s2 = leer(ValorT[2]);
    if (const auto t = tangente_de_seno(s1)) {
        g.seno_min = s1;
        g.valor[1] = *t;
    }
    if (const auto t = tangente_de_seno(s2)) {
        g.seno_max = s2;
        g.valor[2] = *t;
    }
    pantalla(g.valor[2], g.valor[1]);
    lineas(QBColor(7));
    mover_marcador(sup, static_cast<float>(g.valor[2].a_double() + 0.2));
    mover_marcador(inf, static_cast<float>(g.valor[1].a_double()));
}

void Form1::ValorT_LostFocus(int Index) {
    if (rechazando_) {
        return; // the focus coming back, or the message box taking it
    }
    CajaValor* caja = ValorT[Index];
    double x = leer(caja);
    if (Index == 3) {
        x = round_even(x); // slits come whole: 2.5 typed is 2 slits, and the box says so
    }
    std::optional<Fijo> nuevo;
    if (x >= minimo[Index].a_double() && x <= maximo[Index].a_double()) {
        nuevo = Index <= 2 ? tangente_de_seno(x) : std::optional<Fijo>(Fijo::desde(x));
    }
    if (!nuevo) {
        rechazando_ = true;
        caja->setFocus(Qt::OtherFocusReason);
        if (indice_valor >= 1 && indice_valor <= 6) {
            colores_caja(indice_valor, color_fondo, color_texto);
        }
        colores_caja(Index, fondo_seleccion, texto_seleccion);
        mensaje(QStringLiteral("Valor Fuera de rango"));
        rechazando_ = false;
        return;
    }
    g.valor[Index] = *nuevo;
    caja->setText(texto_numero(x));
    colores_caja(Index, color_fondo, color_texto);
    ValorT_Change(Index);
}

void Form1::ValorT_Change(int Index) {
    if (Index == 6) {
        obtener_rgb();
        rayos(RGB(color_r, color_g, color_b.a_double()));
    }
}
