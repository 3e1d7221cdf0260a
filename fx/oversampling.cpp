#include "fx/oversampling.h"

#include <cmath>

namespace fx {

namespace {

// Modified Bessel function of the first kind, order 0, by its power series.
double bessel_i0(double x) {
  double sum = 1.0;
  double term = 1.0;
  for (int m = 1; m <= 59; ++m) {
    const double q = x / (2.0 * m);
    term *= q * q;
    sum += term;
  }
  return sum;
}

std::vector<double> design(int half_width, double beta) {
  const int len = 2 * half_width + 1;
  std::vector<double> h(len, 0.0);
  const double i0_beta = bessel_i0(beta);
  double side_sum = 0.0;
  for (int n = 0; n < len; ++n) {
    const int k = n - half_width;
    if (k == 0) {
      h[n] = 0.5;
      continue;
    }
    if (k % 2 == 0) continue;
    const double r = static_cast<double>(k) / half_width;
    const double radicand = std::max(0.0, 1.0 - r * r);
    h[n] = std::sin(M_PI * k / 2.0) / (M_PI * k) * bessel_i0(beta * std::sqrt(radicand)) / i0_beta;
    side_sum += h[n];
  }
  // Scale the side taps so that all taps sum to exactly 1 (unit gain at DC).
  for (int n = 0; n < len; ++n) {
    if (n != half_width) h[n] *= 0.5 / side_sum;
  }
  return h;
}

HalfBandTaps build_taps() {
  HalfBandTaps t;
  const std::vector<double>& a = hb_a();
  const std::vector<double>& b = hb_b();
  for (int j = 0; j < 48; ++j) {
    t.interp_a[j] = 2.0 * a[2 * j];
    t.dec_a[j] = a[2 * j];
    t.interp_a2[j] = simd2::V2(t.interp_a[j]);
    t.dec_a2[j] = simd2::V2(t.dec_a[j]);
  }
  for (int j = 0; j < 16; ++j) {
    t.interp_b[j] = 2.0 * b[2 * j];
    t.dec_b[j] = b[2 * j];
    t.interp_b2[j] = simd2::V2(t.interp_b[j]);
    t.dec_b2[j] = simd2::V2(t.dec_b[j]);
  }
  return t;
}

}  // namespace

const std::vector<double>& hb_a() {
  static const std::vector<double> h = design(47, 9.6);
  return h;
}

const std::vector<double>& hb_b() {
  static const std::vector<double> h = design(15, 9.0);
  return h;
}

const HalfBandTaps& half_band_taps() {
  static const HalfBandTaps t = build_taps();
  return t;
}

}  // namespace fx
