#include "windows/form2.h"

#include "main/form1.h"
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

Form2::Form2(int milisegundos) : milisegundos_(milisegundos) {
    setWindowTitle(QStringLiteral("Ondaris // Grupo Quenor"));
    setFixedSize(382, 345);
    Picture1 = new Titulo(this);
    Picture1->setGeometry(0, 0, 382, 345);
    Picture1->setAccessibleName(QStringLiteral("Ondaris"));
    Picture1->installEventFilter(this);
    Label1 = new QLabel(QStringLiteral("ONDARIS"), this);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(44);
    f.setBold(true);
    f.setLetterSpacing(QFont::PercentageSpacing, 115);
    Label1->setFont(f);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet(QStringLiteral("color: rgb(235, 235, 245); background: transparent;"));
    Label1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label1->setGeometry(0, 40, 382, 80);
}

void Form2::mouseReleaseEvent(QMouseEvent* e) {
    cerrar_splash = true;
    emit pulsado();
    QWidget::mouseReleaseEvent(e);
}

bool Form2::eventFilter(QObject* o, QEvent* e) {
    if (o == Picture1 && e->type() == QEvent::MouseButtonRelease) {
        cerrar_splash = true;
        emit pulsado();
    }
    return QWidget::eventFilter(o, e);
}

Form1* Form2::ejecutar() {
    cerrar_splash = false;
    show();
    // The wait runs the event loop, so the splash repaints and takes clicks;
    // its timer is monotonic, so a start just before midnight ends as well.
    if (!cerrar_splash) {
        QEventLoop espera;
        QTimer reloj;
        reloj.setSingleShot(true);
        reloj.setTimerType(Qt::PreciseTimer);
        connect(&reloj, &QTimer::timeout, &espera, &QEventLoop::quit);
        connect(this, &Form2::pulsado, &espera, &QEventLoop::quit);
        reloj.start(milisegundos_);
        espera.exec();
    }
    hide();
    auto* principal = new Form1;
    principal->Form_Load();
    principal->show();
    return principal;
}
