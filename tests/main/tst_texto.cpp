#include "main/inic.h"
#include "main/texto.h"
#include "tests/common/entorno.h"
#include "tests/main/pruebas.h"

#include <QTest>

#include <cmath>

void PruebaTexto::convertir_y_formato_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("redondeado");
    QTest::newRow("0.125") << 0.125 << 0.13;
    QTest::newRow("-0.125") << -0.125 << -0.12;
    QTest::newRow("0.3333") << 0.3333 << 0.33;
    QTest::newRow("0.335") << 0.335 << 0.34;
    QTest::newRow("-0.51") << -0.51 << -0.51;
    QTest::newRow("seno de -0.6") << -0.6 / std::sqrt(1.36) << -0.51;
}

void PruebaTexto::convertir_y_formato() {
    QFETCH(double, x);
    QFETCH(double, redondeado);
    QCOMPARE(formato(x), redondeado);
    QCOMPARE(convertir(QStringLiteral("0,2")), QStringLiteral("0.2"));
    QCOMPARE(convertir(QStringLiteral("1,5,6 a")), QStringLiteral("1.5.6 a"));
}

void PruebaTexto::leer_numero_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<double>("valor");
    QTest::newRow("vacio") << "" << 0.0;
    QTest::newRow("letras") << "abc" << 0.0;
    QTest::newRow("con coma sin convertir") << "0,2" << 0.0;
    QTest::newRow("punto") << "0.2" << 0.2;
    QTest::newRow("espacios y letras") << " 12abc" << 12.0;
    QTest::newRow("espacios en medio") << "1 2\t3" << 123.0;
    QTest::newRow("menos solo") << "-" << 0.0;
    QTest::newRow("menos cero punto") << "-0." << 0.0;
    QTest::newRow("exponente") << "1.5E-2" << 0.015;
    QTest::newRow("exponente d") << "2d3" << 2000.0;
    QTest::newRow("exponente incompleto") << "7e" << 7.0;
    QTest::newRow("dos signos") << "--1" << 0.0;
    QTest::newRow("punto inicial") << ".5x" << 0.5;
    QTest::newRow("nan no es numero") << "nan" << 0.0;
    QTest::newRow("inf no es numero") << "inf" << 0.0;
    QTest::newRow("diminuto") << "1e-400" << 0.0;
}

void PruebaTexto::leer_numero() {
    QFETCH(QString, texto);
    QFETCH(double, valor);
    QCOMPARE(::leer_numero(texto), valor);
}

void PruebaTexto::texto_en_el_locale_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QStringList>("textos"); // 0.5, 1234.5, -0.51, 0.1 + 0.2, fijo 0.55, 12345.5
    QTest::newRow("punto") << locale_punto()
                           << QStringList{"0.5", "1234.5", "-0.51", "0.3", "0.55", "12345.5"};
    QTest::newRow("coma") << locale_coma()
                          << QStringList{"0,5", "1234,5", "-0,51", "0,3", "0,55", "12345,5"};
}

void PruebaTexto::texto_en_el_locale() {
    QFETCH(QLocale, locale);
    QFETCH(QStringList, textos);
    LocalePrueba l(locale);
    const QStringList obtenidos{
        texto_numero(0.5),       texto_numero(1234.5),          texto_numero(-0.51),
        texto_numero(0.1 + 0.2), texto_fijo(Fijo::desde(0.55)), texto_fijo(Fijo::desde(12345.5))};
    QCOMPARE(obtenidos, textos); // the locale's separator, never a group separator
    QCOMPARE(texto_fijo(Fijo(25)), QStringLiteral("25"));
    // Huge numbers read as infinities, never NaN, so limits still compare.
    QVERIFY(std::isinf(::leer_numero(QStringLiteral("1e400"))));
    QVERIFY(::leer_numero(QStringLiteral("-") + QString(1000, QLatin1Char('9'))) < -1e300);
}

void PruebaTexto::inic_mal_formado_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QString>("dice");
    QTest::newRow("vacio") << ""
                           << "0 números";
    QTest::newRow("corto") << "-0.6, -2, 2\n0.6, -2, 2\n5, 1, 500\n"
                           << "9 números";
    QTest::newRow("no numero")
        << "-0.6, -2, 2\n0.6, -2, 2\n5, uno, 500\n2, 0.1, 100\n10, 1, 100\n0.55, 0.38, 0.78"
        << "«uno» del renglón 3";
    QTest::newRow("fuera de limites")
        << "-0.6, -2, 2\n0.6, -2, 2\n600, 1, 500\n2, 0.1, 100\n10, 1, 100\n0.55, 0.38, 0.78"
        << "fuera de sus límites";
    QTest::newRow("limites al reves")
        << "-0.6, -2, 2\n0.6, -2, 2\n5, 1, 500\n2, 100, 0.1\n10, 1, 100\n0.55, 0.38, 0.78"
        << "límite inferior";
    QTest::newRow("extremos al reves")
        << "0.6, -2, 2\n-0.6, -2, 2\n5, 1, 500\n2, 0.1, 100\n10, 1, 100\n0.55, 0.38, 0.78"
        << "no es menor";
    QTest::newRow("N no entero")
        << "-0.6, -2, 2\n0.6, -2, 2\n5.5, 1, 500\n2, 0.1, 100\n10, 1, 100\n0.55, 0.38, 0.78"
        << "entero";
    QTest::newRow("longitud de onda cero")
        << "-0.6, -2, 2\n0.6, -2, 2\n5, 1, 500\n2, 0.1, 100\n10, 1, 100\n0, 0, 0.78"
        << "positivos";
    QTest::newRow("pantalla fuera de la franja")
        << "-0.6, -2, 2\n0.6, -2, 3\n5, 1, 500\n2, 0.1, 100\n10, 1, 100\n0.55, 0.38, 0.78"
        << "entre -2 y 2";
}

void PruebaTexto::inic_mal_formado() {
    QFETCH(QString, texto);
    QFETCH(QString, dice);
    const LecturaInicio l = leer_inic(texto);
    QVERIFY2(l.error.contains(dice), qPrintable(l.error));
    QCOMPARE(l.valores.valor, valores_de_fabrica().valor);
}

void PruebaTexto::inic_bien_formado() {
    const LecturaInicio l =
        leer_inic(QStringLiteral("-0.5929,-1.5,1.5\r\n0.25 ,-1.5, 1.5\r\n7,1,500\r\n2.5,0.1,100\r\n"
                                 "12.5,1,100\r\n0.6328,0.38,0.78\r\n"));
    QVERIFY2(l.error.isEmpty(), qPrintable(l.error));
    QCOMPARE(l.valores.valor[1], Fijo::desde(-0.5929));
    QCOMPARE(l.valores.minimo[1], Fijo::desde(-1.5));
    QCOMPARE(l.valores.valor[5], Fijo::desde(12.5));
    QCOMPARE(l.valores.valor[6], Fijo::desde(0.6328));
    QCOMPARE(l.valores.maximo[3], Fijo(500));
}
