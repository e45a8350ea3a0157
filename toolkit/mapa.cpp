#include "toolkit/mapa.h"

#include <algorithm>

Mapa::Mapa(const Escala& e, QSizeF tam)
    : e_(e), sx_(std::max(1.0, tam.width()) / e.width),
      sy_(std::max(1.0, tam.height()) / e.height) {
}
