#pragma once

#include "grafica/seleccion.h"
#include "model/parametros.h"
#include "toolkit/parametros_observables.h"
#include "windows/ilustraciones.h"

#include <QMainWindow>
#include <QPointer>

#include <optional>

class AreaDeToque;
class Diseno;
class Documentacion;
class EntradaValores;
class Esquema;
class Grafica;
class Informe;
class Lecciones;
class Medicion;
class PictureBox;
class QPushButton;
class SectorAmpliado;
class VentanaZoom;
class VistaEnVivo;

// The main window builds the subsystems, places them on its client area and
// connects them; it owns the parameter set they share, which the value entry
// writes and the sketch follows.
//   Esquema         screen/   sketch, rays, strip with markers and masks, connector lines
//   SectorAmpliado  screen/   enlarged sector: bands, band squares, band mode
//   Grafica         grafica/  data frame: graph, curves, list, read-outs, magnifier, rubber band
//   EntradaValores  entry/    value boxes and spin buttons (writes the parameter set)
//   Documentacion   session/  documentation switch, session files, viewer
//   Ilustraciones   windows/  pictures over the window, model window
//   VentanaZoom     zoom/     made on the first selection
//   Informe         informe/  the graph exported as a labelled figure and as data
//   Medicion        medicion/ a measured pattern over the graph, and the fit to it
//   VistaEnVivo     main/     the case previewed as its values change ("Ver → Vista en vivo")
//   Lecciones       main/     lessons saved and opened, the last set-up kept
// Its own controls: the menus, "Graficar", "Limpiar", "Salir" and the restore spot.
class VentanaPrincipal : public QMainWindow {
    Q_OBJECT
public:
    explicit VentanaPrincipal(QWidget* padre = nullptr);
    ~VentanaPrincipal() override;

    // The load step: the documentation switch, "inic.dat", the boxes and the sector.
    void cargar();
    const Parametros& parametros() const { return parametros_.actuales(); }
    // A lesson named on the command line.
    bool abrir_leccion(const QString& ruta);

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void crear_controles();
    void dar_lugar_a_la_grafica();
    void crear_menus();
    void conectar();
    void al_escalar(double factor);

    void graficar(); // "Graficar": the checks, then one curve
    void trazar_curva();
    void borrar(); // "Limpiar": graph, bands and the comparison of curves
    void salir();  // "Salir": the documentation switch saved
    void abrir_zoom(const Seleccion& s);
    void abrir_ilustracion(Ilustraciones::Cual cual);
    void elegir_distancia_pantalla();
    void poner_distancia_pantalla(double cm);
    void restaurar_vista();
    void habilitar_botones(bool habilitados);

    ParametrosObservables parametros_;
    Diseno* diseno_ = nullptr;
    Esquema* esquema_ = nullptr;
    SectorAmpliado* sector_ = nullptr;
    Grafica* grafica_ = nullptr;
    EntradaValores* entrada_ = nullptr;
    Documentacion* documentacion_ = nullptr;
    Ilustraciones* ilustraciones_ = nullptr;
    Informe* informe_ = nullptr;
    Medicion* medicion_ = nullptr;
    VistaEnVivo* vista_en_vivo_ = nullptr;
    Lecciones* lecciones_ = nullptr;
    QPointer<VentanaZoom> zoom_;
    PictureBox* punto_restaurar_ = nullptr;
    QPushButton* boton_graficar_ = nullptr;
    QPushButton* boton_limpiar_ = nullptr;
    QPushButton* boton_salir_ = nullptr;
    bool banda_unica_previa_ = false; // the band mode when a picture was opened
    std::optional<double> distancia_pantalla_cm_;
    AreaDeToque* toque_ = nullptr;
    bool escala_en_grados_ = false; // the degrees along the graphs' top
};
