#include "tests/windows/prueba_ventanas.h"

#include "main/form1.h"
#include "tests/common/entorno.h"
#include "toolkit/picture_box.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPushButton>
#include <QTest>

namespace {

// Something of every kind on the clipboard, for the copies to replace.
void llenar_portapapeles() {
    auto* previo = new QMimeData;
    previo->setText(QStringLiteral("texto anterior"));
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::yellow);
    previo->setImageData(img);
    QGuiApplication::clipboard()->setMimeData(previo);
    QVERIFY(QGuiApplication::clipboard()->mimeData()->hasText());
    QVERIFY(QGuiApplication::clipboard()->mimeData()->hasImage());
}

} // namespace

void PruebaVentanas::copias_reemplazan_el_portapapeles_data() {
    QTest::addColumn<int>("entrada");
    QTest::newRow("Espectro de pantalla") << 0;
    QTest::newRow("Gráfica de Intensidades") << 1;
    QTest::newRow("Datos de Red y Luz incidente") << 2;
}

void PruebaVentanas::copias_reemplazan_el_portapapeles() {
    QFETCH(int, entrada);
    CarpetaTrabajo carpeta;
    auto f = abrir_form1();
    QAction* acciones[] = {f->menu_copiar_patron, f->menu_copiar_grafica, f->menu_copiar_datos};
    llenar_portapapeles();
    elegir(f.get(), f->menu_edicion, acciones[entrada]);

    const QMimeData* datos = QGuiApplication::clipboard()->mimeData();
    QVERIFY(datos);
    if (entrada == 2) {
        // Before any plot the data text is empty, and so is the clipboard's text.
        QVERIFY(!datos->hasImage());
        QCOMPARE(QGuiApplication::clipboard()->text(), f->datos);
        QCOMPARE(QGuiApplication::clipboard()->text(), QString());
        return;
    }
    PictureBox* caja = entrada == 0 ? f->Picture2 : f->Picture1;
    QVERIFY(!datos->hasText());
    const QImage copia = QGuiApplication::clipboard()->image();
    // The picture as the box shows it: the size it has on screen, background only.
    QCOMPARE(copia.size(), caja->size() * caja->devicePixelRatioF());
    QCOMPARE(copia.convertToFormat(QImage::Format_RGB32),
             caja->imagen().convertToFormat(QImage::Format_RGB32));
    QCOMPARE(copia.pixelColor(copia.width() / 2, copia.height() / 2), QColor(224, 224, 224));
}

void PruebaVentanas::copias_despues_de_graficar() {
    CarpetaTrabajo carpeta;
    auto f = abrir_form1();
    graficar(f.get());
    graficar(f.get());
    QCOMPARE(f->g.ncurvas, 2);
    auto distinto_del_fondo = [](const QImage& img) {
        int n = 0;
        for (int y = 0; y < img.height(); ++y) {
            for (int x = 0; x < img.width(); ++x) {
                n += img.pixelColor(x, y) != QColor(224, 224, 224);
            }
        }
        return n;
    };

    llenar_portapapeles();
    elegir(f.get(), f->menu_edicion, f->menu_copiar_grafica);
    QImage copia = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(copia, f->Picture1->imagen().convertToFormat(QImage::Format_RGB32));
    QVERIFY(distinto_del_fondo(copia) > copia.width());

    elegir(f.get(), f->menu_edicion, f->menu_copiar_patron);
    copia = QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(copia, f->Picture2->imagen().convertToFormat(QImage::Format_RGB32));
    QVERIFY(distinto_del_fondo(copia) > copia.width() * copia.height() / 2);

    // The text of both cases, as the graph wrote it; no picture stays behind.
    elegir(f.get(), f->menu_edicion, f->menu_copiar_datos);
    QVERIFY(!QGuiApplication::clipboard()->mimeData()->hasImage());
    const QString texto = QGuiApplication::clipboard()->text();
    QCOMPARE(texto, f->datos);
    QVERIFY(texto.startsWith(QStringLiteral("Angulo Mínimo: ")));
    QCOMPARE(texto.count(QStringLiteral("Longitud de Onda: ")), 2);

    // After "Limpiar" the copies are empty again.
    QTest::mouseClick(f->Command2, Qt::LeftButton);
    elegir(f.get(), f->menu_edicion, f->menu_copiar_datos);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    elegir(f.get(), f->menu_edicion, f->menu_copiar_grafica);
    QCOMPARE(distinto_del_fondo(QGuiApplication::clipboard()->image()), 0);
}
