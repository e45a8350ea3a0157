#pragma once

#include "main/form1.h"
#include "tests/common/entorno.h"
#include "toolkit/mensaje.h"
#include "toolkit/picture_box.h"
#include "zoom/form_zoom.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <memory>

// A fresh working folder, message boxes answered, and the main window, with the
// start-up case (N 5, a 2, d 10, L 0.55 over sines -0.5145..0.5145) plotted or not.
struct Escena {
    explicit Escena(bool con_curva = true) {
        if (con_curva) {
            QTest::mouseClick(ventana->Command1, Qt::LeftButton);
        }
    }
    Form1* operator->() const { return ventana.get(); }
    Form1& operator*() const { return *ventana; }
    CarpetaTrabajo carpeta;
    Mensajes mensajes;
    std::unique_ptr<Form1> ventana = abrir_form1();
};

// A pointer move over `w` at a position that may fall between pixels, as a
// fine pointer reports it (QTest moves by whole pixels only).
inline void mover_raton(QWidget* w, QPointF pixel) {
    QMouseEvent e(QEvent::MouseMove, pixel, w->mapToGlobal(pixel), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// The same over a picture box, at a point of its user coordinates.
inline void mover_sobre(PictureBox* p, QPointF usuario) {
    mover_raton(p, p->a_pixel(usuario));
}

inline QPoint pixel_de(const PictureBox* p, QPointF usuario) {
    return p->a_pixel(usuario).toPoint();
}

// Drags a rectangle on the graph from `desde` to `hasta` (user coordinates) with
// the mouse; if the zoom window opens, `operar` works it before it is hidden.
// Returns whether it opened.
inline bool seleccionar(Form1& f, QPointF desde, QPointF hasta,
                        const std::function<void(FormZoom&)>& operar = {}) {
    bool abierto = false;
    set_manejador_modal([&](QWidget* w) {
        abierto = true;
        if (auto* z = qobject_cast<FormZoom*>(w); z && operar) {
            operar(*z);
        }
    });
    const QPoint a = pixel_de(f.Picture1, desde);
    const QPoint b = pixel_de(f.Picture1, hasta);
    QTest::mousePress(f.Picture1, Qt::LeftButton, {}, a);
    QTest::mouseMove(f.Picture1, (a + b) / 2);
    QTest::mouseMove(f.Picture1, b);
    QTest::mouseRelease(f.Picture1, Qt::LeftButton, {}, b);
    set_manejador_modal(nullptr);
    return abierto;
}
