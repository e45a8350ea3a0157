#include "grafica/ordenada.h"

std::shared_ptr<const Trazo> trazo_de_grafica(const Muestras& m, double alto) {
    auto t = std::make_shared<Trazo>();
    t->reserve(m.size());
    for (const Muestra& x : m) {
        t->push_back({static_cast<float>(x.seno), static_cast<float>(0.98 * (alto - x.I))});
    }
    return t;
}
