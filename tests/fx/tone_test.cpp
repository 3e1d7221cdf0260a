// Tone stage and blend, measured through the rack with the tube unit linear
// (drive 0, small signals): the ratio of two racks that differ only in one
// tone knob is the response of that section.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

#include "tests/fx/signal.h"

namespace {

double level(const fx::Params& p, double hz) {
  return fxtest::tone(fxtest::run(p, fxtest::sine(hz, 0.01, 72000)), hz, 38400);
}

TEST(Tone, ShelvesAndPeaksAtTheirCookbookGains) {
  const fx::Params flat = fxtest::neutral();
  for (const auto& [knob, value, hz, gain_db, tolerance] : std::vector<std::tuple<int, float, double, double, double>>{
           {fx::kBass, 1.0f, 60, 10.46, 0.1},      {fx::kBass, 1.0f, 20, 11.8, 0.3},
           {fx::kTreble, 0.0f, 10000, -11.62, 0.1}, {fx::kMid, 1.0f, 800, 12.0, 0.1},
           {fx::kPresence, 0.0f, 6000, -9.0, 0.1}}) {
    fx::Params p = flat;
    p.knob[knob] = value;
    EXPECT_NEAR(fxtest::db(level(p, hz) / level(flat, hz)), gain_db, tolerance) << knob << " at " << hz << " Hz";
  }
  // A NaN knob counts as 0: the same cut as the bottom of the range.
  fx::Params cut = flat, nan = flat;
  cut.knob[fx::kPresence] = 0.0f;
  nan.knob[fx::kPresence] = std::nanf("");
  EXPECT_NEAR(level(nan, 6000), level(cut, 6000), 1e-7);
}

// Blend 0 with the tube on: the result is the dry signal, 54 frames late.
TEST(Tone, ZeroBlendIsExactlyTheDrySignal) {
  fx::Params p = fxtest::neutral();
  p.knob[fx::kBlend] = 0.0f;
  const fxtest::Buffer in = fxtest::sine(1234, 0.7, 9600);
  EXPECT_EQ(fxtest::deviation(fxtest::run(p, in), in, 54, 54), 0.0);
}

}  // namespace
