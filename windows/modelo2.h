#pragma once

#include <QString>
#include <QWidget>

class PictureBox;
class QPlainTextEdit;
class QPushButton;

// The text of the model description file: every line followed by CR LF, the
// last one too; a null string when the file cannot be opened.
QString leer_modelo(const QString& archivo);

// The window that describes the model: the text of "Modelo2.txt", read anew on
// every activation so that edits to the file show, over an illustration.
// Modeless; "Salir" hides it and it keeps its state for the next time.
class Modelo2 : public QWidget {
    Q_OBJECT
public:
    explicit Modelo2(QWidget* parent = nullptr);

    // Shows the window in front; a missing text is reported and shows nothing.
    void mostrar();
    void Form_Activate();
    void Command1_Click();

    QPlainTextEdit* Text1 = nullptr;
    PictureBox* Picture1 = nullptr;
    QPushButton* Command1 = nullptr;

protected:
    bool event(QEvent* e) override;

private:
    bool cargar_texto();

    bool ubicada_ = false;
};
