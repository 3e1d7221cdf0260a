// The block processor: glides per 32-frame block, then the per-frame signal
// path (tube unit, tone and blend, compressor, output gain, limiter, soft clip)
// with its meter taps, the non-finite guard and the meter hand-over.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "fx/rack_impl.h"

namespace fx {

using simd2::V2;

namespace {

constexpr double kLn10Over20 = 0.11512925464970229;
constexpr double k20OverLn10 = 8.685889638065035;  // 20 / ln 10: dB from a natural logarithm

inline void glide(double* value, double target, double factor) { *value += (target - *value) * factor; }

inline void fade(double* value, bool on, double factor) {
  if (on) {
    *value += (1.0 - *value) * factor;
  } else if (*value < 0.001) {
    *value = 0.0;
  } else {
    *value *= 1.0 - factor;
  }
}

inline double lerp(double from, double to, double t) { return from + (to - from) * t; }

}  // namespace

void Rack::Impl::process_chunk(float* io, int n) {
  if (rest_chunk(io, n)) return;
  if (!snapped) {
    snap();
    snapped = true;
  }
  const double fs = rate;
  const double k_fast = 1.0 - std::exp(-kGlideBlock / (0.015 * fs));
  const double k_unit = 1.0 - std::exp(-kGlideBlock / (0.03 * fs));
  const double k_slow = 1.0 - std::exp(-kGlideBlock / (0.25 * fs));
  const double lim_c = std::exp(-1.0 / (0.15 * fs));
  const MeterAcc meters_before = local;
  bool limited = false;
  double chunk_drive[2] = {0.0, 0.0};
  const Glide tg = targets();
  // What the chain still produces, and whether any glided value still moves:
  // together they tell whether the chain has come to rest.
  double rest_peak = 0.0;
  bool moved = false;

  for (int off = 0; off < n; off += kGlideBlock) {
    const int m = std::min(kGlideBlock, n - off);
    const Glide old = gl;
    glide(&gl.drive, tg.drive, k_fast);
    glide(&gl.bias, tg.bias, k_slow);
    glide(&gl.fat, tg.fat, k_slow);
    bool tone_moved = false;
    for (auto [value, target] : {std::pair{&gl.bass, tg.bass}, std::pair{&gl.mid, tg.mid},
                                 std::pair{&gl.treble, tg.treble}, std::pair{&gl.presence, tg.presence}}) {
      if (std::fabs(target - *value) > 1e-5) {
        glide(value, target, k_fast);
        tone_moved = true;
      }
    }
    glide(&gl.blend, tg.blend, k_fast);
    fade(&gl.tube_fade, want.tube_on, k_unit);
    fade(&gl.comp_fade, want.comp_on, k_unit);
    glide(&gl.mix, tg.mix, k_fast);
    glide(&gl.threshold, tg.threshold, k_fast);
    glide(&gl.ratio, tg.ratio, k_fast);
    glide(&gl.knee, tg.knee, k_fast);
    glide(&gl.makeup, tg.makeup, k_fast);
    gl.attack_ms = tg.attack_ms;
    gl.release_ms = tg.release_ms;
    glide(&gl.out_gain, tg.out_gain, k_fast);
    if (tone_moved) update_tone();
    moved = moved || std::memcmp(&old, &gl, sizeof(Glide)) != 0;

    const bool tube_runs = old.tube_fade > 0.0 || gl.tube_fade > 0.0;
    if (tube_runs) {
      if (asleep) wake_tube();
      if (std::fabs(gl.bias - solved_bias) >= 1e-6 || std::fabs(gl.fat - solved_fat) >= 1e-6) solve_points();
    } else {
      asleep = true;
    }

    const double tau_a = gl.attack_ms > 0.05 ? gl.attack_ms / 1000.0 : 5e-5;
    const double tau_r = gl.release_ms > 5.0 ? gl.release_ms / 1000.0 : 0.005;
    const double att = std::exp(-1.0 / (tau_a * fs));
    const double rel = std::exp(-1.0 / (tau_r * fs));
    const double thr = gl.threshold;
    const double inv_ratio = 1.0 / gl.ratio;
    const double knee = gl.knee;
    const double makeup = gl.makeup;
    const double block_comp_fade = gl.comp_fade;
    const bool limiter_on = want.limiter_on;
    V2 lane_drive;
    V2 lane_wet[kGlideBlock];
    float* f = io + 2 * off;
    if (tube_runs && !scalar_ref) {
      V2 in[kGlideBlock];
      double drive[kGlideBlock];
      for (int i = 0; i < m; ++i) {
        in[i] = V2(f[2 * i], f[2 * i + 1]);
        drive[i] = lerp(old.drive, gl.drive, static_cast<double>(i + 1) / m);
      }
      tube_block_v(in, drive, m, lane_wet, &lane_drive);
    }

    // The frames go through three passes so that the compressor's logarithm
    // and exponential run two frames at a time: first everything up to the
    // side chain, then the detector levels, the envelope (which depends only
    // on them) and the gains, then the rest.
    double xs[kGlideBlock][2];
    double peak[kGlideBlock];
    bool comp_runs[kGlideBlock];
    bool any_comp = false;
    for (int i = 0; i < m; ++i) {
      const float* fi = f + 2 * i;
      const double t = static_cast<double>(i + 1) / m;
      const double drive = lerp(old.drive, gl.drive, t);
      const double blend = lerp(old.blend, gl.blend, t);
      const double tfade = lerp(old.tube_fade, gl.tube_fade, t);
      const double cfade = lerp(old.comp_fade, gl.comp_fade, t);
      const double in_l = fi[0];
      const double in_r = fi[1];

      double wet_l = 0.0, wet_r = 0.0;
      if (tube_runs) {
        if (scalar_ref) {
          step_settling();
          wet_l = tube_sample(ch[0], in_l, drive, &chunk_drive[0]);
          wet_r = tube_sample(ch[1], in_r, drive, &chunk_drive[1]);
        } else {
          wet_l = lane_wet[i].lo();
          wet_r = lane_wet[i].hi();
        }
      }

      local.in_sum[0] += std::fabs(in_l);
      local.in_sum[1] += std::fabs(in_r);
      local.in_peak[0] = std::max(local.in_peak[0], std::fabs(fi[0]));
      local.in_peak[1] = std::max(local.in_peak[1], std::fabs(fi[1]));

      double* x = xs[i];
      double d[2];
      for (int c = 0; c < 2; ++c) {
        Channel& cc = ch[c];
        cc.dry[cc.dry_w] = c == 0 ? in_l : in_r;
        cc.dry_w = cc.dry_w + 1 == kDryLen ? 0 : cc.dry_w + 1;
        // With 55 entries the slot written next holds the value from 54 frames ago.
        d[c] = cc.dry[cc.dry_w];
      }
      V2 xv(d[0], d[1]);
      if (tube_runs) {
        V2 w(wet_l, wet_r);
        for (int s = 0; s < 4; ++s) w = biquad_run2(tone_c[s], tone_s[s], w);
        rest_peak = std::max(rest_peak, std::max(std::fabs(w.lo()), std::fabs(w.hi())));
        xv = xv + (w - xv) * blend * tfade;
      }
      x[0] = xv.lo();
      x[1] = xv.hi();

      // Compressor: the side chain always runs so it is settled when switched in.
      const V2 side = biquad_run2(side_c, side_s, xv);
      const double sl = side.lo();
      const double sr = side.hi();
      peak[i] = std::max(std::fabs(sl), std::fabs(sr)) + 1e-12;
      comp_runs[i] = cfade > 0.0 || block_comp_fade > 0.0;
      any_comp = any_comp || comp_runs[i];
    }

    // Detector levels in dB, then the envelope and the gain factors.
    double level[kGlideBlock];
    double comp_gain[kGlideBlock];
    if (any_comp) {
      for (int i = 0; i < m; i += 2) {
        const V2 ln = simd2::vlog(V2(peak[i], peak[i + 1 < m ? i + 1 : i]));
        const V2 db = ln * k20OverLn10;
        level[i] = db.lo();
        if (i + 1 < m) level[i + 1] = db.hi();
      }
      for (int i = 0; i < m; ++i) {
        if (!comp_runs[i]) {
          comp_env_db = 0.0;
          comp_gain[i] = 0.0;  // not used
          continue;
        }
        const double cfade = lerp(old.comp_fade, gl.comp_fade, static_cast<double>(i + 1) / m);
        const double lv = level[i];
        const double d = lv - thr;
        double curve;
        if (2.0 * d < -knee) {
          curve = lv;
        } else if (knee <= 0.0 || 2.0 * std::fabs(d) > knee) {
          curve = thr + d * inv_ratio;
        } else {
          curve = lv + (inv_ratio - 1.0) * (d + knee / 2.0) * (d + knee / 2.0) / (2.0 * knee);
        }
        const double g = curve - lv;
        const double k = g >= comp_env_db ? rel : att;
        comp_env_db = (1.0 - k) * g + k * comp_env_db;
        comp_gain[i] = (comp_env_db + makeup) * kLn10Over20;
        local.detector = std::max(local.detector, static_cast<float>(lv));
        local.gain_reduction = std::max(local.gain_reduction, static_cast<float>(-comp_env_db * cfade));
      }
      for (int i = 0; i < m; i += 2) {
        const V2 e = simd2::vexp(V2(comp_gain[i], comp_gain[i + 1 < m ? i + 1 : i]));
        comp_gain[i] = e.lo();
        if (i + 1 < m) comp_gain[i + 1] = e.hi();
      }
    } else {
      comp_env_db = 0.0;
    }

    for (int i = 0; i < m; ++i, f += 2) {
      const double t = static_cast<double>(i + 1) / m;
      const double cfade = lerp(old.comp_fade, gl.comp_fade, t);
      const double mix = lerp(old.mix, gl.mix, t);
      const double gain = lerp(old.out_gain, gl.out_gain, t);
      double* x = xs[i];
      if (comp_runs[i]) {
        const double cg = comp_gain[i];
        const double wm = mix * cfade;
        x[0] += (cg * x[0] - x[0]) * wm;
        x[1] += (cg * x[1] - x[1]) * wm;
      }

      x[0] *= gain;
      x[1] *= gain;

      // Limiter: instant attack, 150 ms release; the envelope always runs.
      const double p = std::max(std::fabs(x[0]), std::fabs(x[1]));
      lim_env = p > lim_env ? p : p * (1.0 - lim_c) + lim_env * lim_c;
      if (limiter_on && lim_env > 0.9) {
        const double lg = 0.9 / lim_env;
        x[0] *= lg;
        x[1] *= lg;
        limited = true;
      }

      rest_peak = std::max(rest_peak, std::max(std::fabs(x[0]), std::fabs(x[1])));
      const float out_l = soft_clip(static_cast<float>(x[0]));
      const float out_r = soft_clip(static_cast<float>(x[1]));
      f[0] = out_l;
      f[1] = out_r;
      local.out_sum[0] += std::fabs(out_l);
      local.out_sum[1] += std::fabs(out_r);
      local.out_peak[0] = std::max(local.out_peak[0], std::fabs(out_l));
      local.out_peak[1] = std::max(local.out_peak[1], std::fabs(out_r));
    }
    if (!scalar_ref) {
      chunk_drive[0] = std::max(chunk_drive[0], lane_drive.lo());
      chunk_drive[1] = std::max(chunk_drive[1], lane_drive.hi());
    }
  }
  local.frames += n;

  if (limited) limited_chunks.fetch_add(1, std::memory_order_relaxed);

  bool finite = true;
  for (int i = 0; i < 2 * n; ++i) finite &= std::isfinite(io[i]);
  note_rest(rest_peak, moved || !finite);
  if (!finite) {
    std::fill(io, io + 2 * n, 0.0f);
    reset_signal_state();
    reset_count.fetch_add(1, std::memory_order_relaxed);
    // The chunk's taps may hold NaN; the meters see it as the silence it became.
    local = meters_before;
    local.frames += n;
  } else {
    for (int c = 0; c < 2; ++c) {
      local.drive[c] = std::max(local.drive[c], static_cast<float>(chunk_drive[c] * gl.tube_fade));
    }
  }
  merge_meters();
}

}  // namespace fx
