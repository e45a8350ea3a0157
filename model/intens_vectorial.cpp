// The intensity of four sines at once, with libmvec's four-wide sine. This file
// alone is built for AVX2 and FMA; it runs only where the processor has them. The
// arithmetic is the scalar model's, operation for operation, so the two paths
// differ only by the sines (a few units in the last place).
#include "model/intens.h"

#include <immintrin.h>

#include <cstddef>

extern "C" __m256d _ZGVdN4v_sin(__m256d x);

void intensidades_avx2(double k_ancho, double k_distancia, double n, const double* s, double* I,
                       std::size_t cuantos) {
    const __m256d ka = _mm256_set1_pd(k_ancho), kd = _mm256_set1_pd(k_distancia);
    const __m256d vn = _mm256_set1_pd(n), medio = _mm256_set1_pd(0.5);
    const __m256d uno = _mm256_set1_pd(1), cero = _mm256_setzero_pd();
    const __m256d umbral = _mm256_set1_pd(1e-20);
    const __m256d pi_doble_ = _mm256_set1_pd(pi_doble), pi_resto_ = _mm256_set1_pd(pi_resto);
    for (std::size_t i = 0; i + 4 <= cuantos; i += 4) {
        const __m256d x = _mm256_loadu_pd(s + i);
        const __m256d u = _mm256_mul_pd(ka, x);
        const __m256d v = _mm256_mul_pd(kd, x);
        // The centre (u = 0) and the principal maxima (sin²(v/2) < 1e-20) take their
        // limits; the divisions there are made harmless and their results discarded.
        const __m256d centro = _mm256_cmp_pd(u, cero, _CMP_EQ_OQ);
        const __m256d mu = _mm256_mul_pd(u, medio);
        const __m256d rendija = _mm256_blendv_pd(
            _mm256_div_pd(_ZGVdN4v_sin(mu), _mm256_blendv_pd(mu, uno, centro)), uno, centro);
        // v/2 less its nearest multiple of π, as menos_multiplo_de_pi does it.
        const __m256d h = _mm256_mul_pd(v, medio);
        const __m256d m = _mm256_round_pd(_mm256_div_pd(h, pi_doble_),
                                          _MM_FROUND_TO_NEAREST_INT | _MM_FROUND_NO_EXC);
        const __m256d w = _mm256_fnmadd_pd(m, pi_resto_, _mm256_fnmadd_pd(m, pi_doble_, h));
        const __m256d sv = _ZGVdN4v_sin(w);
        const __m256d maximo = _mm256_cmp_pd(_mm256_mul_pd(sv, sv), umbral, _CMP_LT_OQ);
        const __m256d red = _mm256_blendv_pd(
            _mm256_div_pd(_ZGVdN4v_sin(_mm256_mul_pd(vn, w)), _mm256_blendv_pd(sv, uno, maximo)),
            vn, maximo);
        const __m256d c = _mm256_sqrt_pd(_mm256_sub_pd(uno, _mm256_mul_pd(x, x)));
        const __m256d r =
            _mm256_mul_pd(_mm256_mul_pd(_mm256_mul_pd(c, c), _mm256_mul_pd(rendija, rendija)),
                          _mm256_mul_pd(red, red));
        _mm256_storeu_pd(I + i, r);
    }
}

struct Giro {
    double su[4], cu[4], sw[4], cw[4], sn[4], cn[4];
    double paso_su, paso_cu, paso_sw, paso_cw, paso_sn, paso_cn;
};

namespace {

// (c, s) turned by the angle whose cosine and sine are (pc, ps).
inline void girar(__m256d& c, __m256d& s, __m256d pc, __m256d ps) {
    const __m256d c2 = _mm256_fmsub_pd(c, pc, _mm256_mul_pd(s, ps));
    s = _mm256_fmadd_pd(s, pc, _mm256_mul_pd(c, ps));
    c = c2;
}

} // namespace

void intensidades_avx2_uniformes(double k_ancho, double n, const double* s, double* I,
                                 std::size_t cuantos, const Giro& g) {
    __m256d su = _mm256_loadu_pd(g.su), cu = _mm256_loadu_pd(g.cu);
    __m256d sw = _mm256_loadu_pd(g.sw), cw = _mm256_loadu_pd(g.cw);
    __m256d sn = _mm256_loadu_pd(g.sn), cn = _mm256_loadu_pd(g.cn);
    const __m256d pcu = _mm256_set1_pd(g.paso_cu), psu = _mm256_set1_pd(g.paso_su);
    const __m256d pcw = _mm256_set1_pd(g.paso_cw), psw = _mm256_set1_pd(g.paso_sw);
    const __m256d pcn = _mm256_set1_pd(g.paso_cn), psn = _mm256_set1_pd(g.paso_sn);
    const __m256d ka_medio = _mm256_set1_pd(k_ancho * 0.5), vn = _mm256_set1_pd(n);
    const __m256d uno = _mm256_set1_pd(1), cero = _mm256_setzero_pd();
    const __m256d umbral = _mm256_set1_pd(1e-20);
    const __m256d cerca_de_maximo = _mm256_set1_pd(1e-4); // |sin w| < 0.01
    const __m256d nan = _mm256_set1_pd(__builtin_nan(""));
    for (std::size_t i = 0; i + 4 <= cuantos; i += 4) {
        const __m256d x = _mm256_loadu_pd(s + i);
        const __m256d mu = _mm256_mul_pd(ka_medio, x);
        // The centre and the principal maxima take their limits, as in the
        // model; the two quotients share one division.
        const __m256d centro = _mm256_cmp_pd(mu, cero, _CMP_EQ_OQ);
        const __m256d maximo = _mm256_cmp_pd(_mm256_mul_pd(sw, sw), umbral, _CMP_LT_OQ);
        const __m256d arriba =
            _mm256_mul_pd(_mm256_blendv_pd(su, uno, centro), _mm256_blendv_pd(sn, vn, maximo));
        const __m256d abajo =
            _mm256_mul_pd(_mm256_blendv_pd(mu, uno, centro), _mm256_blendv_pd(sw, uno, maximo));
        const __m256d q = _mm256_div_pd(arriba, abajo);
        const __m256d c2 = _mm256_fnmadd_pd(x, x, uno);
        // Near a principal maximum both sines of the grating factor are small,
        // and what the turns lose is large beside them: those samples are left
        // as NaN, for the caller to evaluate one by one.
        const __m256d cerca = _mm256_cmp_pd(_mm256_mul_pd(sw, sw), cerca_de_maximo, _CMP_LT_OQ);
        _mm256_storeu_pd(I + i,
                         _mm256_blendv_pd(_mm256_mul_pd(c2, _mm256_mul_pd(q, q)), nan, cerca));
        girar(cu, su, pcu, psu);
        girar(cw, sw, pcw, psw);
        girar(cn, sn, pcn, psn);
    }
}

void senos_de_rejilla_avx2(double k0, double K, double delta, double* s, std::size_t cuantos) {
    // k0 + j stays a whole number below 2^53, exact in a double.
    __m256d k = _mm256_add_pd(_mm256_set1_pd(k0), _mm256_set_pd(3, 2, 1, 0));
    const __m256d cuatro = _mm256_set1_pd(4), vK = _mm256_set1_pd(K), vd = _mm256_set1_pd(delta);
    for (std::size_t j = 0; j + 4 <= cuantos; j += 4) {
        _mm256_storeu_pd(s + j, _mm256_mul_pd(_mm256_div_pd(k, vK), vd));
        k = _mm256_add_pd(k, cuatro);
    }
}
