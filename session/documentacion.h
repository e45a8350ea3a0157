#pragma once

// session/: session documentation. documentacion: the switch, the open file and
// what is reported; formato: the documentation files' lines and names (pure);
// archivos: their listing and the file operations, which return the system's
// error; dialogo_limpieza, visor_sesiones: the clean-up dialog and the viewer; reloj.

#include "model/curva.h"
#include "session/archivos.h"
#include "session/formato.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <cstdint>
#include <vector>

class QAction;
class QWidget;
class VisorSesiones;

// Session documentation: while it is on, every plotted case is appended as one
// line of numbers to a file named by the time of day it was switched on
// ("14_35.log", in the working folder), after a header with the date. The switch
// comes back at start-up from "trazo.txt", which the program writes when the
// user leaves through "Salir". A file that cannot be written, or that another
// program deleted or replaced, is reported once and documentation goes off; a
// line goes into the file whole or not at all.
class Documentacion : public QObject {
    Q_OBJECT
public:
    // `ventana`: the main window, over which the dialogs and the viewer open.
    explicit Documentacion(QWidget* ventana);

    // "Documentar Sesión", a check item, and "Abrir Documento de Sesión".
    QAction* accion_documentar() const { return accion_documentar_; }
    QAction* accion_abrir() const { return accion_abrir_; }

    // Start-up: counts the documentation files, restores the switch (offering
    // to delete the files first when they pass 10000 bytes; after that the
    // switch goes off only if "trazo.txt" could be rewritten) and, when it is
    // on, opens a new file. What failed is told in one message.
    void arrancar();
    // One plotted case, when documentation is on. A failure is only recorded,
    // for `informar` to report once the plot is finished.
    void documentar(const Curva& c);
    // Shows in one message what failed since the last call, if anything.
    void informar();
    // "Salir": the file closed and the switch written to "trazo.txt"; a failure
    // that leaves another switch for the next start is told.
    void guardar_interruptor();

signals:
    // Cases chosen in the viewer to be plotted.
    void graficar_casos(const std::vector<CasoDocumentado>& casos);

private:
    void alternar();
    void abrir_visor();
    void inicializar();
    void limpiar(const ArchivosSesion& archivos);
    bool escribir(const QString& texto, bool caso);
    void rescatar(DocumentoAbierto::Lugar lugar);
    // Documentation off, the file closed and `aviso` kept for `informar`.
    void apagar(const QString& aviso);
    void marcar(bool marcado);

    QWidget* ventana_;
    QAction* accion_documentar_ = nullptr;
    QAction* accion_abrir_ = nullptr;
    QPointer<VisorSesiones> visor_;
    DocumentoAbierto documento_;
    QStringList avisos_;
    // The switch as "trazo.txt" holds it: 1 on; any other value behaves as off
    // and is written back as it was.
    std::uint8_t traza_ = 0;
    // The check mark as this program last set it: Qt toggles the action itself
    // before its handler runs.
    bool marcada_ = false;
};
