// Session documentation: the text of its files, the switch and its file, the
// faults reported, the clean-up dialog of start-up and the viewer.
#include "main/form1.h"
#include "session/dialog.h"
#include "session/formato.h"
#include "session/reloj.h"
#include "session/trazas.h"
#include "tests/common/entorno.h"
#include "toolkit/mensaje.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

// Answers every modal window with `m` for the life of a test.
struct Modal {
    explicit Modal(ManejadorModal m) { set_manejador_modal(std::move(m)); }
    ~Modal() { set_manejador_modal(nullptr); }
};

// The documentation clock stopped on 5/12/26 at a settable time of day.
struct RelojFijo {
    explicit RelojFijo(int h, int m) { poner(h, m); }
    ~RelojFijo() { set_reloj(nullptr); }
    void poner(int h, int m) {
        set_reloj([t = QDateTime(QDate(2026, 12, 5), QTime(h, m, 7))] { return t; });
    }
};

const QString encendido = QStringLiteral(" 1 \r\n");
const QString apagado = QStringLiteral(" 0 \r\n");
const QByteArray columnas = "\r\n \r\nAngMin  AngMax   N     a     d   Long_Onda\r\n \r\n";
const QByteArray cabecera = "5_12_26" + columnas;
const QByteArray linea = "-30,0      30,0        5      2,0   10,0  0,55   \r\n";
const QString exito = QStringLiteral("\r\nLa documentación de la sesión queda grabada en\r\n"
                                     "archivos .log con la hora por nombre,\r\n"
                                     "en la carpeta de la aplicacion");

QStringList logs() {
    return QDir::current().entryList({"*.log"}, QDir::Files, QDir::Name);
}

// "Graficar" on the start-up case: -0.6 to 0.6 as tangents, -30 to 30 degrees.
void graficar(Form1& f) {
    QTest::mouseClick(f.Command1, Qt::LeftButton);
}

// Clicks (or double-clicks) the file `nombre` in the viewer's list.
void elegir(Trazas* t, const QString& nombre, bool doble = false) {
    const auto fila = t->File1->findItems(nombre, Qt::MatchExactly);
    QVERIFY(!fila.isEmpty());
    const QPoint centro = t->File1->visualItemRect(fila.front()).center();
    QTest::mouseClick(t->File1->viewport(), Qt::LeftButton, {}, centro);
    if (doble) {
        QTest::mouseDClick(t->File1->viewport(), Qt::LeftButton, {}, centro);
    }
}

QStringList lista(const Trazas* t) {
    QStringList r;
    for (int i = 0; i < t->File1->count(); ++i) {
        r << t->File1->item(i)->text();
    }
    return r;
}

QString copiado() {
    return QGuiApplication::clipboard()->text();
}

} // namespace

class PruebaSesion : public QObject {
    Q_OBJECT
private slots:
    void init() { QLocale::setDefault(locale_coma()); }
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void nombre_cabecera_y_texto();
    void con_patron();
    void lineas_data();
    void lineas();

    void sesion_a_traves_de_reinicios();
    void trazo_por_salir_data();
    void trazo_por_salir();
    void documento_fallido_data();
    void documento_fallido();
    void dialogo_de_limpieza_data();
    void dialogo_de_limpieza();
    void aceptar_borra_los_contados();
    void visor();
};

void PruebaSesion::nombre_cabecera_y_texto() {
    // Short times with a space, with seconds (C) and dates with dots stay as they are.
    const struct {
        QLocale locale;
        const char* nombre;
        const char* fecha;
    } locales[] = {{locale_coma(), "14_35.log", "5_12_26"},
                   {locale_punto(), "2_35 PM.log", "12_5_26"},
                   {QLocale::c(), "14_35.log", "5 Dec 2026"},
                   {QLocale(QLocale::German), "14_35.log", "05.12.26"}};
    for (const auto& l : locales) {
        QCOMPARE(nombre_documento(QTime(14, 35, 59), l.locale), QString::fromLatin1(l.nombre));
        QCOMPARE(cabecera_documento(QDate(2026, 12, 5), l.locale).toUtf8(), l.fecha + columnas);
    }
    const std::pair<QByteArray, QString> textos[] = {{"", ""},
                                                     {"uno\r\ndos", "uno\r\ndos\r\n"},
                                                     {"a\r\n \r\n\r\nb\r\n", "a\r\n \r\n\r\nb\r\n"},
                                                     {"a\nb\rc", "a\r\nb\r\nc\r\n"}};
    for (const auto& [contenido, esperado] : textos) {
        QCOMPARE(texto_con_fin_linea(contenido), esperado);
    }
}

void PruebaSesion::con_patron() {
    // Halves go away from zero, on the decimal the double stands for (1.005, 0.15).
    const struct {
        const char* patron;
        double x;
        const char* esperado;
    } filas[] = {
        {"#0.0#", 12, "12.0"},     {"#0.0#", 12.25, "12.25"},  {"#0.0#", -12.345, "-12.35"},
        {"#0.0#", 1.005, "1.01"},  {"#0.0#", 99.999, "100.0"}, {"#0.0#", -0.004, "0.0"},
        {"###", 0.4, ""},          {"###", 2.5, "3"},          {"###", 1234, "1234"},
        {"##0.0", 0.15, "0.2"},    {"0.0###", 0.6, "0.6"},     {"0.0###", 0.63285, "0.6329"},
        {"0.0###", 0.99999, "1.0"}};
    for (const auto& f : filas) {
        const QString patron = QString::fromLatin1(f.patron);
        QString esperado = QString::fromLatin1(f.esperado);
        QCOMPARE(::con_patron(f.x, patron, QStringLiteral(".")), esperado);
        QCOMPARE(::con_patron(f.x, patron, QStringLiteral(",")), esperado.replace('.', ','));
    }
}

void PruebaSesion::lineas_data() {
    QTest::addColumn<QList<double>>("valores");
    QTest::addColumn<QStringList>("campos");
    QTest::newRow("worked example")
        << QList<double>{-29, 30, 5, 2, 10, 0.55}
        << QStringList{"-29.0      ", "30.0        ", "5      ", "2.0   ", "10.0  ", "0.55   "};
    QTest::newRow("N 0 leaves its field blank")
        << QList<double>{0, 90, 0, 0.1, 100, 0.7777}
        << QStringList{"0.0        ", "90.0        ", "       ", "0.1   ", "100.0 ", "0.7777 "};
    QTest::newRow("long values cut on the right")
        << QList<double>{-123456789.25, 1234567890.5, 123456789, 12345.6, 123456, 12345.6789}
        << QStringList{"-123456789.", "1234567890.5", "1234567", "12345.", "123456", "12345.6"};
}

void PruebaSesion::lineas() {
    QFETCH(QList<double>, valores);
    QFETCH(QStringList, campos);
    const auto& v = valores;
    const CasoDocumentado c{
        v[0], v[1], Fijo::desde(v[2]), Fijo::desde(v[3]), Fijo::desde(v[4]), Fijo::desde(v[5])};
    QString esperado = campos.join(QString());
    QCOMPARE(linea_documento(c, locale_punto()), esperado);
    QCOMPARE(linea_documento(c, locale_coma()), esperado.replace('.', ','));
}

void PruebaSesion::sesion_a_traves_de_reinicios() {
    CarpetaTrabajo c;
    RelojFijo reloj(14, 35);
    Mensajes mensajes;
    QStringList vistos;
    Modal m([&](QWidget* w) {
        auto* t = qobject_cast<Trazas*>(w);
        elegir(t, "14_35.log");
        QTest::mouseClick(t->Command2, Qt::LeftButton);
        QTest::mouseClick(t->Command3, Qt::LeftButton);
        vistos << copiado();
        QTest::mouseClick(t->Command1, Qt::LeftButton);
    });
    {
        auto f = abrir_form1();
        QVERIFY(!f->menu_traza->isChecked());
        f->menu_traza->trigger();
        QVERIFY(f->menu_traza->isChecked());
        QCOMPARE(f->g.traza, 1);
        graficar(*f);
        // The viewer shows what is written so far and the file keeps receiving lines;
        // it is read through another handle while the program keeps it open.
        f->menu_abrir->trigger();
        graficar(*f);
        QCOMPARE(vistos, QStringList{cabecera + linea});
        QCOMPARE(c.leer("14_35.log"), cabecera + linea + linea);

        f->menu_traza->trigger(); // off: silent, nothing more written
        QVERIFY(!f->menu_traza->isChecked());
        QCOMPARE(f->g.traza, 0);
        graficar(*f);
        f->menu_traza->trigger(); // on again within the minute: same file, second block
        graficar(*f);
        QCOMPARE(c.leer("14_35.log"), cabecera + linea + linea + cabecera + linea);
        f->menu_traza->trigger();
        reloj.poner(14, 36);
        f->menu_traza->trigger();
        f->menu_salir->trigger();
    }
    QCOMPARE(c.leer("trazo.txt"), encendido.toUtf8());
    reloj.poner(16, 10);
    {
        auto f = abrir_form1();
        QVERIFY(f->menu_traza->isChecked());
        graficar(*f);
        QVERIFY(f->close()); // the close box saves nothing
    }
    QCOMPARE(c.leer("trazo.txt"), encendido.toUtf8());
    reloj.poner(16, 20);
    {
        auto f = abrir_form1();
        f->menu_traza->trigger(); // the check mark set at start-up: the first click switches off
        QCOMPARE(f->g.traza, 0);
        QTest::mouseClick(f->Command3, Qt::LeftButton);
    }
    QCOMPARE(c.leer("trazo.txt"), apagado.toUtf8());
    QCOMPARE(logs(), (QStringList{"14_35.log", "14_36.log", "16_10.log", "16_20.log"}));
    QCOMPARE(c.leer("14_36.log"), cabecera);
    QCOMPARE(c.leer("16_10.log"), cabecera + linea);
    QCOMPARE(c.leer("16_20.log"), cabecera);
    QCOMPARE(mensajes.textos, QStringList(3, exito)); // start-up never shows it
}

void PruebaSesion::trazo_por_salir_data() {
    QTest::addColumn<QString>("antes");
    QTest::addColumn<QString>("despues"); // on only for " 1 "
    QTest::newRow("2: off, written back") << " 2 \r\n"
                                          << " 2 \r\n";
    QTest::newRow("spaces, second field") << "   1  ,7\r\n" << encendido;
    QTest::newRow("not a number") << "si\r\n" << apagado;
    QTest::newRow("missing") << QString() << apagado;
}

void PruebaSesion::trazo_por_salir() {
    QFETCH(QString, antes);
    QFETCH(QString, despues);
    const bool encendida = despues == encendido;
    CarpetaTrabajo c(CarpetaTrabajo::inic_normal, antes);
    RelojFijo reloj(14, 35);
    Mensajes mensajes;
    auto f = abrir_form1();
    QCOMPARE(f->menu_traza->isChecked(), encendida);
    QCOMPARE(logs().size(), encendida ? 1 : 0);
    QTest::mouseClick(f->Command3, Qt::LeftButton);
    QCOMPARE(c.leer("trazo.txt"), despues.toUtf8());
    QVERIFY(mensajes.textos.isEmpty());
}

void PruebaSesion::documento_fallido_data() {
    // What "14_35.log" is: "" a folder, "limite" a file the size limit stops at its
    // header, else a link to `destino`.
    QTest::addColumn<QString>("destino");
    QTest::addColumn<bool>("al_arrancar");
    QTest::addColumn<QString>("motivo");
    QTest::newRow("a folder of that name") << "" << false << "hay una carpeta con ese nombre";
    QTest::newRow("the same at start-up") << "" << true << "hay una carpeta con ese nombre";
    QTest::newRow("a path that cannot be created") << "no/existe.log" << false << "";
    QTest::newRow("a full disk") << "/dev/full" << false << "";
    QTest::newRow("a line past the size limit") << "limite" << true << "";
}

void PruebaSesion::documento_fallido() {
    QFETCH(QString, destino);
    QFETCH(bool, al_arrancar);
    QFETCH(QString, motivo);
    CarpetaTrabajo c(CarpetaTrabajo::inic_normal, al_arrancar ? encendido : apagado);
    RelojFijo reloj(14, 35);
    Mensajes mensajes;
    const bool limite = destino == "limite";
    if (!limite) {
        QVERIFY(destino.isEmpty()
                    ? QDir::current().mkdir("14_35.log")
                    : QFile::link(QDir::current().absoluteFilePath(destino), "14_35.log"));
    }
    auto f = abrir_form1();
    if (!al_arrancar) {
        f->menu_traza->trigger();
    }
    if (limite) {
        // A file-size limit at the current size makes the next write fail as a full disk would.
        QVERIFY(mensajes.textos.isEmpty());
        const auto senal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit antes{};
        getrlimit(RLIMIT_FSIZE, &antes);
        rlimit corto = antes;
        corto.rlim_cur = static_cast<rlim_t>(cabecera.size());
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &corto), 0);
        graficar(*f);
        setrlimit(RLIMIT_FSIZE, &antes);
        std::signal(SIGXFSZ, senal);
        QCOMPARE(c.leer("14_35.log"), cabecera);
    }
    QCOMPARE(mensajes.textos.size(), 1); // and not the success message
    QVERIFY2(mensajes.textos[0].contains("\"" + c.ruta("14_35.log") + "\": " + motivo),
             qPrintable(mensajes.textos[0]));
    QVERIFY(!f->menu_traza->isChecked());
    QCOMPARE(f->g.traza, 0);
    graficar(*f); // told once: documentation is off now
    QCOMPARE(mensajes.textos.size(), 1);
}

void PruebaSesion::dialogo_de_limpieza_data() {
    QTest::addColumn<QString>("trazo");
    QTest::addColumn<int>("bytes_b");
    QTest::addColumn<bool>("cancelar"); // else the close box
    QTest::addColumn<bool>("dialogo");
    QTest::newRow("10000 bytes") << encendido << 4000 << true << false;
    QTest::newRow("10001 bytes, Cancelar") << encendido << 4001 << true << true;
    QTest::newRow("10001 bytes, close box") << encendido << 4001 << false << true;
    QTest::newRow("switch off") << apagado << 9000 << true << false;
}

void PruebaSesion::dialogo_de_limpieza() {
    QFETCH(QString, trazo);
    QFETCH(int, bytes_b);
    QFETCH(bool, cancelar);
    QFETCH(bool, dialogo);
    CarpetaTrabajo c(CarpetaTrabajo::inic_normal, trazo);
    RelojFijo reloj(14, 35);
    c.escribir("a.log", QByteArray(6000, 'x'));
    c.escribir("b.log", QByteArray(bytes_b, 'x'));
    QStringList vistos;
    Modal m([&](QWidget* w) {
        auto* d = qobject_cast<Dialog*>(w);
        QVERIFY(d && d->isModal());
        vistos << d->windowTitle() << d->Text1->toPlainText() << d->Label3->text();
        cancelar ? QTest::mouseClick(d->CancelButton, Qt::LeftButton) : void(d->close());
        QVERIFY(d->isHidden());
    });
    auto f = abrir_form1();
    const QStringList esperados{
        "Dialog Caption",
        "La aplicación tiene activada la opción de DOCUMENTAR SESIÓN, con   2 archivos y  10001 "
        "bytes",
        " ¿ Desea Desactivar la opción de DOCUMENTAR SESIÓN y borrar todos los archivos  .log  ?"};
    QCOMPARE(vistos, dialogo ? esperados : QStringList());
    const bool encendida = trazo == encendido;
    QCOMPARE(logs(), (encendida ? QStringList{"14_35.log", "a.log", "b.log"}
                                : QStringList{"a.log", "b.log"}));
    QCOMPARE(f->menu_traza->isChecked(), encendida);
}

void PruebaSesion::aceptar_borra_los_contados() {
    CarpetaTrabajo c(CarpetaTrabajo::inic_normal, encendido);
    RelojFijo reloj(14, 35);
    // More files than a byte counts and more bytes than 32 bits do.
    for (int i = 0; i < 300; ++i) {
        c.escribir(QString::number(i) + ".log", "x");
    }
    c.escribir("notas.txt", "no");
    QFile grande(c.ruta("grande.log"));
    QVERIFY(grande.open(QIODevice::WriteOnly) && grande.resize(3LL << 30)); // sparse
    grande.close();
    QString texto;
    Modal m([&](QWidget* w) {
        auto* d = qobject_cast<Dialog*>(w);
        QVERIFY(d);
        texto = d->Text1->toPlainText();
        // After the count a new file appears, and a counted one turns into a folder
        // that cannot be deleted: the others still go.
        c.escribir("nuevo.log", "x");
        QVERIFY(QFile::remove("0.log") && QDir::current().mkdir("0.log"));
        c.escribir("0.log/dentro", "x");
        QTest::mouseClick(d->OKButton, Qt::LeftButton);
        QVERIFY(d->isHidden());
    });
    auto f = abrir_form1();
    QVERIFY2(texto.endsWith("con   301 archivos y  3221225772 bytes"), qPrintable(texto));
    QCOMPARE(QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
             (QStringList{"0.log", "inic.dat", "notas.txt", "nuevo.log", "trazo.txt"}));
    QCOMPARE(f->g.traza, 0);
    QVERIFY(!f->menu_traza->isChecked());
    QCOMPARE(f->g.num_archivos, 301);
    QCOMPARE(c.leer("trazo.txt"), encendido.toUtf8());
}

void PruebaSesion::visor() {
    CarpetaTrabajo c;
    c.escribir("a.log", "uno\r\n \r\n\r\ndos");
    c.escribir("b.log", "");
    c.escribir("notas.txt", "no");
    QPointer<Trazas> t;
    QStringList nombres;
    QStringList vistos;
    std::function<void()> accion;
    Modal m([&](QWidget* w) {
        t = qobject_cast<Trazas*>(w);
        QVERIFY(t);
        nombres = lista(t);
        vistos << t->Text1->toPlainText();
        accion();
    });
    auto f = abrir_form1();
    accion = [&] {
        QCOMPARE(t->windowTitle(), QStringLiteral("Archivos de Sesiones Realizadas"));
        QTest::mouseClick(t->Command2, Qt::LeftButton); // nothing selected
        QVERIFY(t->isVisible());
        elegir(t, "a.log", true);
        QTest::mouseClick(t->Command3, Qt::LeftButton);
        vistos << copiado();
        elegir(t, "b.log"); // an empty file clears the text
        QTest::mouseClick(t->Command2, Qt::LeftButton);
        vistos << t->Text1->toPlainText();
        elegir(t, "a.log");
        QTest::mouseClick(t->Command2, Qt::LeftButton);
        QTest::mouseClick(t->Command1, Qt::LeftButton);
    };
    f->menu_abrir->trigger();
    QCOMPARE(nombres, (QStringList{"a.log", "b.log"}));
    QCOMPARE(vistos, (QStringList{"", "uno\r\n \r\n\r\ndos\r\n", ""}));
    QVERIFY(t && t->isHidden());

    c.escribir("c.log", "tres");
    accion = [&] { t->close(); }; // "Cerrar" kept list and text; the close box destroys
    f->menu_abrir->trigger();
    QCOMPARE(nombres, (QStringList{"a.log", "b.log"}));
    QCOMPARE(vistos.last(), QStringLiteral("uno\n \n\ndos\n"));
    QTRY_VERIFY(t.isNull());

    accion = [&] { t->Command1->click(); };
    f->menu_abrir->trigger();
    QCOMPARE(nombres, (QStringList{"a.log", "b.log", "c.log"}));
    QCOMPARE(vistos.last(), QString());
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PruebaSesion p;
    return QTest::qExec(&p, argc, argv) == 0 ? 0 : 1;
}

#include "tst_session.moc"
