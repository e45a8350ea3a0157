#include "grafica/grafica.h"

#include "grafica/escala.h"
#include "grafica/ordenada.h"
#include "model/ordenes.h"
#include "model/parametros.h"
#include "toolkit/colores.h"
#include "toolkit/diseno.h"
#include "toolkit/forma.h"
#include "toolkit/picture_box.h"
#include "toolkit/texto.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPainter>

#include <utility>

namespace {

// Rows of the list are as tall as the pitch of the colour squares beside them (twips).
constexpr double alto_fila = 240;

// The magnifier: a lens with its handle on a raised face, drawn at the size
// the box is shown at in device pixels (designed on a grid of 100).
class CaraDeLupa : public PictureBox {
public:
    using PictureBox::PictureBox;

protected:
    void pintar_imagen(QPainter& p, const QRect& r) override {
        p.save();
        p.translate(r.topLeft());
        p.scale(r.width() / 100.0, r.height() / 100.0);
        p.fillRect(QRectF(0, 0, 100, 100), QColor(192, 192, 192));
        p.fillRect(QRectF(0, 0, 100, 5), Qt::white);
        p.fillRect(QRectF(0, 0, 5, 100), Qt::white);
        p.fillRect(QRectF(0, 95, 100, 5), QColor(64, 64, 64));
        p.fillRect(QRectF(95, 0, 5, 100), QColor(64, 64, 64));
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(40, 40, 40), 14, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(60, 60), QPointF(82, 82));
        p.setPen(QPen(QColor(20, 20, 20), 8));
        p.setBrush(QColor(210, 230, 250));
        p.drawEllipse(QPointF(42, 42), 24, 24);
        p.restore();
    }
};

// The lines one plotted case adds to the data text.
QString bloque_datos(const Curva& c) {
    const QString micrones = QStringLiteral(" micrones") + fin_linea;
    return QStringLiteral("Angulo Mínimo: ") + texto_numero(c.ang_min()) + QStringLiteral(" º") +
           fin_linea + QStringLiteral("Angulo Máximo: ") + texto_numero(c.ang_max()) +
           QStringLiteral(" º") + fin_linea + QStringLiteral("Número de ranuras: ") +
           texto_fijo(Fijo(c.ranuras)) + fin_linea + QStringLiteral("Ancho de ranura: ") +
           texto_fijo(c.ancho) + micrones + QStringLiteral("Distancia entre ranuras: ") +
           texto_fijo(c.distancia) + micrones + QStringLiteral("Longitud de Onda: ") +
           texto_fijo(c.onda) + micrones + fin_linea;
}

// A central intensity as the list's width allows: whole when it fits, else
// with as many significant digits as fit (3791.68, 2.5e+09).
QString texto_intensidad(double x, const QFontMetrics& letra, int ancho) {
    QString texto = texto_numero(x);
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    for (int cifras = 15; letra.horizontalAdvance(texto) > ancho && cifras > 1; --cifras) {
        texto = l.toString(x, 'g', cifras);
    }
    return texto;
}

// The graph's coordinates for curve c: its sector across, its N² down.
Escala escala_de(const Curva& c) {
    const double s0 = c.seno_min(), s1 = c.seno_max();
    return {static_cast<float>(s0), 0, static_cast<float>(s1 - s0), alto_de_grafica(c)};
}

// The intensity a row of the list stands for, kept beside its shortened text.
constexpr int rol_intensidad = Qt::UserRole;

} // namespace

Grafica::Grafica(QWidget* cliente, Diseno& diseno, const Parametros& parametros)
    : QObject(cliente), diseno_(diseno) {
    crear_controles(cliente, parametros);
    connect(grafica_, &PictureBox::presionado, this,
            [this](double x, double y) { al_presionar(x, y); });
    connect(grafica_, &PictureBox::movido, this, [this](double x, double y) { al_mover(x, y); });
    connect(grafica_, &PictureBox::soltado, this, [this] { al_soltar(); });
    connect(lupa_, &PictureBox::pulsado, this, &Grafica::alternar_lupa);
    connect(&diseno_, &Diseno::escalado, this, &Grafica::ajustar_filas);
}

void Grafica::crear_controles(QWidget* cliente, const Parametros& parametros) {
    Diseno& d = diseno_;
    marco_datos_ = new QGroupBox(QStringLiteral("Datos de espectro"), cliente);
    marco_datos_->setObjectName(QStringLiteral("marco_datos"));
    d.colocar(marco_datos_, {5580, 60, 3975, 6015});
    rotulo(d, marco_datos_,
           QStringLiteral("Intensidad en el centro de la pantalla   (en relación a una "
                          "ranura de 1 micrón):"),
           {120, 450, 1440, 1470}, Qt::AlignLeft | Qt::AlignTop);
    lista_intensidades_ = new QListWidget(marco_datos_);
    lista_intensidades_->setObjectName(QStringLiteral("lista_intensidades"));
    lista_intensidades_->setAccessibleName(
        QStringLiteral("Intensidad en el centro de la pantalla"));
    lista_intensidades_->setFocusPolicy(Qt::NoFocus);
    lista_intensidades_->setUniformItemSizes(true);
    lista_intensidades_->setFrameShape(QFrame::Box);
    lista_intensidades_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    d.colocar(lista_intensidades_, {1620, 480, 900, 1485});
    for (int k = 1; k <= 6; ++k) {
        cuadros_lista_[k] = new Forma(marco_datos_);
        cuadros_lista_[k]->setObjectName(QStringLiteral("cuadro_lista_%1").arg(k));
        cuadros_lista_[k]->set_relleno(blanco);
        cuadros_lista_[k]->setAccessibleName(QStringLiteral("Sin curva"));
        d.colocar(cuadros_lista_[k], {2580, 495.0 + (k - 1) * 240, 255, 255}, 0);
    }
    rotulo(d, marco_datos_, QStringLiteral("Intensidad :"), {2940, 480, 975, 225});
    QLabel* intensidad = rotulo(d, marco_datos_, QString(), {2940, 720, 915, 255});
    intensidad->setObjectName(QStringLiteral("lectura_intensidad"));
    intensidad->setAccessibleName(QStringLiteral("Intensidad"));

    lupa_ = new CaraDeLupa(marco_datos_);
    lupa_->set_rol(QAccessible::Button); // before a name makes the screen reader ask
    lupa_->setObjectName(QStringLiteral("lupa"));
    lupa_->setAccessibleName(QStringLiteral("Lupa"));
    lupa_->setAccessibleDescription(QStringLiteral("Ampliar una zona de la gráfica"));
    lupa_->set_modo(PictureBox::Modo::invertir); // a second press mark restores the picture
    lupa_->scale(0, 0, 20, 20);
    d.colocar(lupa_, {3240, 1140, 375, 375}, 0);
    aviso_seleccione_ = rotulo(d, marco_datos_, QStringLiteral("Seleccione "),
                               {2940, 1620, 915, 255}, Qt::AlignCenter);
    aviso_seleccione_->setObjectName(QStringLiteral("aviso_seleccione"));
    pintar_fondo(aviso_seleccione_, amarillo_aviso);
    aviso_seleccione_->hide();

    grafica_ = new PictureBox(marco_datos_);
    grafica_->setObjectName(QStringLiteral("grafica"));
    grafica_->setAccessibleName(QStringLiteral("Gráfica de intensidades"));
    // Tab reaches it, a click does not: the frame is the keyboard's way to the zoom.
    grafica_->setFocusPolicy(Qt::TabFocus);
    grafica_->installEventFilter(this);
    grafica_->set_fondo(fondo_dibujo);
    d.colocar(grafica_, {60, 1980, 3795, 3150}, 0);
    marco_teclado_.emplace(grafica_, azul_seleccion);
    marco_zoom_ = new Forma(grafica_);
    marco_zoom_->setObjectName(QStringLiteral("marco_zoom"));
    marco_zoom_->setAccessibleName(QStringLiteral("Zona ampliada"));
    marco_zoom_->set_borde(azul_seleccion);
    marco_zoom_->hide();

    rotulo(d, marco_datos_, QStringLiteral("Seno (Angulo de Desviación)"), {660, 5190, 2655, 255},
           Qt::AlignCenter);
    QLabel* seno = rotulo(d, marco_datos_, QString(), {1500, 5475, 975, 255}, Qt::AlignCenter);
    seno->setObjectName(QStringLiteral("lectura_seno"));
    seno->setAccessibleName(QStringLiteral("Seno"));
    // Where the prompt of the magnifier shows while it is pressed.
    QLabel* orden = rotulo(d, marco_datos_, QString(), {2940, 1620, 915, 255}, Qt::AlignCenter);
    orden->setObjectName(QStringLiteral("lectura_orden"));
    orden->setAccessibleName(QStringLiteral("Orden"));
    orden->hide();
    // Under the sine: where the pointer's sine meets a screen at a distance, once one is set.
    QLabel* pantalla = rotulo(d, marco_datos_, QString(), {1320, 5745, 1335, 225}, Qt::AlignCenter);
    pantalla->setObjectName(QStringLiteral("lectura_pantalla"));
    pantalla->setAccessibleName(QStringLiteral("Posición en la pantalla"));
    pantalla->hide();
    for (QLabel* l : {seno, intensidad, orden, pantalla}) {
        pintar_fondo(l, blanco);
        l->setWordWrap(false);
    }
    lecturas_.emplace(seno, intensidad, orden, pantalla, parametros);
}

QWidget* Grafica::marco() const {
    return marco_datos_;
}

double Grafica::seno_min() const {
    return curvas_.empty() ? 0 : curvas_.back().seno_min();
}

double Grafica::seno_max() const {
    return curvas_.empty() ? 0 : curvas_.back().seno_max();
}

QImage Grafica::imagen() const {
    return grafica_->imagen();
}

Muestreo Grafica::agregar(const Curva& c) {
    const bool primera = curvas_.empty();
    curvas_.push_back(c);
    const int k = static_cast<int>(curvas_.size());
    datos_ += bloque_datos(c);
    // Each curve takes a scale of its own; the curves already drawn stay as drawn.
    const Escala e = escala_de(c);
    grafica_->set_escala(e);
    if (primera) {
        dibujar_grilla(c);
    }
    Muestreo m = muestrear(c, {e.left, e.width, grafica_->tamano_pixeles().width()});
    grafica_->polilinea(trazo_de_grafica(m.curva, e.height), a_qcolor(c.color));
    cuadros_lista_[k]->set_relleno(a_qcolor(c.color));
    cuadros_lista_[k]->setAccessibleName(
        QStringLiteral("Curva %1: %2 micrones").arg(k).arg(texto_fijo(c.onda)));
    const double n = c.ranuras, a = c.ancho.a_double();
    auto* fila = new QListWidgetItem(lista_intensidades_);
    fila->setData(rol_intensidad, n * n * a * a);
    fila->setData(Qt::AccessibleTextRole,
                  QStringLiteral("Curva %1: %2").arg(k).arg(texto_numero(n * n * a * a)));
    ajustar_fila(fila);
    marco_teclado_->olvidar(); // the graph's coordinates are this curve's now
    redibujar_capa();
    return m;
}

Muestreo Grafica::mostrar_previa(const Curva& c) {
    const double s0 = c.seno_min(), s1 = c.seno_max();
    Muestreo m = muestrear(c, {s0, s1 - s0, grafica_->tamano_pixeles().width()});
    previa_ = c;
    trazo_previa_ = trazo_de_grafica(m.curva, alto_de_grafica(c));
    redibujar_capa();
    return m;
}

void Grafica::quitar_previa() {
    if (previa_) {
        previa_.reset();
        trazo_previa_.reset();
        redibujar_capa();
    }
}

void Grafica::set_ordenes(bool visibles) {
    ordenes_ = visibles;
    lecturas_->set_orden_visible(ordenes_ && !lupa_presionada_);
    redibujar_capa();
}

void Grafica::set_distancia_pantalla(std::optional<double> cm) {
    lecturas_->set_distancia_pantalla(cm);
}

void Grafica::set_escala_en_grados(bool si) {
    grados_ = si;
    redibujar_capa();
}

void Grafica::mostrar_medicion(std::vector<QPointF> puntos) {
    medicion_ = std::move(puntos);
    redibujar_capa();
}

void Grafica::redibujar_capa() {
    // A preview alone gives the graph its coordinates (the pointer's read-outs
    // follow them) and its grid.
    const bool sola = previa_ && curvas_.empty();
    const Escala de_la_grafica = sola ? escala_de(*previa_) : grafica_->escala();
    grafica_->empezar_capa();
    if (previa_ || hay_curvas()) {
        // First, so that the orders' labels give way to the numbers of the scale.
        dibujar_escala(*grafica_, de_la_grafica.left, de_la_grafica.left + de_la_grafica.width,
                       grados_);
    }
    if (previa_) {
        grafica_->set_escala(escala_de(*previa_));
        if (sola) {
            dibujar_grilla(*previa_);
        }
        grafica_->polilinea(trazo_previa_, a_qcolor(tono_de_previa(previa_->color)));
    }
    const Curva* comparada = previa_ ? &*previa_ : curvas_.empty() ? nullptr : &curvas_.back();
    if (comparada && !medicion_.empty()) {
        grafica_->set_escala(escala_de(*comparada));
        const double alto = alto_de_grafica(*comparada);
        for (const QPointF& p : medicion_) {
            grafica_->punto({p.x(), 0.98 * alto * (1 - p.y())}, gris_marca);
        }
    }
    if (ordenes_) {
        // The preview's first: where labels meet, the case being explored keeps its own.
        if (previa_) {
            marcar_ordenes(*previa_);
        }
        for (auto c = curvas_.rbegin(); c != curvas_.rend(); ++c) {
            marcar_ordenes(*c);
        }
    }
    grafica_->terminar_capa();
    grafica_->set_escala(de_la_grafica);
}

void Grafica::marcar_ordenes(const Curva& c) {
    const double alto = alto_de_grafica(c);
    grafica_->set_escala(escala_de(c));
    const Red red = c.red();
    // A dark tone of the curve's colour, legible on the graph's ground.
    const QColor color = a_qcolor(c.color).darker(200);
    // The missing orders first: where labels would meet, they are what the lesson is about.
    const std::vector<Orden> ordenes = ordenes_principales(c);
    // Where the maximum would be, the curve lies on its zero line; the label
    // stands just above the scale's numbers.
    const double sobre_escala =
        alto * (1 - double(alto_fila_escala(*grafica_)) / std::max(1, grafica_->height()));
    for (const Orden& o : ordenes) {
        if (o.ausente) {
            grafica_->texto({o.seno, std::min(0.98 * alto, sobre_escala)},
                            QStringLiteral("(%1)").arg(texto_numero(o.m)),
                            Qt::AlignHCenter | Qt::AlignBottom, color);
        }
    }
    for (const Orden& o : ordenes) {
        if (!o.ausente) {
            grafica_->texto({o.seno, 0.98 * (alto - red(o.seno))}, texto_numero(o.m),
                            Qt::AlignLeft | Qt::AlignVCenter, color);
        }
    }
}

std::optional<int> Grafica::orden_en(double x) const {
    if (!ordenes_) {
        return std::nullopt;
    }
    const double ancho = grafica_->width();
    const auto columna = [&](const Curva& c, double s) {
        return std::floor((s - c.seno_min()) / (c.seno_max() - c.seno_min()) * ancho);
    };
    std::vector<const Curva*> marcadas;
    if (previa_) {
        marcadas.push_back(&*previa_);
    }
    for (auto c = curvas_.rbegin(); c != curvas_.rend(); ++c) {
        marcadas.push_back(&*c);
    }
    for (const Curva* c : marcadas) {
        if (!(c->seno_max() > c->seno_min())) {
            continue;
        }
        for (const Orden& o : ordenes_principales(*c)) {
            if (!o.ausente && columna(*c, o.seno) == columna(*c, x)) {
                return o.m;
            }
        }
    }
    return std::nullopt;
}

void Grafica::dibujar_grilla(const Curva& c) {
    // Five rows of N²/5 and ten columns across the range; a last line that the
    // stepping pushes past the end is not drawn.
    const double s0 = c.seno_min(), s1 = c.seno_max();
    const double h = alto_de_grafica(c);
    const double paso = std::fabs(s1 - s0) / 1000;
    for (double y = 0; y <= h; y += h / 5) {
        grafica_->linea({s0, y}, {s1, y}, a_qcolor(QBColor(8)));
    }
    for (double x = s0; x <= s1; x += 100 * paso) {
        grafica_->linea({x, h}, {x, 0}, a_qcolor(QBColor(8)));
        if (!(paso > 0)) {
            break; // an empty range has one column
        }
    }
}

void Grafica::borrar() {
    previa_.reset();
    trazo_previa_.reset();
    curvas_.clear();
    datos_.clear();
    grafica_->limpiar();
    lista_intensidades_->clear();
    for (int k = 1; k <= 6; ++k) {
        cuadros_lista_[k]->set_relleno(blanco);
        cuadros_lista_[k]->setAccessibleName(QStringLiteral("Sin curva"));
    }
    marco_teclado_->olvidar();
}

void Grafica::ajustar_filas() {
    for (int i = 0; i < lista_intensidades_->count(); ++i) {
        ajustar_fila(lista_intensidades_->item(i));
    }
}

void Grafica::ajustar_fila(QListWidgetItem* fila) {
    fila->setSizeHint(QSize(0, diseno_.a_pixeles(alto_fila)));
    // The style pads a row's text; four pixels cover it.
    const double I = fila->data(rol_intensidad).toDouble();
    fila->setText(texto_intensidad(I, lista_intensidades_->fontMetrics(),
                                   lista_intensidades_->viewport()->width() - 4));
    fila->setToolTip(texto_numero(I));
}

void Grafica::lectura_del_sector(double seno, double x) {
    if (hay_curvas() || previa_) {
        lecturas_->sobre_sector(seno, x);
    }
}

void Grafica::lectura_del_zoom(double x) {
    lecturas_->sobre_zoom(x);
}

void Grafica::borrar_lecturas() {
    lecturas_->borrar();
}

void Grafica::borrar_lectura_seno() {
    lecturas_->borrar_seno();
}

void Grafica::al_mover(double x, double y) {
    if (hay_curvas() || previa_) {
        lecturas_->sobre_grafica(x, orden_en(x));
    }
    if (arrastrando_) {
        // The band is the graph's only transient figure: dropping it erases the
        // previous outline, and the curves under it are never drawn again.
        grafica_->descartar_transitorias();
        grafica_->caja({seleccion_.x_ini, seleccion_.y_ini}, {x, y}, azul_seleccion);
        seleccion_.x_fin = static_cast<float>(x);
        seleccion_.y_fin = static_cast<float>(y);
    }
}

void Grafica::al_presionar(double x, double y) {
    if (!hay_curvas()) {
        return;
    }
    arrastrando_ = true;
    marco_teclado_->ocultar();
    const auto fx = static_cast<float>(x), fy = static_cast<float>(y);
    seleccion_ = {fx, fy, fx, fy};
    grafica_->set_modo(PictureBox::Modo::invertir);
    // Off from the press on, so that even a click without a drag never marks the picture.
    grafica_->set_persistente(false);
    grafica_->descartar_transitorias();
    // Escape cancels the band wherever the focus is.
    QCoreApplication::instance()->installEventFilter(this);
    if (lupa_presionada_) {
        alternar_lupa();
    }
}

void Grafica::cancelar_banda() {
    arrastrando_ = false;
    QCoreApplication::instance()->removeEventFilter(this);
    grafica_->descartar_transitorias();
    grafica_->set_modo(PictureBox::Modo::copiar);
    grafica_->set_persistente(true);
}

void Grafica::al_soltar() {
    // Only a press on a plotted graph starts a selection; a release without one
    // (none since start-up, the press came after "Limpiar", or Escape took it
    // back) selects nothing.
    if (!arrastrando_) {
        return;
    }
    cancelar_banda();
    elegir(seleccion_);
}

void Grafica::elegir(Seleccion s) {
    if (s.x_fin == s.x_ini || s.y_fin == s.y_ini) {
        return;
    }
    if (s.x_fin < s.x_ini) {
        std::swap(s.x_ini, s.x_fin);
    }
    if (s.y_fin < s.y_ini) {
        std::swap(s.y_ini, s.y_fin);
    }
    const double alto = grafica_->escala().height;
    if (s.y_fin > alto) {
        s.y_fin = static_cast<float>(0.995 * alto);
    }
    // The zoom window pans a selection across the plotted range: it needs one
    // narrower than the range.
    if (!(static_cast<double>(s.x_fin) - s.x_ini < seno_max() - seno_min())) {
        return;
    }
    mostrar_marco(s);
    QCoreApplication::processEvents();
    emit seleccionado(s);
}

Seleccion Grafica::extension() const {
    // Down to where a drag below the graph ends, which keeps the frame's bottom
    // edge on the picture and zero intensity inside it.
    const double alto = grafica_->escala().height;
    return {static_cast<float>(seno_min()), 0, static_cast<float>(seno_max()),
            static_cast<float>(0.995 * alto)};
}

bool Grafica::eventFilter(QObject* o, QEvent* e) {
    const bool tecla = e->type() == QEvent::KeyPress || e->type() == QEvent::ShortcutOverride;
    if (arrastrando_ && tecla && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) {
        // Taken before any shortcut of the window, and from whatever has the focus.
        e->accept();
        if (e->type() == QEvent::KeyPress) {
            cancelar_banda();
        }
        return true;
    }
    if (o != grafica_) {
        return QObject::eventFilter(o, e);
    }
    switch (e->type()) {
    case QEvent::KeyPress: {
        if (arrastrando_ || !hay_curvas()) {
            return false;
        }
        const auto* k = static_cast<QKeyEvent*>(e);
        switch (marco_teclado_->tecla(k->key(), k->modifiers(), extension())) {
        case MarcoTeclado::Respuesta::ajena:
            return false;
        case MarcoTeclado::Respuesta::tomada:
            return true;
        case MarcoTeclado::Respuesta::elegida:
            elegir(marco_teclado_->seleccion());
            return true;
        }
        return false;
    }
    case QEvent::FocusIn:
        if (hay_curvas() && !arrastrando_) {
            marco_teclado_->mostrar(extension());
        }
        break;
    case QEvent::FocusOut:
        marco_teclado_->ocultar();
        break;
    case QEvent::Resize:
        redibujar_capa(); // the scale's numbers, as many as the new width holds
        break;
    default:
        break;
    }
    return QObject::eventFilter(o, e);
}

void Grafica::alternar_lupa() {
    lupa_->caja_llena({0, 0}, {20, 20}, gris_marca);
    lupa_presionada_ = !lupa_presionada_;
    aviso_seleccione_->setVisible(lupa_presionada_);
    lecturas_->set_orden_visible(ordenes_ && !lupa_presionada_);
}

void Grafica::mostrar_marco(const Seleccion& s) {
    const Mapa m(grafica_->escala(), diseno_.twips(grafica_).size());
    diseno_.mover(marco_zoom_, m.a_area({s.x_ini, s.y_ini}, {s.x_fin, s.y_fin}));
    marco_zoom_->show();
}

void Grafica::ocultar_marco() {
    marco_zoom_->hide();
}

QRect Grafica::zona_de_lectura() const {
    return QRect(grafica_->mapToGlobal(QPoint(0, 0)), grafica_->size()) | lecturas_->zona();
}

void Grafica::restaurar() {
    grafica_->setEnabled(true);
    grafica_->show();
    grafica_->set_persistente(true);
    marco_datos_->show();
    grafica_->update();
}
