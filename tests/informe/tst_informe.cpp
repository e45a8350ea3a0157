// The graph for a report: the orders marked on a grating, the figure as SVG,
// PDF and PNG, the data as CSV read back against the model, the save dialogs
// and what a failed write leaves.
#include "grafica/grafica.h"
#include "informe/archivo.h"
#include "informe/composicion.h"
#include "informe/contraste.h"
#include "informe/csv.h"
#include "informe/figura.h"
#include "informe/informe.h"
#include "model/color_onda.h"
#include "model/ordenes.h"
#include "tests/common/entorno.h"
#include "toolkit/colores.h"
#include "toolkit/marcas.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QXmlStreamReader>

#include <sys/resource.h>

#include <array>
#include <cmath>
#include <csignal>
#include <numbers>

namespace {

Curva curva(int N, double a, double d, double L, double inferior = -0.5929,
            double superior = 0.5929) {
    Curva c;
    c.ranuras = N;
    c.ancho = Fijo::desde(a);
    c.distancia = Fijo::desde(d);
    c.onda = Fijo::desde(L);
    c.color = color_de_onda(c.onda).compuesto();
    c.inferior = Fijo::desde(inferior);
    c.superior = Fijo::desde(superior);
    return c;
}

const std::vector<Curva> tres_curvas{curva(5, 2, 10, 0.55), curva(4, 1, 3, 0.45),
                                     curva(3, 1.5, 6, 0.65)};

// A CSV file read back: none of the fields written here needs quoting (that
// rule is campos_csv's), so a quote left in a field shows as a fault.
QList<QStringList> leer_csv(const QString& texto, QChar sep) {
    QList<QStringList> filas;
    for (const QString& linea : texto.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
        filas << linea.split(sep);
    }
    return filas;
}

// The texts of an SVG, and for each stroke colour the paths drawn in it.
struct Svg {
    QStringList textos;
    QHash<QString, int> caminos;
    QString fondo;                        // the fill of the first rectangle
    QHash<QString, QString> discontinuas; // a curve's stroke: its dashes
    QStringList colores_textos;
};
Svg leer_svg(const QByteArray& bytes) {
    Svg r;
    QXmlStreamReader x(bytes);
    // Attributes as the groups pass them down: stroke, fill, dashes.
    QList<std::array<QString, 3>> pila{{QStringLiteral("none"), QString(), QString()}};
    const QString nombres[] = {QStringLiteral("stroke"), QStringLiteral("fill"),
                               QStringLiteral("stroke-dasharray")};
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement()) {
            const auto a = x.attributes();
            std::array<QString, 3> v = pila.last();
            for (int i = 0; i < 3; ++i) {
                if (a.hasAttribute(nombres[i])) {
                    v[i] = a.value(nombres[i]).toString();
                }
            }
            pila << v;
            if (x.name() == u"path") {
                ++r.caminos[v[0]];
                r.discontinuas[v[0]] = v[2];
            } else if (x.name() == u"rect" && r.fondo.isEmpty()) {
                r.fondo = v[1];
            } else if (x.name() == u"text") {
                r.colores_textos << v[1];
                r.textos << x.readElementText();
                pila.removeLast();
            }
        } else if (x.isEndElement()) {
            pila.removeLast();
        }
    }
    if (x.hasError()) {
        qWarning() << x.errorString();
        return {};
    }
    return r;
}

QString hex(Color c) {
    return a_qcolor(c).name();
}

} // namespace

class PruebaInforme : public QObject {
    Q_OBJECT

    QTemporaryDir casa_;

    // Chooses `entrada` of "Archivo" and answers its save dialog: `ajustar`
    // works its controls, then the file `ruta` is typed and accepted. Returns
    // the folder the dialog opened in and the name it proposed.
    std::pair<QString, QString> exportar(const Escena& e, const QString& entrada,
                                         const QString& ruta,
                                         const std::function<void(QFileDialog&)>& ajustar = {}) {
        std::pair<QString, QString> visto;
        const Modal modal([&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            QVERIFY(d);
            visto = {d->directory().absolutePath(),
                     QFileInfo(d->selectedFiles().value(0)).fileName()};
            if (ajustar) {
                ajustar(*d);
            }
            d->selectFile(ruta);
            buscar<QDialogButtonBox>(d, QStringLiteral("buttonBox"))
                ->button(QDialogButtonBox::Save)
                ->click();
        });
        e.elegir("menu_archivo", entrada);
        return visto;
    }

private slots:
    void initTestCase() {
        // The documents folder of a home of our own.
        qputenv("HOME", casa_.path().toUtf8());
        qunsetenv("XDG_CONFIG_HOME");
        QDir(casa_.path()).mkpath(QStringLiteral("Documents"));
    }

    void ordenes_data() {
        QTest::addColumn<Curva>("c");
        QTest::addColumn<QList<int>>("ordenes");
        QTest::addColumn<QList<int>>("ausentes");
        // Sector ±0.5099 in sine unless said.
        QTest::newRow("d = 2.5a") << curva(3, 2, 5, 0.5)
                                  << QList<int>{-5, -4, -3, -2, -1, 0, 1, 2, 3, 4, 5}
                                  << QList<int>{-5, 5};
        // Sines 0.0995 to 0.4472: orders 1 and 2, and 2 a / d is whole.
        QTest::newRow("one side") << curva(2, 1, 2, 0.4, 0.1, 0.5) << QList<int>{1, 2}
                                  << QList<int>{2};
        // Orders stop short of a sine of 1 whatever the sector.
        QTest::newRow("wide sector") << curva(2, 1, 2, 0.5, -3, 3)
                                     << QList<int>{-3, -2, -1, 0, 1, 2, 3} << QList<int>{-2, 2};
        QTest::newRow("single slit") << curva(1, 2, 10, 0.55) << QList<int>{0} << QList<int>{};
        QTest::newRow("single slit off centre")
            << curva(1, 2, 10, 0.55, 0.1, 0.5) << QList<int>{} << QList<int>{};
    }
    void ordenes() {
        QFETCH(Curva, c);
        QFETCH(QList<int>, ordenes);
        QFETCH(QList<int>, ausentes);
        QList<int> vistos, vistos_ausentes;
        for (const Orden& o : ordenes_principales(c)) {
            vistos << o.m;
            if (o.ausente) {
                vistos_ausentes << o.m;
            }
            if (c.ranuras > 1) {
                QCOMPARE(o.seno, o.m * c.onda.a_double() / c.distancia.a_double());
            }
        }
        QCOMPARE(vistos, ordenes);
        QCOMPARE(vistos_ausentes, ausentes);
    }

    void marcas_redondas_data() {
        QTest::addColumn<double>("desde");
        QTest::addColumn<double>("hasta");
        QTest::addColumn<int>("cuantas");
        QTest::addColumn<QStringList>("textos");
        QTest::newRow("sector ±0.51")
            << -0.51 << 0.51 << 8 << QStringList{"-0,5", "-0,4", "-0,3", "-0,2", "-0,1", "0,0",
                                                 "0,1",  "0,2",  "0,3",  "0,4",  "0,5"};
        QTest::newRow("degrees") << -30.66 << 30.66 << 8
                                 << QStringList{"-30", "-20", "-10", "0", "10", "20", "30"};
        QTest::newRow("narrow, off centre")
            << 0.1003 << 0.1131 << 6
            << QStringList{"0,102", "0,104", "0,106", "0,108", "0,110", "0,112"};
        QTest::newRow("empty") << 0.3 << 0.3 << 8 << QStringList{};
    }
    void marcas_redondas() {
        QFETCH(double, desde);
        QFETCH(double, hasta);
        QFETCH(int, cuantas);
        QFETCH(QStringList, textos);
        const Marcas m = marcas(desde, hasta, cuantas);
        QStringList vistos;
        for (const double x : m.valores) {
            QVERIFY(x >= desde && x <= hasta);
            vistos << texto_marca(x, m.decimales, locale_coma());
        }
        QCOMPARE(vistos, textos);
    }

    // Worked values of the contrast rule: the lightest colours darkened just
    // enough, the dark ones left as they are.
    void legibles_data() {
        QTest::addColumn<QColor>("texto");
        QTest::addColumn<QColor>("fondo");
        QTest::addColumn<QString>("legible");
        QTest::newRow("green on white") << QColor(0, 255, 0) << QColor(Qt::white) << "#008a00";
        QTest::newRow("green on grey") << QColor(0, 255, 0) << fondo_dibujo << "#007400";
        QTest::newRow("yellow on white") << QColor(255, 255, 0) << QColor(Qt::white) << "#7a7a00";
        QTest::newRow("blue on white") << QColor(0, 0, 255) << QColor(Qt::white) << "#0000ff";
    }
    void legibles() {
        QFETCH(QColor, texto);
        QFETCH(QColor, fondo);
        QFETCH(QString, legible);
        QCOMPARE(::legible(texto, fondo).name(), legible);
        QCOMPARE(std::round(contraste(Qt::white, Qt::black) * 1000), 21000);
    }

    void campos_csv() {
        QCOMPARE(campo_csv(QStringLiteral("0,5"), u';'), QStringLiteral("0,5"));
        QCOMPARE(campo_csv(QStringLiteral("0,5"), u','), QStringLiteral("\"0,5\""));
        QCOMPARE(campo_csv(QStringLiteral("dijo \"hola\""), u';'),
                 QStringLiteral("\"dijo \"\"hola\"\"\""));
        QCOMPARE(campo_csv(QStringLiteral("a\r\nb"), u';'), QStringLiteral("\"a\r\nb\""));
    }

    // The figure as SVG: its ground, one path a curve in a line style of its
    // own, the axes' titles and ticks in the locale's form, each curve's legend
    // whole, every text readable on the ground, one label for the central
    // orders, the missing orders. The PDF is drawn from the same composition:
    // it holds text, in an embedded font.
    void figura_svg_y_pdf_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QColor>("fondo");
        QTest::newRow("comma, white") << locale_coma() << QColor(Qt::white);
        QTest::newRow("point, grey") << locale_punto() << fondo_dibujo;
    }
    void figura_svg_y_pdf() {
        QFETCH(QLocale, locale);
        QFETCH(QColor, fondo);
        Svg svg = leer_svg(bytes_figura(tres_curvas, Formato::svg, {160, 300, locale, fondo, {}}));
        QCOMPARE(svg.fondo, fondo.name());
        QSet<QString> trazos;
        for (const Curva& c : tres_curvas) {
            QCOMPARE(svg.caminos.value(hex(c.color)), 1);
            trazos << svg.discontinuas.value(hex(c.color));
        }
        QCOMPARE(trazos.size(), 3);
        for (const QString& c : svg.colores_textos) {
            QVERIFY2(contraste(QColor(c), fondo) >= 4.5, qPrintable(c));
        }
        QCOMPARE(svg.textos.count(QStringLiteral("0")), 1);
        svg.caminos.remove(QStringLiteral("none"));
        QCOMPARE(svg.caminos.size(), 3); // no other path stroked
        // Titles may come in pieces (a Greek letter is a run of its own).
        const QString seguido = svg.textos.join(QString());
        for (const char* t : {"Seno del ángulo de desviación (sen θ)", "Ángulo de desviación θ",
                              "Intensidad relativa I/N²", "(cada curva en su escala)"}) {
            QVERIFY2(seguido.contains(QString::fromUtf8(t)), t);
        }
        const QString decimal = locale.decimalPoint();
        // Curve 2 (d = 3a) has orders ±3 missing.
        for (const QString& t :
             {QStringLiteral("-0") + decimal + u'5', QStringLiteral("0") + decimal + u'2',
              QStringLiteral("1") + decimal + u'0', QStringLiteral("30°"),
              leyenda(1, tres_curvas[0], locale), leyenda(2, tres_curvas[1], locale),
              leyenda(3, tres_curvas[2], locale), QStringLiteral("(3)"), QStringLiteral("(-3)")}) {
            QVERIFY2(svg.textos.contains(t), qPrintable(t));
        }
        const QByteArray pdf =
            bytes_figura(tres_curvas, Formato::pdf, {160, 300, locale, Qt::white, {}});
        QVERIFY(pdf.startsWith("%PDF") && pdf.contains("/FontFile2"));
    }

    // The samples read back give the model's intensities; the summary has a row
    // a curve, with its central intensity, missing orders and maxima.
    void datos_exportados_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QChar>("separador");
        QTest::newRow("decimal comma") << locale_coma() << QChar(u';');
        QTest::newRow("decimal point") << locale_punto() << QChar(u',');
    }
    void datos_exportados() {
        QFETCH(QLocale, locale);
        QFETCH(QChar, separador);
        const LocalePrueba lp(locale);
        Escena e;
        e.graficar_caso(4, 1, 3, 0.45);
        e.graficar_caso(5, 2, 10, 0.55);
        exportar(e, QStringLiteral("Exportar &datos…"), e.carpeta.ruta(QStringLiteral("d.csv")));
        const QByteArray bytes = e.carpeta.leer(QStringLiteral("d.csv"));
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
        QList<QStringList> filas = leer_csv(QString::fromUtf8(bytes.mid(3)), separador);
        QCOMPARE(filas.value(0).size(), 9);
        QCOMPARE(filas.value(0).first(), QStringLiteral("curva"));
        const std::vector<Curva>& curvas = e.grafica().curvas();
        QList<int> por_curva(2);
        double previo = -2;
        for (const QStringList& f : filas.mid(1)) {
            QCOMPARE(f.size(), 9);
            const int k = f[0].toInt() - 1;
            QVERIFY(k == 0 || k == 1);
            const Curva& c = curvas[std::size_t(k)];
            const auto numero = [&](int i) { return locale.toDouble(f[i]); };
            QCOMPARE(numero(1), c.onda.a_double());
            QCOMPARE(numero(2), c.ancho.a_double());
            QCOMPARE(numero(3), c.distancia.a_double());
            QCOMPARE(f[4].toInt(), c.ranuras);
            const double s = numero(5);
            // The sines as the picture holds them, in single precision.
            QVERIFY(s >= c.seno_min() - 1e-7 && s <= c.seno_max() + 1e-7);
            previo = ++por_curva[k] == 1 ? -2 : previo;
            QVERIFY(s > previo);
            previo = s;
            QCOMPARE(numero(6), std::round(std::asin(s) * 180 / std::numbers::pi * 1e6) / 1e6);
            // The model at the sine, to what the sampler's turns keep (1e-12 of N²).
            const double I = Intens(c.onda, c.ancho, c.distancia, Fijo(c.ranuras), s);
            QVERIFY(std::fabs(numero(7) - I) <= 1e-12 * c.alto());
            QVERIFY(std::fabs(numero(8) - I / c.alto()) <= 1e-12);
        }
        // At least the graph's least samples, the ends included.
        QVERIFY(por_curva[0] >= 4096 && por_curva[1] >= 4096);

        exportar(e, QStringLiteral("Exportar &datos…"), e.carpeta.ruta(QStringLiteral("r.csv")),
                 [](QFileDialog& d) {
                     buscar<QComboBox>(&d, QStringLiteral("contenido_datos"))->setCurrentIndex(1);
                 });
        filas =
            leer_csv(QString::fromUtf8(e.carpeta.leer(QStringLiteral("r.csv")).mid(3)), separador);
        QCOMPARE(filas.size(), 3);
        const auto celda = [&](int fila, const QString& columna) {
            const auto j = filas[0].indexOf(columna);
            return j > 0 ? filas[fila][j] : QStringLiteral("no column");
        };
        const auto numero = [&](const char* t) {
            return QString::fromLatin1(t).replace(u',', locale.decimalPoint());
        };
        // N² a²: 16 and 100; missing orders ±3 and ±5.
        QCOMPARE(celda(1, QStringLiteral("intensidad central (N²·a²)")), u"16");
        QCOMPARE(celda(2, QStringLiteral("intensidad central (N²·a²)")), u"100");
        QCOMPARE(celda(1, QStringLiteral("órdenes ausentes")), QStringLiteral("-3 3"));
        QCOMPARE(celda(2, QStringLiteral("órdenes ausentes")), QStringLiteral("-5 5"));
        // Orders -9..9 of the second curve; the first reaches ±3 only.
        QCOMPARE(celda(2, QStringLiteral("seno del máximo m = 9")), numero("0,495"));
        QCOMPARE(celda(1, QStringLiteral("seno del máximo m = 9")), QString());
        QCOMPARE(celda(1, QStringLiteral("seno del máximo m = -2")), numero("-0,3"));
        QCOMPARE(celda(1, QStringLiteral("seno del máximo m = 3")), numero("0,45"));
    }

    // The position on the screen as the last column, for screens at D.
    void posicion_en_pantalla_data() {
        QTest::addColumn<double>("D");
        QTest::newRow("50 cm") << 50.0;
        QTest::newRow("250,5 cm") << 250.5;
    }
    void posicion_en_pantalla() {
        QFETCH(double, D);
        const QLocale l = locale_coma();
        const QList<QStringList> filas =
            leer_csv(csv_muestras({tres_curvas[0]}, l, D), separador_csv(l));
        QCOMPARE(filas[0].size(), 10);
        QCOMPARE(filas[0].last(), QStringLiteral("y (mm)"));
        for (const QStringList& f : filas.mid(1)) {
            const double s = l.toDouble(f[5]), y = l.toDouble(f[9]);
            QVERIFY(std::fabs(y - 10 * D * std::tan(std::asin(s))) <= 1e-9 * (1 + std::fabs(y)));
        }
        QCOMPARE(leer_csv(csv_muestras({tres_curvas[0]}, l), u';')[0].size(), 9);
    }

    // With a screen distance, the dialog offers the screen's scale; the
    // window's grey is a choice of ground.
    void dialogo_con_pantalla() {
        Escena e;
        e.graficar();
        e->findChild<Informe*>()->set_distancia_pantalla(100);
        exportar(e, QStringLiteral("Exportar &gráfica…"), e.carpeta.ruta(QStringLiteral("f.svg")),
                 [](QFileDialog& d) {
                     buscar<QComboBox>(&d, QStringLiteral("fondo_figura"))->setCurrentIndex(1);
                     buscar<QComboBox>(&d, QStringLiteral("eje_figura"))->setCurrentIndex(1);
                 });
        const Svg svg = leer_svg(e.carpeta.leer(QStringLiteral("f.svg")));
        QCOMPARE(svg.fondo, fondo_dibujo.name());
        QVERIFY(
            svg.textos.join(QString()).contains(QStringLiteral("Posición en la pantalla y (mm)")));
        // The data follow the choice.
        exportar(e, QStringLiteral("Exportar &datos…"), e.carpeta.ruta(QStringLiteral("d.csv")));
        QVERIFY(e.carpeta.leer(QStringLiteral("d.csv")).split('\r').first().endsWith("y (mm)"));
    }

    void entradas_del_menu_y_carpetas_del_dialogo() {
        Escena e;
        const QList<QAction*> archivo = e.control<QMenu>("menu_archivo")->actions();
        QStringList textos;
        for (QAction* a : archivo) {
            if (!a->isSeparator()) {
                textos << a->text();
            }
        }
        QCOMPARE(
            textos,
            (QStringList{QStringLiteral("Abrir lección…"), QStringLiteral("Lecciones recientes"),
                         QStringLiteral("Guardar lección…"), QStringLiteral("Guardar como…"),
                         QStringLiteral("Documentar Sesión"),
                         QStringLiteral("Abrir Documento de Sesión"),
                         QStringLiteral("Exportar &gráfica…"), QStringLiteral("Exportar &datos…"),
                         QStringLiteral("Abrir &medición…"), QStringLiteral("&Salir")}));
        auto* copiar = e.control<QMenu>("menu_copiar");
        QCOMPARE(copiar->actions().last()->text(), QStringLiteral("Gráfica con ejes"));
        const auto habilitadas = [&] {
            int n = 0;
            for (const char* a : {"accion_exportar_grafica", "accion_exportar_datos",
                                  "accion_copiar_grafica_con_ejes"}) {
                n += e.control<QAction>(a)->isEnabled();
            }
            return n;
        };
        QCOMPARE(habilitadas(), 0);
        e.graficar();
        QCOMPARE(habilitadas(), 3);

        // The first dialog opens in the documents folder with a name of the
        // date and time; the next where the user saved.
        const auto [carpeta, nombre] = exportar(e, QStringLiteral("Exportar &gráfica…"),
                                                e.carpeta.ruta(QStringLiteral("sin_extension")));
        QCOMPARE(carpeta, QDir(casa_.filePath(QStringLiteral("Documents"))).absolutePath());
        QVERIFY2(QRegularExpression(QStringLiteral(R"(^grafica_\d{4}-\d\d-\d\d_\d{6}\.png$)"))
                     .match(nombre)
                     .hasMatch(),
                 qPrintable(nombre));
        // A name without an extension takes that of the chosen type; the size
        // proposed is 16 cm at 300 ppp.
        QImage png;
        QVERIFY(png.loadFromData(e.carpeta.leer(QStringLiteral("sin_extension.png")), "PNG"));
        QCOMPARE(png.width(), qRound(16 / 2.54 * 300));
        QCOMPARE(qRound(png.dotsPerMeterX() * 0.0254), 300);
        const auto siguiente = exportar(e, QStringLiteral("Exportar &datos…"),
                                        e.carpeta.ruta(QStringLiteral("d.csv")));
        QCOMPARE(siguiente.first,
                 QFileInfo(e.carpeta.ruta(QStringLiteral("d.csv"))).absolutePath());
        QVERIFY(siguiente.second.startsWith(QStringLiteral("datos_")));
        // A size of one's own: 10 cm at 200 ppp.
        exportar(e, QStringLiteral("Exportar &gráfica…"), e.carpeta.ruta(QStringLiteral("f.png")),
                 [&](QFileDialog& d) {
                     buscar<QDoubleSpinBox>(&d, QStringLiteral("ancho_figura"))->setValue(10);
                     buscar<QSpinBox>(&d, QStringLiteral("resolucion_figura"))->setValue(200);
                 });
        QVERIFY(png.loadFromData(e.carpeta.leer(QStringLiteral("f.png")), "PNG"));
        QCOMPARE(png.width(), qRound(10 / 2.54 * 200));
        QCOMPARE(qRound(png.dotsPerMeterX() * 0.0254), 200);

        // The copy: a vector drawing and a picture of the same figure.
        QClipboard* portapapeles = QGuiApplication::clipboard();
        portapapeles->setText(QStringLiteral("anterior"));
        e.elegir("menu_copiar", QStringLiteral("Gráfica con ejes"));
        const QMimeData* copia = portapapeles->mimeData();
        QVERIFY(!copia->hasText());
        QCOMPARE(leer_svg(copia->data(QStringLiteral("image/svg+xml")))
                     .caminos.value(hex(e.grafica().curvas()[0].color)),
                 1);
        QCOMPARE(portapapeles->image().width(), qRound(16 / 2.54 * 300));

        e.limpiar();
        QCOMPARE(habilitadas(), 0);
        QCOMPARE(e.mensajes.textos, QStringList());
    }

    void escritura_fallida_no_deja_archivo() {
        Escena e;
        e.graficar();
        // A folder that is not there.
        const QString falta = e.carpeta.ruta(QStringLiteral("no_hay/f.svg"));
        QCOMPARE(escribir_archivo(falta, "x"), QStringLiteral("la carpeta no existe"));
        QVERIFY(!QFileInfo::exists(falta));

        // The system refuses the file past a size midway through it: what had
        // the name stays, and no temporary file is left beside it.
        e.carpeta.escribir(QStringLiteral("d.csv"), "anterior");
        const QStringList antes = QDir(e.carpeta.ruta(QString())).entryList(QDir::Files);
        rlimit limite{};
        getrlimit(RLIMIT_FSIZE, &limite);
        const rlimit previo = limite;
        limite.rlim_cur = 20000;
        const auto senal = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &limite);
        // The dialog asks before replacing the file: yes.
        QTimer reemplazar;
        connect(&reemplazar, &QTimer::timeout, this, [&] {
            if (auto* m = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                m->button(QMessageBox::Yes)->click();
                reemplazar.stop();
            }
        });
        reemplazar.start(10);
        exportar(e, QStringLiteral("Exportar &datos…"), e.carpeta.ruta(QStringLiteral("d.csv")));
        QVERIFY(!reemplazar.isActive());
        setrlimit(RLIMIT_FSIZE, &previo);
        std::signal(SIGXFSZ, senal);
        QCOMPARE(e.carpeta.leer(QStringLiteral("d.csv")), QByteArray("anterior"));
        QCOMPARE(QDir(e.carpeta.ruta(QString())).entryList(QDir::Files), antes);
        QCOMPARE(e.mensajes.textos,
                 QStringList{
                     QStringLiteral("No se pudo guardar \"%1\": el archivo llegó al tamaño "
                                    "máximo permitido.")
                         .arg(QDir::toNativeSeparators(e.carpeta.ruta(QStringLiteral("d.csv"))))});
    }
};

QTEST_MAIN(PruebaInforme)
#include "tst_informe.moc"
