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

QColor centro_de(PictureBox* p) {
    const QImage img = p->imagen();
    return img.pixelColor(img.width() / 2, img.height() / 2);
}

bool botones_habilitados(const Form1& f) {
    return f.Command1->isEnabled() && f.Command2->isEnabled() && f.Command3->isEnabled();
}

bool botones_deshabilitados(const Form1& f) {
    return !f.Command1->isEnabled() && !f.Command2->isEnabled() && !f.Command3->isEnabled();
}

} // namespace

void PruebaVentanas::ilustraciones_se_reemplazan_y_un_clic_las_cierra() {
    CarpetaTrabajo carpeta;
    escribir_imagen(carpeta, QStringLiteral("lab.bmp"), Qt::red);
    escribir_imagen(carpeta, QStringLiteral("pantalla.bmp"), Qt::blue);
    Mensajes mensajes;
    auto f = abrir_form1();
    graficar(f.get());
    const QImage grafica = f->Picture1->imagen();
    QVERIFY(!f->Picture5->isVisible());
    QVERIFY(f->Option1[0]->isChecked());

    elegir(f.get(), f->menu_separacion, f->menu_imagen1);
    QVERIFY(f->Picture5->isVisible());
    QCOMPARE(centro_de(f->Picture5), QColor(Qt::red));
    QVERIFY(f->banda_unica_previa);
    QVERIFY(botones_deshabilitados(*f));
    // "Graficar" cannot be pressed while the picture is shown.
    graficar(f.get());
    QCOMPARE(f->g.ncurvas, 1);
    QCOMPARE(f->Picture1->imagen(), grafica);

    // The band options stay in view under the picture; the mode chosen now is
    // the one the next picture remembers.
    QTest::mouseClick(f->Option1[1], Qt::LeftButton);
    QVERIFY(f->Option1[1]->isChecked());
    elegir(f.get(), f->menu_separacion, f->menu_imagen2);
    QVERIFY(f->Picture5->isVisible());
    QCOMPARE(centro_de(f->Picture5), QColor(Qt::blue));
    QVERIFY(!f->banda_unica_previa);
    QVERIFY(botones_deshabilitados(*f));

    QTest::mouseClick(f->Picture5, Qt::LeftButton);
    QVERIFY(!f->Picture5->isVisible());
    QVERIFY(botones_habilitados(*f));
    QVERIFY(mensajes.textos.isEmpty());
    graficar(f.get());
    QCOMPARE(f->g.ncurvas, 1);
}

void PruebaVentanas::espectro_dos_veces_se_cierra_con_un_clic() {
    CarpetaTrabajo carpeta;
    escribir_imagen(carpeta, QStringLiteral("espectro.bmp"), Qt::green);
    Mensajes mensajes;
    auto f = abrir_form1();
    graficar(f.get());
    const QImage grafica = f->Picture1->imagen();
    const QImage bandas = f->Picture2->imagen();
    elegir(f.get(), f->menu_separacion, f->menu_paleta);
    // A new file between the two openings shows that the second one loads again.
    escribir_imagen(carpeta, QStringLiteral("espectro.bmp"), Qt::magenta);
    elegir(f.get(), f->menu_separacion, f->menu_paleta);
    QVERIFY(f->Picture5->isVisible());
    QCOMPARE(centro_de(f->Picture5), QColor(Qt::magenta));
    QVERIFY(botones_deshabilitados(*f));
    QTest::mouseClick(f->Picture5, Qt::LeftButton);
    QVERIFY(!f->Picture5->isVisible());
    QVERIFY(botones_habilitados(*f));
    QVERIFY(mensajes.textos.isEmpty());
    // What was under the picture is as it was.
    QCOMPARE(f->Picture1->imagen(), grafica);
    QCOMPARE(f->Picture2->imagen(), bandas);
}

void PruebaVentanas::ilustracion_que_no_se_puede_mostrar_data() {
    QTest::addColumn<int>("entrada");
    QTest::addColumn<QString>("archivo");
    QTest::addColumn<QByteArray>("contenido"); // empty: no file at all
    QTest::addColumn<bool>("antes_otra");      // another picture is shown already
    QTest::newRow("espectro falta") << 0 << "espectro.bmp" << QByteArray() << false;
    QTest::newRow("lab falta") << 1 << "lab.bmp" << QByteArray() << false;
    QTest::newRow("pantalla falta") << 2 << "pantalla.bmp" << QByteArray() << false;
    QTest::newRow("lab no es una imagen")
        << 1 << "lab.bmp" << QByteArray("BM no es una imagen") << false;
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
        elegir(f.get(), f->menu_separacion, f->menu_imagen1);
        QVERIFY(f->Picture5->isVisible());
    }
    QAction* acciones[] = {f->menu_paleta, f->menu_imagen1, f->menu_imagen2};
    elegir(f.get(), f->menu_separacion, acciones[entrada]);
    QCOMPARE(mensajes.textos.size(), 1);
    QVERIFY2(mensajes.textos[0].contains(QLatin1Char('"') + archivo + QLatin1Char('"')),
             qPrintable(mensajes.textos[0]));
    QVERIFY(!f->Picture5->isVisible());
    QVERIFY(botones_habilitados(*f));
}

void PruebaVentanas::dibujos_del_programa_en_la_superposicion() {
    CarpetaTrabajo carpeta;
    QVERIFY(guardar_dibujos(carpeta.ruta(QString())).isEmpty());
    Mensajes mensajes;
    auto f = abrir_form1();
    QImage anterior;
    for (QAction* a : {f->menu_paleta, f->menu_imagen1, f->menu_imagen2}) {
        elegir(f.get(), f->menu_separacion, a);
        QVERIFY(f->Picture5->isVisible());
        const QImage vista = f->Picture5->imagen();
        QVERIFY(vista != anterior);
        anterior = vista;
    }
    QVERIFY(mensajes.textos.isEmpty());
    for (const char* nombre : {"espectro.bmp", "lab.bmp", "pantalla.bmp"}) {
        const QImage img(carpeta.ruta(QString::fromLatin1(nombre)));
        QCOMPARE(img.size(), QSize(1600, 990));
    }
    for (const char* nombre : {"LupaOuSi.bmp", "LupaOuNo.bmp", "LupaInSi.bmp", "LupaInNo.bmp"}) {
        const QImage img(carpeta.ruta(QString::fromLatin1(nombre)));
        QCOMPARE(img.size(), QSize(16, 16));
    }
}
