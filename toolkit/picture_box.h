#pragma once

// toolkit/: the thin layer over Qt. picture_box: a drawing surface in user
// coordinates (mapa: the coordinate map; trazado: figures into pixels, lienzo:
// the pixels written directly; imagen_archivo: a picture file, refused when cut short;
// picture_box_accesible: what a screen reader is told);
// diseno: places in twips; mensaje: the message box and modal windows; texto:
// numbers as text in the user's locale; marcas: the ticks of an axis; colores:
// the colours the windows share; parametros_observables: the parameter set the
// views watch; portapapeles, reloj_arena.

#include "toolkit/colores.h"
#include "toolkit/mapa.h"
#include "toolkit/trazado.h"

#include <QAccessible>
#include <QImage>
#include <QPointF>
#include <QWidget>

#include <memory>
#include <vector>

// A drawing surface in the manner of a classic picture box: user coordinates,
// line / box / filled box / point / polyline figures in copy or invert (XOR)
// mode, and a persistent picture that survives covering and resizing.
//
// The persistent picture is the list of figures drawn since the last clear, each
// kept in the coordinates, colour and mode it was drawn with; it is painted into
// a cached image of the widget's pixel size (new figures are painted into the
// cache when it is next shown; the whole list is replayed only when the size
// changes). An invert figure drawn again over an identical one cancels it in the
// list, as it does in the pixels, so press marks and connector lines drawn and
// erased forever never grow the list. With persistent drawing off, figures go to
// a transient layer painted over the cache and never enter the list.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    enum class Modo { copiar, invertir };

    explicit PictureBox(QWidget* parent = nullptr);

    void set_escala(const Escala& e);
    // Scale (x1, y1)-(x2, y2): the top-left corner is (x1, y1), the bottom-right (x2, y2).
    void scale(double x1, double y1, double x2, double y2);
    const Escala& escala() const { return escala_; }

    void set_modo(Modo m) { modo_ = m; }
    Modo modo() const { return modo_; }
    void set_persistente(bool p);
    bool persistente() const { return persistente_; }

    // What a screen reader takes the box for: a picture (the default) or, for
    // boxes that act on a click, a button whose press action is a click.
    void set_rol(QAccessible::Role r) { rol_ = r; }
    QAccessible::Role rol() const { return rol_; }
    // A click made by other means than the mouse (the keyboard, a screen reader).
    void pulsar() { emit pulsado(); }

    void set_fondo(const QColor& c);
    const QColor& fondo() const { return fondo_; }
    // Stroke width in logical pixels (the layout's scale factor), at least one device pixel.
    void set_grosor(double pixeles);

    void linea(QPointF a, QPointF b, const QColor& c);
    void caja(QPointF a, QPointF b, const QColor& c);
    void caja_llena(QPointF a, QPointF b, const QColor& c);
    void punto(QPointF p, const QColor& c);
    // A curve drawn point to point, as one figure however many points it has.
    void polilinea(std::shared_ptr<const Trazo> puntos, const QColor& c);
    // `texto` beside point `a`, on the side `alineacion` (Qt::Alignment) says,
    // kept inside the picture, in the widget's font.
    void texto(QPointF a, const QString& texto, int alineacion, const QColor& c);
    // Rows of colour evenly spaced from a.y to b.y across a.x..b.x, in copy mode;
    // where several rows share a pixel row the brightest shows.
    void bandas(QPointF a, QPointF b, std::shared_ptr<const std::vector<QRgb>> colores);
    // Clears the picture and the transient layer to the background.
    void limpiar();
    // Drops the transient layer, as a repaint of the screen would.
    void descartar_transitorias();
    // A layer over the picture that its owner redraws whole (a preview of a
    // curve, labels): `empezar_capa()` empties it, and the figures drawn until
    // `terminar_capa()` go there. It is never part of the picture (`imagen()`),
    // stays when the transient layer is dropped, and `limpiar()` empties it.
    void empezar_capa();
    void terminar_capa();

    // A picture shown under the figures, scaled to fit the box (kept through clears).
    bool cargar_imagen(const QString& archivo);
    void set_imagen(const QImage& imagen);
    const QImage& imagen_fondo() const { return imagen_fondo_; }
    // Paints the background picture anew on the next paint (a drawn picture changed).
    void repintar_imagen();

    // The persistent picture at the pixel size the box is shown at.
    QImage imagen();
    // What the screen shows: the persistent picture with the layer and the
    // transient figures over it.
    QImage imagen_visible();
    std::size_t figuras() const { return figuras_.size(); }
    // The size of the picture in device pixels.
    QSize tamano_pixeles() const;
    // The width of strokes in device pixels.
    int grosor_pixeles() const;

    // User coordinates to logical pixels of the widget and back.
    Mapa mapa() const { return Mapa(escala_, size()); }
    QPointF a_pixel(QPointF usuario) const { return mapa().a_area(usuario); }
    QPointF a_usuario(QPointF pixel) const { return mapa().a_usuario(pixel); }

signals:
    void presionado(double x, double y, Qt::MouseButton boton);
    void movido(double x, double y, Qt::MouseButtons botones);
    void soltado(double x, double y, Qt::MouseButton boton);
    void pulsado(); // a press and a release on the box

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    // Hook for boxes whose picture is drawn rather than loaded (the arrows of the
    // spin buttons): paints the background picture into the cache.
    virtual void pintar_imagen(QPainter& p, const QRect& destino);

private:
    void agregar(Figura f);
    void compactar();
    void asegurar_cache();

    Escala escala_;
    Modo modo_ = Modo::copiar;
    bool persistente_ = true;
    QColor fondo_ = fondo_dibujo;
    double grosor_ = 1;
    QImage imagen_fondo_;

    std::vector<Figura> figuras_;    // the persistent picture
    std::vector<Figura> pendientes_; // drawn since the cache was last brought up to date
    std::vector<Figura> transitorias_;
    std::vector<Figura> capa_;
    bool en_capa_ = false;
    QImage vista_; // the cache with the layer over it
    bool vista_valida_ = false;
    qint64 clave_vista_ = 0; // the cache's contents it was made from
    std::size_t tras_compactar_ = 0;
    QImage cache_;
    bool cache_valida_ = false;
    bool presionado_ = false;
    QAccessible::Role rol_ = QAccessible::Graphic;
};
