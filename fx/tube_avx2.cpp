// The four-lane triode pair built for AVX2 and FMA. This file (and the
// AVX-512 one) alone is compiled with those instructions; the dispatch in the
// tube path calls into it only where cpu_has_avx2_fma() holds.
#include "fx/tube_lanes.h"

namespace fx {

namespace {

// One x2 interpolation over a two-lane ring of N entries (stored twice over,
// newest first from w): the even-phase branch, its symmetric taps folded, two
// taps per instruction, and the plain delay at index D.
template <int N, int D>
inline void interp_step(Ring<simd2::V2, N>* r, const simd2::V2* taps, __m128d x, __m128d* first, __m128d* second) {
  static_assert(N % 4 == 0, "two folded taps per step");
  r->w = r->w == 0 ? N - 1 : r->w - 1;
  r->buf[r->w].v = x;
  r->buf[r->w + N].v = x;
  const double* h = reinterpret_cast<const double*>(r->buf + r->w);
  const double* tp = reinterpret_cast<const double*>(taps);
  __m256d acc0 = _mm256_setzero_pd();
  __m256d acc1 = _mm256_setzero_pd();
  for (int j = 0; j < N / 2; j += 4) {
    const __m256d mirror0 = _mm256_permute2f128_pd(_mm256_loadu_pd(h + 2 * (N - 2 - j)), _mm256_loadu_pd(h + 2 * (N - 2 - j)), 1);
    const __m256d mirror1 = _mm256_permute2f128_pd(_mm256_loadu_pd(h + 2 * (N - 4 - j)), _mm256_loadu_pd(h + 2 * (N - 4 - j)), 1);
    acc0 = _mm256_fmadd_pd(_mm256_loadu_pd(tp + 2 * j), _mm256_add_pd(_mm256_loadu_pd(h + 2 * j), mirror0), acc0);
    acc1 = _mm256_fmadd_pd(_mm256_loadu_pd(tp + 2 * (j + 2)), _mm256_add_pd(_mm256_loadu_pd(h + 2 * (j + 2)), mirror1), acc1);
  }
  const __m256d acc = _mm256_add_pd(acc0, acc1);
  *first = _mm_add_pd(_mm256_castpd256_pd128(acc), _mm256_extractf128_pd(acc, 1));
  *second = r->buf[r->w + D].v;
}

}  // namespace

void interp_block_avx2(Ring<simd2::V2, 48>* hist_a, Ring<simd2::V2, 16>* hist_b, const HalfBandTaps& t,
                       const simd2::V2* in, const double* drive, int m, simd2::V2* sub) {
  for (int i = 0; i < m; ++i) {
    __m128d p, q;
    interp_step<48, 23>(hist_a, t.interp_a2, _mm_mul_pd(in[i].v, _mm_set1_pd(drive[i])), &p, &q);
    interp_step<16, 7>(hist_b, t.interp_b2, p, &sub[4 * i].v, &sub[4 * i + 1].v);
    interp_step<16, 7>(hist_b, t.interp_b2, q, &sub[4 * i + 2].v, &sub[4 * i + 3].v);
  }
}

bool cpu_has_avx2_fma() {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
}

void tube_steps_avx2(StageV* st1, const Stage& s1, StageV* st2, const Stage& s2, const simd2::V2* sub,
                     const double* ref, int subs, simd2::V2* y, simd2::V2* swing, long* iters) {
  State s = load(*st1, *st2);
  const Consts c = consts_of(s1, s2);
  const V4 qk = halves(s1.q_vk, s2.q_vk);
  const __m128d none = _mm_setzero_pd();
  const __m128d every = _mm_castsi128_pd(_mm_set1_epi64x(-1));
  const V4 all = join(every, every);
  __m128d p1_last = none;
  __m128d swing2 = swing->v;
  long it_total = 0;
  // Step k solves stage 1 on sub-sample k beside stage 2 on sub-sample k - 1;
  // the first step has no stage 2, the last no stage 1. A missing half is
  // computed but not kept, and counts as converged from the start.
  for (int k = 0; k <= subs; ++k) {
    const bool has1 = k < subs;
    const bool has2 = k > 0;
    const V4 live = join(has1 ? every : none, has2 ? every : none);
    const V4 in = join(has1 ? sub[k].v : none, _mm_mul_pd(p1_last, _mm_set1_pd(kInterstage)));
    NewtonStep<V4> st;
    V4 vc;
    const V4 gk = begin_step(s, c, in, &st, &vc);
    st.done = _mm256_xor_pd(live.v, all.v);  // the missing half
    solve(&st, has1, has2, &it_total);
    const State n = finish_step(s, c, st, vc);
    if (has1 && has2) {
      s = n;
    } else {
      keep(live, n, &s);
    }
    const V4 plate = V4(kSupplyV) - st.result * kPlateOhm;
    if (has2) y[k - 1].v = _mm_sub_pd(high(plate), _mm_set1_pd(ref[k - 1]));
    const V4 sw = vand(live, vabs(qk + gk));
    swing2 = _mm_max_pd(swing2, _mm_max_pd(low(sw), high(sw)));
    p1_last = low(plate);
  }
  store(s, st1, st2);
  swing->v = swing2;
  *iters += it_total;
}

void tube_steps_avx2_batched(StageV* st1, const Stage& s1, StageV* st2, const Stage& s2, BatchCarry* carry,
                             const simd2::V2* sub, const double* ref, int subs, simd2::V2* y, simd2::V2* held,
                             simd2::V2* swing, long* iters) {
  batched_steps<Pack4, kBatch4>(st1, s1, st2, s2, carry, sub, ref, subs, y, held, swing, iters);
}

}  // namespace fx
