#include "tests/windows/prueba_ventanas.h"

#include "main/form1.h"
#include "tests/common/entorno.h"
#include "toolkit/picture_box.h"
#include "windows/modelo2.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// What the text box shows, with its line breaks as CR LF again.
QString texto_de(const Modelo2* m) {
    return m->Text1->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

// Makes the main window the active one and then the model window, as a user
// does by clicking one and then the other.
void reactivar(Form1* f, Modelo2* m) {
    f->activateWindow();
    QTRY_VERIFY(f->isActiveWindow());
    m->activateWindow();
    QTRY_VERIFY(m->isActiveWindow());
}

} // namespace

void PruebaVentanas::leer_modelo_data() {
    QTest::addColumn<QByteArray>("archivo");
    QTest::addColumn<QString>("texto");
    QTest::newRow("vacío") << QByteArray() << QString();
    QTest::newRow("última línea sin salto")
        << QByteArray("uno\r\ndos") << QStringLiteral("uno\r\ndos\r\n");
    QTest::newRow("saltos CR LF") << QByteArray("uno\r\ndos\r\n")
                                  << QStringLiteral("uno\r\ndos\r\n");
    QTest::newRow("saltos LF") << QByteArray("uno\ndos\n") << QStringLiteral("uno\r\ndos\r\n");
    QTest::newRow("líneas vacías")
        << QByteArray("\r\n\r\nfin") << QStringLiteral("\r\n\r\nfin\r\n");
    QTest::newRow("acentos") << QByteArray("Difracción θ cos²θ\n")
                             << QStringLiteral("Difracción θ cos²θ\r\n");
}

void PruebaVentanas::leer_modelo() {
    QFETCH(QByteArray, archivo);
    QFETCH(QString, texto);
    CarpetaTrabajo carpeta;
    carpeta.escribir(QStringLiteral("Modelo2.txt"), archivo);
    const QString leido = ::leer_modelo(QStringLiteral("Modelo2.txt"));
    QVERIFY(!leido.isNull());
    QCOMPARE(leido, texto);
    QVERIFY(::leer_modelo(QStringLiteral("no_existe.txt")).isNull());
}

void PruebaVentanas::modelo_relee_el_texto_en_cada_activacion() {
    CarpetaTrabajo carpeta;
    carpeta.escribir(QStringLiteral("Modelo2.txt"), "Primera línea\r\nÚltima sin salto");
    Mensajes mensajes;
    auto f = abrir_form1();
    QVERIFY(!f->modelo2());
    elegir(f.get(), f->menu_separacion, f->menu_modelo);
    Modelo2* m = f->modelo2();
    QVERIFY(m);
    QTRY_VERIFY(m->isVisible());
    QCOMPARE(m->windowTitle(), QStringLiteral("Modelo"));
    QCOMPARE(texto_de(m), QStringLiteral("Primera línea\r\nÚltima sin salto\r\n"));
    QVERIFY(m->Text1->font().family() == QStringLiteral("Courier New") ||
            m->Text1->font().families().contains(QStringLiteral("Liberation Mono")));
    QCOMPARE(m->Text1->font().pointSize(), 9);

    // The main window stays usable while the model window is shown.
    QTRY_VERIFY(m->isActiveWindow());
    carpeta.escribir(QStringLiteral("Modelo2.txt"), "Texto corregido\n");
    QCOMPARE(texto_de(m), QStringLiteral("Primera línea\r\nÚltima sin salto\r\n"));
    reactivar(f.get(), m);
    QCOMPARE(texto_de(m), QStringLiteral("Texto corregido\r\n"));

    carpeta.escribir(QStringLiteral("Modelo2.txt"), QByteArray());
    reactivar(f.get(), m);
    QCOMPARE(m->Text1->toPlainText(), QString());
    QVERIFY(mensajes.textos.isEmpty());
}

void PruebaVentanas::modelo_salir_oculta_y_conserva_la_ventana() {
    CarpetaTrabajo carpeta;
    carpeta.escribir(QStringLiteral("Modelo2.txt"), "uno\n");
    Mensajes mensajes;
    auto f = abrir_form1();
    elegir(f.get(), f->menu_separacion, f->menu_modelo);
    Modelo2* m = f->modelo2();
    QTRY_VERIFY(m->isVisible());
    QCOMPARE(m->Command1->text(), QStringLiteral("Salir"));
    QTest::mouseClick(m->Command1, Qt::LeftButton);
    QVERIFY(!m->isVisible());

    carpeta.escribir(QStringLiteral("Modelo2.txt"), "dos\n");
    elegir(f.get(), f->menu_separacion, f->menu_modelo);
    QCOMPARE(f->modelo2(), m);
    QTRY_VERIFY(m->isVisible());
    QCOMPARE(texto_de(m), QStringLiteral("dos\r\n"));
    QVERIFY(mensajes.textos.isEmpty());
}

void PruebaVentanas::modelo_sin_texto() {
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    elegir(f.get(), f->menu_separacion, f->menu_modelo);
    QCOMPARE(mensajes.textos,
             QStringList{QStringLiteral("No se puede leer el archivo \"Modelo2.txt\".")});
    QVERIFY(!f->modelo2() || !f->modelo2()->isVisible());

    // Once the file is there the same entry shows it.
    carpeta.escribir(QStringLiteral("Modelo2.txt"), "ya está\n");
    elegir(f.get(), f->menu_separacion, f->menu_modelo);
    QTRY_VERIFY(f->modelo2()->isVisible());
    QCOMPARE(texto_de(f->modelo2()), QStringLiteral("ya está\r\n"));
    QCOMPARE(mensajes.textos.size(), 1);
}

void PruebaVentanas::modelo_pierde_el_texto_mientras_se_ve() {
    CarpetaTrabajo carpeta;
    carpeta.escribir(QStringLiteral("Modelo2.txt"), "uno\n");
    Mensajes mensajes;
    auto f = abrir_form1();
    elegir(f.get(), f->menu_separacion, f->menu_modelo);
    Modelo2* m = f->modelo2();
    QTRY_VERIFY(m->isActiveWindow());
    QVERIFY(QFile::remove(carpeta.ruta(QStringLiteral("Modelo2.txt"))));
    f->activateWindow();
    QTRY_VERIFY(f->isActiveWindow());
    m->activateWindow();
    // Reported once, and the window goes rather than coming back to report again.
    QTRY_VERIFY(!m->isVisible());
    QCoreApplication::processEvents();
    QCOMPARE(mensajes.textos.size(), 1);
    QVERIFY(mensajes.textos[0].contains(QStringLiteral("\"Modelo2.txt\"")));
}
