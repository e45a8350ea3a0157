#pragma once

// The main window in a fresh working folder, worked by the stress story's
// actions, with what must hold after each of them.

#include "tests/common/entorno.h"
#include "tests/estres/acciones.h"

#include <QStringList>

class VentanaZoom;
class QWidget;

// The user's hand: the point of `w` at fractions of its size; a click there,
// landing on whatever covers it (a picture over the window covers what is under).
QPoint en(const QWidget* w, QPointF fraccion);
void clic_en(QWidget* w, QPoint p);
void clic_en(QWidget* w); // at its centre

class Escenario {
public:
    // `coma`: the boxes in a comma locale, else a point one.
    explicit Escenario(bool coma);
    ~Escenario();
    Escenario(const Escenario&) = delete;
    Escenario& operator=(const Escenario&) = delete;

    // Does `a` as a user would; says what could not be done, if anything.
    QString hacer(const Accion& a);
    // What no action may break; empty when it all holds. A failure starts with
    // the name of what broke, then a colon.
    QString comprobar();

private:
    void en_modal(QWidget* w);
    void trabajar_zoom(VentanaZoom& z);
    void trabajar_visor(QWidget* v);
    void pulsar(const std::vector<Tecla>& teclas);
    void enfocar(const Accion& a);
    void arrastrar_marcador(const Accion& a);
    void banda(const Accion& a);
    QString elegir(int entrada);
    QString mensaje_real(const Accion& a);

    LocalePrueba locale_; // before the window, which writes its boxes in it
    Escena escena_;
    Modal modal_;
    const Accion* actual_ = nullptr;
    QStringList inesperadas_; // modal windows no action meant to open
    Parametros antes_;        // as the last check left them
    int grilla_ = -1;         // the figures of the graph's grid, once a curve is drawn
};
