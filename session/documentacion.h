#pragma once

// session/: session documentation. documentacion: the switch and the open file;
// formato, archivos: the documentation files' lines, names and listing (pure);
// dialogo_limpieza, visor_sesiones: the clean-up dialog and the viewer; reloj.

#include "model/curva.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <cstdint>

class QAction;
class QFile;
class QWidget;
class VisorSesiones;

// Session documentation: while it is on, every plotted case is appended as one
// line of numbers to a file named by the time of day it was switched on
// ("14_35.log", in the working folder), after a header with the date. The switch
// comes back at start-up from "trazo.txt", which the program writes when the
// user leaves through "Salir". A file that cannot be written is reported once
// and documentation goes off.
class Documentacion : public QObject {
    Q_OBJECT
public:
    // `ventana`: the main window, over which the dialogs and the viewer open.
    explicit Documentacion(QWidget* ventana);

    // "Documentar Sesión", a check item, and "Abrir Documento de Sesión".
    QAction* accion_documentar() const { return accion_documentar_; }
    QAction* accion_abrir() const { return accion_abrir_; }

    // Start-up: counts the documentation files, restores the switch (offering
    // to delete the files first when they pass 10000 bytes) and, when it is on,
    // opens a new file.
    void arrancar();
    // One plotted case, when documentation is on.
    void documentar(const Curva& c);
    // "Salir": the switch written to "trazo.txt" and the file closed.
    void guardar_interruptor();

private:
    void alternar();
    void abrir_visor();
    void inicializar();
    bool escribir(const QString& texto);
    void fallo(const QString& nombre, const QString& accion, const QString& motivo);
    void marcar(bool marcado);

    QWidget* ventana_;
    QAction* accion_documentar_ = nullptr;
    QAction* accion_abrir_ = nullptr;
    QPointer<VisorSesiones> visor_;
    QPointer<QFile> documento_;
    // The switch as "trazo.txt" holds it: 1 on; any other value behaves as off
    // and is written back as it was.
    std::uint8_t traza_ = 0;
    // The check mark as this program last set it: Qt toggles the action itself
    // before its handler runs.
    bool marcada_ = false;
};
