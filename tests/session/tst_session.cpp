// Session documentation: the text of its files, the switch and "trazo.txt", the
// faults reported, the clean-up dialog of start-up and the viewer.
#include "session/dialogo_limpieza.h"
#include "session/formato.h"
#include "session/reloj.h"
#include "session/visor_sesiones.h"
#include "tests/common/disco.h"
#include "tests/common/entorno.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFontMetrics>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <array>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <sys/resource.h>
#include <tuple>
#include <unistd.h>

namespace {

const QString encendido = QStringLiteral(" 1 \r\n");
const QString apagado = QStringLiteral(" 0 \r\n");
const QByteArray columnas = "\r\n \r\nAngMin  AngMax   N     a     d   Long_Onda\r\n \r\n";
const QByteArray cabecera = "5_12_26" + columnas;
// The start-up case plotted: -0.6 to 0.6 as tangents, -30 to 30 degrees.
const QByteArray linea = "-30,0      30,0        5      2,0   10,0  0,55   \r\n";
const QString desactivada = QStringLiteral("La documentación de la sesión queda desactivada.");
const QString exito = QStringLiteral("\r\nLa documentación de la sesión queda grabada en\r\n"
                                     "archivos .log con la hora por nombre,\r\n"
                                     "en la carpeta de la aplicacion");

// The documentation clock stopped on 5/12/26 at h:m.
void reloj(int h, int m) {
    set_reloj([t = QDateTime(QDate(2026, 12, 5), QTime(h, m, 7))] { return t; });
}

QStringList logs() {
    return QDir::current().entryList({"*.log"}, QDir::Files, QDir::Name);
}

// The program started in the working folder: its load step, then shown.
struct Programa {
    Programa() : v(std::make_unique<VentanaPrincipal>()) {
        v->cargar();
        v->show();
    }
    QAction* accion(const char* nombre) const { return buscar<QAction>(v.get(), nombre); }
    bool documentando() const { return accion("accion_documentar")->isChecked(); }
    void documentar() const { accion("accion_documentar")->trigger(); }
    void pulsar(const char* boton) const { clic(buscar<QPushButton>(v.get(), boton)); }
    std::unique_ptr<VentanaPrincipal> v;
};

void pulsar(const QWidget* w, const char* boton) {
    clic(buscar<QPushButton>(w, boton));
}

QString texto_de(const QWidget* w, const char* caja = "texto") {
    return buscar<QPlainTextEdit>(w, caja)->toPlainText();
}

// Clicks (or double-clicks) the file `nombre` in the viewer's list.
void elegir_archivo(const QWidget* visor, const char* nombre, bool doble = false) {
    auto* lista = buscar<QListWidget>(visor, "archivos");
    const auto fila = lista->findItems(nombre, Qt::MatchExactly);
    QVERIFY(!fila.isEmpty());
    const QPoint centro = lista->visualItemRect(fila.front()).center();
    QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, centro);
    if (doble) {
        QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, centro);
    }
}

} // namespace

class PruebaSesion : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QLocale::setDefault(locale_coma());
        reloj(14, 35);
    }
    void cleanup() {
        QLocale::setDefault(QLocale::c());
        set_reloj(nullptr);
    }

    void formato() {
        // Short times with a space, with seconds (C) and dates with dots stay as they are
        // (the comma locale's are those the stories below read).
        const std::tuple<QLocale, const char*, const char*> locales[] = {
            {locale_punto(), "2_35 PM.log", "12_5_26"},
            {QLocale::c(), "14_35.log", "5 Dec 2026"},
            {QLocale(QLocale::German), "14_35.log", "05.12.26"}};
        for (const auto& [l, nombre, fecha] : locales) {
            QCOMPARE(nombre_documento(QTime(14, 35, 59), l), QString::fromLatin1(nombre));
            QCOMPARE(cabecera_documento(QDate(2026, 12, 5), l).toUtf8(), fecha + columnas);
        }
        // The viewer's text: lines ended by LF or CR alone end in CR LF as the others.
        QCOMPARE(texto_con_fin_linea("a\nb\rc\r\n"), QStringLiteral("a\r\nb\r\nc\r\n"));
        // Halves go away from zero, on the decimal the double stands for (1.005, 0.15).
        const std::tuple<const char*, double, const char*> filas[] = {
            {"#0.0#", 12.25, "12.25"},  {"#0.0#", -12.345, "-12.35"}, {"#0.0#", 1.005, "1.01"},
            {"#0.0#", 99.999, "100.0"}, {"#0.0#", -0.004, "0.0"},     {"###", 0.4, ""},
            {"###", 2.5, "3"},          {"##0.0", 0.15, "0.2"},       {"0.0###", 0.63285, "0.6329"},
            {"0.0###", 0.99999, "1.0"}};
        for (const auto& [patron, x, punto] : filas) {
            QCOMPARE(con_patron(x, QString::fromLatin1(patron), QStringLiteral(".")),
                     QString::fromLatin1(punto));
        }
        // Fields of 11, 12, 7, 6, 6 and 7: N 0 leaves its field blank, long values are cut.
        const std::pair<std::array<double, 6>, QStringList> lineas[] = {
            {{0, 90, 0, 0.1, 100, 0.7777},
             {"0.0        ", "90.0        ", "       ", "0.1   ", "100.0 ", "0.7777 "}},
            {{-123456789.25, 1234567890.5, 123456789, 12345.6, 123456, 12345.6789},
             {"-123456789.", "1234567890.5", "1234567", "12345.", "123456", "12345.6"}}};
        for (const auto& [v, campos] : lineas) {
            const auto F = [](double x) { return Fijo::desde(x); };
            const CasoDocumentado c{v[0], v[1], F(v[2]), F(v[3]), F(v[4]), F(v[5])};
            QCOMPARE(linea_documento(c, locale_punto()), campos.join(QString()));
        }
    }

    void sesion_a_traves_de_reinicios() {
        CarpetaTrabajo c;
        Mensajes mensajes;
        QStringList vistos; // what the viewer copies of "14_35.log"
        const Modal m([&](QWidget* w) {
            elegir_archivo(w, "14_35.log");
            pulsar(w, "boton_aceptar");
            pulsar(w, "boton_copiar");
            vistos << QGuiApplication::clipboard()->text();
            pulsar(w, "boton_cerrar");
        });
        {
            const Programa p;
            p.documentar();
            p.pulsar("boton_graficar");
            // The viewer reads the file while the program keeps it open and writing.
            p.accion("accion_abrir")->trigger();
            p.pulsar("boton_graficar");
            QCOMPARE(vistos, QStringList{cabecera + linea});
            QCOMPARE(c.leer("14_35.log"), cabecera + linea + linea);
            p.documentar(); // off: silent, nothing more written
            p.pulsar("boton_graficar");
            p.documentar(); // on again within the minute: same file, second block
            p.pulsar("boton_graficar");
            QCOMPARE(c.leer("14_35.log"), cabecera + linea + linea + cabecera + linea);
            p.documentar();
            reloj(14, 36);
            p.documentar();
            p.accion("accion_salir")->trigger();
        }
        QCOMPARE(c.leer("trazo.txt"), encendido.toUtf8());
        reloj(16, 10);
        {
            const Programa p;
            p.documentar();        // the check mark set at start-up: the first click switches off
            QVERIFY(p.v->close()); // and the close box does not save that
        }
        QCOMPARE(c.leer("trazo.txt"), encendido.toUtf8());
        QCOMPARE(logs(), (QStringList{"14_35.log", "14_36.log", "16_10.log"}));
        QCOMPARE(c.leer("14_36.log"), cabecera);
        QCOMPARE(c.leer("16_10.log"), cabecera);
        QCOMPARE(mensajes.textos, QStringList(3, exito)); // start-up never shows it
    }

    // The switch at start-up from "trazo.txt" (on only for 1; another number
    // from 0 to 255 kept as it was, anything else 0), the clean-up dialog past
    // 10000 bytes of "*.log" (a.log has 6000) and how it is answered (mouse,
    // close box or keyboard), and "Salir".
    void arranque_y_salir_data() {
        QTest::addColumn<QString>("antes");
        QTest::addColumn<int>("bytes_b");       // b.log
        QTest::addColumn<QString>("respuesta"); // to the dialog: none when it must not come
        QTest::addColumn<QString>("despues");
        QTest::newRow("2: off, written back") << " 2 \r\n" << 0 << QString() << " 2 \r\n";
        QTest::newRow("spaces, second field") << "   1  ,7\r\n" << 0 << QString() << encendido;
        QTest::newRow("lines ended by CR alone") << "1\r0\r" << 0 << QString() << encendido;
        QTest::newRow("not a number") << "si\r\n" << 0 << QString() << apagado;
        QTest::newRow("rounded, kept") << "6.6, 1\r\n" << 0 << QString() << " 7 \r\n";
        QTest::newRow("past 255") << "300\r\n" << 0 << QString() << apagado;
        QTest::newRow("negative") << "-1\r\n" << 0 << QString() << apagado;
        QTest::newRow("missing") << QString() << 0 << QString() << apagado;
        QTest::newRow("empty") << "" << 0 << QString() << apagado;
        QTest::newRow("10000 bytes") << encendido << 4000 << QString() << encendido;
        QTest::newRow("10001 bytes, Cancelar") << encendido << 4001 << "Cancelar" << encendido;
        QTest::newRow("10001 bytes, close box") << encendido << 4001 << "cierre" << encendido;
        QTest::newRow("10001 bytes, Escape") << encendido << 4001 << "Escape" << encendido;
        QTest::newRow("switch off") << apagado << 9000 << QString() << apagado;
    }
    void arranque_y_salir() {
        QFETCH(QString, antes);
        QFETCH(int, bytes_b);
        QFETCH(QString, respuesta);
        QFETCH(QString, despues);
        const bool encendida = despues == encendido;
        CarpetaTrabajo c(QString::fromUtf8(CarpetaTrabajo::inic_normal), antes);
        Mensajes mensajes;
        c.escribir("a.log", QByteArray(6000, 'x'));
        c.escribir("b.log", QByteArray(bytes_b, 'x'));
        c.escribir("notas.txt", QByteArray(20000, 'x')); // not counted
        QStringList vistos;
        const Modal m([&](QWidget* w) {
            auto* d = qobject_cast<DialogoLimpieza*>(w);
            QVERIFY(d && d->isModal());
            vistos << d->windowTitle() << texto_de(d, "cuenta");
            if (respuesta == "Cancelar") {
                pulsar(d, "boton_cancelar");
            } else if (respuesta == "Escape") { // rejects, as "Cancelar" does
                QTest::keyClick(buscar(d, "cuenta"), Qt::Key_Escape);
            } else {
                d->close();
            }
            QVERIFY(d->isHidden());
        });
        const Programa p;
        const QStringList esperados{
            "Dialog Caption",
            "La aplicación tiene activada la opción de DOCUMENTAR SESIÓN, con   2 archivos y  "
            "10001 bytes"};
        QCOMPARE(vistos, respuesta.isEmpty() ? QStringList() : esperados);
        QCOMPARE(p.documentando(), encendida);
        p.pulsar("boton_graficar");
        QCOMPARE(logs(), (encendida ? QStringList{"14_35.log", "a.log", "b.log"}
                                    : QStringList{"a.log", "b.log"}));
        QCOMPARE(c.leer("14_35.log"), encendida ? cabecera + linea : QByteArray());
        p.pulsar("boton_salir");
        QCOMPARE(c.leer("trazo.txt"), despues.toUtf8());
        QVERIFY(mensajes.textos.isEmpty());
    }

    void aceptar_borra_los_contados() {
        CarpetaTrabajo c(QString::fromUtf8(CarpetaTrabajo::inic_normal), encendido);
        // More files than a byte counts and more bytes than 32 bits do.
        for (int i = 0; i < 300; ++i) {
            c.escribir(QString::number(i) + ".log", "x");
        }
        c.escribir("notas.txt", "no");
        QFile grande(c.ruta("grande.log"));
        QVERIFY(grande.open(QIODevice::WriteOnly) && grande.resize(5LL << 30)); // sparse
        grande.close();
        Mensajes mensajes;
        QString texto;
        const Modal m([&](QWidget* w) {
            auto* d = qobject_cast<DialogoLimpieza*>(w);
            QVERIFY(d);
            texto = texto_de(d, "cuenta");
            // After the count a new file appears, and a counted one turns into a
            // folder that cannot be deleted: the others still go.
            c.escribir("nuevo.log", "x");
            QVERIFY(QFile::remove("0.log") && QDir::current().mkdir("0.log"));
            c.escribir("0.log/dentro", "x");
            pulsar(d, "boton_aceptar");
            QVERIFY(d->isHidden());
        });
        const Programa p;
        QVERIFY2(texto.endsWith("con   301 archivos y  5368709420 bytes"), qPrintable(texto));
        // The survivor is named with its reason; documentation goes off, with
        // "trazo.txt" saying so at once, and no file of its own.
        QCOMPARE(QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
                 (QStringList{"0.log", "inic.dat", "notas.txt", "nuevo.log", "trazo.txt"}));
        QCOMPARE(mensajes.textos,
                 QStringList{"No se pudo borrar \"" + c.ruta("0.log") +
                             "\": hay una carpeta con ese nombre.\r\n" + desactivada});
        QVERIFY(!p.documentando());
        QCOMPARE(c.leer("trazo.txt"), apagado.toUtf8());
    }

    // A folder that turned read-only: nothing deleted, "trazo.txt" not written,
    // so the switch stays on and the new file cannot be opened; one message.
    // "Salir", which cannot write the switch off either, says the next start is on.
    void limpieza_en_disco_de_solo_lectura() {
        const CarpetaTrabajo c;
        MONTAR(c, d, encendido);
        c.escribir("a.log", QByteArray(6000, 'x'));
        c.escribir("b.log", QByteArray(5000, 'x'));
        QVERIFY(d.solo_lectura());
        Mensajes mensajes;
        const Modal m([](QWidget* w) { pulsar(w, "boton_aceptar"); });
        const Programa p;
        const QString aviso = QStringLiteral(
            "No se pudieron borrar 2 de los 2 archivos .log de \"%1\":\r\n"
            "   disco de solo lectura: a.log y b.log\r\n"
            "No se pudo escribir \"%2\": disco de solo lectura.\r\n"
            "Por eso la opción de DOCUMENTAR SESIÓN sigue activada y al próximo inicio se "
            "volverá a preguntar si se borran los archivos.\r\n\r\n"
            "No se puede abrir el documento de sesión \"%3\": disco de solo lectura.\r\n%4");
        QCOMPARE(mensajes.textos, QStringList{aviso.arg(d.ruta, c.ruta("trazo.txt"),
                                                        c.ruta("14_35.log"), desactivada)});
        p.pulsar("boton_salir");
        QCOMPARE(mensajes.textos.value(1),
                 "No se pudo escribir \"" + c.ruta("trazo.txt") +
                     "\": disco de solo lectura.\r\nPor eso la opción de DOCUMENTAR SESIÓN "
                     "volverá a estar activada al próximo inicio.");
    }

    // "Salir" that cannot rewrite "trazo.txt" says so only when the next start
    // would differ from this session: for a folder in the file's place while
    // documentation was switched on, not for a read-only folder whose file said off.
    void salir_sin_poder_escribir_el_interruptor() {
        {
            const CarpetaTrabajo c;
            QVERIFY(QFile::remove("trazo.txt") && QDir::current().mkdir("trazo.txt"));
            Mensajes mensajes;
            const Programa p;
            p.documentar();
            QVERIFY(p.documentando());
            mensajes.textos.clear();
            p.pulsar("boton_salir");
            QCOMPARE(mensajes.textos,
                     QStringList{"No se pudo escribir \"" + c.ruta("trazo.txt") +
                                 "\": hay una carpeta con ese nombre.\r\nPor eso la opción de "
                                 "DOCUMENTAR SESIÓN no estará activada al próximo inicio."});
        }
        const CarpetaTrabajo c;
        MONTAR(c, d, apagado);
        QVERIFY(d.solo_lectura());
        Mensajes mensajes;
        const Programa p;
        p.pulsar("boton_salir");
        QVERIFY(mensajes.textos.isEmpty());
    }

    // What "14_35.log" is: "" a folder, "limite" a file whose size limit stops
    // the first line `cabe` bytes in, "borrado" or "reemplazado" the file deleted,
    // or deleted and made again, by another program between two plots (what it
    // held is saved then).
    void documento_fallido_data() {
        QTest::addColumn<QString>("destino");
        QTest::addColumn<bool>("al_arrancar");
        QTest::addColumn<int>("cabe");
        QTest::addColumn<QString>("dice"); // %1 the file, %2 where what it held went
        const QString abrir = QStringLiteral("No se puede abrir el documento de sesión \"%1\": ");
        const QString escribir =
            QStringLiteral("No se puede escribir en el documento de sesión \"%1\": ");
        const QString tope = escribir + QStringLiteral("el archivo llegó al tamaño máximo "
                                                       "permitido.\r\nEl caso recién graficado no "
                                                       "quedó registrado; las líneas anteriores "
                                                       "siguen completas.");
        const QString rescate = QStringLiteral("El documento de sesión \"%1\" fue %3 mientras se "
                                               "usaba.\r\nLo que tenía escrito se guardó en "
                                               "\"%2\".\r\nEl caso recién graficado no quedó "
                                               "registrado.");
        QTest::newRow("a folder of that name")
            << "" << false << 0 << abrir + "hay una carpeta con ese nombre.";
        QTest::newRow("no byte of the line fits") << "limite" << true << 0 << tope;
        QTest::newRow("part of the line fits") << "limite" << true << 20 << tope;
        QTest::newRow("deleted") << "borrado" << true << 0
                                 << QString(rescate).replace(
                                        "%3", "borrado por otro programa, u otra copia de este,");
        QTest::newRow("replaced") << "reemplazado" << true << 0
                                  << QString(rescate).replace(
                                         "%3", "reemplazado por otro archivo del mismo nombre");
    }
    void documento_fallido() {
        QFETCH(QString, destino);
        QFETCH(bool, al_arrancar);
        QFETCH(int, cabe);
        QFETCH(QString, dice);
        CarpetaTrabajo c(QString::fromUtf8(CarpetaTrabajo::inic_normal),
                         al_arrancar ? encendido : apagado);
        // Told only once the plot is whole: its list filled, the pointer back.
        QStringList textos;
        QList<bool> tras_el_grafico;
        set_contestador([&](const QString& t) {
            textos << t;
            tras_el_grafico << (QGuiApplication::overrideCursor() == nullptr);
        });
        const bool limite = destino == "limite";
        const bool rescate = destino == "borrado" || destino == "reemplazado";
        if (!limite && !rescate) {
            QVERIFY(QDir::current().mkdir("14_35.log"));
        }
        const Programa p;
        if (!al_arrancar) {
            p.documentar();
        }
        if (rescate) {
            p.pulsar("boton_graficar");
            QVERIFY(QFile::remove("14_35.log"));
            if (destino == "reemplazado") {
                c.escribir("14_35.log", "otro");
            }
            p.pulsar("boton_graficar");
        }
        if (limite) { // the size limit makes a write fall short as a full disk does
            QVERIFY(textos.isEmpty());
            const auto senal = std::signal(SIGXFSZ, SIG_IGN);
            rlimit antes{};
            getrlimit(RLIMIT_FSIZE, &antes);
            rlimit corto = antes;
            corto.rlim_cur = static_cast<rlim_t>(cabecera.size() + cabe);
            QCOMPARE(setrlimit(RLIMIT_FSIZE, &corto), 0);
            p.pulsar("boton_graficar");
            setrlimit(RLIMIT_FSIZE, &antes);
            std::signal(SIGXFSZ, senal);
            QCOMPARE(c.leer("14_35.log"), cabecera); // no half line left
            QCOMPARE(buscar<QListWidget>(p.v.get(), "lista_intensidades")->count(), 1);
        }
        set_contestador(nullptr);
        const QString copia = destino == "reemplazado" ? "14_35 (2).log" : "14_35.log";
        QCOMPARE(textos.size(), 1); // and not the success message
        QCOMPARE(textos[0], dice.replace("%1", c.ruta("14_35.log")).replace("%2", c.ruta(copia)) +
                                "\r\n" + desactivada);
        QCOMPARE(tras_el_grafico, QList<bool>{true});
        QVERIFY(!p.documentando());
        if (rescate) {
            QCOMPARE(c.leer(copia), cabecera + linea);
            QCOMPARE(c.leer("14_35.log"),
                     destino == "reemplazado" ? QByteArray("otro") : cabecera + linea);
        }
        Mensajes mensajes;
        p.pulsar("boton_graficar"); // told once: documentation is off now
        QVERIFY(mensajes.textos.isEmpty());
        p.pulsar("boton_salir");
        QCOMPARE(c.leer("trazo.txt"), apagado.toUtf8());
    }

    // A name the minute's file would take that leads outside the folder, by a
    // symbolic or a hard link: that file stays as it was, the log gets a name of its own.
    void documento_por_un_enlace() {
        for (const bool simbolico : {true, false}) {
            const CarpetaTrabajo c(QString::fromUtf8(CarpetaTrabajo::inic_normal), encendido);
            const QTemporaryDir fuera;
            const QString ajeno = fuera.filePath("ajeno.log");
            QFile f(ajeno);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("ajeno") == 5);
            f.close();
            const QByteArray a = QFile::encodeName(ajeno);
            QVERIFY(simbolico ? QFile::link(ajeno, "14_35.log") : ::link(a, "14_35.log") == 0);
            Mensajes mensajes;
            const Programa p;
            p.pulsar("boton_graficar");
            QCOMPARE(mensajes.textos,
                     QStringList{"Con el nombre \"" + c.ruta("14_35.log") +
                                 "\" ya había un enlace, o algo que no es un archivo común de la "
                                 "carpeta, y no se escribe a través de él.\r\nLa documentación de "
                                 "la sesión se guarda en \"" +
                                 c.ruta("14_35 (2).log") + "\"."});
            QCOMPARE(c.leer("14_35 (2).log"), cabecera + linea);
            QCOMPARE(c.leer("14_35.log"), QByteArray("ajeno"));
            QVERIFY(p.documentando());
        }
    }

    // Names another program wrote in another encoding are counted, shown
    // readable, opened and deleted like any other.
    void nombres_que_no_son_utf8() {
        CarpetaTrabajo c(QString::fromUtf8(CarpetaTrabajo::inic_normal), apagado);
        const QByteArray nombres[] = {"caf\xE9.log", "\xFF\xFE.log", "bien.log"};
        for (const QByteArray& n : nombres) {
            QFile f(QFile::decodeName(n));
            const int fd = ::open(n.constData(), O_WRONLY | O_CREAT, 0644);
            QVERIFY(fd >= 0 && f.open(fd, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle));
            f.write(QByteArray(n[0] == 'b' ? 1 : 5000, 'x'));
        }
        QStringList vistos;
        const Modal visor([&](QWidget* w) {
            for (const QListWidgetItem* fila :
                 buscar<QListWidget>(w, "archivos")->findItems("*", Qt::MatchWildcard)) {
                vistos << fila->text();
            }
            elegir_archivo(w, "caf\\xE9.log");
            pulsar(w, "boton_aceptar");
            vistos << texto_de(w).left(3);
        });
        {
            const Programa p;
            p.accion("accion_abrir")->trigger();
        }
        QCOMPARE(vistos, (QStringList{"\\xFF\\xFE.log", "bien.log", "caf\\xE9.log", "xxx"}));
        c.escribir("trazo.txt", encendido.toUtf8());
        QString cuenta;
        const Modal limpieza([&](QWidget* w) {
            cuenta = texto_de(w, "cuenta");
            pulsar(w, "boton_aceptar");
        });
        Mensajes mensajes;
        const Programa p;
        QVERIFY2(cuenta.endsWith("con   3 archivos y  10001 bytes"), qPrintable(cuenta));
        QCOMPARE(mensajes.textos, QStringList());
        DIR* d = ::opendir(".");
        int quedan = 0;
        while (const dirent* e = ::readdir(d)) {
            quedan += QByteArray(e->d_name).endsWith(".log") ? 1 : 0;
        }
        ::closedir(d);
        QCOMPARE(quedan, 0);
    }

    void visor() {
        const Escena e; // the viewer lists the folder when it is first opened
        e.carpeta.escribir("a.log", "uno\r\n \r\n\r\ndos");
        e.carpeta.escribir("b.log", "");
        e.carpeta.escribir("notas.txt", "no");
        QPointer<QWidget> visor;
        QStringList nombres, vistos;
        std::function<void()> operar;
        const Modal m([&](QWidget* w) {
            visor = w;
            nombres.clear();
            for (const QListWidgetItem* fila :
                 buscar<QListWidget>(w, "archivos")->findItems("*", Qt::MatchWildcard)) {
                nombres << fila->text();
            }
            vistos << texto_de(w);
            operar();
        });
        operar = [&] {
            pulsar(visor, "boton_aceptar"); // nothing selected
            QVERIFY(visor->isVisible());
            elegir_archivo(visor, "a.log", true);
            pulsar(visor, "boton_copiar");
            vistos << QGuiApplication::clipboard()->text();
            elegir_archivo(visor, "b.log"); // an empty file clears the text
            pulsar(visor, "boton_aceptar");
            vistos << texto_de(visor);
            elegir_archivo(visor, "a.log");
            pulsar(visor, "boton_aceptar");
            pulsar(visor, "boton_cerrar");
        };
        e.elegir("menu_archivo", "Abrir Documento de Sesión");
        QCOMPARE(nombres, (QStringList{"a.log", "b.log"}));
        QCOMPARE(vistos, (QStringList{"", "uno\r\n \r\n\r\ndos\r\n", ""}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // as a user's loop
        QVERIFY(visor && visor->isHidden());

        e.carpeta.escribir("c.log", "tres");
        operar = [&] { visor->close(); }; // "Cerrar" kept list and text; the close box destroys
        e.elegir("menu_archivo", "Abrir Documento de Sesión");
        QCOMPARE(nombres, (QStringList{"a.log", "b.log"}));
        QCOMPARE(vistos.last(), QStringLiteral("uno\n \n\ndos\n"));
        QTRY_VERIFY(visor.isNull());

        // A fresh one, from the keyboard: Enter shows the file chosen in the list,
        // Escape destroys the viewer as its close box does.
        operar = [&] {
            auto* lista = buscar<QListWidget>(visor, "archivos");
            QTest::keyClick(lista, Qt::Key_Down);
            QTest::keyClick(lista, Qt::Key_Return);
            vistos << texto_de(visor);
            QTest::keyClick(lista, Qt::Key_Escape);
            QVERIFY(visor->isHidden());
        };
        e.elegir("menu_archivo", "Abrir Documento de Sesión");
        QCOMPARE(nombres, (QStringList{"a.log", "b.log", "c.log"}));
        QCOMPARE(vistos.mid(4), (QStringList{"", "uno\n \n\ndos\n"}));
        QTRY_VERIFY(visor.isNull());
    }

    // The dialogs take the main window's scale: their captions are as large as its
    // buttons'; the viewer's text is in a fixed-width font; and what a screen
    // reader is told of them and of each of their controls.
    void dialogos_a_escala_y_accesibles() {
        const Escena e;
        const int letra = e.control("boton_graficar")->font().pixelSize();
        VisorSesiones visor(e.ventana.get());
        DialogoLimpieza limpieza(e.ventana.get(), 2, 10001);
        QCOMPARE(buscar(&visor, "boton_cerrar")->font().pixelSize(), letra);
        QCOMPARE(buscar(&limpieza, "boton_cancelar")->font().pixelSize(), letra);
        // Columns line up when every character is as wide as any other.
        const QFontMetrics medida = buscar(&visor, "texto")->fontMetrics();
        for (const QChar ch : QStringLiteral("i.,1 _")) {
            QCOMPARE(medida.horizontalAdvance(ch), medida.horizontalAdvance(QLatin1Char('M')));
        }
        const QString pregunta = QStringLiteral(" ¿ Desea Desactivar la opción de DOCUMENTAR "
                                                "SESIÓN y borrar todos los archivos  .log  ?");
        const std::tuple<QWidget*, const char*, QAccessible::Role, QString> leidos[] = {
            {&visor, "", QAccessible::Dialog, "Archivos de Sesiones Realizadas"},
            {&visor, "archivos", QAccessible::List, "Archivos de sesión"},
            {&visor, "texto", QAccessible::EditableText, "Texto del archivo"},
            {&visor, "boton_copiar", QAccessible::Button, "Copiar al Portapapeles"},
            {&visor, "boton_aceptar", QAccessible::Button, "Aceptar"},
            {&visor, "boton_cerrar", QAccessible::Button, "Cerrar"},
            {&limpieza, "", QAccessible::Dialog, "Borrar archivos de sesión"},
            {&limpieza, "cuenta", QAccessible::EditableText, "Archivos de sesión"},
            {&limpieza, "pregunta", QAccessible::StaticText, pregunta},
            {&limpieza, "boton_aceptar", QAccessible::Button, "Aceptar"},
            {&limpieza, "boton_cancelar", QAccessible::Button, "Cancelar"}};
        for (const auto& [dialogo, control, rol, nombre] : leidos) {
            QWidget* w = *control != 0 ? buscar(dialogo, control) : dialogo;
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            QVERIFY(a);
            QCOMPARE(a->role(), rol);
            QCOMPARE(a->text(QAccessible::Name), nombre);
        }
    }
};

QTEST_MAIN(PruebaSesion)

#include "tst_session.moc"
