#include "entry/caja_valor.h"
#include "main/form1.h"
#include "screen/marcador.h"
#include "tests/common/entorno.h"
#include "tests/main/pruebas.h"
#include "toolkit/forma.h"
#include "toolkit/picture_box.h"
#include "windows/form2.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <memory>

void PruebaInicio::cajas_marcadores_y_estado_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("cajas");
    QTest::newRow("punto") << locale_punto()
                           << QStringList{"-0.51", "0.51", "5", "2", "10", "0.55"};
    QTest::newRow("coma") << locale_coma()
                          << QStringList{"-0,51", "0,51", "5", "2", "10", "0,55"};
}

void PruebaInicio::cajas_marcadores_y_estado() {
    QFETCH(QLocale, locale);
    QFETCH(QStringList, cajas);
    LocalePrueba l(locale);
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    for (int i = 1; i <= 6; ++i) {
        QCOMPARE(f->ValorT[i]->text(), cajas[i - 1]);
    }
    QVERIFY(mensajes.textos.isEmpty());
    QCOMPARE(f->g.ncurvas, std::int16_t{0});
    QVERIFY(!f->graficado);
    QCOMPARE(f->g.valor[1], Fijo::desde(-0.6));
    QCOMPARE(f->maximo[3], Fijo(500));
    QCOMPARE(f->inf->top, -0.6f);
    QCOMPARE(f->sup->top, static_cast<float>(0.6 + 0.2));
    QCOMPARE(double(f->g.pi), 3.1415927410125732);
    // The markers and the top mask sit where the strip's coordinates say.
    const double y_inf = f->Picture3->a_pixel({0, -0.6}).y();
    QVERIFY(std::abs(f->inf->y() - y_inf) <= 1);
    const double y_sup = f->Picture3->a_pixel({0, 0.8}).y();
    QVERIFY(std::abs(f->sup->y() - y_sup) <= 1);
    QVERIFY(std::abs(f->Shape11->height() - f->Picture3->height() * 1.4 / 4.4) <= 1);
    QVERIFY(std::abs(f->Shape12->y() - y_inf) <= 1);
    // The beam is drawn in the colour of the start-up wavelength (0.55: 102, 255, 0).
    const QImage esquema = f->superficie->imagen();
    const QPoint haz = f->superficie->a_pixel({1.5, -0.565}).toPoint();
    QCOMPARE(esquema.pixelColor(haz), QColor(102, 255, 0));
    QCOMPARE(f->color_fondo, Color{0xFFFFFF});
    QVERIFY(f->Option1[0]->isChecked());
    QCOMPARE(Form1::color_texto_de(f->Option1[0]), Color{255});
    QVERIFY(!f->Label15->isVisible());
    QVERIFY(!f->Picture5->isVisible());
}

void PruebaInicio::sector_de_06_muestra_051() {
    CarpetaTrabajo carpeta(QStringLiteral("-0.6,-2,2\n0.55,-2,2\n3,1,500\n1,0.1,100\n"
                                          "3,1,100\n0.6,0.38,0.78\n"));
    LocalePrueba l(locale_punto());
    Mensajes mensajes;
    auto f = abrir_form1();
    QCOMPARE(f->ValorT[1]->text(), QStringLiteral("-0.51"));
    QCOMPARE(f->ValorT[2]->text(), QStringLiteral("0.48")); // 0.55 / sqrt(1.3025) = 0.4819
    QCOMPARE(f->ValorT[6]->text(), QStringLiteral("0.6"));
}

void PruebaInicio::inic_invalido_avisa_y_usa_valores_de_fabrica_data() {
    QTest::addColumn<bool>("existe");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("dice");
    QTest::newRow("no existe") << false << "" << "no existe";
    QTest::newRow("corto") << true << "1, 2, 3" << "3 números";
    QTest::newRow("palabra") << true
                             << QString::fromUtf8(CarpetaTrabajo::inic_normal).replace("10,", "diez,")
                             << "«diez»";
}

void PruebaInicio::inic_invalido_avisa_y_usa_valores_de_fabrica() {
    QFETCH(bool, existe);
    QFETCH(QString, texto);
    QFETCH(QString, dice);
    CarpetaTrabajo carpeta(existe ? texto : QString());
    LocalePrueba l(locale_punto());
    Mensajes mensajes;
    auto f = abrir_form1();
    QCOMPARE(mensajes.textos.size(), 1);
    QVERIFY(mensajes.textos[0].contains(QStringLiteral("\"inic.dat\"")));
    QVERIFY2(mensajes.textos[0].contains(dice), qPrintable(mensajes.textos[0]));
    QVERIFY(mensajes.textos[0].contains(QStringLiteral("valores de fábrica")));
    QCOMPARE(f->ValorT[3]->text(), QStringLiteral("5"));
    QCOMPARE(f->ValorT[6]->text(), QStringLiteral("0.55"));
    QTest::mouseClick(f->Command1, Qt::LeftButton);
    QCOMPARE(f->g.ncurvas, std::int16_t{1});
    QCOMPARE(mensajes.textos.size(), 1);
}

void PruebaInicio::trazo_ausente_o_raro_apaga_la_documentacion_data() {
    QTest::addColumn<QString>("contenido");
    QTest::addColumn<int>("traza");
    QTest::newRow("ausente") << QString() << 0;
    QTest::newRow("apagado") << " 0 \r\n" << 0;
    QTest::newRow("texto") << "abc\r\n" << 0;
    QTest::newRow("fuera de rango") << "300\r\n" << 0;
    QTest::newRow("negativo") << "-1\r\n" << 0;
    QTest::newRow("otro valor se conserva") << " 7 \r\n" << 7;
    QTest::newRow("redondeado") << "6.6, 1\r\n" << 7;
}

void PruebaInicio::trazo_ausente_o_raro_apaga_la_documentacion() {
    QFETCH(QString, contenido);
    QFETCH(int, traza);
    CarpetaTrabajo carpeta(QString::fromUtf8(CarpetaTrabajo::inic_normal), contenido);
    Mensajes mensajes;
    auto f = abrir_form1();
    QCOMPARE(int(f->g.traza), traza);
    QVERIFY(mensajes.textos.isEmpty());
}

void PruebaInicio::cuenta_los_archivos_de_sesion() {
    CarpetaTrabajo carpeta;
    carpeta.escribir(QStringLiteral("b.log"), QByteArray(25, 'x'));
    carpeta.escribir(QStringLiteral("a.log"), QByteArray(10, 'x'));
    carpeta.escribir(QStringLiteral("c.txt"), QByteArray(99, 'x'));
    Mensajes mensajes;
    auto f = abrir_form1();
    QCOMPARE(f->g.num_archivos, 2);
    QCOMPARE(f->g.bytes_archivos, 35);
    QCOMPARE(f->File1, (QStringList{"a.log", "b.log"}));

    CarpetaTrabajo vacia;
    auto sin_logs = abrir_form1();
    QCOMPARE(sin_logs->g.num_archivos, 0);
    QCOMPARE(sin_logs->g.bytes_archivos, 0);
}

void PruebaInicio::splash_termina_con_un_clic() {
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    Form2 splash(60000);
    QTimer::singleShot(50, &splash, [&] {
        QVERIFY(splash.isVisible());
        QTest::mouseClick(splash.Picture1, Qt::LeftButton);
    });
    QElapsedTimer reloj;
    reloj.start();
    std::unique_ptr<Form1> f(splash.ejecutar());
    QVERIFY(reloj.elapsed() < 10000);
    QVERIFY(splash.cerrar_splash);
    QVERIFY(!splash.isVisible());
    QVERIFY(f->isVisible());
    QCOMPARE(splash.windowTitle(), QStringLiteral("Ondaris // Grupo Quenor"));
    QCOMPARE(f->windowTitle(), QStringLiteral("Ondaris por N ranuras  //  Grupo Quenor"));
}

void PruebaInicio::splash_sin_clic_abre_la_ventana_principal() {
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    Form2 splash(150);
    bool repintado = false;
    QTimer::singleShot(20, &splash, [&] {
        // The splash keeps its event loop running while it waits.
        repintado = splash.isVisible();
    });
    QElapsedTimer reloj;
    reloj.start();
    std::unique_ptr<Form1> f(splash.ejecutar());
    QVERIFY(reloj.elapsed() >= 150);
    QVERIFY(repintado);
    QVERIFY(!splash.cerrar_splash);
    QVERIFY(f->isVisible());
    QCOMPARE(f->ValorT[3]->text(), QStringLiteral("5"));
}
