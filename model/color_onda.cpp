#include "model/color_onda.h"

namespace {

// The fixed-point numerator over the double width of the interval, as the rule
// is defined (0.47 - 0.40 is 0.06999999999999995, and so on).
double tramo(Fijo numerador, double desde, double hasta) {
    return numerador.a_double() / (hasta - desde);
}

Fijo f(double x) {
    return Fijo::desde(x);
}

} // namespace

ComponentesColor color_de_onda(Fijo L) {
    ComponentesColor c;
    if (L < f(0.40)) {
        c.r = L.a_double() / 0.4 * 255;
        c.b = Fijo::desde(c.r);
    } else if (L <= f(0.47)) {
        c.r = tramo((f(0.47) - L) * 255, 0.40, 0.47);
        c.b = 255;
    } else if (L <= f(0.53)) {
        c.g = tramo((L - f(0.47)) * 255, 0.47, 0.53);
        c.b = Fijo::desde(tramo((f(0.53) - L) * 255, 0.47, 0.53));
    } else if (L <= f(0.58)) {
        c.r = tramo((L - f(0.53)) * 255, 0.53, 0.58);
        c.g = 255;
    } else if (L <= f(0.60)) {
        c.r = 255;
        c.g = 255 - tramo((L - f(0.58)) * 127, 0.58, 0.60);
    } else if (L <= f(0.65)) {
        c.r = 255;
        c.g = tramo((f(0.65) - L) * 128, 0.60, 0.65);
    } else {
        c.r = ((Fijo(1) - L) * 255).a_double() / 0.35;
    }
    return c;
}
