// The windows a stress action opens, worked and closed as its plan says.
#include "tests/estres/escenario.h"

#include "session/visor_sesiones.h"
#include "toolkit/picture_box.h"
#include "zoom/ventana_zoom.h"

#include <QListWidget>
#include <QPointer>
#include <QScrollBar>
#include <QTest>

#include <cmath>

namespace {
// A window opened by no action, or by one without a plan, is closed at once.
const std::vector<int>& plan_de(const Accion* a) {
    static const std::vector<int> nada{0};
    return a != nullptr && !a->ventana.empty() ? a->ventana : nada;
}
} // namespace

void Escenario::en_modal(QWidget* w) {
    if (auto* z = qobject_cast<VentanaZoom*>(w)) {
        trabajar_zoom(*z);
    } else if (qobject_cast<VisorSesiones*>(w) != nullptr) {
        trabajar_visor(w);
    } else {
        inesperadas_ << QString::fromLatin1(w->metaObject()->className());
        w->close();
    }
}

void Escenario::trabajar_zoom(VentanaZoom& z) {
    const std::vector<int>& plan = plan_de(actual_);
    auto* barra = buscar<QScrollBar>(&z, "barra");
    auto* dibujo = buscar<PictureBox>(&z, "dibujo");
    for (std::size_t i = 0; i + 1 < plan.size() && z.isVisible(); ++i) {
        const int k = plan[i] % 1000;
        const double x = k / 1000.0;
        const char* const botones[] = {"lupa_alejar", "lupa_acercar", "boton_suma", "boton_copiar"};
        switch (plan[i] / 1000) {
        case 0:
        case 1:
        case 2:
        case 3:
            clic_en(buscar(&z, botones[plan[i] / 1000]));
            break;
        case 4:
            clic_en(barra, en(barra, {x, 0.5}));
            break;
        case 5: {
            const Qt::Key teclas[] = {Qt::Key_Left,     Qt::Key_Right, Qt::Key_PageUp,
                                      Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End};
            QTest::keyClick(barra, teclas[k % 6]);
            break;
        }
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
    const std::vector<int>& plan = plan_de(actual_);
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
                    // QTest's double click ends pressed; a hand lets go.
                    const QPointer<QWidget> vista = lista->viewport();
                    QTest::mouseDClick(vista, Qt::LeftButton, {}, p);
                    if (vista) {
                        QTest::mouseRelease(vista, Qt::LeftButton, {}, p);
                    }
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
