#pragma once

// A flat screen at a distance from the grating, as a lab bench has it.

// Where the light deviated by an angle of sine `seno` meets a screen
// `distancia_cm` from the grating, measured from the foot of the normal:
// y = D · tan θ, in millimetres. Past |sin θ| = 1 the screen is never met: NaN.
double posicion_en_pantalla_mm(double seno, double distancia_cm);

// The lines per millimetre of a grating whose slits stand `d_um` micrometres apart.
double lineas_por_mm(double d_um);
