#pragma once

// What a user does to the program in the stress story: actions drawn at random,
// each complete in itself (where it clicks, what it types, how it works a window
// it opens), so that any part of a story can be replayed without the rest.

#include <QPointF>
#include <QString>
#include <Qt>

#include <vector>

inline constexpr int tecla_pegar = static_cast<int>(Qt::ControlModifier) | Qt::Key_V;

// Text typed as it is (`tecla` 0), or a key with its modifiers (Qt::Key |
// Qt::KeyboardModifier); with Ctrl+V, `texto` is what the clipboard then holds.
struct Tecla {
    QString texto;
    int tecla = 0;
};

struct Accion {
    enum class Tipo {
        escribir,     // a box clicked, then keys
        tecla,        // one key to whatever has the focus
        enfocar,      // the focus moved: a box clicked, another window
        flecha,       // a spin button clicked `veces` times
        graficar,     // "Graficar"
        limpiar,      // "Limpiar"
        marcador,     // a sector marker dragged along `puntos` (x offset, strip Y), or clicked
        banda,        // a rubber band on the graph along `puntos` (fractions of its size)
        menu,         // a menu entry chosen with the mouse
        mover,        // the pointer over a picture, at `puntos[0]` (fractions of its size)
        lupa,         // the graph's magnifier clicked
        opcion,       // a band option clicked
        restaurar,    // the restore spot clicked
        tamano,       // the window resized to `puntos[0]` (fractions of 700 x 400 past 700 x 500)
        mensaje_real, // a help text shown in a real message box, closed by a timer
    };
    Tipo tipo = Tipo::graficar;
    int cual = 0; // which box, button, marker, entry, window or picture
    int veces = 1;
    std::vector<Tecla> teclas;
    std::vector<QPointF> puntos;
    // What is done in a window the action opens (zoom, viewer, message box),
    // operation by operation (code * 1000 + a parameter of 0..999), the last
    // one closing it.
    std::vector<int> ventana;
};

// Drawn with rapidcheck's generators, inside a property: a failing story
// shrinks action by action and value by value.
Accion accion_al_azar();
QString describir(const Accion& a);

// The spin button of a spin action's `cual` (0..15): up, down, for each box in turn.
QString flecha(int cual);
