#pragma once
// The four-lane triode pair, shared by the files compiled for AVX2 (with FMA)
// and for AVX-512: each includes it once, and everything here lies in an
// unnamed namespace, so every such file has its own copies, built with its own
// instructions, and no function compiled with those instructions can stand in
// for a shared inline one elsewhere. Internal to the tube path.
#include <immintrin.h>

#include <algorithm>
#include <initializer_list>

#include "fx/triode_newton.h"
#include "fx/tube_avx2.h"

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

// The four-lane path's exp and log keep their polynomials just long enough
// for the model: the batches make the evaluations, not their latency, the
// cost. Both are preferred over the simd2 templates for this lane type by
// overload resolution.
//
// e^x as simd2::vexp_core, with the Taylor polynomial to r^10: |r| <= ln2/2,
// so the first term left out, r^11/11!, is below 2.3e-13 relative.
template <typename V>
inline V exp_short(V x) {
  V t;
  const V r = simd2::exp_reduce(x, &t);
  const V r2 = r * r;
  const V r4 = r2 * r2;
  const V r8 = r4 * r4;
  const V q0 = r + 1.0;
  const V q1 = r * (1.0 / 6.0) + 0.5;
  const V q2 = r * (1.0 / 120.0) + 1.0 / 24.0;
  const V q3 = r * (1.0 / 5040.0) + 1.0 / 720.0;
  const V q4 = r * (1.0 / 362880.0) + 1.0 / 40320.0;
  const V w0 = q1 * r2 + q0;
  const V w1 = q3 * r2 + q2;
  const V w2 = r2 * (1.0 / 3628800.0) + q4;
  const V p = (w1 * r4 + w0) + w2 * r8;
  return p * exp_scale(t);
}

// ln m = e·ln 2 + 2·atanh(s) with the series to s^11 instead of s^21:
// |s| <= 0.1716 here, so what is left out, about 2·s^13/13, is below 1.8e-11
// (absolute, in the logarithm).
template <typename V>
inline V log_short(V e, V s) {
  const V z = s * s;
  const V z2 = z * z;
  const V z4 = z2 * z2;
  const V q0 = z * (1.0 / 3.0) + 1.0;
  const V q1 = z * (1.0 / 7.0) + 1.0 / 5.0;
  const V q2 = z * (1.0 / 11.0) + 1.0 / 9.0;
  const V p = (q1 * z2 + q0) + q2 * z4;
  const V e_ln2 = e * 0.693145751953125 + e * 1.4286068203094173e-6;
  return e_ln2 + (s + s) * p;
}

inline V4 vexp_core(V4 x) { return exp_short(x); }
inline V4 log_series(V4 e, V4 s) { return log_short(e, s); }

inline V4 join(__m128d lo, __m128d hi) { return _mm256_insertf128_pd(_mm256_castpd128_pd256(lo), hi, 1); }
inline __m128d low(V4 a) { return _mm256_castpd256_pd128(a.v); }
inline __m128d high(V4 a) { return _mm256_extractf128_pd(a.v, 1); }

// The state of both stages, as StageV holds it per stage.
struct State {
  V4 vk, hist, ip, ip_prev, vc, di_dvg, di_dvp, vgk_rest, vpk_rest, pred_err;
  V4 di_dvg_prev, di_dvp_prev, pred_err_prev;
};

State load(const StageV& a, const StageV& b) {
  return {join(a.vk.v, b.vk.v),           join(a.hist.v, b.hist.v),         join(a.ip.v, b.ip.v),
          join(a.ip_prev.v, b.ip_prev.v), join(a.vc.v, b.vc.v),             join(a.di_dvg.v, b.di_dvg.v),
          join(a.di_dvp.v, b.di_dvp.v),   join(a.vgk_rest.v, b.vgk_rest.v), join(a.vpk_rest.v, b.vpk_rest.v),
          join(a.pred_err.v, b.pred_err.v),
          join(a.di_dvg_prev.v, b.di_dvg_prev.v),
          join(a.di_dvp_prev.v, b.di_dvp_prev.v),
          join(a.pred_err_prev.v, b.pred_err_prev.v)};
}

void store(const State& s, StageV* a, StageV* b) {
  const V4 State::*fields[] = {&State::vk,     &State::hist,   &State::ip,       &State::ip_prev,  &State::vc,
                               &State::di_dvg, &State::di_dvp, &State::vgk_rest, &State::vpk_rest, &State::pred_err,
                               &State::di_dvg_prev, &State::di_dvp_prev, &State::pred_err_prev};
  simd2::V2 StageV::*out[] = {&StageV::vk,     &StageV::hist,   &StageV::ip,       &StageV::ip_prev,  &StageV::vc,
                              &StageV::di_dvg, &StageV::di_dvp, &StageV::vgk_rest, &StageV::vpk_rest, &StageV::pred_err,
                              &StageV::di_dvg_prev, &StageV::di_dvp_prev, &StageV::pred_err_prev};
  for (int f = 0; f < 13; ++f) {
    (a->*out[f]).v = low(s.*fields[f]);
    (b->*out[f]).v = high(s.*fields[f]);
  }
}

inline V4 halves(double lo, double hi) { return _mm256_set_pd(hi, hi, lo, lo); }

// Takes the new state where mask is set.
void keep(V4 mask, const State& n, State* s) {
  for (V4 State::*f : {&State::vk, &State::hist, &State::ip, &State::ip_prev, &State::vc, &State::di_dvg,
                       &State::di_dvp, &State::vgk_rest, &State::vpk_rest, &State::pred_err, &State::di_dvg_prev,
                       &State::di_dvp_prev, &State::pred_err_prev}) {
    s->*f = select(mask, n.*f, s->*f);
  }
}


// N lane vectors carried through the Newton update side by side: the solves
// of consecutive steps, whose dependency chains are independent once their
// starting points are fixed, interleaved instruction by instruction.
template <typename L, int N>
struct Lanes {
  L e[N];
  Lanes() = default;
  explicit Lanes(double x) {
    for (L& v : e) v = L(x);
  }
};

template <typename L, int N, typename F>
inline Lanes<L, N> each(Lanes<L, N> a, Lanes<L, N> b, F f) {
  Lanes<L, N> r;
  for (int k = 0; k < N; ++k) r.e[k] = f(a.e[k], b.e[k]);
  return r;
}
template <typename L, int N, typename F>
inline Lanes<L, N> each(Lanes<L, N> a, F f) {
  Lanes<L, N> r;
  for (int k = 0; k < N; ++k) r.e[k] = f(a.e[k]);
  return r;
}

template <typename L, int N> inline Lanes<L, N> operator+(Lanes<L, N> a, Lanes<L, N> b) { return each(a, b, [](L x, L y) { return x + y; }); }
template <typename L, int N> inline Lanes<L, N> operator-(Lanes<L, N> a, Lanes<L, N> b) { return each(a, b, [](L x, L y) { return x - y; }); }
template <typename L, int N> inline Lanes<L, N> operator*(Lanes<L, N> a, Lanes<L, N> b) { return each(a, b, [](L x, L y) { return x * y; }); }
template <typename L, int N> inline Lanes<L, N> operator/(Lanes<L, N> a, Lanes<L, N> b) { return each(a, b, [](L x, L y) { return x / y; }); }
template <typename L, int N> inline Lanes<L, N> operator*(Lanes<L, N> a, double b) { return each(a, [b](L x) { return x * b; }); }
template <typename L, int N> inline Lanes<L, N> operator+(Lanes<L, N> a, double b) { return each(a, [b](L x) { return x + b; }); }
template <typename L, int N> inline Lanes<L, N> vmax(Lanes<L, N> a, Lanes<L, N> b) { return each(a, b, [](L x, L y) { return vmax(x, y); }); }
template <typename L, int N> inline Lanes<L, N> vmin(Lanes<L, N> a, Lanes<L, N> b) { return each(a, b, [](L x, L y) { return vmin(x, y); }); }
template <typename L, int N> inline Lanes<L, N> gt(Lanes<L, N> a, Lanes<L, N> b) { return each(a, b, [](L x, L y) { return gt(x, y); }); }
template <typename L, int N> inline Lanes<L, N> ge(Lanes<L, N> a, Lanes<L, N> b) { return each(a, b, [](L x, L y) { return ge(x, y); }); }
template <typename L, int N> inline Lanes<L, N> lt(Lanes<L, N> a, Lanes<L, N> b) { return each(a, b, [](L x, L y) { return lt(x, y); }); }
template <typename L, int N> inline Lanes<L, N> vand(Lanes<L, N> a, Lanes<L, N> b) { return each(a, b, [](L x, L y) { return vand(x, y); }); }
template <typename L, int N> inline Lanes<L, N> vor(Lanes<L, N> a, Lanes<L, N> b) { return each(a, b, [](L x, L y) { return vor(x, y); }); }
template <typename L, int N> inline Lanes<L, N> vsqrt(Lanes<L, N> a) { return each(a, [](L x) { return vsqrt(x); }); }
template <typename L, int N> inline Lanes<L, N> vabs(Lanes<L, N> a) { return each(a, [](L x) { return vabs(x); }); }
template <typename L, int N> inline Lanes<L, N> vnegabs(Lanes<L, N> a) { return each(a, [](L x) { return vnegabs(x); }); }
template <typename L, int N> inline Lanes<L, N> vexp_core(Lanes<L, N> a) { return each(a, [](L x) { return vexp_core(x); }); }
template <typename L, int N> inline Lanes<L, N> exp_scale(Lanes<L, N> a) { return each(a, [](L x) { return exp_scale(x); }); }
template <typename L, int N> inline Lanes<L, N> log_series(Lanes<L, N> e, Lanes<L, N> s) {
  return each(e, s, [](L x, L y) { return log_series(x, y); });
}
template <typename L, int N>
inline Lanes<L, N> select(Lanes<L, N> m, Lanes<L, N> a, Lanes<L, N> b) {
  Lanes<L, N> r;
  for (int k = 0; k < N; ++k) r.e[k] = select(m.e[k], a.e[k], b.e[k]);
  return r;
}
template <typename L, int N>
inline void log_split(Lanes<L, N> x, Lanes<L, N>* e_field, Lanes<L, N>* m) {
  for (int k = 0; k < N; ++k) log_split(x.e[k], &e_field->e[k], &m->e[k]);
}

// Per-stage constants, stage 1 in the low half and stage 2 in the high half.
struct Consts {
  V4 g, req, req_plate;
  double vc_step;
};

inline Consts consts_of(const Stage& s1, const Stage& s2) {
  // Both stages share the time step.
  return {halves(s1.g, s2.g), halves(s1.req, s2.req), halves(s1.req + kPlateOhm, s2.req + kPlateOhm),
          s1.dt / kCouplingF};
}

// The start of one step of both stages, as StageV::begin: grid and coupling
// capacitor, the cathode network's history source, the parts of Vgk and Vpk
// that do not depend on the current, and the predicted current. *vc receives
// the coupling capacitor's new voltage; returns the grid-cathode voltage.
inline V4 begin_step(const State& s, const Consts& c, V4 in, NewtonStep<V4>* st, V4* vc) {
  const V4 zero;
  const V4 u = in - s.vc;
  const V4 d = u - s.vk;
  // The grid conducts rarely; while no lane does, the division that bends
  // its voltage stays off the chain of dependent steps.
  const V4 conducts = gt(d, zero);
  st->vg = movemask(conducts) ? select(conducts, s.vk + d / (d * (1.0 / kGridSoftV) + 1.0), u) : u;
  *vc = s.vc + ((u - st->vg) * (1.0 / kGridCurrentOhm) + st->vg * (1.0 / kGridLeakOhm)) * c.vc_step;
  st->h_src = c.g * s.vk + s.hist;
  st->req = c.req;
  st->req_plate = c.req_plate;
  const V4 vk_rest = st->h_src * c.req;
  st->vpk_rest = V4(kSupplyV) - vk_rest;
  st->vgk_rest = st->vg - vk_rest;
  st->tangent = predict_current(s.ip, s.di_dvg, s.di_dvp, st->vgk_rest - s.vgk_rest, st->vpk_rest - s.vpk_rest);
  st->i = vmax(zero, st->tangent + s.pred_err);
  st->result = st->i;
  st->di_dvg = s.di_dvg;
  st->di_dvp = s.di_dvp;
  st->done = zero;
  return st->vg - s.vk;
}

// The state after a step (StageV::finish) from its solved current.
inline State finish_step(const State& s, const Consts& c, const NewtonStep<V4>& st, V4 vc) {
  State n;
  const V4 vk = (st.h_src + st.result) * c.req;
  n.di_dvg = st.di_dvg;
  n.di_dvp = st.di_dvp;
  n.vgk_rest = st.vgk_rest;
  n.vpk_rest = st.vpk_rest;
  n.pred_err = st.result - st.tangent;
  n.di_dvg_prev = s.di_dvg;
  n.di_dvp_prev = s.di_dvp;
  n.pred_err_prev = s.pred_err;
  n.ip_prev = s.ip;
  n.ip = st.result;
  n.vk = vk;
  n.hist = c.g * vk - st.h_src;
  n.vc = vc;
  return n;
}

// Newton iterations from st->i until every lane of a half that takes part
// has converged; the iterations of each half are added to *iters.
inline void solve(NewtonStep<V4>* st, bool has1, bool has2, long* iters) {
  int it_a = 0, it_b = 0;
  for (int it = 1; it <= kNewtonMaxIter; ++it) {
    newton_update(st);
    const int m = movemask(st->done);
    if ((m & 3) == 3 && it_a == 0) it_a = it;
    if ((m & 12) == 12 && it_b == 0) it_b = it;
    if (m == 15) break;
  }
  if (has1) *iters += it_a ? it_a : kNewtonMaxIter;
  if (has2) *iters += it_b ? it_b : kNewtonMaxIter;
}

// One Newton update from st->i for every lane of a batch: a batch takes a
// single update per step and judges it afterwards, so the bookkeeping of
// newton_update (which lanes converged, and keeping their values) is left out.
template <typename V>
inline void newton_once(NewtonStep<V>* st) {
  using namespace simd2;
  const V zero(0.0);
  const V i = st->i;
  const V vpk = vmax(zero, st->vpk_rest - i * st->req_plate);
  V ipm, fp, gm, gp;
  newton_terms_v(st->vgk_rest - i * st->req, vpk, st->req, st->req_plate, &ipm, &fp, &gm, &gp);
  const V inv_fp = V(1.0) / fp;
  const V next = i - (i - ipm) * inv_fp;
  st->result = select(lt(next, zero), i * 0.5, next);
  st->di_dvg = gm * inv_fp;
  st->di_dvp = gp * inv_fp;
}

// Batches. Every step's Newton solve starts from a predicted current, and on
// this circuit one update from there already comes close to the tolerance.
// The state a step starts from (the cathode network, and for stage 2 the
// plate voltage of stage 1) depends on the previous step's solution, but only
// weakly in the cathode (its bypass capacitor holds it) and, through the 0.05
// divider, by 5000 V/A in stage 2's input. So a batch of steps is first
// run ahead with each predicted current standing in for the solution, all
// their model evaluations then go through one interleaved Newton update, and
// each step is finally completed in order from the true state of the one
// before: its update is carried from where it was evaluated to where the step
// really starts by the slopes it just computed (dI = dI/dvgk_rest·Δvgk_rest +
// dI/dvpk_rest·Δvpk_rest, the linearisation the predictor uses). A step is
// taken this way only when its update is below kBatchTol amperes and the
// distance carried below kCarryV volts in every lane, which keeps what the
// single update and the carrying leave out (both of second order) far below
// what reaches the output; any other step is solved in full from its true
// state, and the next batch starts after it.

// The four-lane pack of a batch: its steps side by side, one four-lane
// vector each.
constexpr int kBatch4 = 4;
using Pack4 = Lanes<V4, kBatch4>;
inline Pack4 gather(const V4* parts, Pack4*) {
  Pack4 p;
  for (int r = 0; r < kBatch4; ++r) p.e[r] = parts[r];
  return p;
}
inline V4 part(const Pack4& p, int r) { return p.e[r]; }
constexpr double kCarryV = 1e-5;
constexpr double kBatchTol = 3e-8;
constexpr int kCalmSteps = 4;

// The batched loop (declared with tube_steps_avx2_batched) for a pack type
// that holds a batch of kBatch steps side by side.
template <typename Pack, int kBatch>
void batched_steps(StageV* st1, const Stage& s1, StageV* st2, const Stage& s2, BatchCarry* carry,
                   const simd2::V2* sub, const double* ref, int subs, simd2::V2* y, simd2::V2* held,
                   simd2::V2* swing, long* iters) {
  static_assert(kBatch <= BatchCarry::kMaxBatch, "the carry holds a batch's inputs");
  State s = load(*st1, *st2);
  const Consts c = consts_of(s1, s2);
  const V4 qk = halves(s1.q_vk, s2.q_vk);
  const V4 zero;
  const __m128d none = _mm_setzero_pd();
  const __m128d every = _mm_castsi128_pd(_mm_set1_epi64x(-1));
  const V4 all = join(every, every);
  __m128d p1_last = carry->p1_last.v;
  __m128d swing2 = swing->v;
  long it_total = 0;

  // The outputs of step k (stage 1 on sub-sample k, stage 2 on k - 1, which
  // for k = 0 is the previous block's last).
  auto emit = [&](int k, const NewtonStep<V4>& st, V4 gk, V4 live) {
    const V4 plate = V4(kSupplyV) - st.result * kPlateOhm;
    if (k > 0) {
      y[k - 1].v = _mm_sub_pd(high(plate), _mm_set1_pd(ref[k - 1]));
    } else if (carry->stage2_due) {
      held->v = _mm_sub_pd(high(plate), _mm_set1_pd(carry->ref_last));
    }
    const V4 sw = vand(live, vabs(qk + gk));
    swing2 = _mm_max_pd(swing2, _mm_max_pd(low(sw), high(sw)));
    p1_last = low(plate);
  };
  auto input = [&](__m128d in1, __m128d p1) { return join(in1, _mm_mul_pd(p1, _mm_set1_pd(kInterstage))); };
  // Stage 2 of the previous block's last sub-sample runs with the cathode
  // network it had then (the operating points may have been solved again).
  Consts c_first = c;
  if (carry->stage2_due) {
    c_first.g = _mm256_set_pd(carry->g2, carry->g2, s1.g, s1.g);
    c_first.req = _mm256_set_pd(carry->req2, carry->req2, s1.req, s1.req);
    c_first.req_plate = _mm256_set_pd(carry->req2 + kPlateOhm, carry->req2 + kPlateOhm, s1.req + kPlateOhm,
                                      s1.req + kPlateOhm);
  }
  auto consts_at = [&](int step) -> const Consts& { return step == 0 ? c_first : c; };

  int k = 0;
  while (k < subs) {
    if (!carry->stage2_due) {
      // The first step after waking has no stage 2; it is solved in full.
      const V4 live = join(every, none);
      NewtonStep<V4> st;
      V4 vc;
      const V4 gk = begin_step(s, c, input(sub[k].v, p1_last), &st, &vc);
      st.done = _mm256_xor_pd(live.v, all.v);
      solve(&st, true, false, &it_total);
      keep(live, finish_step(s, c, st, vc), &s);
      emit(k, st, gk, live);
      carry->stage2_due = true;
      carry->pos = 0;
      ++k;
      continue;
    }
    if (carry->pos == 0 && carry->calm > 0) {
      // After a step the batch could not take, the next few are solved one
      // by one: where the grid conducts or the plate swings hard, most of a
      // batch would be thrown away.
      const Consts& ck = consts_at(k);
      NewtonStep<V4> st;
      V4 vc;
      const V4 gk = begin_step(s, ck, input(sub[k].v, p1_last), &st, &vc);
      solve(&st, true, true, &it_total);
      s = finish_step(s, ck, st, vc);
      emit(k, st, gk, all);
      --carry->calm;
      ++k;
      continue;
    }
    if (carry->pos == 0) {
      store(s, &carry->base1, &carry->base2);
      carry->base_p1.v = p1_last;
    }
    const int pos = carry->pos;
    const int count = std::min(kBatch - pos, subs - k);

    // Run ahead from the state the batch started from, over all its steps
    // (those taken in an earlier block from their saved inputs, those past
    // this block's end with its last input; only the steps from pos to
    // pos + count - 1 are used here), each predicted current taken as the
    // step's solution.
    V4 start[kBatch], req[kBatch], req_plate[kBatch], vpk_rest[kBatch], vgk_rest[kBatch], dg[kBatch], dp[kBatch];
    {
      const State base = load(carry->base1, carry->base2);
      State ahead = base;
      __m128d p1 = carry->base_p1.v;
      for (int r = 0; r < kBatch; ++r) {
        const __m128d in1 = r < pos ? carry->base_in[r].v : sub[std::min(k + r - pos, subs - 1)].v;
        if (r > 0) {
          // The slopes and the prediction error at the step before, continued
          // along their last change.
          const double ahead_by = r;
          ahead.di_dvg = base.di_dvg + (base.di_dvg - base.di_dvg_prev) * ahead_by;
          ahead.di_dvp = base.di_dvp + (base.di_dvp - base.di_dvp_prev) * ahead_by;
          ahead.pred_err = base.pred_err + (base.pred_err - base.pred_err_prev) * ahead_by;
        }
        NewtonStep<V4> st;
        V4 vc;
        const Consts& cr = consts_at(k + r - pos);
        begin_step(ahead, cr, input(in1, p1), &st, &vc);
        start[r] = st.i;
        req[r] = cr.req;
        req_plate[r] = cr.req_plate;
        vpk_rest[r] = st.vpk_rest;
        vgk_rest[r] = st.vgk_rest;
        dg[r] = st.di_dvg;
        dp[r] = st.di_dvp;
        ahead = finish_step(ahead, cr, st, vc);
        p1 = low(V4(kSupplyV) - st.i * kPlateOhm);
      }
    }
    NewtonStep<Pack> ev;
    ev.i = gather(start, &ev.i);
    ev.result = ev.i;
    ev.req = gather(req, &ev.i);
    ev.req_plate = gather(req_plate, &ev.i);
    ev.vpk_rest = gather(vpk_rest, &ev.i);
    ev.vgk_rest = gather(vgk_rest, &ev.i);
    ev.di_dvg = gather(dg, &ev.i);
    ev.di_dvp = gather(dp, &ev.i);
    newton_once(&ev);

    // Complete the steps in order from their true states.
    bool full = false;
    int r = pos;
    for (; r < pos + count; ++r, ++k) {
      carry->base_in[r] = sub[k];
      const Consts& ck = consts_at(k);
      NewtonStep<V4> st;
      V4 vc;
      const V4 gk = begin_step(s, ck, input(sub[k].v, p1_last), &st, &vc);
      const V4 dvg = st.vgk_rest - vgk_rest[r];
      const V4 dvp = st.vpk_rest - vpk_rest[r];
      const V4 carried = vmax(vabs(dvg), vabs(dvp));
      const V4 next = part(ev.result, r);
      const V4 ok = vand(lt(vabs(next - start[r]), V4(kBatchTol)), lt(carried, V4(kCarryV)));
      full = movemask(ok) != 15;
      if (full) {
        solve(&st, true, true, &it_total);
        carry->calm = kCalmSteps;
      } else {
        st.di_dvg = part(ev.di_dvg, r);
        st.di_dvp = part(ev.di_dvp, r);
        st.result = vmax(zero, next + (st.di_dvg * dvg + st.di_dvp * dvp));
        it_total += 2;
      }
      s = finish_step(s, ck, st, vc);
      emit(k, st, gk, all);
      if (full) {
        ++r;
        ++k;
        break;
      }
    }
    // A step solved in full ends its batch; the next starts after it.
    carry->pos = full || r == kBatch ? 0 : r;
  }
  y[subs - 1] = simd2::V2();  // comes with the next block
  carry->p1_last.v = p1_last;
  carry->ref_last = ref[subs - 1];
  carry->g2 = s2.g;
  carry->req2 = s2.req;
  store(s, st1, st2);
  swing->v = swing2;
  *iters += it_total;
}


}  // namespace

}  // namespace fx
