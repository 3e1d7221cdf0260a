#include "fx/presets.h"

#include <gtest/gtest.h>

#include <limits>

#include "fx/params.h"

namespace {

// A unit's preset, or the knobs of another set, reach only that unit's knobs
// and its own switch; the output knob and the limiter belong to no unit.
TEST(Presets, ApplyTouchesOnlyItsUnit) {
  fx::Params p = fx::clean_params();
  p.limiter_on = false;
  p.knob[fx::kOutput] = 0.1f;
  const fx::Params before = p;
  for (int index : {-1, 10}) fx::apply_unit_preset(0, index, &p);
  fx::apply_unit_preset(1, 8, &p);
  EXPECT_TRUE(fx::same(p, before));
  fx::apply_unit_preset(0, 9, &p);
  EXPECT_TRUE(p.tube_on && !p.comp_on && !p.limiter_on);
  EXPECT_EQ(p.knob[fx::kDrive], 26.0f / 40.0f);
  for (int i = 8; i <= 15; ++i) EXPECT_EQ(p.knob[i], before.knob[i]) << i;
  fx::apply_unit_preset(1, 6, &p);
  EXPECT_TRUE(p.comp_on);
  EXPECT_EQ(p.knob[fx::kRatio], 1.0f);
  EXPECT_EQ(p.knob[fx::kDrive], 26.0f / 40.0f);

  fx::Params src = fx::standard_params();
  src.tube_on = src.comp_on = src.limiter_on = false;
  for (int i = 0; i < 16; ++i) src.knob[i] = 0.01f * i;
  fx::Params dst = fx::standard_params();
  fx::apply_unit(1, src, &dst);
  EXPECT_TRUE(dst.tube_on && !dst.comp_on && dst.limiter_on);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(dst.knob[i], i >= 8 && i <= 14 ? src.knob[i] : fx::standard_params().knob[i]);
  fx::apply_unit(0, src, &dst);
  EXPECT_FALSE(dst.tube_on);
  EXPECT_EQ(dst.knob[0], 0.0f);
  EXPECT_EQ(dst.knob[15], fx::standard_params().knob[15]);
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
  b = a;
  b.knob[0] = std::numeric_limits<float>::quiet_NaN();
  EXPECT_FALSE(fx::same(a, b));
}

}  // namespace
