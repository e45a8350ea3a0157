#include "toolkit/mensaje.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace {

Contestador& contestador() {
    static Contestador c;
    return c;
}

ManejadorModal& manejador() {
    static ManejadorModal m;
    return m;
}

// Ends a local event loop when the watched window is hidden or destroyed.
class Vigia : public QObject {
public:
    Vigia(QWidget* w, QEventLoop* bucle) : bucle_(bucle) { w->installEventFilter(this); }

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Hide || e->type() == QEvent::Destroy) {
            bucle_->quit();
        }
        return QObject::eventFilter(o, e);
    }

private:
    QEventLoop* bucle_;
};

} // namespace

void set_contestador(Contestador c) {
    contestador() = std::move(c);
}

void mensaje(const QString& texto) {
    if (contestador()) {
        contestador()(texto);
        return;
    }
    QMessageBox caja(QMessageBox::NoIcon, QStringLiteral("Ondaris"),
                     QString(texto).remove(QLatin1Char('\r')), QMessageBox::Ok,
                     QApplication::activeWindow());
    caja.exec();
}

void set_manejador_modal(ManejadorModal m) {
    manejador() = std::move(m);
}

void mostrar_modal(QWidget* ventana) {
    QPointer<QWidget> w(ventana);
    ventana->setWindowModality(Qt::ApplicationModal);
    ventana->show();
    if (manejador()) {
        manejador()(ventana);
        if (w && w->isVisible()) {
            w->hide();
        }
        return;
    }
    QEventLoop bucle;
    Vigia vigia(ventana, &bucle);
    if (w && w->isVisible()) {
        bucle.exec(QEventLoop::DialogExec);
    }
}
