#pragma once

#include <QWidget>

class QListWidget;
class QPlainTextEdit;

// The viewer of documentation files: the "*.log" files of the working folder as
// they were when the window was made, the text of the chosen one, and a copy of
// that text to the clipboard. "Cerrar" hides it; its close box destroys it.
class VisorSesiones : public QWidget {
    Q_OBJECT
public:
    explicit VisorSesiones(QWidget* padre = nullptr);

private:
    void mostrar_archivo();
    void copiar();

    QListWidget* archivos_ = nullptr;
    QPlainTextEdit* texto_ = nullptr;
};
