#include "windows/presentacion.h"

#include "windows/dibujos.h"

#include <QEventLoop>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

namespace {

class Titulo : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        dibujar_titulo(p, size());
    }
};

} // namespace

Presentacion::Presentacion(int milisegundos) : milisegundos_(milisegundos) {
    setWindowTitle(QStringLiteral("Ondaris // Grupo Quenor"));
    setFixedSize(382, 345);
    titulo_ = new Titulo(this);
    titulo_->setObjectName(QStringLiteral("titulo"));
    titulo_->setGeometry(0, 0, 382, 345);
    titulo_->setAccessibleName(QStringLiteral("Ondaris"));
    titulo_->installEventFilter(this);
    auto* nombre = new QLabel(QStringLiteral("ONDARIS"), this);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(44);
    f.setBold(true);
    f.setLetterSpacing(QFont::PercentageSpacing, 115);
    nombre->setFont(f);
    nombre->setAlignment(Qt::AlignCenter);
    nombre->setStyleSheet(QStringLiteral("color: rgb(235, 235, 245); background: transparent;"));
    nombre->setAttribute(Qt::WA_TransparentForMouseEvents);
    nombre->setGeometry(0, 40, 382, 80);
}

void Presentacion::mouseReleaseEvent(QMouseEvent* e) {
    cerrar_splash_ = true;
    emit pulsado();
    QWidget::mouseReleaseEvent(e);
}

bool Presentacion::eventFilter(QObject* o, QEvent* e) {
    if (o == titulo_ && e->type() == QEvent::MouseButtonRelease) {
        cerrar_splash_ = true;
        emit pulsado();
    }
    return QWidget::eventFilter(o, e);
}

void Presentacion::esperar() {
    cerrar_splash_ = false;
    show();
    // The wait runs the event loop, so the splash repaints and takes clicks;
    // its timer is monotonic, so a start just before midnight ends as well.
    QEventLoop espera;
    QTimer reloj;
    reloj.setSingleShot(true);
    reloj.setTimerType(Qt::PreciseTimer);
    connect(&reloj, &QTimer::timeout, &espera, &QEventLoop::quit);
    connect(this, &Presentacion::pulsado, &espera, &QEventLoop::quit);
    reloj.start(milisegundos_);
    espera.exec();
    hide();
}
