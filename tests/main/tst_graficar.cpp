#include "entry/caja_valor.h"
#include "main/form1.h"
#include "model/intens.h"
#include "screen/marcador.h"
#include "tests/common/entorno.h"
#include "tests/main/pruebas.h"
#include "toolkit/picture_box.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace {

const char* const inic_051 = "-0.5929, -2, 2\n0.5929, -2, 2\n5, 1, 500\n2, 0.1, 100\n"
                             "10, 1, 100\n0.55, 0.38, 0.78\n";

void graficar(Form1& f) { QTest::mouseClick(f.Command1, Qt::LeftButton); }

const QString mensaje_rango =
    QStringLiteral("El valor mínimo del seno del ángulo debe ser menor que el máximo");
const QString mensaje_distancia =
    QStringLiteral("La distancia entre ranuras debe ser mayor que el ancho");

} // namespace

void PruebaGraficar::rango_rechazado_data() {
    QTest::addColumn<QString>("inferior");
    QTest::addColumn<QString>("superior");
    QTest::newRow("iguales") << "0.3" << "0.3";
    QTest::newRow("al reves") << "0.3" << "0.2";
    QTest::newRow("superior vacio") << "0" << "";
    QTest::newRow("iguales con coma y punto") << "0,25" << "0.25";
}

void PruebaGraficar::rango_rechazado() {
    QFETCH(QString, inferior);
    QFETCH(QString, superior);
    LocalePrueba l(locale_punto());
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    graficar(*f); // a curve that the refusal must leave in place
    f->ValorT[1]->setText(inferior);
    f->ValorT[2]->setText(superior);
    graficar(*f);
    QCOMPARE(mensajes.textos, QStringList{mensaje_rango});
    QCOMPARE(f->g.ncurvas, std::int16_t{1});
    QCOMPARE(f->ValorT[1]->text(), QStringLiteral("-0.51"));
    QCOMPARE(f->ValorT[2]->text(), QStringLiteral("0.51"));
    QCOMPARE(f->g.valor[1], Fijo::desde(-0.5929));
    QCOMPARE(f->g.valor[2], Fijo::desde(0.5929));
    QCOMPARE(f->g.seno_min, -0.51);
    QCOMPARE(f->sup->top, static_cast<float>(0.5929 + 0.2));
    QCOMPARE(f->inf->top, -0.5929f);
    QCOMPARE(f->sup_anterior, Fijo::desde(0.5929)); // the connector lines followed
}

void PruebaGraficar::coma_aceptada() {
    LocalePrueba l(locale_coma());
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    f->ValorT[1]->setText(QStringLiteral("0,2"));
    f->ValorT[2]->setText(QStringLiteral("0.3"));
    graficar(*f);
    QVERIFY(mensajes.textos.isEmpty());
    QCOMPARE(f->g.ncurvas, std::int16_t{1});
    QVERIFY(f->graficado);
}

void PruebaGraficar::distancia_menor_que_el_ancho_data() {
    QTest::addColumn<int>("N");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("d");
    QTest::addColumn<bool>("grafica");
    QTest::newRow("una ranura no pide nada") << 1 << 5.0 << 2.0 << true;
    QTest::newRow("d menor que a") << 2 << 5.0 << 2.0 << false;
    QTest::newRow("d igual a a") << 2 << 2.0 << 2.0 << true;
}

void PruebaGraficar::distancia_menor_que_el_ancho() {
    QFETCH(int, N);
    QFETCH(double, a);
    QFETCH(double, d);
    QFETCH(bool, grafica);
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    f->g.valor[3] = N;
    f->g.valor[4] = Fijo::desde(a);
    f->g.valor[5] = Fijo::desde(d);
    graficar(*f);
    QCOMPARE(int(f->g.ncurvas), grafica ? 1 : 0);
    QCOMPARE(mensajes.textos, grafica ? QStringList{} : QStringList{mensaje_distancia});
    QCOMPARE(f->Picture1->figuras(), grafica ? f->Picture1->figuras() : std::size_t{0});
}

// Over sine -0.51..0.51 with L 0.55, d 10, N 5: fringes -46..46, twelve samples
// per fringe, so the samples sit at (m + j/12) * 0.011 from m = -46.
void PruebaGraficar::muestras_por_franja() {
    CarpetaTrabajo carpeta(QString::fromUtf8(inic_051));
    Mensajes mensajes;
    auto f = abrir_form1();
    graficar(*f);
    const Red red(Fijo::desde(0.55), Fijo(2), Fijo(10), Fijo(5));
    for (int j = 1; j <= 13; ++j) {
        const double s = (-46 + j / 12.0) * (0.55 / 50);
        QCOMPARE(f->g.intensidades[static_cast<std::size_t>(j)], red(s));
    }
    QCOMPARE(f->g.seno_min, 0.5929 * -1 / std::sqrt(1 + 0.5929 * 0.5929));
    QCOMPARE(f->g.hist_distancia[1], Fijo(10));
}

void PruebaGraficar::sector_de_una_sola_franja() {
    CarpetaTrabajo carpeta(QStringLiteral("0.1, -2, 2\n0.2, -2, 2\n1, 1, 500\n0.5, 0.1, 100\n"
                                          "1, 1, 100\n0.55, 0.38, 0.78\n"));
    Mensajes mensajes;
    auto f = abrir_form1();
    graficar(*f);
    QVERIFY(mensajes.textos.isEmpty());
    // Both ends fall in fringe 0: four samples, of which only 0.1375 is in the sector.
    QCOMPARE(f->g.intensidades[1], Intens(Fijo::desde(0.55), Fijo::desde(0.5), 1, 1, 0.1375));
    QCOMPARE(f->g.intensidades[2], 0.0);
    QVERIFY(f->graficado);
}

void PruebaGraficar::datos_y_lista_de_intensidades() {
    LocalePrueba l(locale_coma());
    CarpetaTrabajo carpeta(QStringLiteral("-0.5929, -2, 2\n0.5929, -2, 2\n2, 1, 500\n1, 0.1, 100\n"
                                          "2.5, 1, 100\n0.5, 0.38, 0.78\n"));
    Mensajes mensajes;
    auto f = abrir_form1();
    graficar(*f);
    const QString bloque = QStringLiteral("Angulo Mínimo: -30 º\r\n"
                                          "Angulo Máximo: 30 º\r\n"
                                          "Número de ranuras: 2\r\n"
                                          "Ancho de ranura: 1 micrones\r\n"
                                          "Distancia entre ranuras: 2,5 micrones\r\n"
                                          "Longitud de Onda: 0,5 micrones\r\n"
                                          "\r\n");
    QCOMPARE(f->datos, bloque);
    QCOMPARE(f->g.ang_min, -30.0);
    QCOMPARE(f->g.ang_max, 30.0f);
    QCOMPARE(f->List1->count(), 1);
    QCOMPARE(f->List1->item(0)->text(), QStringLiteral("4"));
    f->g.valor[4] = Fijo::desde(1.5);
    graficar(*f);
    QCOMPARE(f->datos, bloque + QString(bloque).replace("ranura: 1 ", "ranura: 1,5 "));
    QCOMPARE(f->List1->item(1)->text(), QStringLiteral("9"));
    QCOMPARE(f->g.hist_distancia[2], Fijo::desde(2.5)); // d keeps its fraction
}

void PruebaGraficar::septima_curva_empieza_de_nuevo() {
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    const double ondas[] = {0.40, 0.45, 0.5, 0.55, 0.6, 0.65, 0.7};
    for (int k = 0; k < 7; ++k) {
        f->g.valor[6] = Fijo::desde(ondas[k]);
        graficar(*f);
        QCOMPARE(f->g.ncurvas, std::int16_t(k < 6 ? k + 1 : 1));
        QCOMPARE(f->List1->count(), k < 6 ? k + 1 : 1);
    }
    QCOMPARE(f->g.hist_onda[1], Fijo::desde(0.7));
    QCOMPARE(f->g.hist_color[1], RGB(219, 0, 0));
    QCOMPARE(f->datos.count(QStringLiteral("Angulo Mínimo")), 1);
}

void PruebaGraficar::grilla_solo_en_la_primera_curva() {
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    graficar(*f);
    const std::size_t con_grilla = f->Picture1->figuras();
    QVERIFY(con_grilla >= 15); // five or six rows, ten or eleven columns, one curve
    f->ValorT[1]->setText(QStringLiteral("-0.2"));
    f->g.valor[3] = 9; // another N and range: the grid still is not drawn again
    graficar(*f);
    QCOMPARE(f->Picture1->figuras(), con_grilla + 1);
    QTest::mouseClick(f->Command2, Qt::LeftButton);
    QCOMPARE(f->Picture1->figuras(), std::size_t{0});
    QVERIFY(!f->graficado);
    f->g.valor[3] = 5;
    graficar(*f);
    QCOMPARE(f->Picture1->figuras(), con_grilla);
}
