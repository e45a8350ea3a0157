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

// Puts something of every kind on the clipboard, for the copy to replace, and
// then chooses the entry `accion` of "Edición".
void copiar(Form1* f, QAction* accion) {
    auto* previo = new QMimeData;
    previo->setText(QStringLiteral("texto anterior"));
    QImage img(8, 8, QImage::Format_RGB32);
    img.fill(Qt::yellow);
    previo->setImageData(img);
    QGuiApplication::clipboard()->setMimeData(previo);
    elegir(f, f->menu_edicion, accion);
}

int distinto_del_fondo(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            n += img.pixelColor(x, y) != QColor(224, 224, 224);
        }
    }
    return n;
}

} // namespace

void PruebaVentanas::copias_reemplazan_el_portapapeles() {
    CarpetaTrabajo carpeta;
    auto f = abrir_form1();
    QClipboard* portapapeles = QGuiApplication::clipboard();
    const auto imagen = [&] { return portapapeles->image().convertToFormat(QImage::Format_RGB32); };
    const auto de_caja = [](PictureBox* c) {
        return c->imagen().convertToFormat(QImage::Format_RGB32);
    };

    // Before any plot: each picture as its box shows it, the size it has on
    // screen, background only; the data text is empty, and so is the clipboard's.
    for (auto [accion, caja] : {std::pair{f->menu_copiar_patron, f->Picture2},
                                std::pair{f->menu_copiar_grafica, f->Picture1}}) {
        copiar(f.get(), accion);
        QVERIFY(!portapapeles->mimeData()->hasText());
        QCOMPARE(portapapeles->image().size(), caja->size() * caja->devicePixelRatioF());
        QCOMPARE(imagen(), de_caja(caja));
        QCOMPARE(imagen().pixelColor(imagen().width() / 2, imagen().height() / 2),
                 QColor(224, 224, 224));
    }
    copiar(f.get(), f->menu_copiar_datos);
    QVERIFY(!portapapeles->mimeData()->hasImage());
    QCOMPARE(portapapeles->text(), QString());

    graficar(f.get());
    graficar(f.get());
    QCOMPARE(f->g.ncurvas, 2);
    copiar(f.get(), f->menu_copiar_grafica);
    QCOMPARE(imagen(), de_caja(f->Picture1));
    QVERIFY(distinto_del_fondo(imagen()) > imagen().width());
    copiar(f.get(), f->menu_copiar_patron);
    QCOMPARE(imagen(), de_caja(f->Picture2));
    QVERIFY(distinto_del_fondo(imagen()) > imagen().width() * imagen().height() / 2);
    // The text of both cases, as the graph wrote it; no picture stays behind.
    copiar(f.get(), f->menu_copiar_datos);
    QVERIFY(!portapapeles->mimeData()->hasImage());
    QCOMPARE(portapapeles->text(), f->datos);
    QVERIFY(f->datos.startsWith(QStringLiteral("Angulo Mínimo: ")));
    QCOMPARE(f->datos.count(QStringLiteral("Longitud de Onda: ")), 2);

    // After "Limpiar" the copies are empty again.
    QTest::mouseClick(f->Command2, Qt::LeftButton);
    copiar(f.get(), f->menu_copiar_datos);
    QCOMPARE(portapapeles->text(), QString());
    copiar(f.get(), f->menu_copiar_grafica);
    QCOMPARE(distinto_del_fondo(imagen()), 0);
}
