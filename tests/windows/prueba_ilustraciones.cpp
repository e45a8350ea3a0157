#include "tests/windows/prueba_ventanas.h"

#include "main/form1.h"
#include "tests/common/entorno.h"
#include "toolkit/picture_box.h"
#include "windows/dibujos.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

// A plain picture of one colour, so that the overlay shows which one it holds.
void escribir_imagen(const CarpetaTrabajo& c, const QString& nombre, QColor color) {
    QImage img(320, 198, QImage::Format_RGB32);
    img.fill(color);
    QVERIFY(img.save(c.ruta(nombre), "BMP"));
}

// Shows the overlay picture of the "Ver" entry `entrada` and returns the colour at its centre.
QColor mostrar(Form1* f, QAction* entrada) {
    elegir(f, f->menu_separacion, entrada);
    const QImage img = f->Picture5->imagen();
    return img.pixelColor(img.width() / 2, img.height() / 2);
}

// Whether the three buttons are all enabled (1), all disabled (0) or mixed (-1).
int botones(const Form1& f) {
    const int n = f.Command1->isEnabled() + f.Command2->isEnabled() + f.Command3->isEnabled();
    return n == 3 ? 1 : n == 0 ? 0 : -1;
}

} // namespace

void PruebaVentanas::ilustraciones_se_reemplazan_y_un_clic_las_cierra() {
    CarpetaTrabajo carpeta;
    escribir_imagen(carpeta, QStringLiteral("lab.bmp"), Qt::red);
    escribir_imagen(carpeta, QStringLiteral("pantalla.bmp"), Qt::blue);
    escribir_imagen(carpeta, QStringLiteral("espectro.bmp"), Qt::green);
    Mensajes mensajes;
    auto f = abrir_form1();
    graficar(f.get());
    const QImage grafica = f->Picture1->imagen();
    QVERIFY(!f->Picture5->isVisible());
    QVERIFY(f->Option1[0]->isChecked());

    QCOMPARE(mostrar(f.get(), f->menu_imagen1), QColor(Qt::red));
    QVERIFY(f->Picture5->isVisible());
    QVERIFY(f->banda_unica_previa);
    QCOMPARE(botones(*f), 0);
    // "Graficar" cannot be pressed while the picture is shown.
    graficar(f.get());
    QCOMPARE(f->g.ncurvas, 1);
    QCOMPARE(f->Picture1->imagen(), grafica);

    // The band options stay in view under the picture; the mode chosen now is
    // the one the next picture remembers.
    QTest::mouseClick(f->Option1[1], Qt::LeftButton);
    QVERIFY(f->Option1[1]->isChecked());
    const QImage debajo = f->Picture1->imagen(), bandas = f->Picture2->imagen();
    QCOMPARE(mostrar(f.get(), f->menu_imagen2), QColor(Qt::blue));
    QVERIFY(!f->banda_unica_previa);
    QCOMPARE(botones(*f), 0);

    // The spectrum twice: the second time loads the file again.
    QCOMPARE(mostrar(f.get(), f->menu_paleta), QColor(Qt::green));
    escribir_imagen(carpeta, QStringLiteral("espectro.bmp"), Qt::magenta);
    QCOMPARE(mostrar(f.get(), f->menu_paleta), QColor(Qt::magenta));
    QVERIFY(f->Picture5->isVisible());

    // One click closes whatever was opened; what was under it is as it was.
    QTest::mouseClick(f->Picture5, Qt::LeftButton);
    QVERIFY(!f->Picture5->isVisible());
    QCOMPARE(botones(*f), 1);
    QCOMPARE(f->Picture1->imagen(), debajo);
    QCOMPARE(f->Picture2->imagen(), bandas);
    QVERIFY(mensajes.textos.isEmpty());
    graficar(f.get());
    QCOMPARE(f->g.ncurvas, 1);
}

void PruebaVentanas::ilustracion_que_no_se_puede_mostrar_data() {
    QTest::addColumn<int>("entrada");
    QTest::addColumn<QString>("archivo");
    QTest::addColumn<QByteArray>("contenido"); // empty: no file at all
    QTest::addColumn<bool>("antes_otra");      // another picture is shown already
    QTest::newRow("espectro falta") << 0 << "espectro.bmp" << QByteArray() << false;
    QTest::newRow("lab falta") << 1 << "lab.bmp" << QByteArray() << false;
    QTest::newRow("pantalla falta") << 2 << "pantalla.bmp" << QByteArray() << false;
    QTest::newRow("lab no es una imagen") << 1 << "lab.bmp" << QByteArray("BM no es") << false;
    QTest::newRow("pantalla falta sobre lab") << 2 << "pantalla.bmp" << QByteArray() << true;
}

void PruebaVentanas::ilustracion_que_no_se_puede_mostrar() {
    QFETCH(int, entrada);
    QFETCH(QString, archivo);
    QFETCH(QByteArray, contenido);
    QFETCH(bool, antes_otra);
    CarpetaTrabajo carpeta;
    if (!contenido.isEmpty()) {
        carpeta.escribir(archivo, contenido);
    }
    if (antes_otra) {
        escribir_imagen(carpeta, QStringLiteral("lab.bmp"), Qt::red);
    }
    Mensajes mensajes;
    auto f = abrir_form1();
    if (antes_otra) {
        QCOMPARE(mostrar(f.get(), f->menu_imagen1), QColor(Qt::red));
    }
    QAction* acciones[] = {f->menu_paleta, f->menu_imagen1, f->menu_imagen2};
    elegir(f.get(), f->menu_separacion, acciones[entrada]);
    QCOMPARE(mensajes.textos.size(), 1);
    QVERIFY2(mensajes.textos[0].contains(QLatin1Char('"') + archivo + QLatin1Char('"')),
             qPrintable(mensajes.textos[0]));
    QVERIFY(!f->Picture5->isVisible());
    QCOMPARE(botones(*f), 1);
}

void PruebaVentanas::dibujos_del_programa_en_la_superposicion() {
    CarpetaTrabajo carpeta;
    QVERIFY(guardar_dibujos(carpeta.ruta(QString())).isEmpty());
    Mensajes mensajes;
    auto f = abrir_form1();
    QImage anterior;
    for (QAction* a : {f->menu_paleta, f->menu_imagen1, f->menu_imagen2}) {
        elegir(f.get(), f->menu_separacion, a);
        QVERIFY(f->Picture5->isVisible() && f->Picture5->imagen() != anterior);
        anterior = f->Picture5->imagen();
    }
    QVERIFY(mensajes.textos.isEmpty());
    for (const char* n : {"espectro.bmp", "lab.bmp", "pantalla.bmp", "LupaOuSi.bmp", "LupaOuNo.bmp",
                          "LupaInSi.bmp", "LupaInNo.bmp"}) {
        const QSize tam = QImage(carpeta.ruta(QString::fromLatin1(n))).size();
        QCOMPARE(tam, n[0] == 'L' ? QSize(16, 16) : QSize(1600, 990));
    }
}
