// Lessons in the main window: saved and opened again pixel for pixel, a bad
// file or a "No" leaving the window as it was, the recent list, the cases of a
// session file plotted again, and the values of the last run kept.
#include "grafica/grafica.h"
#include "tests/common/disco.h"
#include "tests/common/entorno.h"
#include "toolkit/picture_box.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// The next file dialog answered with `ruta`.
Modal archivo(const QString& ruta) {
    return Modal([ruta](QWidget* w) {
        auto* d = qobject_cast<QFileDialog*>(w);
        d->selectFile(ruta);
        buscar<QDialogButtonBox>(d, QStringLiteral("buttonBox"))
            ->button(d->acceptMode() == QFileDialog::AcceptSave ? QDialogButtonBox::Save
                                                                : QDialogButtonBox::Open)
            ->click();
    });
}

void abrir(const Escena& e, const QString& ruta, const char* entrada = "Abrir lección…") {
    const Modal m = archivo(ruta);
    e.elegir("menu_archivo", QString::fromUtf8(entrada));
}

// The real question box, once it shows, answered with its button `boton`.
void responder(const QString& boton) {
    auto* espera = new QTimer;
    QObject::connect(espera, &QTimer::timeout, [espera, boton] {
        if (auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            espera->deleteLater();
            espera->stop();
            for (QAbstractButton* b : caja->buttons()) {
                if (b->text() == boton) {
                    b->click();
                }
            }
        }
    });
    espera->start(10);
}

// What a lesson brings back: the graph, the bands and the values.
using Vista = std::tuple<QImage, QImage, Parametros>;
Vista vista(const Escena& e) {
    return {e.grafica().imagen(), e.control<PictureBox>("sector_ampliado")->imagen(),
            e.parametros()};
}

} // namespace

class TstLecciones : public QObject {
    Q_OBJECT
private slots:
    void ida_y_vuelta();
    void sin_perder_nada();
    void arranque_recordado();
    void casos_de_sesion();
    void disco_lleno();
};

void TstLecciones::ida_y_vuelta() {
    QTemporaryDir dir;
    for (const char* opcion : {"opcion_banda_unica", "opcion_bandas_separadas"}) {
        const QString ruta = dir.filePath(QString::fromLatin1(opcion) + ".ondaris");
        Vista guardada;
        {
            const Escena e;
            clic(e.control(opcion));
            e.graficar_caso(5, 2, 10, 0.55);
            clic(e.control("subir_ranuras")); // the geometry compared: bands from black
            e.graficar();
            e.graficar_caso(3, 1.5, 7.5, 0.42);
            e.graficar_caso(4, 2, 9, 0.7);
            e.escribir(Magnitud::inferior, QStringLiteral("-0,3"));
            guardada = vista(e);
            const Modal m = archivo(ruta);
            QTest::keyClick(e.ventana.get(), Qt::Key_S, Qt::ControlModifier);
        }
        const Escena e;
        abrir(e, ruta);
        QCOMPARE(e.curvas(), 4);
        QVERIFY(vista(e) == guardada);
    }
}

void TstLecciones::sin_perder_nada() {
    const Escena e;
    e.graficar_caso(5, 2, 10, 0.55);
    const Vista antes = vista(e);
    const QString buena = e.carpeta.ruta("buena.ondaris");
    abrir(e, buena, "Guardar como…");
    e.carpeta.escribir("mala.ondaris", e.carpeta.leer("buena.ondaris").chopped(40));
    e.graficar_caso(4, 2, 10, 0.7); // not saved
    const Vista sin_guardar = vista(e);

    // Dropped on the window, a cut file is refused by name.
    QMimeData datos;
    datos.setUrls({QUrl::fromLocalFile(e.carpeta.ruta("mala.ondaris"))});
    QDragEnterEvent entra(QPoint(50, 50), Qt::CopyAction, &datos, Qt::LeftButton, {});
    QApplication::sendEvent(e.ventana.get(), &entra);
    QDropEvent suelta(QPointF(50, 50), Qt::CopyAction, &datos, Qt::LeftButton, {});
    QApplication::sendEvent(e.ventana.get(), &suelta);
    QTRY_COMPARE(e.mensajes.textos.value(0),
                 QStringLiteral("No se puede abrir la lección \"mala.ondaris\": está cortada: "
                                "termina antes de cerrar sus datos."));
    QVERIFY(vista(e) == sin_guardar);
    for (const auto& [boton, despues] : {std::pair{"No", sin_guardar}, {"Sí", antes}}) {
        responder(QString::fromUtf8(boton));
        abrir(e, buena);
        QVERIFY(vista(e) == despues);
    }

    // The last five, the latest first.
    QStringList recientes, esperadas;
    for (int n = 1; n <= 6; ++n) {
        abrir(e, e.carpeta.ruta(QStringLiteral("%1.ondaris").arg(n)), "Guardar como…");
        esperadas.prepend(QStringLiteral("&%1 %2.ondaris").arg(7 - n).arg(n));
    }
    for (QAction* a : e.control<QMenu>("menu_recientes")->actions()) {
        recientes << a->text();
    }
    QCOMPARE(recientes, esperadas.mid(0, 5));
}

void TstLecciones::arranque_recordado() {
    Escena e;
    e.escribir(Magnitud::ranuras, QStringLiteral("7"));
    for (const auto& [inic, ranuras] : {std::pair{"", 7}, {"6, 1, 500", 6}}) {
        if (*inic) {
            e.carpeta.escribir("inic.dat", inic_con({{3, inic}}).toUtf8());
        }
        e.ventana.reset(); // it keeps its values as it goes
        e.ventana = std::make_unique<VentanaPrincipal>();
        e.ventana->cargar();
        QCOMPARE(e.parametros().valor(Magnitud::ranuras), Fijo(ranuras));
    }
}

void TstLecciones::casos_de_sesion() {
    const Escena e(QString::fromUtf8(CarpetaTrabajo::inic_normal), QStringLiteral(" 1 \r\n"));
    e.graficar_caso(5, 2, 10, 0.55);
    e.graficar_caso(3, 1.5, 8, 0.6);
    e.graficar_caso(4, 1, 7, 0.45);
    const std::vector<Curva> graficadas = e.grafica().curvas();
    e.limpiar();
    const Modal m([](QWidget* visor) {
        auto* lista = buscar<QListWidget>(visor, "archivos");
        QTest::mouseClick(lista->viewport(), Qt::LeftButton, {},
                          lista->visualItemRect(lista->item(0)).center());
        clic(buscar<QPushButton>(visor, "boton_aceptar"));
        auto* texto = buscar<QPlainTextEdit>(visor, "texto"); // the three lines above the end
        QTest::keyClick(texto, Qt::Key_End, Qt::ControlModifier);
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(texto, Qt::Key_Up, Qt::ShiftModifier);
        }
        clic(buscar<QPushButton>(visor, "boton_graficar_casos"));
    });
    e.elegir("menu_archivo", QStringLiteral("Abrir Documento de Sesión"));
    QCOMPARE(e.curvas(), 3);
    for (int k = 0; k < 3; ++k) { // over the logged sector, -30 to 30 degrees
        const Curva &a = graficadas[k], &b = e.grafica().curvas()[k];
        QVERIFY(a.ranuras == b.ranuras && a.ancho == b.ancho && a.distancia == b.distancia &&
                a.onda == b.onda && std::abs(b.seno_min() + 0.5) < 1e-4);
    }
}

// A lesson saved again on a full disk stays as it was, and the user is told.
void TstLecciones::disco_lleno() {
    const Escena e;
    MONTAR(e.carpeta, d, QStringLiteral(" 0 \r\n"));
    e.graficar();
    abrir(e, e.carpeta.ruta("l.ondaris"), "Guardar como…");
    const QByteArray guardada = e.carpeta.leer("l.ondaris");
    e.carpeta.escribir("relleno", QByteArray(64 * 1024, 'x'));
    e.graficar_caso(4, 2, 10, 0.7);
    QTest::keyClick(e.ventana.get(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(e.mensajes.textos.value(0).startsWith("No se pudo guardar"));
    QCOMPARE(e.carpeta.leer("l.ondaris"), guardada);
}

QTEST_MAIN(TstLecciones)
#include "tst_lecciones.moc"
