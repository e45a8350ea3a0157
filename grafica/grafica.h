#pragma once

// grafica/: the data frame and its graph. grafica: the frame's controls and
// the curves drawn; ordenada: the graph's vertical scale, where the samples of
// a curve stand; lecturas: the read-outs of sine and intensity; seleccion: the
// rectangle the zoom window shows; marco_teclado: the keyboard's way to choose it.

#include "grafica/lecturas.h"
#include "grafica/marco_teclado.h"
#include "grafica/seleccion.h"
#include "model/curva.h"
#include "model/muestreo.h"
#include "toolkit/trazado.h"

#include <QObject>
#include <QPointF>
#include <QRect>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class Diseno;
class Forma;
class Parametros;
class PictureBox;
class QGroupBox;
class QImage;
class QLabel;
class QListWidget;
class QListWidgetItem;

// The data frame "Datos de espectro": the graph of relative intensity against
// the sine of the deviation angle, with its grid and up to six curves, each at
// 0.98 (N² - I) on a scale of its own N² (0 at the top); the list of central
// intensities beside the curves' colour squares; the read-outs of sine and
// intensity; the magnifier with its prompt; and the rubber band that selects a
// rectangle of the graph for the zoom window.
class Grafica : public QObject {
    Q_OBJECT
public:
    Grafica(QWidget* cliente, Diseno& diseno, const Parametros& parametros);

    // The frame, where the boxes of the sector's ends stand too.
    QWidget* marco() const;

    // One curve more (the grid first on an empty graph), its central intensity
    // relative to a slit of 1 micrometre listed beside its colour, its case added
    // to the data text; returns its samples and band maxima.
    Muestreo agregar(const Curva& c);
    // Clears the graph, the list, the squares, the data text and the preview.
    void borrar();

    // The live view: case `c` drawn over the graph as it would be plotted, on a
    // scale of its own and in a lighter tone of its colour, replacing the last
    // preview; returns its samples and band maxima. A preview is never a curve:
    // not in the history, the data text, the picture copied or the zoom.
    Muestreo mostrar_previa(const Curva& c);
    void quitar_previa();
    const std::optional<Curva>& previa() const { return previa_; }
    // The principal maxima of the curves and the preview marked with their
    // order m, a missing order as "(m)"; the pointer's read-out says "m = 2" on
    // a maximum's column.
    void set_ordenes(bool visibles);
    // The numbers of the axes over the graph: sines along its lower edge always,
    // with curves or a preview; the deviation angle in degrees along its top if asked.
    void set_escala_en_grados(bool si);
    // A screen `cm` from the grating, or none: the pointer's read-out adds the
    // position y = D · tan θ on it.
    void set_distancia_pantalla(std::optional<double> cm);

    // A measurement held against the curves: its points, the sine across and the
    // fraction of the central intensity up, drawn in grey on the scale of the
    // preview or else of the last curve, over the picture but never in it.
    void mostrar_medicion(std::vector<QPointF> puntos);

    const std::vector<Curva>& curvas() const { return curvas_; }
    bool hay_curvas() const { return !curvas_.empty(); }
    // The sine range of the graph, that of its last curve.
    double seno_min() const;
    double seno_max() const;
    // The plotted cases as text: angles, N, a, d and L of each.
    const QString& datos() const { return datos_; }
    QImage imagen() const;

    // Read-outs for the pointer elsewhere: over the sector (with curves plotted
    // or a preview shown) and over the zoom drawing.
    void lectura_del_sector(double seno, double x);
    void lectura_del_zoom(double x);
    void borrar_lecturas();
    void borrar_lectura_seno();

    // The outline of the zoomed range on the graph.
    void mostrar_marco(const Seleccion& s);
    void ocultar_marco();
    // Back from the full-window view: enabled, shown, drawings kept.
    void restaurar();
    // Where a window over the main one would hide what the zoom feeds: the
    // graph (with the outline of the zoomed range) and the read-outs, in screen
    // coordinates.
    QRect zona_de_lectura() const;

signals:
    // A rubber band let go, or the keyboard's frame taken with Enter, over a
    // rectangle narrower than the graph's range, with curves plotted: its
    // corners in order, its bottom inside the graph.
    void seleccionado(const Seleccion& s);

protected:
    // The graph's keys and focus (the keyboard's frame), and Escape anywhere during a drag.
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void crear_controles(QWidget* cliente, const Parametros& parametros);
    void dibujar_grilla(const Curva& c);
    void al_presionar(double x, double y);
    void al_mover(double x, double y);
    void al_soltar();
    void cancelar_banda();
    void elegir(Seleccion s);
    // Where the keyboard's frame may go, in the graph's current coordinates.
    Seleccion extension() const;
    void alternar_lupa();
    // Rows of the list at the current scale: their height, and their numbers
    // as the width allows.
    void ajustar_filas();
    void ajustar_fila(QListWidgetItem* fila);
    // The layer over the curves: the preview and the orders' labels.
    void redibujar_capa();
    void marcar_ordenes(const Curva& c);
    // The order whose maximum falls in the pixel column of sine x, if marked.
    std::optional<int> orden_en(double x) const;

    Diseno& diseno_;
    QGroupBox* marco_datos_ = nullptr;
    PictureBox* grafica_ = nullptr;
    Forma* marco_zoom_ = nullptr;
    QListWidget* lista_intensidades_ = nullptr;
    std::array<Forma*, 7> cuadros_lista_{}; // 1..6
    PictureBox* lupa_ = nullptr;
    QLabel* aviso_seleccione_ = nullptr;
    std::optional<Lecturas> lecturas_;
    std::optional<MarcoTeclado> marco_teclado_;

    std::vector<Curva> curvas_;
    std::optional<Curva> previa_;
    std::vector<QPointF> medicion_;
    std::shared_ptr<const Trazo> trazo_previa_;
    bool ordenes_ = false;
    bool grados_ = false;
    QString datos_;
    Seleccion seleccion_;
    bool arrastrando_ = false;

    bool lupa_presionada_ = false;
};
