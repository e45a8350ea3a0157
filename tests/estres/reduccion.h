#pragma once

// Delta debugging: a short part of a failing list of actions that still fails
// the same way, found by replaying chunks of the list and what is left without
// each chunk, ever smaller.

#include <algorithm>
#include <cstddef>
#include <vector>

// `falla(lista)` replays the actions of `lista`, in order, and says whether they
// fail as the whole list did. At most `pruebas` replays; returns the shortest
// failing list found, each of whose chunks at the last granularity was needed.
template <class Falla>
std::vector<int> reducir(std::vector<int> lista, Falla&& falla, int pruebas) {
    std::size_t n = 2;
    while (lista.size() >= 2 && pruebas > 0) {
        n = std::min(n, lista.size());
        const std::size_t tam = lista.size();
        const auto inicio = [&](std::size_t i) { return lista.begin() + i * tam / n; };
        bool reducida = false;
        for (std::size_t i = 0; i < n && !reducida && pruebas-- > 0; ++i) {
            std::vector<int> trozo(inicio(i), inicio(i + 1));
            if (falla(trozo)) {
                lista = std::move(trozo);
                n = 2;
                reducida = true;
            }
        }
        // With two chunks each complement is the other chunk, tried already.
        for (std::size_t i = 0; i < n && n > 2 && !reducida && pruebas-- > 0; ++i) {
            std::vector<int> resto(lista.begin(), inicio(i));
            resto.insert(resto.end(), inicio(i + 1), lista.end());
            if (falla(resto)) {
                lista = std::move(resto);
                n = std::max<std::size_t>(n - 1, 2);
                reducida = true;
            }
        }
        if (!reducida) {
            if (n >= tam) {
                break;
            }
            n = std::min(2 * n, tam);
        }
    }
    return lista;
}
