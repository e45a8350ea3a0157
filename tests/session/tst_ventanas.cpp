#include "main/form1.h"
#include "session/dialog.h"
#include "session/trazas.h"
#include "tests/session/prueba.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

const QString trazo_encendido = QStringLiteral(" 1 \r\n");

CarpetaTrabajo carpeta_encendida() {
    return CarpetaTrabajo(QString::fromUtf8(CarpetaTrabajo::inic_normal), trazo_encendido);
}

void escribir_de(const CarpetaTrabajo& c, const QString& nombre, qsizetype bytes) {
    c.escribir(nombre, QByteArray(bytes, 'x'));
}

// Selects the row named `nombre` of the viewer's list with a click.
void elegir(Trazas* t, const QString& nombre) {
    const QList<QListWidgetItem*> f = t->File1->findItems(nombre, Qt::MatchExactly);
    QVERIFY(!f.isEmpty());
    QTest::mouseClick(t->File1->viewport(), Qt::LeftButton, {},
                      t->File1->visualItemRect(f.front()).center());
}

QStringList lista(const Trazas* t) {
    QStringList r;
    for (int i = 0; i < t->File1->count(); ++i) {
        r << t->File1->item(i)->text();
    }
    return r;
}

QString portapapeles() {
    return QGuiApplication::clipboard()->text();
}

} // namespace

class PruebaVentanas : public QObject {
    Q_OBJECT
private slots:
    void dialogo_solo_por_encima_de_10000_data();
    void dialogo_solo_por_encima_de_10000();
    void dialogo_muestra_la_cuenta();
    void aceptar_borra_los_contados_y_apaga();
    void cancelar_o_cerrar_no_cambian_nada_data();
    void cancelar_o_cerrar_no_cambian_nada();
    void archivo_que_no_se_borra_se_salta();
    void cuentas_mas_alla_de_255_y_2_gib();

    void visor_muestra_con_fin_linea_y_copia();
    void visor_aceptar_sin_eleccion();
    void visor_cerrar_conserva_y_cierre_destruye();
    void visor_no_corta_la_documentacion();
};

void PruebaVentanas::dialogo_solo_por_encima_de_10000_data() {
    QTest::addColumn<QString>("trazo");
    QTest::addColumn<int>("segundo");
    QTest::addColumn<bool>("dialogo");
    QTest::newRow("10000 bytes") << trazo_encendido << 4000 << false;
    QTest::newRow("10001 bytes") << trazo_encendido << 4001 << true;
    QTest::newRow("switch off") << " 0 \r\n" << 9000 << false;
}

void PruebaVentanas::dialogo_solo_por_encima_de_10000() {
    QFETCH(QString, trazo);
    QFETCH(int, segundo);
    QFETCH(bool, dialogo);
    CarpetaTrabajo c(QString::fromUtf8(CarpetaTrabajo::inic_normal), trazo);
    RelojFijo reloj(a_las(14, 35));
    escribir_de(c, QStringLiteral("a.log"), 6000);
    escribir_de(c, QStringLiteral("b.log"), segundo);
    QStringList vistos;
    Modal m([&](QWidget* w) { vistos << w->windowTitle(); });
    auto f = abrir_form1();
    QCOMPARE(vistos, dialogo ? QStringList{QStringLiteral("Dialog Caption")} : QStringList());
}

void PruebaVentanas::dialogo_muestra_la_cuenta() {
    CarpetaTrabajo c = carpeta_encendida();
    escribir_de(c, QStringLiteral("a.log"), 6000);
    escribir_de(c, QStringLiteral("b.log"), 4001);
    QString texto;
    QString pregunta;
    QString botones;
    Modal m([&](QWidget* w) {
        auto* d = qobject_cast<Dialog*>(w);
        QVERIFY(d);
        QVERIFY(d->isModal());
        texto = d->Text1->toPlainText();
        pregunta = d->Label3->text();
        botones = d->OKButton->text() + QLatin1Char('|') + d->CancelButton->text();
        QTest::mouseClick(d->CancelButton, Qt::LeftButton);
    });
    auto f = abrir_form1();
    QCOMPARE(texto, QStringLiteral("La aplicación tiene activada la opción de DOCUMENTAR SESIÓN, "
                                   "con   2 archivos y  10001 bytes"));
    QCOMPARE(pregunta, QStringLiteral(" ¿ Desea Desactivar la opción de DOCUMENTAR SESIÓN y "
                                      "borrar todos los archivos  .log  ?"));
    QCOMPARE(botones, QStringLiteral("Aceptar|Cancelar"));
}

void PruebaVentanas::aceptar_borra_los_contados_y_apaga() {
    CarpetaTrabajo c = carpeta_encendida();
    RelojFijo reloj(a_las(14, 35));
    escribir_de(c, QStringLiteral("a.log"), 6000);
    escribir_de(c, QStringLiteral("b.log"), 5000);
    escribir_de(c, QStringLiteral("notas.txt"), 10);
    bool oculto = false;
    Modal m([&](QWidget* w) {
        auto* d = qobject_cast<Dialog*>(w);
        QVERIFY(d);
        // A file that appears after the count is not among the counted ones.
        escribir_de(c, QStringLiteral("nuevo.log"), 10);
        QTest::mouseClick(d->OKButton, Qt::LeftButton);
        oculto = d->isHidden();
    });
    auto f = abrir_form1();
    QVERIFY(oculto);
    QCOMPARE(archivos_log(), QStringList{QStringLiteral("nuevo.log")});
    QVERIFY(QFile::exists(QStringLiteral("notas.txt")));
    QCOMPARE(f->g.traza, 0);
    QVERIFY(!f->menu_traza->isChecked());
    QCOMPARE(f->g.num_archivos, 2);
    QCOMPARE(f->g.bytes_archivos, 11000);
    QCOMPARE(c.leer(QStringLiteral("trazo.txt")), trazo_encendido.toUtf8());
}

void PruebaVentanas::cancelar_o_cerrar_no_cambian_nada_data() {
    QTest::addColumn<bool>("boton");
    QTest::newRow("Cancelar") << true;
    QTest::newRow("close box") << false;
}

void PruebaVentanas::cancelar_o_cerrar_no_cambian_nada() {
    QFETCH(bool, boton);
    CarpetaTrabajo c = carpeta_encendida();
    LocalePrueba l(locale_coma());
    RelojFijo reloj(a_las(14, 35));
    escribir_de(c, QStringLiteral("a.log"), 6000);
    escribir_de(c, QStringLiteral("b.log"), 5000);
    bool oculto = false;
    Modal m([&](QWidget* w) {
        auto* d = qobject_cast<Dialog*>(w);
        QVERIFY(d);
        if (boton) {
            QTest::mouseClick(d->CancelButton, Qt::LeftButton);
        } else {
            d->close();
        }
        oculto = d->isHidden();
    });
    auto f = abrir_form1();
    QVERIFY(oculto);
    QCOMPARE(archivos_log(), (QStringList{QStringLiteral("14_35.log"), QStringLiteral("a.log"),
                                          QStringLiteral("b.log")}));
    QCOMPARE(c.leer(QStringLiteral("a.log")).size(), 6000);
    QCOMPARE(f->g.traza, 1);
    QVERIFY(f->menu_traza->isChecked());
    QCOMPARE(c.leer(QStringLiteral("14_35.log")), cabecera_es().toUtf8());
}

void PruebaVentanas::archivo_que_no_se_borra_se_salta() {
    CarpetaTrabajo c = carpeta_encendida();
    escribir_de(c, QStringLiteral("a.log"), 4000);
    escribir_de(c, QStringLiteral("b.log"), 4000);
    escribir_de(c, QStringLiteral("c.log"), 4000);
    Modal m([&](QWidget* w) {
        auto* d = qobject_cast<Dialog*>(w);
        QVERIFY(d);
        // The first counted file turns into a folder that holds something.
        QVERIFY(QFile::remove(QStringLiteral("a.log")));
        QVERIFY(QDir::current().mkdir(QStringLiteral("a.log")));
        escribir_de(c, QStringLiteral("a.log/dentro"), 1);
        QTest::mouseClick(d->OKButton, Qt::LeftButton);
    });
    auto f = abrir_form1();
    QVERIFY(!QFile::exists(QStringLiteral("b.log")));
    QVERIFY(!QFile::exists(QStringLiteral("c.log")));
    QVERIFY(QFileInfo(QStringLiteral("a.log")).isDir());
    QCOMPARE(f->g.traza, 0);
}

void PruebaVentanas::cuentas_mas_alla_de_255_y_2_gib() {
    CarpetaTrabajo c = carpeta_encendida();
    for (int i = 0; i < 300; ++i) {
        escribir_de(c, QStringLiteral("%1.log").arg(i, 3, 10, QLatin1Char('0')), 1);
    }
    {
        QFile grande(c.ruta(QStringLiteral("grande.log")));
        QVERIFY(grande.open(QIODevice::WriteOnly));
        QVERIFY(grande.resize(3LL << 30)); // sparse: no disk is used
    }
    QString texto;
    Modal m([&](QWidget* w) {
        auto* d = qobject_cast<Dialog*>(w);
        QVERIFY(d);
        texto = d->Text1->toPlainText();
        QTest::mouseClick(d->CancelButton, Qt::LeftButton);
    });
    auto f = abrir_form1();
    QCOMPARE(f->g.num_archivos, 301);
    QCOMPARE(f->g.bytes_archivos, (3LL << 30) + 300);
    QVERIFY2(texto.endsWith(QStringLiteral("con   301 archivos y  3221225772 bytes")),
             qPrintable(texto));
}

void PruebaVentanas::visor_muestra_con_fin_linea_y_copia() {
    CarpetaTrabajo c;
    c.escribir(QStringLiteral("a.log"), "uno\r\n \r\n\r\ndos");
    c.escribir(QStringLiteral("b.log"), "");
    c.escribir(QStringLiteral("notas.txt"), "no");
    QStringList nombres;
    QString titulo;
    QString mostrado_a;
    QString copiado_a;
    QString copiado_b = QStringLiteral("sin copiar");
    Modal m([&](QWidget* w) {
        auto* t = qobject_cast<Trazas*>(w);
        QVERIFY(t);
        titulo = t->windowTitle();
        nombres = lista(t);
        QCOMPARE(t->Command3->text(), QStringLiteral("Copiar  al Portapapeles"));
        elegir(t, QStringLiteral("a.log"));
        QTest::mouseClick(t->Command2, Qt::LeftButton);
        mostrado_a = t->Text1->toPlainText();
        QTest::mouseClick(t->Command3, Qt::LeftButton);
        copiado_a = portapapeles();
        // Double-click shows too; an empty file gives an empty text.
        const QList<QListWidgetItem*> b =
            t->File1->findItems(QStringLiteral("b.log"), Qt::MatchExactly);
        const QPoint centro = t->File1->visualItemRect(b.front()).center();
        QTest::mouseClick(t->File1->viewport(), Qt::LeftButton, {}, centro);
        QTest::mouseDClick(t->File1->viewport(), Qt::LeftButton, {}, centro);
        QVERIFY(t->Text1->toPlainText().isEmpty());
        QTest::mouseClick(t->Command3, Qt::LeftButton);
        copiado_b = portapapeles();
        QVERIFY(t->isVisible());
    });
    auto f = abrir_form1();
    f->menu_abrir->trigger();
    QCOMPARE(titulo, QStringLiteral("Archivos de Sesiones Realizadas"));
    QCOMPARE(nombres, (QStringList{QStringLiteral("a.log"), QStringLiteral("b.log")}));
    QCOMPARE(mostrado_a, QStringLiteral("uno\n \n\ndos\n"));
    QCOMPARE(copiado_a, QStringLiteral("uno\r\n \r\n\r\ndos\r\n"));
    QCOMPARE(copiado_b, QString());
}

void PruebaVentanas::visor_aceptar_sin_eleccion() {
    CarpetaTrabajo c;
    c.escribir(QStringLiteral("a.log"), "uno\r\n");
    bool visible = false;
    QString texto = QStringLiteral("sin leer");
    Modal m([&](QWidget* w) {
        auto* t = qobject_cast<Trazas*>(w);
        QVERIFY(t);
        QTest::mouseClick(t->Command2, Qt::LeftButton);
        texto = t->Text1->toPlainText();
        visible = t->isVisible();
    });
    auto f = abrir_form1();
    f->menu_abrir->trigger();
    QVERIFY(texto.isEmpty());
    QVERIFY(visible);
}

void PruebaVentanas::visor_cerrar_conserva_y_cierre_destruye() {
    CarpetaTrabajo c;
    c.escribir(QStringLiteral("a.log"), "uno");
    QPointer<Trazas> visor;
    QStringList nombres;
    QString texto;
    std::function<void(Trazas*)> accion = [&](Trazas* t) {
        elegir(t, QStringLiteral("a.log"));
        QTest::mouseClick(t->Command2, Qt::LeftButton);
        QTest::mouseClick(t->Command1, Qt::LeftButton);
        QVERIFY(t->isHidden());
    };
    Modal m([&](QWidget* w) {
        visor = qobject_cast<Trazas*>(w);
        QVERIFY(visor);
        nombres = lista(visor);
        texto = visor->Text1->toPlainText();
        accion(visor);
    });
    auto f = abrir_form1();
    f->menu_abrir->trigger();
    Trazas* primero = visor;

    c.escribir(QStringLiteral("b.log"), "dos");
    accion = [](Trazas* t) { t->close(); }; // the close box
    f->menu_abrir->trigger();
    QCOMPARE(visor.data(), primero);
    QCOMPARE(nombres, QStringList{QStringLiteral("a.log")});
    QCOMPARE(texto, QStringLiteral("uno\n"));
    QTRY_VERIFY(visor.isNull());

    accion = [](Trazas* t) { t->Command1->click(); };
    f->menu_abrir->trigger();
    QCOMPARE(nombres, (QStringList{QStringLiteral("a.log"), QStringLiteral("b.log")}));
    QVERIFY(texto.isEmpty());
}

void PruebaVentanas::visor_no_corta_la_documentacion() {
    CarpetaTrabajo c = carpeta_encendida();
    LocalePrueba l(locale_coma());
    RelojFijo reloj(a_las(14, 35));
    const QString linea = linea_ejemplo(QStringLiteral(","));
    QStringList vistos;
    Modal m([&](QWidget* w) {
        auto* t = qobject_cast<Trazas*>(w);
        QVERIFY(t);
        elegir(t, QStringLiteral("14_35.log"));
        QTest::mouseClick(t->Command2, Qt::LeftButton);
        QTest::mouseClick(t->Command3, Qt::LeftButton);
        vistos << portapapeles();
        QTest::mouseClick(t->Command1, Qt::LeftButton);
    });
    auto f = abrir_form1();
    f->g.ang_min = -29;
    f->g.ang_max = 30;
    f->documentar();
    f->menu_abrir->trigger();
    f->documentar();
    f->menu_abrir->trigger();
    const QString cabecera = cabecera_es();
    QCOMPARE(vistos, (QStringList{cabecera + linea + QStringLiteral("\r\n"),
                                  cabecera + linea + QStringLiteral("\r\n") + linea +
                                      QStringLiteral("\r\n")}));
    QCOMPARE(c.leer(QStringLiteral("14_35.log")),
             (cabecera + linea + QStringLiteral("\r\n") + linea + QStringLiteral("\r\n")).toUtf8());
    QVERIFY(f->menu_traza->isChecked());
}

int correr_ventanas(int argc, char** argv) {
    PruebaVentanas p;
    return QTest::qExec(&p, argc, argv);
}

#include "tst_ventanas.moc"
