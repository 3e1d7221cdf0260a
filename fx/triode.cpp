#include "fx/triode.h"

#include <cmath>

#include "fx/triode_stage.h"

namespace fx {

namespace {

constexpr double kMu = 100.0;
constexpr double kKp = 600.0;
constexpr double kKvb = 300.0;
constexpr double kKg1 = 1060.0;
constexpr double kPowerMinusOne = 1.4 - 1.0;  // 0.3999999999999999, as the model is fitted
constexpr double kCutOff = 1e-15;
constexpr int kPointMaxIter = 60;
constexpr double kPointTol = 1e-13;

}  // namespace

TriodeEval triode_eval(double vgk, double vpk) {
  const double s2 = kKvb + vpk * vpk;
  const double s = std::sqrt(s2);
  const double inv_s = 1.0 / s;
  const double x = kKp * (1.0 / kMu + vgk * inv_s);
  double sp, sg;
  if (x > 30.0) {
    sp = x;
    sg = 1.0;
  } else if (x < -30.0) {
    sp = sg = std::exp(x);
  } else {
    const double e = std::exp(x);
    sp = std::log1p(e);
    sg = e / (1.0 + e);
  }
  const double e1 = vpk * (1.0 / kKp) * sp;
  if (!(e1 > kCutOff)) return {0.0, 0.0, 0.0};
  const double pw = std::pow(e1, kPowerMinusOne);
  const double di = 2.8 / kKg1 * pw;
  const double t = sg * vpk * inv_s;  // dE1/dVgk
  return {2.0 / kKg1 * e1 * pw, di * t, di * (sp * (1.0 / kKp) - t * vgk * vpk * inv_s * inv_s)};
}

void stage_set(Stage* s, double dt, double rk, double ck) {
  s->dt = dt;
  s->rk = rk;
  s->ck = ck;
  s->g = 2.0 * ck / dt;
  s->req = 1.0 / (1.0 / rk + s->g);
}

void stage_solve_point(Stage* s) {
  const double rk = s->rk;
  double i = s->q_ip > 0.0 ? s->q_ip : 1e-3;
  for (int it = 0; it < kPointMaxIter; ++it) {
    const double vk = rk * i;
    const double vpk = std::max(0.0, kSupplyV - kPlateOhm * i - vk);
    const TriodeEval e = triode_eval(-vk, vpk);
    const double f = i - e.ip;
    const double fp = 1.0 + e.gm * rk + e.gp * (rk + kPlateOhm);
    double next = i - f / fp;
    if (next <= 0.0) next = i * 0.5;
    const bool done = std::fabs(next - i) < kPointTol;
    i = next;
    if (done) break;
  }
  const double vk = rk * i;
  const double vpk = std::max(0.0, kSupplyV - kPlateOhm * i - vk);
  const TriodeEval e = triode_eval(-vk, vpk);
  s->q_vp = kSupplyV - kPlateOhm * i;
  s->q_vk = vk;
  s->q_ip = i;
  s->q_gain = -kPlateOhm * e.gm / (1.0 + kPlateOhm * e.gp);
}

void stage_rest(Stage* s, double vc) {
  s->vk = s->q_vk;
  s->hist = 0.0;
  s->ip = s->ip_prev = s->q_ip;
  s->vc = vc;
}

double stage_step(Stage* s, double u_in, double* gk, long* iters) {
  const double u = u_in - s->vc;
  const double d = u - s->vk;
  // Grid current: the positive grid-cathode voltage bends softly towards 0.8 V.
  const double vg = d > 0.0 ? s->vk + d / (d * (1.0 / kGridSoftV) + 1.0) : u;
  *gk = vg - s->vk;
  s->vc += ((u - vg) * (1.0 / kGridCurrentOhm) + vg * (1.0 / kGridLeakOhm)) * (s->dt / kCouplingF);
  const double g = s->g;
  const double req = s->req;
  const double h_src = g * s->vk + s->hist;
  double i = std::max(0.0, 2.0 * s->ip - s->ip_prev);
  int it = 0;
  while (it < kNewtonMaxIter) {
    ++it;
    const double vk = (h_src + i) * req;
    const double vpk = std::max(0.0, kSupplyV - kPlateOhm * i - vk);
    const TriodeEval e = triode_eval(vg - vk, vpk);
    const double f = i - e.ip;
    const double fp = 1.0 + e.gm * req + e.gp * (req + kPlateOhm);
    double next = i - f / fp;
    if (next < 0.0) next = i * 0.5;
    const bool done = std::fabs(next - i) < kNewtonTol;
    i = next;
    if (done) break;
  }
  if (iters) *iters += it;
  s->ip_prev = s->ip;
  s->ip = i;
  s->vk = (h_src + i) * req;
  s->hist = g * s->vk - h_src;
  return kSupplyV - kPlateOhm * i;
}

TubePoint tube_point(float bias) {
  float v = bias;
  if (!std::isfinite(v) || v < 0.0f) v = 0.0f;
  if (v > 1.0f) v = 1.0f;
  Stage s;
  const double rk = 680.0 * std::pow(4.852941176470588, 1.0 - static_cast<double>(v));
  stage_set(&s, 1.0 / (4.0 * 48000.0), rk, kStage2Ck);
  stage_solve_point(&s);
  return {s.q_vp, s.q_vk, 1000.0 * s.q_ip, s.q_gain};
}

// ---- two-lane form ----

using simd2::V2;

void StageV::rest(const Stage& s, double vc0) {
  vk = V2(s.q_vk);
  hist = V2(0.0);
  ip = ip_prev = V2(s.q_ip);
  vc = V2(vc0);
}

namespace {

// The triode model for both lanes; softplus and sigma in their branch-free
// forms, E1^0.4 as e^(0.4·ln E1) with E1 clamped at the cut-off.
inline void triode_eval_v(V2 vgk, V2 vpk, V2* ip, V2* gm, V2* gp) {
  using namespace simd2;
  const V2 s2 = vpk * vpk + kKvb;
  const V2 s = vsqrt(s2);
  const V2 inv_s = V2(1.0) / s;
  const V2 x = (vgk * inv_s + 1.0 / kMu) * kKp;
  const V2 en = vexp(vneg(vabs(x)));
  const V2 one_en = en + 1.0;
  const V2 sp = vmax(x, V2()) + vlog(one_en);
  const V2 sg = select(ge(x, V2()), V2(1.0), en) / one_en;
  const V2 e1 = vpk * (1.0 / kKp) * sp;
  const V2 live = gt(e1, V2(kCutOff));
  const V2 e1c = vmax(e1, V2(kCutOff));
  const V2 pw = vexp(vlog(e1c) * kPowerMinusOne);
  const V2 di = vand(live, pw * (2.8 / kKg1));
  const V2 t = sg * vpk * inv_s;
  *ip = vand(live, e1c * pw * (2.0 / kKg1));
  *gm = di * t;
  *gp = di * (sp * (1.0 / kKp) - t * vgk * vpk * inv_s * inv_s);
}

}  // namespace

V2 StageV::run(const Stage& s, V2 in, V2* gk, long* iters) {
  using namespace simd2;
  const V2 zero;
  const V2 u = in - vc;
  const V2 d = u - vk;
  const V2 bent = vk + d / (d * (1.0 / kGridSoftV) + 1.0);
  const V2 vg = select(gt(d, zero), bent, u);
  *gk = vg - vk;
  vc += ((u - vg) * (1.0 / kGridCurrentOhm) + vg * (1.0 / kGridLeakOhm)) * (s.dt / kCouplingF);
  const V2 g(s.g);
  const V2 req(s.req);
  const V2 req_plate(s.req + kPlateOhm);
  const V2 h_src = g * vk + hist;
  V2 i = vmax(zero, ip * 2.0 - ip_prev);
  V2 done = zero;
  int it = 0;
  while (it < kNewtonMaxIter) {
    ++it;
    const V2 vkn = (h_src + i) * req;
    const V2 vpk = vmax(zero, V2(kSupplyV) - i * kPlateOhm - vkn);
    V2 ipm, gm, gp;
    triode_eval_v(vg - vkn, vpk, &ipm, &gm, &gp);
    const V2 f = i - ipm;
    const V2 fp = gm * req + gp * req_plate + 1.0;
    V2 next = i - f / fp;
    next = select(lt(next, zero), i * 0.5, next);
    const V2 conv = lt(vabs(next - i), V2(kNewtonTol));
    i = select(done, i, next);
    done = vor(done, conv);
    if (movemask(done) == 3) break;
  }
  if (iters) *iters += it;
  ip_prev = ip;
  ip = i;
  vk = (h_src + i) * req;
  hist = g * vk - h_src;
  return V2(kSupplyV) - i * kPlateOhm;
}

}  // namespace fx
