#include "tests/estres/gestos.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

QPoint en(const QWidget* w, QPointF fraccion) {
    return QPoint(static_cast<int>(fraccion.x() * w->width()),
                  static_cast<int>(fraccion.y() * w->height()));
}

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
