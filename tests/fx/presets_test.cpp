#include "fx/presets.h"

#include <gtest/gtest.h>

#include <limits>

#include "fx/params.h"

namespace {

// A unit's preset, or the knobs of another set, reach only that unit's knobs
// (0-7 the tube's, 8-14 the compressor's) and its own switch; indices outside
// the list change nothing. Choosing in the window is tested with the window.
TEST(Presets, ApplyTouchesOnlyItsUnit) {
  fx::Params p = fx::clean_params();
  p.limiter_on = false;
  p.knob[fx::kOutput] = 0.1f;
  const fx::Params before = p;
  for (auto [unit, index] : {std::pair{0, -1}, std::pair{0, 10}, std::pair{1, 8}}) {
    fx::apply_unit_preset(unit, index, &p);
  }
  EXPECT_TRUE(fx::same(p, before));
  fx::apply_unit_preset(1, 6, &p);
  EXPECT_TRUE(p.comp_on && !p.tube_on && !p.limiter_on);
  EXPECT_EQ(p.knob[fx::kRatio], 1.0f);
  for (int i = 0; i <= 7; ++i) EXPECT_EQ(p.knob[i], before.knob[i]) << i;
  fx::Params src = fx::standard_params();
  src.tube_on = src.comp_on = src.limiter_on = false;
  for (int i = 0; i < 16; ++i) src.knob[i] = 0.01f * i;
  for (int unit : {0, 1}) {
    fx::Params dst = fx::standard_params();
    fx::apply_unit(unit, src, &dst);
    EXPECT_TRUE(dst.tube_on == (unit == 1) && dst.comp_on == (unit == 0) && dst.limiter_on) << unit;
    for (int i = 0; i < 16; ++i) {
      const bool own = unit == 0 ? i <= 7 : i >= 8 && i <= 14;
      EXPECT_EQ(dst.knob[i], own ? src.knob[i] : fx::standard_params().knob[i]) << unit << " " << i;
    }
  }
}

// Sets compare per unit and in whole, with a tolerance below 0.002 per knob.
TEST(Presets, UnitSameAndSame) {
  const fx::Params a = fx::standard_params();
  fx::Params b = a;
  b.knob[9] = 0.9f;
  b.knob[15] = 0.0f;
  b.tube_on = b.limiter_on = false;
  EXPECT_TRUE(fx::unit_same(0, a, b));
  EXPECT_FALSE(fx::unit_same(1, a, b));
  b = a;
  b.knob[3] += 0.0019f;
  EXPECT_TRUE(fx::unit_same(0, a, b) && fx::same(a, b));
  b.knob[3] += 0.0011f;
  EXPECT_FALSE(fx::unit_same(0, a, b) || fx::same(a, b));
  b = a;
  b.limiter_on = false;
  EXPECT_FALSE(fx::same(a, b));
  b.limiter_on = true;
  b.knob[0] = std::numeric_limits<float>::quiet_NaN();
  EXPECT_FALSE(fx::same(a, b));
}

}  // namespace
