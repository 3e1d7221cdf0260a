#include "fx/rack.h"

#include <xmmintrin.h>

#include <algorithm>
#include <cmath>

#include "fx/presets.h"
#include "fx/rack_impl.h"
#include "fx/tube_avx2.h"

namespace fx {

namespace {

// Flush denormal results to zero and treat denormal inputs as zero.
constexpr unsigned kFtzDaz = 0x8040;

}  // namespace

Rack::Impl::Impl() { want = standard_params(); }

Rack::Impl::Glide Rack::Impl::targets() const {
  const std::array<float, kKnobs>& k = want.knob;
  Glide t;
  t.drive = 0.06 * std::pow(10.0, 40.0 * unit_range(k[kDrive]) / 20.0);
  t.bias = unit_range(k[kBias]);
  t.fat = unit_range(k[kFat]);
  t.bass = unit_range(k[kBass]);
  t.mid = unit_range(k[kMid]);
  t.treble = unit_range(k[kTreble]);
  t.presence = unit_range(k[kPresence]);
  t.blend = unit_range(k[kBlend]);
  t.tube_fade = want.tube_on ? 1.0 : 0.0;
  t.comp_fade = want.comp_on ? 1.0 : 0.0;
  t.mix = unit_range(k[kMix]);
  t.threshold = threshold_db(k[kThreshold]);
  t.ratio = ratio(k[kRatio]);
  t.knee = knee_db(k[kKnee]);
  t.makeup = makeup_db(k[kMakeup]);
  t.attack_ms = 0.1f * powf(1000.0f, unit_range(k[kAttack]));
  t.release_ms = 20.0f * powf(100.0f, unit_range(k[kRelease]));
  t.out_gain = std::pow(10.0, output_db(k[kOutput]) / 20.0);
  return t;
}

void Rack::Impl::snap() {
  gl = targets();
  if (std::fabs(gl.bias - solved_bias) < 1e-6 && std::fabs(gl.fat - solved_fat) < 1e-6) {
    update_tone();
    return;
  }
  solve_points();
  update_tone();
}

void Rack::Impl::init() {
  half_band_taps();  // build the shared designs outside the audio path
  clear_oversampling();
  latency = kLatency;
  for (Channel& c : ch) {
    std::fill(std::begin(c.dry), std::end(c.dry), 0.0);
    c.dry_w = 0;
  }
  side_s = BiquadState2();
  // Side-chain high-pass at 60 Hz, Q 0.707.
  const double w0 = 376.99111843077515 / rate;
  const double c = std::cos(w0);
  const double alpha = std::sin(w0) / 1.414;
  const double a0 = 1.0 + alpha;
  side_c.b0 = (1.0 + c) / 2.0 / a0;
  side_c.b1 = -(1.0 + c) / a0;
  side_c.b2 = side_c.b0;
  side_c.a1 = -2.0 * c / a0;
  side_c.a2 = (1.0 - alpha) / a0;
  settle_limit = static_cast<long>(std::floor(4.0 * rate * 0.05)) / 4;
  solved_bias = -1;
  solved_fat = -1;
  snap();
  wake_tube();
  comp_env_db = 0;
  silent_frames = 0;
  at_rest = false;
}

// After a non-finite output: every filter state and history back to rest.
void Rack::Impl::reset_signal_state() {
  for (Channel& c : ch) std::fill(std::begin(c.dry), std::end(c.dry), 0.0);
  for (BiquadState2& s : tone_s) s = BiquadState2();
  side_s = BiquadState2();
  clear_oversampling();
  wake_tube();
  comp_env_db = 0;
  lim_env = 0;
}

void Rack::Impl::merge_meters() {
  if (!meter_mtx.try_lock()) return;  // never wait on the reader; merge next chunk
  for (int c = 0; c < 2; ++c) {
    shared.in_sum[c] += local.in_sum[c];
    shared.out_sum[c] += local.out_sum[c];
    shared.in_peak[c] = std::max(shared.in_peak[c], local.in_peak[c]);
    shared.out_peak[c] = std::max(shared.out_peak[c], local.out_peak[c]);
    shared.drive[c] = std::max(shared.drive[c], local.drive[c]);
  }
  shared.gain_reduction = std::max(shared.gain_reduction, local.gain_reduction);
  shared.detector = std::max(shared.detector, local.detector);
  shared.frames += local.frames;
  meter_mtx.unlock();
  local = MeterAcc();
}

void Rack::Impl::process(float* frames, int count) {
  _mm_setcsr(_mm_getcsr() | kFtzDaz);
  if (count <= 0 || frames == nullptr) return;
  const int chunk = std::max(64, static_cast<int>(std::floor(rate / 100.0)));
  for (int off = 0; off < count; off += chunk) {
    process_chunk(frames + 2 * static_cast<std::size_t>(off), std::min(chunk, count - off));
  }
}

Rack::Rack() : impl_(std::make_unique<Impl>()) { impl_->init(); }

Rack::~Rack() = default;

void Rack::set_format(float rate) {
  // Only rates a sound server can run at: anything else (NaN, infinity,
  // absurd values) would reach the integer conversions of the set-up.
  if (!(rate >= 1000.0f && rate <= 768000.0f) || static_cast<double>(rate) == impl_->rate) return;
  impl_->rate = rate;
  impl_->init();
}

void Rack::reset() {
  impl_->snapped = false;
  impl_->init();
}

void Rack::set_params(const Params& p) { impl_->want = p; }

void Rack::process(float* frames, int count) { impl_->process(frames, count); }

void Rack::take_meters(Meters* out) {
  Impl& m = *impl_;
  std::lock_guard<std::mutex> lock(m.meter_mtx);
  const MeterAcc& s = m.shared;
  const double n = static_cast<double>(std::max<std::int64_t>(1, s.frames));
  out->in_mean_l = static_cast<float>(s.in_sum[0] / n);
  out->in_mean_r = static_cast<float>(s.in_sum[1] / n);
  out->out_mean_l = static_cast<float>(s.out_sum[0] / n);
  out->out_mean_r = static_cast<float>(s.out_sum[1] / n);
  out->in_peak_l = s.in_peak[0];
  out->in_peak_r = s.in_peak[1];
  out->out_peak_l = s.out_peak[0];
  out->out_peak_r = s.out_peak[1];
  out->gain_reduction_db = s.gain_reduction;
  out->detector_db = s.detector;
  out->tube_drive_l = s.drive[0];
  out->tube_drive_r = s.drive[1];
  out->fresh = s.frames > 0;
  m.shared = MeterAcc();
}

int Rack::latency() const { return impl_->latency; }

void Rack::set_scalar_reference(bool on) { set_tube_path(on ? TubePath::scalar : best_tube_path()); }

bool Rack::set_tube_path(TubePath p) {
  if ((p == TubePath::avx2 || p == TubePath::avx2_batched) && !cpu_has_avx2_fma()) return false;
  if (p == TubePath::avx512_batched && !cpu_has_avx512()) return false;
  impl_->scalar_ref = p == TubePath::scalar;
  if (p != TubePath::scalar) impl_->lanes_path = p;
  impl_->at_rest = false;  // the other path's state has its own history
  return true;
}

TubePath Rack::tube_path() const { return impl_->scalar_ref ? TubePath::scalar : impl_->lanes_path; }

TubePath best_tube_path() {
  static const TubePath best = cpu_has_avx512()     ? TubePath::avx512_batched
                               : cpu_has_avx2_fma() ? TubePath::avx2_batched
                                                    : TubePath::sse2;
  return best;
}

std::int64_t Rack::limiter_blocks() const { return impl_->limited_chunks.load(std::memory_order_relaxed); }

std::int64_t Rack::resets() const { return impl_->reset_count.load(std::memory_order_relaxed); }

double Rack::mean_newton_iterations() const {
  const Impl& m = *impl_;
  return m.newton_solves ? static_cast<double>(m.newton_iters) / static_cast<double>(m.newton_solves) : 0.0;
}

void Rack::set_rest(bool on) {
  impl_->rest_on = on;
  impl_->at_rest = false;
}

std::int64_t Rack::rested_chunks() const { return impl_->rested; }

}  // namespace fx
