// The batched four-lane triode pair built for AVX-512: the same loop as the
// AVX2 file, with the Newton updates of a batch packed two steps to a
// register. This file alone is compiled with these instructions; the dispatch
// in the tube path calls into it only where cpu_has_avx512() holds.
#include "fx/tube_lanes.h"

namespace fx {

namespace {

struct V8 {
  __m512d v;
  V8() : v(_mm512_setzero_pd()) {}
  V8(__m512d x) : v(x) {}  // NOLINT: implicit on purpose, as V4
  explicit V8(double x) : v(_mm512_set1_pd(x)) {}
};

inline V8 operator+(V8 a, V8 b) { return _mm512_add_pd(a.v, b.v); }
inline V8 operator-(V8 a, V8 b) { return _mm512_sub_pd(a.v, b.v); }
inline V8 operator*(V8 a, V8 b) { return _mm512_mul_pd(a.v, b.v); }
inline V8 operator/(V8 a, V8 b) { return _mm512_div_pd(a.v, b.v); }
inline V8 operator*(V8 a, double b) { return _mm512_mul_pd(a.v, _mm512_set1_pd(b)); }
inline V8 operator+(V8 a, double b) { return _mm512_add_pd(a.v, _mm512_set1_pd(b)); }
// The zero-masked forms with every lane selected are the plain instructions;
// the compiler's own plain forms start from an undefined register, which its
// uninitialised-value warning reports.
constexpr __mmask8 kAll = 0xFF;
inline V8 vmax(V8 a, V8 b) { return _mm512_maskz_max_pd(kAll, a.v, b.v); }
inline V8 vmin(V8 a, V8 b) { return _mm512_maskz_min_pd(kAll, a.v, b.v); }
inline V8 vsqrt(V8 a) { return _mm512_maskz_sqrt_pd(kAll, a.v); }
inline V8 vnegabs(V8 a) { return _mm512_or_pd(_mm512_set1_pd(-0.0), a.v); }
// Lane masks as all-ones lanes, as the other lane types have them.
inline V8 as_lanes(__mmask8 m) { return _mm512_castsi512_pd(_mm512_movm_epi64(m)); }
inline V8 gt(V8 a, V8 b) { return as_lanes(_mm512_cmp_pd_mask(a.v, b.v, _CMP_GT_OQ)); }
inline V8 ge(V8 a, V8 b) { return as_lanes(_mm512_cmp_pd_mask(a.v, b.v, _CMP_GE_OQ)); }
inline V8 lt(V8 a, V8 b) { return as_lanes(_mm512_cmp_pd_mask(a.v, b.v, _CMP_LT_OQ)); }
inline V8 vand(V8 a, V8 b) { return _mm512_and_pd(a.v, b.v); }
inline V8 select(V8 mask, V8 a, V8 b) {
  return _mm512_mask_blend_pd(_mm512_movepi64_mask(_mm512_castpd_si512(mask.v)), b.v, a.v);
}

inline V8 exp_scale(V8 t) {
  const __m512i biased = _mm512_add_epi64(_mm512_castpd_si512(t.v), _mm512_set1_epi64(1023));
  return _mm512_castsi512_pd(_mm512_maskz_slli_epi64(kAll, biased, 52));
}

inline void log_split(V8 x, V8* e_field, V8* m) {
  const __m512i bits = _mm512_castpd_si512(x.v);
  const __m512i ebits = _mm512_maskz_srli_epi64(kAll, bits, 52);
  const __m512d two52 = _mm512_set1_pd(4503599627370496.0);
  *e_field = _mm512_sub_pd(_mm512_or_pd(_mm512_castsi512_pd(ebits), two52), two52);
  *m = _mm512_castsi512_pd(_mm512_or_si512(_mm512_and_si512(bits, _mm512_set1_epi64(0x000FFFFFFFFFFFFFLL)),
                                           _mm512_set1_epi64(0x3FF0000000000000LL)));
}

inline V8 vexp_core(V8 x) { return exp_short(x); }
inline V8 log_series(V8 e, V8 s) { return log_short(e, s); }

// A batch's steps two to a register: step 2j in the low half, 2j + 1 in the
// high half of e[j]. With twice the lanes per instruction and twice the
// registers, a batch twice as long still gains.
constexpr int kBatch8 = 8;
using Pack8 = Lanes<V8, kBatch8 / 2>;

inline Pack8 gather(const V4* parts, Pack8*) {
  Pack8 p;
  for (int j = 0; j < kBatch8 / 2; ++j) {
    p.e[j] = _mm512_mask_broadcast_f64x4(_mm512_maskz_broadcast_f64x4(0x0F, parts[2 * j].v), 0xF0, parts[2 * j + 1].v);
  }
  return p;
}

inline V4 part(const Pack8& p, int r) {
  const __m512d v = p.e[r / 2].v;
  return r % 2 ? _mm512_maskz_extractf64x4_pd(0x0F, v, 1) : _mm512_maskz_extractf64x4_pd(0x0F, v, 0);
}

}  // namespace

bool cpu_has_avx512() {
  __builtin_cpu_init();
  return cpu_has_avx2_fma() && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq") &&
         __builtin_cpu_supports("avx512vl");
}

void tube_steps_avx512_batched(StageV* st1, const Stage& s1, StageV* st2, const Stage& s2, BatchCarry* carry,
                               const simd2::V2* sub, const double* ref, int subs, simd2::V2* y, simd2::V2* held,
                               simd2::V2* swing, long* iters) {
  batched_steps<Pack8, kBatch8>(st1, s1, st2, s2, carry, sub, ref, subs, y, held, swing, iters);
}

}  // namespace fx
