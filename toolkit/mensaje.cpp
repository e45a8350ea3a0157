#include "toolkit/mensaje.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QEventLoop>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
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

// A message box that breaks its lines where the text does and nowhere else.
// Qt's own label is wrapped whenever a line is wider than half the screen or
// 500 pixels, and rewrapped at every layout change; a label that never wraps
// takes its place in the box's grid. Qt also caps the box's width by the
// screen's (480 pixels less), so the box is widened again to fit its lines.
class CajaMensaje : public QMessageBox {
public:
    CajaMensaje(const QString& texto, QWidget* padre)
        : QMessageBox(QMessageBox::NoIcon, QStringLiteral("Ondaris"), texto, QMessageBox::Ok,
                      padre) {
        auto* de_qt = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        auto* grilla = qobject_cast<QGridLayout*>(layout());
        if (de_qt == nullptr || grilla == nullptr) {
            return; // another Qt: its own label, wrapped or not
        }
        int fila = 0, columna = 0, filas = 1, columnas = 1;
        grilla->getItemPosition(grilla->indexOf(de_qt), &fila, &columna, &filas, &columnas);
        auto* lineas = new QLabel(texto, this);
        lineas->setObjectName(QStringLiteral("texto_mensaje"));
        lineas->setTextFormat(Qt::PlainText);
        lineas->setTextInteractionFlags(de_qt->textInteractionFlags());
        lineas->setContentsMargins(de_qt->contentsMargins());
        de_qt->hide();
        grilla->addWidget(lineas, fila, columna, filas, columnas);
    }

protected:
    bool event(QEvent* e) override {
        const bool hecho = QMessageBox::event(e); // Qt sizes the box on these two
        if (e->type() == QEvent::Show || e->type() == QEvent::LayoutRequest) {
            const QSize minimo = layout()->totalMinimumSize();
            if (width() < minimo.width() || height() < minimo.height()) {
                setFixedSize(size().expandedTo(minimo));
            }
        }
        return hecho;
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
    CajaMensaje caja(QString(texto).remove(QLatin1Char('\r')), QApplication::activeWindow());
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

bool aceptado(QDialog& dialogo, QFormLayout& forma) {
    auto* botones = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    botones->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Aceptar"));
    botones->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Cancelar"));
    forma.addRow(botones);
    QObject::connect(botones, &QDialogButtonBox::accepted, &dialogo, &QDialog::accept);
    QObject::connect(botones, &QDialogButtonBox::rejected, &dialogo, &QDialog::reject);
    mostrar_modal(&dialogo);
    return dialogo.result() == QDialog::Accepted;
}
