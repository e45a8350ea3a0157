#pragma once

// The user's hand in the stress story: where a click lands, and where keys go.

#include <QPoint>
#include <QPointF>
#include <utility>

class QWidget;

// The point of `w` at fractions of its size.
QPoint en(const QWidget* w, QPointF fraccion);
// Where a pointer at `p` of `w` really is: the topmost widget of its window
// there (a picture over the window covers what is under it), and the point in it.
std::pair<QWidget*, QPoint> bajo(QWidget* w, QPoint p);
// A click at `p` of `w` (its centre), landing where `bajo` says.
void clic_en(QWidget* w, QPoint p);
void clic_en(QWidget* w);
// The window made active, as a click on its frame does.
void activar(QWidget* w);
// What a key goes to: the focus, else the active window, else `ventana`.
QWidget* con_foco(QWidget* ventana);
