#include "toolkit/mensaje.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QEventLoop>
#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include <vector>

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

// A message box that breaks its lines where the text does and nowhere else:
// Qt's own box wraps any line wider than half the screen or 500 pixels.
class CajaMensaje : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* e) override {
        QMessageBox::showEvent(e); // sizes the box for wrapped lines
        if (auto* texto = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            texto->setWordWrap(false);
            layout()->invalidate();
            setFixedSize(layout()->totalSizeHint());
        }
    }
};

// The wait cursor is put aside while a message waits for the user, so the
// pointer over the box says it can be clicked.
class CursoresApartados {
public:
    CursoresApartados() {
        while (const QCursor* c = QGuiApplication::overrideCursor()) {
            apartados_.push_back(*c);
            QGuiApplication::restoreOverrideCursor();
        }
    }
    ~CursoresApartados() {
        for (auto c = apartados_.rbegin(); c != apartados_.rend(); ++c) {
            QGuiApplication::setOverrideCursor(*c);
        }
    }
    CursoresApartados(const CursoresApartados&) = delete;
    CursoresApartados& operator=(const CursoresApartados&) = delete;

private:
    std::vector<QCursor> apartados_;
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
    const CursoresApartados apartados;
    CajaMensaje caja(QMessageBox::NoIcon, QStringLiteral("Ondaris"),
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
