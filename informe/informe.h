#pragma once

// informe/: the graph for a lab report. informe: the entries that export it and
// copy it labelled; composicion: the labelled figure as primitives (pure);
// figura: their painting and the SVG, PDF and PNG made of it; csv: the data
// texts (pure); archivo: the safe write and its reasons.

#include "informe/figura.h"

#include <QObject>
#include <QString>

#include <optional>

class Grafica;
class QAction;
class QComboBox;
class QFileDialog;
class QWidget;

// "Exportar gráfica…" and "Exportar datos…" for the "Archivo" menu, and
// "Gráfica con ejes" for "Copiar al Portapapeles": the graph's curves as a
// labelled figure (SVG, PDF or PNG, by the chosen file's extension) or as
// comma-separated values, through a save dialog that opens in the documents
// folder, then where the user last saved, with a name from the date and time.
// The entries wait for a curve.
class Informe : public QObject {
    Q_OBJECT
public:
    Informe(const Grafica& grafica, QWidget* ventana);

    QAction* accion_exportar_grafica() const { return exportar_grafica_; }
    QAction* accion_exportar_datos() const { return exportar_datos_; }
    QAction* accion_copiar_grafica() const { return copiar_grafica_; }
    void set_hay_curvas(bool hay);
    // The distance D from the slits to a screen, in cm (std::nullopt: not
    // set): with it the dialogs offer the position on that screen as the
    // horizontal quantity of the figure and of the data.
    void set_distancia_pantalla(std::optional<double> cm);

private:
    void exportar_grafica();
    void exportar_datos();
    void copiar_grafica();
    // Shows the save dialog; the chosen file, or nothing when it was cancelled.
    QString elegir(QFileDialog& dialogo);
    // The row that chooses the horizontal quantity, when a screen distance is set.
    QComboBox* fila_eje(QFileDialog& dialogo, const QString& nombre);
    // Writes the file, or tells why it could not.
    void guardar(const QString& ruta, const QByteArray& bytes);

    const Grafica& grafica_;
    QWidget* ventana_;
    QAction* exportar_grafica_;
    QAction* exportar_datos_;
    QAction* copiar_grafica_;
    // What the user chose last, for the next dialog of the session.
    QString carpeta_;
    Formato formato_ = Formato::png;
    Exportacion exportacion_;
    bool resumen_ = false;
    std::optional<double> distancia_cm_;
    bool en_pantalla_ = false;
};
