#pragma once

// zoom/: the zoom window; lugar: where it opens (pure).

#include "grafica/seleccion.h"
#include "model/curva.h"
#include "model/muestreo.h"

#include <QPoint>
#include <QRect>
#include <QWidget>

#include <vector>

class Diseno;
class PictureBox;
class QPushButton;
class QScrollBar;

// The zoom window: a rectangle selected on the graph, enlarged, with every curve
// of the graph drawn again over it from the model, sampled as the graph samples
// (each on the scale of its own N², so their heights stay as on the graph), and,
// for curves of one grating, their sum. A bar pans the selection along the
// graph's range; two magnifiers double the vertical range for one drawing or
// bring it back. Modal while shown; its own controls and Escape hide it, its
// close box destroys it. A dialog for a screen reader.
class VentanaZoom : public QWidget {
    Q_OBJECT
public:
    // `factor`: the main window's scale, which the window takes at its designed size.
    VentanaZoom(QWidget* padre, double factor);

    // Shows the selection `s` of a graph of `curvas` over the sines
    // seno_min..seno_max, and returns when the window is hidden or closed. The
    // bar starts at the selection's place in the range. The window opens where
    // the user last moved it in this run of the program, or else beside
    // `despejar` (screen coordinates), covering none of it.
    void abrir(const std::vector<Curva>& curvas, double seno_min, double seno_max,
               const Seleccion& s, const QRect& despejar = {});
    const Seleccion& seleccion() const { return seleccion_; }
    // The deviation angle in degrees along the drawing's top, beside the sines along its foot.
    void set_escala_en_grados(bool si) { grados_ = si; }

signals:
    // The selection drawn, where the outline on the graph goes.
    void seleccion_movida(const Seleccion& s);
    // The pointer over the drawing, at a sine.
    void puntero_en(double seno);
    // The window stopped being the active one: the outline and the sine read-out go.
    void desactivada();

protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void crear_controles(double factor);
    void dibujar();
    void dibujar_suma();
    void limpiar_dibujo();
    void al_cambiar_barra();
    void al_arrastrar_barra();
    void alejar();
    void acercar();
    void poner_lupas(bool alejar_disponible);
    // The drawing's pixel columns over the selection.
    Columnas columnas() const;
    // The selection at the bar's position `V`, keeping its width.
    void ubicar_seleccion(int V);
    void desactivar();
    void ubicar(const QRect& despejar);
    // Keeps the place the user moved the window to, for its next opening.
    void recordar_lugar();

    Diseno* diseno_ = nullptr;
    PictureBox* dibujo_ = nullptr;
    QScrollBar* barra_ = nullptr;
    QPushButton* boton_suma_ = nullptr;
    PictureBox* lupa_alejar_ = nullptr;
    PictureBox* lupa_acercar_ = nullptr;

    std::vector<Curva> curvas_;
    double seno_min_ = 0;
    double seno_max_ = 0;
    Seleccion seleccion_;
    bool grados_ = false;
    bool alejado_ = false;      // the drawing being made shows twice the range
    bool suma_visible_ = false; // "Ver Suma" drawn since the bar last moved
    bool dibujado_ = false;     // the drawing shows the current selection
    bool presionado_ = false;
    QPoint lugar_puesto_; // where the window was put when it opened
};
