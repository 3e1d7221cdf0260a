#include "fx/presets.h"

#include <gtest/gtest.h>

#include <vector>

#include "fx/params.h"

namespace {

TEST(Presets, LookupIsUnitScopedAndExact) {
  for (int unit = 0; unit < 2; ++unit) {
    const std::vector<fx::UnitPreset>& list = fx::unit_presets(unit);
    for (std::size_t i = 0; i < list.size(); ++i) {
      EXPECT_EQ(fx::find_unit_preset(unit, list[i].key), static_cast<int>(i)) << list[i].key;
      EXPECT_EQ(fx::find_unit_preset(1 - unit, list[i].key), -1) << list[i].key;
      EXPECT_EQ(fx::find_unit_preset(unit, std::string(list[i].key) + " "), -1);
    }
  }
  EXPECT_EQ(fx::find_unit_preset(0, ""), -1);
}

// A preset's knobs read back, through the knobs' own display, as the
// physical values it was designed with.
TEST(Presets, KnobsReadBackAsTheirDesignValues) {
  struct Case {
    int unit;
    const char* key;
    std::vector<const char*> texts;  // from unit_first(unit) on; nullptr skips
  };
  for (const Case& c :
       {Case{0, "preset_radio", {"+26 dB", nullptr, nullptr, "-9.0 dB", "+5.0 dB", "-8.0 dB", "-4.0 dB", "100 %"}},
        Case{1, "cpreset_gentle", {"-20.0 dB", "2.5:1", "15 ms", "200 ms", "8.0 dB", "+3.0 dB", "100 %"}},
        Case{1, "preset_night", {"-34.0 dB", "8.0:1", "3.0 ms", "300 ms", "10.0 dB", "+18.0 dB", "100 %"}}}) {
    const std::vector<float>& v = fx::unit_presets(c.unit)[fx::find_unit_preset(c.unit, c.key)].values;
    for (std::size_t i = 0; i < c.texts.size(); ++i) {
      if (c.texts[i] == nullptr) continue;
      EXPECT_EQ(fx::describe(fx::unit_first(c.unit) + static_cast<int>(i), v[i]), c.texts[i]) << c.key << " " << i;
    }
  }
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

}  // namespace
