#pragma once

#include <QString>
#include <QWidget>

class QPlainTextEdit;

// The text of the model description file: every line followed by CR LF, the
// last one too; a null string when the file cannot be read, and `por_que` says why.
QString leer_modelo(const QString& archivo, QString* por_que = nullptr);

// The window that describes the model: the text of "Modelo2.txt", read anew on
// every activation so that edits to the file show, over an illustration.
// Modeless; "Salir" and Escape hide it and it keeps its state for the next time.
class VentanaModelo : public QWidget {
    Q_OBJECT
public:
    explicit VentanaModelo(QWidget* padre = nullptr);

    // Shows the window in front; a missing text is reported and shows nothing.
    void mostrar();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool cargar_texto();

    QPlainTextEdit* texto_ = nullptr;
    bool ubicada_ = false;
};
