#include "entry/caja_valor.h"
#include "main/form1.h"
#include "screen/marcador.h"
#include "tests/common/entorno.h"
#include "tests/common/raton.h"
#include "tests/screen/puntero.h"
#include "toolkit/forma.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <cmath>

namespace {

std::unique_ptr<Form1> con_una_curva() {
    auto f = abrir_form1();
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    return f;
}

// The pixel of the strip at height Y (strip units), across its middle.
QPoint en_franja(const Form1& f, double Y) {
    return QPoint(f.Picture3->width() / 2, pixel_de(f.Picture3, {0.5, Y}).y());
}

// Drags the marker with the mouse and lets it go at `destino` (pixels of the strip).
void arrastrar(Marcador* m, QPoint destino) {
    const QPoint centro = m->rect().center();
    QTest::mousePress(m, Qt::LeftButton, {}, centro);
    QTest::mouseMove(m, centro + QPoint(0, 12));
    QTest::mouseMove(m, destino - m->pos());
    QTest::mouseRelease(m, Qt::LeftButton, {}, destino - m->pos());
}

struct Estado {
    Fijo inf, sup;
    float top_inf, top_sup;
    QString caja1, caja2;
    int curvas;
    bool operator==(const Estado&) const = default;
};

Estado estado(const Form1& f) {
    return {f.g.valor[1],        f.g.valor[2],        f.inf->top, f.sup->top,
            f.ValorT[1]->text(), f.ValorT[2]->text(), f.g.ncurvas};
}

} // namespace

void PruebaMarcadores::dejado_en_la_pantalla_data() {
    QTest::addColumn<bool>("es_sup");
    QTest::addColumn<double>("Y");
    QTest::addColumn<double>("extremo");
    QTest::addColumn<float>("top");
    QTest::addColumn<QString>("caja");
    QTest::newRow("sup at 1.26") << true << 1.26 << 1.1 << 1.3F << "0.74";
    QTest::newRow("sup at the strip's top") << true << 2.2 << 2.0 << 2.2F << "0.89";
    QTest::newRow("inf at -0.04") << false << -0.04 << 0.0 << 0.0F << "0";
    QTest::newRow("inf at -0.36") << false << -0.36 << -0.4 << -0.4F << "-0.37";
}

void PruebaMarcadores::dejado_en_la_pantalla() {
    QFETCH(bool, es_sup);
    QFETCH(double, Y);
    QFETCH(double, extremo);
    QFETCH(float, top);
    QFETCH(QString, caja);
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    LocalePrueba locale(locale_punto());
    auto f = con_una_curva();
    const Estado antes = estado(*f);
    Marcador* m = es_sup ? f->sup : f->inf;
    const int i = es_sup ? 2 : 1;
    arrastrar(m, en_franja(*f, Y));

    QCOMPARE(f->g.valor[i], Fijo::desde(extremo));
    QCOMPARE(f->g.valor[3 - i], es_sup ? antes.inf : antes.sup);
    QCOMPARE(m->top, top);
    QCOMPARE(f->ValorT[i]->text(), caja);
    QCOMPARE(f->ValorT[3 - i]->text(), es_sup ? antes.caja1 : antes.caja2);
    QVERIFY(std::abs(m->y() - pixel_de(f->Picture3, {0, top}).y()) <= 1);
    // Masks and connector lines follow the new end.
    const double unidad = f->Picture3->height() / 4.4;
    if (es_sup) {
        QVERIFY(std::abs(f->Shape11->height() - (2 - extremo) * unidad) <= 1.5);
        QCOMPARE(f->sup_anterior, Fijo::desde(extremo));
    } else {
        QVERIFY(std::abs(f->Shape12->y() - pixel_de(f->Picture3, {0, extremo}).y()) <= 1);
        QCOMPARE(f->inf_anterior, Fijo::desde(extremo));
    }
    // A new sector clears the graph, the bands and the list.
    QCOMPARE(f->g.ncurvas, std::int16_t{0});
    QCOMPARE(f->List1->count(), 0);
    QCOMPARE(f->Picture1->figuras(), std::size_t{0});
}

void PruebaMarcadores::extremos_iguales_se_aceptan() {
    // Tops are single precision (1.3 and 0.3 are not exact there), yet an end
    // equal to the other one is accepted.
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    arrastrar(f->sup, en_franja(*f, 1.26));
    QCOMPARE(f->g.valor[2], Fijo::desde(1.1));
    arrastrar(f->inf, en_franja(*f, 1.1));
    QCOMPARE(f->g.valor[1], Fijo::desde(1.1));

    arrastrar(f->inf, en_franja(*f, 0.3));
    QCOMPARE(f->g.valor[1], Fijo::desde(0.3));
    arrastrar(f->sup, en_franja(*f, 0.5));
    QCOMPARE(f->g.valor[2], Fijo::desde(0.3));
    QCOMPARE(f->sup->top, 0.5F);
}

void PruebaMarcadores::cruces_ignorados_data() {
    QTest::addColumn<bool>("es_sup");
    QTest::addColumn<double>("Y");
    QTest::newRow("sup below the lower end") << true << -1.0;
    QTest::newRow("inf above the upper end") << false << 1.0;
}

void PruebaMarcadores::cruces_ignorados() {
    QFETCH(bool, es_sup);
    QFETCH(double, Y);
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = con_una_curva();
    const Estado antes = estado(*f);
    const std::size_t figuras = f->Picture1->figuras();
    arrastrar(es_sup ? f->sup : f->inf, en_franja(*f, Y));
    QVERIFY(estado(*f) == antes);
    QCOMPARE(f->Picture1->figuras(), figuras);
}

void PruebaMarcadores::fuera_de_la_pantalla_o_sin_arrastre() {
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = con_una_curva();
    const Estado antes = estado(*f);
    const QPoint fuera = en_franja(*f, 1.26) + QPoint(f->Picture3->width() + 150, 0);
    arrastrar(f->sup, fuera);
    QVERIFY(estado(*f) == antes);
    QTest::mouseClick(f->inf, Qt::LeftButton, {}, f->inf->rect().center());
    QVERIFY(estado(*f) == antes);
}

void PruebaMarcadores::el_contorno_sigue_al_puntero() {
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    Marcador* m = f->sup;
    const QPoint centro = m->rect().center();
    QTest::mousePress(m, Qt::LeftButton, {}, centro);
    QVERIFY(!m->contorno() || !m->contorno()->isVisible());
    QTest::mouseMove(m, centro + QPoint(0, 12));
    QVERIFY(m->contorno() && m->contorno()->isVisible());
    QCOMPARE(m->contorno()->size(), m->size());
    const QPoint antes = m->contorno()->pos();
    QTest::mouseMove(m, centro + QPoint(40, 42));
    QCOMPARE(m->contorno()->pos() - antes, QPoint(40, 30));
    QVERIFY(m->contorno()->isVisible());
    QTest::mouseRelease(m, Qt::LeftButton, {}, centro + QPoint(400, 42));
    QVERIFY(!m->contorno()->isVisible());
}

void PruebaLupaYRestaurar::lupa_alterna_y_la_seleccion_la_suelta() {
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = con_una_curva();
    const QImage suelta = f->Picture4->imagen();
    QTest::mouseClick(f->Picture4, Qt::LeftButton);
    QCOMPARE(f->modo_seleccion, std::uint8_t{1});
    QVERIFY(f->Label15->isVisible());
    QCOMPARE(f->Label15->text(), QStringLiteral("Seleccione "));
    QVERIFY(f->Picture4->imagen() != suelta);
    QTest::mouseClick(f->Picture4, Qt::LeftButton);
    QCOMPARE(f->modo_seleccion, std::uint8_t{0});
    QVERIFY(!f->Label15->isVisible());
    QCOMPARE(f->Picture4->imagen(), suelta);

    // Pressed again, then a press on the graph releases it.
    QTest::mouseClick(f->Picture4, Qt::LeftButton);
    QVERIFY(seleccionar(*f, {-0.1, 5}, {0.1, 15}));
    QCOMPARE(f->modo_seleccion, std::uint8_t{0});
    QVERIFY(!f->Label15->isVisible());
    QCOMPARE(f->Picture4->imagen(), suelta);
}

void PruebaLupaYRestaurar::restaurar_la_vista_data() {
    QTest::addColumn<bool>("previa");
    QTest::addColumn<int>("opcion");
    QTest::addColumn<bool>("borra");
    QTest::newRow("no picture seen: separate bands, cleared") << false << 1 << true;
    QTest::newRow("single band before: nothing changes") << true << 0 << false;
}

void PruebaLupaYRestaurar::restaurar_la_vista() {
    QFETCH(bool, previa);
    QFETCH(int, opcion);
    QFETCH(bool, borra);
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = con_una_curva();
    f->banda_unica_previa = previa;
    // As a full-window picture leaves the window.
    for (QWidget* w : std::initializer_list<QWidget*>{f->Frame1, f->ValorT[3], f->ValorT[6],
                                                      f->Option1[0], f->Option1[1], f->Picture2}) {
        w->hide();
    }
    for (QPushButton* b : {f->Command1, f->Command2, f->Command3}) {
        b->setEnabled(false);
    }
    f->Picture1->set_persistente(false);
    QVERIFY(f->Image1->isVisible());
    QTest::mouseClick(f->Image1, Qt::LeftButton);
    QVERIFY(!f->Image1->isVisible());
    for (QWidget* w :
         std::initializer_list<QWidget*>{f->Frame1, f->ValorT[3], f->ValorT[6], f->Option1[0],
                                         f->Option1[1], f->Picture1, f->Picture2}) {
        QVERIFY(w->isVisible());
    }
    for (QPushButton* b : {f->Command1, f->Command2, f->Command3}) {
        QVERIFY(b->isEnabled());
    }
    QVERIFY(f->Picture1->persistente() && f->Picture2->persistente());
    QVERIFY(f->Option1[opcion]->isChecked());
    QCOMPARE(int{f->g.ncurvas}, borra ? 0 : 1);
}
