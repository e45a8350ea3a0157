#pragma once

#include "grafica/seleccion.h"
#include <QColor>
#include <Qt>

#include <optional>

class PictureBox;

// The keyboard's selection frame on the graph, drawn as the rubber band is
// (inverted, never into the picture): the arrows move it, Shift and the arrows
// size it, Escape takes it away and Enter chooses it. Where it may go is the
// caller's: the graph's coordinates change with each curve. The graph's
// accessible description says where it stands.
class MarcoTeclado {
public:
    MarcoTeclado(PictureBox* grafica, const QColor& color);

    enum class Respuesta { ajena, tomada, elegida };
    // A key pressed on the graph, the frame inside `extension`: not one of
    // the frame's, taken, or Enter on the frame shown (now hidden).
    Respuesta tecla(int tecla, Qt::KeyboardModifiers mod, const Seleccion& extension);
    void mostrar(const Seleccion& extension);
    void ocultar();
    // Hidden, and placed anew when next shown.
    void olvidar();
    const Seleccion& seleccion() const { return *seleccion_; }

private:
    PictureBox* grafica_;
    QColor color_;
    std::optional<Seleccion> seleccion_;
    bool visible_ = false;
};
