#include "model/ajuste.h"

#include "model/intens.h"

#include <Eigen/Dense>
#include <unsupported/Eigen/FFT>
#include <unsupported/Eigen/NonLinearOptimization>

#include <algorithm>
#include <cmath>
#include <numeric>

double modelo(const Valores& v, int N, double s, Derivadas* der) {
    const double pi = pi_simple(); // half of the program's single-precision 2π, exactly
    const double n = N;
    const double x = s - v.centro;
    const double oblicuidad = 1 - x * x;
    const double ka = pi * v.ancho / v.onda, kd = pi * v.distancia / v.onda;
    const double alfa = ka * x;
    const double w = menos_multiplo_de_pi(kd * x);
    // The slit factor R = sin α / α and the grating factor G = sin Nw / sin w,
    // with their derivatives; near their limits by their series, where the
    // quotients would lose every digit.
    double R, dR;
    if (std::abs(alfa) < 1e-4) {
        R = 1 - alfa * alfa / 6;
        dR = -alfa / 3;
    } else {
        R = std::sin(alfa) / alfa;
        dR = (std::cos(alfa) - R) / alfa;
    }
    double G, dG;
    if (std::abs(n * w) < 1e-3) {
        G = n * (1 - (n * n - 1) * w * w / 6);
        dG = -n * (n * n - 1) * w / 3;
    } else {
        const double sw = std::sin(w);
        G = std::sin(n * w) / sw;
        dG = (n * std::cos(n * w) - G * std::cos(w)) / sw;
    }
    const double rel = R * R * G * G / (n * n);
    if (der) {
        const double e = v.escala;
        const double d_alfa = e * oblicuidad * 2 * R * dR * G * G / (n * n);
        const double d_w = e * oblicuidad * R * R * 2 * G * dG / (n * n);
        der->escala = oblicuidad * rel;
        der->fondo = 1;
        der->ancho = d_alfa * pi * x / v.onda;
        der->distancia = d_w * pi * x / v.onda;
        der->onda = -(d_alfa * alfa + d_w * kd * x) / v.onda;
        der->centro = -(e * -2 * x * rel + d_alfa * ka + d_w * kd);
    }
    return v.fondo + v.escala * oblicuidad * rel;
}

namespace {

// The samples at n evenly spaced sines from the first to the last, read off
// the straight lines between the measured ones.
std::vector<double> uniforme(const Perfil& p, std::size_t n) {
    std::vector<double> y(n);
    const double s0 = p.senos.front(), s1 = p.senos.back();
    std::size_t j = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const double s = s0 + (s1 - s0) * double(i) / double(n - 1);
        while (j + 2 < p.senos.size() && p.senos[j + 1] < s) {
            ++j;
        }
        const double a = p.senos[j], b = p.senos[j + 1];
        const double t = b > a ? std::clamp((s - a) / (b - a), 0.0, 1.0) : 0;
        y[i] = p.intensidades[j] + t * (p.intensidades[j + 1] - p.intensidades[j]);
    }
    return y;
}

} // namespace

double periodo_dominante(const Perfil& p) {
    const std::size_t medidas = p.senos.size();
    if (medidas < 8 || p.intensidades.size() != medidas || !(p.senos.back() > p.senos.front())) {
        return 0;
    }
    std::size_t n = 256;
    while (n < 2 * medidas && n < (std::size_t(1) << 17)) {
        n *= 2;
    }
    // The profile on an even grid less its mean, under a Hann window that keeps
    // the slow envelope from leaking over the fringes, padded fourfold for a
    // finer frequency grid.
    std::vector<double> y = uniforme(p, n);
    const double media = std::accumulate(y.begin(), y.end(), 0.0) / double(n);
    const std::size_t relleno = 4;
    std::vector<double> x(relleno * n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        const double hann = 0.5 - 0.5 * std::cos(2 * pi_doble * double(i) / double(n - 1));
        x[i] = (y[i] - media) * hann;
    }
    Eigen::FFT<double> fft;
    std::vector<std::complex<double>> X;
    fft.fwd(X, x);
    const std::size_t mitad = x.size() / 2;
    std::vector<double> P(mitad);
    for (std::size_t k = 0; k < mitad; ++k) {
        P[k] = std::norm(X[k]);
    }
    // Past the lobe of the mean and the envelope, falling from zero frequency,
    // the strongest peak: the principal maxima's spacing, whose line stands
    // above their harmonics (the aperture's autocorrelation, N - |k| at lag k d).
    // (The mean taken away, the window leaves a hole as wide as its main lobe
    // at zero frequency.)
    std::size_t k = 2 * relleno;
    while (k + 1 < mitad && P[k + 1] <= P[k]) {
        ++k;
    }
    const auto pico = std::max_element(P.begin() + std::ptrdiff_t(k), P.end());
    // A peak that holds next to nothing of the profile's variation is rounding
    // or noise, not fringes.
    if (pico == P.end() || !(*pico > 1e-3 * *std::max_element(P.begin(), P.end()))) {
        return 0;
    }
    // With narrow maxima (many slits) their harmonics stand nearly as high, and
    // any may come out on top: the lowest of its fractions that still holds a
    // good share of its power is the spacing itself (between multiples of d
    // the aperture's autocorrelation has nothing).
    std::size_t m = std::size_t(pico - P.begin());
    const double umbral = 0.25 * *pico;
    for (std::size_t q = m / std::max<std::size_t>(k, 1); q >= 2; --q) {
        const std::size_t c = (m + q / 2) / q, r = 2 + c / 50;
        if (c + r + 1 >= mitad) {
            continue;
        }
        if (c < k + r) {
            continue;
        }
        // A peak of its own there, not the slope of another.
        const auto desde = P.begin() + std::ptrdiff_t(c - r),
                   hasta = P.begin() + std::ptrdiff_t(c + r + 1);
        const auto local = std::max_element(desde, hasta);
        if (*local >= umbral && local != desde && local != hasta - 1) {
            m = std::size_t(local - P.begin());
            break;
        }
    }
    if (m + 1 >= mitad || m < 1) {
        return 0;
    }
    // Between bins, the vertex of the parabola through the peak's logarithms.
    const double a = std::log(P[m - 1] + 1e-300), b = std::log(P[m]),
                 c = std::log(P[m + 1] + 1e-300);
    const double den = a - 2 * b + c;
    const double km = double(m) + (den < 0 ? 0.5 * (a - c) / den : 0.0);
    const double paso = (p.senos.back() - p.senos.front()) / double(n - 1);
    const double periodo = double(x.size()) * paso / km;
    // Two spacings at least inside the profile, and two samples to each.
    const double ancho = p.senos.back() - p.senos.front();
    return periodo <= ancho / 2 && periodo >= 4 * paso ? periodo : 0;
}

namespace {

// The tallest sample within `radio` of `s`, and where the peak it stands on
// has its top: the vertex of the parabola fitted to the samples within
// `cima` of it (three at the least), which the noise moves less than it moves
// the tallest sample.
struct Maximo {
    double seno = 0, alto = 0;
};
Maximo maximo_cerca(const Perfil& p, double s, double radio, double cima) {
    const auto& x = p.senos;
    const auto& y = p.intensidades;
    const auto b = std::lower_bound(x.begin(), x.end(), s - radio) - x.begin();
    const auto e = std::upper_bound(x.begin(), x.end(), s + radio) - x.begin();
    if (b >= e) {
        return {};
    }
    const auto i = std::size_t(std::max_element(y.begin() + b, y.begin() + e) - y.begin());
    Maximo m{x[i], y[i]};
    std::size_t desde = i, hasta = i + 1;
    while (desde > 0 && (x[i] - x[desde - 1] <= cima || i - desde < 1)) {
        --desde;
    }
    while (hasta < x.size() && (x[hasta] - x[i] <= cima || hasta - i < 2)) {
        ++hasta;
    }
    if (hasta - desde < 3) {
        return m;
    }
    // y = c0 + c1 t + c2 t², t from the tallest sample.
    Eigen::Matrix3d A = Eigen::Matrix3d::Zero();
    Eigen::Vector3d r = Eigen::Vector3d::Zero();
    for (std::size_t j = desde; j < hasta; ++j) {
        const double t = x[j] - x[i];
        const Eigen::Vector3d f(1, t, t * t);
        A += f * f.transpose();
        r += f * y[j];
    }
    const Eigen::Vector3d c = A.ldlt().solve(r);
    if (c[2] < 0) {
        const double t = -c[1] / (2 * c[2]);
        if (std::abs(t) <= cima) {
            m.seno = x[i] + t;
        }
    }
    return m;
}

// The period and the centre sharpened on the principal maxima, taken outward
// from the tallest sample order by order, each placed from the line fitted to
// those before it, weighted by their heights over the floor.
struct Arranque {
    double periodo = 0, centro = 0;
};
Arranque afinar(const Perfil& p, double periodo, int N) {
    const auto top = std::max_element(p.intensidades.begin(), p.intensidades.end());
    // The floor: the level most of the profile stands above, not its lowest noise.
    std::vector<double> orden = p.intensidades;
    std::nth_element(orden.begin(), orden.begin() + std::ptrdiff_t(orden.size() / 20), orden.end());
    const double piso = orden[orden.size() / 20];
    const double cima = 0.3 * periodo / N; // a third of a principal maximum's half width
    const Maximo central =
        maximo_cerca(p, p.senos[std::size_t(top - p.intensidades.begin())], periodo / 4, cima);
    Arranque r{periodo, central.seno};
    struct Punto {
        double m, s, w;
    };
    // Maxima under a fifth of the central one's height are missing orders, or
    // too dim to place.
    const double minimo = 0.2 * (central.alto - piso);
    std::vector<Punto> puntos{{0, central.seno, central.alto - piso}};
    const double s0 = p.senos.front(), s1 = p.senos.back();
    for (int m = 1;; ++m) {
        bool alguno = false;
        for (int signo : {-1, 1}) {
            const double s = r.centro + signo * m * r.periodo;
            if (s < s0 || s > s1) {
                continue;
            }
            alguno = true;
            const Maximo x = maximo_cerca(p, s, r.periodo / 4, cima);
            if (x.alto - piso >= minimo) {
                puntos.push_back({double(signo * m), x.seno, x.alto - piso});
            }
        }
        if (!alguno) {
            break;
        }
        double sw = 0, sm = 0, ss = 0, smm = 0, sms = 0;
        for (const Punto& q : puntos) {
            sw += q.w;
            sm += q.w * q.m;
            ss += q.w * q.s;
            smm += q.w * q.m * q.m;
            sms += q.w * q.m * q.s;
        }
        const double det = sw * smm - sm * sm;
        if (det > 0) {
            const double pendiente = (sw * sms - sm * ss) / det;
            if (pendiente > 0.5 * periodo && pendiente < 1.5 * periodo) {
                r.periodo = pendiente;
                r.centro = (ss - pendiente * sm) / sw;
            }
        }
    }
    return r;
}

// The residuals of the model at the measured samples, and their Jacobian, for
// Eigen's Levenberg–Marquardt (its MINPACK port: scaled trust region, the
// stopping tests every such fit is judged by, and no code of ours to get wrong).
// The parameters: the free length, a when free, scale, background, centre.
struct Residuos {
    using Scalar = double;
    using InputType = Eigen::VectorXd;
    using ValueType = Eigen::VectorXd;
    using JacobianType = Eigen::MatrixXd;
    enum { InputsAtCompileTime = Eigen::Dynamic, ValuesAtCompileTime = Eigen::Dynamic };

    const Perfil& perfil;
    const Planteo& planteo;

    int inputs() const { return planteo.ancho_libre ? 5 : 4; }
    int values() const { return int(perfil.senos.size()); }

    Valores valores(const Eigen::VectorXd& x) const {
        Valores v = planteo.conocidos;
        (planteo.libre == Libre::distancia ? v.distancia : v.onda) = x[0];
        int i = 1;
        if (planteo.ancho_libre) {
            v.ancho = x[i++];
        }
        v.escala = x[i++];
        v.fondo = x[i++];
        v.centro = x[i];
        return v;
    }
    Eigen::VectorXd vector(const Valores& v) const {
        Eigen::VectorXd x(inputs());
        x[0] = planteo.libre == Libre::distancia ? v.distancia : v.onda;
        int i = 1;
        if (planteo.ancho_libre) {
            x[i++] = v.ancho;
        }
        x[i++] = v.escala;
        x[i++] = v.fondo;
        x[i] = v.centro;
        return x;
    }
    int operator()(const Eigen::VectorXd& x, Eigen::VectorXd& r) const {
        const Valores v = valores(x);
        for (int i = 0; i < values(); ++i) {
            const auto u = std::size_t(i);
            r[i] = modelo(v, planteo.ranuras, perfil.senos[u]) - perfil.intensidades[u];
        }
        return 0;
    }
    int df(const Eigen::VectorXd& x, Eigen::MatrixXd& J) const {
        const Valores v = valores(x);
        Derivadas d;
        for (int i = 0; i < values(); ++i) {
            modelo(v, planteo.ranuras, perfil.senos[std::size_t(i)], &d);
            J.row(i) = vector(d).transpose();
        }
        return 0;
    }
};

struct Intento {
    bool convergio = false;
    Valores v;
    double suma = 0; // of the squared residuals
    Eigen::MatrixXd J;
};

Intento intentar(const Perfil& p, const Planteo& q, const Valores& inicio) {
    Residuos f{p, q};
    Eigen::VectorXd x = f.vector(inicio);
    Eigen::LevenbergMarquardt<Residuos> lm(f);
    lm.parameters.maxfev = 200;
    const auto estado = lm.minimize(x);
    Intento r;
    using E = Eigen::LevenbergMarquardtSpace::Status;
    r.convergio = estado == E::RelativeReductionTooSmall || estado == E::RelativeErrorTooSmall ||
                  estado == E::RelativeErrorAndReductionTooSmall || estado == E::CosinusTooSmall;
    r.v = f.valores(x);
    Eigen::VectorXd res(f.values());
    f(x, res);
    r.suma = res.squaredNorm();
    r.J.resize(f.values(), f.inputs());
    f.df(x, r.J);
    return r;
}

bool es_red(const Valores& v, int N) {
    const bool finitos = std::isfinite(v.onda) && std::isfinite(v.ancho) &&
                         std::isfinite(v.distancia) && std::isfinite(v.escala);
    return finitos && v.onda > 0 && v.ancho != 0 && v.distancia > 0 && v.escala > 0 &&
           (N == 1 || std::abs(v.ancho) <= v.distancia) && v.onda < v.distancia;
}

} // namespace

Ajuste ajustar(const Perfil& entrada, const Planteo& q) {
    Ajuste r;
    // Samples the model can take, by sine.
    std::vector<std::size_t> orden;
    for (std::size_t i = 0; i < std::min(entrada.senos.size(), entrada.intensidades.size()); ++i) {
        if (std::isfinite(entrada.intensidades[i]) && std::abs(entrada.senos[i]) < 1) {
            orden.push_back(i);
        }
    }
    std::sort(orden.begin(), orden.end(),
              [&](std::size_t a, std::size_t b) { return entrada.senos[a] < entrada.senos[b]; });
    Perfil p;
    for (std::size_t i : orden) {
        p.senos.push_back(entrada.senos[i]);
        p.intensidades.push_back(entrada.intensidades[i]);
    }
    if (p.senos.size() < 20 || q.ranuras < 1) {
        return r;
    }
    const auto extremos = std::minmax_element(p.intensidades.begin(), p.intensidades.end());
    const double bajo = *extremos.first, alto = *extremos.second;
    const double tope = std::max(std::abs(bajo), std::abs(alto));
    if (!(alto > bajo)) {
        return r;
    }
    // One slit has no distance to tell, and its pattern alone cannot part L from a.
    if (q.ranuras == 1) {
        r.estado = EstadoAjuste::ambiguo;
        return r;
    }
    for (double& y : p.intensidades) {
        y /= tope; // near 1, for the fit's tolerances
    }
    const double periodo = periodo_dominante(p);
    if (periodo <= 0) {
        r.estado = EstadoAjuste::sin_periodo;
        return r;
    }
    const Arranque a = afinar(p, periodo, q.ranuras);
    Valores inicio = q.conocidos;
    if (q.libre == Libre::distancia) {
        inicio.distancia = inicio.onda / a.periodo;
    } else {
        inicio.onda = inicio.distancia * a.periodo;
    }
    inicio.escala = (alto - bajo) / tope;
    inicio.fondo = bajo / tope;
    inicio.centro = a.centro;
    std::vector<Intento> intentos;
    const std::vector<double> fracciones =
        q.ancho_libre ? std::vector<double>{0.12, 0.25, 0.4, 0.55, 0.75} : std::vector<double>{0};
    for (double f : fracciones) {
        if (q.ancho_libre) {
            inicio.ancho = f * inicio.distancia;
        }
        intentos.push_back(intentar(p, q, inicio));
    }
    const Intento* mejor = nullptr;
    bool alguno = false;
    for (const Intento& i : intentos) {
        alguno = alguno || i.convergio;
        if (i.convergio && es_red(i.v, q.ranuras) && (!mejor || i.suma < mejor->suma)) {
            mejor = &i;
        }
    }
    if (!mejor) {
        r.estado = alguno ? EstadoAjuste::fuera_de_rango : EstadoAjuste::no_converge;
        return r;
    }
    // The covariance, σ² (JᵀJ)⁻¹, through the columns brought to unit length,
    // so that its conditioning says whether the data can tell the parameters apart.
    const auto n = mejor->J.rows(), k = mejor->J.cols();
    const Eigen::VectorXd normas = mejor->J.colwise().norm().transpose();
    if ((normas.array() <= 0).any() || n <= k) {
        r.estado = EstadoAjuste::ambiguo;
        return r;
    }
    const Eigen::MatrixXd Jn = mejor->J * normas.cwiseInverse().asDiagonal();
    const Eigen::MatrixXd A = Jn.transpose() * Jn;
    Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> eig(A);
    if (eig.eigenvalues().minCoeff() < 1e-12 * eig.eigenvalues().maxCoeff()) {
        r.estado = EstadoAjuste::ambiguo;
        return r;
    }
    const double varianza = mejor->suma / double(n - k);
    const Eigen::MatrixXd cov = normas.cwiseInverse().asDiagonal() * A.inverse() *
                                normas.cwiseInverse().asDiagonal() * varianza;
    const double libre = q.libre == Libre::distancia ? mejor->v.distancia : mejor->v.onda;
    r.error_libre = std::sqrt(cov(0, 0));
    r.error_ancho = q.ancho_libre ? std::sqrt(cov(1, 1)) : 0;
    // Another start that settled elsewhere, about as well: no single answer.
    for (const Intento& i : intentos) {
        const double otro = q.libre == Libre::distancia ? i.v.distancia : i.v.onda;
        const bool lejos = std::abs(otro - libre) > std::max(3 * r.error_libre, 0.005 * libre);
        if (&i != mejor && i.convergio && es_red(i.v, q.ranuras) && lejos &&
            i.suma < 1.2 * mejor->suma) {
            r.estado = EstadoAjuste::ambiguo;
            return r;
        }
    }
    // A residual well above the noise, which the differences of neighbouring
    // samples gauge, and above a few percent of the scale: the model misses
    // what the profile shows.
    double diferencias = 0;
    for (std::size_t i = 1; i < p.intensidades.size(); ++i) {
        diferencias += std::pow(p.intensidades[i] - p.intensidades[i - 1], 2);
    }
    const double ruido = std::sqrt(diferencias / double(2 * (n - 1)));
    const double rms = std::sqrt(mejor->suma / double(n));
    if (rms > 3 * ruido && rms > 0.05 * mejor->v.escala) {
        r.estado = EstadoAjuste::no_se_parece;
        return r;
    }
    if (!(r.error_libre < 0.05 * libre)) {
        r.estado = EstadoAjuste::ambiguo;
        return r;
    }
    // The centre is the sensor's small miss; moved an order or so, the fit
    // has taken one order for another, or the positions' zero is not the centre.
    if (std::abs(mejor->v.centro) >= 0.5 * mejor->v.onda / mejor->v.distancia) {
        r.estado = EstadoAjuste::descentrado;
        return r;
    }
    r.valores = mejor->v;
    r.valores.ancho = std::abs(r.valores.ancho); // the model is even in a
    r.valores.escala *= tope;
    r.valores.fondo *= tope;
    r.residuo = rms / mejor->v.escala;
    r.estado = EstadoAjuste::ajustado;
    return r;
}
