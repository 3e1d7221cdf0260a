#pragma once
// Test signals and measurements shared by the effect-engine tests. Buffers are
// interleaved stereo.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "fx/presets.h"
#include "fx/rack.h"

namespace fxtest {

constexpr int kRate = 48000;
using Buffer = std::vector<float>;

inline Buffer sine(double hz, double amp, int frames, int rate = kRate) {
  Buffer b(2 * static_cast<size_t>(frames));
  for (int i = 0; i < frames; ++i) {
    b[2 * i] = b[2 * i + 1] = static_cast<float>(amp * std::sin(2 * M_PI * hz * i / rate));
  }
  return b;
}

inline Buffer noise(int frames, double amp, std::uint32_t seed) {
  Buffer b(2 * static_cast<size_t>(frames));
  for (float& s : b) {
    seed = seed * 1664525u + 1013904223u;
    s = static_cast<float>(amp * ((seed >> 8) * 1.1920929e-07 - 1.0));
  }
  return b;
}

// Amplitude of one frequency in channel 0 from frame `from` on (Goertzel).
inline double tone(const Buffer& b, double hz, int from) {
  const double k = 2.0 * std::cos(2.0 * M_PI * hz / kRate);
  double s1 = 0, s2 = 0;
  for (size_t i = from; i < b.size() / 2; ++i) {
    const double s = b[2 * i] + k * s1 - s2;
    s2 = s1;
    s1 = s;
  }
  return 2.0 * std::sqrt(std::max(0.0, s1 * s1 + s2 * s2 - k * s1 * s2)) / static_cast<double>(b.size() / 2 - from);
}

inline double db(double ratio) { return 20.0 * std::log10(std::max(ratio, 1e-12)); }

// Largest difference between out and `in` delayed by `delay` frames (zeros
// before it), from out's frame `from` on; with no `in`, the peak of out.
// NaN when out holds one.
inline double deviation(const Buffer& out, const Buffer& in = {}, int delay = 0, int from = 0) {
  double worst = 0.0;
  for (size_t i = 2 * static_cast<size_t>(from); i < out.size(); ++i) {
    const size_t j = i - 2 * static_cast<size_t>(delay);
    const double ref = i >= 2 * static_cast<size_t>(delay) && j < in.size() ? in[j] : 0.0;
    const double d = std::fabs(out[i] - ref);
    if (std::isnan(d)) return d;
    worst = std::max(worst, d);
  }
  return worst;
}

// Processes b in place in calls of `call` frames; `before_call` runs before
// the call at each frame offset.
inline void process(fx::Rack* r, Buffer* b, int call = 480, const std::function<void(int)>& before_call = {}) {
  const int frames = static_cast<int>(b->size() / 2);
  for (int off = 0; off < frames; off += call) {
    if (before_call) before_call(off);
    r->process(b->data() + 2 * off, std::min(call, frames - off));
  }
}

// The output of a fresh rack at 48 kHz with the given set.
inline Buffer run(const fx::Params& p, Buffer b, int call = 480, bool scalar = false) {
  fx::Rack r;
  r.set_params(p);
  r.set_scalar_reference(scalar);
  process(&r, &b, call);
  return b;
}

// Tube unit on at drive 0 with fully bypassed cathodes, compressor off.
inline fx::Params neutral() {
  fx::Params p = fx::clean_params();
  p.tube_on = true;
  for (int i = 0; i < fx::kKnobs; ++i) p.knob[i] = fx::knob_default(i);
  p.knob[fx::kDrive] = 0.0f;
  p.knob[fx::kFat] = 1.0f;
  return p;
}

}  // namespace fxtest
