#include "screen/esquema.h"

#include "model/color_onda.h"
#include "screen/marcador.h"
#include "toolkit/colores.h"
#include "toolkit/diseno.h"
#include "toolkit/forma.h"
#include "toolkit/picture_box.h"

#include <QLabel>
#include <QLineEdit>

#include <cmath>

double altura_en_ventana(double Y) {
    return 1.155 * Y - 0.62;
}

Esquema::Esquema(QWidget* cliente, Diseno& diseno, const ParametrosObservables& parametros)
    : QObject(cliente), diseno_(diseno), parametros_(parametros) {
    crear_controles(cliente);
    superficie_->scale(0, 2.5, 10, -3.5);
    tira_pantalla_->scale(0, 2.2, 1, -2.2);
    // From the emitter up to the box of its wavelength.
    superficie_->linea({0.69, -0.41}, {1.5, 1.56}, a_qcolor(QBColor(7)));

    connect(&parametros_, &ParametrosObservables::cambiado, this, &Esquema::al_cambiar);
    connect(superficie_, &PictureBox::movido, this, &Esquema::puntero_fuera);
    for (Marcador* m : {marcador_superior_, marcador_inferior_}) {
        const auto en = [this, m](QPointF punto) -> std::optional<std::pair<Magnitud, Fijo>> {
            if (!tira_pantalla_->rect().contains(punto.toPoint())) {
                return std::nullopt;
            }
            return extremo_en(m, tira_pantalla_->a_usuario(punto).y());
        };
        connect(m, &Marcador::arrastrado, this, [this, en](QPointF punto) {
            if (const auto e = en(punto)) {
                emit extremo_en_arrastre(e->first, e->second);
            } else {
                emit arrastre_terminado();
            }
        });
        connect(m, &Marcador::dejado, this, [this, en](QPointF punto) {
            emit arrastre_terminado();
            if (const auto e = en(punto)) {
                emit extremo_movido(e->first, e->second);
            }
        });
    }
}

void Esquema::crear_controles(QWidget* cliente) {
    Diseno& d = diseno_;
    superficie_ = new PictureBox(cliente);
    superficie_->setObjectName(QStringLiteral("esquema"));
    superficie_->setAccessibleName(QStringLiteral("Esquema del experimento"));
    superficie_->set_fondo(fondo_ventana);
    d.colocar(superficie_, {0, 0, 9855, 6105}, 0);

    auto* emisor = new QLineEdit(QStringLiteral("EMISOR"), cliente);
    emisor->setReadOnly(true);
    emisor->setFocusPolicy(Qt::NoFocus);
    emisor->setAlignment(Qt::AlignCenter);
    emisor->setAccessibleName(QStringLiteral("Emisor"));
    d.colocar(emisor, {240, 2880, 930, 465}, 8.25, true);
    auto* red = new Forma(cliente);
    red->set_relleno(gris_red);
    red->setAccessibleName(QStringLiteral("Red"));
    d.colocar(red, {1770, 2280, 45, 1665}, 0);
    rotulo(d, cliente, QStringLiteral("Red"), {1560, 2010, 480, 240}, Qt::AlignCenter);

    rotulo(d, cliente, QStringLiteral("Pantalla"), {2820, 15, 780, 225}, Qt::AlignCenter);
    tira_pantalla_ = new PictureBox(cliente);
    tira_pantalla_->setObjectName(QStringLiteral("tira_pantalla"));
    tira_pantalla_->setAccessibleName(QStringLiteral("Pantalla"));
    tira_pantalla_->set_fondo(fondo_dibujo);
    d.colocar(tira_pantalla_, {3120, 600, 135, 5175}, 0);
    mascara_superior_ = new Forma(tira_pantalla_);
    mascara_superior_->setObjectName(QStringLiteral("mascara_superior"));
    mascara_inferior_ = new Forma(tira_pantalla_);
    mascara_inferior_->setObjectName(QStringLiteral("mascara_inferior"));
    for (Forma* m : {mascara_superior_, mascara_inferior_}) {
        m->set_relleno(gris_mascara);
        m->set_sin_borde();
        m->setAccessibleName(QStringLiteral("Fuera del sector"));
        d.colocar(m, {0, 0, 135, 0}, 0);
    }
    marcador_superior_ = new Marcador(tira_pantalla_);
    marcador_superior_->setObjectName(QStringLiteral("marcador_superior"));
    marcador_superior_->setAccessibleName(QStringLiteral("Extremo superior del sector"));
    marcador_inferior_ = new Marcador(tira_pantalla_);
    marcador_inferior_->setObjectName(QStringLiteral("marcador_inferior"));
    marcador_inferior_->setAccessibleName(QStringLiteral("Extremo inferior del sector"));
    for (Marcador* m : {marcador_superior_, marcador_inferior_}) {
        m->setFocusPolicy(Qt::NoFocus);
        d.colocar(m, {0, 0, 255, 195}, 0);
    }
}

void Esquema::al_cambiar(Magnitud m) {
    const Parametros& p = parametros_.actuales();
    if (m == Magnitud::onda) {
        pintar_rayos(color_de_onda(p.valor(Magnitud::onda)).compuesto());
    } else if (es_extremo(m)) {
        seguir_sector(p.valor(Magnitud::inferior), p.valor(Magnitud::superior));
    }
}

void Esquema::pintar_rayos(Color luz) {
    const QColor c = a_qcolor(luz);
    for (Fijo t = Fijo::desde(0.15); t <= 1; t += Fijo::desde(0.25)) {
        const double h = 1.3 * std::tan(t.a_double());
        superficie_->linea({1.83, -0.56}, {3.15, -0.56 + h}, c);
        superficie_->linea({1.83, -0.56}, {3.15, -0.56 - h}, c);
    }
    superficie_->caja_llena({1.19, -0.56}, {1.8, -0.57}, c);
    superficie_->linea({1.42, -0.49}, {1.52, -0.57}, c);
    superficie_->linea({1.42, -0.64}, {1.52, -0.57}, c);
}

void Esquema::seguir_sector(Fijo inferior, Fijo superior) {
    // The top mask reaches down to the top of the upper marker, 0.2 above the
    // upper end; the bottom one from the lower end past the strip's bottom edge.
    const QRectF franja = diseno_.twips(tira_pantalla_);
    const Mapa m(tira_pantalla_->escala(), franja.size());
    const double unidad = franja.height() / std::fabs(tira_pantalla_->escala().height);
    diseno_.mover(mascara_superior_,
                  {0, 0, franja.width(), (Fijo(2) - superior).a_double() * unidad});
    diseno_.mover(mascara_inferior_, {0, m.y(inferior.a_double()), franja.width(),
                                      (Fijo(6) - inferior).a_double() * unidad});
    lineas(inferior, superior);
    mover_marcador(marcador_inferior_, static_cast<float>(inferior.a_double()));
    mover_marcador(marcador_superior_, static_cast<float>(superior.a_double() + 0.2));
}

void Esquema::lineas(Fijo inferior, Fijo superior) {
    // Inverted, so that drawing the old pair again erases it.
    const QColor c = a_qcolor(QBColor(7));
    superficie_->set_modo(PictureBox::Modo::invertir);
    if (lineas_dibujadas_) {
        superficie_->linea({3.29, altura_en_ventana(superior_anterior_.a_double())}, {4.05, 1.69},
                           c);
        superficie_->linea({3.29, altura_en_ventana(inferior_anterior_.a_double())}, {4.05, -2.98},
                           c);
    }
    superficie_->linea({3.29, altura_en_ventana(superior.a_double())}, {4.05, 1.69}, c);
    superficie_->linea({3.29, altura_en_ventana(inferior.a_double())}, {4.05, -2.98}, c);
    superior_anterior_ = superior;
    inferior_anterior_ = inferior;
    lineas_dibujadas_ = true;
    superficie_->set_modo(PictureBox::Modo::copiar);
}

void Esquema::mover_marcador(Marcador* m, float top) {
    m->set_top(top);
    const QRectF franja = diseno_.twips(tira_pantalla_);
    QRectF lugar = diseno_.twips(m);
    lugar.moveTop(Mapa(tira_pantalla_->escala(), franja.size()).y(top));
    diseno_.mover(m, lugar);
}

std::optional<std::pair<Magnitud, Fijo>> Esquema::extremo_en(Marcador* m, double Y) const {
    const Fijo t = Fijo::desde(std::floor((Y + 0.05) * 10) / 10);
    const Fijo dos_decimos = Fijo::desde(0.2);
    // Marker tops are kept in single precision; compared at four decimals, the
    // value they were set from, an end equal to the other is accepted.
    const Fijo tope_inferior = Fijo::desde(marcador_inferior_->top());
    const Fijo tope_superior = Fijo::desde(marcador_superior_->top());
    if (m == marcador_superior_) {
        if (t - dos_decimos >= tope_inferior) {
            return std::pair{Magnitud::superior, t - dos_decimos};
        }
    } else if (t <= tope_superior - dos_decimos) {
        return std::pair{Magnitud::inferior, t};
    }
    return std::nullopt;
}
