#include "screen/sector_ampliado.h"

#include "model/color_onda.h"
#include "toolkit/colores.h"
#include "toolkit/diseno.h"
#include "toolkit/forma.h"
#include "toolkit/picture_box.h"
#include "toolkit/texto.h"

#include <QButtonGroup>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace {

const QString banda_unica_barra = QStringLiteral("Banda única/");

double tope(double x) {
    return std::min(x, 255.0);
}

// The caption colour of an option, as a classic colour number (255 pure red, 1 near black).
void color_rotulo(QRadioButton* b, std::uint32_t numero) {
    const QColor c = a_qcolor(Color::de_numero(numero));
    QPalette p = b->palette();
    p.setColor(QPalette::WindowText, c);
    p.setColor(QPalette::ButtonText, c);
    b->setPalette(p);
}

} // namespace

SectorAmpliado::SectorAmpliado(QWidget* cliente, Diseno& diseno)
    : QObject(cliente), diseno_(diseno) {
    crear_controles(cliente);
    connect(sector_, &PictureBox::movido, this,
            [this](double x, double y) { emit puntero_en(y / std::sqrt(y * y + 1), x); });
    for (int i = 0; i < 2; ++i) {
        QRadioButton* b = i == 0 ? opcion_banda_unica_ : opcion_bandas_separadas_;
        connect(b, &QRadioButton::toggled, this, [this, i](bool marcado) {
            if (marcado) {
                al_elegir(i);
            }
        });
    }
}

void SectorAmpliado::crear_controles(QWidget* cliente) {
    Diseno& d = diseno_;
    rotulo(d, cliente, QStringLiteral("Espectro de sector de pantalla ampliado"),
           {3900, 240, 1695, 540}, Qt::AlignCenter);
    sector_ = new PictureBox(cliente);
    sector_->setObjectName(QStringLiteral("sector_ampliado"));
    sector_->setAccessibleName(QStringLiteral("Espectro de sector de pantalla ampliado"));
    sector_->set_fondo(fondo_dibujo);
    d.colocar(sector_, {4020, 840, 1455, 4815}, 0);
    for (int k = 1; k <= 6; ++k) {
        cuadros_bandas_[k] = new Forma(cliente);
        cuadros_bandas_[k]->setObjectName(QStringLiteral("cuadro_bandas_%1").arg(k));
        cuadros_bandas_[k]->set_relleno(blanco);
        cuadros_bandas_[k]->setAccessibleName(QStringLiteral("Sin curva"));
        d.colocar(cuadros_bandas_[k], {4020.0 + 15 + (k - 1) * 240, 5715, 255, 255}, 0);
    }
    auto* grupo = new QButtonGroup(this);
    opcion_banda_unica_ = new QRadioButton(QStringLiteral("Banda unica "), cliente);
    opcion_banda_unica_->setObjectName(QStringLiteral("opcion_banda_unica"));
    opcion_bandas_separadas_ = new QRadioButton(QStringLiteral("Bandas separadas"), cliente);
    opcion_bandas_separadas_->setObjectName(QStringLiteral("opcion_bandas_separadas"));
    d.colocar(opcion_banda_unica_, {3930, 6030, 1650, 390});
    d.colocar(opcion_bandas_separadas_, {3930, 6405, 1650, 225});
    grupo->addButton(opcion_banda_unica_, 0);
    grupo->addButton(opcion_bandas_separadas_, 1);
    opcion_banda_unica_->setChecked(true);
    color_rotulo(opcion_banda_unica_, 255);
    color_rotulo(opcion_bandas_separadas_, 0);
}

void SectorAmpliado::pintar(const Curva& c, int k, const std::array<double, filas_bandas>& filas,
                            bool solo_esta) {
    quitar_previa(); // the case it showed is a curve now
    dibujar(c, k, filas, solo_esta, acumulados_);
    const bool una = banda_unica();
    // A screen reader hears whose colour each square shows.
    const QString de_la_curva =
        QStringLiteral("Curva %1: %2 micrones").arg(k).arg(texto_fijo(c.onda));
    for (int j = una ? 1 : k; j <= 6; ++j) {
        cuadros_bandas_[j]->set_relleno(una ? a_qcolor(c.color) : blanco);
        cuadros_bandas_[j]->setAccessibleName(una ? de_la_curva : QStringLiteral("Sin curva"));
    }
    cuadros_bandas_[k]->set_relleno(a_qcolor(c.color));
    cuadros_bandas_[k]->setAccessibleName(de_la_curva);
}

void SectorAmpliado::mostrar_previa(const Curva& c, int k,
                                    const std::array<double, filas_bandas>& filas, bool solo_esta) {
    Acumulados copia = acumulados_;
    sector_->empezar_capa();
    dibujar(c, k, filas, solo_esta, copia);
    sector_->terminar_capa();
}

void SectorAmpliado::quitar_previa() {
    sector_->empezar_capa();
    sector_->terminar_capa();
}

void SectorAmpliado::dibujar(const Curva& c, int k, const std::array<double, filas_bandas>& filas,
                             bool solo_esta, Acumulados& acumulados) {
    auto& [rojo, verde, azul] = acumulados;
    const double v1 = c.inferior.a_double(), v2 = c.superior.a_double();
    sector_->set_escala({0, v2, 6, -(v2 - v1)});
    const ComponentesColor luz = color_de_onda(c.onda);
    const double azul_luz = luz.b.a_double();
    const double n2 = c.alto();
    const bool una = banda_unica();
    auto colores = std::make_shared<std::vector<QRgb>>(filas_bandas);
    for (int i = 0; i < filas_bandas; ++i) {
        const double f = filas[i] / n2;
        if (solo_esta) {
            rojo[i] = verde[i] = azul[i] = 0;
        }
        const double R = tope(rojo[i] + f * luz.r);
        const double G = tope(verde[i] + f * luz.g);
        const double B = tope(azul[i] + f * azul_luz);
        rojo[i] = static_cast<std::int16_t>(round_even(R));
        verde[i] = static_cast<std::int16_t>(round_even(G));
        azul[i] = static_cast<std::int16_t>(round_even(B));
        (*colores)[i] = a_qcolor(una ? RGB(rojo[i], verde[i], azul[i])
                                     : RGB(f * luz.r, f * luz.g, f * azul_luz))
                            .rgb();
    }
    if (una) {
        sector_->bandas({0, v1}, {6, v2}, std::move(colores));
    } else {
        sector_->bandas({double(k - 1), v1}, {double(k), v2}, std::move(colores));
        if (k < 6) {
            sector_->caja_llena({double(k), v1}, {6, v2}, blanco);
        }
    }
}

void SectorAmpliado::borrar() {
    opcion_banda_unica_->setText(QStringLiteral("Banda única "));
    sector_->limpiar();
    for (int k = 1; k <= 6; ++k) {
        cuadros_bandas_[k]->set_relleno(blanco);
        cuadros_bandas_[k]->setAccessibleName(QStringLiteral("Sin curva"));
    }
    borrar_acumulados();
}

void SectorAmpliado::borrar_acumulados() {
    acumulados_ = {};
}

bool SectorAmpliado::banda_unica() const {
    return opcion_banda_unica_->isChecked();
}

void SectorAmpliado::al_elegir(int opcion) {
    if (opcion == 0) {
        color_rotulo(opcion_bandas_separadas_, 1);
        color_rotulo(opcion_banda_unica_, 255);
    } else {
        color_rotulo(opcion_banda_unica_, 1);
        color_rotulo(opcion_bandas_separadas_, 255);
        borrar_acumulados();
    }
    if (!cambio_spin_) {
        emit modo_cambiado();
    }
    cambio_spin_ = false;
}

void SectorAmpliado::rotular_ultimo_ensayo() {
    if (banda_unica()) {
        opcion_banda_unica_->setText(banda_unica_barra + fin_linea +
                                     QStringLiteral("último ensayo"));
    }
}

void SectorAmpliado::elegir_banda_unica_por_paso(bool mayuscula) {
    // Selecting single band runs the band-mode handling, which sees the flag and
    // keeps the graph. When single band was already selected nothing runs, so the
    // flag is dropped here: it must not spare the user's next band-mode change.
    cambio_spin_ = true;
    opcion_banda_unica_->setChecked(true);
    cambio_spin_ = false;
    color_rotulo(opcion_banda_unica_, 255);
    color_rotulo(opcion_bandas_separadas_, 1);
    opcion_banda_unica_->setText(
        banda_unica_barra + fin_linea +
        (mayuscula ? QStringLiteral("Intensidad total") : QStringLiteral("intensidad total")));
}

void SectorAmpliado::elegir_modo(bool una) {
    (una ? opcion_banda_unica_ : opcion_bandas_separadas_)->setChecked(true);
}

QImage SectorAmpliado::imagen() const {
    return sector_->imagen();
}
