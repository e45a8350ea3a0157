// The zoom window: its controls, its life (shown, hidden, closed) and its
// small commands. The drawing itself is in dibujo_zoom.cpp.
#include "zoom/form_zoom.h"

#include "main/form1.h"
#include "main/texto.h"
#include "toolkit/diseno.h"
#include "toolkit/forma.h"
#include "toolkit/picture_box.h"
#include "zoom/lupas.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>

#include <cmath>

namespace {
// Designed client area, in twips.
constexpr double ancho_diseno = 5520;
constexpr double alto_diseno = 4905;
} // namespace

FormZoom::FormZoom(Form1& principal) : QWidget(&principal, Qt::Dialog), principal_(principal) {
    setWindowTitle(QStringLiteral("Zoom"));
    setAccessibleName(QStringLiteral("Zoom"));
    // The close box destroys the window; the next selection creates it afresh.
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette fondo = palette();
    fondo.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(fondo);
    setAutoFillBackground(true);
    crear_controles();
    Form_Load();
}

void FormZoom::crear_controles() {
    diseno = new Diseno(this, ancho_diseno, alto_diseno);
    Diseno& d = *diseno;

    Picture1 = new PictureBox(this);
    Picture1->setAccessibleName(QStringLiteral("Gráfica ampliada"));
    Picture1->set_fondo(0xE0E0E0);
    d.colocar(Picture1, {60, 0, 5415, 4215}, 0);

    barraH = new QScrollBar(Qt::Horizontal, this);
    barraH->setAccessibleName(QStringLiteral("Posición de la selección"));
    barraH->setRange(0, 100);
    barraH->setPageStep(20);
    // A drag of the thumb only moves `cajazoom`; the drawing follows on release.
    barraH->setTracking(false);
    d.colocar(barraH, {60, 4260, 5415, 195}, 0);

    Command1 = new QPushButton(QStringLiteral("Copiar al Portapapeles"), this);
    d.colocar(Command1, {60, 4560, 2295, 315});
    Command3 = new QPushButton(QStringLiteral("Ver Suma"), this);
    d.colocar(Command3, {2460, 4560, 975, 315});
    Picture2 = new PictureBox(this);
    Picture2->setAccessibleName(QStringLiteral("Alejar"));
    Picture2->set_imagen(dibujar_lupa(false, true));
    d.colocar(Picture2, {3660, 4560, 315, 315}, 0);
    Picture3 = new PictureBox(this);
    Picture3->setAccessibleName(QStringLiteral("Acercar"));
    Picture3->set_imagen(dibujar_lupa(true, false));
    d.colocar(Picture3, {4140, 4560, 315, 315}, 0);
    Command2 = new QPushButton(QStringLiteral("Cerrar"), this);
    d.colocar(Command2, {4620, 4560, 795, 315});
    for (PictureBox* p : {Picture2, Picture3}) {
        p->set_fondo(0xC0C0C0);
        p->setCursor(Qt::PointingHandCursor);
    }

    connect(diseno, &Diseno::escalado, Picture1, &PictureBox::set_grosor);
    connect(barraH, &QScrollBar::valueChanged, this, [this] { barraH_Change(); });
    connect(barraH, &QScrollBar::sliderMoved, this, [this] { barraH_Scroll(); });
    connect(Command1, &QPushButton::clicked, this, &FormZoom::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &FormZoom::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &FormZoom::Command3_Click);
    connect(Picture1, &PictureBox::pulsado, this, &FormZoom::Picture1_Click);
    connect(Picture1, &PictureBox::movido, this, [this](double x) { Picture1_MouseMove(x); });
    connect(Picture2, &PictureBox::pulsado, this, &FormZoom::Picture2_Click);
    connect(Picture3, &PictureBox::pulsado, this, &FormZoom::Picture3_Click);

    // The designed size at the main window's scale.
    const double k = principal_.diseno->factor();
    resize(static_cast<int>(std::lround(ancho_diseno / 15 * k)),
           static_cast<int>(std::lround(alto_diseno / 15 * k)));
}

void FormZoom::Form_Load() {
    alejado = false;
    suma_visible = false;
}

void FormZoom::Form_Deactivate() {
    principal_.cajazoom->hide();
    limpiar_dibujo();
    principal_.Label8->clear();
}

void FormZoom::Form_Unload() {
    Form_Deactivate();
}

void FormZoom::limpiar_dibujo() {
    Picture1->limpiar();
    dibujado_ = false;
}

void FormZoom::Form_Click() {
    hide();
}
void FormZoom::Command2_Click() {
    hide();
}

void FormZoom::Picture1_Click() {
    limpiar_dibujo();
    hide();
    principal_.Label8->clear();
}

void FormZoom::Command1_Click() {
    QClipboard* portapapeles = QGuiApplication::clipboard();
    portapapeles->clear();
    portapapeles->setImage(Picture1->imagen());
}

void FormZoom::Picture1_MouseMove(double X) {
    // As on the graph: past a sine of ±1 there is nothing to read.
    if (!(std::fabs(X) <= 1)) {
        principal_.Label8->clear();
        principal_.Label9->clear();
        return;
    }
    principal_.Label8->setText(texto_fijo(Fijo::desde(X)));
    principal_.mostrar_intensidad(X);
}

bool FormZoom::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && !dibujado_) {
        Form_Activate();
    } else if (e->type() == QEvent::WindowDeactivate) {
        Form_Deactivate();
    }
    return QWidget::event(e);
}

void FormZoom::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    // Not every platform activates a window when it is shown.
    if (!dibujado_) {
        Form_Activate();
    }
}

void FormZoom::hideEvent(QHideEvent* e) {
    Form_Deactivate();
    QWidget::hideEvent(e);
}

void FormZoom::closeEvent(QCloseEvent* e) {
    Form_Unload();
    e->accept();
}

void FormZoom::mousePressEvent(QMouseEvent* e) {
    presionado_ = e->button() == Qt::LeftButton;
    QWidget::mousePressEvent(e);
}

void FormZoom::mouseReleaseEvent(QMouseEvent* e) {
    const bool clic =
        presionado_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    presionado_ = false;
    QWidget::mouseReleaseEvent(e);
    if (clic) {
        Form_Click();
    }
}
