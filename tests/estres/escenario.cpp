#include "tests/estres/escenario.h"

#include "entry/boton_spin.h"
#include "grafica/grafica.h"
#include "screen/marcador.h"
#include "session/reloj.h"
#include "session/visor_sesiones.h"
#include "toolkit/forma.h"
#include "toolkit/picture_box.h"
#include "windows/ventana_modelo.h"
#include "zoom/ventana_zoom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <cmath>

namespace {

// The menu entries the story chooses, by number.
const std::pair<const char*, const char*> entradas[] = {
    {"menu_archivo", "Documentar Sesión"},
    {"menu_archivo", "Abrir Documento de Sesión"},
    {"menu_copiar", "Espectro de pantalla"},
    {"menu_copiar", "Gráfica de Intensidades"},
    {"menu_copiar", "Datos de Red y Luz incidente"},
    {"menu_ver", "Espectro de Luz Blanca"},
    {"menu_ver", "Laboratorio"},
    {"menu_ver", "Red y Pantalla"},
    {"menu_ver", "Modelo utilizado"},
    {"menu_ayuda", "General"},
    {"menu_ayuda", "Unidades"},
    {"menu_ayuda", "Acerca de ..."}};
constexpr int primera_ayuda = 9;

QPoint en(const QWidget* w, QPointF fraccion) {
    return QPoint(static_cast<int>(fraccion.x() * w->width()),
                  static_cast<int>(fraccion.y() * w->height()));
}

// Where a pointer at `p` of `w` really is: the topmost widget of its window
// there (a picture over the window covers what is under it), and the point in it.
std::pair<QWidget*, QPoint> bajo(QWidget* w, QPoint p) {
    QWidget* v = w->window();
    const QPoint g = w->mapTo(v, p);
    QWidget* b = v->childAt(g);
    if (b == nullptr) {
        b = v;
    }
    return {b, b->mapFrom(v, g)};
}

void clic_en(QWidget* w, QPoint p) {
    const auto [b, q] = bajo(w, p);
    QTest::mouseClick(b, Qt::LeftButton, {}, q);
}

void clic_en(QWidget* w) {
    clic_en(w, w->rect().center());
}

void activar(QWidget* w) {
    w->activateWindow();
    // Some platforms refuse; the story goes on with the focus where it is.
    static_cast<void>(QTest::qWaitFor([w] { return w->isActiveWindow(); }, 500));
}

QWidget* con_foco(QWidget* ventana) {
    if (QWidget* f = QApplication::focusWidget()) {
        return f;
    }
    return QApplication::activeWindow() != nullptr ? QApplication::activeWindow() : ventana;
}

// A plain picture, for the "Ver" entries that find theirs.
void escribir_imagen(const CarpetaTrabajo& c, const char* nombre, QColor color) {
    QImage img(64, 40, QImage::Format_RGB32);
    img.fill(color);
    img.save(c.ruta(QString::fromLatin1(nombre)), "BMP");
}

} // namespace

Escenario::Escenario(bool coma)
    : locale_(coma ? locale_coma() : locale_punto()), modal_([this](QWidget* w) { en_modal(w); }) {
    set_reloj([] { return QDateTime(QDate(2026, 12, 5), QTime(14, 35, 7)); });
    escribir_imagen(escena_.carpeta, "espectro.bmp", Qt::blue);
    escribir_imagen(escena_.carpeta, "lab.bmp", Qt::green); // "pantalla.bmp" is missing
    escena_.carpeta.escribir("Modelo2.txt", "El modelo\r\nI = N² ...\r\n");
    escena_.carpeta.escribir("viejo.log", "una sesión\r\n");
    QGuiApplication::clipboard()->clear();
    const Parametros& p = escena_.parametros();
    for (Magnitud m : magnitudes) {
        valores_[indice(m)] = p.valor(m);
        minimos_[indice(m)] = p.minimo(m);
        maximos_[indice(m)] = p.maximo(m);
    }
}

Escenario::~Escenario() {
    set_reloj(nullptr);
}

void Escenario::contestar() {
    set_contestador([this](const QString& t) { escena_.mensajes.textos << t; });
}

void Escenario::en_modal(QWidget* w) {
    if (auto* z = qobject_cast<VentanaZoom*>(w)) {
        ++zooms;
        trabajar_zoom(*z);
    } else if (qobject_cast<VisorSesiones*>(w) != nullptr) {
        trabajar_visor(w);
    } else {
        inesperadas_ << QString::fromLatin1(w->metaObject()->className());
        w->close();
    }
}

void Escenario::trabajar_zoom(VentanaZoom& z) {
    const std::vector<int> nada{0};
    const std::vector<int>& plan =
        actual_ != nullptr && !actual_->ventana.empty() ? actual_->ventana : nada;
    auto* barra = buscar<QScrollBar>(&z, "barra");
    auto* dibujo = buscar<PictureBox>(&z, "dibujo");
    for (std::size_t i = 0; i + 1 < plan.size() && z.isVisible(); ++i) {
        const int k = plan[i] % 1000;
        const double x = k / 1000.0;
        switch (plan[i] / 1000) {
        case 0:
            clic_en(buscar(&z, "lupa_alejar"));
            break;
        case 1:
            clic_en(buscar(&z, "lupa_acercar"));
            break;
        case 2:
            clic_en(barra, en(barra, {x, 0.5}));
            break;
        case 3: {
            const Qt::Key teclas[] = {Qt::Key_Left,     Qt::Key_Right, Qt::Key_PageUp,
                                      Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End};
            QTest::keyClick(barra, teclas[k % 6]);
            break;
        }
        case 4:
            clic_en(buscar(&z, "boton_suma"));
            break;
        case 5:
            clic_en(buscar(&z, "boton_copiar"));
            break;
        case 6:
            mover_raton(dibujo, en(dibujo, {x, 0.5}));
            break;
        default: {
            const QPoint a = en(barra, {x, 0.5});
            const QPoint b = en(barra, {std::fmod(x + 0.3, 1.0), 0.5});
            QTest::mousePress(barra, Qt::LeftButton, {}, a);
            QTest::mouseMove(barra, b);
            QTest::mouseRelease(barra, Qt::LeftButton, {}, b);
            break;
        }
        }
    }
    if (!z.isVisible()) {
        return;
    }
    switch (plan.back() / 1000) {
    case 0:
        clic_en(buscar(&z, "boton_cerrar"));
        break;
    case 1:
        QTest::mouseClick(dibujo, Qt::LeftButton, {}, en(dibujo, {0.3, 0.3}));
        break;
    case 2:
        QTest::keyClick(&z, Qt::Key_Escape);
        break;
    case 3:
        z.close(); // the close box
        break;
    default:
        break; // left open: hidden when the story moves on
    }
}

void Escenario::trabajar_visor(QWidget* v) {
    const std::vector<int> nada{0};
    const std::vector<int>& plan =
        actual_ != nullptr && !actual_->ventana.empty() ? actual_->ventana : nada;
    auto* lista = buscar<QListWidget>(v, "archivos");
    for (std::size_t i = 0; i + 1 < plan.size() && v->isVisible(); ++i) {
        const int k = plan[i] % 1000;
        switch (plan[i] / 1000) {
        case 0:
        case 3:
            if (lista->count() > 0) {
                const QPoint p = lista->visualItemRect(lista->item(k % lista->count())).center();
                QTest::mouseClick(lista->viewport(), Qt::LeftButton, {}, p);
                if (plan[i] / 1000 == 3) {
                    QTest::mouseDClick(lista->viewport(), Qt::LeftButton, {}, p);
                }
            }
            break;
        case 1:
            clic_en(buscar(v, "boton_aceptar"));
            break;
        default:
            clic_en(buscar(v, "boton_copiar"));
            break;
        }
    }
    if (!v->isVisible()) {
        return;
    }
    switch (plan.back() / 1000) {
    case 0:
        clic_en(buscar(v, "boton_cerrar"));
        break;
    case 1:
        QTest::keyClick(lista, Qt::Key_Escape);
        break;
    default:
        v->close();
        break;
    }
}

void Escenario::pulsar(const std::vector<Tecla>& teclas) {
    for (const Tecla& t : teclas) {
        QWidget* w = con_foco(escena_.ventana.get());
        if (t.tecla == 0) {
            for (const QChar c : t.texto) { // what no key of a US keyboard types comes as text
                if (c.unicode() < 0x80) {
                    QTest::keyClick(w, c.toLatin1());
                } else {
                    QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c),
                                        Qt::NoModifier);
                }
            }
            continue;
        }
        if (t.tecla == tecla_pegar) {
            QGuiApplication::clipboard()->setText(t.texto);
        }
        QTest::keyClick(w, static_cast<Qt::Key>(t.tecla & ~Qt::KeyboardModifierMask),
                        Qt::KeyboardModifiers(t.tecla & Qt::KeyboardModifierMask));
    }
}

void Escenario::enfocar(const Accion& a) {
    QWidget* modelo = escena_->findChild<VentanaModelo*>();
    const bool modelo_visible = modelo != nullptr && modelo->isVisible();
    if (a.cual >= 1 && a.cual <= 6) {
        auto* caja = buscar(escena_.ventana.get(), nombre_caja(static_cast<Magnitud>(a.cual)));
        clic_en(caja, en(caja, a.puntos.front()));
        return;
    }
    switch (a.cual) {
    case 0:
        QTest::keyClick(con_foco(escena_.ventana.get()), Qt::Key_Tab);
        break;
    case 7:
        QTest::keyClick(con_foco(escena_.ventana.get()), Qt::Key_Backtab);
        break;
    case 8:
        activar(modelo_visible ? modelo : escena_.ventana.get());
        break;
    case 9:
        activar(escena_.ventana.get());
        break;
    default:
        if (modelo_visible) {
            clic_en(buscar(modelo, "boton_salir"));
        } else {
            auto* esquema = escena_.control("esquema");
            clic_en(esquema, en(esquema, a.puntos.front()));
        }
        break;
    }
}

void Escenario::arrastrar_marcador(const Accion& a) {
    auto* m = escena_.control<Marcador>(a.cual == 0 ? "marcador_inferior" : "marcador_superior");
    auto* tira = escena_.control<PictureBox>("tira_pantalla");
    const QPoint centro = m->rect().center();
    const auto [b, q] = bajo(m, centro);
    if (b != m || a.puntos.empty()) {
        QTest::mouseClick(b, Qt::LeftButton, {}, q);
        return;
    }
    QTest::mousePress(m, Qt::LeftButton, {}, centro);
    QPoint p = centro;
    for (const QPointF& d : a.puntos) {
        p = QPoint(tira->width() / 2 + static_cast<int>(d.x() * tira->width()),
                   pixel_de(tira, {0.5, d.y()}).y()) -
            m->pos();
        QTest::mouseMove(m, p);
    }
    QTest::mouseRelease(m, Qt::LeftButton, {}, p);
}

void Escenario::banda(const Accion& a) {
    auto* g = escena_.control<PictureBox>("grafica");
    const QPoint inicio = en(g, a.puntos.front());
    const auto [b, q] = bajo(g, inicio);
    if (b != g) {
        QTest::mouseClick(b, Qt::LeftButton, {}, q);
        return;
    }
    QTest::mousePress(g, Qt::LeftButton, {}, inicio);
    for (std::size_t i = 1; i + 1 < a.puntos.size(); ++i) {
        QTest::mouseMove(g, en(g, a.puntos[i]));
    }
    QTest::mouseRelease(g, Qt::LeftButton, {}, en(g, a.puntos.back()));
}

QString Escenario::elegir(int entrada) {
    const auto [nombre, texto] = entradas[entrada];
    auto* menu = escena_.control<QMenu>(nombre);
    QAction* accion = nullptr;
    for (QAction* x : menu->actions()) {
        if (x->text().remove(QLatin1Char('&')) == QString::fromUtf8(texto)) {
            accion = x;
        }
    }
    if (accion == nullptr) {
        return QStringLiteral("no menu entry: %1").arg(QString::fromUtf8(texto));
    }
    QMenuBar* barra = escena_->menuBar();
    QTest::mouseClick(barra, Qt::LeftButton, {},
                      barra->actionGeometry(menu->menuAction()).center());
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }, 1000)) {
        return QStringLiteral("menu not opened: %1").arg(QLatin1String(nombre));
    }
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(accion).center());
    if (!QTest::qWaitFor([menu] { return !menu->isVisible(); }, 1000)) {
        return QStringLiteral("menu left open: %1").arg(QLatin1String(nombre));
    }
    return QString();
}

QString Escenario::mensaje_real(const Accion& a) {
    int cerradas = 0;
    QTimer cerrar;
    cerrar.setInterval(1);
    QObject::connect(&cerrar, &QTimer::timeout, [&] {
        auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (caja == nullptr || !caja->isVisible()) {
            return;
        }
        ++cerradas;
        switch (a.ventana.front() / 1000) {
        case 0:
            clic_en(caja->button(QMessageBox::Ok));
            break;
        case 1:
            QTest::keyClick(caja, Qt::Key_Return);
            break;
        case 2:
            QTest::keyClick(caja, Qt::Key_Escape);
            break;
        default:
            caja->close();
            break;
        }
    });
    set_contestador(nullptr);
    cerrar.start();
    QString fallo;
    if (a.cual < 3) {
        fallo = elegir(primera_ayuda + a.cual);
    } else { // F1 where the main window is active
        activar(escena_.ventana.get());
        QTest::keyClick(con_foco(escena_.ventana.get()), Qt::Key_F1);
    }
    cerrar.stop();
    contestar();
    ++mensajes_reales;
    if (fallo.isEmpty() && cerradas != 1) {
        fallo = QStringLiteral("real message box: closed %1 times").arg(cerradas);
    }
    return fallo;
}

QString Escenario::hacer(const Accion& a) {
    using T = Accion::Tipo;
    actual_ = &a;
    const int antes = static_cast<int>(escena_.grafica().curvas().size());
    QString fallo;
    switch (a.tipo) {
    case T::escribir: {
        auto* caja = buscar(escena_.ventana.get(), nombre_caja(static_cast<Magnitud>(a.cual)));
        clic_en(caja);
        pulsar(a.teclas);
        break;
    }
    case T::tecla:
        pulsar(a.teclas);
        break;
    case T::enfocar:
        enfocar(a);
        break;
    case T::flecha:
        for (int i = 0; i < a.veces; ++i) {
            clic_en(escena_.control(flechas[a.cual]));
        }
        break;
    case T::graficar:
        clic_en(escena_.control("boton_graficar"));
        break;
    case T::limpiar:
        clic_en(escena_.control("boton_limpiar"));
        break;
    case T::marcador:
        arrastrar_marcador(a);
        break;
    case T::banda:
        banda(a);
        break;
    case T::menu:
        fallo = elegir(a.cual);
        break;
    case T::mover: {
        const char* const cuadros[] = {"esquema", "sector_ampliado", "grafica", "tira_pantalla"};
        QWidget* w = escena_.control(cuadros[a.cual]);
        const auto [b, q] = bajo(w, en(w, a.puntos.front()));
        mover_raton(b, q);
        break;
    }
    case T::lupa:
        clic_en(escena_.control("lupa"));
        break;
    case T::opcion:
        clic_en(escena_.control(a.cual == 0 ? "opcion_banda_unica" : "opcion_bandas_separadas"));
        break;
    case T::restaurar:
        clic_en(escena_.control("punto_restaurar"));
        break;
    case T::tamano:
        escena_->resize(700 + static_cast<int>(700 * a.puntos.front().x()),
                        500 + static_cast<int>(400 * a.puntos.front().y()));
        break;
    case T::mensaje_real:
        fallo = mensaje_real(a);
        break;
    }
    // As a user's event loop would between two actions; and as a window manager
    // does, the main window active again when the window that was goes away
    // (the headless platform leaves none active after a menu or a modal window).
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (QApplication::activeWindow() == nullptr || !QApplication::activeWindow()->isVisible()) {
        activar(escena_.ventana.get());
    }
    actual_ = nullptr;
    const int despues = static_cast<int>(escena_.grafica().curvas().size());
    if (despues > antes || (despues == 1 && a.tipo == T::graficar)) {
        ++curvas_graficadas;
    }
    return fallo;
}

QString Escenario::comprobar() {
    if (!inesperadas_.isEmpty()) {
        return QStringLiteral("unexpected modal window: ") + inesperadas_.join(QLatin1Char(' '));
    }
    if (QWidget* w = QApplication::activeModalWidget()) {
        return QStringLiteral("modal window left open: ") +
               QString::fromLatin1(w->metaObject()->className());
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && qobject_cast<QMessageBox*>(w) != nullptr) {
            return QStringLiteral("message box left open");
        }
        if (w->isVisible() && qobject_cast<VentanaZoom*>(w) != nullptr) {
            return QStringLiteral("zoom window left open");
        }
    }
    if (QApplication::activePopupWidget() != nullptr) {
        return QStringLiteral("menu left open");
    }
    if (QGuiApplication::overrideCursor() != nullptr) {
        return QStringLiteral("wait cursor left on");
    }

    const Parametros& p = escena_.parametros();
    for (Magnitud m : magnitudes) {
        const int i = indice(m);
        const Fijo v = p.valor(m);
        if (p.minimo(m) != minimos_[i] || p.maximo(m) != maximos_[i]) {
            return QStringLiteral("limits changed: quantity %1").arg(i);
        }
        if (!std::isfinite(v.a_double()) ||
            ((v < minimos_[i] || v > maximos_[i]) && v != valores_[i])) {
            return QStringLiteral("value out of its limits: quantity %1 = %2 (%3 to %4), was %5")
                .arg(i)
                .arg(v.a_double())
                .arg(minimos_[i].a_double())
                .arg(maximos_[i].a_double())
                .arg(valores_[i].a_double());
        }
        valores_[i] = v;
    }

    const std::vector<Curva>& curvas = escena_.grafica().curvas();
    const int n = static_cast<int>(curvas.size());
    auto* grafica = escena_.control<PictureBox>("grafica");
    if (n > 6) {
        return QStringLiteral("curve count: %1").arg(n);
    }
    if (escena_.control<QListWidget>("lista_intensidades")->count() != n) {
        return QStringLiteral("curve count: %1 curves, %2 central intensities")
            .arg(n)
            .arg(escena_.control<QListWidget>("lista_intensidades")->count());
    }
    for (int k = 1; k <= 6; ++k) {
        const Color c =
            escena_.control<Forma>(qPrintable(QStringLiteral("cuadro_lista_%1").arg(k)))->relleno();
        if (c != (k <= n ? curvas[k - 1].color : Color(0xFFFFFF))) {
            return QStringLiteral("curve count: square %1 of %2 curves in colour %3")
                .arg(k)
                .arg(n)
                .arg(c, 6, 16);
        }
    }
    const int figuras = static_cast<int>(grafica->figuras());
    if (n == 1) {
        grilla_ = figuras - 1;
    }
    if ((n == 0 && figuras != 0) || (n > 0 && figuras != grilla_ + n) ||
        (n > 0 && (grilla_ < 10 || grilla_ > 20))) {
        return QStringLiteral("curve count: %1 curves, %2 figures on the graph, grid %3")
            .arg(n)
            .arg(figuras)
            .arg(grilla_);
    }
    if (n > 0) {
        const Curva& u = curvas.back();
        for (const Curva& c : curvas) {
            if (c.inferior != u.inferior || c.superior != u.superior) {
                return QStringLiteral("plotted range: curves over different sectors");
            }
        }
        // The graph keeps its scale in single precision.
        const Escala& e = grafica->escala();
        const double s0 = u.seno_min(), s1 = u.seno_max();
        if (std::abs(e.left - s0) > 1e-6 || std::abs(e.left + e.width - s1) > 1e-6) {
            return QStringLiteral("plotted range: graph %1 to %2, curves %3 to %4")
                .arg(e.left)
                .arg(e.left + e.width)
                .arg(s0)
                .arg(s1);
        }
    }

    auto* tira = escena_.control<PictureBox>("tira_pantalla");
    const std::pair<const char*, double> marcadores[] = {
        {"marcador_inferior", p.valor(Magnitud::inferior).a_double()},
        {"marcador_superior", p.valor(Magnitud::superior).a_double() + 0.2}};
    for (const auto& [nombre, top] : marcadores) {
        auto* m = escena_.control<Marcador>(nombre);
        const int y = pixel_de(tira, {0, top}).y();
        if (std::abs(m->top() - top) > 1e-4 || std::abs(m->y() - y) > 1 || m->y() < -1 ||
            m->y() > tira->height() + 1 || m->parentWidget() != tira) {
            return QStringLiteral("markers: %1 at top %2, pixel %3, for %4 (pixel %5 of %6)")
                .arg(QLatin1String(nombre))
                .arg(m->top())
                .arg(m->y())
                .arg(top)
                .arg(y)
                .arg(tira->height());
        }
    }

    for (QWidget* w : QApplication::topLevelWidgets()) {
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
            if (b->isDown()) {
                return QStringLiteral("button left pressed: ") + b->objectName();
            }
        }
    }
    for (BotonSpin* b : escena_->findChildren<BotonSpin*>()) {
        if (b->figuras() % 2 != 0) { // the press mark is drawn twice, inverted
            return QStringLiteral("button left pressed: ") + b->objectName();
        }
    }
    if (!escena_->isVisible()) {
        return QStringLiteral("main window hidden");
    }
    const bool ilustracion = escena_.control("ilustracion")->isVisible();
    if (escena_.control("boton_graficar")->isEnabled() == ilustracion) {
        return QStringLiteral("buttons: enabled %1 with a picture %2")
            .arg(!ilustracion)
            .arg(ilustracion ? "shown" : "hidden");
    }
    return QString();
}
