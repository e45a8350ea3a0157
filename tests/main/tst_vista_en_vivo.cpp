// The live view: a preview faithful to the model that never becomes a curve,
// a burst of changes drawn once, the orders marked where they stand, and the
// "Ver" choices found again at the next start.
#include "grafica/grafica.h"
#include "main/vista_en_vivo.h"
#include "model/ordenes.h"
#include "tests/common/entorno.h"
#include "toolkit/picture_box.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

QAction* accion(const VentanaPrincipal& v, const char* nombre) {
    return v.findChild<QAction*>(QString::fromLatin1(nombre));
}

const QString en_vivo = QStringLiteral("Vista en &vivo");
const QString con_ordenes = QStringLiteral("Ó&rdenes");

} // namespace

class PruebaVistaEnVivo : public QObject {
    Q_OBJECT
private slots:
    void previa_data() {
        QTest::addColumn<QString>("inic");
        QTest::addColumn<QString>("ranuras"); // typed once a curve is plotted
        QTest::newRow("start-up case") << QString::fromUtf8(CarpetaTrabajo::inic_normal) << "7";
        QTest::newRow("one side, two slits") << inic_con({{1, "0.2, -2, 2"},
                                                          {2, "0.75, -2, 2"},
                                                          {3, "3, 1, 500"},
                                                          {4, "0.5, 0.1, 100"},
                                                          {5, "1, 1, 100"},
                                                          {6, "0.78, 0.38, 0.78"}})
                                             << "2";
        QTest::newRow("worst grating") << inic_con({{1, "-1.9519, -2, 2"},
                                                    {2, "1.9519, -2, 2"},
                                                    {3, "499, 1, 500"},
                                                    {4, "1, 0.1, 100"},
                                                    {5, "100, 1, 100"},
                                                    {6, "0.38, 0.38, 0.78"}})
                                       << "500";
    }

    // Drawn as the plot would draw it, over the plotted curve; never in the
    // history, the data text or the picture copied; "Graficar" makes it a
    // curve and "Limpiar" takes it away.
    void previa() {
        QFETCH(QString, inic);
        QFETCH(QString, ranuras);
        Escena e(inic);
        e.elegir("menu_ver", en_vivo);
        e.graficar();
        auto* grafica = e.control<PictureBox>("grafica");
        const QImage trazada = grafica->imagen();
        const QString datos = e.grafica().datos();
        e.escribir(Magnitud::ranuras, ranuras);
        QTRY_VERIFY(e.grafica().previa().has_value());
        const Curva c = *e.grafica().previa();
        QCOMPARE(c.ranuras, ranuras.toInt());
        const QString falla = infidelidad_previa(grafica, c);
        QVERIFY2(falla.isEmpty(), qPrintable(falla));
        QCOMPARE(e.curvas(), 1);
        QCOMPARE(e.grafica().datos(), datos);
        QCOMPARE(grafica->imagen(), trazada);

        e.graficar();
        QVERIFY(!e.grafica().previa());
        QCOMPARE(e.grafica().curvas().back().ranuras, c.ranuras);
        clic(e.control("bajar_ranuras"));
        QTRY_VERIFY(e.grafica().previa().has_value());
        e.limpiar();
        QCoreApplication::processEvents();
        QVERIFY(!e.grafica().previa());
        QCOMPARE(grafica->imagen_visible(), grafica->imagen());
    }

    // Fifty steps queued before the window gets its turn are drawn once, as
    // the last of them; a marker dragged shows the end it would set.
    void rafaga_y_arrastre() {
        Escena e;
        e.elegir("menu_ver", en_vivo);
        const VistaEnVivo& vista = *e.ventana->findChild<VistaEnVivo*>();
        QTRY_VERIFY(e.grafica().previa().has_value());
        auto* caja = e.control<QLineEdit>("caja_ranuras");
        clic(caja);
        QCoreApplication::processEvents();
        const long long antes = vista.dibujadas();
        for (int i = 0; i < 50; ++i) {
            QCoreApplication::postEvent(
                caja, new QKeyEvent(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier));
            QCoreApplication::postEvent(
                caja, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier));
        }
        QTRY_COMPARE(vista.dibujadas() - antes, 1);
        QTest::qWait(50);
        QCOMPARE(vista.dibujadas() - antes, 1);
        const int N = static_cast<int>(e.parametros().valor(Magnitud::ranuras).a_double());
        QVERIFY(N > 5);
        QCOMPARE(e.grafica().previa()->ranuras, N);

        auto* marcador = e.control("marcador_superior");
        const QPoint agarre(marcador->width() / 4, marcador->height() / 2);
        const Fijo superior = e.parametros().valor(Magnitud::superior);
        QTest::mousePress(marcador, Qt::LeftButton, {}, agarre);
        for (int dy = 4; dy <= 40; dy += 4) {
            QTest::mouseMove(marcador, agarre + QPoint(0, dy));
        }
        QTRY_VERIFY(e.grafica().previa()->superior < superior);
        QCOMPARE(e.parametros().valor(Magnitud::superior), superior); // not set until let go
        const Fijo arrastrado = e.grafica().previa()->superior;
        QTest::mouseRelease(marcador, Qt::LeftButton, {}, agarre + QPoint(0, 40));
        QCOMPARE(e.parametros().valor(Magnitud::superior), arrastrado);
        QTRY_COMPARE(e.grafica().previa()->superior, arrastrado);
    }

    void ordenes_data() {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("d");
        QTest::addColumn<QList<int>>("ausentes");
        QTest::newRow("d = 2a") << 1.0 << 2.0 << QList<int>{-2, 2};
        QTest::newRow("d = 3a") << 1.0 << 3.0 << QList<int>{-3, 3};
    }

    // Over each principal maximum's column the read-out says its order (a
    // screen reader hears it too); a missing order's column says none.
    void ordenes() {
        QFETCH(double, a);
        QFETCH(double, d);
        QFETCH(QList<int>, ausentes);
        const LocalePrueba l(locale_punto());
        Escena e(inic_con({{1, "-1.9519, -2, 2"}, {2, "1.9519, -2, 2"}}));
        e.elegir("menu_ver", con_ordenes);
        e.graficar_caso(3, a, d, 0.5);
        auto* grafica = e.control<PictureBox>("grafica");
        auto* lectura = e.control<QLabel>("lectura_orden");
        QVERIFY(lectura->isVisible());
        const QImage vista = grafica->imagen_visible();
        QVERIFY(vista != grafica->imagen()); // the labels
        int vistos = 0;
        for (int m = -4; m <= 4; ++m) {
            const double s = m * 0.5 / d;
            if (std::fabs(s) > 0.88) {
                continue;
            }
            mover_sobre(grafica, {s, 10});
            const QString dice = ausentes.contains(m) ? QString() : QStringLiteral("m = %1").arg(m);
            QCOMPARE(lectura->text(), dice);
            QCOMPARE(lectura->accessibleName(),
                     dice.isEmpty() ? QStringLiteral("Orden") : QStringLiteral("Orden ") + dice);
            vistos += !dice.isEmpty();
        }
        QVERIFY(vistos >= 3);
        // Between two maxima, no order.
        mover_sobre(grafica, {0.25 / d, 10});
        QCOMPARE(lectura->text(), QString());
    }

    // Off at the first start; as the user left them at the next.
    void opciones_recordadas() {
        Escena e;
        QVERIFY(!accion(*e.ventana, "accion_vista_en_vivo")->isChecked());
        QVERIFY(!accion(*e.ventana, "accion_ordenes")->isChecked());
        e.elegir("menu_ver", en_vivo);
        e.elegir("menu_ver", con_ordenes);
        {
            VentanaPrincipal otra;
            otra.cargar();
            QVERIFY(accion(otra, "accion_vista_en_vivo")->isChecked());
            QVERIFY(accion(otra, "accion_ordenes")->isChecked());
            QTRY_VERIFY(otra.findChild<Grafica*>()->previa().has_value());
            accion(otra, "accion_vista_en_vivo")->trigger();
            QVERIFY(!otra.findChild<Grafica*>()->previa());
        }
        VentanaPrincipal tercera;
        QVERIFY(!accion(tercera, "accion_vista_en_vivo")->isChecked());
        QVERIFY(accion(tercera, "accion_ordenes")->isChecked());
    }
};

QTEST_MAIN(PruebaVistaEnVivo)
#include "tst_vista_en_vivo.moc"
