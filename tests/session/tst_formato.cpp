#include "session/archivos.h"
#include "session/dialog.h"
#include "session/formato.h"
#include "tests/session/prueba.h"

#include <QTest>

class PruebaFormato : public QObject {
    Q_OBJECT
private slots:
    void convert_solo_barras_y_dos_puntos();
    void nombre_documento_data();
    void nombre_documento();
    void cabecera_data();
    void cabecera();
    void con_patron_data();
    void con_patron();
    void linea_ejemplo_trabajado_data();
    void linea_ejemplo_trabajado();
    void linea_anchos_y_cortes_data();
    void linea_anchos_y_cortes();
    void texto_con_fin_linea_data();
    void texto_con_fin_linea();
    void leer_traza_data();
    void leer_traza();
    void mensaje_cuenta_con_sus_espacios();
};

void PruebaFormato::convert_solo_barras_y_dos_puntos() {
    QCOMPARE(convert(QStringLiteral("14:35")), QStringLiteral("14_35"));
    QCOMPARE(convert(QStringLiteral("5/12/26")), QStringLiteral("5_12_26"));
    QCOMPARE(convert(QStringLiteral("2:35 p. m.")), QStringLiteral("2_35 p. m."));
    QCOMPARE(convert(QStringLiteral("05.12.26 -x\\")), QStringLiteral("05.12.26 -x\\"));
}

void PruebaFormato::nombre_documento_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QTime>("hora");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("es_AR") << locale_coma() << QTime(14, 35, 7) << "14_35.log";
    QTest::newRow("en_US") << locale_punto() << QTime(14, 35, 59) << "2_35 PM.log";
    // The C locale's short form carries seconds; the file is still named by the minute.
    QTest::newRow("C") << QLocale::c() << QTime(14, 35, 7) << "14_35.log";
    QTest::newRow("de_DE") << QLocale(QLocale::German, QLocale::Germany) << QTime(9, 5)
                           << "09_05.log";
}

void PruebaFormato::nombre_documento() {
    QFETCH(QLocale, locale);
    QFETCH(QTime, hora);
    QFETCH(QString, esperado);
    QCOMPARE(::nombre_documento(hora, locale), esperado);
}

void PruebaFormato::cabecera_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("fecha");
    QTest::newRow("es_AR") << locale_coma() << "5_12_26";
    QTest::newRow("en_US") << locale_punto() << "12_5_26";
    QTest::newRow("de_DE: dots stay") << QLocale(QLocale::German, QLocale::Germany) << "05.12.26";
}

void PruebaFormato::cabecera() {
    QFETCH(QLocale, locale);
    QFETCH(QString, fecha);
    QCOMPARE(cabecera_documento(QDate(2026, 12, 5), locale),
             fecha +
                 QStringLiteral("\r\n \r\nAngMin  AngMax   N     a     d   Long_Onda\r\n \r\n"));
}

void PruebaFormato::con_patron_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("patron");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("#0.0# 12") << 12.0 << "#0.0#"
                              << "12.0";
    QTest::newRow("#0.0# 12.25") << 12.25 << "#0.0#"
                                 << "12.25";
    QTest::newRow("#0.0# -3.5") << -3.5 << "#0.0#"
                                << "-3.5";
    QTest::newRow("#0.0# 0") << 0.0 << "#0.0#"
                             << "0.0";
    QTest::newRow("#0.0# 12.345 half away") << 12.345 << "#0.0#"
                                            << "12.35";
    QTest::newRow("#0.0# -12.345 half away") << -12.345 << "#0.0#"
                                             << "-12.35";
    QTest::newRow("#0.0# 1.005 as written") << 1.005 << "#0.0#"
                                            << "1.01";
    QTest::newRow("#0.0# 99.999 carries") << 99.999 << "#0.0#"
                                          << "100.0";
    QTest::newRow("#0.0# -0.004 no minus zero") << -0.004 << "#0.0#"
                                                << "0.0";
    QTest::newRow("### 0 empty") << 0.0 << "###"
                                 << "";
    QTest::newRow("### 0.4 empty") << 0.4 << "###"
                                   << "";
    QTest::newRow("### 5") << 5.0 << "###"
                           << "5";
    QTest::newRow("### 2.5") << 2.5 << "###"
                             << "3";
    QTest::newRow("### 1234 longer than pattern") << 1234.0 << "###"
                                                  << "1234";
    QTest::newRow("##0.0 2") << 2.0 << "##0.0"
                             << "2.0";
    QTest::newRow("##0.0 0.25") << 0.25 << "##0.0"
                                << "0.3";
    QTest::newRow("##0.0 0.15") << 0.15 << "##0.0"
                                << "0.2";
    QTest::newRow("##0.0 0.1") << 0.1 << "##0.0"
                               << "0.1";
    QTest::newRow("##0.0 99.95") << 99.95 << "##0.0"
                                 << "100.0";
    QTest::newRow("0.0### 0.55") << 0.55 << "0.0###"
                                 << "0.55";
    QTest::newRow("0.0### 0.6") << 0.6 << "0.0###"
                                << "0.6";
    QTest::newRow("0.0### 0.6328") << 0.6328 << "0.0###"
                                   << "0.6328";
    QTest::newRow("0.0### 0.63285") << 0.63285 << "0.0###"
                                    << "0.6329";
    QTest::newRow("0.0### 1") << 1.0 << "0.0###"
                              << "1.0";
    QTest::newRow("0.0### 0.99999") << 0.99999 << "0.0###"
                                    << "1.0";
}

void PruebaFormato::con_patron() {
    QFETCH(double, x);
    QFETCH(QString, patron);
    QFETCH(QString, esperado);
    QCOMPARE(::con_patron(x, patron, QStringLiteral(".")), esperado);
    QString coma = esperado;
    coma.replace(QLatin1Char('.'), QLatin1Char(','));
    QCOMPARE(::con_patron(x, patron, QStringLiteral(",")), coma);
}

void PruebaFormato::linea_ejemplo_trabajado_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("sep");
    QTest::newRow("point") << locale_punto() << ".";
    QTest::newRow("comma") << locale_coma() << ",";
}

void PruebaFormato::linea_ejemplo_trabajado() {
    QFETCH(QLocale, locale);
    QFETCH(QString, sep);
    const CasoDocumentado c{-29, 30, Fijo(5), Fijo(2), Fijo(10), Fijo::desde(0.55)};
    const QString linea = linea_documento(c, locale);
    QCOMPARE(linea, linea_ejemplo(sep));
    QCOMPARE(linea.size(), 49);
}

void PruebaFormato::linea_anchos_y_cortes_data() {
    QTest::addColumn<double>("ang_min");
    QTest::addColumn<double>("ang_max");
    QTest::addColumn<double>("n");
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("d");
    QTest::addColumn<double>("l");
    QTest::addColumn<QStringList>("campos");
    QTest::newRow("short values padded")
        << 0.0 << 1.0 << 1.0 << 0.1 << 1.0 << 0.38
        << QStringList{"0.0        ", "1.0         ", "1      ", "0.1   ", "1.0   ", "0.38   "};
    QTest::newRow("N 0 leaves its field blank")
        << -90.0 << 90.0 << 0.0 << 100.0 << 100.0 << 0.7777
        << QStringList{"-90.0      ", "90.0        ", "       ", "100.0 ", "100.0 ", "0.7777 "};
    QTest::newRow("long values cut on the right")
        << -123456789.25 << 1234567890.5 << 123456789.0 << 12345.6 << 123456.0 << 12345.6789
        << QStringList{"-123456789.", "1234567890.5", "1234567", "12345.", "123456", "12345.6"};
}

void PruebaFormato::linea_anchos_y_cortes() {
    QFETCH(double, ang_min);
    QFETCH(double, ang_max);
    QFETCH(double, n);
    QFETCH(double, a);
    QFETCH(double, d);
    QFETCH(double, l);
    QFETCH(QStringList, campos);
    const CasoDocumentado c{ang_min,        ang_max,        Fijo::desde(n),
                            Fijo::desde(a), Fijo::desde(d), Fijo::desde(l)};
    QCOMPARE(linea_documento(c, locale_punto()), campos.join(QString()));
}

void PruebaFormato::texto_con_fin_linea_data() {
    QTest::addColumn<QByteArray>("contenido");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("empty file") << QByteArray() << "";
    QTest::newRow("last line without break") << QByteArray("uno\r\ndos") << "uno\r\ndos\r\n";
    QTest::newRow("last line with break") << QByteArray("uno\r\n") << "uno\r\n";
    QTest::newRow("blank and single-space lines")
        << QByteArray("a\r\n \r\n\r\nb\r\n") << "a\r\n \r\n\r\nb\r\n";
    QTest::newRow("one empty line") << QByteArray("\r\n") << "\r\n";
    QTest::newRow("LF only") << QByteArray("a\nb\n") << "a\r\nb\r\n";
    QTest::newRow("CR only") << QByteArray("a\rb") << "a\r\nb\r\n";
}

void PruebaFormato::texto_con_fin_linea() {
    QFETCH(QByteArray, contenido);
    QFETCH(QString, esperado);
    QCOMPARE(::texto_con_fin_linea(contenido), esperado);
}

void PruebaFormato::leer_traza_data() {
    QTest::addColumn<QString>("contenido");
    QTest::addColumn<int>("traza");
    QTest::newRow("on") << " 1 \r\n" << 1;
    QTest::newRow("off") << " 0 \r\n" << 0;
    QTest::newRow("other value kept") << " 2 \r\n" << 2;
    QTest::newRow("first field only") << "  1  , 0\r\n" << 1;
    QTest::newRow("rounded") << "0.6\r\n" << 1;
    QTest::newRow("not a number") << "abc\r\n" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("out of range") << "300" << 0;
    QTest::newRow("negative") << "-1" << 0;
}

void PruebaFormato::leer_traza() {
    QFETCH(QString, contenido);
    QFETCH(int, traza);
    QCOMPARE(int{::leer_traza(contenido)}, traza);
}

void PruebaFormato::mensaje_cuenta_con_sus_espacios() {
    QCOMPARE(Dialog::mensaje_cuenta(12, 34567),
             QStringLiteral("La aplicación tiene activada la opción de DOCUMENTAR SESIÓN, con   12 "
                            "archivos y  34567 bytes"));
    // Wider than the old counters: more than 255 files, more than 2 GiB.
    QCOMPARE(
        Dialog::mensaje_cuenta(300, 3221225472LL),
        QStringLiteral("La aplicación tiene activada la opción de DOCUMENTAR SESIÓN, con   300 "
                       "archivos y  3221225472 bytes"));
}

int correr_formato(int argc, char** argv) {
    PruebaFormato p;
    return QTest::qExec(&p, argc, argv);
}

#include "tst_formato.moc"
