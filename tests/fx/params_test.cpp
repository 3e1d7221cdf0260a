#include "fx/params.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

TEST(KnobTable, KeysDefaultsBipolarAndUnits) {
  EXPECT_EQ(fx::knob_key(0), "knob_drive");
  EXPECT_EQ(fx::knob_key(15), "knob_output");
  EXPECT_EQ(fx::knob_key(16), "");
  EXPECT_EQ(fx::knob_key(-1), "");
  EXPECT_FLOAT_EQ(fx::knob_default(9), 0.3667f);
  EXPECT_EQ(fx::knob_default(15), 2.0f / 3.0f);
  EXPECT_EQ(fx::knob_default(16), 0.5f);
  EXPECT_EQ(fx::knob_default(-3), 0.5f);
  const bool bipolar[16] = {false, true, false, true, true, true, true, false,
                            false, false, false, false, false, false, false, true};
  for (int i = 0; i < 16; ++i) EXPECT_EQ(fx::knob_bipolar(i), bipolar[i]) << i;
  EXPECT_FALSE(fx::knob_bipolar(16));
  EXPECT_EQ(fx::unit_first(0), 0);
  EXPECT_EQ(fx::unit_last(0), 7);
  EXPECT_EQ(fx::unit_first(1), 8);
  EXPECT_EQ(fx::unit_last(7), 14);
}

TEST(Mappings, RangeRuleAndEndpoints) {
  EXPECT_EQ(fx::output_db(1.0f), 12.0f);
  EXPECT_EQ(fx::output_db(0.0f), -24.0f);
  EXPECT_EQ(fx::output_db(2.0f / 3.0f), 0.0f);
  EXPECT_EQ(fx::output_db(kNaN), -24.0f);
  EXPECT_EQ(fx::output_db(kInf), -24.0f);
  EXPECT_EQ(fx::output_db(-kInf), -24.0f);
  EXPECT_EQ(fx::output_db(7.0f), 12.0f);
  EXPECT_EQ(fx::threshold_db(0.625f), -18.0f);
  EXPECT_EQ(fx::threshold_db(-1.0f), -48.0f);
  EXPECT_FLOAT_EQ(fx::ratio(1.0f), 20.0f);
  EXPECT_EQ(fx::ratio(kNaN), 1.0f);
  EXPECT_NEAR(fx::ratio(0.46275642f), 4.0f, 1e-5);
  EXPECT_EQ(fx::knee_db(0.5f), 6.0f);
  EXPECT_EQ(fx::makeup_db(1.5f), 24.0f);
}

TEST(Describe, EdgesOfEveryFormat) {
  EXPECT_EQ(fx::describe(0, 0.35f), "+14 dB");
  EXPECT_EQ(fx::describe(1, 0.0f), "3.30 kΩ");
  EXPECT_EQ(fx::describe(1, 1.0f), "680 Ω");
  EXPECT_EQ(fx::describe(1, 0.5f), "1.50 kΩ");
  EXPECT_EQ(fx::describe(1, -4.0f), "3.30 kΩ");
  EXPECT_EQ(fx::describe(1, 9.0f), "680 Ω");
  EXPECT_EQ(fx::describe(2, 0.0f), "0.22 µF");
  EXPECT_EQ(fx::describe(2, 1.0f), "47 µF");
  EXPECT_EQ(fx::describe(2, 0.5f), "3.22 µF");
  EXPECT_EQ(fx::describe(2, 0.6f), "5.50 µF");
  EXPECT_EQ(fx::describe(2, 0.8f), "16 µF");
  EXPECT_EQ(fx::describe(3, 0.5f), "+0.0 dB");
  EXPECT_EQ(fx::describe(3, 0.499f), "+0.0 dB");  // -0.024 dB must not read "-0.0"
  EXPECT_EQ(fx::describe(3, kNaN), "-12.0 dB");
  EXPECT_EQ(fx::describe(5, 1.0f), "+12.0 dB");
  EXPECT_EQ(fx::describe(6, 0.0f), "-9.0 dB");
  EXPECT_EQ(fx::describe(7, 0.5f), "50 %");
  EXPECT_EQ(fx::describe(8, 0.625f), "-18.0 dB");
  EXPECT_EQ(fx::describe(8, 0.0f), "-48.0 dB");
  EXPECT_EQ(fx::describe(8, 1.0f), "-0.0 dB");
  EXPECT_EQ(fx::describe(8, 3.0f), "-0.0 dB");
  EXPECT_EQ(fx::describe(9, 1.0f), "20:1");
  EXPECT_EQ(fx::describe(9, 0.0f), "1.0:1");
  EXPECT_EQ(fx::describe(9, 0.3667f), "3.0:1");
  EXPECT_EQ(fx::describe(9, 0.8f), "11:1");
  EXPECT_EQ(fx::describe(10, 0.0f), "0.10 ms");
  EXPECT_EQ(fx::describe(10, 0.2f), "0.40 ms");
  EXPECT_EQ(fx::describe(10, 0.5f), "3.2 ms");
  EXPECT_EQ(fx::describe(10, 0.6667f), "10 ms");
  EXPECT_EQ(fx::describe(10, 1.0f), "100 ms");
  EXPECT_EQ(fx::describe(11, 0.0f), "20 ms");
  EXPECT_EQ(fx::describe(11, 0.4375f), "150 ms");
  EXPECT_EQ(fx::describe(11, 1.0f), "2.00 s");
  EXPECT_EQ(fx::describe(11, 0.9f), "1.26 s");
  EXPECT_EQ(fx::describe(12, 0.5f), "6.0 dB");
  EXPECT_EQ(fx::describe(13, 0.125f), "+3.0 dB");
  EXPECT_EQ(fx::describe(14, 1.0f), "100 %");
  EXPECT_EQ(fx::describe(15, 2.0f / 3.0f), "+0.0 dB");
  EXPECT_EQ(fx::describe(15, 0.0f), "-24.0 dB");
  EXPECT_EQ(fx::describe(15, 1.0f), "+12.0 dB");
  EXPECT_EQ(fx::describe(16, 0.5f), "");
  EXPECT_EQ(fx::describe(-1, 0.5f), "");
}

fx::Params comp(float threshold, float ratio, float knee, float makeup) {
  fx::Params p;
  p.knob[fx::kThreshold] = threshold;
  p.knob[fx::kRatio] = ratio;
  p.knob[fx::kKnee] = knee;
  p.knob[fx::kMakeup] = makeup;
  return p;
}

TEST(CompCurve, HardKneeAndMakeup) {
  const fx::Params p = comp(0.625f, 0.46275642f, 0.0f, 0.0f);
  EXPECT_NEAR(fx::comp_curve_db(p, -6.0f), -15.0f, 1e-4);
  EXPECT_EQ(fx::comp_curve_db(p, -30.0f), -30.0f);
  EXPECT_NEAR(fx::comp_curve_db(p, -18.0f), -18.0f, 1e-4);
  const fx::Params m = comp(0.625f, 0.46275642f, 0.0f, 0.25f);
  EXPECT_NEAR(fx::comp_curve_db(m, -30.0f), -24.0f, 1e-4);
}

TEST(CompCurve, KneeIsContinuousAtItsEdges) {
  const fx::Params p = comp(0.625f, 0.46275642f, 1.0f, 0.0f);  // knee 12 dB, 4:1
  for (float edge : {-24.0f, -12.0f}) {
    const float below = fx::comp_curve_db(p, edge - 1e-3f);
    const float at = fx::comp_curve_db(p, edge);
    const float above = fx::comp_curve_db(p, edge + 1e-3f);
    EXPECT_NEAR(below, at, 2e-3) << edge;
    EXPECT_NEAR(above, at, 2e-3) << edge;
  }
  EXPECT_NEAR(fx::comp_curve_db(p, -24.0f), -24.0f, 1e-5);
  EXPECT_NEAR(fx::comp_curve_db(p, -12.0f), -18.0f + 6.0f / 4.0f, 1e-5);
  // Inside the knee the curve lies below the straight line x.
  EXPECT_LT(fx::comp_curve_db(p, -18.0f), -18.0f);
}

TEST(SoftClip, TransparentThenBoundedAndContinuous) {
  EXPECT_EQ(fx::soft_clip(0.5f), 0.5f);
  EXPECT_EQ(fx::soft_clip(0.9f), 0.9f);
  EXPECT_EQ(fx::soft_clip(-0.9f), -0.9f);
  EXPECT_FLOAT_EQ(fx::soft_clip(-5.0f), -0.98f);
  EXPECT_LE(fx::soft_clip(3.0f), 0.98f);
  EXPECT_LE(fx::soft_clip(1e30f), 0.98f);
  EXPECT_GE(fx::soft_clip(-kInf), -0.98f);
  EXPECT_TRUE(std::isnan(fx::soft_clip(kNaN)));
  // Value and slope continuous at 0.9: just above the knee the slope is ~1.
  const float a = fx::soft_clip(0.9001f);
  EXPECT_NEAR(a, 0.9001f, 1e-6);
  float prev = 0.0f;
  for (float x = 0.0f; x < 4.0f; x += 0.001f) {
    const float y = fx::soft_clip(x);
    EXPECT_GE(y, prev);
    EXPECT_LE(y - prev, 0.0011f);
    prev = y;
  }
}

}  // namespace
