#pragma once

#include "model/color.h"
#include "model/fijo.h"

#include <array>
#include <cstdint>

// Module-level state shared by all windows. Arrays keep the indices of their
// tables (1..7 for the parameter set, 1..6 for the curve history); element 0 is spare.
struct Globales {
    // 1, 2: lower and upper screen limit as tangents; 3 N; 4 a; 5 d; 6 L (micrometres).
    std::array<Fijo, 8> valor{};
    float pi = 0;
    std::int16_t ncurvas = 0;
    double seno_min = 0;
    double seno_max = 0;
    double ang_min = 0;
    float ang_max = 0;

    std::array<Fijo, 7> hist_onda{};
    std::array<Fijo, 7> hist_ancho{};
    // d of each curve in the same fixed point as valor(5), so the zoom window
    // redraws exactly the curve of the graph (a whole number would lose d = 2.5).
    std::array<Fijo, 7> hist_distancia{};
    std::array<std::int16_t, 7> hist_ranuras{};
    std::array<Color, 7> hist_color{};
    Color color_onda = 0;
    std::array<double, 3001> intensidades{};

    std::uint8_t traza = 0;
    // Wide enough for any folder, so the clean-up rule always sees the true figures.
    std::int64_t num_archivos = 0;
    std::int64_t bytes_archivos = 0;
    Color gris = 0;

    // Corners of the rubber-band selection on the graph; equal until the first press.
    float x_ini = 0;
    float y_ini = 0;
    float x_fin = 0;
    float y_fin = 0;
};
