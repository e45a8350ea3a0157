// The main window's start-up (the start-up file and what the window shows
// after it) and the checks of "Graficar".
#include "entry/boton_spin.h"
#include "grafica/grafica.h"
#include "main/inic.h"
#include "tests/common/entorno.h"
#include "toolkit/picture_box.h"
#include "toolkit/texto.h"
#include "toolkit/toque.h"

#include "windows/ayuda.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>

#include <cmath>

#include <sys/stat.h>

namespace {

Fijo f(double x) {
    return Fijo::desde(x);
}

QStringList cajas(const Escena& e) {
    QStringList textos;
    for (Magnitud m : magnitudes) {
        textos << buscar<QLineEdit>(e.ventana.get(), nombre_caja(m))->text();
    }
    return textos;
}

// The most memory the process has held so far, in kilobytes.
qint64 pico_memoria() {
    QFile f(QStringLiteral("/proc/self/status"));
    f.open(QIODevice::ReadOnly);
    for (const QByteArray& l : f.readAll().split('\n')) {
        if (l.startsWith("VmHWM:")) {
            return l.mid(6).trimmed().split(' ').front().toLongLong();
        }
    }
    return 0;
}

const QString mensaje_senos =
    QStringLiteral("El valor mínimo del seno del ángulo debe ser menor que el máximo");
const QString mensaje_distancia =
    QStringLiteral("La distancia entre ranuras debe ser mayor que el ancho");

} // namespace

class PruebaPrincipal : public QObject {
    Q_OBJECT
private slots:
    void inic_mal_formado_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("dice");
        QTest::newRow("empty") << QString() << "0 números";
        QTest::newRow("short") << inic_con({}).section('\n', 0, 2) << "9 números";
        QTest::newRow("not a number") << inic_con({{3, "5, uno, 500"}}) << "«uno» del renglón 3";
        QTest::newRow("beyond its limits")
            << inic_con({{3, "600, 1, 500"}}) << "fuera de sus límites";
        QTest::newRow("limits reversed") << inic_con({{4, "2, 100, 0.1"}}) << "límite inferior";
        QTest::newRow("ends reversed")
            << inic_con({{1, "0.6, -2, 2"}, {2, "-0.6, -2, 2"}}) << "no es menor";
        QTest::newRow("N not whole") << inic_con({{3, "5.5, 1, 500"}}) << "entero";
        QTest::newRow("wavelength 0") << inic_con({{6, "0, 0, 0.78"}}) << "positivos";
        QTest::newRow("end off the strip") << inic_con({{2, "0.6, -2, 3"}}) << "entre -2 y 2";
        QTest::newRow("limit too large") << inic_con({{5, "10, 1, 100001"}}) << "demasiado grande";
        QTest::newRow("exponent of 20 digits")
            << inic_con({{1, "-0.6, -2, 1e99999999999999999999"}}) << "«1e99999999999999999999»";
        QTest::newRow("a 19th number") << inic_con({}) + "\n7"
                                       << "19 números";
        QTest::newRow("text after the 18th") << inic_con({}) + "\nfin del archivo"
                                             << "después de los 18 números sobra «fin";
        // A blank the number reader does not skip would make the value 0.
        QTest::newRow("a vertical tab") << inic_con({{1, "\v-0.6, -2, 2"}}) << "renglón 1 no es";
        // 100000 slits 100 micrometres apart: some 10⁸ samples a curve.
        QTest::newRow("too many samples") << inic_con({{3, "5, 1, 100000"}}) << "2000000";
    }

    void inic_mal_formado() {
        QFETCH(QString, texto);
        QFETCH(QString, dice);
        const LecturaInicio l = leer_inic(texto);
        QVERIFY2(l.error.contains(dice), qPrintable(l.error));
        QVERIFY(l.parametros == parametros_de_fabrica());
    }

    void inic_bien_formado() {
        // Blanks, CR LF and the shipped limits, wherever they stand.
        const LecturaInicio l = leer_inic(
            QStringLiteral("-0.5929,-1.5,1.5\r\n0.25 ,-1.5, 1.5\r\n7,1,500\r\n2.5,0.1,100\r\n"
                           "12.5,1,100\r\n0.6328,0.38,0.78\r\n"));
        QVERIFY2(l.error.isEmpty(), qPrintable(l.error));
        const Parametros& p = l.parametros;
        QCOMPARE(p.valor(Magnitud::inferior), f(-0.5929));
        QCOMPARE(p.minimo(Magnitud::inferior), f(-1.5));
        QCOMPARE(p.valor(Magnitud::ranuras), Fijo(7));
        QCOMPARE(p.maximo(Magnitud::ranuras), Fijo(500));
        QCOMPARE(p.valor(Magnitud::distancia), f(12.5));
        QCOMPARE(p.valor(Magnitud::onda), f(0.6328));
        QCOMPARE(leer_inic(QString::fromUtf8(CarpetaTrabajo::inic_normal)).parametros,
                 parametros_de_fabrica());
    }

    void arranque_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("inic");
        QTest::addColumn<QStringList>("textos");
        // The ends show their sines to two decimals: 0.6 / √1.36 = 0.5145, 0.55 / √1.3025 = 0.4819.
        QTest::newRow("point") << locale_punto() << inic_con({})
                               << QStringList{"-0.51", "0.51", "5", "2", "10", "0.55"};
        QTest::newRow("comma") << locale_coma() << inic_con({})
                               << QStringList{"-0,51", "0,51", "5", "2", "10", "0,55"};
        QTest::newRow("other sector")
            << locale_punto() << inic_con({{2, "0.55, -2, 2"}, {6, "0.6, 0.38, 0.78"}})
            << QStringList{"-0.51", "0.48", "5", "2", "10", "0.6"};
    }

    void arranque() {
        QFETCH(QLocale, locale);
        QFETCH(QString, inic);
        QFETCH(QStringList, textos);
        LocalePrueba l(locale);
        Escena e(inic);
        QCOMPARE(cajas(e), textos);
        QVERIFY(e.mensajes.textos.isEmpty());
        QCOMPARE(e.curvas(), 0);
        // The beam in the colour of the start-up wavelength (0.55: 102, 255, 0; 0.6: 255, 128, 0).
        auto* esquema = e.control<PictureBox>("esquema");
        const QColor haz = esquema->imagen().pixelColor(esquema->a_pixel({1.5, -0.565}).toPoint());
        QCOMPARE(haz, textos[5].endsWith('6') ? QColor(255, 128, 0) : QColor(102, 255, 0));
        QCOMPARE(e.control<QLineEdit>("caja_inferior")->palette().color(QPalette::Base),
                 QColor(Qt::white));
        auto* banda_unica = e.control<QRadioButton>("opcion_banda_unica");
        QVERIFY(banda_unica->isChecked());
        QCOMPARE(banda_unica->palette().color(QPalette::WindowText), QColor(Qt::red));
        QVERIFY(!e.control("aviso_seleccione")->isVisible());
        QVERIFY(!e.control("ilustracion")->isVisible());
        // "Graficar" plots the start-up case at once.
        e.graficar();
        QCOMPARE(e.curvas(), 1);
    }

    // The file as read from the working folder: CR alone ends lines as LF does,
    // also where the commas would be. Without one: told, and the factory values.
    void inic_con_cualquier_fin_de_linea_data() {
        QTest::addColumn<QString>("contenido"); // null: no file at all
        const QString texto = inic_con({{3, "7, 1, 500"}});
        QTest::newRow("CR") << QString(texto).replace("\n", "\r");
        QTest::newRow("CR, no commas") << QString(texto).replace("\n", "\r").replace(", ", "\r");
        QTest::newRow("missing") << QString();
    }
    void inic_con_cualquier_fin_de_linea() {
        QFETCH(QString, contenido);
        const CarpetaTrabajo c(contenido);
        const Mensajes mensajes;
        const Parametros p = parametros_de_inicio();
        if (contenido.isNull()) {
            QCOMPARE(mensajes.textos.size(), 1);
            const QString& m = mensajes.textos[0];
            QVERIFY2(m.contains("\"inic.dat\"") && m.contains("no existe"), qPrintable(m));
            QVERIFY(p == parametros_de_fabrica());
            return;
        }
        QCOMPARE(mensajes.textos, QStringList());
        QCOMPARE(p.valor(Magnitud::ranuras), Fijo(7));
        QCOMPARE(p.valor(Magnitud::onda), f(0.55));
    }

    // Start-up files that are no text file of a few lines: start-up ends at
    // once with the file's message and the defaults, never reading them whole.
    void arranque_con_archivos_raros_data() {
        QTest::addColumn<QString>("archivo");
        QTest::addColumn<QByteArray>("forma"); // "@..." names what to make
        QTest::addColumn<QString>("dice");
        const QByteArray normal = CarpetaTrabajo::inic_normal;
        for (const char* archivo : {"inic.dat", "trazo.txt"}) {
            const QString texto = archivo[0] == 'i' ? QString::fromUtf8(normal) : " 1 \r\n";
            const QByteArray utf16(reinterpret_cast<const char*>(texto.utf16()), texto.size() * 2);
            const auto fila = [&](const char* nombre, const QByteArray& forma, const char* dice) {
                QTest::addRow("%s %s", archivo, nombre)
                    << archivo << forma << QString::fromUtf8(dice);
            };
            fila("FIFO", "@fifo", "no es un archivo común");
            fila("/dev/zero", "@/dev/zero", "no es un archivo común");
            fila("/dev/urandom", "@/dev/urandom", "no es un archivo común");
            fila("200 MB", "@grande", "es demasiado grande (200 MB)");
            fila("UTF-16", "\xFF\xFE" + utf16, "no es un archivo de texto (está en UTF-16)");
            fila("UTF-16, no mark", utf16, "no es un archivo de texto (está en UTF-16)");
        }
        QTest::newRow("inic.dat NUL")
            << "inic.dat" << QByteArray(normal).replace("5, 1", QByteArray("5\0, 1", 5))
            << "«5<NUL>» del renglón 3 no es un número válido: tiene el carácter nulo";
        QTest::newRow("inic.dat no-break space")
            << "inic.dat" << QByteArray(normal).replace("-0.6", "\u00A0-0.6")
            << "«<U+00A0>-0.6» del renglón 1 no es un número válido: tiene el carácter U+00A0 "
               "(espacio irrompible)";
    }

    void arranque_con_archivos_raros() {
        QFETCH(QString, archivo);
        QFETCH(QByteArray, forma);
        QFETCH(QString, dice);
        const CarpetaTrabajo c(QString::fromUtf8(CarpetaTrabajo::inic_normal), " 1 \r\n");
        const QString ruta = c.ruta(archivo);
        QFile::remove(ruta);
        if (forma == "@fifo") {
            QVERIFY(::mkfifo(QFile::encodeName(ruta).constData(), 0644) == 0);
        } else if (forma == "@grande") {
            QFile f(ruta);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(200'000'000));
        } else if (forma.startsWith('@')) {
            QVERIFY(QFile::link(QString::fromLatin1(forma.mid(1)), ruta));
        } else {
            c.escribir(archivo, forma);
        }
        const qint64 antes = pico_memoria();
        const Mensajes mensajes;
        QElapsedTimer reloj;
        reloj.start();
        VentanaPrincipal v;
        v.cargar();
        QVERIFY2(reloj.elapsed() < 1000, qPrintable(QString::number(reloj.elapsed())));
        QVERIFY(pico_memoria() - antes < 50'000);
        QCOMPARE(mensajes.textos.size(), 1);
        const QString& m = mensajes.textos[0];
        QVERIFY2(m.contains(archivo + "\"") && m.contains(dice), qPrintable(m));
        if (archivo == "inic.dat") {
            QVERIFY(v.parametros() == parametros_de_fabrica());
        } else {
            QVERIFY(!v.findChild<QAction*>("accion_documentar")->isChecked());
            QCOMPARE(QDir().entryList({"*.log"}), QStringList());
        }
    }

    void senos_rechazados_data() {
        QTest::addColumn<QString>("inferior");
        QTest::addColumn<QString>("superior");
        const char* const filas[][3] = {{"equal", "0.3", "0.3"},
                                        {"reversed", "0.3", "0.2"},
                                        {"upper empty", "0", ""},
                                        {"equal, comma and point", "0,25", "0.25"},
                                        {"one position on the screen", "0.30001", "0.30002"}};
        for (const auto& r : filas) {
            QTest::newRow(r[0]) << QString::fromLatin1(r[1]) << QString::fromLatin1(r[2]);
        }
    }

    void senos_rechazados() {
        QFETCH(QString, inferior);
        QFETCH(QString, superior);
        LocalePrueba l(locale_punto());
        Escena e;
        e.graficar(); // a curve that the refusal leaves in place
        const QImage grafica = e.grafica().imagen();
        e.escribir(Magnitud::inferior, inferior);
        if (superior.isEmpty()) {
            clic(e.control("caja_superior"));
            QTest::keyClick(e.control("caja_superior"), Qt::Key_Backspace);
        } else {
            e.escribir(Magnitud::superior, superior);
        }
        e.graficar();
        QCOMPARE(e.mensajes.textos, QStringList{mensaje_senos});
        QCOMPARE(e.curvas(), 1);
        QCOMPARE(e.grafica().imagen(), grafica);
        // The default sector ±0.51 in sine, and its tangents.
        QCOMPARE(cajas(e).mid(0, 2), (QStringList{"-0.51", "0.51"}));
        QCOMPARE(e.parametros().valor(Magnitud::inferior), f(-0.5929));
        QCOMPARE(e.parametros().valor(Magnitud::superior), f(0.5929));
    }

    // Ends whose limits keep them nearer than ±0.51 go back to those limits.
    void sector_restablecido_dentro_de_limites() {
        Escena e(inic_con({{1, "-0.3, -0.4, 2"}, {2, "0.3, -2, 0.35"}}));
        e.escribir(Magnitud::inferior, QStringLiteral("0.3"));
        e.escribir(Magnitud::superior, QStringLiteral("0.2"));
        e.graficar();
        QCOMPARE(e.mensajes.textos, QStringList{mensaje_senos});
        QCOMPARE(e.parametros().valor(Magnitud::inferior), f(-0.4));
        QCOMPARE(e.parametros().valor(Magnitud::superior), f(0.35));
        // sin(atan 0.4) = 0.3714, sin(atan 0.35) = 0.3304, to two decimals
        QCOMPARE(cajas(e).mid(0, 2), (QStringList{"-0.37", "0.33"}));
        e.graficar();
        QCOMPARE(e.curvas(), 1);
    }

    // Locales with their own minus sign, digits or direction marks: the ends the
    // boxes show are read back as shown, so typing the upper end and plotting
    // keeps the lower one.
    void extremos_leidos_como_se_muestran_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("Basque") << QLocale(QLocale::Basque, QLocale::Spain);
        QTest::newRow("Arabic") << QLocale(QLocale::Arabic, QLocale::Egypt);
        QTest::newRow("Hebrew") << QLocale(QLocale::Hebrew, QLocale::Israel);
        QTest::newRow("Persian") << QLocale(QLocale::Persian, QLocale::Iran);
    }
    void extremos_leidos_como_se_muestran() {
        QFETCH(QLocale, locale);
        LocalePrueba l(locale);
        Escena e;
        const QString coma = locale.decimalPoint();
        QCOMPARE(cajas(e).mid(0, 2), (QStringList{"-0" + coma + "51", "0" + coma + "51"}));
        // Keys type Latin-1 only; the point is read in every locale.
        e.escribir(Magnitud::superior, coma.at(0).unicode() < 256 ? "0" + coma + "6" : "0.6");
        e.graficar();
        QVERIFY(e.mensajes.textos.isEmpty());
        // The lower end read again from its box: the sine -0.51, tangent -0.5929.
        QCOMPARE(e.parametros().valor(Magnitud::inferior), f(-0.5929));
        QCOMPARE(e.grafica().seno_min(), seno_de_tangente(f(-0.5929)));
        QCOMPARE(e.grafica().seno_max(), seno_de_tangente(f(0.75)));
    }

    void distancia_menor_que_el_ancho() {
        // The rule's table is in the model's tests; here, the window's answer to it.
        Escena e(inic_con({{3, "2, 1, 500"}, {4, "5, 0.1, 100"}, {5, "2, 1, 100"}}));
        e.graficar();
        QCOMPARE(e.mensajes.textos, QStringList{mensaje_distancia});
        QCOMPARE(e.curvas(), 0);
        e.escribir(Magnitud::ancho, QStringLiteral("2")); // d equal to a is accepted
        e.graficar();
        QCOMPARE(e.curvas(), 1);
        QCOMPARE(e.mensajes.textos.size(), 1);
    }

    void teclado_para_menus_ayuda_y_salida() {
        Escena e;
        QCOMPARE(QApplication::focusWidget(), e.control<QWidget>("caja_onda"));
        QSet<QChar> letras;
        for (QAction* menu : e.ventana->menuBar()->actions()) {
            const QString t = menu->text();
            const qsizetype y = t.indexOf(QLatin1Char('&'));
            QVERIFY2(y >= 0 && y + 1 < t.size(), qPrintable(t));
            letras.insert(t.at(y + 1).toLower());
        }
        QCOMPARE(letras.size(), e.ventana->menuBar()->actions().size());

        QTest::keyClick(e.ventana.get(), Qt::Key_F1);
        QCOMPARE(e.mensajes.textos, QStringList{texto_general()});

        // Ctrl+Q leaves as "Salir" does: the switch written back.
        e.carpeta.escribir(QStringLiteral("trazo.txt"), "7\r\n");
        QTest::keyClick(e.ventana.get(), Qt::Key_Q, Qt::ControlModifier);
        const QByteArray por_teclado = e.carpeta.leer(QStringLiteral("trazo.txt"));
        QVERIFY(por_teclado != "7\r\n");
        e.carpeta.escribir(QStringLiteral("trazo.txt"), "7\r\n");
        QTest::mouseClick(e.control<QPushButton>("boton_salir"), Qt::LeftButton);
        QCOMPARE(e.carpeta.leer(QStringLiteral("trazo.txt")), por_teclado);
    }

    // The room beyond the design goes to the data frame and its graph; the
    // sketch and the enlarged sector keep their proportions, so the strip's
    // markers still meet the sector's corners; nothing overlaps or is cut.
    void ventana_amplia_data() {
        QTest::addColumn<QSize>("tam");
        QTest::addColumn<double>("parte"); // the graph's least share of the width
        QTest::newRow("1024x768") << QSize(1024, 768) << 0.35;
        QTest::newRow("1366x768") << QSize(1366, 768) << 0.4;
        QTest::newRow("1920x1080") << QSize(1920, 1080) << 0.5;
        QTest::newRow("2560x1440") << QSize(2560, 1440) << 0.5;
    }
    void ventana_amplia() {
        QFETCH(QSize, tam);
        QFETCH(double, parte);
        Escena e;
        const auto proporciones = [&] {
            const QRect esq = e.control("esquema")->geometry();
            const QRect sec = e.control("sector_ampliado")->geometry();
            return QPointF(double(sec.left() - esq.left()) / esq.width(),
                           double(sec.height()) / esq.height());
        };
        const QPointF disenadas = proporciones();
        e->resize(tam);
        QCoreApplication::processEvents();
        QWidget* grafica = e.control("grafica");
        QVERIFY2(grafica->width() >= parte * e->width(),
                 qPrintable(QString::number(grafica->width())));
        const QPointF vistas = proporciones();
        QVERIFY(std::fabs(vistas.x() - disenadas.x()) < 0.01 &&
                std::fabs(vistas.y() - disenadas.y()) < 0.01);
        QWidget* marco = e.control("marco_datos");
        const auto hijos = marco->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget* w : hijos) {
            if (!w->isVisibleTo(e.ventana.get()) || w->geometry().isEmpty()) {
                continue;
            }
            QVERIFY2(marco->rect().contains(w->geometry()), qPrintable(w->objectName()));
            for (QWidget* otro : hijos) {
                // Neighbours may share a border line (the colour squares do).
                const QRect comun = w->geometry() & otro->geometry();
                const bool juntos = otro != w && otro->isVisibleTo(e.ventana.get()) &&
                                    std::min(comun.width(), comun.height()) > 4;
                QVERIFY2(!juntos,
                         qPrintable(w->objectName() + QLatin1Char('/') + otro->objectName()));
            }
        }
        for (const char* nombre : {"marco_datos", "boton_graficar", "boton_salir", "esquema"}) {
            QWidget* w = e.control(nombre);
            QVERIFY2(QRect(QPoint(), w->parentWidget()->size()).contains(w->geometry()), nombre);
        }
    }

    // "Controles grandes" on a maximised window of a 1366 x 768 screen: every
    // button, spin button and marker answers over 44 x 44 pixels of its own,
    // clear of the others and of the boxes and the graph; a press beside a
    // marker drags it, one just under "Graficar" plots.
    void controles_grandes() {
        Escena e;
        e->resize(1366, 740);
        e.elegir("menu_ver", QStringLiteral("Controles &grandes"));
        QCoreApplication::processEvents();
        const auto* toque = e->findChild<AreaDeToque*>();
        QVERIFY(toque && toque->activa());
        QList<QWidget*> controles;
        for (QWidget* w : e->findChildren<QWidget*>()) {
            if (qobject_cast<QPushButton*>(w) || qobject_cast<BotonSpin*>(w) ||
                w->objectName() == QLatin1String("lupa")) {
                controles << w;
            }
        }
        QVERIFY(controles.size() >= 22);
        QList<QWidget*> ajenos{e.control("grafica")};
        for (QLineEdit* c : e->findChildren<QLineEdit*>()) {
            ajenos << c;
        }
        for (QWidget* w : controles) {
            const QRect z = toque->zona(w);
            QVERIFY2(z.width() >= 44 && z.height() >= 44, qPrintable(w->objectName()));
            for (QWidget* otro : controles + ajenos) {
                const QRect r = otro == w ? QRect()
                                : controles.contains(otro)
                                    ? toque->zona(otro)
                                    : QRect(otro->mapToGlobal(QPoint()), otro->size());
                QVERIFY2(!z.intersects(r),
                         qPrintable(w->objectName() + QLatin1Char('/') + otro->objectName()));
            }
        }
        auto* marcador = e.control("marcador_superior");
        const double antes = e.parametros().valor(Magnitud::superior).a_double();
        QWidget* ventana = e.ventana.get();
        const QPoint al_lado =
            ventana->mapFromGlobal(toque->zona(marcador).center() - QPoint(18, 0));
        QWidget* debajo = ventana->childAt(al_lado);
        QVERIFY(debajo && debajo != marcador);
        const QPoint en = debajo->mapFrom(ventana, al_lado);
        QTest::mousePress(debajo, Qt::LeftButton, {}, en);
        QTest::mouseMove(debajo, en + QPoint(0, 30));
        QTest::mouseMove(debajo, en + QPoint(0, 60));
        QTest::mouseRelease(debajo, Qt::LeftButton, {}, en + QPoint(0, 60));
        QVERIFY(e.parametros().valor(Magnitud::superior).a_double() < antes);

        auto* graficar = e.control("boton_graficar");
        const QPoint bajo = graficar->geometry().bottomLeft() + QPoint(graficar->width() / 2, 1);
        QWidget* fondo = graficar->parentWidget()->childAt(bajo);
        QWidget* receptor = fondo ? fondo : graficar->parentWidget();
        QTest::mouseClick(receptor, Qt::LeftButton, {},
                          receptor->mapFrom(graficar->parentWidget(), bajo));
        QCOMPARE(e.curvas(), 1);
    }

    // Every number a person or a screen reader meets in the window has the
    // locale's decimal mark, and the pointer's position on a screen at a
    // distance reads y = D · tan θ.
    void una_marca_decimal_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::newRow("point") << locale_punto();
        QTest::newRow("comma") << locale_coma();
    }
    void una_marca_decimal() {
        QFETCH(QLocale, locale);
        const LocalePrueba en(locale);
        Escena e;
        {
            const Modal modal([](QWidget* w) {
                auto* d = qobject_cast<QInputDialog*>(w);
                QVERIFY(d);
                d->setDoubleValue(100);
                d->accept();
            });
            e.elegir("menu_ver", QStringLiteral("&Pantalla a distancia…"));
        }
        e.graficar();
        auto* grafica = e.control<PictureBox>("grafica");
        mover_sobre(grafica, {0.25, 5});
        const QString y = e.control<QLabel>("lectura_pantalla")->text();
        // 1000 mm · 0.25 / √(1 − 0.0625), to the tenth shown.
        QCOMPARE(y, QStringLiteral("y = %1 mm").arg(texto_numero(258.2)));
        const QChar marca = locale.decimalPoint().at(0);
        const QChar otra = marca == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
        const QRegularExpression ajena(QStringLiteral("\\d\\%1\\d").arg(otra));
        int vistos = 0;
        for (QWidget* w : e->findChildren<QWidget*>()) {
            QStringList textos{w->accessibleName(), w->toolTip()};
            if (auto* l = qobject_cast<QLabel*>(w)) {
                textos << l->text();
            } else if (auto* c = qobject_cast<QLineEdit*>(w)) {
                textos << c->text();
            }
            for (const QString& t : textos) {
                QVERIFY2(!t.contains(ajena),
                         qPrintable(w->objectName() + QStringLiteral(": ") + t));
                vistos +=
                    t.contains(marca) && t.contains(QRegularExpression(QStringLiteral("\\d")));
            }
        }
        QVERIFY(vistos >= 5); // L's box, its tip and spin buttons, the read-outs
    }

    void toma_el_area_libre_sin_gestor_de_ventanas() {
        CarpetaTrabajo carpeta;
        Mensajes mensajes;
        VentanaPrincipal v;
        v.cargar();
        v.show();
        QCOMPARE(v.geometry().size(), v.screen()->availableGeometry().size());
    }
};

QTEST_MAIN(PruebaPrincipal)
#include "tst_main.moc"
