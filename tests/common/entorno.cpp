#include "tests/common/entorno.h"

#include "entry/entrada.h"
#include "grafica/grafica.h"
#include "grafica/ordenada.h"
#include "toolkit/picture_box.h"
#include "toolkit/trazado.h"
#include "zoom/ventana_zoom.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QSettings>
#include <QTest>

#include <algorithm>
#include <cmath>

const char* const CarpetaTrabajo::inic_normal = "-0.6, -2, 2\n"
                                                "0.6, -2, 2\n"
                                                "5, 1, 500\n"
                                                "2, 0.1, 100\n"
                                                "10, 1, 100\n"
                                                "0.55, 0.38, 0.78\n";

CarpetaTrabajo::CarpetaTrabajo(const QString& inic, const QString& trazo)
    : anterior_(QDir::currentPath()) {
    QDir::setCurrent(dir_.path());
    // A user of its own too: no choice remembered by another run reaches the window.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir_.filePath(".config"));
    if (!inic.isNull()) {
        escribir(QStringLiteral("inic.dat"), inic.toUtf8());
    }
    if (!trazo.isNull()) {
        escribir(QStringLiteral("trazo.txt"), trazo.toUtf8());
    }
}

void CarpetaTrabajo::escribir(const QString& nombre, const QByteArray& contenido) const {
    QFile f(ruta(nombre));
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qFatal("cannot write %s", qPrintable(nombre));
    }
    f.write(contenido);
}

QByteArray CarpetaTrabajo::leer(const QString& nombre) const {
    QFile f(ruta(nombre));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString inic_con(std::initializer_list<std::pair<int, const char*>> registros) {
    QStringList lineas = QString::fromUtf8(CarpetaTrabajo::inic_normal).split(QLatin1Char('\n'));
    for (const auto& [registro, texto] : registros) {
        lineas[registro - 1] = QString::fromUtf8(texto);
    }
    return lineas.join(QLatin1Char('\n'));
}

void mover_raton(QWidget* w, QPointF pixel) {
    QMouseEvent e(QEvent::MouseMove, pixel, w->mapToGlobal(pixel), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void mover_sobre(PictureBox* p, QPointF usuario) {
    mover_raton(p, p->a_pixel(usuario));
}

QPoint pixel_de(const PictureBox* p, QPointF usuario) {
    return p->a_pixel(usuario).toPoint();
}

void clic(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

QString nombre_caja(Magnitud m) {
    const char* const nombres[] = {"",      "inferior",  "superior", "ranuras",
                                   "ancho", "distancia", "onda"};
    return QStringLiteral("caja_") + QString::fromLatin1(nombres[indice(m)]);
}

Escena::Escena(const QString& inic, const QString& trazo)
    : carpeta(inic, trazo), ventana(std::make_unique<VentanaPrincipal>()) {
    ventana->cargar();
    ventana->setWindowState(Qt::WindowNoState);
    ventana->resize(1000, 700);
    ventana->show();
    ventana->activateWindow();
    if (!QTest::qWaitForWindowActive(ventana.get())) {
        qWarning("main window not active");
    }
    QCoreApplication::processEvents(); // the menus take the scaled font
    entrada().set_pausa(std::chrono::milliseconds(0));
}

const Grafica& Escena::grafica() const {
    return *buscar<Grafica>(ventana.get(), QString());
}

EntradaValores& Escena::entrada() const {
    return *buscar<EntradaValores>(ventana.get(), QString());
}

int Escena::curvas() const {
    return static_cast<int>(grafica().curvas().size());
}

void Escena::escribir(Magnitud m, const QString& texto) const {
    auto* caja = buscar<QLineEdit>(ventana.get(), nombre_caja(m));
    clic(caja);
    QTest::keyClicks(caja, texto);
    QTest::keyClick(caja, Qt::Key_Tab);
}

void Escena::graficar_caso(int N, double a, double d, double L) const {
    escribir(Magnitud::ranuras, QString::number(N));
    escribir(Magnitud::ancho, QString::number(a));
    escribir(Magnitud::distancia, QString::number(d));
    escribir(Magnitud::onda, QString::number(L));
    graficar();
}

void Escena::elegir(const char* menu, const QString& entrada) const {
    auto* m = control<QMenu>(menu);
    QMenuBar* barra = ventana->menuBar();
    QAction* accion = nullptr;
    for (QAction* a : m->actions()) {
        if (a->text() == entrada) {
            accion = a;
        }
    }
    if (accion == nullptr) {
        qFatal("no entry %s", qPrintable(entrada));
    }
    QTest::mouseClick(barra, Qt::LeftButton, {}, barra->actionGeometry(m->menuAction()).center());
    QTRY_VERIFY(m->isVisible());
    QTest::mouseClick(m, Qt::LeftButton, {}, m->actionGeometry(accion).center());
    QTRY_VERIFY(!m->isVisible());
}

bool Escena::seleccionar(QPointF desde, QPointF hasta,
                         const std::function<void(VentanaZoom&)>& operar) const {
    bool abierto = false;
    const Modal modal([&](QWidget* w) {
        abierto = true;
        if (auto* z = qobject_cast<VentanaZoom*>(w); z && operar) {
            operar(*z);
        }
    });
    auto* grafica = control<PictureBox>("grafica");
    const QPoint a = pixel_de(grafica, desde);
    const QPoint b = pixel_de(grafica, hasta);
    QTest::mousePress(grafica, Qt::LeftButton, {}, a);
    QTest::mouseMove(grafica, (a + b) / 2);
    QTest::mouseMove(grafica, b);
    QTest::mouseRelease(grafica, Qt::LeftButton, {}, b);
    return abierto;
}

namespace {

QString infidelidad_en(const QImage& img, const Escala& escala, int w,
                       const std::function<double(double)>& I, double alto, double franja,
                       Color color, double s0, double s1) {
    const Mapa m(escala, img.size());
    const int ancho = img.width(), filas = img.height();
    const double delta = franja / 16;
    // The rows the model reaches in each column (off the picture: out of sight),
    // and those lit there.
    std::vector<int> arriba(ancho, filas), abajo(ancho, -1), luz_arriba(ancho, filas),
        luz_abajo(ancho, -1);
    std::vector<bool> vista(ancho, false);
    for (int x = 0; x < ancho; ++x) {
        const double u0 = std::min(m.usuario_x(x), m.usuario_x(x + 1));
        const double u1 = std::max(m.usuario_x(x), m.usuario_x(x + 1));
        const double a = std::max(s0, u0), b = std::min(s1, u1);
        if (a > b) {
            continue;
        }
        int alto_y = filas, bajo_y = -1;
        const auto alcanzar = [&](double s) {
            const int y = celda(m.y(0.98 * (alto - I(s))));
            alto_y = std::min(alto_y, y);
            bajo_y = std::max(bajo_y, y);
        };
        alcanzar(a);
        alcanzar(b);
        for (double k = std::ceil(a / delta); k * delta < b; ++k) {
            alcanzar(k * delta);
        }
        arriba[x] = std::clamp(alto_y, 0, filas - 1);
        abajo[x] = std::clamp(bajo_y, 0, filas - 1);
        vista[x] = u0 >= s0 && u1 <= s1 && bajo_y >= 0 && alto_y < filas;
        for (int y = 0; y < filas; ++y) {
            if (img.pixel(x, y) == a_qcolor(color).rgb()) {
                luz_arriba[x] = std::min(luz_arriba[x], y);
                luz_abajo[x] = std::max(luz_abajo[x], y);
            }
        }
    }
    // A stroke w pixels wide reaches w - 1 pixels past the row its point falls in.
    int vistas = 0;
    for (int x = 1; x + 1 < ancho; ++x) {
        if (!vista[x]) {
            continue;
        }
        ++vistas;
        const int tope = std::min({arriba[x - 1], arriba[x], arriba[x + 1]});
        const int fondo = std::max({abajo[x - 1], abajo[x], abajo[x + 1]});
        if (luz_arriba[x] > arriba[x] + 1 || luz_abajo[x] < abajo[x] - 1 ||
            luz_arriba[x] < tope - w || luz_abajo[x] > fondo + w) {
            return QStringLiteral("column %1 (sine %2): model %3..%4, drawn %5..%6")
                .arg(x)
                .arg(m.usuario_x(x + 0.5))
                .arg(arriba[x])
                .arg(abajo[x])
                .arg(luz_arriba[x])
                .arg(luz_abajo[x]);
        }
    }
    return vistas > 0 ? QString() : QStringLiteral("nothing in sight");
}

} // namespace

QString infidelidad(PictureBox* p, const std::function<double(double)>& I, double alto,
                    double franja, Color color, double s0, double s1, std::optional<Escala> e) {
    return infidelidad_en(p->imagen(), e.value_or(p->escala()), p->grosor_pixeles(), I, alto,
                          franja, color, s0, s1);
}

QString infidelidad_previa(PictureBox* p, const Curva& c) {
    const double s0 = c.seno_min(), s1 = c.seno_max(), alto = static_cast<float>(c.alto());
    const Escala e{static_cast<float>(s0), 0, static_cast<float>(s1 - s0), alto};
    return infidelidad_en(p->imagen_visible(), e, p->grosor_pixeles(), c.red(), alto, c.franja(),
                          tono_de_previa(c.color), s0, s1);
}

QString infidelidad(PictureBox* p, const Curva& c, Color color, double s0, double s1) {
    const Red red = c.red();
    return infidelidad(p, red, static_cast<float>(c.alto()), c.franja(), color, s0, s1);
}
