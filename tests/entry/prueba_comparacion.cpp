// Comparing curves: with a curve on the graph, geometry steps and wavelength
// steps lock each other out until the graph is cleared.
#include "entry/boton_spin.h"
#include "entry/caja_valor.h"
#include "main/form1.h"
#include "main/texto.h"
#include "tests/entry/ventana.h"

#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

Fijo f(double x) {
    return Fijo::desde(x);
}

BotonSpin* boton(Form1* v, const QString& nombre) {
    const QHash<QString, BotonSpin*> botones{
        {QStringLiteral("SpinUp(6)"), v->SpinUp[6]},
        {QStringLiteral("SpinDown(6)"), v->SpinDown[6]},
        {QStringLiteral("SpinUp1"), v->SpinUp1},
        {QStringLiteral("SpinDown1"), v->SpinDown1},
        {QStringLiteral("SpinUp2"), v->SpinUp2},
        {QStringLiteral("SpinDown2"), v->SpinDown2},
        {QStringLiteral("SpinUp(3)"), v->SpinUp[3]},
        {QStringLiteral("SpinDown(3)"), v->SpinDown[3]},
        {QStringLiteral("SpinUp(4)"), v->SpinUp[4]},
        {QStringLiteral("SpinDown(5)"), v->SpinDown[5]},
        {QStringLiteral("SpinUp(1)"), v->SpinUp[1]},
        {QStringLiteral("SpinDown(1)"), v->SpinDown[1]},
        {QStringLiteral("SpinUp(2)"), v->SpinUp[2]},
        {QStringLiteral("SpinDown(2)"), v->SpinDown[2]},
    };
    return botones.value(nombre);
}

QList<BotonSpin*> botones_onda(Form1* v) {
    return {v->SpinUp[6], v->SpinDown[6], v->SpinUp1, v->SpinDown1, v->SpinUp2, v->SpinDown2};
}

QList<BotonSpin*> botones_geometria(Form1* v) {
    return {v->SpinUp[3],   v->SpinDown[3], v->SpinUp[4],
            v->SpinDown[4], v->SpinUp[5],   v->SpinDown[5]};
}

bool todos_habilitados(const QList<BotonSpin*>& botones, bool habilitados) {
    for (BotonSpin* b : botones) {
        if (b->isEnabled() != habilitados) {
            return false;
        }
    }
    return true;
}

bool hay_curva(Form1* v) {
    return v->graficado && v->g.ncurvas >= 1 && v->List1->count() >= 1;
}

bool grafica_limpia(Form1* v) {
    return !v->graficado && v->g.ncurvas == 0 && v->List1->count() == 0;
}

const QString banda_unica = QStringLiteral("Banda única ");

QString leyenda(const char* segunda) {
    return QStringLiteral("Banda única/") + fin_linea + QString::fromUtf8(segunda);
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
    void paso_de_limite_borra_aunque_se_rechace_data();
    void paso_de_limite_borra_aunque_se_rechace();
};

void PruebaComparacion::paso_de_geometria_con_curva_data() {
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<bool>("separadas");
    QTest::addColumn<int>("indice");
    QTest::addColumn<double>("esperado");
    QTest::newRow("a arriba, banda unica") << "SpinUp(4)" << false << 4 << 3.0;
    QTest::newRow("N abajo, banda unica") << "SpinDown(3)" << false << 3 << 4.0;
    QTest::newRow("d abajo, bandas separadas") << "SpinDown(5)" << true << 5 << 9.0;
}

void PruebaComparacion::paso_de_geometria_con_curva() {
    QFETCH(QString, nombre);
    QFETCH(bool, separadas);
    QFETCH(int, indice);
    QFETCH(double, esperado);
    Ventana v;
    QVERIFY(v.activa);
    if (separadas) {
        clic(v->Option1[1]);
    }
    clic(v->Command1);
    QVERIFY(hay_curva(v.f.get()));
    const QString antes = v->Option1[0]->text();

    clic(boton(v.f.get(), nombre));
    QCOMPARE(v->g.valor[indice], f(esperado));
    QVERIFY(hay_curva(v.f.get())); // the step does not clear
    QVERIFY(todos_habilitados(botones_onda(v.f.get()), false));
    QVERIFY(todos_habilitados(botones_geometria(v.f.get()), true));
    QVERIFY(v->SpinUp[1]->isEnabled() && v->SpinDown[2]->isEnabled());
    QCOMPARE(v->Option1[0]->text(), separadas ? antes : leyenda("último ensayo"));
    QCOMPARE(v->Option1[1]->isChecked(), separadas);

    // The wavelength cannot move now, by the mouse or by the fine handlers' own test.
    clic(v->SpinDown1);
    clic(v->SpinUp[6]);
    v->SpinDown1_Click();
    v->SpinUp2_Click();
    QCOMPARE(v->g.valor[6], f(0.55));
    QCOMPARE(v->ValorT[6]->text(), QStringLiteral("0.55"));
    // Geometry goes on stepping.
    clic(v->SpinUp[5]);
    QCOMPARE(v->g.valor[5], separadas ? Fijo(10) : Fijo(20));
}

void PruebaComparacion::paso_de_onda_con_curva_data() {
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<bool>("separadas");
    QTest::addColumn<double>("esperado");
    QTest::addColumn<QString>("segunda");
    QTest::newRow("SpinUp(6), bandas separadas")
        << "SpinUp(6)" << true << 0.65 << "Intensidad total";
    QTest::newRow("SpinUp(6), banda unica") << "SpinUp(6)" << false << 0.65 << "Intensidad total";
    QTest::newRow("SpinDown(6), bandas separadas")
        << "SpinDown(6)" << true << 0.45 << "intensidad total";
    QTest::newRow("SpinUp1, banda unica") << "SpinUp1" << false << 0.56 << "intensidad total";
    QTest::newRow("SpinDown1, bandas separadas")
        << "SpinDown1" << true << 0.54 << "intensidad total";
    QTest::newRow("SpinUp2, bandas separadas") << "SpinUp2" << true << 0.551 << "intensidad total";
    QTest::newRow("SpinDown2, banda unica") << "SpinDown2" << false << 0.549 << "intensidad total";
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
    QVERIFY(hay_curva(v.f.get()));

    clic(boton(v.f.get(), nombre));
    QCOMPARE(v->g.valor[6], f(esperado));
    // Single band is selected without clearing the curve being compared.
    QVERIFY(v->Option1[0]->isChecked());
    QVERIFY(!v->Option1[1]->isChecked());
    QVERIFY(hay_curva(v.f.get()));
    QVERIFY(!v->cambio_spin);
    QCOMPARE(Form1::color_texto_de(v->Option1[0]), Color{255});
    QCOMPARE(Form1::color_texto_de(v->Option1[1]), Color{1});
    QCOMPARE(v->Option1[0]->text(), QStringLiteral("Banda única/") + fin_linea + segunda);
    QVERIFY(todos_habilitados(botones_geometria(v.f.get()), false));
    QVERIFY(todos_habilitados(botones_onda(v.f.get()), true));

    // A second curve in the new colour is compared with the first.
    clic(v->Command1);
    QCOMPARE(v->g.ncurvas, std::int16_t{2});

    // The user's own change of band mode clears, as always.
    clic(v->Option1[1]);
    QVERIFY(grafica_limpia(v.f.get()));
    QCOMPARE(v->Option1[0]->text(), banda_unica);
}

void PruebaComparacion::solo_borrar_desbloquea_data() {
    QTest::addColumn<QString>("como");
    QTest::newRow("Limpiar") << QStringLiteral("limpiar");
    QTest::newRow("paso de un extremo") << QStringLiteral("extremo");
    QTest::newRow("cambio de modo de bandas") << QStringLiteral("bandas");
}

void PruebaComparacion::solo_borrar_desbloquea() {
    QFETCH(QString, como);
    Ventana v;
    QVERIFY(v.activa);
    clic(v->Command1);
    clic(v->SpinUp[4]);
    clic(v->Command1); // a second curve keeps the lock
    QVERIFY(todos_habilitados(botones_onda(v.f.get()), false));
    if (como == QLatin1String("limpiar")) {
        clic(v->Command2);
    } else if (como == QLatin1String("extremo")) {
        clic(v->SpinUp[2]);
    } else {
        clic(v->Option1[1]);
    }
    QVERIFY(grafica_limpia(v.f.get()));
    QVERIFY(todos_habilitados(botones_onda(v.f.get()), true));
    QVERIFY(todos_habilitados(botones_geometria(v.f.get()), true));
    QCOMPARE(v->Option1[0]->text(), banda_unica);
    // Without a curve nothing locks.
    clic(v->SpinUp[4]);
    clic(v->SpinUp1);
    QCOMPARE(v->g.valor[6], f(0.56));
    QVERIFY(todos_habilitados(botones_onda(v.f.get()), true));
    QVERIFY(todos_habilitados(botones_geometria(v.f.get()), true));
}

void PruebaComparacion::paso_de_limite_borra_aunque_se_rechace_data() {
    QTest::addColumn<QString>("inic");
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<int>("indice");
    QTest::addColumn<double>("esperado");
    const QString normal = QString::fromUtf8(CarpetaTrabajo::inic_normal);
    QTest::newRow("inferior abajo") << normal << "SpinDown(1)" << 1 << -0.8;
    QTest::newRow("superior arriba") << normal << "SpinUp(2)" << 2 << 0.8;
    QTest::newRow("inferior en su cota")
        << inic_con(1, QStringLiteral("-2, -2, 2")) << "SpinDown(1)" << 1 << -2.0;
    QTest::newRow("inferior contra el superior")
        << inic_con(1, QStringLiteral("0.3, -2, 2"))
               .replace(QStringLiteral("\n0.6,"), QStringLiteral("\n0.31,"))
        << "SpinUp(1)" << 1 << 0.3;
}

void PruebaComparacion::paso_de_limite_borra_aunque_se_rechace() {
    QFETCH(QString, inic);
    QFETCH(QString, nombre);
    QFETCH(int, indice);
    QFETCH(double, esperado);
    Ventana v(inic);
    QVERIFY(v.activa);
    clic(v->Command1);
    QVERIFY(hay_curva(v.f.get()));
    clic(boton(v.f.get(), nombre));
    QCOMPARE(v->g.valor[indice], f(esperado));
    QVERIFY(grafica_limpia(v.f.get()));
    const QImage grafica = v->Picture1->imagen();
    v->Picture1->limpiar();
    QCOMPARE(grafica, v->Picture1->imagen());
}

int correr_comparacion(int argc, char** argv) {
    PruebaComparacion p;
    return QTest::qExec(&p, argc, argv);
}

#include "prueba_comparacion.moc"
