#include "zoom/ventana_zoom.h"

#include "grafica/escala.h"
#include "grafica/ordenada.h"
#include "toolkit/datos.h"
#include "toolkit/diseno.h"
#include "toolkit/mensaje.h"
#include "toolkit/picture_box.h"
#include "toolkit/portapapeles.h"
#include "toolkit/reloj_arena.h"
#include "windows/dibujos.h"
#include "zoom/lugar.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

namespace {
// Designed client area, in twips.
constexpr double ancho_diseno = 5520;
constexpr double alto_diseno = 4905;

// Where the user last moved the window in this run of the program; the window
// itself goes with its close box.
std::optional<QPoint> lugar_del_usuario;

// A magnifier button: Tab reaches it and Space or Enter presses it. The
// program's own pictures are drawn again at the device's pixels, so that they
// stay as sharp as the drawing at any scale; another picture is shown as loaded.
class BotonLupa : public PictureBox {
public:
    BotonLupa(bool acercar, QWidget* padre) : PictureBox(padre), acercar_(acercar) {
        set_rol(QAccessible::Button);
        setFocusPolicy(Qt::TabFocus);
        set_fondo(gris_boton);
        setCursor(Qt::PointingHandCursor);
    }

protected:
    void pintar_imagen(QPainter& p, const QRect& r) override {
        const QImage cargada = imagen_fondo().convertToFormat(QImage::Format_RGB32);
        const int lado = std::min(r.width(), r.height());
        const QRect cuadro(r.x() + (r.width() - lado) / 2, r.y() + (r.height() - lado) / 2, lado,
                           lado);
        bool propia = false;
        for (bool activa : {true, false}) {
            if (!propia && cargada == imagen_lupa(acercar_, activa)) {
                p.drawImage(cuadro.topLeft(), imagen_lupa(acercar_, activa, lado));
                propia = true;
            }
        }
        if (!propia) {
            PictureBox::pintar_imagen(p, r);
        }
        if (hasFocus()) {
            const int g = std::max(1, static_cast<int>(std::lround(devicePixelRatioF())));
            p.setPen(QPen(Qt::black, g, Qt::DotLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(cuadro.adjusted(2 * g, 2 * g, -3 * g, -3 * g));
        }
    }
    void focusInEvent(QFocusEvent* e) override {
        repintar_imagen();
        PictureBox::focusInEvent(e);
    }
    void focusOutEvent(QFocusEvent* e) override {
        repintar_imagen();
        PictureBox::focusOutEvent(e);
    }
    void keyPressEvent(QKeyEvent* e) override {
        const int k = e->key();
        if (k == Qt::Key_Space || k == Qt::Key_Return || k == Qt::Key_Enter) {
            pulsar();
            return;
        }
        PictureBox::keyPressEvent(e);
    }

private:
    bool acercar_;
};

QAccessibleInterface* ventana_accesible(const QString& clase, QObject* objeto) {
    if (clase == QLatin1String("VentanaZoom") && objeto->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(objeto), QAccessible::Dialog);
    }
    return nullptr;
}

} // namespace

VentanaZoom::VentanaZoom(QWidget* padre, double factor) : QWidget(padre, Qt::Dialog) {
    static const bool instalada = (QAccessible::installFactory(ventana_accesible), true);
    Q_UNUSED(instalada);
    setWindowTitle(QStringLiteral("Zoom"));
    setAccessibleName(QStringLiteral("Zoom"));
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(fondo);
    setAutoFillBackground(true);
    crear_controles(factor);
}

void VentanaZoom::crear_controles(double factor) {
    diseno_ = new Diseno(this, ancho_diseno, alto_diseno);
    Diseno& d = *diseno_;

    dibujo_ = new PictureBox(this);
    dibujo_->setObjectName(QStringLiteral("dibujo"));
    dibujo_->setAccessibleName(QStringLiteral("Gráfica ampliada"));
    dibujo_->set_fondo(fondo_dibujo);
    d.colocar(dibujo_, {60, 0, 5415, 4215}, 0);

    barra_ = new QScrollBar(Qt::Horizontal, this);
    barra_->setObjectName(QStringLiteral("barra"));
    barra_->setAccessibleName(QStringLiteral("Posición de la selección"));
    barra_->setRange(0, 100);
    barra_->setPageStep(20);
    // A drag of the thumb only moves the outline on the graph; the drawing follows on release.
    barra_->setTracking(false);
    barra_->setFocusPolicy(Qt::TabFocus); // the arrow keys pan, as the bar's arrows do
    barra_->installEventFilter(this);
    d.colocar(barra_, {60, 4260, 5415, 195}, 0);

    auto* copiar = new QPushButton(QStringLiteral("Copiar al Portapapeles"), this);
    copiar->setObjectName(QStringLiteral("boton_copiar"));
    d.colocar(copiar, {60, 4560, 2295, 315});
    boton_suma_ = new QPushButton(QStringLiteral("Ver Suma"), this);
    boton_suma_->setObjectName(QStringLiteral("boton_suma"));
    d.colocar(boton_suma_, {2460, 4560, 975, 315});
    lupa_alejar_ = new BotonLupa(false, this);
    lupa_alejar_->setObjectName(QStringLiteral("lupa_alejar"));
    lupa_alejar_->setAccessibleName(QStringLiteral("Alejar"));
    lupa_alejar_->setAccessibleDescription(QStringLiteral("Ver el doble del alto seleccionado"));
    lupa_alejar_->set_imagen(imagen_lupa(false, true));
    d.colocar(lupa_alejar_, {3660, 4560, 315, 315}, 0);
    lupa_acercar_ = new BotonLupa(true, this);
    lupa_acercar_->setObjectName(QStringLiteral("lupa_acercar"));
    lupa_acercar_->setAccessibleName(QStringLiteral("Acercar"));
    lupa_acercar_->setAccessibleDescription(QStringLiteral("Volver al alto seleccionado"));
    lupa_acercar_->set_imagen(imagen_lupa(true, false));
    d.colocar(lupa_acercar_, {4140, 4560, 315, 315}, 0);
    auto* cerrar = new QPushButton(QStringLiteral("Cerrar"), this);
    cerrar->setObjectName(QStringLiteral("boton_cerrar"));
    d.colocar(cerrar, {4620, 4560, 795, 315});

    connect(diseno_, &Diseno::escalado, dibujo_, &PictureBox::set_grosor);
    connect(barra_, &QScrollBar::valueChanged, this, &VentanaZoom::al_cambiar_barra);
    connect(barra_, &QScrollBar::sliderMoved, this, &VentanaZoom::al_arrastrar_barra);
    connect(copiar, &QPushButton::clicked, this, [this] { copiar_imagen(dibujo_->imagen()); });
    connect(cerrar, &QPushButton::clicked, this, &QWidget::hide);
    connect(boton_suma_, &QPushButton::clicked, this, &VentanaZoom::dibujar_suma);
    connect(dibujo_, &PictureBox::pulsado, this, [this] {
        limpiar_dibujo();
        hide();
    });
    connect(dibujo_, &PictureBox::movido, this, [this](double x) { emit puntero_en(x); });
    connect(lupa_alejar_, &PictureBox::pulsado, this, &VentanaZoom::alejar);
    connect(lupa_acercar_, &PictureBox::pulsado, this, &VentanaZoom::acercar);

    resize(static_cast<int>(std::lround(ancho_diseno / 15 * factor)),
           static_cast<int>(std::lround(alto_diseno / 15 * factor)));
}

void VentanaZoom::abrir(const std::vector<Curva>& curvas, double seno_min, double seno_max,
                        const Seleccion& s, const QRect& despejar) {
    curvas_ = curvas;
    seno_min_ = seno_min;
    seno_max_ = seno_max;
    seleccion_ = s;
    // The left end of the selection as a percentage of the free travel of a
    // window of its width across the range; past the graph, the bar's end.
    const double w = static_cast<double>(s.x_fin) - s.x_ini;
    const double posicion = round_even(100 * (s.x_ini - seno_min) / ((seno_max - w) - seno_min));
    const int valor = static_cast<int>(std::clamp(posicion, 0.0, 100.0));
    if (valor != barra_->value()) {
        barra_->setValue(valor); // runs the change handling: the selection moves to the bar
    } else if (valor != posicion) {
        al_cambiar_barra();
    }
    ubicar(despejar);
    mostrar_modal(this);
}

void VentanaZoom::ubicar(const QRect& despejar) {
    const QScreen* pantalla = parentWidget() ? parentWidget()->screen() : screen();
    const QRect libre = pantalla->availableGeometry();
    // Shown once, the window knows the size of its frame.
    const QSize tam = frameGeometry().size();
    if (lugar_del_usuario) {
        lugar_puesto_ = dentro_de(*lugar_del_usuario, tam, libre);
    } else if (!despejar.isEmpty()) {
        lugar_puesto_ = lugar_junto_a(tam, despejar, libre);
    } else {
        const QWidget* padre = parentWidget() ? parentWidget()->window() : this;
        const QPoint centro = padre->frameGeometry().center();
        lugar_puesto_ = dentro_de(centro - QPoint(tam.width() / 2, tam.height() / 2), tam, libre);
    }
    move(lugar_puesto_);
}

void VentanaZoom::recordar_lugar() {
    if (pos() != lugar_puesto_) {
        lugar_del_usuario = pos();
    }
}

void VentanaZoom::dibujar() {
    if (curvas_.empty()) {
        return;
    }
    emit seleccion_movida(seleccion_);
    Seleccion& s = seleccion_;
    const double nl = curvas_.back().ranuras;
    // A selection down to the graph's bottom keeps zero intensity in sight.
    if (s.y_fin >= nl * nl) {
        s.y_fin = static_cast<float>(1.02 * nl * nl);
    }
    RelojArena reloj;
    bool misma_red = true;
    for (std::size_t k = 0; k < curvas_.size(); ++k) {
        const Curva& c = curvas_[k];
        misma_red = misma_red && (k == 0 || c.misma_red(curvas_[k - 1]));
        // Each curve was drawn on a vertical scale of its own N²: this is the
        // region of the graph where it lies.
        const double r = (c.ranuras / nl) * (c.ranuras / nl);
        double arriba = s.y_ini * r;
        double abajo = s.y_fin * r;
        if (alejado_) {
            const double h = abajo - arriba;
            abajo = arriba + h;
            arriba -= h;
        }
        dibujo_->scale(s.x_ini, arriba, s.x_fin, abajo);

        // Sampled as the graph samples, so that dense gratings keep their true pattern.
        const Muestras m = muestrear_tramo(c, s.x_ini, s.x_fin, columnas());
        dibujo_->polilinea(trazo_de_grafica(m, alto_de_grafica(c)), a_qcolor(c.color));
    }
    dibujo_->empezar_capa();
    dibujar_escala(*dibujo_, s.x_ini, s.x_fin, grados_);
    dibujo_->terminar_capa();
    const double w = static_cast<double>(s.x_fin) - s.x_ini;
    barra_->setSingleStep(static_cast<int>(round_even(1 + 20 * w / (seno_max_ - seno_min_ - w))));
    boton_suma_->setEnabled(misma_red && curvas_.size() > 1);
    dibujado_ = true;
}

void VentanaZoom::dibujar_suma() {
    if (!curvas_.empty()) {
        // On the vertical scale of the last curve, whose N all the curves share.
        const Seleccion& s = seleccion_;
        const Muestras suma = muestrear_suma(curvas_, s.x_ini, s.x_fin, columnas());
        dibujo_->polilinea(trazo_de_grafica(suma, alto_de_grafica(curvas_.back())), negro);
        dibujo_->scale(s.x_ini, s.y_ini, s.x_fin, s.y_fin);
    }
    boton_suma_->setEnabled(false);
    suma_visible_ = true;
}

Columnas VentanaZoom::columnas() const {
    const Seleccion& s = seleccion_;
    return {s.x_ini, static_cast<double>(s.x_fin) - s.x_ini, dibujo_->tamano_pixeles().width()};
}

void VentanaZoom::ubicar_seleccion(int V) {
    Seleccion& s = seleccion_;
    const float w = s.ancho();
    s.x_ini = static_cast<float>(seno_min_ + (seno_max_ - seno_min_ - w) * V / 100);
    s.x_fin = s.x_ini + w;
    if (s.x_fin > seno_max_) {
        s.x_fin = static_cast<float>(seno_max_);
        s.x_ini = static_cast<float>(seno_max_ - w);
    }
}

void VentanaZoom::al_cambiar_barra() {
    suma_visible_ = false;
    acercar();
    ubicar_seleccion(barra_->value());
    limpiar_dibujo();
    dibujar();
    emit seleccion_movida(seleccion_);
}

void VentanaZoom::al_arrastrar_barra() {
    ubicar_seleccion(barra_->sliderPosition());
    emit seleccion_movida(seleccion_);
}

void VentanaZoom::alejar() {
    // The doubled range applies to this drawing only.
    alejado_ = true;
    limpiar_dibujo();
    dibujar();
    if (suma_visible_) {
        dibujar_suma();
    }
    alejado_ = false;
    poner_lupas(false);
}

void VentanaZoom::acercar() {
    alejado_ = false;
    limpiar_dibujo();
    dibujar();
    if (suma_visible_) {
        dibujar_suma();
    }
    poner_lupas(true);
}

void VentanaZoom::poner_lupas(bool alejar_disponible) {
    // A missing picture file leaves the picture the button already shows.
    lupa_alejar_->cargar_imagen(ruta_de_datos(alejar_disponible ? QStringLiteral("LupaOuSi.bmp")
                                                                : QStringLiteral("LupaOuNo.bmp")));
    lupa_acercar_->cargar_imagen(ruta_de_datos(alejar_disponible ? QStringLiteral("LupaInNo.bmp")
                                                                 : QStringLiteral("LupaInSi.bmp")));
}

void VentanaZoom::limpiar_dibujo() {
    dibujo_->limpiar();
    dibujado_ = false;
}

void VentanaZoom::desactivar() {
    emit desactivada();
    limpiar_dibujo();
}

bool VentanaZoom::event(QEvent* e) {
    // An activation can come late, after the window was hidden again.
    if (e->type() == QEvent::WindowActivate && isVisible() && !dibujado_) {
        dibujar();
    } else if (e->type() == QEvent::WindowDeactivate) {
        desactivar();
    }
    return QWidget::event(e);
}

void VentanaZoom::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    // Not every platform activates a window when it is shown.
    if (!dibujado_) {
        dibujar();
    }
}

void VentanaZoom::hideEvent(QHideEvent* e) {
    recordar_lugar();
    desactivar();
    QWidget::hideEvent(e);
}

void VentanaZoom::closeEvent(QCloseEvent* e) {
    recordar_lugar();
    desactivar();
    e->accept();
}

bool VentanaZoom::eventFilter(QObject* o, QEvent* e) {
    if (o == barra_ && e->type() == QEvent::KeyPress) {
        // A scroll bar takes Left for a step forward (its controls are inverted
        // for the wheel's sake): here Right goes right.
        const int k = static_cast<QKeyEvent*>(e)->key();
        if (k == Qt::Key_Left || k == Qt::Key_Right) {
            barra_->triggerAction(k == Qt::Key_Right ? QAbstractSlider::SliderSingleStepAdd
                                                     : QAbstractSlider::SliderSingleStepSub);
            return true;
        }
    }
    return QWidget::eventFilter(o, e);
}

void VentanaZoom::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape) {
        hide(); // as "Cerrar"
        return;
    }
    QWidget::keyPressEvent(e);
}

void VentanaZoom::mousePressEvent(QMouseEvent* e) {
    presionado_ = e->button() == Qt::LeftButton;
    QWidget::mousePressEvent(e);
}

void VentanaZoom::mouseReleaseEvent(QMouseEvent* e) {
    // A click on the window outside its controls hides it.
    const bool clic =
        presionado_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    presionado_ = false;
    QWidget::mouseReleaseEvent(e);
    if (clic) {
        hide();
    }
}
