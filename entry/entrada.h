#pragma once

// entry/: how the quantities change. entrada: the value entry (its box rules in
// cajas.cpp, its spin buttons in flechas.cpp); caja_valor, boton_spin: the two
// kinds of control; reglas_paso: the pure step rules of the spin buttons.

#include "entry/reglas_paso.h"
#include "model/parametros.h"
#include "toolkit/parametros_observables.h"

#include <QColor>
#include <QObject>
#include <QRectF>
#include <QTimer>

#include <array>
#include <chrono>
#include <optional>
#include <utility>
#include <vector>

class BotonSpin;
class CajaValor;
class Diseno;
class QLabel;
class QWidget;

// The value entry: a box for each quantity, with its caption and its spin
// buttons; it writes the parameter set, which says what changed to the views. A box clicked is
// selected (its whole number, in the selection's colours), so what is typed or pasted replaces it,
// while shortcuts, Escape, Tab and the arrows leave it; leaving the box, or Enter, checks the
// number against the quantity's limits, and stores it or sends the user back with "Valor Fuera de
// rango". The boxes of the sector's ends take sines and move the sector at every change of their
// text. A spin button steps its quantity by the rule of its value (or of the sector's width) within
// its limits, holding its press mark for a moment; held, it repeats one step a pause; Up and Down
// in a box are its buttons. While curves are compared the geometry and the wavelength cannot both
// change.
class EntradaValores : public QObject {
    Q_OBJECT
public:
    // Boxes 3 to 6 stand in `cliente`, those of the sector's ends in `marco_datos`.
    EntradaValores(QWidget* cliente, QWidget* marco_datos, Diseno& diseno,
                   ParametrosObservables& parametros);

    // Spin buttons a finger can hit, each in a place of its own, or back in the design's.
    void set_controles_grandes(bool si);
    // The boxes show the parameter set (start-up).
    void mostrar_parametros();
    // The sines typed for the sector's ends, as "Graficar" reads them.
    std::pair<double, double> senos() const;
    // The sector ±0.51 in sine, after a range refused.
    void restablecer_sector();
    // An end set elsewhere (a marker dropped): stored within its limits, its box
    // shows its sine.
    void poner_extremo(Magnitud m, Fijo valor);
    // Whether curves are on the graph: without them every spin button steps
    // freely; with them a step of N, a or d stops the wavelength's buttons and a
    // step of the wavelength stops the geometry's, until they are cleared.
    void set_hay_curvas(bool hay);
    // The geometry is being compared (a wavelength's button is stopped).
    bool comparando_geometria() const;
    // The last box in the tab order, for the controls that follow it.
    QWidget* ultima_caja() const;
    // The first box in the tab order, where the keyboard starts.
    QWidget* primera_caja() const;
    // How long a spin click keeps its press mark and holds the window, and the
    // time between the steps of a held button.
    void set_pausa(std::chrono::milliseconds pausa) { pausa_ = pausa; }

signals:
    // A spin button of a sector's end was clicked: the graph starts over.
    void paso_de_extremo();
    // With curves plotted: a geometry step is compared at one wavelength...
    void comparando_geometria_por_paso();
    // ...or a wavelength step at one geometry (`mayuscula`: the coarse up button).
    void comparando_onda_por_paso(bool mayuscula);

private:
    void crear_controles(QWidget* cliente, QWidget* marco_datos);
    void mostrar_lineas();
    void conectar();
    const Parametros& actuales() const { return parametros_.actuales(); }
    CajaValor* caja(Magnitud m) const { return cajas_[indice(m)]; }
    // An end's box shows the sine of the end, to two decimals.
    void mostrar_seno(Magnitud m);

    // A spin button and what it steps: `fino` is the fixed step of the fine
    // wavelength buttons, otherwise the step rule of the quantity applies.
    struct Flecha {
        BotonSpin* boton;
        Magnitud m;
        Sentido sentido;
        std::optional<Fijo> fino;
    };

    // Boxes.
    void al_presionar(Magnitud m);
    void al_editar(Magnitud m);
    void al_cambiar_seleccion(Magnitud m);
    void al_salir(Magnitud m);
    void al_pulsar_enter(Magnitud m);
    void al_pulsar_flecha(Magnitud m, Sentido sentido);
    // The box's number checked and stored, as leaving the box does; refused,
    // the box keeps the focus, selected, and the user is told.
    bool aceptar(Magnitud m);
    void seguir_extremos();
    void seleccionar(Magnitud m);
    void colorear(Magnitud m, bool seleccionada);
    double leer(Magnitud m) const;

    // Spin buttons: one click (press mark, step, pause); the step alone, with
    // the lock between geometry and wavelength; a hold, repeated until released.
    // While curves are compared, the quantities of the other kind are stopped.
    bool bloqueada(const Flecha& f) const;
    void al_pulsar_boton(const Flecha& f);
    void pulsar(const Flecha& f);
    void dar_un_paso(const Flecha& f);
    void aplicar_paso(Magnitud m, Fijo n);
    void sostener(const Flecha& f, const QObject* origen);
    void soltar(const QObject* origen);
    void repetir();
    std::array<BotonSpin*, 6> botones_onda() const;
    std::array<BotonSpin*, 6> botones_geometria() const;

    Diseno& diseno_;
    ParametrosObservables& parametros_;
    std::array<CajaValor*, 7> cajas_{}; // by quantity, 1..6
    QLabel* lineas_ = nullptr;          // the grating of d, in lines per mm
    struct LugarDeBoton {
        BotonSpin* boton;
        QRectF normal;
        QRectF grande;
    };
    std::vector<LugarDeBoton> lugares_; // every spin button's two places
    std::array<BotonSpin*, 7> subir_{}; // by quantity, 1..6
    std::array<BotonSpin*, 7> bajar_{};
    BotonSpin* subir_centesima_ = nullptr; // the wavelength by 0.01...
    BotonSpin* bajar_centesima_ = nullptr;
    BotonSpin* subir_milesima_ = nullptr; // ...and by 0.001
    BotonSpin* bajar_milesima_ = nullptr;

    QColor color_fondo_ = Qt::white; // the boxes' own colours, from box 1 at start-up
    QColor color_texto_ = Qt::black;
    QColor resaltado_, texto_resaltado_; // and of their selections
    std::array<bool, 7> seleccionada_{}; // by quantity: the box shows its whole number selected
    Magnitud ultima_presionada_ = Magnitud::inferior;
    bool presionada_alguna_ = false;
    bool rechazando_ = false; // a refused exit is under way: its focus moves are not exits
    bool hay_curvas_ = false;
    // What a step compares while curves are on the graph: the geometry (N, a or
    // d) at one wavelength, or the wavelength at one geometry; nothing until
    // the first step after a plot.
    enum class Comparacion { nada, geometria, onda };
    Comparacion comparando_ = Comparacion::nada;
    std::chrono::milliseconds pausa_{100};
    std::vector<Flecha> flechas_;     // the 16 buttons
    std::optional<Flecha> sostenida_; // held, and by which control (its button or its box)
    const QObject* sostenida_por_ = nullptr;
    QTimer repeticion_;
};
