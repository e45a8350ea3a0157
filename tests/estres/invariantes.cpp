// What no action of the stress story may break.
#include "tests/estres/escenario.h"

#include "entry/boton_spin.h"
#include "grafica/grafica.h"
#include "screen/marcador.h"
#include "toolkit/forma.h"
#include "toolkit/picture_box.h"
#include "toolkit/texto.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>

#include <cmath>

QString Escenario::comprobar() {
    if (!inesperadas_.isEmpty()) {
        return QStringLiteral("unexpected modal window: ") + inesperadas_.join(QLatin1Char(' '));
    }
    if (QWidget* w = QApplication::activeModalWidget()) {
        return QStringLiteral("modal window left open: ") +
               QString::fromLatin1(w->metaObject()->className());
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        for (QAbstractButton* b : w->findChildren<QAbstractButton*>()) {
            if (b->isDown()) {
                return QStringLiteral("button left pressed: ") + b->objectName();
            }
        }
    }
    if (escena_.control("marco_zoom")->isVisible()) {
        return QStringLiteral("zoom window left open: its outline stays on the graph");
    }
    if (QApplication::activePopupWidget() != nullptr) {
        return QStringLiteral("menu left open");
    }
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
        return QStringLiteral("mouse button left down"); // a press this story did not let go
    }
    if (QGuiApplication::overrideCursor() != nullptr) {
        return QStringLiteral("wait cursor left on");
    }

    // A value stays within its limits, which no action changes, unless it was
    // already past them. A box the user has not edited since the program wrote
    // it shows the stored value; an end's box its sine, to two decimals.
    const Parametros& p = escena_.parametros();
    for (Magnitud m : magnitudes) {
        const Fijo v = p.valor(m), min = antes_.minimo(m), max = antes_.maximo(m);
        if (p.minimo(m) != min || p.maximo(m) != max) {
            return QStringLiteral("limits changed: quantity %1").arg(indice(m));
        }
        if (!std::isfinite(v.a_double()) || ((v < min || v > max) && v != antes_.valor(m))) {
            return QString::asprintf("value out of its limits: quantity %d = %g (%g to %g), was %g",
                                     indice(m), v.a_double(), min.a_double(), max.a_double(),
                                     antes_.valor(m).a_double());
        }
        const auto* caja = escena_.control<QLineEdit>(qPrintable(nombre_caja(m)));
        const bool extremo = m == Magnitud::inferior || m == Magnitud::superior;
        const double visto = extremo ? seno_de_tangente(v) : v.a_double();
        const double leido = leer_numero(convertir(caja->text()));
        if (!caja->isModified() && !(std::abs(leido - visto) < (extremo ? 0.0051 : 5e-5))) {
            return QStringLiteral("box and value: %1 shows \"%2\", holds %3")
                .arg(caja->objectName(), caja->text())
                .arg(visto);
        }
    }
    antes_ = p;

    const std::vector<Curva>& curvas = escena_.grafica().curvas();
    const int n = static_cast<int>(curvas.size());
    auto* grafica = escena_.control<PictureBox>("grafica");
    const int lista = escena_.control<QListWidget>("lista_intensidades")->count();
    if (n > 6 || lista != n) {
        return QString::asprintf("curve count: %d curves, %d central intensities", n, lista);
    }
    for (int k = 1; k <= 6; ++k) {
        const QColor c =
            escena_.control<Forma>(qPrintable(QStringLiteral("cuadro_lista_%1").arg(k)))->relleno();
        if (c != (k <= n ? a_qcolor(curvas[k - 1].color) : blanco)) {
            return QString::asprintf("curve count: square %d of %d curves in colour %s", k, n,
                                     qPrintable(c.name()));
        }
    }
    const int figuras = static_cast<int>(grafica->figuras());
    if (n == 1) {
        grilla_ = figuras - 1;
    }
    if ((n == 0 && figuras != 0) || (n > 0 && figuras != grilla_ + n) ||
        (n > 0 && (grilla_ < 10 || grilla_ > 20))) {
        return QString::asprintf("curve count: %d curves, %d figures on the graph, grid %d", n,
                                 figuras, grilla_);
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
            return QString::asprintf("plotted range: graph %g to %g, curves %g to %g", e.left,
                                     e.left + e.width, s0, s1);
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
            return QString::asprintf("markers: %s at top %g, pixel %d, for %g (pixel %d of %d)",
                                     nombre, m->top(), m->y(), top, y, tira->height());
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
        return ilustracion ? QStringLiteral("buttons: Graficar enabled under a picture")
                           : QStringLiteral("buttons: Graficar disabled with no picture");
    }
    return QString();
}
