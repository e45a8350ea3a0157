// Comparing curves: with a curve on the graph, geometry steps and wavelength
// steps lock each other out until the graph is cleared.
#include "entry/boton_spin.h"
#include "main/texto.h"
#include "tests/entry/ventana.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// How many of the six wavelength buttons (onda) or the six geometry buttons are enabled.
int habilitados(Form1* v, bool onda) {
    const QList<BotonSpin*> grupo =
        onda ? QList<BotonSpin*>{v->SpinUp[6], v->SpinDown[6], v->SpinUp1,
                                 v->SpinDown1, v->SpinUp2,     v->SpinDown2}
             : QList<BotonSpin*>{v->SpinUp[3],   v->SpinDown[3], v->SpinUp[4],
                                 v->SpinDown[4], v->SpinUp[5],   v->SpinDown[5]};
    return static_cast<int>(
        std::count_if(grupo.begin(), grupo.end(), [](BotonSpin* b) { return b->isEnabled(); }));
}

int curvas(Form1* v) {
    return v->graficado ? v->g.ncurvas : -1;
}

QString leyenda(const QString& segunda) {
    return QStringLiteral("Banda única/") + fin_linea + segunda;
}

} // namespace

class PruebaComparacion : public QObject {
    Q_OBJECT
private slots:
    void paso_de_geometria_con_curva_data();
    void paso_de_geometria_con_curva();
    void paso_de_onda_con_curva_data();
    void paso_de_onda_con_curva();
    void solo_borrar_desbloquea_data();
    void solo_borrar_desbloquea();
};

void PruebaComparacion::paso_de_geometria_con_curva_data() {
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<bool>("separadas");
    QTest::addColumn<double>("esperado");
    QTest::newRow("a arriba, banda unica") << "SpinUp(4)" << false << 3.0;
    QTest::newRow("N abajo, banda unica") << "SpinDown(3)" << false << 4.0;
    QTest::newRow("d abajo, bandas separadas") << "SpinDown(5)" << true << 9.0;
}

void PruebaComparacion::paso_de_geometria_con_curva() {
    QFETCH(QString, nombre);
    QFETCH(bool, separadas);
    QFETCH(double, esperado);
    Ventana v;
    QVERIFY(v.activa);
    if (separadas) {
        clic(v->Option1[1]);
    }
    clic(v->Command1);
    const QString antes = v->Option1[0]->text();
    clic(boton(v.f.get(), nombre));
    QCOMPARE(v->g.valor[nombre.at(nombre.size() - 2).digitValue()], f(esperado));
    QCOMPARE(curvas(v.f.get()), 1);
    QCOMPARE(habilitados(v.f.get(), true), 0);
    QCOMPARE(habilitados(v.f.get(), false), 6);
    QCOMPARE(v->Option1[0]->text(), separadas ? antes : leyenda(QStringLiteral("último ensayo")));
    // The wavelength cannot move now, by the mouse or through the fine
    // handlers' own test of their state.
    clic(v->SpinDown1);
    clic(v->SpinUp[6]);
    v->SpinDown1_Click();
    v->SpinUp2_Click();
    QCOMPARE(v->g.valor[6], f(0.55));
}

void PruebaComparacion::paso_de_onda_con_curva_data() {
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<bool>("separadas");
    QTest::addColumn<double>("esperado");
    QTest::addColumn<QString>("segunda");
    const QString mayuscula = QStringLiteral("Intensidad total");
    const QString minuscula = QStringLiteral("intensidad total");
    QTest::newRow("SpinUp(6), separadas") << "SpinUp(6)" << true << 0.65 << mayuscula;
    QTest::newRow("SpinUp(6), banda unica") << "SpinUp(6)" << false << 0.65 << mayuscula;
    QTest::newRow("SpinDown(6), separadas") << "SpinDown(6)" << true << 0.45 << minuscula;
    QTest::newRow("SpinUp1, banda unica") << "SpinUp1" << false << 0.56 << minuscula;
    QTest::newRow("SpinDown2, separadas") << "SpinDown2" << true << 0.549 << minuscula;
}

void PruebaComparacion::paso_de_onda_con_curva() {
    QFETCH(QString, nombre);
    QFETCH(bool, separadas);
    QFETCH(double, esperado);
    QFETCH(QString, segunda);
    Ventana v;
    QVERIFY(v.activa);
    if (separadas) {
        clic(v->Option1[1]);
    }
    clic(v->Command1);
    clic(boton(v.f.get(), nombre));
    QCOMPARE(v->g.valor[6], f(esperado));
    // Single band is selected without clearing the curve being compared, and
    // the flag that spared it is down again whether a band change ran or not.
    QVERIFY(v->Option1[0]->isChecked() && !v->Option1[1]->isChecked());
    QCOMPARE(curvas(v.f.get()), 1);
    QVERIFY(!v->cambio_spin);
    QCOMPARE(Form1::color_texto_de(v->Option1[0]), Color{255});
    QCOMPARE(Form1::color_texto_de(v->Option1[1]), Color{1});
    QCOMPARE(v->Option1[0]->text(), leyenda(segunda));
    QCOMPARE(habilitados(v.f.get(), false), 0);
    QCOMPARE(habilitados(v.f.get(), true), 6);
    clic(v->Command1); // a second curve, in the new colour
    QCOMPARE(curvas(v.f.get()), 2);
    clic(v->Option1[1]); // the user's own change of band mode clears, as always
    QCOMPARE(curvas(v.f.get()), -1);
}

void PruebaComparacion::solo_borrar_desbloquea_data() {
    QTest::addColumn<QString>("inic");
    QTest::addColumn<QString>("como");
    QTest::addColumn<double>("inferior"); // the lower end afterwards
    const QString normal = inic_sector(-0.6, 0.6);
    QTest::newRow("Limpiar") << normal << "Limpiar" << -0.6;
    QTest::newRow("cambio de modo de bandas") << normal << "bandas" << -0.6;
    QTest::newRow("paso de un extremo") << normal << "SpinDown(1)" << -0.8;
    QTest::newRow("extremo en su cota") << inic_sector(-2, 0.6) << "SpinDown(1)" << -2.0;
    QTest::newRow("extremo contra el otro") << inic_sector(0.3, 0.31) << "SpinUp(1)" << 0.3;
}

void PruebaComparacion::solo_borrar_desbloquea() {
    QFETCH(QString, inic);
    QFETCH(QString, como);
    QFETCH(double, inferior);
    Ventana v(inic);
    QVERIFY(v.activa);
    clic(v->Command1);
    clic(v->SpinUp[4]);
    clic(v->Command1); // a second curve keeps the lock
    QCOMPARE(habilitados(v.f.get(), true), 0);
    clic(como == "Limpiar"  ? static_cast<QWidget*>(v->Command2)
         : como == "bandas" ? static_cast<QWidget*>(v->Option1[1])
                            : static_cast<QWidget*>(boton(v.f.get(), como)));
    // A limit step clears even when the step itself is refused.
    QCOMPARE(v->g.valor[1], f(inferior));
    QCOMPARE(curvas(v.f.get()), -1);
    QCOMPARE(v->List1->count(), 0);
    QCOMPARE(habilitados(v.f.get(), true) + habilitados(v.f.get(), false), 12);
    QCOMPARE(v->Option1[0]->text(), QStringLiteral("Banda única "));
    // Without a curve nothing locks and no caption changes.
    clic(v->SpinUp[4]);
    clic(v->SpinUp1);
    QCOMPARE(v->g.valor[6], f(0.56));
    QCOMPARE(habilitados(v.f.get(), true) + habilitados(v.f.get(), false), 12);
    QCOMPARE(v->Option1[0]->text(), QStringLiteral("Banda única "));
}

int correr_comparacion(int argc, char** argv) {
    PruebaComparacion p;
    return QTest::qExec(&p, argc, argv);
}

#include "prueba_comparacion.moc"
