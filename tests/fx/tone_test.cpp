// Tone stage and blend, measured through the rack with the tube unit linear
// (drive 0, small signals): the ratio of two racks that differ only in one
// tone knob is the response of that section.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/fx/signal.h"

namespace {

double level(const fx::Params& p, double hz, double amp = 0.01) {
  std::vector<float> b = fxtest::sine(hz, amp, 72000);
  fxtest::run(p, &b);
  return fxtest::tone(b, hz, 38400);
}

TEST(Tone, ShelvesAndPeaksAtTheirCookbookGains) {
  const fx::Params flat = fxtest::neutral();
  fx::Params p = flat;
  p.knob[fx::kBass] = 1.0f;
  EXPECT_NEAR(fxtest::db(level(p, 60) / level(flat, 60)), 10.46, 0.1);
  EXPECT_NEAR(fxtest::db(level(p, 20) / level(flat, 20)), 11.8, 0.3);
  p = flat;
  p.knob[fx::kTreble] = 0.0f;
  EXPECT_NEAR(fxtest::db(level(p, 10000) / level(flat, 10000)), -11.62, 0.1);
  p = flat;
  p.knob[fx::kMid] = 1.0f;
  EXPECT_NEAR(fxtest::db(level(p, 800) / level(flat, 800)), 12.0, 0.1);
  p = flat;
  p.knob[fx::kPresence] = 0.0f;
  EXPECT_NEAR(fxtest::db(level(p, 6000) / level(flat, 6000)), -9.0, 0.1);
  // A NaN knob counts as 0: the same cut as the bottom of the range.
  fx::Params nan = flat;
  nan.knob[fx::kPresence] = std::nanf("");
  EXPECT_NEAR(level(nan, 6000), level(p, 6000), 1e-7);
}

TEST(Tone, FlatKnobsAndZeroBlendAreExact) {
  // Blend 0 with the tube on: the result is the dry signal, 54 frames late.
  fx::Params p = fxtest::neutral();
  p.knob[fx::kBlend] = 0.0f;
  const std::vector<float> in = fxtest::sine(1234, 0.7, 9600);
  std::vector<float> out = in;
  fxtest::run(p, &out);
  for (size_t i = 108; i < in.size(); ++i) ASSERT_EQ(out[i], in[i - 108]) << i;
}

}  // namespace
