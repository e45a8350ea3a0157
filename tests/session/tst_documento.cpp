#include "main/form1.h"
#include "tests/session/prueba.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <csignal>
#include <sys/resource.h>

namespace {

const QString exito = QStringLiteral("\r\nLa documentación de la sesión queda grabada en\r\n"
                                     "archivos .log con la hora por nombre,\r\n"
                                     "en la carpeta de la aplicacion");

// The values of the worked example at the moment of a plot.
void caso_ejemplo(Form1& f) {
    f.g.ang_min = -29;
    f.g.ang_max = 30;
}

} // namespace

class PruebaDocumento : public QObject {
    Q_OBJECT
private slots:
    void encender_escribe_cabecera_y_lineas_data();
    void encender_escribe_cabecera_y_lineas();
    void mismo_minuto_mismo_archivo_y_nuevo_bloque();
    void apagado_no_escribe();
    void arranque_encendido_sin_mensaje();
    void trazo_por_salir_data();
    void trazo_por_salir();
    void sesion_a_traves_de_reinicios();
    void cierre_de_ventana_no_escribe_trazo();
    void documento_que_no_se_abre_data();
    void documento_que_no_se_abre();
    void fallo_al_arrancar_se_avisa();
    void linea_que_no_se_puede_escribir();
    void linea_llega_al_sistema_sin_cerrar();
    void linea_sobrevive_a_un_cuelgue();
};

void PruebaDocumento::encender_escribe_cabecera_y_lineas_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("nombre");
    QTest::addColumn<QString>("fecha");
    QTest::addColumn<QString>("sep");
    QTest::newRow("comma") << locale_coma() << "14_35.log"
                           << "5_12_26"
                           << ",";
    QTest::newRow("point") << locale_punto() << "2_35 PM.log"
                           << "12_5_26"
                           << ".";
}

void PruebaDocumento::encender_escribe_cabecera_y_lineas() {
    QFETCH(QLocale, locale);
    QFETCH(QString, nombre);
    QFETCH(QString, fecha);
    QFETCH(QString, sep);
    CarpetaTrabajo carpeta;
    LocalePrueba l(locale);
    RelojFijo reloj(a_las(14, 35, 7));
    Mensajes mensajes;
    auto f = abrir_form1();
    QVERIFY(!f->menu_traza->isChecked());
    QVERIFY(archivos_log().isEmpty());

    f->menu_traza->trigger();
    QVERIFY(f->menu_traza->isChecked());
    QCOMPARE(f->g.traza, 1);
    QCOMPARE(mensajes.textos, QStringList{exito});
    QCOMPARE(archivos_log(), QStringList{nombre});
    const QByteArray cabecera =
        (fecha + QStringLiteral("\r\n \r\nAngMin  AngMax   N     a     d   Long_Onda\r\n \r\n"))
            .toUtf8();
    QCOMPARE(carpeta.leer(nombre), cabecera);

    caso_ejemplo(*f);
    f->documentar();
    f->documentar();
    const QByteArray linea = (linea_ejemplo(sep) + QStringLiteral("\r\n")).toUtf8();
    QCOMPARE(carpeta.leer(nombre), cabecera + linea + linea);
}

void PruebaDocumento::mismo_minuto_mismo_archivo_y_nuevo_bloque() {
    CarpetaTrabajo carpeta;
    LocalePrueba l(locale_coma());
    RelojFijo reloj(a_las(14, 35, 2));
    Mensajes mensajes;
    auto f = abrir_form1();
    caso_ejemplo(*f);
    const QByteArray linea = (linea_ejemplo(QStringLiteral(",")) + QStringLiteral("\r\n")).toUtf8();
    const QByteArray cabecera = cabecera_es().toUtf8();

    f->menu_traza->trigger();
    f->documentar();
    f->menu_traza->trigger(); // off
    QVERIFY(!f->menu_traza->isChecked());
    QCOMPARE(f->g.traza, 0);
    reloj.hora = a_las(14, 35, 58);
    f->menu_traza->trigger(); // on again within the minute: same file, second block
    f->documentar();
    QCOMPARE(archivos_log(), QStringList{QStringLiteral("14_35.log")});
    QCOMPARE(carpeta.leer(QStringLiteral("14_35.log")), cabecera + linea + cabecera + linea);

    f->menu_traza->trigger();
    reloj.hora = a_las(14, 36);
    f->menu_traza->trigger(); // a new minute: a new file with its own block
    QCOMPARE(archivos_log(),
             (QStringList{QStringLiteral("14_35.log"), QStringLiteral("14_36.log")}));
    QCOMPARE(carpeta.leer(QStringLiteral("14_36.log")), cabecera);
    f->documentar();
    QCOMPARE(carpeta.leer(QStringLiteral("14_36.log")), cabecera + linea);
    QCOMPARE(carpeta.leer(QStringLiteral("14_35.log")), cabecera + linea + cabecera + linea);
    // Only switching on tells the user; switching off is silent.
    QCOMPARE(mensajes.textos, QStringList(3, exito));
}

void PruebaDocumento::apagado_no_escribe() {
    CarpetaTrabajo carpeta;
    LocalePrueba l(locale_coma());
    RelojFijo reloj(a_las(14, 35));
    Mensajes mensajes;
    auto f = abrir_form1();
    caso_ejemplo(*f);
    f->menu_traza->trigger();
    f->menu_traza->trigger();
    f->documentar();
    QCOMPARE(carpeta.leer(QStringLiteral("14_35.log")), cabecera_es().toUtf8());
}

void PruebaDocumento::arranque_encendido_sin_mensaje() {
    CarpetaTrabajo carpeta(QString::fromUtf8(CarpetaTrabajo::inic_normal),
                           QStringLiteral(" 1 \r\n"));
    LocalePrueba l(locale_coma());
    RelojFijo reloj(a_las(14, 35));
    Mensajes mensajes;
    auto f = abrir_form1();
    QVERIFY(f->menu_traza->isChecked());
    QCOMPARE(f->g.traza, 1);
    QVERIFY(mensajes.textos.isEmpty());
    QCOMPARE(carpeta.leer(QStringLiteral("14_35.log")), cabecera_es().toUtf8());
    // The check mark was set by the program, so the first click switches off.
    f->menu_traza->trigger();
    QVERIFY(!f->menu_traza->isChecked());
    QCOMPARE(f->g.traza, 0);
    QVERIFY(mensajes.textos.isEmpty());
}

void PruebaDocumento::trazo_por_salir_data() {
    QTest::addColumn<QString>("antes");
    QTest::addColumn<bool>("encendida");
    QTest::addColumn<QByteArray>("despues");
    QTest::newRow("on") << " 1 \r\n" << true << QByteArray(" 1 \r\n");
    QTest::newRow("off") << " 0 \r\n" << false << QByteArray(" 0 \r\n");
    QTest::newRow("2 behaves as off, written back") << " 2 \r\n" << false << QByteArray(" 2 \r\n");
    QTest::newRow("spaces and second field") << "   1  ,7\r\n" << true << QByteArray(" 1 \r\n");
    QTest::newRow("not a number") << "si\r\n" << false << QByteArray(" 0 \r\n");
    QTest::newRow("missing") << QString() << false << QByteArray(" 0 \r\n");
}

void PruebaDocumento::trazo_por_salir() {
    QFETCH(QString, antes);
    QFETCH(bool, encendida);
    QFETCH(QByteArray, despues);
    CarpetaTrabajo carpeta(QString::fromUtf8(CarpetaTrabajo::inic_normal), antes);
    RelojFijo reloj(a_las(14, 35));
    Mensajes mensajes;
    auto f = abrir_form1();
    QCOMPARE(f->menu_traza->isChecked(), encendida);
    QCOMPARE(archivos_log().size(), encendida ? 1 : 0);
    QTest::mouseClick(f->Command3, Qt::LeftButton);
    QCOMPARE(carpeta.leer(QStringLiteral("trazo.txt")), despues);
    QVERIFY(mensajes.textos.isEmpty());
}

void PruebaDocumento::sesion_a_traves_de_reinicios() {
    CarpetaTrabajo carpeta;
    LocalePrueba l(locale_coma());
    RelojFijo reloj(a_las(14, 35));
    Mensajes mensajes;
    const QByteArray linea = (linea_ejemplo(QStringLiteral(",")) + QStringLiteral("\r\n")).toUtf8();
    {
        auto f = abrir_form1();
        f->menu_traza->trigger();
        caso_ejemplo(*f);
        f->documentar();
        f->menu_salir->trigger();
    }
    QCOMPARE(carpeta.leer(QStringLiteral("trazo.txt")), QByteArray(" 1 \r\n"));
    reloj.hora = a_las(16, 10);
    {
        auto f = abrir_form1();
        QVERIFY(f->menu_traza->isChecked());
        caso_ejemplo(*f);
        f->documentar();
        f->menu_traza->trigger();
        QTest::mouseClick(f->Command3, Qt::LeftButton);
    }
    QCOMPARE(carpeta.leer(QStringLiteral("14_35.log")), cabecera_es().toUtf8() + linea);
    QCOMPARE(carpeta.leer(QStringLiteral("16_10.log")), cabecera_es().toUtf8() + linea);
    QCOMPARE(carpeta.leer(QStringLiteral("trazo.txt")), QByteArray(" 0 \r\n"));
    auto f = abrir_form1();
    QVERIFY(!f->menu_traza->isChecked());
    QCOMPARE(archivos_log().size(), 2);
}

void PruebaDocumento::cierre_de_ventana_no_escribe_trazo() {
    CarpetaTrabajo carpeta(QString::fromUtf8(CarpetaTrabajo::inic_normal),
                           QStringLiteral(" 1 \r\n"));
    RelojFijo reloj(a_las(14, 35));
    Mensajes mensajes;
    auto f = abrir_form1();
    f->menu_traza->trigger(); // off, but the window is closed by its close box
    QVERIFY(f->close());
    QCOMPARE(carpeta.leer(QStringLiteral("trazo.txt")), QByteArray(" 1 \r\n"));
}

namespace {
enum class Estorbo { carpeta, ruta_inexistente, disco_lleno };
}

void PruebaDocumento::documento_que_no_se_abre_data() {
    QTest::addColumn<int>("estorbo");
    QTest::addColumn<QString>("motivo");
    QTest::newRow("folder with the file's name")
        << int(Estorbo::carpeta) << "hay una carpeta con ese nombre";
    QTest::newRow("path that cannot be created") << int(Estorbo::ruta_inexistente) << "";
    QTest::newRow("disk full") << int(Estorbo::disco_lleno) << "";
}

void PruebaDocumento::documento_que_no_se_abre() {
    QFETCH(int, estorbo);
    QFETCH(QString, motivo);
    CarpetaTrabajo carpeta;
    LocalePrueba l(locale_coma());
    RelojFijo reloj(a_las(14, 35));
    Mensajes mensajes;
    const QString nombre = QStringLiteral("14_35.log");
    switch (Estorbo(estorbo)) {
    case Estorbo::carpeta:
        QVERIFY(QDir::current().mkdir(nombre));
        break;
    case Estorbo::ruta_inexistente:
        QVERIFY(QFile::link(carpeta.ruta(QStringLiteral("no/existe/x.log")), nombre));
        break;
    case Estorbo::disco_lleno:
        QVERIFY(QFile::link(QStringLiteral("/dev/full"), nombre));
        break;
    }
    auto f = abrir_form1();
    f->menu_traza->trigger();
    QCOMPARE(mensajes.textos.size(), 1);
    const QString texto = mensajes.textos.front();
    QVERIFY2(texto.contains(carpeta.ruta(nombre)), qPrintable(texto));
    QVERIFY2(texto.contains(motivo), qPrintable(texto));
    QVERIFY(!texto.contains(QStringLiteral("queda grabada")));
    QVERIFY(!f->menu_traza->isChecked());
    QCOMPARE(f->g.traza, 0);
    caso_ejemplo(*f);
    f->documentar();
    QCOMPARE(mensajes.textos.size(), 1);
    // Switching on again is a fresh attempt, told again if it fails again.
    f->menu_traza->trigger();
    QCOMPARE(mensajes.textos.size(), 2);
    QVERIFY(!f->menu_traza->isChecked());
}

void PruebaDocumento::fallo_al_arrancar_se_avisa() {
    CarpetaTrabajo carpeta(QString::fromUtf8(CarpetaTrabajo::inic_normal),
                           QStringLiteral(" 1 \r\n"));
    LocalePrueba l(locale_coma());
    RelojFijo reloj(a_las(14, 35));
    Mensajes mensajes;
    QVERIFY(QDir::current().mkdir(QStringLiteral("14_35.log")));
    auto f = abrir_form1();
    QCOMPARE(mensajes.textos.size(), 1);
    QVERIFY(mensajes.textos.front().contains(QStringLiteral("14_35.log")));
    QVERIFY(!f->menu_traza->isChecked());
    QCOMPARE(f->g.traza, 0);
    // Documentation is off now, and so it is saved.
    QTest::mouseClick(f->Command3, Qt::LeftButton);
    QCOMPARE(carpeta.leer(QStringLiteral("trazo.txt")), QByteArray(" 0 \r\n"));
}

void PruebaDocumento::linea_que_no_se_puede_escribir() {
    CarpetaTrabajo carpeta;
    LocalePrueba l(locale_coma());
    RelojFijo reloj(a_las(14, 35));
    Mensajes mensajes;
    auto f = abrir_form1();
    f->menu_traza->trigger();
    mensajes.textos.clear();
    caso_ejemplo(*f);

    // A file-size limit at the current size makes the next write fail, as a full disk would.
    const QByteArray antes = carpeta.leer(QStringLiteral("14_35.log"));
    const auto senal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limite{};
    getrlimit(RLIMIT_FSIZE, &limite);
    rlimit corto = limite;
    corto.rlim_cur = static_cast<rlim_t>(antes.size());
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &corto), 0);
    f->documentar();
    setrlimit(RLIMIT_FSIZE, &limite);
    std::signal(SIGXFSZ, senal);

    QCOMPARE(mensajes.textos.size(), 1);
    QVERIFY(mensajes.textos.front().contains(carpeta.ruta(QStringLiteral("14_35.log"))));
    QVERIFY(!f->menu_traza->isChecked());
    QCOMPARE(f->g.traza, 0);
    QCOMPARE(carpeta.leer(QStringLiteral("14_35.log")), antes);
    f->documentar(); // told once: documentation is off now
    QCOMPARE(mensajes.textos.size(), 1);
}

void PruebaDocumento::linea_llega_al_sistema_sin_cerrar() {
    CarpetaTrabajo carpeta;
    LocalePrueba l(locale_coma());
    RelojFijo reloj(a_las(14, 35));
    Mensajes mensajes;
    auto f = abrir_form1();
    f->menu_traza->trigger();
    caso_ejemplo(*f);
    f->documentar();
    // Read through another handle while the program keeps its file open.
    QCOMPARE(carpeta.leer(QStringLiteral("14_35.log")),
             cabecera_es().toUtf8() + (linea_ejemplo(QStringLiteral(",")) + "\r\n").toUtf8());
}

void PruebaDocumento::linea_sobrevive_a_un_cuelgue() {
    CarpetaTrabajo carpeta(QString::fromUtf8(CarpetaTrabajo::inic_normal),
                           QStringLiteral(" 1 \r\n"));
    QProcess ayudante;
    ayudante.start(QStringLiteral(AYUDANTE_SESION), {QDir::currentPath()});
    QVERIFY(ayudante.waitForFinished(60000));
    QCOMPARE(ayudante.exitStatus(), QProcess::CrashExit);
    const QStringList logs = archivos_log();
    QCOMPARE(logs.size(), 1);
    const QList<QByteArray> lineas = carpeta.leer(logs.front()).split('\n');
    // Header (4 lines), one data line, and the empty rest after the last CR LF.
    QCOMPARE(lineas.size(), 6);
    QCOMPARE(lineas[2], QByteArray("AngMin  AngMax   N     a     d   Long_Onda\r"));
    QCOMPARE(lineas[4], (linea_ejemplo(QStringLiteral(".")) + "\r").toUtf8());
}

int correr_documento(int argc, char** argv) {
    PruebaDocumento p;
    return QTest::qExec(&p, argc, argv);
}

#include "tst_documento.moc"
