#pragma once

#include "model/color.h"
#include "model/curva.h"
#include "model/muestreo.h"
#include "toolkit/trazado.h"

#include <memory>

// The graph's vertical scale for a curve: 0 at the top down to its N² at the
// bottom (in single precision, as the picture keeps its scale), where a curve
// stands at 0.98 (N² - I), its centre just under the top. The zoom window
// enlarges the same scale.
inline double alto_de_grafica(const Curva& c) {
    return static_cast<float>(c.alto());
}

// Samples as the graph and the zoom draw them: at their sine across, at
// 0.98 (`alto` - I) down.
std::shared_ptr<const Trazo> trazo_de_grafica(const Muestras& m, double alto);

// The tone a preview is drawn in: its colour halfway to the graph's ground,
// lighter than any plotted curve of that colour.
Color tono_de_previa(Color c);
