#pragma once
// The two-lane Newton step of the triode model, written once for every lane
// type that provides the simd2 operations (simd2::V2, simd2::V2x2, and the
// four-lane type of the AVX2 path). Internal to the tube path.
#include "fx/simd2.h"
#include "fx/triode_stage.h"

namespace fx {

// Triode model constants (12AX7 type).
constexpr double kMu = 100.0;
constexpr double kKp = 600.0;
constexpr double kKvb = 300.0;
constexpr double kKg1 = 1060.0;
constexpr double kPowerMinusOne = 1.4 - 1.0;  // 0.3999999999999999, as the model is fitted
constexpr double kCutOff = 1e-15;

// The Newton terms of the triode model for both lanes: the plate current and
// f' = 1 + gm·Req + gp·(Req + Rp). Softplus and sigma in their branch-free
// forms, E1^0.4 as e^(0.4·ln E1) with E1 clamped at the cut-off. The sums are
// arranged so that as little as possible waits on the last exponential: the
// loop is bound by this dependency chain, not by arithmetic throughput.
template <typename V>
inline void newton_terms_v(V vgk, V vpk, V req, V req_plate, V* ip, V* fp, V* gm, V* gp) {
  using namespace simd2;
  const V zero(0.0);
  const V s2 = vpk * vpk + kKvb;
  const V s = vsqrt(s2);
  const V inv_s = V(1.0) / s;
  const V x = (vgk * kKp) * inv_s + kKp / kMu;
  // e^-|x| <= 1: only the lower clamp can act; 1 + e^-|x| lies in [1, 2].
  const V en = vexp_core(vmax(vnegabs(x), V(-708.0)));
  const V one_en = en + 1.0;
  // ln(1 + e^-|x|) as in simd2::vlog_one_plus, whose quotient shares one
  // division with sigma's: 1/(a·b) gives 1/a = b/(a·b) and 1/b = a/(a·b).
  const V bump = vand(gt(en, V(0.41421356237309503)), V(1.0));
  const V den = en + (bump + 2.0);
  const V r = V(1.0) / (one_en * den);
  const V sp = vmax(x, zero) + log_series(bump, (en - bump) * (one_en * r));
  const V sg = select(ge(x, zero), V(1.0), en) * (den * r);
  const V e1 = vpk * (1.0 / kKp) * sp;
  const V live = gt(e1, V(kCutOff));
  const V e1c = vmax(e1, V(kCutOff));
  // ln of E1 >= 1e-15 is >= -34.6, so only the upper clamp can act.
  const V pw = vand(live, vexp_core(vmin(vlog_core(e1c) * kPowerMinusOne, V(708.0))));
  // gm = dI/dE1 · t and gp = dI/dE1 · u, dI/dE1 = 2.8/1060 · E1^0.4.
  const V t = sg * vpk * inv_s;
  const V u = sp * (1.0 / kKp) - t * vgk * vpk * inv_s * inv_s;
  const V slope = (t * req + u * req_plate) * (2.8 / kKg1);
  *ip = (e1c * (2.0 / kKg1)) * pw;
  *fp = pw * slope + 1.0;
  const V di = pw * (2.8 / kKg1);
  *gm = di * t;
  *gp = di * u;
}

// One Newton update of the plate current for both lanes. A lane's result is
// the iterate at which it converged; the iteration itself runs on in every
// lane (its later values are discarded), which keeps the selection off the
// loop-carried dependency chain.
template <typename V>
inline void newton_update(NewtonStep<V>* st) {
  using namespace simd2;
  const V zero(0.0);
  const V i = st->i;
  const V vpk = vmax(zero, st->vpk_rest - i * st->req_plate);
  V ipm, fp, gm, gp;
  newton_terms_v(st->vgk_rest - i * st->req, vpk, st->req, st->req_plate, &ipm, &fp, &gm, &gp);
  const V f = i - ipm;
  const V inv_fp = V(1.0) / fp;
  V next = i - f * inv_fp;
  next = select(lt(next, zero), i * 0.5, next);
  const V conv = lt(vabs(next - i), V(kNewtonTol));
  st->result = select(st->done, st->result, next);
  st->di_dvg = select(st->done, st->di_dvg, gm * inv_fp);
  st->di_dvp = select(st->done, st->di_dvp, gp * inv_fp);
  st->done = vor(st->done, conv);
  st->i = next;
}

}  // namespace fx
