#include "entry/boton_spin.h"
#include "entry/caja_valor.h"
#include "screen/color_onda.h"
#include "screen/marcador.h"
#include "tests/entry/ventana.h"
#include "toolkit/mensaje.h"
#include "toolkit/picture_box.h"

#include <QAbstractButton>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <cmath>

namespace {

bool seleccionada(const CajaValor* c) {
    return c->palette().color(QPalette::Base) == QColor(0, 0, 130) &&
           c->palette().color(QPalette::Text) == QColor(200, 200, 200);
}

Color color_onda(double L) {
    const ComponentesColor c = color_de_onda(f(L));
    return RGB(c.r, c.g, c.b.a_double());
}

const QString fuera = QStringLiteral("Valor Fuera de rango");

} // namespace

class PruebaCajas : public QObject {
    Q_OBJECT
private slots:
    void seleccion_rechazo_y_correccion();
    void rechazo_una_vez_segun_destino_data();
    void rechazo_una_vez_segun_destino();
    void mensaje_real_una_sola_vez();
    void salidas_data();
    void salidas();
    void limites_en_vivo_data();
    void limites_en_vivo();
    void rayos_cambian_al_salir_de_la_caja_6();
};

void PruebaCajas::seleccion_rechazo_y_correccion() {
    Ventana v;
    QVERIFY(v.activa);
    CajaValor* c = v->ValorT[3];
    pulsar_caja(v->ValorT[6]);
    tabular(v->ValorT[6]);
    QVERIFY(c->hasFocus());
    pulsar_caja(c);
    QCOMPARE(v->indice_valor, 3);
    QVERIFY(seleccionada(c));
    QVERIFY(!seleccionada(v->ValorT[4]));
    teclear(c, QStringLiteral("600")); // the first key replaces "5"
    QCOMPARE(c->text(), QStringLiteral("600"));
    QCOMPARE(c->palette().color(QPalette::Base), a_qcolor(v->color_fondo));
    tabular(c);
    QCOMPARE(v.mensajes.textos, QStringList{fuera});
    QVERIFY(c->hasFocus());
    QVERIFY(seleccionada(c));
    QCOMPARE(c->text(), QStringLiteral("600"));
    QCOMPARE(v->g.valor[3], Fijo(5));
    teclear(c, QStringLiteral("25"));
    QCOMPARE(c->text(), QStringLiteral("25"));
    QCOMPARE(v->g.valor[3], Fijo(5)); // stored only when the box is left
    tabular(c);
    QCOMPARE(v->g.valor[3], Fijo(25));
    QVERIFY(!seleccionada(c));
    for (int i : {4, 5, 1, 2}) { // the tab order goes on 6, 3, 4, 5, 1, 2
        QVERIFY(v->ValorT[i]->hasFocus());
        tabular(v->ValorT[i]);
    }
    QCOMPARE(v.mensajes.textos.size(), 1);
}

void PruebaCajas::rechazo_una_vez_segun_destino_data() {
    QTest::addColumn<QString>("destino");
    for (const char* d : {"otra caja", "caja 2", "tabulador atras", "Limpiar", "flecha de N",
                          "flecha de L", "menu", "otra ventana"}) {
        QTest::newRow(d) << QString::fromUtf8(d);
    }
}

void PruebaCajas::rechazo_una_vez_segun_destino() {
    QFETCH(QString, destino);
    Ventana v;
    QVERIFY(v.activa);
    CajaValor* c = v->ValorT[3];
    pulsar_caja(c);
    teclear(c, QStringLiteral("600"));
    QWidget otra;
    if (destino == "otra caja") {
        pulsar_caja(v->ValorT[4]);
    } else if (destino == "caja 2") {
        pulsar_caja(v->ValorT[2]);
    } else if (destino == "tabulador atras") {
        QTest::keyClick(c, Qt::Key_Backtab, Qt::ShiftModifier);
    } else if (destino == "Limpiar") {
        clic(v->Command2);
    } else if (destino == "flecha de N") {
        clic(v->SpinUp[3]);
    } else if (destino == "flecha de L") {
        clic(v->SpinUp1);
    } else {
        // A menu or another window takes the focus for a while and gives it
        // back: the box is not left, until Tab leaves it.
        if (destino == "menu") {
            QMenuBar* barra = v->menuBar();
            QTest::mouseClick(barra, Qt::LeftButton, {},
                              barra->actionGeometry(v->menu_archivo->menuAction()).center());
            QTRY_VERIFY(v->menu_archivo->isVisible());
            QTest::keyClick(v->menu_archivo, Qt::Key_Escape);
            QTest::keyClick(barra, Qt::Key_Escape);
            QTRY_VERIFY(!v->menu_archivo->isVisible());
        } else {
            otra.show();
            otra.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&otra));
            otra.hide();
            v->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(v.f.get()));
        }
        QTRY_VERIFY(c->hasFocus());
        QVERIFY(v.mensajes.textos.isEmpty());
        tabular(c);
    }
    QCOMPARE(v.mensajes.textos, QStringList{fuera});
    QVERIFY(c->hasFocus());
    QVERIFY(seleccionada(c));
    QCOMPARE(c->text(), QStringLiteral("600"));
    QCOMPARE(v->g.valor[3], Fijo(5));
    // The click that tried to leave does nothing else: no other box is selected
    // or left (box 2 would store the tangent of its rounded sine), no step is taken.
    QVERIFY(!seleccionada(v->ValorT[4]) && !seleccionada(v->ValorT[2]));
    QCOMPARE(v->g.valor[2], f(0.6));
    QCOMPARE(v->g.valor[6], f(0.55));
}

void PruebaCajas::mensaje_real_una_sola_vez() {
    // A real message box takes the focus from the window; that must not count
    // as leaving the box again.
    Ventana v;
    QVERIFY(v.activa);
    set_contestador(nullptr);
    QStringList vistos;
    QTimer contestar;
    connect(&contestar, &QTimer::timeout, [&] {
        auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (m != nullptr && m->isVisible()) {
            vistos << m->windowTitle() + "|" + m->text() + "|" +
                          QString::number(m->buttons().size()) + "|" + QString::number(m->icon());
            m->button(QMessageBox::Ok)->click();
        }
    });
    contestar.start(20);
    CajaValor* c = v->ValorT[3];
    pulsar_caja(c);
    teclear(c, QStringLiteral("600"));
    tabular(c);
    v->activateWindow(); // what a window manager does when the box closes
    QVERIFY(QTest::qWaitForWindowActive(v.f.get()));
    QTRY_VERIFY(c->hasFocus());
    QTest::qWait(100); // any further message box would have shown by now
    QCOMPARE(vistos, QStringList{"Ondaris|" + fuera + "|1|0"});
}

void PruebaCajas::salidas_data() {
    QTest::addColumn<bool>("coma");
    QTest::addColumn<int>("caja");
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<bool>("aceptada");
    QTest::addColumn<double>("guardado");
    QTest::addColumn<QString>("mostrado");
    QTest::newRow("punto: 0.5 en a") << false << 4 << "0.5" << true << 0.5 << "0.5";
    QTest::newRow("punto: 0,5 en a") << false << 4 << "0,5" << true << 0.5 << "0.5";
    QTest::newRow("coma: 0.5 en a") << true << 4 << "0.5" << true << 0.5 << "0,5";
    QTest::newRow("coma: 12,25 en d") << true << 5 << "12,25" << true << 12.25 << "12,25";
    QTest::newRow("punto: cota 0.78 en L") << false << 6 << "0.78" << true << 0.78 << "0.78";
    QTest::newRow("coma: 0,3 en caja 2") << true << 2 << "0,3" << true << 0.3145 << "0,3";
    QTest::newRow("punto: -0.2 en caja 1") << false << 1 << "-0.2" << true << -0.2041 << "-0.2";
    QTest::newRow("punto: 0 en N") << false << 3 << "0" << false << 5.0 << "0";
    QTest::newRow("coma: 7,6 en N es entero") << true << 3 << "7,6" << true << 8.0 << "8";
    QTest::newRow("punto: 2.5 en N es entero") << false << 3 << "2.5" << true << 2.0 << "2";
    QTest::newRow("punto: 0.4 en N") << false << 3 << "0.4" << false << 5.0 << "0.4";
    QTest::newRow("punto: abc en d") << false << 5 << "abc" << false << 10.0 << "abc";
    QTest::newRow("coma: 0,3 en L") << true << 6 << "0,3" << false << 0.55 << "0,3";
    QTest::newRow("coma: 0,05 en a") << true << 4 << "0,05" << false << 2.0 << "0,05";
    const QString mil(1000, QLatin1Char('9'));
    QTest::newRow("punto: mil cifras en d") << false << 5 << mil << false << 10.0 << mil;
    QTest::newRow("punto: 1e999 en L") << false << 6 << "1e999" << false << 0.55 << "1e999";
}

void PruebaCajas::salidas() {
    QFETCH(bool, coma);
    QFETCH(int, caja);
    QFETCH(QString, tecleado);
    QFETCH(bool, aceptada);
    QFETCH(double, guardado);
    QFETCH(QString, mostrado);
    LocalePrueba locale(coma ? locale_coma() : locale_punto());
    Ventana v;
    QVERIFY(v.activa);
    CajaValor* c = v->ValorT[caja];
    pulsar_caja(c);
    teclear(c, tecleado);
    tabular(c);
    QCOMPARE(v.mensajes.textos.isEmpty(), aceptada);
    QCOMPARE(v->g.valor[caja], f(guardado));
    QCOMPARE(c->text(), mostrado);
    QCOMPARE(c->hasFocus(), !aceptada);
    QCOMPARE(seleccionada(c), !aceptada);
}

void PruebaCajas::limites_en_vivo_data() {
    QTest::addColumn<bool>("coma");
    QTest::addColumn<int>("caja");
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<QString>("mostrado");
    QTest::addColumn<double>("en_vivo"); // the stored tangent while the box is being typed
    QTest::addColumn<bool>("aceptada");  // on leaving the box
    QTest::addColumn<double>("guardado");
    struct Fila {
        bool coma;
        int caja;
        const char* tecleado;
        const char* mostrado;
        double en_vivo;
        bool aceptada;
        double guardado;
    };
    // Sines with no place on the screen (1 or more, not a number, too near 1)
    // leave their end where it was and are refused on leaving; the clamps apply first.
    const QByteArray mil(1000, '9');
    const Fila filas[] = {
        {false, 2, "0.95", "0.89", 1.9519, true, 1.9519},
        {true, 2, "0,95", "0,89", 1.9519, true, 1.9519},
        {false, 1, "-0.95", "-0.9", -2.0647, true, -2.0647},
        {false, 1, "0.95", "0.95", 3.0424, true, 3.0424},
        {false, 1, "-0.", "-0.", 0, true, 0},
        {false, 1, "1", "1", -0.6, false, -0.6},
        {false, 2, "-1", "-1", 0, false, 0},
        {false, 1, "5", "5", -0.6, false, -0.6},
        {false, 2, "5", "0.89", 1.9519, true, 1.9519},
        {false, 1, "1e999", "1e999", -0.6, false, -0.6},
        {false, 1, "-1e999", "-0.9", -2.0647, true, -2.0647},
        {false, 1, mil.constData(), mil.constData(), -0.6, false, -0.6},
        {false, 2, mil.constData(), "0.89", 1.9519, true, 1.9519},
        {false, 1, "nan", "nan", 0, true, 0},
        {false, 1, "0.9999999", "0.9999999", 707.1063, false, 707.1063},
    };
    for (const Fila& r : filas) {
        QTest::addRow("%s en caja %d%s", QByteArray(r.tecleado).left(12).constData(), r.caja,
                      r.coma ? ", coma" : "")
            << r.coma << r.caja << QString::fromUtf8(r.tecleado) << QString::fromUtf8(r.mostrado)
            << r.en_vivo << r.aceptada << r.guardado;
    }
}

void PruebaCajas::limites_en_vivo() {
    QFETCH(bool, coma);
    QFETCH(int, caja);
    QFETCH(QString, tecleado);
    QFETCH(QString, mostrado);
    QFETCH(double, en_vivo);
    QFETCH(bool, aceptada);
    QFETCH(double, guardado);
    LocalePrueba locale(coma ? locale_coma() : locale_punto());
    Ventana v;
    QVERIFY(v.activa);
    CajaValor* c = v->ValorT[caja];
    auto en_pantalla = [&] {
        const double s = caja == 1 ? v->g.seno_min : v->g.seno_max;
        return std::isfinite(s) && std::fabs(s) < 1 &&
               v->inf->top == static_cast<float>(v->g.valor[1].a_double()) &&
               v->sup->top == static_cast<float>(v->g.valor[2].a_double() + 0.2) &&
               std::fabs(v->g.valor[caja].a_double()) <= 1000;
    };
    pulsar_caja(c);
    teclear(c, tecleado);
    QCOMPARE(c->text(), mostrado);
    QCOMPARE(v->g.valor[caja], f(en_vivo));
    // The other end is read again from its box, which shows its sine to two decimals.
    QCOMPARE(v->g.valor[3 - caja], f(caja == 1 ? 0.5929 : -0.5929));
    QVERIFY(en_pantalla());
    tabular(c);
    QCOMPARE(v.mensajes.textos.isEmpty(), aceptada);
    QCOMPARE(v->g.valor[caja], f(guardado));
    QVERIFY(en_pantalla());
    // The window goes on working: a sound value is taken as usual.
    pulsar_caja(c);
    teclear(c, QStringLiteral("0.2"));
    tabular(c);
    QCOMPARE(v->g.valor[caja], f(0.2041));
    QVERIFY(en_pantalla());
}

void PruebaCajas::rayos_cambian_al_salir_de_la_caja_6() {
    Ventana v;
    QVERIFY(v.activa);
    CajaValor* c = v->ValorT[6];
    pulsar_caja(c);
    teclear(c, QStringLiteral("0.6"));
    // Typing alone keeps the colour of the stored wavelength.
    QCOMPARE(pixeles_de(v->superficie->imagen(), color_onda(0.6)), 0);
    QVERIFY(pixeles_de(v->superficie->imagen(), color_onda(0.55)) > 0);
    tabular(c);
    QVERIFY(pixeles_de(v->superficie->imagen(), color_onda(0.6)) > 0);
    QCOMPARE(pixeles_de(v->superficie->imagen(), color_onda(0.55)), 0);
}

int correr_cajas(int argc, char** argv) {
    PruebaCajas p;
    return QTest::qExec(&p, argc, argv);
}

#include "prueba_cajas.moc"
