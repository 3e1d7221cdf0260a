#include "fx/presets.h"

#include <gtest/gtest.h>

namespace {

TEST(Presets, ListsAndWorkedExamples) {
  ASSERT_EQ(fx::unit_presets(0).size(), 10u);
  ASSERT_EQ(fx::unit_presets(1).size(), 8u);
  ASSERT_EQ(fx::unit_presets(5).size(), 8u);
  const std::vector<float> gentle = {0.5833f, 0.3059f, 0.7254f, 0.5f, 0.6667f, 0.125f, 1.0f};
  const std::vector<float>& g = fx::unit_presets(1)[0].values;
  ASSERT_EQ(g.size(), 7u);
  for (int i = 0; i < 7; ++i) EXPECT_NEAR(g[i], gentle[i], 1e-4) << i;
  EXPECT_EQ(fx::unit_presets(1)[6].values[1], 1.0f);  // 20:1 is the top of the range
  // Radio's -9 dB bass and -8 dB treble map inside the range.
  EXPECT_NEAR(fx::unit_presets(0)[9].values[3], 0.125f, 1e-6);
}

TEST(Presets, LookupIsUnitScoped) {
  EXPECT_EQ(fx::find_unit_preset(0, "cpreset_gentle"), -1);
  EXPECT_EQ(fx::find_unit_preset(1, "preset_gentle"), -1);
  EXPECT_EQ(fx::find_unit_preset(1, "preset_glue"), 1);
  EXPECT_EQ(fx::find_unit_preset(1, "preset_night"), 5);
  EXPECT_EQ(fx::find_unit_preset(0, "preset_gentle"), 2);
  EXPECT_EQ(fx::find_unit_preset(0, "preset_radio"), 9);
  EXPECT_EQ(fx::find_unit_preset(0, "preset_warm "), -1);
  EXPECT_EQ(fx::find_unit_preset(0, ""), -1);
}

TEST(Presets, ApplyTouchesOnlyItsUnit) {
  fx::Params p = fx::clean_params();
  p.limiter_on = false;
  p.knob[fx::kOutput] = 0.1f;
  const fx::Params before = p;
  fx::apply_unit_preset(1, 8, &p);
  fx::apply_unit_preset(0, -1, &p);
  fx::apply_unit_preset(0, 10, &p);
  EXPECT_TRUE(fx::same(p, before));
  EXPECT_EQ(p.tube_on, false);

  fx::apply_unit_preset(0, 9, &p);
  EXPECT_TRUE(p.tube_on);
  EXPECT_FALSE(p.comp_on);
  EXPECT_FALSE(p.limiter_on);
  EXPECT_EQ(p.knob[fx::kOutput], 0.1f);
  EXPECT_EQ(p.knob[fx::kDrive], 26.0f / 40.0f);
  for (int i = 8; i <= 14; ++i) EXPECT_EQ(p.knob[i], before.knob[i]);

  fx::apply_unit_preset(1, 6, &p);
  EXPECT_TRUE(p.comp_on);
  EXPECT_EQ(p.knob[fx::kRatio], 1.0f);
  EXPECT_EQ(p.knob[fx::kDrive], 26.0f / 40.0f);
}

TEST(Presets, ApplyUnitCopiesKnobsAndOwnSwitch) {
  fx::Params src = fx::standard_params();
  src.tube_on = false;
  src.comp_on = false;
  src.limiter_on = false;
  for (int i = 0; i < 16; ++i) src.knob[i] = 0.01f * i;
  fx::Params dst = fx::standard_params();
  fx::apply_unit(1, src, &dst);
  EXPECT_TRUE(dst.tube_on);
  EXPECT_FALSE(dst.comp_on);
  EXPECT_TRUE(dst.limiter_on);
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(dst.knob[i], (i >= 8 && i <= 14) ? src.knob[i] : fx::standard_params().knob[i]);
  }
  fx::apply_unit(0, src, &dst);
  EXPECT_FALSE(dst.tube_on);
  EXPECT_EQ(dst.knob[0], 0.0f);
  EXPECT_EQ(dst.knob[15], fx::standard_params().knob[15]);
}

TEST(Presets, UnitSameAndSame) {
  const fx::Params a = fx::standard_params();
  fx::Params b = a;
  b.knob[9] = 0.9f;
  b.knob[15] = 0.0f;
  b.tube_on = false;
  b.limiter_on = false;
  EXPECT_TRUE(fx::unit_same(0, a, b));
  EXPECT_FALSE(fx::unit_same(1, a, b));
  b = a;
  b.knob[3] += 0.0019f;
  EXPECT_TRUE(fx::unit_same(0, a, b));
  EXPECT_TRUE(fx::same(a, b));
  b.knob[3] += 0.0011f;
  EXPECT_FALSE(fx::unit_same(0, a, b));
  EXPECT_FALSE(fx::same(a, b));
  b = a;
  b.limiter_on = false;
  EXPECT_FALSE(fx::same(a, b));
  b = a;
  b.knob[0] = std::numeric_limits<float>::quiet_NaN();
  EXPECT_FALSE(fx::same(a, b));
}

TEST(Presets, StandardAndCleanSets) {
  const fx::Params s = fx::standard_params();
  EXPECT_TRUE(s.tube_on && s.comp_on && s.limiter_on);
  EXPECT_EQ(s.knob[15], 0.6666667f);
  const fx::Params c = fx::clean_params();
  EXPECT_FALSE(c.tube_on || c.comp_on);
  EXPECT_TRUE(c.limiter_on);
  EXPECT_EQ(c.knob, s.knob);
}

}  // namespace
