#include "main/form1.h"
#include "session/dialog.h"
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

int correr_formato(int argc, char** argv);

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
const QByteArray cabecera = "5_12_26\r\n \r\nAngMin  AngMax   N     a     d   Long_Onda\r\n \r\n";
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

void elegir(Trazas* t, const QString& nombre) {
    const auto fila = t->File1->findItems(nombre, Qt::MatchExactly);
    QVERIFY(!fila.isEmpty());
    QTest::mouseClick(t->File1->viewport(), Qt::LeftButton, {},
                      t->File1->visualItemRect(fila.front()).center());
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

    void encender_apagar_y_bloques();
    void sesion_a_traves_de_reinicios();
    void trazo_por_salir_data();
    void trazo_por_salir();
    void documento_que_no_se_abre_data();
    void documento_que_no_se_abre();
    void linea_que_no_se_puede_escribir();
    void dialogo_de_limpieza_data();
    void dialogo_de_limpieza();
    void aceptar_borra_los_contados();
    void cuentas_mas_alla_de_255_y_2_gib();
    void visor();
    void visor_no_corta_la_documentacion();
};

void PruebaSesion::encender_apagar_y_bloques() {
    CarpetaTrabajo c;
    RelojFijo reloj(14, 35);
    Mensajes mensajes;
    auto f = abrir_form1();
    QVERIFY(!f->menu_traza->isChecked());
    f->menu_traza->trigger();
    QVERIFY(f->menu_traza->isChecked());
    QCOMPARE(f->g.traza, 1);
    QCOMPARE(c.leer("14_35.log"), cabecera);
    graficar(*f);
    graficar(*f);
    // Read through another handle while the program keeps the file open.
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
    QCOMPARE(logs(), (QStringList{"14_35.log", "14_36.log"}));
    QCOMPARE(c.leer("14_36.log"), cabecera);
    QCOMPARE(mensajes.textos, QStringList(3, exito));
}

void PruebaSesion::sesion_a_traves_de_reinicios() {
    CarpetaTrabajo c;
    RelojFijo reloj(14, 35);
    Mensajes mensajes;
    {
        auto f = abrir_form1();
        f->menu_traza->trigger();
        graficar(*f);
        f->menu_salir->trigger();
    }
    QCOMPARE(c.leer("trazo.txt"), QByteArray(" 1 \r\n"));
    reloj.poner(16, 10);
    {
        auto f = abrir_form1();
        QVERIFY(f->menu_traza->isChecked());
        graficar(*f);
        QVERIFY(f->close()); // the close box saves nothing
    }
    QCOMPARE(c.leer("trazo.txt"), QByteArray(" 1 \r\n"));
    reloj.poner(16, 20);
    {
        auto f = abrir_form1();
        f->menu_traza->trigger(); // the check mark set at start-up: the first click switches off
        QCOMPARE(f->g.traza, 0);
        QTest::mouseClick(f->Command3, Qt::LeftButton);
    }
    QCOMPARE(c.leer("trazo.txt"), QByteArray(" 0 \r\n"));
    QCOMPARE(logs(), (QStringList{"14_35.log", "16_10.log", "16_20.log"}));
    QCOMPARE(c.leer("14_35.log"), cabecera + linea);
    QCOMPARE(c.leer("16_10.log"), cabecera + linea);
    QCOMPARE(c.leer("16_20.log"), cabecera);
    QCOMPARE(mensajes.textos, QStringList{exito}); // start-up never shows it
}

void PruebaSesion::trazo_por_salir_data() {
    QTest::addColumn<QString>("antes");
    QTest::addColumn<bool>("encendida");
    QTest::addColumn<QByteArray>("despues");
    QTest::newRow("on") << encendido << true << QByteArray(" 1 \r\n");
    QTest::newRow("off") << " 0 \r\n" << false << QByteArray(" 0 \r\n");
    QTest::newRow("2: off, written back") << " 2 \r\n" << false << QByteArray(" 2 \r\n");
    QTest::newRow("spaces, second field") << "   1  ,7\r\n" << true << QByteArray(" 1 \r\n");
    QTest::newRow("not a number") << "si\r\n" << false << QByteArray(" 0 \r\n");
    QTest::newRow("missing") << QString() << false << QByteArray(" 0 \r\n");
}

void PruebaSesion::trazo_por_salir() {
    QFETCH(QString, antes);
    QFETCH(bool, encendida);
    QFETCH(QByteArray, despues);
    CarpetaTrabajo c(CarpetaTrabajo::inic_normal, antes);
    RelojFijo reloj(14, 35);
    Mensajes mensajes;
    auto f = abrir_form1();
    QCOMPARE(f->menu_traza->isChecked(), encendida);
    QCOMPARE(logs().size(), encendida ? 1 : 0);
    QTest::mouseClick(f->Command3, Qt::LeftButton);
    QCOMPARE(c.leer("trazo.txt"), despues);
    QVERIFY(mensajes.textos.isEmpty());
}

void PruebaSesion::documento_que_no_se_abre_data() {
    QTest::addColumn<QString>("destino"); // what "14_35.log" is: "" a folder, else a link
    QTest::addColumn<bool>("al_arrancar");
    QTest::addColumn<QString>("motivo");
    QTest::newRow("a folder of that name") << "" << false << "hay una carpeta con ese nombre";
    QTest::newRow("the same at start-up") << "" << true << "hay una carpeta con ese nombre";
    QTest::newRow("a path that cannot be created") << "no/existe.log" << false << "";
    QTest::newRow("a full disk") << "/dev/full" << false << "";
}

void PruebaSesion::documento_que_no_se_abre() {
    QFETCH(QString, destino);
    QFETCH(bool, al_arrancar);
    QFETCH(QString, motivo);
    CarpetaTrabajo c(CarpetaTrabajo::inic_normal, al_arrancar ? encendido : " 0 \r\n");
    RelojFijo reloj(14, 35);
    Mensajes mensajes;
    QVERIFY(destino.isEmpty()
                ? QDir::current().mkdir("14_35.log")
                : QFile::link(QDir::current().absoluteFilePath(destino), "14_35.log"));
    auto f = abrir_form1();
    if (!al_arrancar) {
        f->menu_traza->trigger();
    }
    QCOMPARE(mensajes.textos.size(), 1); // and not the success message
    QVERIFY2(mensajes.textos[0].contains("\"" + c.ruta("14_35.log") + "\": " + motivo),
             qPrintable(mensajes.textos[0]));
    QVERIFY(!f->menu_traza->isChecked());
    QCOMPARE(f->g.traza, 0);
    graficar(*f);
    QCOMPARE(mensajes.textos.size(), 1);
}

void PruebaSesion::linea_que_no_se_puede_escribir() {
    CarpetaTrabajo c(CarpetaTrabajo::inic_normal, encendido);
    RelojFijo reloj(14, 35);
    Mensajes mensajes;
    auto f = abrir_form1();
    // A file-size limit at the current size makes the next write fail as a full disk would.
    const auto senal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite{};
    getrlimit(RLIMIT_FSIZE, &limite);
    rlimit corto = limite;
    corto.rlim_cur = static_cast<rlim_t>(cabecera.size());
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &corto), 0);
    graficar(*f);
    setrlimit(RLIMIT_FSIZE, &limite);
    std::signal(SIGXFSZ, senal);

    QCOMPARE(mensajes.textos.size(), 1);
    QVERIFY(mensajes.textos[0].contains(c.ruta("14_35.log")));
    QVERIFY(!f->menu_traza->isChecked());
    QCOMPARE(f->g.traza, 0);
    QCOMPARE(c.leer("14_35.log"), cabecera);
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
    QTest::newRow("switch off") << " 0 \r\n" << 9000 << true << false;
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
    for (const char* n : {"a.log", "b.log", "c.log", "notas.txt"}) {
        c.escribir(n, QByteArray(4000, 'x'));
    }
    Modal m([&](QWidget* w) {
        auto* d = qobject_cast<Dialog*>(w);
        QVERIFY(d);
        // After the count a new file appears, and a counted one turns into a folder
        // that cannot be deleted: the others still go.
        c.escribir("nuevo.log", "x");
        QVERIFY(QFile::remove("a.log") && QDir::current().mkdir("a.log"));
        c.escribir("a.log/dentro", "x");
        QTest::mouseClick(d->OKButton, Qt::LeftButton);
        QVERIFY(d->isHidden());
    });
    auto f = abrir_form1();
    QCOMPARE(QDir::current().entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
             (QStringList{"a.log", "inic.dat", "notas.txt", "nuevo.log", "trazo.txt"}));
    QCOMPARE(f->g.traza, 0);
    QVERIFY(!f->menu_traza->isChecked());
    QCOMPARE(f->g.num_archivos, 3);
    QCOMPARE(f->g.bytes_archivos, 12000);
    QCOMPARE(c.leer("trazo.txt"), encendido.toUtf8());
}

void PruebaSesion::cuentas_mas_alla_de_255_y_2_gib() {
    CarpetaTrabajo c(CarpetaTrabajo::inic_normal, encendido);
    for (int i = 0; i < 300; ++i) {
        c.escribir(QString::number(i) + ".log", "x");
    }
    QFile grande(c.ruta("grande.log"));
    QVERIFY(grande.open(QIODevice::WriteOnly) && grande.resize(3LL << 30)); // sparse
    grande.close();
    QString texto;
    Modal m([&](QWidget* w) {
        texto = qobject_cast<Dialog*>(w)->Text1->toPlainText();
        w->close();
    });
    auto f = abrir_form1();
    QCOMPARE(f->g.num_archivos, 301);
    QVERIFY2(texto.endsWith("con   301 archivos y  3221225772 bytes"), qPrintable(texto));
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
        QVERIFY(t->Text1->toPlainText().isEmpty() && t->isVisible());
        elegir(t, "b.log");
        QTest::mouseDClick(t->File1->viewport(), Qt::LeftButton, {},
                           t->File1->visualItemRect(t->File1->item(1)).center());
        QTest::mouseClick(t->Command3, Qt::LeftButton);
        vistos << copiado();
        elegir(t, "a.log");
        QTest::mouseClick(t->Command2, Qt::LeftButton);
        QTest::mouseClick(t->Command3, Qt::LeftButton);
        vistos << copiado();
        QTest::mouseClick(t->Command1, Qt::LeftButton);
    };
    f->menu_abrir->trigger();
    QCOMPARE(nombres, (QStringList{"a.log", "b.log"}));
    QCOMPARE(vistos, (QStringList{"", "", "uno\r\n \r\n\r\ndos\r\n"}));
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

void PruebaSesion::visor_no_corta_la_documentacion() {
    CarpetaTrabajo c(CarpetaTrabajo::inic_normal, encendido);
    RelojFijo reloj(14, 35);
    QStringList vistos;
    Modal m([&](QWidget* w) {
        auto* t = qobject_cast<Trazas*>(w);
        elegir(t, "14_35.log");
        QTest::mouseClick(t->Command2, Qt::LeftButton);
        QTest::mouseClick(t->Command3, Qt::LeftButton);
        vistos << copiado();
        QTest::mouseClick(t->Command1, Qt::LeftButton);
    });
    auto f = abrir_form1();
    graficar(*f);
    f->menu_abrir->trigger(); // shows what is written so far
    graficar(*f);
    f->menu_abrir->trigger();
    QCOMPARE(vistos, (QStringList{cabecera + linea, cabecera + linea + linea}));
    QCOMPARE(c.leer("14_35.log"), cabecera + linea + linea);
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    PruebaSesion p;
    const int fallos = correr_formato(argc, argv) + QTest::qExec(&p, argc, argv);
    return fallos == 0 ? 0 : 1;
}

#include "tst_session.moc"
