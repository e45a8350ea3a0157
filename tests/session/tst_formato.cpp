#include "session/formato.h"
#include "tests/common/entorno.h"

#include <QTest>

class PruebaFormato : public QObject {
    Q_OBJECT
private slots:
    void nombre_y_cabecera_data();
    void nombre_y_cabecera();
    void con_patron_data();
    void con_patron();
    void linea_data();
    void linea();
    void texto_con_fin_linea_data();
    void texto_con_fin_linea();
};

void PruebaFormato::nombre_y_cabecera_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("fecha");
    QTest::newRow("es_AR") << locale_coma() << "14_35.log"
                           << "5_12_26";
    QTest::newRow("en_US: space stays") << locale_punto() << "2_35 PM.log"
                                        << "12_5_26";
    // Its short time carries seconds; the file is still named by the minute.
    QTest::newRow("C") << QLocale::c() << "14_35.log"
                       << "5 Dec 2026";
    QTest::newRow("de_DE: dots stay") << QLocale(QLocale::German) << "14_35.log"
                                      << "05.12.26";
}

void PruebaFormato::nombre_y_cabecera() {
    QFETCH(QLocale, locale);
    QFETCH(QString, nombre);
    QFETCH(QString, fecha);
    QCOMPARE(nombre_documento(QTime(14, 35, 59), locale), nombre);
    QCOMPARE(cabecera_documento(QDate(2026, 12, 5), locale),
             fecha + "\r\n \r\nAngMin  AngMax   N     a     d   Long_Onda\r\n \r\n");
}

void PruebaFormato::con_patron_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<QString>("patron");
    QTest::addColumn<QString>("esperado");
    const auto fila = [](const char* p, double x, const char* r) {
        QTest::addRow("%s %g", p, x) << x << QString::fromLatin1(p) << QString::fromLatin1(r);
    };
    fila("#0.0#", 12, "12.0");
    fila("#0.0#", 12.25, "12.25");
    fila("#0.0#", -3.5, "-3.5");
    fila("#0.0#", 12.345, "12.35"); // halves away from zero, on the decimal written
    fila("#0.0#", -12.345, "-12.35");
    fila("#0.0#", 1.005, "1.01");
    fila("#0.0#", 99.999, "100.0");
    fila("#0.0#", -0.004, "0.0");
    fila("###", 0, "");
    fila("###", 0.4, "");
    fila("###", 2.5, "3");
    fila("###", 1234, "1234");
    fila("##0.0", 2, "2.0");
    fila("##0.0", 0.25, "0.3");
    fila("##0.0", 0.15, "0.2");
    fila("##0.0", 99.95, "100.0");
    fila("0.0###", 0.55, "0.55");
    fila("0.0###", 0.6, "0.6");
    fila("0.0###", 0.6328, "0.6328");
    fila("0.0###", 0.63285, "0.6329");
    fila("0.0###", 0.99999, "1.0");
}

void PruebaFormato::con_patron() {
    QFETCH(double, x);
    QFETCH(QString, patron);
    QFETCH(QString, esperado);
    QCOMPARE(::con_patron(x, patron, QStringLiteral(".")), esperado);
    QCOMPARE(::con_patron(x, patron, QStringLiteral(",")), esperado.replace('.', ','));
}

void PruebaFormato::linea_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QList<double>>("valores");
    QTest::addColumn<QStringList>("campos");
    QTest::newRow("worked example")
        << locale_punto() << QList<double>{-29, 30, 5, 2, 10, 0.55}
        << QStringList{"-29.0      ", "30.0        ", "5      ", "2.0   ", "10.0  ", "0.55   "};
    QTest::newRow("worked example, comma")
        << locale_coma() << QList<double>{-29, 30, 5, 2, 10, 0.55}
        << QStringList{"-29,0      ", "30,0        ", "5      ", "2,0   ", "10,0  ", "0,55   "};
    QTest::newRow("N 0 leaves its field blank")
        << locale_punto() << QList<double>{0, 90, 0, 0.1, 100, 0.7777}
        << QStringList{"0.0        ", "90.0        ", "       ", "0.1   ", "100.0 ", "0.7777 "};
    QTest::newRow("long values cut on the right")
        << locale_punto()
        << QList<double>{-123456789.25, 1234567890.5, 123456789, 12345.6, 123456, 12345.6789}
        << QStringList{"-123456789.", "1234567890.5", "1234567", "12345.", "123456", "12345.6"};
}

void PruebaFormato::linea() {
    QFETCH(QLocale, locale);
    QFETCH(QList<double>, valores);
    QFETCH(QStringList, campos);
    const CasoDocumentado c{valores[0],
                            valores[1],
                            Fijo::desde(valores[2]),
                            Fijo::desde(valores[3]),
                            Fijo::desde(valores[4]),
                            Fijo::desde(valores[5])};
    QCOMPARE(linea_documento(c, locale), campos.join(QString()));
}

void PruebaFormato::texto_con_fin_linea_data() {
    QTest::addColumn<QByteArray>("contenido");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("empty file") << QByteArray() << "";
    QTest::newRow("last line without break") << QByteArray("uno\r\ndos") << "uno\r\ndos\r\n";
    QTest::newRow("blank and single-space lines")
        << QByteArray("a\r\n \r\n\r\nb\r\n") << "a\r\n \r\n\r\nb\r\n";
    QTest::newRow("one empty line") << QByteArray("\r\n") << "\r\n";
    QTest::newRow("LF or CR alone") << QByteArray("a\nb\rc") << "a\r\nb\r\nc\r\n";
}

void PruebaFormato::texto_con_fin_linea() {
    QFETCH(QByteArray, contenido);
    QFETCH(QString, esperado);
    QCOMPARE(::texto_con_fin_linea(contenido), esperado);
}

int correr_formato(int argc, char** argv) {
    PruebaFormato p;
    return QTest::qExec(&p, argc, argv);
}

#include "tst_formato.moc"
