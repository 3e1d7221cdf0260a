// The four-lane triode pair built for AVX2 and FMA. This file (and the
// AVX-512 one) alone is compiled with those instructions; the dispatch in the
// tube path calls into it only where cpu_has_avx2_fma() holds.
#include "fx/tube_lanes.h"

namespace fx {

namespace {

// One x2 interpolation over a pair ring: x becomes the newest value; *first
// receives the folded branch, Σ taps[j]·(h[j] + h[N-1-j]) with h[0] = x, two
// taps per instruction, and *second the plain delay h[D].
template <int N, int D>
inline void interp_step(PairRing<N>* r, const simd2::V2* taps, __m128d x, __m128d* first, __m128d* second) {
  r->w = r->w == 0 ? N - 1 : r->w - 1;
  const __m256d pair = _mm256_insertf128_pd(_mm256_castpd128_pd256(x), r->last.v, 1);
  r->last.v = x;
  _mm256_store_pd(r->slot[r->w], pair);
  _mm256_store_pd(r->slot[r->w + N], pair);
  const double (*h)[4] = r->slot + r->w;  // h[2i] = (x_n-2i, x_n-2i-1)
  const double* tp = reinterpret_cast<const double*>(taps);
  // Slot 0 is the pair just built; it is taken from the register.
  const __m256d far0 = _mm256_load_pd(h[N - 2]);
  __m256d acc0 = _mm256_mul_pd(_mm256_loadu_pd(tp), _mm256_add_pd(pair, _mm256_permute2f128_pd(far0, far0, 1)));
  __m256d acc1 = _mm256_setzero_pd();
  for (int j = 2; j < N / 2; j += 2) {
    const __m256d far = _mm256_load_pd(h[N - 2 - j]);
    const __m256d sum = _mm256_add_pd(_mm256_load_pd(h[j]), _mm256_permute2f128_pd(far, far, 1));
    if (j % 4 == 0) {
      acc0 = _mm256_fmadd_pd(_mm256_loadu_pd(tp + 2 * j), sum, acc0);
    } else {
      acc1 = _mm256_fmadd_pd(_mm256_loadu_pd(tp + 2 * j), sum, acc1);
    }
  }
  const __m256d acc = _mm256_add_pd(acc0, acc1);
  *first = _mm_add_pd(_mm256_castpd256_pd128(acc), _mm256_extractf128_pd(acc, 1));
  // x_n-D: the newer half of slot D.
  *second = _mm_load_pd(h[D]);
}

// One x2 decimation: a into the delay line of the first values, b through the
// folded branch; the centre tap (0.5) sits on the first value N/2 - 1 pairs back.
template <int N>
inline __m128d decim_step(DecimRings<N>* d, const simd2::V2* taps, __m128d a, __m128d b) {
  Ring<simd2::V2, N / 2>& f = d->first;
  f.w = f.w == 0 ? N / 2 - 1 : f.w - 1;
  f.buf[f.w].v = a;
  f.buf[f.w + N / 2].v = a;
  __m128d sum, unused;
  interp_step<N, 0>(&d->second, taps, b, &sum, &unused);
  return _mm_add_pd(_mm_mul_pd(_mm_set1_pd(0.5), f.buf[f.w + N / 2 - 1].v), sum);
}

}  // namespace

void decim_block_avx2(DecimRings<16>* dec_b, DecimRings<48>* dec_a, const HalfBandTaps& t, simd2::V2* held,
                      const simd2::V2* y, int m, simd2::V2* raw) {
  for (int i = 0; i < m; ++i) {
    const __m128d r0 = decim_step(dec_b, t.dec_b2, held->v, y[4 * i].v);
    const __m128d r1 = decim_step(dec_b, t.dec_b2, y[4 * i + 1].v, y[4 * i + 2].v);
    *held = y[4 * i + 3];
    raw[i].v = decim_step(dec_a, t.dec_a2, r0, r1);
  }
}

void interp_block_avx2(PairRing<48>* hist_a, PairRing<16>* hist_b, const HalfBandTaps& t, const simd2::V2* in,
                       const double* drive, int m, simd2::V2* sub) {
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
