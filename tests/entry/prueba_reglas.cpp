#include "entry/reglas_paso.h"
#include "tests/entry/ventana.h"

#include <QTest>

class PruebaReglas : public QObject {
    Q_OBJECT
private slots:
    void paso_valor_data();
    void paso_valor();
    void paso_sector_data();
    void paso_sector();
};

void PruebaReglas::paso_valor_data() {
    QTest::addColumn<double>("v");
    QTest::addColumn<bool>("arriba");
    QTest::addColumn<double>("paso");
    const double filas[][3] = {
        {0.5, 1, 0.1}, {0.9999, 1, 0.1},   {1, 1, 1},       {9.9999, 1, 1}, {10, 1, 10},
        {100, 1, 100}, {499.9999, 1, 100}, {500, 1, 0},     {1, 0, 0.1},    {1.0999, 0, 0.1},
        {1.1, 0, 1},   {10, 0, 1},         {10.9999, 0, 1}, {11, 0, 10},    {100, 0, 10},
        {110, 0, 100}, {599.9999, 0, 100}, {600, 0, 0},
    };
    for (const auto& r : filas) {
        QTest::addRow("%s %g", r[1] != 0 ? "arriba" : "abajo", r[0]) << r[0] << (r[1] != 0) << r[2];
    }
}

void PruebaReglas::paso_valor() {
    QFETCH(double, v);
    QFETCH(bool, arriba);
    QFETCH(double, paso);
    QCOMPARE(::paso_valor(Fijo::desde(v), arriba ? Sentido::arriba : Sentido::abajo),
             Fijo::desde(paso));
}

void PruebaReglas::paso_sector_data() {
    QTest::addColumn<double>("inferior");
    QTest::addColumn<double>("superior");
    QTest::addColumn<double>("paso");
    const double filas[][3] = {
        {-1, 1, 0.2},     {-0.25, 0.2501, 0.2}, {-0.25, 0.25, 0.1}, {0.3, 0.4001, 0.1},
        {0.3, 0.4, 0.05}, {0.3, 0.3501, 0.05},  {0.3, 0.35, 0.01},  {0.3, 0.3001, 0.01},
        {0.3, 0.3, 0},    {1, -1, 0.2},
    };
    for (const auto& r : filas) {
        QTest::addRow("%g a %g", r[0], r[1]) << r[0] << r[1] << r[2];
    }
}

void PruebaReglas::paso_sector() {
    QFETCH(double, inferior);
    QFETCH(double, superior);
    QFETCH(double, paso);
    QCOMPARE(::paso_sector(Fijo::desde(inferior), Fijo::desde(superior)), Fijo::desde(paso));
}

int correr_reglas(int argc, char** argv) {
    PruebaReglas p;
    return QTest::qExec(&p, argc, argv);
}

#include "prueba_reglas.moc"
