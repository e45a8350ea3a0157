#pragma once

#include "grafica/seleccion.h"
#include "leccion/leccion.h"
#include "session/formato.h"

#include <QObject>
#include <QString>

#include <optional>
#include <vector>

class EntradaValores;
class Grafica;
class Informe;
class Medicion;
class ParametrosObservables;
class QAction;
class QMenu;
class QWidget;
class SectorAmpliado;
class VistaEnVivo;

// The lessons of the main window: "Abrir lección…", "Guardar lección…",
// "Guardar como…" and the five "Lecciones recientes" of the "Archivo" menu, a
// lesson dropped on the window or named on the command line, the cases of a
// session file plotted again, and the values and sector of the last run kept
// for the next start while "inic.dat" stays as it was.
//
// Opening replots the saved curves in order, each painting its bands as it did
// (added to the single band or from black), so that the graph and the bands are
// those of the saved window; curves not saved are replaced only when the user
// agrees; a bad file leaves everything as it was.
class Lecciones : public QObject {
    Q_OBJECT
public:
    struct Partes {
        ParametrosObservables& parametros;
        Grafica& grafica;
        SectorAmpliado& sector;
        EntradaValores& entrada;
        Informe& informe;
        VistaEnVivo& vista;
        Medicion& medicion;
    };
    Lecciones(QWidget* ventana, const Partes& partes);
    ~Lecciones() override;

    // The entries of the "Archivo" menu, added at its end.
    void agregar_a(QMenu* archivo);

    // A curve plotted by "Graficar", its bands from black when `banda_sola`.
    void al_trazar(bool banda_sola);
    // The range the zoom window shows over the current curves.
    void al_ampliar(const Seleccion& s);
    // The lesson in `ruta`, after asking when curves would be lost; whether it opened.
    bool abrir(const QString& ruta);
    // Cases of a session file as curves, with their sector and values.
    void graficar_casos(const std::vector<CasoDocumentado>& casos);

    // The values to start with: the last run's, unless "inic.dat" changed
    // since; else `de_inic`. From then on the values are kept for the next start.
    Parametros ajuste_de_inicio(const Parametros& de_inic);

signals:
    // A lesson opened with its zoomed range: the zoom window shows it again.
    void ampliar(const Seleccion& s);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void elegir_y_abrir();
    bool guardar();
    bool guardar_como();
    bool escribir(const QString& ruta);
    Leccion actual() const;
    bool sin_guardar() const;
    bool aplicar(const Leccion& l, const QString& origen);
    void recordar(const QString& ruta);
    void olvidar(const QString& ruta);
    void rehacer_recientes();

    QWidget* ventana_;
    Partes partes_;
    QAction* abrir_ = nullptr;
    QAction* guardar_ = nullptr;
    QAction* guardar_como_ = nullptr;
    QMenu* recientes_ = nullptr;
    QString ruta_;            // the lesson opened or last saved
    Leccion guardada_;        // what it holds
    std::vector<bool> solas_; // by curve: its bands started from black
    std::optional<Seleccion> zoom_;
    QByteArray huella_inic_;           // "inic.dat" as the values were loaded
    std::optional<Parametros> ajuste_; // the values to keep, once loaded
};
