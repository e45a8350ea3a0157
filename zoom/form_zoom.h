#pragma once

#include <QWidget>

#include <array>
#include <cstdint>

class Diseno;
class Form1;
class PictureBox;
class QPushButton;
class QScrollBar;

// The zoom window: the rectangle selected on the graph, every curve of the
// history redrawn over it at 1001 samples, their sum, a bar that pans the
// selection along the plotted range and two magnifiers for the vertical range.
// Hidden, not destroyed, by its own controls; the close box destroys it.
class FormZoom : public QWidget {
    Q_OBJECT
public:
    explicit FormZoom(Form1& principal);

    // ---- State ----
    std::array<float, 10001> suma{}; // sum of the curves' samples, from index 1
    std::int16_t npuntos = 0;
    bool misma_red = false;
    bool alejado = false;
    bool suma_visible = false;

    // ---- Controls ----
    PictureBox* Picture1 = nullptr; // the drawing
    QScrollBar* barraH = nullptr;
    QPushButton* Command1 = nullptr; // "Copiar al Portapapeles"
    QPushButton* Command3 = nullptr; // "Ver Suma"
    PictureBox* Picture2 = nullptr;  // zoom out
    PictureBox* Picture3 = nullptr;  // zoom in
    QPushButton* Command2 = nullptr; // "Cerrar"
    Diseno* diseno = nullptr;

    // The opening: the bar at `valor`. A new value moves the selection to the
    // bar's position; `reubicar` does so even when the value is unchanged (the
    // selection reached past the plotted range).
    void situar(int valor, bool reubicar);

    // ---- Handlers and procedures ----
    void Form_Load();
    void Form_Activate();
    void Form_Deactivate();
    void Form_Unload();
    void Form_Click();
    void barraH_Change();
    void barraH_Scroll();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Picture1_Click();
    void Picture1_MouseMove(double X);
    void Picture2_Click();
    void Picture3_Click();

protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    void crear_controles();
    void limpiar_dibujo();
    // x_ini and x_fin from the bar's position `V`, keeping the selection's width.
    void ubicar_seleccion(int V);
    void poner_lupas(bool alejar_disponible);

    Form1& principal_;
    bool dibujado_ = false; // the drawing shows the current selection
    bool presionado_ = false;
};
