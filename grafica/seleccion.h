#pragma once

// A rectangle selected on the graph, in the graph's coordinates: sines across,
// the graph's ordinate down (0 at the top, N² at the bottom). Single precision,
// as the pointer gives it.
struct Seleccion {
    float x_ini = 0;
    float y_ini = 0;
    float x_fin = 0;
    float y_fin = 0;
    float ancho() const { return x_fin - x_ini; }
};

// The keyboard's selection frame on a graph spanning `grafica`: at first a
// sixth of the range wide, centred, the whole height...
Seleccion marco_inicial(const Seleccion& grafica);
// ...then, for an arrow key, moved `dx`, `dy` steps of a fortieth of the
// graph's width and height, or with `tamano` (Shift) its right and bottom
// edges moved instead. It stays inside the graph, at least a step each way,
// and a step narrower than the range, as the zoom window needs.
Seleccion mover_marco(Seleccion s, int dx, int dy, bool tamano, const Seleccion& grafica);
