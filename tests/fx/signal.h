#pragma once
// Test signals and measurements shared by the effect-engine tests.
#include <cmath>
#include <cstdint>
#include <vector>

#include "fx/presets.h"
#include "fx/rack.h"

namespace fxtest {

constexpr int kRate = 48000;

inline std::vector<float> sine(double hz, double amp, int frames, int rate = kRate) {
  std::vector<float> b(2 * static_cast<size_t>(frames));
  for (int i = 0; i < frames; ++i) {
    b[2 * i] = b[2 * i + 1] = static_cast<float>(amp * std::sin(2.0 * M_PI * hz * i / rate));
  }
  return b;
}

inline std::vector<float> noise(int frames, double amp, std::uint32_t seed) {
  std::vector<float> b(2 * static_cast<size_t>(frames));
  for (float& s : b) {
    seed = seed * 1664525u + 1013904223u;
    s = static_cast<float>(amp * ((seed >> 8) * 1.1920929e-07 - 1.0));
  }
  return b;
}

// Amplitude of one frequency in channel ch from frame `from` on (Goertzel).
inline double tone(const std::vector<float>& b, double hz, int from, int ch = 0, int rate = kRate) {
  const size_t frames = b.size() / 2;
  const double w = 2.0 * M_PI * hz / rate;
  const double k = 2.0 * std::cos(w);
  double s1 = 0, s2 = 0;
  for (size_t i = from; i < frames; ++i) {
    const double s = b[2 * i + ch] + k * s1 - s2;
    s2 = s1;
    s1 = s;
  }
  const double p = s1 * s1 + s2 * s2 - k * s1 * s2;
  return p > 0 ? 2.0 * std::sqrt(p) / static_cast<double>(frames - from) : 0.0;
}

inline double db(double ratio) { return 20.0 * std::log10(std::max(ratio, 1e-12)); }

// A fresh rack at 48 kHz with the given set, the buffer processed in place in
// calls of `block` frames.
inline void run(const fx::Params& p, std::vector<float>* b, int block = 480, bool scalar = false,
                fx::Rack* use = nullptr) {
  fx::Rack own;
  fx::Rack& r = use ? *use : own;
  r.set_params(p);
  r.set_scalar_reference(scalar);
  const int frames = static_cast<int>(b->size() / 2);
  for (int off = 0; off < frames; off += block) r.process(b->data() + 2 * off, std::min(block, frames - off));
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
