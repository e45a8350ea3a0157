// The value entry: its controls and the verbs the rest of the window uses.
#include "entry/entrada.h"

#include "entry/boton_spin.h"
#include "entry/caja_valor.h"
#include "model/pantalla.h"
#include "toolkit/diseno.h"
#include "toolkit/picture_box.h"
#include "toolkit/texto.h"

#include <QLabel>

#include <cmath>

namespace {

const char* const nombres[7] = {"",      "inferior",  "superior", "ranuras",
                                "ancho", "distancia", "onda"};

QString nombre(Magnitud m) {
    return QString::fromLatin1(nombres[indice(m)]);
}

// A box's range in its tip, with the decimal mark the box shows.
QString entre(double desde, double hasta) {
    return QStringLiteral("Entre %1 y %2 micr.").arg(texto_numero(desde), texto_numero(hasta));
}

} // namespace

EntradaValores::EntradaValores(QWidget* cliente, QWidget* marco_datos, Diseno& diseno,
                               ParametrosObservables& parametros)
    : QObject(cliente), diseno_(diseno), parametros_(parametros) {
    crear_controles(cliente, marco_datos);
    conectar();
}

void EntradaValores::crear_controles(QWidget* cliente, QWidget* marco_datos) {
    Diseno& d = diseno_;
    const auto nueva_caja = [&](Magnitud m, QWidget* padre, QRectF lugar, const QString& accesible,
                                const QString& ayuda) {
        auto* c = new CajaValor(padre);
        c->setObjectName(QStringLiteral("caja_") + nombre(m));
        c->setAccessibleName(accesible);
        c->setToolTip(ayuda);
        d.colocar(c, lugar);
        cajas_[indice(m)] = c;
        return c;
    };
    // Each caption is its box's buddy: a screen reader takes it for the box's label.
    const Qt::Alignment derecha = Qt::AlignRight | Qt::AlignVCenter;
    rotulo(d, cliente, QStringLiteral("Longitud de onda ( L) :  "), {60, 330, 1110, 435}, derecha)
        ->setBuddy(nueva_caja(Magnitud::onda, cliente, {1200, 450, 615, 285},
                              QStringLiteral("Longitud de onda"), entre(0.38, 0.78)));
    rotulo(d, cliente, QStringLiteral("Número de ranuras (N) :"), {60, 4200, 1455, 405}, derecha)
        ->setBuddy(nueva_caja(Magnitud::ranuras, cliente, {1560, 4260, 435, 285},
                              QStringLiteral("Número de ranuras"),
                              QStringLiteral("Entre 1 y 500")));
    rotulo(d, cliente, QStringLiteral("Ancho de ranura (a) :"), {60, 4860, 1395, 405}, derecha)
        ->setBuddy(nueva_caja(Magnitud::ancho, cliente, {1500, 4920, 435, 285},
                              QStringLiteral("Ancho de ranura"), entre(0.1, 100)));
    rotulo(d, cliente, QStringLiteral("Distancia entre ranuras (d) :"), {60, 5760, 1455, 405},
           derecha)
        ->setBuddy(nueva_caja(Magnitud::distancia, cliente, {1560, 5820, 435, 285},
                              QStringLiteral("Distancia entre ranuras"), entre(1, 100)));
    // How a grating is named at the bench: its lines per millimetre.
    lineas_ = rotulo(d, cliente, QString(), {60, 6165, 1935, 255}, derecha);
    lineas_->setObjectName(QStringLiteral("lineas_por_mm"));
    nueva_caja(Magnitud::inferior, marco_datos, {60, 5160, 555, 285},
               QStringLiteral("Extremo inferior"), QString());
    nueva_caja(Magnitud::superior, marco_datos, {3360, 5160, 555, 285},
               QStringLiteral("Extremo superior"), QString());
    rotulo(d, marco_datos, QStringLiteral("Extremo inferior"), {60, 5475, 1305, 240})
        ->setBuddy(caja(Magnitud::inferior));
    rotulo(d, marco_datos, QStringLiteral("Extremo superior"), {2610, 5475, 1305, 240}, derecha)
        ->setBuddy(caja(Magnitud::superior));

    // Spin buttons: an up button over a down one; coarse to fine from left to
    // right on the wavelength row. For a finger ("Controles grandes") each pair
    // has a second place where its buttons are 29 pixels of the design square
    // (44 pixels at the scale of a maximised window on a 1366 x 768 screen),
    // clear of each other and of every other control.
    constexpr double lado = 435;
    const auto par = [&](double x, double y, const QString& nombre, const QString& que,
                         QPointF arriba_grande, QPointF abajo_grande) {
        auto* arriba = new BotonSpin(true, cliente);
        auto* abajo = new BotonSpin(false, cliente);
        arriba->setObjectName(QStringLiteral("subir_") + nombre);
        abajo->setObjectName(QStringLiteral("bajar_") + nombre);
        arriba->setAccessibleName(QStringLiteral("Aumentar ") + que);
        abajo->setAccessibleName(QStringLiteral("Disminuir ") + que);
        const QRectF sitio_arriba{x, y, 288, 204}, sitio_abajo{x, y + 180, 288, 204};
        d.colocar(arriba, sitio_arriba, 0);
        d.colocar(abajo, sitio_abajo, 0);
        lugares_.push_back({arriba, sitio_arriba, {arriba_grande, QSizeF(lado, lado)}});
        lugares_.push_back({abajo, sitio_abajo, {abajo_grande, QSizeF(lado, lado)}});
        return std::pair{arriba, abajo};
    };
    // N, a and d: down and up side by side, beside the box's row.
    const auto en_fila = [&](Magnitud m, double y, double y_fila, const QString& que) {
        const double yg = y_fila - lado / 2;
        std::tie(subir_[indice(m)], bajar_[indice(m)]) =
            par(2040, y, nombre(m), que, {2025 + lado, yg}, {2025, yg});
    };
    // The strip's ends: up over down, right of the strip's end.
    const auto junto_a_la_tira = [&](Magnitud m, double y, double y_grande, const QString& que) {
        std::tie(subir_[indice(m)], bajar_[indice(m)]) =
            par(3060, y, nombre(m), que, {3300, y_grande}, {3300, y_grande + lado});
    };
    junto_a_la_tira(Magnitud::inferior, 5760, 5775 - lado, QStringLiteral("el extremo inferior"));
    junto_a_la_tira(Magnitud::superior, 240, 600, QStringLiteral("el extremo superior"));
    en_fila(Magnitud::ranuras, 4200, 4402, QStringLiteral("N"));
    en_fila(Magnitud::ancho, 4920, 5062, QStringLiteral("el ancho"));
    en_fila(Magnitud::distancia, 5760, 5962, QStringLiteral("la distancia"));
    // The wavelength's three pairs in a grid under its box, clear of the sketch's lines.
    const auto de_onda = [&](double x, int columna, const QString& nombre, double paso) {
        const double xg = 1560 + columna * lado;
        return par(x, 360, nombre, QStringLiteral("L en ") + texto_numero(paso), {xg, 780},
                   {xg, 780 + lado});
    };
    std::tie(subir_[indice(Magnitud::onda)], bajar_[indice(Magnitud::onda)]) =
        de_onda(1920, 0, nombre(Magnitud::onda), 0.1);
    std::tie(subir_centesima_, bajar_centesima_) =
        de_onda(2160, 1, QStringLiteral("onda_centesima"), 0.01);
    std::tie(subir_milesima_, bajar_milesima_) =
        de_onda(2400, 2, QStringLiteral("onda_milesima"), 0.001);

    const Magnitud orden[] = {Magnitud::onda,      Magnitud::ranuras,  Magnitud::ancho,
                              Magnitud::distancia, Magnitud::inferior, Magnitud::superior};
    for (int i = 0; i + 1 < 6; ++i) {
        QWidget::setTabOrder(caja(orden[i]), caja(orden[i + 1]));
    }
}

void EntradaValores::set_controles_grandes(bool si) {
    for (const LugarDeBoton& l : lugares_) {
        diseno_.mover(l.boton, si ? l.grande : l.normal);
    }
}

void EntradaValores::mostrar_lineas() {
    const double d = actuales().valor(Magnitud::distancia).a_double();
    // Whole lines from ten per mm up; below, a decimal tells 1,5 from 2.
    const double n = lineas_por_mm(d);
    const double redondo = n >= 10 ? std::round(n) : std::round(n * 10) / 10;
    const QString texto = QStringLiteral("%1 líneas por mm").arg(texto_numero(redondo));
    lineas_->setText(texto);
    lineas_->setAccessibleName(texto);
}

void EntradaValores::conectar() {
    mostrar_lineas();
    connect(&parametros_, &ParametrosObservables::cambiado, this, [this](Magnitud m) {
        if (m == Magnitud::distancia) {
            mostrar_lineas();
        }
    });
    for (Magnitud m : magnitudes) {
        CajaValor* c = caja(m);
        connect(c, &CajaValor::raton_abajo, this, [this, m] { al_presionar(m); });
        connect(c, &QLineEdit::textEdited, this, [this, m] { al_editar(m); });
        connect(c, &QLineEdit::selectionChanged, this, [this, m] { al_cambiar_seleccion(m); });
        connect(c, &CajaValor::foco_perdido, this, [this, m] { al_salir(m); });
        connect(c, &QLineEdit::returnPressed, this, [this, m] { al_pulsar_enter(m); });
        connect(c, &CajaValor::flecha, this, [this, m](Sentido s) { al_pulsar_flecha(m, s); });
        connect(c, &CajaValor::flecha_soltada, this, [this, c] { soltar(c); });
        flechas_.push_back({subir_[indice(m)], m, Sentido::arriba, std::nullopt});
        flechas_.push_back({bajar_[indice(m)], m, Sentido::abajo, std::nullopt});
    }
    const Magnitud L = Magnitud::onda;
    flechas_.push_back({subir_centesima_, L, Sentido::arriba, Fijo::crudo(100)});
    flechas_.push_back({bajar_centesima_, L, Sentido::abajo, Fijo::crudo(100)});
    flechas_.push_back({subir_milesima_, L, Sentido::arriba, Fijo::crudo(10)});
    flechas_.push_back({bajar_milesima_, L, Sentido::abajo, Fijo::crudo(10)});
    for (const Flecha& f : flechas_) {
        BotonSpin* b = f.boton;
        connect(b, &PictureBox::pulsado, this, [this, f] { al_pulsar_boton(f); });
        connect(b, &BotonSpin::sostenido, this, [this, f] { sostener(f, f.boton); });
        connect(b, &BotonSpin::liberado, this, [this, b] { soltar(b); });
    }
    repeticion_.setSingleShot(true);
    connect(&repeticion_, &QTimer::timeout, this, &EntradaValores::repetir);
}

void EntradaValores::mostrar_parametros() {
    for (Magnitud m : {Magnitud::ranuras, Magnitud::ancho, Magnitud::distancia, Magnitud::onda}) {
        caja(m)->setText(texto_fijo(actuales().valor(m)));
        caja(m)->setCursorPosition(0); // a long value (a fit's 1.9924) shows its first digits
    }
    mostrar_seno(Magnitud::inferior);
    mostrar_seno(Magnitud::superior);
    const QPalette paleta = caja(Magnitud::inferior)->palette();
    color_fondo_ = paleta.color(QPalette::Base);
    color_texto_ = paleta.color(QPalette::Text);
    resaltado_ = paleta.color(QPalette::Highlight);
    texto_resaltado_ = paleta.color(QPalette::HighlightedText);
}

std::pair<double, double> EntradaValores::senos() const {
    return {leer(Magnitud::inferior), leer(Magnitud::superior)};
}

void EntradaValores::restablecer_sector() {
    // The sines -0.51 and 0.51, unless the ends' limits keep them nearer.
    for (const auto& [m, seno] :
         {std::pair{Magnitud::inferior, -0.51}, {Magnitud::superior, 0.51}}) {
        parametros_.fijar(m, actuales().dentro_de_limites(m, *tangente_de_seno(seno)));
        mostrar_seno(m);
    }
}

void EntradaValores::poner_extremo(Magnitud m, Fijo valor) {
    parametros_.fijar(m, actuales().dentro_de_limites(m, valor));
    mostrar_seno(m);
}

void EntradaValores::mostrar_seno(Magnitud m) {
    caja(m)->setText(texto_numero(formato(seno_de_tangente(actuales().valor(m)))));
}

void EntradaValores::set_hay_curvas(bool hay) {
    hay_curvas_ = hay;
    if (!hay) {
        comparando_ = Comparacion::nada;
        for (BotonSpin* b : botones_onda()) {
            b->setEnabled(true);
        }
        for (BotonSpin* b : botones_geometria()) {
            b->setEnabled(true);
        }
    }
}

bool EntradaValores::comparando_geometria() const {
    return comparando_ == Comparacion::geometria;
}

bool EntradaValores::bloqueada(const Flecha& f) const {
    const bool onda = f.m == Magnitud::onda;
    return (comparando_ == Comparacion::geometria && onda) ||
           (comparando_ == Comparacion::onda && !onda && !es_extremo(f.m));
}

QWidget* EntradaValores::primera_caja() const {
    return caja(Magnitud::onda);
}

QWidget* EntradaValores::ultima_caja() const {
    return caja(Magnitud::superior);
}

std::array<BotonSpin*, 6> EntradaValores::botones_onda() const {
    const int l = indice(Magnitud::onda);
    return {subir_[l],        bajar_[l],       subir_centesima_,
            bajar_centesima_, subir_milesima_, bajar_milesima_};
}

std::array<BotonSpin*, 6> EntradaValores::botones_geometria() const {
    const int n = indice(Magnitud::ranuras), a = indice(Magnitud::ancho),
              d = indice(Magnitud::distancia);
    return {subir_[n], bajar_[n], subir_[a], bajar_[a], subir_[d], bajar_[d]};
}
