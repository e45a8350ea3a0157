#pragma once

#include <QWidget>

class Diseno;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

// The viewer of documentation files: the "*.log" files of the working folder as
// they were when the window was created, the text of the chosen one, and a copy
// of that text to the clipboard. "Cerrar" hides it; its close box destroys it.
class Trazas : public QWidget {
    Q_OBJECT
public:
    explicit Trazas(QWidget* parent = nullptr);

    QListWidget* File1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* Command3 = nullptr; // "Copiar  al Portapapeles"
    QPushButton* Command2 = nullptr; // "Aceptar"
    QPushButton* Command1 = nullptr; // "Cerrar"

    void File1_DblClick();
    void Command2_Click();
    void Command3_Click();
    void Command1_Click();

private:
    void mostrar_archivo();

    Diseno* diseno_ = nullptr;
};
