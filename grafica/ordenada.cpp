#include "grafica/ordenada.h"

#include "toolkit/colores.h"

std::shared_ptr<const Trazo> trazo_de_grafica(const Muestras& m, double alto) {
    auto t = std::make_shared<Trazo>();
    t->reserve(m.size());
    for (const Muestra& x : m) {
        t->push_back({static_cast<float>(x.seno), static_cast<float>(0.98 * (alto - x.I))});
    }
    return t;
}

Color tono_de_previa(Color c) {
    const auto medio = [](int a, int b) { return (a + b + 1) / 2; };
    return Color::rgb(medio(c.rojo(), fondo_dibujo.red()), medio(c.verde(), fondo_dibujo.green()),
                      medio(c.azul(), fondo_dibujo.blue()));
}
