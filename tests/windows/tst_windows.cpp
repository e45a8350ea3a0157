// The windows around the main one: the splash, the help texts, the pictures over
// the window, the model window, the clipboard copies, and the pictures the
// program draws itself.
#include "grafica/grafica.h"
#include "main/arranque.h"
#include "model/color_onda.h"
#include "tests/common/entorno.h"
#include "toolkit/picture_box.h"
#include "windows/dibujos.h"
#include "windows/presentacion.h"
#include "windows/ventana_modelo.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <tuple>

namespace {

// A plain picture of one colour, so that the overlay shows which one it holds.
void escribir_imagen(const CarpetaTrabajo& c, const char* nombre, QColor color) {
    QImage img(320, 198, QImage::Format_RGB32);
    img.fill(color);
    QVERIFY(img.save(c.ruta(QString::fromLatin1(nombre)), "BMP"));
}

QImage imagen_de(const Escena& e, const char* caja) {
    return e.control<PictureBox>(caja)->imagen().convertToFormat(QImage::Format_RGB32);
}

QColor centro(const QImage& img) {
    return img.pixelColor(img.width() / 2, img.height() / 2);
}

// Chooses the "Ver" entry `entrada` and returns the colour at the centre of the
// overlay, none if the overlay is not shown.
QColor mostrar(const Escena& e, const char* entrada) {
    e.elegir("menu_ver", QString::fromUtf8(entrada));
    return e.control("ilustracion")->isVisible() ? centro(imagen_de(e, "ilustracion")) : QColor();
}

// Whether the three buttons are all enabled (1), all disabled (0) or mixed (-1).
int botones(const Escena& e) {
    const int n = e.control("boton_graficar")->isEnabled() +
                  e.control("boton_limpiar")->isEnabled() + e.control("boton_salir")->isEnabled();
    return n == 3 ? 1 : n == 0 ? 0 : -1;
}

const char* const entradas_ver[] = {"Espectro de Luz Blanca", "Laboratorio", "Red y Pantalla"};

int distinto_de(const QImage& img, QColor fondo) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            n += img.pixelColor(x, y) != fondo;
        }
    }
    return n;
}

} // namespace

class PruebaVentanas : public QObject {
    Q_OBJECT
private slots:
    void splash_data() {
        QTest::addColumn<bool>("con_clic");
        QTest::newRow("a click ends it") << true;
        QTest::newRow("no click: it waits its time") << false;
    }

    void splash() {
        QFETCH(bool, con_clic);
        CarpetaTrabajo carpeta;
        Mensajes mensajes;
        Presentacion presentacion(con_clic ? 60000 : 150);
        QCOMPARE(presentacion.windowTitle(), QStringLiteral("Ondaris // Grupo Quenor"));
        bool visible_al_esperar = false;
        QTimer::singleShot(30, &presentacion, [&] {
            visible_al_esperar = presentacion.isVisible(); // its event loop runs while it waits
            if (con_clic) {
                QTest::mouseClick(buscar(&presentacion, "titulo"), Qt::LeftButton);
            }
        });
        QElapsedTimer reloj;
        reloj.start();
        const auto v = arrancar(presentacion);
        QVERIFY(con_clic ? reloj.elapsed() < 10000 : reloj.elapsed() >= 150);
        QCOMPARE(presentacion.cerrada_por_clic(), con_clic);
        QVERIFY(visible_al_esperar && !presentacion.isVisible() && v->isVisible());
        QCOMPARE(buscar<QLineEdit>(v.get(), "caja_ranuras")->text(), "5"); // loaded
        QCOMPARE(v->windowTitle(), QStringLiteral("Ondaris por N ranuras  //  Grupo Quenor"));
        QVERIFY(mensajes.textos.isEmpty());
    }

    // Each entry any number of times, the same bytes each time; the plotted curve,
    // the parameters and the buttons stay as they were.
    void ayuda() {
        Escena e;
        const std::pair<const char*, QString> textos[] = {
            {"&General",
             QStringLiteral(
                 "Configurar Color de pantalla en VERDADERO (24 bit)\r\n"
                 "o de ALTA DENSIDAD (16 bit 0 32 bit) \r\n"
                 "\r\n"
                 "La pantalla debe estar en 640 x 480 pixels\r\n"
                 "\r\n"
                 "Se grafica la Intensidad de onda luminosa\r\n"
                 "de la difracción de N ranuras, según modelo de Fraunhofer\r\n"
                 "\r\n"
                 "Los documentos de sesión (archivos .log) se guardan en la carpeta\r\n") +
                 QDir::toNativeSeparators(QFileInfo(e.carpeta.ruta("inic.dat")).path()) +
                 QStringLiteral("\r\ndonde están también los valores de inicio, \"inic.dat\".\r\n"
                                "\r\n")},
            {"&Unidades",
             QStringLiteral(
                 "Las longitudes (ancho, distancia y long. de onda) están en micrones\r\n"
                 "La Intensidad Máxima es el Valor relativo a una ranura de 1 micrón")},
            {"&Acerca de ...",
             QStringLiteral("Programa para Enseñanza de la Física\r\n"
                            "Grupo Quenor\r\n"
                            "Autores: equipo de desarrollo de Ondaris (Grupo Quenor)\r\n"
                            "e-mail ondaris@example.org\r\n"
                            "\r\n"
                            "Comuniquese para obtener mayor información,\r\n"
                            "nuevas versiones y otros programas")}};
        e.graficar();
        const Parametros parametros = e.parametros();
        const QImage grafica = imagen_de(e, "grafica");
        const QList<QAction*> acciones = e.control<QMenu>("menu_ayuda")->actions();
        QCOMPARE(acciones.size(), 4);
        QVERIFY(acciones[2]->isSeparator());
        for (int i = 0; i < 6; ++i) {
            e.elegir("menu_ayuda", QString::fromUtf8(textos[i / 2].first));
            QCOMPARE(e.mensajes.textos.size(), i + 1);
            QCOMPARE(e.mensajes.textos.last().toUtf8(), textos[i / 2].second.toUtf8());
        }
        QVERIFY(e.parametros() == parametros);
        QCOMPARE(imagen_de(e, "grafica"), grafica);
        QCOMPARE(botones(e), 1);
    }

    // The "Ver" pictures replace one another, the band options in view under
    // them; a click or Escape closes them. One that cannot be shown is reported by
    // its file's name and closes the overlay, also with a picture shown before.
    void ilustraciones() {
        Escena e;
        const char* const archivos[] = {"espectro.bmp", "lab.bmp", "pantalla.bmp"};
        const auto no_se_muestra = [&](int i) {
            QCOMPARE(mostrar(e, entradas_ver[i]), QColor());
            QCOMPARE(e.mensajes.textos.size(), 1);
            const QString t = e.mensajes.textos.takeFirst();
            QVERIFY2(t.contains(QStringLiteral("\"%1\"").arg(archivos[i])), qPrintable(t));
            QCOMPARE(botones(e), 1);
        };
        for (int i = 0; i < 3; ++i) {
            no_se_muestra(i); // missing
        }
        escribir_imagen(e.carpeta, "lab.bmp", Qt::red);
        escribir_imagen(e.carpeta, "pantalla.bmp", Qt::blue);
        escribir_imagen(e.carpeta, "espectro.bmp", Qt::green);
        auto* ilustracion = e.control("ilustracion");
        auto* separadas = e.control<QRadioButton>("opcion_bandas_separadas");
        e.graficar();
        QCOMPARE(mostrar(e, "Laboratorio"), QColor(Qt::red));
        QCOMPARE(botones(e), 0);
        const QRect opcion(separadas->mapTo(ilustracion->parentWidget(), QPoint()),
                           separadas->size());
        QVERIFY(separadas->isVisible() && !ilustracion->geometry().intersects(opcion));
        QCOMPARE(mostrar(e, "Red y Pantalla"), QColor(Qt::blue));
        // The spectrum twice: the second time loads the file again.
        QCOMPARE(mostrar(e, "Espectro de Luz Blanca"), QColor(Qt::green));
        escribir_imagen(e.carpeta, "espectro.bmp", Qt::magenta);
        QCOMPARE(mostrar(e, "Espectro de Luz Blanca"), QColor(Qt::magenta));

        // One click closes whatever was opened; what was under it is as it was.
        const QImage debajo = imagen_de(e, "grafica"), bandas = imagen_de(e, "sector_ampliado");
        clic(ilustracion);
        QVERIFY(!ilustracion->isVisible());
        QCOMPARE(botones(e), 1);
        QCOMPARE(imagen_de(e, "grafica"), debajo);
        QCOMPARE(imagen_de(e, "sector_ampliado"), bandas);
        QVERIFY(e.mensajes.textos.isEmpty());

        // Escape, whichever control has the keyboard: the keyboard goes back where
        // it was, and the box under the picture keeps its value.
        auto* caja = e.control<QLineEdit>("caja_ranuras");
        caja->setFocus();
        QCOMPARE(mostrar(e, "Laboratorio"), QColor(Qt::red));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!ilustracion->isVisible());
        QCOMPARE(QApplication::focusWidget(), caja);
        mostrar(e, "Laboratorio");
        caja->setFocus(); // as Tab can take it under the picture
        QTest::keyClick(caja, Qt::Key_Escape);
        QVERIFY(!ilustracion->isVisible());
        QCOMPARE(caja->text(), QStringLiteral("5"));
        QCOMPARE(mostrar(e, "Laboratorio"), QColor(Qt::red));
        e.carpeta.escribir("lab.bmp", e.carpeta.leer("lab.bmp").left(3000)); // cut short
        no_se_muestra(1);
    }

    // The model window: its file read again at each activation, as far as it can
    // be read, every line ending in CR LF and blank lines kept; "Salir" and
    // Escape hide it for the next time; a file that is not there, or a folder in
    // its place, is reported once.
    void ventana_del_modelo() {
        Escena e;
        const auto modelo = [&] { return e->findChild<VentanaModelo*>(); };
        const auto ver_modelo = [&] { e.elegir("menu_ver", "Modelo utilizado"); };
        // What the text box shows, with its line breaks as CR LF again.
        const auto texto = [&] {
            return buscar<QPlainTextEdit>(modelo(), "texto")->toPlainText().replace("\n", "\r\n");
        };
        const auto reactivar = [&] { // the main window clicked, then the model window
            e->activateWindow();
            QTRY_VERIFY(e->isActiveWindow());
            modelo()->activateWindow();
        };
        QVERIFY(!modelo());
        QVERIFY(QDir().mkdir(e.carpeta.ruta("Modelo2.txt")));
        ver_modelo();
        QCOMPARE(e.mensajes.textos,
                 QStringList{"No se puede leer el archivo \"Modelo2.txt\": es una carpeta."});
        QVERIFY(!modelo() || !modelo()->isVisible());

        QVERIFY(QDir().rmdir(e.carpeta.ruta("Modelo2.txt")));
        e.carpeta.escribir("Modelo2.txt", "Primera línea\r\nÚltima sin salto");
        ver_modelo();
        const QPointer<VentanaModelo> m = modelo();
        QVERIFY(m);
        QTRY_VERIFY(m->isVisible());
        QCOMPARE(texto(), QStringLiteral("Primera línea\r\nÚltima sin salto\r\n"));
        const QFont letra = buscar(m, "texto")->font();
        QVERIFY(letra.family() == "Courier New" || letra.families().contains("Liberation Mono"));
        QCOMPARE(letra.pointSize(), 9);
        const std::tuple<QObject*, QAccessible::Role, const char*> leidos[] = {
            {m, QAccessible::Window, "Modelo"},
            {buscar(m, "texto"), QAccessible::EditableText, "Descripción del modelo"},
            {buscar(m, "dibujo"), QAccessible::Graphic, "Ilustración del modelo"},
            {buscar(m, "boton_salir"), QAccessible::Button, "Salir"}};
        for (const auto& [o, rol, nombre] : leidos) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(o);
            QVERIFY(a);
            QCOMPARE(a->role(), rol);
            QCOMPARE(a->text(QAccessible::Name), QString::fromUtf8(nombre));
        }

        // The main window stays usable meanwhile.
        QTRY_VERIFY(m->isActiveWindow());
        // Bytes that are not UTF-8 text, and NULs: shown past them.
        e.carpeta.escribir("Modelo2.txt",
                           QByteArray("\nDifracci\xF3n \x80\xFF\n\0\0\x01\nfin\n", 23));
        QCOMPARE(texto(), QStringLiteral("Primera línea\r\nÚltima sin salto\r\n"));
        reactivar();
        QTRY_VERIFY2(texto().startsWith("\r\nDifracci") && texto().endsWith("\r\nfin\r\n"),
                     qPrintable(texto()));
        e.carpeta.escribir("Modelo2.txt", QByteArray());
        reactivar();
        QTRY_COMPARE(texto(), QString());

        clic(buscar(m, "boton_salir"));
        QVERIFY(!m->isVisible());
        e.carpeta.escribir("Modelo2.txt", "dos\n");
        ver_modelo();
        QCOMPARE(e->findChildren<VentanaModelo*>(), QList<VentanaModelo*>{m});
        QTRY_VERIFY(m->isActiveWindow());
        QCOMPARE(texto(), QStringLiteral("dos\r\n"));
        QTest::keyClick(buscar(m, "texto"), Qt::Key_Escape);
        QVERIFY(!m->isVisible());
        ver_modelo();
        QCOMPARE(e.mensajes.textos.size(), 1);

        // The text goes while the window is shown: reported once, and the window
        // goes rather than coming back to report again.
        QTRY_VERIFY(m->isActiveWindow());
        QVERIFY(QFile::remove(e.carpeta.ruta("Modelo2.txt")));
        reactivar();
        QTRY_VERIFY(!m->isVisible());
        QCoreApplication::processEvents();
        QCOMPARE(e.mensajes.textos.size(), 2);
        QVERIFY(e.mensajes.textos[1].contains("\"Modelo2.txt\""));
    }

    void copias_reemplazan_el_portapapeles() {
        Escena e;
        QClipboard* portapapeles = QGuiApplication::clipboard();
        const auto imagen = [&] {
            return portapapeles->image().convertToFormat(QImage::Format_RGB32);
        };
        // Something of every kind on the clipboard for the copy to replace, then the entry.
        const auto copiar = [&](const char* entrada) {
            auto* previo = new QMimeData;
            previo->setText(QStringLiteral("texto anterior"));
            QImage img(8, 8, QImage::Format_RGB32);
            img.fill(Qt::yellow);
            previo->setImageData(img);
            portapapeles->setMimeData(previo);
            e.elegir("menu_copiar", QString::fromUtf8(entrada));
        };
        const QColor fondo(224, 224, 224);
        // Each picture as its box shows it, the text as the graph wrote it, neither
        // leaving the other kind behind; with nothing plotted, background and no text.
        const auto copias = [&](int curvas) {
            for (const auto& [entrada, caja, lleno] :
                 {std::tuple{"Espectro de pantalla", "sector_ampliado", true},
                  std::tuple{"Gráfica de Intensidades", "grafica", false}}) {
                copiar(entrada);
                QVERIFY(!portapapeles->mimeData()->hasText());
                QCOMPARE(imagen(), imagen_de(e, caja));
                const int w = imagen().width(), pintados = distinto_de(imagen(), fondo);
                QVERIFY(curvas == 0 ? pintados == 0
                                    : pintados > (lleno ? w * imagen().height() / 2 : w));
            }
            copiar("Datos de Red y Luz incidente");
            QVERIFY(!portapapeles->mimeData()->hasImage());
            QCOMPARE(portapapeles->text(), e.grafica().datos());
            QCOMPARE(portapapeles->text().count(QStringLiteral("Longitud de Onda: ")), curvas);
        };
        copias(0);
        e.graficar();
        e.graficar();
        copias(2);
        e.limpiar(); // the copies are empty again
        copias(0);
    }

    void dibujos() {
        // The spectrum's band runs from 0.38 at its left edge to 0.78 at its right;
        // the pixel column of L has the colour the program gives L (or its
        // neighbour's, a column away at most).
        const QSize tam(1600, 990);
        QImage img(tam, QImage::Format_RGB32);
        img.fill(Qt::white);
        {
            QPainter p(&img);
            dibujar_espectro(p, tam);
        }
        const QRectF franja = franja_espectro(tam);
        const int y = static_cast<int>(franja.center().y());
        for (double L :
             {0.385, 0.40, 0.43, 0.47, 0.50, 0.53, 0.55, 0.58, 0.60, 0.65, 0.70, 0.775}) {
            const int x =
                static_cast<int>(std::floor(franja.left() + (L - 0.38) / 0.4 * franja.width()));
            const Color c = color_de_onda(Fijo::desde(L)).compuesto();
            const auto igual = [&](QColor en) {
                return std::abs(en.red() - c.rojo()) <= 4 &&
                       std::abs(en.green() - c.verde()) <= 4 && std::abs(en.blue() - c.azul()) <= 4;
            };
            QVERIFY2(
                igual(img.pixelColor(x - 1, y)) || igual(img.pixelColor(x, y)) ||
                    igual(img.pixelColor(x + 1, y)),
                qPrintable(QStringLiteral("no column near %1 has L = %2's colour").arg(x).arg(L)));
        }
        // Greyed magnifiers hold greys only; active ones have colour; the plus sign
        // is not the minus sign.
        for (bool activa : {true, false}) {
            const QImage acercar = imagen_lupa(true, activa), alejar = imagen_lupa(false, activa);
            QVERIFY(acercar != alejar);
            QCOMPARE(acercar.allGray(), !activa);
            QCOMPARE(alejar.allGray(), !activa);
        }
        // The model illustration: one bit per pixel, a drawing, not a blank or a filled box.
        const QImage modelo = imagen_modelo();
        QCOMPARE(modelo.size(), QSize(456, 156));
        QCOMPARE(modelo.depth(), 1);
        const int negros = modelo.width() * modelo.height() - distinto_de(modelo, Qt::black);
        QVERIFY(negros > 1000 && negros < modelo.width() * modelo.height() / 3);

        // The pictures written, and a picture file drawn afresh only when it holds
        // the program's own picture, not another, an edited or a resized one.
        CarpetaTrabajo carpeta;
        QVERIFY(guardar_dibujos(carpeta.ruta(QString())).isEmpty());
        for (const char* n : {"espectro.bmp", "pantalla.bmp", "LupaOuSi.bmp", "LupaOuNo.bmp",
                              "LupaInSi.bmp", "LupaInNo.bmp"}) {
            QCOMPARE(QImage(carpeta.ruta(n)).size(),
                     n[0] == 'L' ? QSize(16, 16) : tamano_ilustracion);
        }
        const QImage lab(carpeta.ruta("lab.bmp"));
        QVERIFY(es_dibujo_de(lab, dibujar_laboratorio));
        QVERIFY(!es_dibujo_de(lab, dibujar_red_pantalla));
        QImage retocada = lab;
        QPainter(&retocada).fillRect(800, 500, 40, 40, Qt::white);
        QVERIFY(!es_dibujo_de(retocada, dibujar_laboratorio));
        QVERIFY(!es_dibujo_de(lab.scaled(800, 495), dibujar_laboratorio));
    }

    // The program's pictures have the pixels the screen gives their place, never
    // a picture of one pixel a pixel enlarged: the overlay of a file the program
    // wrote is its painter's drawing at the box's device pixels, and the model's
    // illustration is drawn at the device pixel ratio. (Run at 2x too by ctest.)
    void dibujos_a_los_pixeles_de_la_pantalla() {
        Escena e;
        const double escala =
            qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
        QVERIFY(guardar_dibujos(e.carpeta.ruta(QString())).isEmpty());
        const Pintor pintores[] = {dibujar_espectro, dibujar_laboratorio, dibujar_red_pantalla};
        auto* ilustracion = e.control<PictureBox>("ilustracion");
        for (int i = 0; i < 3; ++i) {
            mostrar(e, entradas_ver[i]);
            QCOMPARE(ilustracion->devicePixelRatioF(), escala);
            const QImage vista = imagen_de(e, "ilustracion");
            QCOMPARE(vista.size(), ilustracion->size() * escala);
            const QSize tam = tamano_ilustracion.scaled(vista.size(), Qt::KeepAspectRatio);
            QImage dibujo(tam, QImage::Format_RGB32);
            dibujo.fill(Qt::white);
            QPainter p(&dibujo);
            pintores[i](p, tam);
            p.end();
            const QPoint origen((vista.width() - tam.width()) / 2,
                                (vista.height() - tam.height()) / 2);
            QVERIFY2(vista.copy(QRect(origen, tam)) == dibujo, entradas_ver[i]);
        }
        QVERIFY(e.mensajes.textos.isEmpty());

        e.carpeta.escribir("Modelo2.txt", "texto\n");
        e.elegir("menu_ver", "Modelo utilizado");
        auto* modelo = buscar<PictureBox>(e->findChild<VentanaModelo*>(), "dibujo");
        QImage esperada = imagen_modelo(escala).convertToFormat(QImage::Format_RGB32);
        esperada.setDevicePixelRatio(1); // the box's picture counts device pixels
        QCOMPARE(modelo->imagen().convertToFormat(QImage::Format_RGB32), esperada);
        QCOMPARE(imagen_modelo(2).devicePixelRatio(), 2.0);
    }
};

QTEST_MAIN(PruebaVentanas)

#include "tst_windows.moc"
