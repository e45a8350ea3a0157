#include "model/muestreo.h"

#include "model/paralelo.h"
#include "model/parametros.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <thread>

namespace {

// Points per fringe for at least `muestras_minimas` across `franjas` fringes.
double puntos_por_franja(double franjas) {
    return std::max(4.0, 2 * std::ceil(double(muestras_minimas) / (2 * franjas)));
}

} // namespace

Rejilla::Rejilla(const Curva& c, double s0, double s1) : s0_(s0), s1_(s1), delta_(c.franja()) {
    if (!(s1 > s0)) {
        // An empty range: its ends alone.
        K_ = 0;
        k_min_ = 1;
        k_max_ = 0;
        return;
    }
    const double franjas = (s1 - s0) / delta_;
    const double K = puntos_por_franja(franjas);
    const double paso = delta_ / K;
    const double k_min = std::floor(s0 / paso) + 1, k_max = std::ceil(s1 / paso) - 1;
    if (k_max - k_min + 3 <= double(muestras_maximas)) {
        K_ = static_cast<long long>(K);
        k_min_ = static_cast<long long>(k_min);
        k_max_ = static_cast<long long>(k_max);
    } else {
        K_ = 0;
        k_min_ = 1;
        k_max_ = muestras_maximas - 2;
    }
}

double Rejilla::seno(long long i) const {
    if (i <= 0) {
        return s0_;
    }
    const long long k = k_min_ + i - 1;
    if (k > k_max_) {
        return s1_;
    }
    // k / K is exact at whole and half fringes, so zeros and maxima are met exactly.
    const double s = K_ > 0 ? double(k) / double(K_) * delta_
                            : s0_ + (s1_ - s0_) * double(k) / double(k_max_ + 1);
    return std::clamp(s, s0_, s1_);
}

void Rejilla::senos(long long desde, std::size_t n, double* s) const {
    for (std::size_t j = 0; j < n; ++j) {
        const long long i = desde + static_cast<long long>(j);
        const long long k = k_min_ + i - 1;
        if (i <= 0 || k > k_max_ || K_ == 0) {
            s[j] = seno(i);
        } else {
            s[j] = std::clamp(double(k) / double(K_) * delta_, s0_, s1_);
        }
    }
}

namespace {

// Samples go through the model this many at a time: few enough to stay in the
// cache, enough for the vector unit.
constexpr std::size_t tanda = 256;

// A set of values at the samples: one curve's intensities, or a sum of them.
using Evaluador = std::function<void(const double* s, double* I, std::size_t n)>;

// The first, lowest, highest and last sample of one bin, by index and intensity.
struct Cubeta {
    long long i_primero = -1, i_ultimo = -1, i_bajo = -1, i_alto = -1;
    double y_primero = 0, y_ultimo = 0, y_bajo = 0, y_alto = 0;

    void empezar(long long i, double y) {
        i_primero = i_bajo = i_alto = i_ultimo = i;
        y_primero = y_bajo = y_alto = y_ultimo = y;
    }
    // Without branches: the samples swing up and down, which no prediction follows.
    void agregar(long long i, double y) {
        i_bajo = y < y_bajo ? i : i_bajo;
        i_alto = y > y_alto ? i : i_alto;
        y_bajo = std::min(y_bajo, y);
        y_alto = std::max(y_alto, y);
        i_ultimo = i;
        y_ultimo = y;
    }
    // The four samples in their order, each once.
    void emitir(const Rejilla& r, Muestras& t) const {
        if (i_primero < 0) {
            return;
        }
        const auto punto = [&](long long i, double y) { t.push_back({r.seno(i), y}); };
        punto(i_primero, y_primero);
        const bool bajo_antes = i_bajo < i_alto;
        const std::pair<long long, double> medio[] = {
            {bajo_antes ? i_bajo : i_alto, bajo_antes ? y_bajo : y_alto},
            {bajo_antes ? i_alto : i_bajo, bajo_antes ? y_alto : y_bajo}};
        long long previo = i_primero;
        for (const auto& [i, y] : medio) {
            if (i != previo && i != i_ultimo) {
                punto(i, y);
                previo = i;
            }
        }
        if (i_ultimo != i_primero) {
            punto(i_ultimo, y_ultimo);
        }
    }
};

// The rows of the enlarged sector between the tangents t0 and t1: the sines of
// their edges, and the intensity there.
struct Filas {
    std::array<double, filas_bandas + 1> borde{};
    std::array<double, filas_bandas + 1> I{};
};

// What one share of the samples leaves: the points of its bins, and the
// greatest intensity it met in each band row.
struct Parte {
    Muestras puntos;
    std::array<double, filas_bandas> maximo{};
};

// One pass over the samples of `r`, a contiguous share on each core: each share
// makes its samples, evaluates them, and reduces them to its bins (a whole
// number to each of the columns, so that the shares meet at a bin's edge) and,
// when `filas` is given, to its band maxima; the shares are joined in order.
Muestras recorrer(const Rejilla& r, const Evaluador& evaluar, const Columnas& columnas,
                  const Filas* filas, std::array<double, filas_bandas>* maximos) {
    const long long n = r.muestras();
    const int pixeles = std::max(1, columnas.pixeles);
    const long long minimas = std::max(1LL, columnas.cubetas_minimas);
    const long long cubetas = (minimas + pixeles - 1) / pixeles * pixeles;
    const double escala = double(cubetas) / columnas.ancho;
    const auto cubeta = [&](double x) {
        return std::clamp<long long>(
            static_cast<long long>(std::floor((x - columnas.izquierda) * escala)), 0, cubetas - 1);
    };
    const auto nucleos = static_cast<long long>(std::max(1u, std::thread::hardware_concurrency()));
    const long long partes = std::clamp<long long>(n / 32768, 1, nucleos);
    // Share p begins at the first sample of bin p B / P.
    std::vector<long long> inicio(static_cast<std::size_t>(partes) + 1, n);
    inicio[0] = 0;
    for (long long p = 1; p < partes; ++p) {
        const long long objetivo = cubetas * p / partes;
        long long primera = 0, ultima = n;
        while (primera < ultima) {
            const long long medio = primera + (ultima - primera) / 2;
            if (cubeta(r.seno(medio)) < objetivo) {
                primera = medio + 1;
            } else {
                ultima = medio;
            }
        }
        inicio[static_cast<std::size_t>(p)] = primera;
    }
    std::vector<Parte> parte(static_cast<std::size_t>(partes));
    en_paralelo(
        parte.size(),
        [&](std::size_t p0, std::size_t p1) {
            for (std::size_t p = p0; p < p1; ++p) {
                Parte& mia = parte[p];
                const long long desde = inicio[p], hasta = inicio[p + 1];
                mia.puntos.reserve(static_cast<std::size_t>(
                    std::min<long long>(hasta - desde, 4 * cubetas / partes + 4)));
                std::array<double, tanda> s{}, I{};
                int fila = 0;
                if (filas && desde < hasta) {
                    fila =
                        static_cast<int>(std::upper_bound(filas->borde.begin(),
                                                          filas->borde.end() - 1, r.seno(desde)) -
                                         filas->borde.begin() - 1);
                    fila = std::clamp(fila, 0, filas_bandas - 1);
                }
                Cubeta actual;
                long long numero = -1;
                // Samples rise: a bin or a row is left when a sample reaches its upper edge.
                double fin_cubeta = -std::numeric_limits<double>::infinity();
                for (long long i = desde; i < hasta; i += tanda) {
                    const auto m = static_cast<std::size_t>(std::min<long long>(tanda, hasta - i));
                    r.senos(i, m, s.data());
                    evaluar(s.data(), I.data(), m);
                    for (std::size_t j = 0; j < m; ++j) {
                        const double x = s[j];
                        const double y = I[j];
                        const long long k = i + static_cast<long long>(j);
                        if (x < fin_cubeta) {
                            actual.agregar(k, y);
                        } else if (const long long b = cubeta(x); b == numero) {
                            fin_cubeta = columnas.izquierda + double(b + 1) / escala;
                            actual.agregar(k, y);
                        } else {
                            fin_cubeta = columnas.izquierda + double(b + 1) / escala;
                            actual.emitir(r, mia.puntos);
                            actual.empezar(k, y);
                            numero = b;
                        }
                        if (filas) {
                            while (x >= filas->borde[fila + 1] && fila + 1 < filas_bandas) {
                                ++fila;
                            }
                            mia.maximo[fila] = std::max(mia.maximo[fila], I[j]);
                        }
                    }
                }
                actual.emitir(r, mia.puntos);
            }
        },
        1);

    Muestras muestras;
    std::size_t total = 0;
    for (const Parte& p : parte) {
        total += p.puntos.size();
    }
    muestras.reserve(total);
    for (const Parte& p : parte) {
        muestras.insert(muestras.end(), p.puntos.begin(), p.puntos.end());
    }
    if (maximos) {
        for (int j = 0; j < filas_bandas; ++j) {
            double m = std::max(filas->I[j], filas->I[j + 1]);
            for (const Parte& p : parte) {
                m = std::max(m, p.maximo[j]);
            }
            (*maximos)[j] = m;
        }
    }
    return muestras;
}

Evaluador de(const Red& red) {
    return [red](const double* s, double* I, std::size_t n) { red.evaluar(s, I, n); };
}

} // namespace

Muestreo muestrear(const Curva& c, const Columnas& columnas) {
    const double s0 = c.seno_min(), s1 = c.seno_max();
    const Red red = c.red();
    // Row j spans the screen from t0 + j p to t0 + (j + 1) p; its edges in sine
    // bound the samples it shows.
    Filas filas;
    const double t0 = c.inferior.a_double(), t1 = c.superior.a_double();
    for (int j = 0; j <= filas_bandas; ++j) {
        const double t = t0 + (t1 - t0) * j / filas_bandas;
        filas.borde[j] = j == 0 ? s0 : j == filas_bandas ? s1 : t / std::sqrt(1 + t * t);
    }
    red.evaluar(filas.borde.data(), filas.I.data(), filas.borde.size());
    Muestreo m;
    m.curva = recorrer(Rejilla(c, s0, s1), de(red), columnas, &filas, &m.filas);
    return m;
}

Muestras muestrear_tramo(const Curva& c, double s0, double s1, const Columnas& columnas) {
    return recorrer(Rejilla(c, s0, s1), de(c.red()), columnas, nullptr, nullptr);
}

Muestras muestrear_suma(const std::vector<Curva>& curvas, double s0, double s1,
                        const Columnas& columnas) {
    if (curvas.empty()) {
        return {};
    }
    const auto mas_fina =
        std::min_element(curvas.begin(), curvas.end(), [&](const Curva& a, const Curva& b) {
            return Rejilla(a, s0, s1).paso() < Rejilla(b, s0, s1).paso();
        });
    std::vector<Red> redes;
    for (const Curva& c : curvas) {
        redes.push_back(c.red());
    }
    const Evaluador sumar = [&redes](const double* s, double* I, std::size_t n) {
        std::array<double, tanda> una{};
        std::fill(I, I + n, 0.0);
        for (const Red& red : redes) {
            red.evaluar(s, una.data(), n);
            for (std::size_t j = 0; j < n; ++j) {
                I[j] += una[j];
            }
        }
    };
    return recorrer(Rejilla(*mas_fina, s0, s1), sumar, columnas, nullptr, nullptr);
}

long long muestras_del_peor_caso(double N, double a, double d, double seno_min, double seno_max,
                                 double L) {
    // One slit may be wider than the distance, and its fringes are L / a apart.
    const double franjas = (seno_max - seno_min) * std::max(N * d, a) / L;
    return static_cast<long long>(std::ceil(franjas * puntos_por_franja(franjas))) + 2;
}
