// The tube unit's path: operating points, waking, the settling copy, and the
// oversampled two-stage triode path in scalar and two-lane form.
#include <algorithm>
#include <cmath>

#include "fx/rack_impl.h"
#include "fx/tube_avx2.h"

namespace fx {

using simd2::V2;

void Rack::Impl::solve_points() {
  const double dt = 1.0 / (4.0 * rate);
  const double rk = 680.0 * std::pow(4.852941176470588, 1.0 - unit_range(gl.bias));
  const double ck1 = 2.2e-7 * std::pow(213.63636363636363, unit_range(gl.fat));
  for (Channel& c : ch) {
    stage_set(&c.st1, dt, rk, ck1);
    stage_set(&c.st2, dt, rk, kStage2Ck);
    stage_solve_point(&c.st1);
    stage_solve_point(&c.st2);
  }
  // The settling copy runs with channel 0's parameters and operating points.
  stage_set(&copy1, dt, rk, ck1);
  stage_set(&copy2, dt, rk, kStage2Ck);
  copy1.q_vp = ch[0].st1.q_vp;
  copy1.q_vk = ch[0].st1.q_vk;
  copy1.q_ip = ch[0].st1.q_ip;
  copy1.q_gain = ch[0].st1.q_gain;
  copy2.q_vp = ch[0].st2.q_vp;
  copy2.q_vk = ch[0].st2.q_vk;
  copy2.q_ip = ch[0].st2.q_ip;
  copy2.q_gain = ch[0].st2.q_gain;
  k_norm = 1.0 / (ch[0].st1.q_gain * kInterstage * ch[0].st2.q_gain);
  q_ref = ch[0].st2.q_vp;
  if (solved_bias >= 0.0) {
    settling = true;
    settle_count = 0;
  }
  solved_bias = gl.bias;
  solved_fat = gl.fat;
}

void Rack::Impl::clear_oversampling() {
  for (Channel& c : ch) {
    c.interp_a.clear();
    c.interp_b.clear();
    c.dec_b.clear();
    c.dec_a.clear();
    c.held = 0;
    c.dc_x = c.dc_y = 0;
  }
  lanes.interp_a.clear();
  lanes.interp_b.clear();
  lanes.dec_b.clear();
  lanes.dec_a.clear();
  lanes.held = V2();
  lanes.dc_x = lanes.dc_y = V2();
  lanes.batch.clear();
  lanes.interp_a4.clear();
  lanes.interp_b4.clear();
  lanes.dec_b4.clear();
  lanes.dec_a4.clear();
}

void Rack::Impl::wake_tube() {
  if (std::fabs(gl.bias - solved_bias) >= 1e-6 || std::fabs(gl.fat - solved_fat) >= 1e-6) {
    solve_points();
  }
  for (Channel& c : ch) {
    stage_solve_point(&c.st1);
    stage_solve_point(&c.st2);
    stage_rest(&c.st1, 0.0);
    // Stage 2's coupling capacitor is charged as after a long silence.
    stage_rest(&c.st2, kInterstage * c.st1.q_vp);
  }
  const Stage& s1 = ch[0].st1;
  const Stage& s2 = ch[0].st2;
  lanes.st1.rest(s1, 0.0);
  lanes.st2.rest(s2, kInterstage * s1.q_vp);
  copy1 = s1;
  copy2 = s2;
  stage_rest(&copy1, 0.0);
  stage_rest(&copy2, kInterstage * s1.q_vp);
  k_norm = 1.0 / (s1.q_gain * kInterstage * s2.q_gain);
  q_ref = s2.q_vp;
  settling = false;
  clear_oversampling();
  asleep = false;
}

// Fills sub_ref for this stream-rate sample: the quiescent plate voltage, or,
// while the circuit drifts to a new operating point, the plate voltage of a
// zero-input copy that drifts the same way.
void Rack::Impl::step_settling() {
  if (!settling) {
    sub_ref[0] = sub_ref[1] = sub_ref[2] = sub_ref[3] = q_ref;
    return;
  }
  // Stage 1 of the copy on sub-sample k beside stage 2 on k - 1, in two
  // lanes: five steps for the frame's four sub-samples.
  const LaneParams p = LaneParams::of(copy1, copy2);
  StageV lanes2;
  lanes2.load(copy1, copy2);
  V2 out = lanes2.run_lanes(p, V2(), 1);
  for (int k = 1; k <= 4; ++k) {
    out = lanes2.run_lanes(p, V2(0.0, kInterstage * out.lo()), k < 4 ? 3 : 2);
    sub_ref[k - 1] = out.hi();
  }
  lanes2.save(&copy1, &copy2);
  ++settle_count;
  if (settle_count > settle_limit && std::fabs(sub_ref[3] - q_ref) < 1e-5) settling = false;
}

double Rack::Impl::tube_sample(Channel& c, double x, double drive, double* drive_peak) {
  const HalfBandTaps& t = half_band_taps();
  double p, q, s[4], y[4];
  c.interp_a.run(t.interp_a, drive * x, &p, &q);
  c.interp_b.run(t.interp_b, p, &s[0], &s[1]);
  c.interp_b.run(t.interp_b, q, &s[2], &s[3]);
  const double qk1 = c.st1.q_vk;
  const double qk2 = c.st2.q_vk;
  double swing = 0.0;
  long iters = 0;
  for (int k = 0; k < 4; ++k) {
    double gk1, gk2;
    const double p1 = stage_step(&c.st1, s[k], &gk1, &iters);
    const double p2 = stage_step(&c.st2, kInterstage * p1, &gk2, &iters);
    y[k] = p2 - sub_ref[k];
    swing = std::max(swing, std::max(std::fabs(qk1 + gk1), std::fabs(qk2 + gk2)));
  }
  newton_iters += iters;
  newton_solves += 8;
  const double r0 = c.dec_b.run(t.dec_b, c.held, y[0]);
  const double r1 = c.dec_b.run(t.dec_b, y[1], y[2]);
  c.held = y[3];
  const double raw = c.dec_a.run(t.dec_a, r0, r1);
  // 5 Hz DC blocker, then back to unit small-signal gain at any drive.
  const double dc = raw - c.dc_x + (1.0 - 10.0 * M_PI / rate) * c.dc_y;
  c.dc_x = raw;
  c.dc_y = dc;
  *drive_peak = std::max(*drive_peak, swing / std::max(0.3, qk1));
  return dc * (k_norm / std::max(drive, 1e-9));
}

void Rack::Impl::tube_block_v(const V2* in, const double* drive, int m, V2* wet, V2* drive_peak) {
  const HalfBandTaps& t = half_band_taps();
  TwoLane& l = lanes;
  const Stage& s1 = ch[0].st1;
  const Stage& s2 = ch[0].st2;
  const int subs = 4 * m;
  V2 sub[4 * kGlideBlock];
  V2 y[4 * kGlideBlock];
  double ref[4 * kGlideBlock];
  const bool four_lanes = lanes_path == TubePath::avx2 || lanes_path == TubePath::avx2_batched ||
                          lanes_path == TubePath::avx512_batched;
  if (four_lanes) interp_block_avx2(&l.interp_a4, &l.interp_b4, t, in, drive, m, sub);
  for (int i = 0; i < m; ++i) {
    if (!four_lanes) {
      V2 p, q;
      l.interp_a.run(t.interp_a2, in[i] * drive[i], &p, &q);
      l.interp_b.run(t.interp_b2, p, &sub[4 * i], &sub[4 * i + 1]);
      l.interp_b.run(t.interp_b2, q, &sub[4 * i + 2], &sub[4 * i + 3]);
    }
    step_settling();
    for (int k = 0; k < 4; ++k) ref[4 * i + k] = sub_ref[k];
  }

  const V2 qk1(s1.q_vk);
  const V2 qk2(s2.q_vk);
  V2 swing;
  long iters = 0;
  V2 gk1, gk2, p1, p2;
  if (lanes_path == TubePath::avx512_batched) {
    tube_steps_avx512_batched(&l.st1, s1, &l.st2, s2, &l.batch, sub, ref, subs, y, &l.held, &swing, &iters);
  } else if (lanes_path == TubePath::avx2_batched) {
    tube_steps_avx2_batched(&l.st1, s1, &l.st2, s2, &l.batch, sub, ref, subs, y, &l.held, &swing, &iters);
  } else if (four_lanes) {
    tube_steps_avx2(&l.st1, s1, &l.st2, s2, sub, ref, subs, y, &swing, &iters);
  } else if (lanes_path == TubePath::sse2_sequential) {
    for (int k = 0; k < subs; ++k) {
      p1 = l.st1.run(s1, sub[k], &gk1, &iters);
      p2 = l.st2.run(s2, p1 * kInterstage, &gk2, &iters);
      y[k] = p2 - V2(ref[k]);
      swing = simd2::vmax(swing, simd2::vmax(simd2::vabs(qk1 + gk1), simd2::vabs(qk2 + gk2)));
    }
  } else {
    // Stage 1 of sub-sample k runs beside stage 2 of sub-sample k - 1: two
    // independent Newton chains, overlapped by the processor.
    p1 = l.st1.run(s1, sub[0], &gk1, &iters);
    swing = simd2::vabs(qk1 + gk1);
    for (int k = 1; k < subs; ++k) {
      V2 p1_next;
      run_pair(&l.st1, s1, sub[k], &gk1, &p1_next, &l.st2, s2, p1 * kInterstage, &gk2, &p2, &iters);
      y[k - 1] = p2 - V2(ref[k - 1]);
      swing = simd2::vmax(swing, simd2::vmax(simd2::vabs(qk1 + gk1), simd2::vabs(qk2 + gk2)));
      p1 = p1_next;
    }
    p2 = l.st2.run(s2, p1 * kInterstage, &gk2, &iters);
    y[subs - 1] = p2 - V2(ref[subs - 1]);
    swing = simd2::vmax(swing, simd2::vabs(qk2 + gk2));
  }
  newton_iters += iters;
  newton_solves += 2 * subs;

  const double dc_r = 1.0 - 10.0 * M_PI / rate;
  V2 raws[kGlideBlock];
  if (four_lanes) decim_block_avx2(&l.dec_b4, &l.dec_a4, t, &l.held, y, m, raws);
  for (int i = 0; i < m; ++i) {
    V2 raw = raws[i];
    if (!four_lanes) {
      const V2 r0 = l.dec_b.run(t.dec_b2, l.held, y[4 * i]);
      const V2 r1 = l.dec_b.run(t.dec_b2, y[4 * i + 1], y[4 * i + 2]);
      l.held = y[4 * i + 3];
      raw = l.dec_a.run(t.dec_a2, r0, r1);
    }
    const V2 dc = raw - l.dc_x + l.dc_y * dc_r;
    l.dc_x = raw;
    l.dc_y = dc;
    wet[i] = dc * (k_norm / std::max(drive[i], 1e-9));
  }
  *drive_peak = simd2::vmax(*drive_peak, swing * (1.0 / std::max(0.3, s1.q_vk)));
}

}  // namespace fx
