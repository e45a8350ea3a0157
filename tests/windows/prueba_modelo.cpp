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
}

} // namespace

void PruebaVentanas::leer_modelo() {
    CarpetaTrabajo carpeta;
    const std::pair<QByteArray, QString> casos[] = {
        {"", ""},
        {"uno\r\ndos", "uno\r\ndos\r\n"},
        {"uno\ndos\n", "uno\r\ndos\r\n"},
        {"\r\n\r\nfin", "\r\n\r\nfin\r\n"},
        {"Difracción θ cos²θ\n", QStringLiteral("Difracción θ cos²θ\r\n")}};
    for (const auto& [archivo, texto] : casos) {
        carpeta.escribir(QStringLiteral("Modelo2.txt"), archivo);
        const QString leido = ::leer_modelo(QStringLiteral("Modelo2.txt"));
        QVERIFY(!leido.isNull());
        QCOMPARE(leido, texto);
    }
    QVERIFY(::leer_modelo(QStringLiteral("no_existe.txt")).isNull());
}

void PruebaVentanas::ventana_del_modelo() {
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    auto f = abrir_form1();
    QVERIFY(!f->modelo2());
    elegir(f.get(), f->menu_separacion, f->menu_modelo);
    QCOMPARE(mensajes.textos,
             QStringList{QStringLiteral("No se puede leer el archivo \"Modelo2.txt\".")});
    QVERIFY(!f->modelo2() || !f->modelo2()->isVisible());

    // Once the file is there the same entry shows it.
    carpeta.escribir(QStringLiteral("Modelo2.txt"), "Primera línea\r\nÚltima sin salto");
    elegir(f.get(), f->menu_separacion, f->menu_modelo);
    Modelo2* m = f->modelo2();
    QVERIFY(m);
    QTRY_VERIFY(m->isVisible());
    QCOMPARE(m->windowTitle(), QStringLiteral("Modelo"));
    QCOMPARE(texto_de(m), QStringLiteral("Primera línea\r\nÚltima sin salto\r\n"));
    QVERIFY(m->Text1->font().family() == QStringLiteral("Courier New") ||
            m->Text1->font().families().contains(QStringLiteral("Liberation Mono")));
    QCOMPARE(m->Text1->font().pointSize(), 9);

    // The main window stays usable while the model window is shown, and each
    // activation reads the text again.
    QTRY_VERIFY(m->isActiveWindow());
    carpeta.escribir(QStringLiteral("Modelo2.txt"), "Texto corregido\n");
    QCOMPARE(texto_de(m), QStringLiteral("Primera línea\r\nÚltima sin salto\r\n"));
    reactivar(f.get(), m);
    QTRY_COMPARE(texto_de(m), QStringLiteral("Texto corregido\r\n"));
    carpeta.escribir(QStringLiteral("Modelo2.txt"), QByteArray());
    reactivar(f.get(), m);
    QTRY_COMPARE(m->Text1->toPlainText(), QString());

    // "Salir" hides the window and keeps it for the next time.
    QCOMPARE(m->Command1->text(), QStringLiteral("Salir"));
    QTest::mouseClick(m->Command1, Qt::LeftButton);
    QVERIFY(!m->isVisible());
    carpeta.escribir(QStringLiteral("Modelo2.txt"), "dos\n");
    elegir(f.get(), f->menu_separacion, f->menu_modelo);
    QCOMPARE(f->modelo2(), m);
    QTRY_VERIFY(m->isVisible());
    QCOMPARE(texto_de(m), QStringLiteral("dos\r\n"));
    QCOMPARE(mensajes.textos.size(), 1);

    // The text goes while the window is shown: reported once, and the window
    // goes rather than coming back to report again.
    QTRY_VERIFY(m->isActiveWindow());
    QVERIFY(QFile::remove(carpeta.ruta(QStringLiteral("Modelo2.txt"))));
    reactivar(f.get(), m);
    QTRY_VERIFY(!m->isVisible());
    QCoreApplication::processEvents();
    QCOMPARE(mensajes.textos.size(), 2);
    QVERIFY(mensajes.textos[1].contains(QStringLiteral("\"Modelo2.txt\"")));
}
