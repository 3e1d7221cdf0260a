// The four-lane triode pair. This file alone is compiled for AVX2 and FMA;
// the dispatch in the tube path calls into it only where cpu_has_avx2_fma()
// holds. Everything it instantiates uses the internal four-lane type, so no
// function compiled with those instructions can stand in for a shared inline
// one elsewhere.
#include "fx/tube_avx2.h"

#include <immintrin.h>

#include <initializer_list>

#include "fx/triode_newton.h"

namespace fx {

namespace {

// Four double lanes: left and right of stage 1, then left and right of stage 2.
struct V4 {
  __m256d v;
  V4() : v(_mm256_setzero_pd()) {}
  V4(__m256d x) : v(x) {}  // NOLINT: implicit on purpose, as simd2::V2
  explicit V4(double x) : v(_mm256_set1_pd(x)) {}
};

inline V4 operator+(V4 a, V4 b) { return _mm256_add_pd(a.v, b.v); }
inline V4 operator-(V4 a, V4 b) { return _mm256_sub_pd(a.v, b.v); }
inline V4 operator*(V4 a, V4 b) { return _mm256_mul_pd(a.v, b.v); }
inline V4 operator/(V4 a, V4 b) { return _mm256_div_pd(a.v, b.v); }
inline V4 operator*(V4 a, double b) { return _mm256_mul_pd(a.v, _mm256_set1_pd(b)); }
inline V4 operator+(V4 a, double b) { return _mm256_add_pd(a.v, _mm256_set1_pd(b)); }
inline V4& operator+=(V4& a, V4 b) { a.v = _mm256_add_pd(a.v, b.v); return a; }
inline V4 vmax(V4 a, V4 b) { return _mm256_max_pd(a.v, b.v); }
inline V4 vmin(V4 a, V4 b) { return _mm256_min_pd(a.v, b.v); }
inline V4 vsqrt(V4 a) { return _mm256_sqrt_pd(a.v); }
inline V4 vabs(V4 a) { return _mm256_andnot_pd(_mm256_set1_pd(-0.0), a.v); }
inline V4 vnegabs(V4 a) { return _mm256_or_pd(_mm256_set1_pd(-0.0), a.v); }
inline V4 gt(V4 a, V4 b) { return _mm256_cmp_pd(a.v, b.v, _CMP_GT_OQ); }
inline V4 ge(V4 a, V4 b) { return _mm256_cmp_pd(a.v, b.v, _CMP_GE_OQ); }
inline V4 lt(V4 a, V4 b) { return _mm256_cmp_pd(a.v, b.v, _CMP_LT_OQ); }
inline V4 vand(V4 a, V4 b) { return _mm256_and_pd(a.v, b.v); }
inline V4 vor(V4 a, V4 b) { return _mm256_or_pd(a.v, b.v); }
inline V4 select(V4 mask, V4 a, V4 b) { return _mm256_blendv_pd(b.v, a.v, mask.v); }
inline int movemask(V4 m) { return _mm256_movemask_pd(m.v); }

// The bit-level pieces of simd2's exp and log, four lanes wide.
inline V4 exp_scale(V4 t) {
  const __m256i biased = _mm256_add_epi64(_mm256_castpd_si256(t.v), _mm256_set1_epi64x(1023));
  return _mm256_castsi256_pd(_mm256_slli_epi64(biased, 52));
}

inline void log_split(V4 x, V4* e_field, V4* m) {
  const __m256i bits = _mm256_castpd_si256(x.v);
  const __m256i ebits = _mm256_srli_epi64(bits, 52);
  const __m256d two52 = _mm256_set1_pd(4503599627370496.0);
  *e_field = _mm256_sub_pd(_mm256_or_pd(_mm256_castsi256_pd(ebits), two52), two52);
  *m = _mm256_castsi256_pd(_mm256_or_si256(_mm256_and_si256(bits, _mm256_set1_epi64x(0x000FFFFFFFFFFFFFLL)),
                                           _mm256_set1_epi64x(0x3FF0000000000000LL)));
}

// ln m = e·ln 2 + 2·atanh(s) for the four-lane path, with the series to s^15
// instead of s^21: |s| <= 0.1716 here, so the first term left out,
// 2·s^17/17, is below 1.2e-14, far under what the solver resolves. Preferred
// over simd2::log_series for this lane type by overload resolution.
inline V4 log_series(V4 e, V4 s) {
  const V4 z = s * s;
  const V4 z2 = z * z;
  const V4 z4 = z2 * z2;
  const V4 q0 = z * (1.0 / 3.0) + 1.0;
  const V4 q1 = z * (1.0 / 7.0) + 1.0 / 5.0;
  const V4 q2 = z * (1.0 / 11.0) + 1.0 / 9.0;
  const V4 q3 = z * (1.0 / 15.0) + 1.0 / 13.0;
  const V4 p = (q1 * z2 + q0) + (q3 * z2 + q2) * z4;
  const V4 e_ln2 = e * 0.693145751953125 + e * 1.4286068203094173e-6;
  return e_ln2 + (s + s) * p;
}

inline V4 join(__m128d lo, __m128d hi) { return _mm256_insertf128_pd(_mm256_castpd128_pd256(lo), hi, 1); }
inline __m128d low(V4 a) { return _mm256_castpd256_pd128(a.v); }
inline __m128d high(V4 a) { return _mm256_extractf128_pd(a.v, 1); }

// The state of both stages, as StageV holds it per stage.
struct State {
  V4 vk, hist, ip, ip_prev, vc, di_dvg, di_dvp, vgk_rest, vpk_rest, pred_err;
};

State load(const StageV& a, const StageV& b) {
  return {join(a.vk.v, b.vk.v),           join(a.hist.v, b.hist.v),         join(a.ip.v, b.ip.v),
          join(a.ip_prev.v, b.ip_prev.v), join(a.vc.v, b.vc.v),             join(a.di_dvg.v, b.di_dvg.v),
          join(a.di_dvp.v, b.di_dvp.v),   join(a.vgk_rest.v, b.vgk_rest.v), join(a.vpk_rest.v, b.vpk_rest.v),
          join(a.pred_err.v, b.pred_err.v)};
}

void store(const State& s, StageV* a, StageV* b) {
  const V4 State::*fields[] = {&State::vk,     &State::hist,   &State::ip,       &State::ip_prev,  &State::vc,
                               &State::di_dvg, &State::di_dvp, &State::vgk_rest, &State::vpk_rest, &State::pred_err};
  simd2::V2 StageV::*out[] = {&StageV::vk,     &StageV::hist,   &StageV::ip,       &StageV::ip_prev,  &StageV::vc,
                              &StageV::di_dvg, &StageV::di_dvp, &StageV::vgk_rest, &StageV::vpk_rest, &StageV::pred_err};
  for (int f = 0; f < 10; ++f) {
    (a->*out[f]).v = low(s.*fields[f]);
    (b->*out[f]).v = high(s.*fields[f]);
  }
}

inline V4 halves(double lo, double hi) { return _mm256_set_pd(hi, hi, lo, lo); }

// Takes the new state where mask is set.
void keep(V4 mask, const State& n, State* s) {
  for (V4 State::*f : {&State::vk, &State::hist, &State::ip, &State::ip_prev, &State::vc, &State::di_dvg,
                       &State::di_dvp, &State::vgk_rest, &State::vpk_rest, &State::pred_err}) {
    s->*f = select(mask, n.*f, s->*f);
  }
}

}  // namespace

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
  const V4 g = halves(s1.g, s2.g);
  const V4 req = halves(s1.req, s2.req);
  const V4 req_plate = halves(s1.req + kPlateOhm, s2.req + kPlateOhm);
  const V4 qk = halves(s1.q_vk, s2.q_vk);
  const double vc_step = s1.dt / kCouplingF;  // both stages share the time step
  const V4 zero;
  const __m128d none = _mm_setzero_pd();
  const __m128d every = _mm_castsi128_pd(_mm_set1_epi64x(-1));
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
    // The step StageV::begin takes, for both stages.
    const V4 in = join(has1 ? sub[k].v : none, _mm_mul_pd(p1_last, _mm_set1_pd(kInterstage)));
    const V4 u = in - s.vc;
    const V4 d = u - s.vk;
    NewtonStep<V4> st;
    // The grid conducts rarely; while no lane does, the division that bends
    // its voltage stays off the chain of dependent steps.
    const V4 conducts = gt(d, zero);
    st.vg = movemask(conducts) ? select(conducts, s.vk + d / (d * (1.0 / kGridSoftV) + 1.0), u) : u;
    const V4 gk = st.vg - s.vk;
    const V4 vc = s.vc + ((u - st.vg) * (1.0 / kGridCurrentOhm) + st.vg * (1.0 / kGridLeakOhm)) * vc_step;
    st.h_src = g * s.vk + s.hist;
    st.req = req;
    st.req_plate = req_plate;
    const V4 vk_rest = st.h_src * req;
    st.vpk_rest = V4(kSupplyV) - vk_rest;
    st.vgk_rest = st.vg - vk_rest;
    st.tangent = predict_current(s.ip, s.di_dvg, s.di_dvp, st.vgk_rest - s.vgk_rest, st.vpk_rest - s.vpk_rest);
    st.i = vmax(zero, st.tangent + s.pred_err);
    st.result = st.i;
    st.di_dvg = s.di_dvg;
    st.di_dvp = s.di_dvp;
    st.done = _mm256_xor_pd(live.v, join(every, every).v);  // the missing half

    int it_a = 0, it_b = 0;
    for (int it = 1; it <= kNewtonMaxIter; ++it) {
      newton_update(&st);
      const int m = movemask(st.done);
      if ((m & 3) == 3 && it_a == 0) it_a = it;
      if ((m & 12) == 12 && it_b == 0) it_b = it;
      if (m == 15) break;
    }
    if (has1) it_total += it_a ? it_a : kNewtonMaxIter;
    if (has2) it_total += it_b ? it_b : kNewtonMaxIter;

    // StageV::finish for both stages, kept where the stage took a step.
    const V4 vk = (st.h_src + st.result) * req;
    State n;
    n.di_dvg = st.di_dvg;
    n.di_dvp = st.di_dvp;
    n.vgk_rest = st.vgk_rest;
    n.vpk_rest = st.vpk_rest;
    n.pred_err = st.result - st.tangent;
    n.ip_prev = s.ip;
    n.ip = st.result;
    n.vk = vk;
    n.hist = g * vk - st.h_src;
    n.vc = vc;
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

}  // namespace fx
