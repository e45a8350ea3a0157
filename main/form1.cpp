#include "main/form1.h"

#include "entry/boton_spin.h"
#include "entry/caja_valor.h"
#include "screen/marcador.h"
#include "toolkit/diseno.h"
#include "toolkit/forma.h"
#include "toolkit/picture_box.h"
#include "zoom/form_zoom.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <cmath>

namespace {

// The window's own background, behind the sketch of the experiment.
constexpr Color fondo_ventana = 0xF0F0F0;
// Designed client area in twips: the sketch (9855 x 6105) and the row of
// buttons and band options under it.
constexpr double ancho_diseno = 9855;
constexpr double alto_diseno = 6630;

// The magnifier button's picture: a lens with its handle on a raised face.
QImage imagen_lupa() {
    QImage img(100, 100, QImage::Format_RGB32);
    img.fill(QColor(192, 192, 192));
    QPainter p(&img);
    p.fillRect(0, 0, 100, 5, Qt::white);
    p.fillRect(0, 0, 5, 100, Qt::white);
    p.fillRect(0, 95, 100, 5, QColor(64, 64, 64));
    p.fillRect(95, 0, 5, 100, QColor(64, 64, 64));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 40), 14, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(60, 60), QPointF(82, 82));
    p.setPen(QPen(QColor(20, 20, 20), 8));
    p.setBrush(QColor(210, 230, 250));
    p.drawEllipse(QPointF(42, 42), 24, 24);
    return img;
}

void pintar_fondo(QWidget* w, Color c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, a_qcolor(c));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

} // namespace

Form1::Form1(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Ondaris por N ranuras  //  Grupo Quenor"));
    crear_controles();
    crear_menus();
    conectar();
}

Form1::~Form1() {
    if (form_zoom_) {
        delete form_zoom_.data();
    }
}

void Form1::crear_controles() {
    auto* cliente = new QWidget(this);
    pintar_fondo(cliente, fondo_ventana);
    setCentralWidget(cliente);
    diseno = new Diseno(cliente, ancho_diseno, alto_diseno);
    Diseno& d = *diseno;

    auto etiqueta = [&](QWidget* padre, const QString& texto, QRectF lugar,
                        Qt::Alignment alineacion = Qt::AlignLeft | Qt::AlignVCenter) {
        auto* l = new QLabel(texto, padre);
        l->setWordWrap(true);
        l->setAlignment(alineacion);
        d.colocar(l, lugar);
        return l;
    };
    auto caja_imagen = [&](QWidget* padre, const QString& nombre, QRectF lugar) {
        auto* p = new PictureBox(padre);
        p->setAccessibleName(nombre);
        d.colocar(p, lugar, 0);
        return p;
    };

    superficie =
        caja_imagen(cliente, QStringLiteral("Esquema del experimento"), {0, 0, 9855, 6105});
    superficie->set_fondo(fondo_ventana);

    Image1 = caja_imagen(cliente, QStringLiteral("Restaurar la vista"), {0, 0, 135, 135});
    Image1->set_fondo(fondo_ventana);

    // Wavelength row, emitter, grating.
    etiqueta(cliente, QStringLiteral("Longitud de onda ( L) :  "), {60, 330, 1110, 435},
             Qt::AlignRight | Qt::AlignVCenter);
    Text1 = new QLineEdit(QStringLiteral("EMISOR"), cliente);
    Text1->setReadOnly(true);
    Text1->setFocusPolicy(Qt::NoFocus);
    Text1->setAlignment(Qt::AlignCenter);
    Text1->setAccessibleName(QStringLiteral("Emisor"));
    d.colocar(Text1, {240, 2880, 930, 465}, 8.25, true);
    Shape7 = new Forma(cliente);
    Shape7->set_relleno(0x404040);
    Shape7->setAccessibleName(QStringLiteral("Red"));
    d.colocar(Shape7, {1770, 2280, 45, 1665}, 0);
    etiqueta(cliente, QStringLiteral("Red"), {1560, 2010, 480, 240}, Qt::AlignCenter);

    // Screen strip with its markers and masks.
    etiqueta(cliente, QStringLiteral("Pantalla"), {2820, 15, 780, 225}, Qt::AlignCenter);
    Picture3 = caja_imagen(cliente, QStringLiteral("Pantalla"), {3120, 600, 135, 5175});
    Shape11 = new Forma(Picture3);
    Shape12 = new Forma(Picture3);
    for (Forma* m : {Shape11, Shape12}) {
        m->set_relleno(0x808080);
        m->set_sin_borde();
        d.colocar(m, {0, 0, 135, 0}, 0);
    }
    sup = new Marcador(Picture3);
    inf = new Marcador(Picture3);
    sup->setAccessibleName(QStringLiteral("Extremo superior del sector"));
    inf->setAccessibleName(QStringLiteral("Extremo inferior del sector"));
    for (Marcador* m : {sup, inf}) {
        m->setFocusPolicy(Qt::NoFocus);
        d.colocar(m, {0, 0, 255, 195}, 0);
    }

    // Enlarged sector and its squares.
    etiqueta(cliente, QStringLiteral("Espectro de sector de pantalla ampliado"),
             {3900, 240, 1695, 540}, Qt::AlignCenter);
    Picture2 = caja_imagen(cliente, QStringLiteral("Espectro de sector de pantalla ampliado"),
                           {4020, 840, 1455, 4815});
    for (int k = 1; k <= 6; ++k) {
        Shape6[k] = new Forma(cliente);
        Shape6[k]->set_relleno(0xFFFFFF);
        d.colocar(Shape6[k], {4020.0 + 15 + (k - 1) * 240, 5715, 255, 255}, 0);
    }
    auto* bandas = new QButtonGroup(this);
    Option1[0] = new QRadioButton(QStringLiteral("Banda unica "), cliente);
    Option1[1] = new QRadioButton(QStringLiteral("Bandas separadas"), cliente);
    d.colocar(Option1[0], {3930, 6030, 1650, 390});
    d.colocar(Option1[1], {3930, 6405, 1650, 225});
    for (int i = 0; i < 2; ++i) {
        bandas->addButton(Option1[i], i);
    }
    Option1[0]->setChecked(true);
    set_color_texto(Option1[0], 255);
    set_color_texto(Option1[1], 0);

    // Value boxes of N, a, d and L with their captions.
    for (int i = 1; i <= 6; ++i) {
        ValorT[i] = new CajaValor(i <= 2 ? nullptr : cliente);
    }
    d.colocar(ValorT[6], {1200, 450, 615, 285});
    etiqueta(cliente, QStringLiteral("Número de ranuras (N) :"), {60, 4200, 1455, 405},
             Qt::AlignRight | Qt::AlignVCenter);
    d.colocar(ValorT[3], {1560, 4260, 435, 285});
    etiqueta(cliente, QStringLiteral("Ancho de ranura (a) :"), {60, 4860, 1395, 405},
             Qt::AlignRight | Qt::AlignVCenter);
    d.colocar(ValorT[4], {1500, 4920, 435, 285});
    etiqueta(cliente, QStringLiteral("Distancia entre ranuras (d) :"), {60, 5760, 1455, 405},
             Qt::AlignRight | Qt::AlignVCenter);
    d.colocar(ValorT[5], {1560, 5820, 435, 285});
    ValorT[3]->setToolTip(QStringLiteral("Entre 1 y 500"));
    ValorT[4]->setToolTip(QStringLiteral("Entre 0.1 y 100 micr."));
    ValorT[5]->setToolTip(QStringLiteral("Entre 1 y 100 micr."));
    ValorT[6]->setToolTip(QStringLiteral("Entre 0.38 y 0.78 micr."));

    // Spin buttons: coarse to fine from left to right on the wavelength row.
    auto par = [&](double x, double y, const QString& que) {
        auto* arriba = new BotonSpin(true, cliente);
        auto* abajo = new BotonSpin(false, cliente);
        arriba->setAccessibleName(QStringLiteral("Aumentar ") + que);
        abajo->setAccessibleName(QStringLiteral("Disminuir ") + que);
        d.colocar(arriba, {x, y, 288, 204}, 0);
        d.colocar(abajo, {x, y + 180, 288, 204}, 0);
        return std::pair{arriba, abajo};
    };
    std::tie(SpinUp[1], SpinDown[1]) = par(3060, 5760, QStringLiteral("el extremo inferior"));
    std::tie(SpinUp[2], SpinDown[2]) = par(3060, 240, QStringLiteral("el extremo superior"));
    std::tie(SpinUp[3], SpinDown[3]) = par(2040, 4200, QStringLiteral("N"));
    std::tie(SpinUp[4], SpinDown[4]) = par(2040, 4920, QStringLiteral("el ancho"));
    std::tie(SpinUp[5], SpinDown[5]) = par(2040, 5760, QStringLiteral("la distancia"));
    std::tie(SpinUp[6], SpinDown[6]) = par(1920, 360, QStringLiteral("L en 0,1"));
    std::tie(SpinUp1, SpinDown1) = par(2160, 360, QStringLiteral("L en 0,01"));
    std::tie(SpinUp2, SpinDown2) = par(2400, 360, QStringLiteral("L en 0,001"));

    // The data frame: central intensities, read-outs, graph and its sine range.
    Frame1 = new QGroupBox(QStringLiteral("Datos de espectro"), cliente);
    d.colocar(Frame1, {5580, 60, 3975, 6015});
    etiqueta(Frame1,
             QStringLiteral("Intensidad en el centro de la pantalla   (en relación a una "
                            "ranura de 1 micrón):"),
             {120, 450, 1440, 1470}, Qt::AlignLeft | Qt::AlignTop);
    List1 = new QListWidget(Frame1);
    List1->setAccessibleName(QStringLiteral("Intensidad en el centro de la pantalla"));
    List1->setFocusPolicy(Qt::NoFocus);
    List1->setUniformItemSizes(true);
    List1->setFrameShape(QFrame::Box);
    List1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    d.colocar(List1, {1620, 480, 900, 1485});
    for (int k = 1; k <= 6; ++k) {
        Shape1[k] = new Forma(Frame1);
        Shape1[k]->set_relleno(0xFFFFFF);
        d.colocar(Shape1[k], {2580, 495.0 + (k - 1) * 240, 255, 255}, 0);
    }
    Label7 = etiqueta(Frame1, QStringLiteral("Intensidad :"), {2940, 480, 975, 225});
    Label9 = etiqueta(Frame1, QString(), {2940, 720, 915, 255});
    Picture4 = caja_imagen(Frame1, QStringLiteral("Lupa"), {3240, 1140, 375, 375});
    Picture4->set_imagen(imagen_lupa());
    Label15 =
        etiqueta(Frame1, QStringLiteral("Seleccione "), {2940, 1620, 915, 255}, Qt::AlignCenter);
    Picture1 =
        caja_imagen(Frame1, QStringLiteral("Gráfica de intensidades"), {60, 1980, 3795, 3150});
    cajazoom = new Forma(Picture1);
    cajazoom->set_borde(0xFF0000);
    cajazoom->hide();
    ValorT[1]->setParent(Frame1);
    ValorT[2]->setParent(Frame1);
    d.colocar(ValorT[1], {60, 5160, 555, 285});
    d.colocar(ValorT[2], {3360, 5160, 555, 285});
    etiqueta(Frame1, QStringLiteral("Seno (Angulo de Desviación)"), {660, 5190, 2655, 255},
             Qt::AlignCenter);
    etiqueta(Frame1, QStringLiteral("Extremo inferior"), {60, 5475, 1305, 240});
    etiqueta(Frame1, QStringLiteral("Extremo superior"), {2610, 5475, 1305, 240},
             Qt::AlignRight | Qt::AlignVCenter);
    Label8 = etiqueta(Frame1, QString(), {1500, 5475, 975, 255}, Qt::AlignCenter);
    for (QLabel* l : {Label8, Label9}) {
        pintar_fondo(l, 0xFFFFFF);
        l->setWordWrap(false);
    }
    Label8->setAccessibleName(QStringLiteral("Seno"));
    Label9->setAccessibleName(QStringLiteral("Intensidad"));
    pintar_fondo(Label15, 0xC0FFFF);
    Label15->hide();
    for (int i = 1; i <= 6; ++i) {
        ValorT[i]->setAccessibleName(i == 1   ? QStringLiteral("Extremo inferior")
                                     : i == 2 ? QStringLiteral("Extremo superior")
                                     : i == 3 ? QStringLiteral("Número de ranuras")
                                     : i == 4 ? QStringLiteral("Ancho de ranura")
                                     : i == 5 ? QStringLiteral("Distancia entre ranuras")
                                              : QStringLiteral("Longitud de onda"));
        ValorT[i]->show();
    }

    Command1 = new QPushButton(QStringLiteral("Graficar"), cliente);
    Command2 = new QPushButton(QStringLiteral("Limpiar"), cliente);
    Command3 = new QPushButton(QStringLiteral("Salir"), cliente);
    d.colocar(Command1, {5640, 6120, 1215, 375});
    d.colocar(Command2, {7020, 6120, 1095, 375});
    d.colocar(Command3, {8640, 6120, 855, 375});

    Picture5 = caja_imagen(cliente, QStringLiteral("Ilustración"), {0, 0, 9855, 6105});
    Picture5->set_fondo(fondo_ventana);
    Picture5->hide();

    QWidget::setTabOrder(ValorT[6], ValorT[3]);
    QWidget::setTabOrder(ValorT[3], ValorT[4]);
    QWidget::setTabOrder(ValorT[4], ValorT[5]);
    QWidget::setTabOrder(ValorT[5], ValorT[1]);
    QWidget::setTabOrder(ValorT[1], ValorT[2]);
    QWidget::setTabOrder(ValorT[2], Command1);
    QWidget::setTabOrder(Command1, Command2);
    QWidget::setTabOrder(Command2, Command3);

    for (PictureBox* p : {Picture1, Picture2, Picture3}) {
        p->set_fondo(0xE0E0E0);
    }
    connect(diseno, &Diseno::escalado, this, [this](double k) {
        for (PictureBox* p : findChildren<PictureBox*>()) {
            p->set_grosor(k);
        }
        for (int i = 0; i < List1->count(); ++i) {
            List1->item(i)->setSizeHint(QSize(0, diseno->a_pixeles(alto_fila_intensidad)));
        }
        // Menus and message boxes grow with the window, like its own captions.
        const int pixeles = std::max(12, static_cast<int>(std::lround(11 * k)));
        QFont letra = QApplication::font();
        if (letra.pixelSize() != pixeles) {
            letra.setPixelSize(pixeles);
            QApplication::setFont(letra);
        }
    });
}

void Form1::crear_menus() {
    QMenuBar* barra = menuBar();
    menu_archivo = barra->addMenu(QStringLiteral("Archivo"));
    menu_traza = menu_archivo->addAction(QStringLiteral("Documentar Sesión"));
    menu_traza->setCheckable(true);
    menu_abrir = menu_archivo->addAction(QStringLiteral("Abrir Documento de Sesión"));
    menu_salir = menu_archivo->addAction(QStringLiteral("Salir"));

    menu_edicion = barra->addMenu(QStringLiteral("&Copiar al Portapapeles"));
    menu_copiar_patron = menu_edicion->addAction(QStringLiteral("Espectro de pantalla"));
    menu_copiar_grafica = menu_edicion->addAction(QStringLiteral("Gráfica de Intensidades"));
    menu_copiar_datos = menu_edicion->addAction(QStringLiteral("Datos de Red y Luz incidente"));

    menu_separacion = barra->addMenu(QStringLiteral("Ver"));
    menu_paleta = menu_separacion->addAction(QStringLiteral("Espectro de Luz Blanca"));
    menu_imagen1 = menu_separacion->addAction(QStringLiteral("Laboratorio"));
    menu_imagen2 = menu_separacion->addAction(QStringLiteral("Red y Pantalla"));
    menu_modelo = menu_separacion->addAction(QStringLiteral("Modelo utilizado"));

    menu_ayuda = barra->addMenu(QStringLiteral("Ayuda"));
    menu_general = menu_ayuda->addAction(QStringLiteral("&General"));
    menu_unidades = menu_ayuda->addAction(QStringLiteral("&Unidades"));
    separador = menu_ayuda->addSeparator();
    menu_acerca = menu_ayuda->addAction(QStringLiteral("&Acerca de ..."));
}

void Form1::conectar() {
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    for (int i = 0; i < 2; ++i) {
        connect(Option1[i], &QRadioButton::toggled, this, [this, i](bool marcado) {
            if (marcado) {
                Option1_Click(i);
            }
        });
    }
    for (int i = 1; i <= 6; ++i) {
        CajaValor* c = ValorT[i];
        connect(c, &CajaValor::raton_abajo, this, [this, i] { ValorT_MouseDown(i); });
        connect(c, &CajaValor::tecla_presionada, this, [this, i] { ValorT_KeyPress(i); });
        connect(c, &CajaValor::tecla_soltada, this, [this, i] { ValorT_KeyUp(i); });
        connect(c, &CajaValor::foco_perdido, this, [this, i] { ValorT_LostFocus(i); });
        connect(c, &QLineEdit::textChanged, this, [this, i] { ValorT_Change(i); });
        connect(SpinUp[i], &PictureBox::pulsado, this, [this, i] { SpinUp_Click(i); });
        connect(SpinDown[i], &PictureBox::pulsado, this, [this, i] { SpinDown_Click(i); });
    }
    connect(SpinUp1, &PictureBox::pulsado, this, &Form1::SpinUp1_Click);
    connect(SpinDown1, &PictureBox::pulsado, this, &Form1::SpinDown1_Click);
    connect(SpinUp2, &PictureBox::pulsado, this, &Form1::SpinUp2_Click);
    connect(SpinDown2, &PictureBox::pulsado, this, &Form1::SpinDown2_Click);

    connect(Picture1, &PictureBox::presionado, this,
            [this](double x, double y) { Picture1_MouseDown(x, y); });
    connect(Picture1, &PictureBox::movido, this,
            [this](double x, double y) { Picture1_MouseMove(x, y); });
    connect(Picture1, &PictureBox::soltado, this, [this] { Picture1_MouseUp(); });
    connect(Picture2, &PictureBox::movido, this,
            [this](double x, double y) { Picture2_MouseMove(x, y); });
    connect(superficie, &PictureBox::movido, this, [this] { Form_MouseMove(); });
    connect(Picture4, &PictureBox::pulsado, this, &Form1::Picture4_Click);
    connect(Image1, &PictureBox::pulsado, this, &Form1::Image1_Click);
    connect(Picture5, &PictureBox::pulsado, this, &Form1::Picture5_Click);
    conectar_puntero();

    connect(menu_traza, &QAction::triggered, this, &Form1::menu_traza_Click);
    connect(menu_abrir, &QAction::triggered, this, &Form1::menu_abrir_Click);
    connect(menu_salir, &QAction::triggered, this, &Form1::menu_salir_Click);
    connect(menu_copiar_patron, &QAction::triggered, this, &Form1::menu_copiar_patron_Click);
    connect(menu_copiar_grafica, &QAction::triggered, this, &Form1::menu_copiar_grafica_Click);
    connect(menu_copiar_datos, &QAction::triggered, this, &Form1::menu_copiar_datos_Click);
    connect(menu_paleta, &QAction::triggered, this, &Form1::menu_paleta_Click);
    connect(menu_imagen1, &QAction::triggered, this, &Form1::menu_imagen1_Click);
    connect(menu_imagen2, &QAction::triggered, this, &Form1::menu_imagen2_Click);
    connect(menu_modelo, &QAction::triggered, this, &Form1::menu_modelo_Click);
    connect(menu_general, &QAction::triggered, this, &Form1::menu_general_Click);
    connect(menu_unidades, &QAction::triggered, this, &Form1::menu_unidades_Click);
    connect(menu_acerca, &QAction::triggered, this, &Form1::menu_acerca_Click);
}

void Form1::set_color_texto(QAbstractButton* b, Color c) {
    QPalette p = b->palette();
    p.setColor(QPalette::WindowText, a_qcolor(c));
    p.setColor(QPalette::ButtonText, a_qcolor(c));
    b->setPalette(p);
}

Color Form1::color_texto_de(const QAbstractButton* b) {
    const QColor c = b->palette().color(QPalette::WindowText);
    return RGB(c.red(), c.green(), c.blue());
}

void Form1::closeEvent(QCloseEvent* e) {
    // Closing the window ends the program without saving the documentation switch.
    e->accept();
    QApplication::quit();
}
