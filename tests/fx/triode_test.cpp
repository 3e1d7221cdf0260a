#include "fx/triode.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>
#include <vector>

#include "fx/oversampling.h"
#include "fx/simd2.h"
#include "tests/fx/signal.h"

namespace {

// The middle setting is a line of the self-test; out-of-range and NaN bias
// settings take the nearest end.
TEST(Triode, OperatingPoints) {
  for (const auto& [bias, vp, vk, ma, gain] : std::vector<std::tuple<float, double, double, double, double>>{
           {0.0f, 198.6, 1.70, 0.514, -51.8}, {std::nanf(""), 198.6, 1.70, 0.514, -51.8},
           {1.0f, 140.8, 0.74, 1.092, -66.2}, {2.0f, 140.8, 0.74, 1.092, -66.2}}) {
    const fx::TubePoint t = fx::tube_point(bias);
    EXPECT_NEAR(t.plate_v, vp, 0.05) << bias;
    EXPECT_NEAR(t.cathode_v, vk, 0.005) << bias;
    EXPECT_NEAR(t.current_ma, ma, 0.0005) << bias;
    EXPECT_NEAR(t.gain, gain, 0.05) << bias;
  }
}

TEST(Simd2, OwnExpAndLogMatchTheLibrary) {
  for (double x = -700.0; x <= 700.0; x += 0.37) {
    const simd2::V2 e = simd2::vexp(simd2::V2(x, -x));
    EXPECT_NEAR(e.lo() / std::exp(x), 1.0, 4e-15) << x;
    EXPECT_NEAR(e.hi() / std::exp(-x), 1.0, 4e-15) << x;
  }
  EXPECT_EQ(simd2::vexp(simd2::V2(-5000.0)).lo(), simd2::vexp(simd2::V2(-708.0)).lo());
  EXPECT_TRUE(std::isfinite(simd2::vexp(simd2::V2(5000.0)).lo()));
  for (double x = 1e-300; x < 1e300; x *= 3.7) {
    const simd2::V2 l = simd2::vlog(simd2::V2(x, 1.0 / x));
    EXPECT_NEAR(l.lo(), std::log(x), 1e-15 * std::max(1.0, std::fabs(std::log(x)))) << x;
    EXPECT_NEAR(l.hi(), std::log(1.0 / x), 1e-15 * std::max(1.0, std::fabs(std::log(x)))) << x;
  }
  for (double x : {1.0, 1.4142135623730951, 1.4142135623730954, 0.7071067811865476, 2.0, 1.0 + 1e-12}) {
    EXPECT_NEAR(simd2::vlog(simd2::V2(x)).lo(), std::log(x), 2e-16) << x;
  }
  EXPECT_EQ(simd2::vlog(simd2::V2(0.0)).lo(), simd2::vlog(simd2::V2(1e-300)).lo());
  // ln(1 + a) on [0, 1], either side of the switch-over at √2 − 1.
  for (double a : {0.0, 1e-300, 1e-17, 1e-9, 0.1, 0.41421356237309492, 0.41421356237309503, 0.41421356237309515,
                   0.7, 1.0}) {
    const simd2::V2 l = simd2::vlog_one_plus(simd2::V2(a, 1.0 - a));
    EXPECT_NEAR(l.lo(), std::log1p(a), 2.3e-16 * std::max(1.0, std::log1p(a))) << a;
    EXPECT_NEAR(l.hi(), std::log1p(1.0 - a), 2.3e-16) << a;
  }
}

// Quiescent state is a fixed point: silence in, silence out, on both paths.
TEST(Triode, SilenceStaysSilent) {
  fx::Params p = fx::standard_params();
  p.comp_on = false;
  p.knob[fx::kDrive] = 1.0f;
  for (bool scalar : {false, true}) {
    EXPECT_LT(fxtest::deviation(fxtest::run(p, fxtest::Buffer(2 * 9600), 480, scalar)), 1e-6) << scalar;
  }
}

// The linear part of the tube path: interpolators and decimators with the
// triode stages replaced by the identity.
TEST(Oversampling, ImpulseIsSymmetricAboutFrame54AndSumsToOne) {
  const fx::HalfBandTaps& t = fx::half_band_taps();
  fx::Interp<double, 48, 23> ia;
  fx::Interp<double, 16, 7> ib;
  fx::Decim<double, 16> db;
  fx::Decim<double, 48> da;
  ia.clear();
  ib.clear();
  db.clear();
  da.clear();
  double held = 0;
  std::vector<double> out;
  for (int n = 0; n < 120; ++n) {
    double p, q, s[4];
    ia.run(t.interp_a, n == 0 ? 1.0 : 0.0, &p, &q);
    ib.run(t.interp_b, p, &s[0], &s[1]);
    ib.run(t.interp_b, q, &s[2], &s[3]);
    const double r0 = db.run(t.dec_b, held, s[0]);
    const double r1 = db.run(t.dec_b, s[1], s[2]);
    held = s[3];
    out.push_back(da.run(t.dec_a, r0, r1));
  }
  double sum = 0;
  for (double v : out) sum += v;
  EXPECT_NEAR(sum, 1.0, 1e-12);
  size_t peak = 0;
  for (size_t i = 0; i < out.size(); ++i) {
    if (std::fabs(out[i]) > std::fabs(out[peak])) peak = i;
  }
  EXPECT_EQ(peak, 54u);
  for (int k = 1; k <= 54; ++k) EXPECT_NEAR(out[54 - k], out[54 + k], 1e-12) << k;
  for (size_t i = 109; i < out.size(); ++i) EXPECT_EQ(out[i], 0.0) << i;
}

}  // namespace
