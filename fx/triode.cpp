#include "fx/triode.h"

#include <cmath>
#include <initializer_list>

#include "fx/params.h"
#include "fx/triode_newton.h"
#include "fx/triode_stage.h"

namespace fx {

namespace {

constexpr int kPointMaxIter = 60;
constexpr double kPointTol = 1e-13;

}  // namespace

TriodeEval triode_eval(double vgk, double vpk) {
  const double s2 = kKvb + vpk * vpk;
  const double s = std::sqrt(s2);
  const double inv_s = 1.0 / s;
  const double x = (kKp * vgk) / s + kKp / kMu;
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
  s->di_dvg = s->di_dvp = s->vgk_rest = s->vpk_rest = s->pred_err = 0.0;
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
  const double vk_rest = h_src * req;
  const double vgk_rest = vg - vk_rest;
  const double vpk_rest = kSupplyV - vk_rest;
  const double tangent =
      predict_current(s->ip, s->di_dvg, s->di_dvp, vgk_rest - s->vgk_rest, vpk_rest - s->vpk_rest);
  double i = std::max(0.0, tangent + s->pred_err);
  int it = 0;
  while (it < kNewtonMaxIter) {
    ++it;
    const double vk = (h_src + i) * req;
    const double vpk = std::max(0.0, kSupplyV - kPlateOhm * i - vk);
    const TriodeEval e = triode_eval(vg - vk, vpk);
    const double f = i - e.ip;
    const double fp = 1.0 + e.gm * req + e.gp * (req + kPlateOhm);
    const double inv_fp = 1.0 / fp;
    double next = i - f * inv_fp;
    if (next < 0.0) next = i * 0.5;
    const bool done = std::fabs(next - i) < kNewtonTol;
    i = next;
    s->di_dvg = e.gm * inv_fp;
    s->di_dvp = e.gp * inv_fp;
    if (done) break;
  }
  if (iters) *iters += it;
  s->vgk_rest = vgk_rest;
  s->vpk_rest = vpk_rest;
  s->pred_err = i - tangent;
  s->ip_prev = s->ip;
  s->ip = i;
  s->vk = (h_src + i) * req;
  s->hist = g * s->vk - h_src;
  return kSupplyV - kPlateOhm * i;
}

TubePoint tube_point(float bias) {
  const float v = unit_range(bias);
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
  di_dvg = di_dvp = vgk_rest = vpk_rest = pred_err = V2(0.0);
  di_dvg_prev = di_dvp_prev = pred_err_prev = V2(0.0);
}

// Coupling network and grid: the voltage on the grid, the cathode network's
// history source and the predicted current for this step.
LaneParams LaneParams::of(const Stage& lo, const Stage& hi) {
  return {V2(lo.g, hi.g), V2(lo.req, hi.req), V2(lo.req + kPlateOhm, hi.req + kPlateOhm),
          V2(lo.dt / kCouplingF, hi.dt / kCouplingF)};
}

void StageV::begin(const LaneParams& p, V2 in, V2* gk, Step* st) {
  using namespace simd2;
  const V2 zero;
  const V2 u = in - vc;
  const V2 d = u - vk;
  const V2 bent = vk + d / (d * (1.0 / kGridSoftV) + 1.0);
  st->vg = select(gt(d, zero), bent, u);
  *gk = st->vg - vk;
  vc += ((u - st->vg) * (1.0 / kGridCurrentOhm) + st->vg * (1.0 / kGridLeakOhm)) * p.vc_step;
  st->h_src = p.g * vk + hist;
  st->req = p.req;
  st->req_plate = p.req_plate;
  // Vk = (h_src + I)·Req is linear in I; so are Vpk and Vgk. Their parts that
  // do not depend on I are formed once per step.
  const V2 vk_rest = st->h_src * st->req;
  st->vpk_rest = V2(kSupplyV) - vk_rest;
  st->vgk_rest = st->vg - vk_rest;
  st->tangent = predict_current(ip, di_dvg, di_dvp, st->vgk_rest - vgk_rest, st->vpk_rest - vpk_rest);
  st->i = vmax(zero, st->tangent + pred_err);
  st->result = st->i;
  st->di_dvg = di_dvg;
  st->di_dvp = di_dvp;
  st->done = zero;
}

V2 StageV::finish(const LaneParams& p, const Step& st) {
  di_dvg = st.di_dvg;
  di_dvp = st.di_dvp;
  vgk_rest = st.vgk_rest;
  vpk_rest = st.vpk_rest;
  pred_err = st.result - st.tangent;
  ip_prev = ip;
  ip = st.result;
  vk = (st.h_src + st.result) * p.req;
  hist = p.g * vk - st.h_src;
  return V2(kSupplyV) - st.result * kPlateOhm;
}

V2 StageV::run(const Stage& s, V2 in, V2* gk, long* iters) {
  const LaneParams p = LaneParams::of(s);
  Step st;
  begin(p, in, gk, &st);
  int it = 0;
  while (it < kNewtonMaxIter) {
    ++it;
    newton_update(&st);
    if (simd2::movemask(st.done) == 3) break;
  }
  if (iters) *iters += it;
  return finish(p, st);
}

void StageV::load(const Stage& lo, const Stage& hi) {
  vk = V2(lo.vk, hi.vk);
  hist = V2(lo.hist, hi.hist);
  ip = V2(lo.ip, hi.ip);
  ip_prev = V2(lo.ip_prev, hi.ip_prev);
  vc = V2(lo.vc, hi.vc);
  di_dvg = V2(lo.di_dvg, hi.di_dvg);
  di_dvp = V2(lo.di_dvp, hi.di_dvp);
  vgk_rest = V2(lo.vgk_rest, hi.vgk_rest);
  vpk_rest = V2(lo.vpk_rest, hi.vpk_rest);
  pred_err = V2(lo.pred_err, hi.pred_err);
}

void StageV::save(Stage* lo, Stage* hi) const {
  double Stage::*to[] = {&Stage::vk,     &Stage::hist,   &Stage::ip,       &Stage::ip_prev,  &Stage::vc,
                         &Stage::di_dvg, &Stage::di_dvp, &Stage::vgk_rest, &Stage::vpk_rest, &Stage::pred_err};
  const V2 StageV::*from[] = {&StageV::vk,     &StageV::hist,   &StageV::ip,       &StageV::ip_prev,
                              &StageV::vc,     &StageV::di_dvg, &StageV::di_dvp,   &StageV::vgk_rest,
                              &StageV::vpk_rest, &StageV::pred_err};
  for (int f = 0; f < 10; ++f) {
    lo->*to[f] = (this->*from[f]).lo();
    hi->*to[f] = (this->*from[f]).hi();
  }
}

V2 StageV::run_lanes(const LaneParams& p, V2 in, int live) {
  const StageV before = *this;
  V2 gk;
  Step st;
  begin(p, in, &gk, &st);
  const V2 keep(live & 1 ? 0.0 : -1.0, live & 2 ? 0.0 : -1.0);
  const V2 dead = simd2::lt(keep, V2(0.0));
  st.done = dead;  // a kept lane counts as converged from the start
  for (int it = 0; it < kNewtonMaxIter; ++it) {
    newton_update(&st);
    if (simd2::movemask(st.done) == 3) break;
  }
  const V2 out = finish(p, st);
  for (V2 StageV::*f : {&StageV::vk, &StageV::hist, &StageV::ip, &StageV::ip_prev, &StageV::vc, &StageV::di_dvg,
                        &StageV::di_dvp, &StageV::vgk_rest, &StageV::vpk_rest, &StageV::pred_err}) {
    this->*f = simd2::select(dead, before.*f, this->*f);
  }
  return out;
}

void run_pair(StageV* a, const Stage& sa, V2 in_a, V2* gk_a, V2* out_a, StageV* b, const Stage& sb, V2 in_b,
              V2* gk_b, V2* out_b, long* iters) {
  using simd2::V2x2;
  const LaneParams pa = LaneParams::of(sa);
  const LaneParams pb = LaneParams::of(sb);
  StageV::Step st_a, st_b;
  a->begin(pa, in_a, gk_a, &st_a);
  b->begin(pb, in_b, gk_b, &st_b);
  NewtonStep<V2x2> st;
  st.vg = {st_a.vg, st_b.vg};
  st.h_src = {st_a.h_src, st_b.h_src};
  st.i = {st_a.i, st_b.i};
  st.result = {st_a.result, st_b.result};
  st.req = {st_a.req, st_b.req};
  st.req_plate = {st_a.req_plate, st_b.req_plate};
  st.vpk_rest = {st_a.vpk_rest, st_b.vpk_rest};
  st.vgk_rest = {st_a.vgk_rest, st_b.vgk_rest};
  st.done = {st_a.done, st_b.done};
  st.tangent = {st_a.tangent, st_b.tangent};
  st.di_dvg = {st_a.di_dvg, st_b.di_dvg};
  st.di_dvp = {st_a.di_dvp, st_b.di_dvp};
  int it_a = 0, it_b = 0;
  for (int it = 1; it <= kNewtonMaxIter; ++it) {
    // A finished solve stays as it is: its lanes are all marked done.
    newton_update(&st);
    const int ma = simd2::movemask(st.done.a);
    const int mb = simd2::movemask(st.done.b);
    if (ma == 3 && it_a == 0) it_a = it;
    if (mb == 3 && it_b == 0) it_b = it;
    if ((ma & mb) == 3) break;
  }
  if (iters) *iters += (it_a ? it_a : kNewtonMaxIter) + (it_b ? it_b : kNewtonMaxIter);
  st_a.result = st.result.a;
  st_b.result = st.result.b;
  st_a.di_dvg = st.di_dvg.a;
  st_b.di_dvg = st.di_dvg.b;
  st_a.di_dvp = st.di_dvp.a;
  st_b.di_dvp = st.di_dvp.b;
  *out_a = a->finish(pa, st_a);
  *out_b = b->finish(pb, st_b);
}

}  // namespace fx
