#pragma once

#include <QWidget>

class Form1;
class QLabel;

// The splash window: shown for a little over three seconds, or until clicked,
// then it hides and hands over to the main window.
class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(int milisegundos = 3050);

    // Shows the splash, waits, hides it and opens the main window (its load
    // step runs before it is shown). The caller owns the main window.
    Form1* ejecutar();

    QWidget* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    bool cerrar_splash = false;

signals:
    void pulsado();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    int milisegundos_;
};
