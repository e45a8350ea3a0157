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
    std::size_t figuras;
    bool operator==(const Estado&) const = default;
};

Estado estado(const Form1& f) {
    return {f.g.valor[1],        f.g.valor[2],        f.inf->top,  f.sup->top,
            f.ValorT[1]->text(), f.ValorT[2]->text(), f.g.ncurvas, f.Picture1->figuras()};
}

} // namespace

void PruebaPuntero::dejado_en_la_pantalla_data() {
    QTest::addColumn<bool>("es_sup");
    QTest::addColumn<double>("Y");
    QTest::addColumn<double>("extremo");
    QTest::addColumn<float>("top");
    QTest::addColumn<QString>("caja"); // none: the drop is ignored
    QTest::newRow("sup at 1.26") << true << 1.26 << 1.1 << 1.3F << "0.74";
    QTest::newRow("sup at the strip's top") << true << 2.2 << 2.0 << 2.2F << "0.89";
    QTest::newRow("inf at -0.04") << false << -0.04 << 0.0 << 0.0F << "0";
    QTest::newRow("inf at -0.36") << false << -0.36 << -0.4 << -0.4F << "-0.37";
    QTest::newRow("sup below the lower end") << true << -1.0 << 0.0 << 0.0F << "";
    QTest::newRow("inf above the upper end") << false << 1.0 << 0.0 << 0.0F << "";
}

void PruebaPuntero::dejado_en_la_pantalla() {
    QFETCH(bool, es_sup);
    QFETCH(double, Y);
    QFETCH(double, extremo);
    QFETCH(float, top);
    QFETCH(QString, caja);
    LocalePrueba locale(locale_punto());
    Escena f;
    const Estado antes = estado(*f);
    Marcador* m = es_sup ? f->sup : f->inf;
    arrastrar(m, en_franja(*f, Y));
    if (caja.isEmpty()) {
        QVERIFY(estado(*f) == antes);
        return;
    }
    // The other end stays; a new sector clears the graph, the bands and the list.
    Estado esperado = antes;
    (es_sup ? esperado.sup : esperado.inf) = Fijo::desde(extremo);
    (es_sup ? esperado.top_sup : esperado.top_inf) = top;
    (es_sup ? esperado.caja2 : esperado.caja1) = caja;
    esperado.curvas = 0;
    esperado.figuras = 0;
    QVERIFY(estado(*f) == esperado);
    QCOMPARE(f->List1->count(), 0);
    QVERIFY(std::abs(m->y() - pixel_de(f->Picture3, {0, top}).y()) <= 1);
    // Masks and connector lines follow the new end.
    if (es_sup) {
        QVERIFY(std::abs(f->Shape11->height() - (2 - extremo) * f->Picture3->height() / 4.4) <=
                1.5);
        QCOMPARE(f->sup_anterior, Fijo::desde(extremo));
    } else {
        QVERIFY(std::abs(f->Shape12->y() - pixel_de(f->Picture3, {0, extremo}).y()) <= 1);
        QCOMPARE(f->inf_anterior, Fijo::desde(extremo));
    }
}

void PruebaPuntero::extremos_iguales_se_aceptan() {
    // Tops are single precision (1.3 and 0.3 are not exact there), yet an end
    // equal to the other one is accepted.
    Escena f(false);
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

void PruebaPuntero::el_contorno_sigue_al_puntero_y_fuera_nada_cambia() {
    Escena f;
    const Estado antes = estado(*f);
    Marcador* m = f->sup;
    const QPoint centro = m->rect().center();
    QTest::mousePress(m, Qt::LeftButton, {}, centro);
    QVERIFY(!m->contorno() || !m->contorno()->isVisible());
    QTest::mouseMove(m, centro + QPoint(0, 12));
    QVERIFY(m->contorno() && m->contorno()->isVisible());
    QCOMPARE(m->contorno()->size(), m->size());
    const QPoint pos = m->contorno()->pos();
    QTest::mouseMove(m, centro + QPoint(40, 42));
    QCOMPARE(m->contorno()->pos() - pos, QPoint(40, 30));
    QVERIFY(m->contorno()->isVisible());
    // Let go beside the strip, at a height that would be accepted on it.
    const QPoint fuera = en_franja(*f, 1.26) + QPoint(f->Picture3->width() + 150, 0) - m->pos();
    QTest::mouseRelease(m, Qt::LeftButton, {}, fuera);
    QVERIFY(!m->contorno()->isVisible());
    QVERIFY(estado(*f) == antes);
    // A click without a drag drops nothing.
    QTest::mouseClick(f->inf, Qt::LeftButton, {}, f->inf->rect().center());
    QVERIFY(estado(*f) == antes);
}

void PruebaPuntero::lupa_alterna_y_la_seleccion_la_suelta() {
    Escena f;
    const QImage suelta = f->Picture4->imagen();
    const auto comprobar_suelta = [&] {
        QCOMPARE(f->modo_seleccion, std::uint8_t{0});
        QVERIFY(!f->Label15->isVisible());
        QCOMPARE(f->Picture4->imagen(), suelta);
    };
    QTest::mouseClick(f->Picture4, Qt::LeftButton);
    QCOMPARE(f->modo_seleccion, std::uint8_t{1});
    QVERIFY(f->Label15->isVisible());
    QCOMPARE(f->Label15->text(), QStringLiteral("Seleccione "));
    QVERIFY(f->Picture4->imagen() != suelta);
    QTest::mouseClick(f->Picture4, Qt::LeftButton);
    comprobar_suelta();
    // Pressed again, then a press on the graph releases it.
    QTest::mouseClick(f->Picture4, Qt::LeftButton);
    QVERIFY(seleccionar(*f, {-0.1, 5}, {0.1, 15}));
    comprobar_suelta();
}

void PruebaPuntero::restaurar_la_vista_data() {
    QTest::addColumn<bool>("previa");
    QTest::addColumn<int>("opcion");
    QTest::addColumn<bool>("borra");
    QTest::newRow("no picture seen: separate bands, cleared") << false << 1 << true;
    QTest::newRow("single band before: nothing changes") << true << 0 << false;
}

void PruebaPuntero::restaurar_la_vista() {
    QFETCH(bool, previa);
    QFETCH(int, opcion);
    QFETCH(bool, borra);
    Escena f;
    f->banda_unica_previa = previa;
    // As a full-window picture leaves the window.
    const QList<QWidget*> ocultos{f->Frame1,     f->ValorT[3],  f->ValorT[6],
                                  f->Option1[0], f->Option1[1], f->Picture2};
    const QList<QWidget*> botones{f->Command1, f->Command2, f->Command3};
    for (QWidget* w : ocultos) {
        w->hide();
    }
    for (QWidget* b : botones) {
        b->setEnabled(false);
    }
    f->Picture1->set_persistente(false);
    QVERIFY(f->Image1->isVisible());
    QTest::mouseClick(f->Image1, Qt::LeftButton);
    QVERIFY(!f->Image1->isVisible());
    for (QWidget* w : ocultos + botones) {
        QVERIFY(w->isVisible() && w->isEnabled());
    }
    QVERIFY(f->Picture1->isVisible());
    QVERIFY(f->Picture1->persistente() && f->Picture2->persistente());
    QVERIFY(f->Option1[opcion]->isChecked());
    QCOMPARE(int{f->g.ncurvas}, borra ? 0 : 1);
}
