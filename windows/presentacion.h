#pragma once

#include <QWidget>

class QLabel;

// The splash window: shown for a little over three seconds, or until clicked.
class Presentacion : public QWidget {
    Q_OBJECT
public:
    explicit Presentacion(int milisegundos = 3050);

    // Shows the splash, waits while it repaints and takes clicks, and hides it.
    void esperar();
    // The wait was ended by a click.
    bool cerrada_por_clic() const { return cerrar_splash_; }

signals:
    void pulsado();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QWidget* titulo_ = nullptr;
    int milisegundos_;
    bool cerrar_splash_ = false;
};
