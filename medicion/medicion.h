#pragma once

#include "medicion/medida.h"

#include <QObject>

#include <optional>

class Grafica;
class ParametrosObservables;
class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

// "Archivo → Abrir medición…": a sensor's table or a photo of the pattern read
// into a profile, drawn over the graph as grey points scaled to the curve it
// is compared with, and the window "Medición", where "Ajustar" fits what the
// user leaves free (d or L, and a) to it. A fit sets the values it found, so
// that "Graficar" plots the fitted case.
class Medicion : public QObject {
    Q_OBJECT
public:
    Medicion(ParametrosObservables& parametros, Grafica& grafica, QWidget* ventana);

    QAction* accion_abrir() const { return abrir_; }
    // The file at `ruta`, after its dialog; false, with a message or after a
    // cancel, when it gives no measurement, and then nothing changes.
    bool abrir_archivo(const QString& ruta);
    // A measurement as a lesson kept it.
    void cargar(const DatosMedicion& m);
    // No measurement: the points and the window "Medición" gone.
    void quitar();
    const std::optional<DatosMedicion>& medida() const { return medida_; }
    const std::optional<Ajuste>& ajuste() const { return ajuste_; }
    // "Ajustar".
    void ajustar();
    QWidget* ventana_medicion() const { return panel_; }

signals:
    // A fit set the values it found in the parameter set.
    void caso_ajustado();

private:
    void abrir();
    void crear_panel();
    // The grey points, at the fraction of the central intensity the fit (or,
    // before one, the profile's own range) gives them.
    void mostrar_puntos();

    ParametrosObservables& parametros_;
    Grafica& grafica_;
    QWidget* ventana_;
    QAction* abrir_ = nullptr;
    QString carpeta_;
    std::optional<DatosMedicion> medida_;
    std::optional<Ajuste> ajuste_;

    QWidget* panel_ = nullptr;
    QLabel* origen_ = nullptr;
    QRadioButton* buscar_d_ = nullptr;
    QRadioButton* buscar_L_ = nullptr;
    QCheckBox* buscar_a_ = nullptr;
    QPushButton* boton_ajustar_ = nullptr;
    QLabel* resultado_ = nullptr;
};
