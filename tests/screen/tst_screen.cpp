#include "entry/boton_spin.h"
#include "main/form1.h"
#include "model/color_onda.h"
#include "tests/common/entorno.h"
#include "tests/common/varias.h"
#include "toolkit/forma.h"
#include "toolkit/picture_box.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// A single slit of 0.5 micrometres: a broad central maximum, so the rows around
// the centre carry the full colour of the light.
const char* const inic_rendija = "-0.6, -2, 2\n0.6, -2, 2\n1, 1, 500\n0.5, 0.1, 100\n"
                                 "1, 1, 100\n0.55, 0.38, 0.78\n";

void graficar(Form1& f, double onda) {
    f.g.valor[6] = Fijo::desde(onda);
    QTest::mouseClick(f.Command1, Qt::LeftButton);
}

// The colour of the enlarged sector at column x (0..6) and screen position y.
QColor en_sector(Form1& f, double x, double y) {
    const QImage img = f.Picture2->imagen();
    const QPointF p = f.Picture2->a_pixel({x, y}) * img.devicePixelRatio();
    return img.pixelColor(p.toPoint());
}

} // namespace

class PruebaColor : public QObject {
    Q_OBJECT
private slots:
    void tabla_de_longitudes_de_onda_data();
    void tabla_de_longitudes_de_onda();
};

void PruebaColor::tabla_de_longitudes_de_onda_data() {
    QTest::addColumn<double>("L");
    QTest::addColumn<double>("r");
    QTest::addColumn<double>("g");
    QTest::addColumn<double>("b");
    QTest::addColumn<QColor>("rgb");
    QTest::newRow("0.38") << 0.38 << 242.25 << 0.0 << 242.25 << QColor(242, 0, 242);
    QTest::newRow("0.40") << 0.40 << 255.0000000000002 << 0.0 << 255.0 << QColor(255, 0, 255);
    QTest::newRow("0.43") << 0.43 << 145.71428571428578 << 0.0 << 255.0 << QColor(146, 0, 255);
    QTest::newRow("0.47") << 0.47 << 0.0 << 0.0 << 255.0 << QColor(0, 0, 255);
    QTest::newRow("0.50") << 0.50 << 0.0 << 127.49999999999989 << 127.5 << QColor(0, 127, 128);
    QTest::newRow("0.53") << 0.53 << 0.0 << 254.99999999999977 << 0.0 << QColor(0, 255, 0);
    QTest::newRow("0.55") << 0.55 << 102.00000000000013 << 255.0 << 0.0 << QColor(102, 255, 0);
    QTest::newRow("0.58") << 0.58 << 255.00000000000034 << 255.0 << 0.0 << QColor(255, 255, 0);
    QTest::newRow("0.59") << 0.59 << 255.0 << 191.50000000000006 << 0.0 << QColor(255, 192, 0);
    QTest::newRow("0.60") << 0.60 << 255.0 << 128.0000000000001 << 0.0 << QColor(255, 128, 0);
    QTest::newRow("0.65") << 0.65 << 255.0 << 0.0 << 0.0 << QColor(255, 0, 0);
    QTest::newRow("0.70") << 0.70 << 218.57142857142858 << 0.0 << 0.0 << QColor(219, 0, 0);
    QTest::newRow("0.78") << 0.78 << 160.28571428571428 << 0.0 << 0.0 << QColor(160, 0, 0);
}

void PruebaColor::tabla_de_longitudes_de_onda() {
    QFETCH(double, L);
    QFETCH(double, r);
    QFETCH(double, g);
    QFETCH(double, b);
    QFETCH(QColor, rgb);
    const ComponentesColor c = color_de_onda(Fijo::desde(L));
    QCOMPARE(c.r, r);
    QCOMPARE(c.g, g);
    QCOMPARE(c.b, Fijo::desde(b));
    const Color compuesto = RGB(c.r, c.g, c.b.a_double());
    QCOMPARE(QColor(rojo_de(compuesto), verde_de(compuesto), azul_de(compuesto)), rgb);
}

class PruebaBandas : public QObject {
    Q_OBJECT
private slots:
    void banda_unica_suma_y_satura();
    void bandas_separadas_pintan_su_columna();
    void filas_sin_muestras_quedan_negras();
    void bandas_sin_huecos_a_cualquier_tamano();
    void comparando_geometria_solo_la_ultima_banda();
    void limpiar_restaura_todo();
    void cambio_de_modo_por_el_usuario_o_por_el_spin();
    void curva_en_el_color_de_su_onda();
};

void PruebaBandas::banda_unica_suma_y_satura() {
    CarpetaTrabajo carpeta(QString::fromUtf8(inic_rendija));
    Mensajes mensajes;
    auto f = abrir_form1();
    graficar(*f, 0.55);
    QCOMPARE(en_sector(*f, 0.5, 0), QColor(102, 255, 0));
    QCOMPARE(en_sector(*f, 5.5, 0), QColor(102, 255, 0)); // the whole width
    graficar(*f, 0.45);                                     // 72.86, 0, 255 added
    QCOMPARE(en_sector(*f, 3, 0), QColor(175, 255, 255));
    graficar(*f, 0.60); // 255, 128, 0 more: every component saturates
    QCOMPARE(en_sector(*f, 3, 0), QColor(255, 255, 255));
    QCOMPARE(f->rojo[500], std::int16_t{255});
    for (int k = 1; k <= 6; ++k) {
        QCOMPARE(f->Shape6[k]->relleno(), RGB(255, 128, 0));
    }
    QCOMPARE(f->Shape1[1]->relleno(), RGB(102, 255, 0));
    QCOMPARE(f->Shape1[3]->relleno(), RGB(255, 128, 0));
    QCOMPARE(f->Shape1[4]->relleno(), Color{0xFFFFFF});
}

void PruebaBandas::bandas_separadas_pintan_su_columna() {
    CarpetaTrabajo carpeta(QString::fromUtf8(inic_rendija));
    Mensajes mensajes;
    auto f = abrir_form1();
    QTest::mouseClick(f->Option1[1], Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(f->Option1[1]->isChecked());
    graficar(*f, 0.55);
    graficar(*f, 0.45);
    graficar(*f, 0.65);
    QCOMPARE(en_sector(*f, 0.5, 0), QColor(102, 255, 0));
    QCOMPARE(en_sector(*f, 1.5, 0), QColor(73, 0, 255));
    QCOMPARE(en_sector(*f, 2.5, 0), QColor(255, 0, 0));
    for (double x : {3.5, 4.5, 5.5}) {
        QCOMPARE(en_sector(*f, x, 0), QColor(255, 255, 255));
    }
    QCOMPARE(f->Shape6[3]->relleno(), RGB(255, 0, 0));
    QCOMPARE(f->Shape6[2]->relleno(), RGB(73, 0, 255));
    for (int k = 4; k <= 6; ++k) {
        QCOMPARE(f->Shape6[k]->relleno(), Color{0xFFFFFF});
    }
}

void PruebaBandas::filas_sin_muestras_quedan_negras() {
    // One sample only (sine 0.1375) in a sector of one fringe: the bins above
    // it are never reached, so the upper rows are black.
    CarpetaTrabajo carpeta(QStringLiteral("0.1, -2, 2\n0.2, -2, 2\n1, 1, 500\n0.5, 0.1, 100\n"
                                          "1, 1, 100\n0.55, 0.38, 0.78\n"));
    Mensajes mensajes;
    auto f = abrir_form1();
    graficar(*f, 0.55);
    QCOMPARE(en_sector(*f, 3, 0.19), QColor(0, 0, 0));
    const QColor abajo = en_sector(*f, 3, 0.11);
    QVERIFY(abajo.green() > 100);
}

void PruebaBandas::bandas_sin_huecos_a_cualquier_tamano() {
    CarpetaTrabajo carpeta(QString::fromUtf8(inic_rendija));
    Mensajes mensajes;
    auto f = abrir_form1();
    graficar(*f, 0.55);
    for (QSize tamano : {QSize(700, 480), QSize(4000, 3000)}) {
        f->resize(tamano);
        QTRY_COMPARE(f->size(), tamano);
        const QImage img = f->Picture2->imagen();
        int vacias = 0;
        for (int y = 0; y < img.height(); ++y) {
            vacias += img.pixelColor(img.width() / 2, y) == QColor(224, 224, 224);
        }
        QCOMPARE(vacias, 0);
    }
    QVERIFY(f->Picture2->imagen().height() > 1001); // more pixel rows than band rows
}

void PruebaBandas::comparando_geometria_solo_la_ultima_banda() {
    CarpetaTrabajo carpeta(QString::fromUtf8(inic_rendija));
    Mensajes mensajes;
    auto f = abrir_form1();
    graficar(*f, 0.55);
    f->SpinDown[6]->setEnabled(false); // as a geometry step leaves it while comparing
    graficar(*f, 0.45);
    QCOMPARE(en_sector(*f, 3, 0), QColor(73, 0, 255));
}

void PruebaBandas::limpiar_restaura_todo() {
    CarpetaTrabajo carpeta(QString::fromUtf8(inic_rendija));
    Mensajes mensajes;
    auto f = abrir_form1();
    graficar(*f, 0.55);
    graficar(*f, 0.45);
    f->Option1[0]->setText(QStringLiteral("Banda única/\r\núltimo ensayo"));
    f->SpinUp1->setEnabled(false);
    f->SpinDown[4]->setEnabled(false);
    QTest::mouseClick(f->Command2, Qt::LeftButton);
    QCOMPARE(f->Option1[0]->text(), QStringLiteral("Banda única "));
    QVERIFY(f->SpinUp1->isEnabled());
    QVERIFY(f->SpinDown[4]->isEnabled());
    QVERIFY(!f->graficado);
    QCOMPARE(f->g.ncurvas, std::int16_t{0});
    QVERIFY(f->datos.isEmpty());
    QCOMPARE(f->List1->count(), 0);
    QCOMPARE(f->Picture1->figuras(), std::size_t{0});
    QCOMPARE(en_sector(*f, 3, 0), QColor(224, 224, 224));
    for (int k = 1; k <= 6; ++k) {
        QCOMPARE(f->Shape1[k]->relleno(), Color{0xFFFFFF});
        QCOMPARE(f->Shape6[k]->relleno(), Color{0xFFFFFF});
    }
    QCOMPARE(f->rojo[500], std::int16_t{0});
    QCOMPARE(f->verde[500], std::int16_t{0});
    QCOMPARE(f->azul[500], std::int16_t{0});
}

void PruebaBandas::cambio_de_modo_por_el_usuario_o_por_el_spin() {
    CarpetaTrabajo carpeta(QString::fromUtf8(inic_rendija));
    Mensajes mensajes;
    auto f = abrir_form1();
    graficar(*f, 0.55);
    QTest::mouseClick(f->Option1[1], Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(f->g.ncurvas, std::int16_t{0}); // a user's change clears
    QCOMPARE(Form1::color_texto_de(f->Option1[1]), Color{255});
    QCOMPARE(Form1::color_texto_de(f->Option1[0]), Color{1});
    graficar(*f, 0.55);
    f->cambio_spin = true; // the wavelength step's own selection
    f->Option1[0]->setChecked(true);
    QCOMPARE(f->g.ncurvas, std::int16_t{1});
    QVERIFY(!f->cambio_spin);
    QCOMPARE(Form1::color_texto_de(f->Option1[0]), Color{255});
    QCOMPARE(f->rojo[500], std::int16_t{102}); // accumulators kept
}

void PruebaBandas::curva_en_el_color_de_su_onda() {
    CarpetaTrabajo carpeta(QString::fromUtf8(inic_rendija));
    Mensajes mensajes;
    auto f = abrir_form1();
    graficar(*f, 0.47);
    QCOMPARE(f->g.color_onda, RGB(0, 0, 255));
    QCOMPARE(f->g.hist_color[1], RGB(0, 0, 255));
    // The curve passes through the top of the graph at the centre (I = N²).
    const QImage grafica = f->Picture1->imagen();
    const QPointF centro = f->Picture1->a_pixel({0, 0.98 * (1 - 1.0)});
    bool azul = false;
    for (int dy = 0; dy <= 3 && !azul; ++dy) {
        azul = grafica.pixelColor(centro.toPoint() + QPoint(0, dy)) == QColor(0, 0, 255);
    }
    QVERIFY(azul);
}

int main(int argc, char** argv) {
    return ejecutar_pruebas<PruebaColor, PruebaBandas>(argc, argv);
}

#include "tst_screen.moc"
