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
