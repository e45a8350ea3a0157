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
