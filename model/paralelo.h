#pragma once

#include <algorithm>
#include <cstddef>
#include <thread>
#include <vector>

// Runs f(desde, hasta) over [0, n) split among the machine's cores, and returns
// when every part is done. For pure number work inside one event: the window
// still waits for the result, as it would on one core.
template <typename F> void en_paralelo(std::size_t n, F f, std::size_t minimo_por_parte = 20000) {
    const std::size_t nucleos = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t partes =
        std::clamp<std::size_t>(n / std::max<std::size_t>(1, minimo_por_parte), 1, nucleos);
    if (partes == 1) {
        f(std::size_t{0}, n);
        return;
    }
    std::vector<std::thread> hilos;
    const std::size_t trozo = (n + partes - 1) / partes;
    for (std::size_t p = 1; p < partes; ++p) {
        const std::size_t desde = p * trozo, hasta = std::min(n, desde + trozo);
        hilos.emplace_back([&f, desde, hasta] { f(desde, hasta); });
    }
    f(std::size_t{0}, std::min(n, trozo));
    for (std::thread& h : hilos) {
        h.join();
    }
}
