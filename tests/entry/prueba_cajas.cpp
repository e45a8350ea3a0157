#include "entry/boton_spin.h"
#include "entry/caja_valor.h"
#include "main/form1.h"
#include "model/color.h"
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

Fijo f(double x) {
    return Fijo::desde(x);
}

Color fondo(const CajaValor* c) {
    const QColor q = c->palette().color(QPalette::Base);
    return RGB(q.red(), q.green(), q.blue());
}

Color letra(const CajaValor* c) {
    const QColor q = c->palette().color(QPalette::Text);
    return RGB(q.red(), q.green(), q.blue());
}

bool seleccionada(const CajaValor* c) {
    return fondo(c) == RGB(0, 0, 130) && letra(c) == RGB(200, 200, 200);
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
    void seleccion_y_reemplazo();
    void salida_rechazada_y_corregida();
    void rechazo_una_vez_segun_destino_data();
    void rechazo_una_vez_segun_destino();
    void menu_y_otra_ventana_no_dejan_la_caja();
    void mensaje_real_una_sola_vez();
    void salidas_aceptadas_data();
    void salidas_aceptadas();
    void salidas_rechazadas_data();
    void salidas_rechazadas();
    void limites_en_vivo_data();
    void limites_en_vivo();
    void textos_intermedios_valen_cero();
    void entradas_imposibles_data();
    void entradas_imposibles();
    void rayos_cambian_al_salir_de_la_caja_6();
    void orden_de_tabulacion_y_ayudas();
};

void PruebaCajas::seleccion_y_reemplazo() {
    Ventana v;
    QVERIFY(v.activa);
    CajaValor* c = v->ValorT[3];
    QCOMPARE(c->text(), QStringLiteral("5"));
    pulsar_caja(c);
    QCOMPARE(v->indice_valor, 3);
    QVERIFY(seleccionada(c));
    QCOMPARE(fondo(v->ValorT[4]), v->color_fondo);
    teclear(c, QStringLiteral("25"));
    QCOMPARE(c->text(), QStringLiteral("25"));
    QCOMPARE(fondo(c), v->color_fondo);
    QCOMPARE(letra(c), v->color_texto);
    QCOMPARE(v->g.valor[3], Fijo(5)); // stored only when the box is left
    tabular(c);
    QCOMPARE(v->g.valor[3], Fijo(25));
    QVERIFY(v->ValorT[4]->hasFocus());
    QVERIFY(v.mensajes.textos.isEmpty());
}

void PruebaCajas::salida_rechazada_y_corregida() {
    Ventana v;
    QVERIFY(v.activa);
    CajaValor* c = v->ValorT[3];
    pulsar_caja(c);
    teclear(c, QStringLiteral("600"));
    tabular(c);
    QCOMPARE(v.mensajes.textos, QStringList{fuera});
    QVERIFY(c->hasFocus());
    QVERIFY(seleccionada(c));
    QCOMPARE(c->text(), QStringLiteral("600"));
    QCOMPARE(v->g.valor[3], Fijo(5));
    // The next key replaces the wrong number.
    teclear(c, QStringLiteral("7"));
    QCOMPARE(c->text(), QStringLiteral("7"));
    tabular(c);
    QCOMPARE(v->g.valor[3], Fijo(7));
    QVERIFY(v->ValorT[4]->hasFocus());
    QVERIFY(!seleccionada(c));
    QCOMPARE(v.mensajes.textos.size(), 1);
}

void PruebaCajas::rechazo_una_vez_segun_destino_data() {
    QTest::addColumn<QString>("destino");
    QTest::newRow("otra caja") << QStringLiteral("caja");
    QTest::newRow("caja del extremo superior") << QStringLiteral("caja2");
    QTest::newRow("tabulador hacia atras") << QStringLiteral("atras");
    QTest::newRow("boton Limpiar") << QStringLiteral("boton");
    QTest::newRow("flecha de N") << QStringLiteral("flecha");
    QTest::newRow("flecha de L") << QStringLiteral("flecha_onda");
}

void PruebaCajas::rechazo_una_vez_segun_destino() {
    QFETCH(QString, destino);
    Ventana v;
    QVERIFY(v.activa);
    CajaValor* c = v->ValorT[3];
    pulsar_caja(c);
    teclear(c, QStringLiteral("600"));
    if (destino == QLatin1String("caja")) {
        pulsar_caja(v->ValorT[4]);
    } else if (destino == QLatin1String("caja2")) {
        pulsar_caja(v->ValorT[2]);
    } else if (destino == QLatin1String("atras")) {
        QTest::keyClick(c, Qt::Key_Backtab, Qt::ShiftModifier);
    } else if (destino == QLatin1String("boton")) {
        clic(v->Command2);
    } else if (destino == QLatin1String("flecha")) {
        clic(v->SpinUp[3]);
    } else {
        clic(v->SpinUp1);
    }
    QCOMPARE(v.mensajes.textos, QStringList{fuera});
    QVERIFY(c->hasFocus());
    QVERIFY(seleccionada(c));
    QCOMPARE(c->text(), QStringLiteral("600"));
    QCOMPARE(v->g.valor[3], Fijo(5));
    // The click that tried to leave does nothing else: no other box is
    // selected or left (box 2 would store the tangent of its rounded sine), no
    // step is taken.
    QVERIFY(!seleccionada(v->ValorT[4]));
    QVERIFY(!seleccionada(v->ValorT[2]));
    QCOMPARE(v->g.valor[2], f(0.6));
    QCOMPARE(v->g.valor[6], f(0.55));
    QCOMPARE(v->ValorT[6]->text(), QStringLiteral("0.55"));
}

void PruebaCajas::menu_y_otra_ventana_no_dejan_la_caja() {
    Ventana v;
    QVERIFY(v.activa);
    CajaValor* c = v->ValorT[3];
    pulsar_caja(c);
    teclear(c, QStringLiteral("600"));

    // A menu opened and closed again.
    QMenuBar* barra = v->menuBar();
    QTest::mouseClick(barra, Qt::LeftButton, {},
                      barra->actionGeometry(v->menu_archivo->menuAction()).center());
    QTRY_VERIFY(v->menu_archivo->isVisible());
    QTest::keyClick(v->menu_archivo, Qt::Key_Escape);
    QTest::keyClick(barra, Qt::Key_Escape);
    QTRY_VERIFY(!v->menu_archivo->isVisible());
    QVERIFY(v.mensajes.textos.isEmpty());

    // Another window in front, then the main window again.
    QWidget otra;
    otra.resize(200, 100);
    otra.show();
    otra.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&otra));
    QVERIFY(v.mensajes.textos.isEmpty());
    otra.hide();
    v->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(v.f.get()));
    QTRY_VERIFY(c->hasFocus());
    QVERIFY(v.mensajes.textos.isEmpty());

    // Leaving the box for another control is checked, once.
    tabular(c);
    QCOMPARE(v.mensajes.textos, QStringList{fuera});
    QVERIFY(c->hasFocus());
}

void PruebaCajas::mensaje_real_una_sola_vez() {
    // A real message box takes the focus from the window; that must not count
    // as leaving the box again.
    Ventana v;
    QVERIFY(v.activa);
    set_contestador(nullptr);
    QStringList vistos;
    QString titulo;
    QList<QMessageBox::StandardButton> botones;
    QMessageBox::Icon icono = QMessageBox::Warning;
    QTimer contestar;
    contestar.setInterval(20);
    connect(&contestar, &QTimer::timeout, [&] {
        auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (m == nullptr || !m->isVisible()) {
            return;
        }
        vistos << m->text();
        titulo = m->windowTitle();
        for (QAbstractButton* b : m->buttons()) {
            botones << m->standardButton(b);
        }
        icono = m->icon();
        m->button(QMessageBox::Ok)->click();
        if (vistos.size() > 3) {
            contestar.stop(); // a loop: the test fails below instead of hanging
        }
    });
    contestar.start();

    CajaValor* c = v->ValorT[3];
    pulsar_caja(c);
    teclear(c, QStringLiteral("600"));
    tabular(c);
    QCOMPARE(vistos, QStringList{fuera});
    QCOMPARE(titulo, QStringLiteral("Ondaris"));
    QCOMPARE(botones, QList<QMessageBox::StandardButton>{QMessageBox::Ok});
    QCOMPARE(icono, QMessageBox::NoIcon);
    // Without a window manager nothing gives the window back its activation.
    v->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(v.f.get()));
    QTRY_VERIFY(c->hasFocus());
    QTest::qWait(100); // any further message box would have shown by now
    QCOMPARE(vistos.size(), 1);
    QVERIFY(seleccionada(c));
}

void PruebaCajas::salidas_aceptadas_data() {
    QTest::addColumn<bool>("coma");
    QTest::addColumn<int>("caja");
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<double>("guardado");
    QTest::addColumn<QString>("mostrado");
    QTest::newRow("punto: 0.5 en a") << false << 4 << "0.5" << 0.5 << "0.5";
    QTest::newRow("punto: 0,5 en a") << false << 4 << "0,5" << 0.5 << "0.5";
    QTest::newRow("coma: 0.5 en a") << true << 4 << "0.5" << 0.5 << "0,5";
    QTest::newRow("coma: 0,5 en a") << true << 4 << "0,5" << 0.5 << "0,5";
    QTest::newRow("coma: 12,25 en d") << true << 5 << "12,25" << 12.25 << "12,25";
    QTest::newRow("punto: 25 en N") << false << 3 << "25" << 25.0 << "25";
    QTest::newRow("punto: 1e1 en d") << false << 5 << "1e1" << 10.0 << "10";
    QTest::newRow("punto: 2.5abc en a") << false << 4 << "2.5abc" << 2.5 << "2.5";
    QTest::newRow("punto: cota 0.78 en L") << false << 6 << "0.78" << 0.78 << "0.78";
    QTest::newRow("coma: 0,3 en caja 2") << true << 2 << "0,3" << 0.3145 << "0,3";
    QTest::newRow("punto: -0.2 en caja 1") << false << 1 << "-0.2" << -0.2041 << "-0.2";
    QTest::newRow("punto: nan en caja 2 es 0") << false << 2 << "nan" << 0.0 << "0";
}

void PruebaCajas::salidas_aceptadas() {
    QFETCH(bool, coma);
    QFETCH(int, caja);
    QFETCH(QString, tecleado);
    QFETCH(double, guardado);
    QFETCH(QString, mostrado);
    LocalePrueba locale(coma ? locale_coma() : locale_punto());
    Ventana v;
    QVERIFY(v.activa);
    CajaValor* c = v->ValorT[caja];
    pulsar_caja(c);
    teclear(c, tecleado);
    tabular(c);
    QVERIFY(v.mensajes.textos.isEmpty());
    QCOMPARE(v->g.valor[caja], f(guardado));
    QCOMPARE(c->text(), mostrado);
    QCOMPARE(fondo(c), v->color_fondo);
    QVERIFY(!c->hasFocus());
}

void PruebaCajas::salidas_rechazadas_data() {
    QTest::addColumn<bool>("coma");
    QTest::addColumn<int>("caja");
    QTest::addColumn<QString>("tecleado");
    QTest::newRow("punto: 600 en N") << false << 3 << "600";
    QTest::newRow("coma: 600 en N") << true << 3 << "600";
    QTest::newRow("punto: 0 en N") << false << 3 << "0";
    QTest::newRow("punto: abc en d") << false << 5 << "abc";
    QTest::newRow("punto: 0.3 en L") << false << 6 << "0.3";
    QTest::newRow("coma: 0,3 en L") << true << 6 << "0,3";
    QTest::newRow("coma: 0,05 en a") << true << 4 << "0,05";
    QTest::newRow("punto: -1 en a") << false << 4 << "-1";
    QTest::newRow("punto: 1e300 en N") << false << 3 << "1e300";
    QTest::newRow("punto: mil cifras en d") << false << 5 << QString(1000, QLatin1Char('9'));
    QTest::newRow("punto: 1e999 en L") << false << 6 << "1e999";
}

void PruebaCajas::salidas_rechazadas() {
    QFETCH(bool, coma);
    QFETCH(int, caja);
    QFETCH(QString, tecleado);
    LocalePrueba locale(coma ? locale_coma() : locale_punto());
    Ventana v;
    QVERIFY(v.activa);
    const Fijo antes = v->g.valor[caja];
    CajaValor* c = v->ValorT[caja];
    pulsar_caja(c);
    teclear(c, tecleado);
    tabular(c);
    QCOMPARE(v.mensajes.textos, QStringList{fuera});
    QCOMPARE(v->g.valor[caja], antes);
    QCOMPARE(c->text(), tecleado);
    QVERIFY(c->hasFocus());
    QVERIFY(seleccionada(c));
}

void PruebaCajas::limites_en_vivo_data() {
    QTest::addColumn<bool>("coma");
    QTest::addColumn<int>("caja");
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<QString>("mostrado");
    QTest::addColumn<double>("tangente");
    QTest::newRow("0.95 en caja 2: tope 0.89") << false << 2 << "0.95"
                                               << "0.89" << 1.9519;
    QTest::newRow("coma: 0,95 en caja 2") << true << 2 << "0,95"
                                          << "0,89" << 1.9519;
    QTest::newRow("-0.95 en caja 1: tope -0.9") << false << 1 << "-0.95"
                                                << "-0.9" << -2.0647;
    QTest::newRow("0.95 en caja 1: sin tope") << false << 1 << "0.95"
                                              << "0.95" << 3.0424;
    QTest::newRow("-0.95 en caja 2: sin tope") << false << 2 << "-0.95"
                                               << "-0.95" << -3.0424;
    QTest::newRow("0.3 en caja 2") << false << 2 << "0.3"
                                   << "0.3" << 0.3145;
}

void PruebaCajas::limites_en_vivo() {
    QFETCH(bool, coma);
    QFETCH(int, caja);
    QFETCH(QString, tecleado);
    QFETCH(QString, mostrado);
    QFETCH(double, tangente);
    LocalePrueba locale(coma ? locale_coma() : locale_punto());
    Ventana v;
    QVERIFY(v.activa);
    CajaValor* c = v->ValorT[caja];
    pulsar_caja(c);
    teclear(c, tecleado);
    // No exit yet: the sector follows the keys.
    QVERIFY(c->hasFocus());
    QCOMPARE(c->text(), mostrado);
    QCOMPARE(v->g.valor[caja], f(tangente));
    const double seno = tangente / std::sqrt(1 + tangente * tangente);
    QCOMPARE(std::round((caja == 1 ? v->g.seno_min : v->g.seno_max) * 100) / 100,
             std::round(seno * 100) / 100);
    QCOMPARE(v->inf->top, static_cast<float>(v->g.valor[1].a_double()));
    QCOMPARE(v->sup->top, static_cast<float>(v->g.valor[2].a_double() + 0.2));
    // The other end is read again from its box, which shows its sine to two decimals.
    QCOMPARE(v->g.valor[3 - caja], f(caja == 1 ? 0.5929 : -0.5929));
}

void PruebaCajas::textos_intermedios_valen_cero() {
    Ventana v;
    QVERIFY(v.activa);
    CajaValor* c = v->ValorT[1];
    pulsar_caja(c);
    const QString pasos[] = {QStringLiteral("-"), QStringLiteral("0"), QStringLiteral(".")};
    for (const QString& tecla : pasos) {
        teclear(c, tecla);
        QCOMPARE(v->g.valor[1], Fijo(0));
        QCOMPARE(v->g.seno_min, 0.0);
        QCOMPARE(v->inf->top, 0.0f);
    }
    teclear(c, QStringLiteral("5"));
    QCOMPARE(c->text(), QStringLiteral("-0.5"));
    QCOMPARE(v->g.valor[1], f(-0.5774));
    QCOMPARE(v->inf->top, static_cast<float>(-0.5774));
}

void PruebaCajas::entradas_imposibles_data() {
    QTest::addColumn<int>("caja");
    QTest::addColumn<QString>("tecleado");
    QTest::addColumn<QString>("mostrado");
    QTest::addColumn<double>("en_vivo"); // the stored tangent while the box is being typed
    QTest::addColumn<bool>("aceptada");
    QTest::addColumn<double>("guardado");
    const QString mil(1000, QLatin1Char('9'));
    QTest::newRow("1 en caja 1") << 1 << "1"
                                 << "1" << -0.6 << false << -0.6;
    QTest::newRow("-1 en caja 2") << 2 << "-1"
                                  << "-1" << 0.0 << false << 0.0;
    QTest::newRow("5 en caja 1") << 1 << "5"
                                 << "5" << -0.6 << false << -0.6;
    QTest::newRow("5 en caja 2") << 2 << "5"
                                 << "0.89" << 1.9519 << true << 1.9519;
    QTest::newRow("1e300 en caja 1") << 1 << "1e300"
                                     << "1e300" << -0.6 << false << -0.6;
    QTest::newRow("1e999 en caja 1") << 1 << "1e999"
                                     << "1e999" << -0.6 << false << -0.6;
    QTest::newRow("-1e999 en caja 2") << 2 << "-1e999"
                                      << "-1e999" << 0.0 << false << 0.0;
    QTest::newRow("-1e999 en caja 1") << 1 << "-1e999"
                                      << "-0.9" << -2.0647 << true << -2.0647;
    QTest::newRow("mil cifras en caja 1") << 1 << mil << mil << -0.6 << false << -0.6;
    QTest::newRow("mil cifras en caja 2") << 2 << mil << "0.89" << 1.9519 << true << 1.9519;
    QTest::newRow("nan en caja 1") << 1 << "nan"
                                   << "nan" << 0.0 << true << 0.0;
    QTest::newRow("inf en caja 2") << 2 << "inf"
                                   << "inf" << 0.0 << true << 0.0;
    QTest::newRow("0.9999999 en caja 1: la pantalla no lo alcanza")
        << 1 << "0.9999999"
        << "0.9999999" << 707.1063 << false << 707.1063;
}

void PruebaCajas::entradas_imposibles() {
    QFETCH(int, caja);
    QFETCH(QString, tecleado);
    QFETCH(QString, mostrado);
    QFETCH(double, en_vivo);
    QFETCH(bool, aceptada);
    QFETCH(double, guardado);
    Ventana v;
    QVERIFY(v.activa);
    CajaValor* c = v->ValorT[caja];
    auto todo_finito = [&] {
        return std::isfinite(v->g.seno_min) && std::isfinite(v->g.seno_max) &&
               std::isfinite(v->inf->top) && std::isfinite(v->sup->top) &&
               std::fabs(v->g.valor[1].a_double()) <= 1000 &&
               std::fabs(v->g.valor[2].a_double()) <= 1000;
    };
    pulsar_caja(c);
    teclear(c, tecleado);
    QCOMPARE(c->text(), mostrado);
    QCOMPARE(v->g.valor[caja], f(en_vivo));
    QVERIFY(todo_finito());
    tabular(c);
    QCOMPARE(v.mensajes.textos.isEmpty(), aceptada);
    QCOMPARE(v->g.valor[caja], f(guardado));
    QCOMPARE(c->hasFocus(), !aceptada);
    QVERIFY(todo_finito());
    // The window goes on working: a sound value is taken as usual.
    pulsar_caja(c);
    teclear(c, QStringLiteral("0.2"));
    tabular(c);
    QCOMPARE(v->g.valor[caja], f(0.2041));
    QCOMPARE(v->inf->top, static_cast<float>(v->g.valor[1].a_double()));
    QCOMPARE(v->sup->top, static_cast<float>(v->g.valor[2].a_double() + 0.2));
}

void PruebaCajas::rayos_cambian_al_salir_de_la_caja_6() {
    Ventana v;
    QVERIFY(v.activa);
    QVERIFY(color_onda(0.6) != color_onda(0.55));
    QVERIFY(pixeles_de(v->superficie->imagen(), color_onda(0.55)) > 0);
    CajaValor* c = v->ValorT[6];
    pulsar_caja(c);
    teclear(c, QStringLiteral("0.6"));
    // Typing alone keeps the colour of the stored wavelength.
    QCOMPARE(pixeles_de(v->superficie->imagen(), color_onda(0.6)), 0);
    QVERIFY(pixeles_de(v->superficie->imagen(), color_onda(0.55)) > 0);
    tabular(c);
    QCOMPARE(v->g.valor[6], f(0.6));
    QVERIFY(pixeles_de(v->superficie->imagen(), color_onda(0.6)) > 0);
    QCOMPARE(pixeles_de(v->superficie->imagen(), color_onda(0.55)), 0);
}

void PruebaCajas::orden_de_tabulacion_y_ayudas() {
    Ventana v;
    QVERIFY(v.activa);
    pulsar_caja(v->ValorT[6]);
    for (int siguiente : {3, 4, 5, 1, 2}) {
        tabular(QApplication::focusWidget());
        QVERIFY2(v->ValorT[siguiente]->hasFocus(), qPrintable(QString::number(siguiente)));
    }
    QVERIFY(v.mensajes.textos.isEmpty());
    QVERIFY(v->ValorT[1]->toolTip().isEmpty());
    QVERIFY(v->ValorT[2]->toolTip().isEmpty());
    QCOMPARE(v->ValorT[3]->toolTip(), QStringLiteral("Entre 1 y 500"));
    QCOMPARE(v->ValorT[4]->toolTip(), QStringLiteral("Entre 0.1 y 100 micr."));
    QCOMPARE(v->ValorT[5]->toolTip(), QStringLiteral("Entre 1 y 100 micr."));
    QCOMPARE(v->ValorT[6]->toolTip(), QStringLiteral("Entre 0.38 y 0.78 micr."));
}

int correr_cajas(int argc, char** argv) {
    PruebaCajas p;
    return QTest::qExec(&p, argc, argv);
}

#include "prueba_cajas.moc"
