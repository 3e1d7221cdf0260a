// Tone stage coefficients: low shelf 120 Hz, peaking 800 Hz, high shelf
// 3200 Hz and presence peak 6000 Hz (cookbook shelf and peaking biquads).
#include <cmath>

#include "fx/rack_impl.h"

namespace fx {

namespace {

// Amplitude A = 10^e for a glided knob value; span is the dB range over 40.
double amplitude(double glided, double span) {
  const float v = unit_range(static_cast<float>(glided));
  return std::pow(10.0, (2.0 * v - 1.0) * span);
}

Biquad normalise(double b0, double b1, double b2, double a0, double a1, double a2) {
  return {b0 / a0, b1 / a0, b2 / a0, a1 / a0, a2 / a0};
}

// Shelf slope 0.8: alpha = sin/2 · sqrt((A + 1/A)·(1/S − 1) + 2) with 1/S − 1 = 0.25.
Biquad shelf(bool high, double a, double w0) {
  if (a == 1.0) return Biquad();  // a flat section is the exact identity
  const double c = std::cos(w0);
  const double sn = std::sin(w0);
  const double alpha = sn / 2.0 * std::sqrt((a + 1.0 / a) * 0.25 + 2.0);
  const double r = 2.0 * std::sqrt(a) * alpha;
  if (!high) {
    return normalise(a * ((a + 1) - (a - 1) * c + r), 2 * a * ((a - 1) - (a + 1) * c),
                     a * ((a + 1) - (a - 1) * c - r), (a + 1) + (a - 1) * c + r,
                     -2 * ((a - 1) + (a + 1) * c), (a + 1) + (a - 1) * c - r);
  }
  return normalise(a * ((a + 1) + (a - 1) * c + r), -2 * a * ((a - 1) + (a + 1) * c),
                   a * ((a + 1) + (a - 1) * c - r), (a + 1) - (a - 1) * c + r,
                   2 * ((a - 1) - (a + 1) * c), (a + 1) - (a - 1) * c - r);
}

// twice_q is 2·Q: 1.4 for the mid band, 1.2 for presence.
Biquad peak(double a, double w0, double twice_q) {
  if (a == 1.0) return Biquad();
  const double c = std::cos(w0);
  const double alpha = std::sin(w0) / twice_q;
  return normalise(1 + alpha * a, -2 * c, 1 - alpha * a, 1 + alpha / a, -2 * c, 1 - alpha / a);
}

}  // namespace

void Rack::Impl::update_tone() {
  tone_c[0] = shelf(false, amplitude(gl.bass, 12.0 / 40.0), 753.9822368615503 / rate);
  tone_c[1] = peak(amplitude(gl.mid, 12.0 / 40.0), 5026.548245743669 / rate, 1.4);
  tone_c[2] = shelf(true, amplitude(gl.treble, 12.0 / 40.0), 20106.192982974677 / rate);
  tone_c[3] = peak(amplitude(gl.presence, 9.0 / 40.0), 37699.11184307752 / rate, 1.2);
}

}  // namespace fx
