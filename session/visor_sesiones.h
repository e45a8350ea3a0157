#pragma once

#include "session/formato.h"

#include <QDialog>

#include <vector>

class QListWidget;
class QPlainTextEdit;

// The viewer of documentation files: the "*.log" files of the working folder as
// they were when the window was made, the text of the chosen one in a fixed-width
// font so that its columns line up, and a copy of that text to the clipboard.
// Sized with the main window's layout. "Cerrar" hides it; its close box and
// Escape destroy it; Enter shows the chosen file, as "Aceptar" does.
// "Graficar estos casos" plots the lines of cases selected in the text, one to
// six, and hides the viewer over the graph.
class VisorSesiones : public QDialog {
    Q_OBJECT
public:
    explicit VisorSesiones(QWidget* padre = nullptr);

signals:
    void casos_elegidos(const std::vector<CasoDocumentado>& casos);

private:
    void mostrar_archivo();
    void graficar_casos();
    void copiar();

    QListWidget* archivos_ = nullptr;
    QPlainTextEdit* texto_ = nullptr;
};
