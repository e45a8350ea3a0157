#include "model/muestreo.h"

#include "model/intens.h"

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

// In intens_vectorial.cpp: s[j] = (k0 + j) / K · delta for j below `cuantos`, a multiple of four.
void senos_de_rejilla_avx2(double k0, double K, double delta, double* s, std::size_t cuantos);

void Rejilla::senos(long long desde, std::size_t n, double* s) const {
    if (uniforme(desde, n)) {
        // Strictly inside the range: no end to stand for, nothing to clamp, and
        // a loop the vector unit takes.
        const long long k0 = k_min_ + desde - 1;
        const double K = double(K_);
        std::size_t j = 0;
        if (calculo_vectorial()) {
            j = n - n % 4;
            senos_de_rejilla_avx2(double(k0), K, delta_, s, j); // the same divisions, four at once
        }
        for (; j < n; ++j) {
            s[j] = double(k0 + static_cast<long long>(j)) / K * delta_;
        }
        return;
    }
    for (std::size_t j = 0; j < n; ++j) {
        s[j] = seno(desde + static_cast<long long>(j));
    }
}

namespace {

// Samples go through the model this many at a time: few enough to stay in the
// cache, enough for the vector unit.
constexpr std::size_t tanda = 256;

// A set of values at the samples: one curve's intensities, or a sum of them.
// `paso` is the distance between the sines when they stand evenly on the grid, else 0.
using Evaluador = std::function<void(const double* s, double* I, std::size_t n, double paso)>;

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
    // Samples k0 .. k0 + n - 1, of intensities y, as `agregar` one by one would
    // take them (the first of equal lowest or highest kept): their extremes
    // found in four independent lanes, then where they first stand.
    void agregar_tramo(long long k0, const double* y, std::size_t n) {
        // Named, not an array, so that they stay in registers.
        double b0 = y_bajo, b1 = y_bajo, b2 = y_bajo, b3 = y_bajo;
        double a0 = y_alto, a1 = y_alto, a2 = y_alto, a3 = y_alto;
        std::size_t t = 0;
        for (; t + 4 <= n; t += 4) {
            b0 = std::min(b0, y[t]);
            b1 = std::min(b1, y[t + 1]);
            b2 = std::min(b2, y[t + 2]);
            b3 = std::min(b3, y[t + 3]);
            a0 = std::max(a0, y[t]);
            a1 = std::max(a1, y[t + 1]);
            a2 = std::max(a2, y[t + 2]);
            a3 = std::max(a3, y[t + 3]);
        }
        for (; t < n; ++t) {
            b0 = std::min(b0, y[t]);
            a0 = std::max(a0, y[t]);
        }
        const double b = std::min(std::min(b0, b1), std::min(b2, b3));
        const double a = std::max(std::max(a0, a1), std::max(a2, a3));
        if (b < y_bajo) {
            i_bajo = k0 + static_cast<long long>(std::find(y, y + n, b) - y);
            y_bajo = b;
        }
        if (a > y_alto) {
            i_alto = k0 + static_cast<long long>(std::find(y, y + n, a) - y);
            y_alto = a;
        }
        i_ultimo = k0 + static_cast<long long>(n) - 1;
        y_ultimo = y[n - 1];
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
                double fin_fila = filas ? filas->borde[fila + 1] : 0;
                double maximo_fila = 0;
                Cubeta actual;
                long long numero = -1;
                // Samples rise: a bin or a row is left when a sample reaches its upper edge.
                double fin_cubeta = -std::numeric_limits<double>::infinity();
                for (long long i = desde; i < hasta; i += tanda) {
                    const auto m = static_cast<std::size_t>(std::min<long long>(tanda, hasta - i));
                    r.senos(i, m, s.data());
                    evaluar(s.data(), I.data(), m, r.uniforme(i, m) ? r.paso() : 0.0);
                    // Runs of samples in one bin, and in one band row, taken at once.
                    for (std::size_t j = 0; j < m;) {
                        const double x = s[j];
                        const long long k = i + static_cast<long long>(j);
                        if (!(x < fin_cubeta)) {
                            const long long b = cubeta(x);
                            fin_cubeta = columnas.izquierda + double(b + 1) / escala;
                            if (b != numero) {
                                actual.emitir(r, mia.puntos);
                                actual.empezar(k, I[j]);
                                numero = b;
                                ++j;
                                continue;
                            }
                        }
                        std::size_t e = j + 1;
                        while (e < m && s[e] < fin_cubeta) {
                            ++e;
                        }
                        actual.agregar_tramo(k, I.data() + j, e - j);
                        j = e;
                    }
                    if (filas) {
                        for (std::size_t j = 0; j < m;) {
                            while (s[j] >= fin_fila && fila + 1 < filas_bandas) {
                                mia.maximo[fila] = std::max(mia.maximo[fila], maximo_fila);
                                maximo_fila = 0;
                                ++fila;
                                fin_fila = filas->borde[fila + 1];
                            }
                            std::size_t e = j + 1;
                            const bool ultima = fila + 1 >= filas_bandas;
                            while (e < m && (ultima || s[e] < fin_fila)) {
                                ++e;
                            }
                            double m0 = maximo_fila, m1 = 0, m2 = 0, m3 = 0;
                            std::size_t t = j;
                            for (; t + 4 <= e; t += 4) {
                                m0 = std::max(m0, I[t]);
                                m1 = std::max(m1, I[t + 1]);
                                m2 = std::max(m2, I[t + 2]);
                                m3 = std::max(m3, I[t + 3]);
                            }
                            for (; t < e; ++t) {
                                m0 = std::max(m0, I[t]);
                            }
                            maximo_fila = std::max(std::max(m0, m1), std::max(m2, m3));
                            j = e;
                        }
                    }
                }
                if (filas) {
                    mia.maximo[fila] = std::max(mia.maximo[fila], maximo_fila);
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
    return [red](const double* s, double* I, std::size_t n, double paso) {
        if (paso > 0) {
            red.evaluar_uniformes(s, paso, I, n);
        } else {
            red.evaluar(s, I, n);
        }
    };
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
    const Evaluador sumar = [&redes](const double* s, double* I, std::size_t n, double paso) {
        std::array<double, tanda> una{};
        std::fill(I, I + n, 0.0);
        for (const Red& red : redes) {
            if (paso > 0) {
                red.evaluar_uniformes(s, paso, una.data(), n);
            } else {
                red.evaluar(s, una.data(), n);
            }
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
