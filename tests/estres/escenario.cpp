#include "tests/estres/escenario.h"

#include "grafica/grafica.h"
#include "screen/marcador.h"
#include "session/reloj.h"
#include "toolkit/picture_box.h"
#include "windows/ventana_modelo.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

QPoint en(const QWidget* w, QPointF fraccion) {
    return QPoint(static_cast<int>(fraccion.x() * w->width()),
                  static_cast<int>(fraccion.y() * w->height()));
}

namespace {

// The topmost widget of `w`'s window under its point `p`, and the point in it.
std::pair<QWidget*, QPoint> bajo(QWidget* w, QPoint p) {
    QWidget* v = w->window();
    const QPoint g = w->mapTo(v, p);
    QWidget* b = v->childAt(g);
    if (b == nullptr) {
        b = v;
    }
    return {b, b->mapFrom(v, g)};
}

} // namespace

void clic_en(QWidget* w, QPoint p) {
    const auto [b, q] = bajo(w, p);
    QTest::mouseClick(b, Qt::LeftButton, {}, q);
}

void clic_en(QWidget* w) {
    clic_en(w, w->rect().center());
}

namespace {

// The window made active, as a click on its frame does.
void activar(QWidget* w) {
    w->activateWindow();
    // Some platforms refuse; the story goes on with the focus where it is.
    static_cast<void>(QTest::qWaitFor([w] { return w->isActiveWindow(); }, 500));
}

// Where a key goes: the focus, else the active window, else `ventana`.
QWidget* con_foco(QWidget* ventana) {
    if (QWidget* f = QApplication::focusWidget()) {
        return f;
    }
    return QApplication::activeWindow() != nullptr ? QApplication::activeWindow() : ventana;
}

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

// A plain picture, for the "Ver" entries that find theirs.
void escribir_imagen(const CarpetaTrabajo& c, const char* nombre, QColor color) {
    QImage img(64, 40, QImage::Format_RGB32);
    img.fill(color);
    img.save(c.ruta(QString::fromLatin1(nombre)), "BMP");
}

} // namespace

Escenario::Escenario(bool coma)
    : locale_(coma ? locale_coma() : locale_punto()), modal_([this](QWidget* w) { en_modal(w); }),
      antes_(escena_.parametros()) {
    set_reloj([] { return QDateTime(QDate(2026, 12, 5), QTime(14, 35, 7)); });
    escribir_imagen(escena_.carpeta, "espectro.bmp", Qt::blue);
    escribir_imagen(escena_.carpeta, "lab.bmp", Qt::green); // "pantalla.bmp" is missing
    escena_.carpeta.escribir("Modelo2.txt", "El modelo\r\nI = N² ...\r\n");
    escena_.carpeta.escribir("viejo.log", "una sesión\r\n");
    QGuiApplication::clipboard()->clear();
}

Escenario::~Escenario() {
    set_reloj(nullptr);
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
    if (a.cual < 9) {
        activar(modelo_visible && a.cual == 7 ? modelo : escena_.ventana.get());
    } else if (modelo_visible) {
        clic_en(buscar(modelo, "boton_salir"));
    } else {
        auto* esquema = escena_.control("esquema");
        clic_en(esquema, en(esquema, a.puntos.front()));
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
        const int modo = a.ventana.front() / 1000; // its button, Return, Escape, the close box
        if (modo == 0) {
            clic_en(caja->button(QMessageBox::Ok));
        } else if (modo < 3) {
            QTest::keyClick(caja, modo == 1 ? Qt::Key_Return : Qt::Key_Escape);
        } else {
            caja->close();
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
    set_contestador([this](const QString& t) { escena_.mensajes.textos << t; });
    if (fallo.isEmpty() && cerradas != 1) {
        fallo = QStringLiteral("real message box: closed %1 times").arg(cerradas);
    }
    return fallo;
}

QString Escenario::hacer(const Accion& a) {
    using T = Accion::Tipo;
    actual_ = &a;
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
            clic_en(buscar(escena_.ventana.get(), flecha(a.cual)));
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
    return fallo;
}
