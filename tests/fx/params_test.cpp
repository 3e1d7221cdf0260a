#include "fx/params.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

TEST(Mappings, RangeRuleAndEndpoints) {
  struct Case {
    float (*map)(float);
    float in, out;
  };
  for (const Case& c : {Case{fx::output_db, 1.0f, 12.0f}, Case{fx::output_db, 2.0f / 3.0f, 0.0f},
                        Case{fx::output_db, kNaN, -24.0f}, Case{fx::output_db, kInf, -24.0f},
                        Case{fx::output_db, -kInf, -24.0f}, Case{fx::output_db, 7.0f, 12.0f},
                        Case{fx::threshold_db, 0.625f, -18.0f}, Case{fx::threshold_db, -1.0f, -48.0f},
                        Case{fx::ratio, kNaN, 1.0f}, Case{fx::knee_db, 0.5f, 6.0f},
                        Case{fx::makeup_db, 1.5f, 24.0f}}) {
    EXPECT_EQ(c.map(c.in), c.out) << c.in;
  }
  EXPECT_FLOAT_EQ(fx::ratio(1.0f), 20.0f);
  EXPECT_NEAR(fx::ratio(0.46275642f), 4.0f, 1e-5);
  EXPECT_EQ(fx::unit_range(std::numeric_limits<double>::quiet_NaN()), 0.0);
  EXPECT_EQ(fx::unit_range(1.5), 1.0);
}

// One row per format and per edge where the format switches.
TEST(Describe, EdgesOfEveryFormat) {
  struct Case {
    int knob;
    float v;
    const char* text;
  };
  for (const Case& c : {
           Case{0, 0.35f, "+14 dB"},     Case{1, 0.0f, "3.30 kΩ"},      Case{1, 1.0f, "680 Ω"},
           Case{1, 0.5f, "1.50 kΩ"},     Case{1, -4.0f, "3.30 kΩ"},     Case{2, 0.0f, "0.22 µF"},
           Case{2, 1.0f, "47 µF"},       Case{2, 0.6f, "5.50 µF"},      Case{2, 0.8f, "16 µF"},
           Case{3, 0.499f, "+0.0 dB"},   Case{3, kNaN, "-12.0 dB"},     Case{5, 1.0f, "+12.0 dB"},
           Case{6, 0.0f, "-9.0 dB"},     Case{7, 0.5f, "50 %"},         Case{8, 0.625f, "-18.0 dB"},
           Case{8, 3.0f, "-0.0 dB"},     Case{9, 1.0f, "20:1"},         Case{9, 0.0f, "1.0:1"},
           Case{9, 0.3667f, "3.0:1"},    Case{9, 0.8f, "11:1"},         Case{10, 0.0f, "0.10 ms"},
           Case{10, 0.5f, "3.2 ms"},     Case{10, 0.6667f, "10 ms"},    Case{10, 1.0f, "100 ms"},
           Case{11, 0.4375f, "150 ms"},  Case{11, 1.0f, "2.00 s"},      Case{11, 0.9f, "1.26 s"},
           Case{12, 0.5f, "6.0 dB"},     Case{13, 0.125f, "+3.0 dB"},   Case{14, 1.0f, "100 %"},
           Case{15, 2.0f / 3.0f, "+0.0 dB"}, Case{15, 0.0f, "-24.0 dB"}, Case{16, 0.5f, ""},
           Case{-1, 0.5f, ""}}) {
    EXPECT_EQ(fx::describe(c.knob, c.v), c.text) << c.knob << " " << c.v;
  }
}

fx::Params comp(float threshold, float ratio, float knee, float makeup) {
  fx::Params p;
  p.knob[fx::kThreshold] = threshold;
  p.knob[fx::kRatio] = ratio;
  p.knob[fx::kKnee] = knee;
  p.knob[fx::kMakeup] = makeup;
  return p;
}

TEST(CompCurve, HardKneeMakeupAndAContinuousSoftKnee) {
  const fx::Params p = comp(0.625f, 0.46275642f, 0.0f, 0.0f);
  EXPECT_NEAR(fx::comp_curve_db(p, -6.0f), -15.0f, 1e-4);
  EXPECT_EQ(fx::comp_curve_db(p, -30.0f), -30.0f);
  EXPECT_NEAR(fx::comp_curve_db(comp(0.625f, 0.46275642f, 0.0f, 0.25f), -30.0f), -24.0f, 1e-4);
  const fx::Params k = comp(0.625f, 0.46275642f, 1.0f, 0.0f);  // knee 12 dB, 4:1
  for (float edge : {-24.0f, -12.0f}) {
    const float at = fx::comp_curve_db(k, edge);
    EXPECT_NEAR(fx::comp_curve_db(k, edge - 1e-3f), at, 2e-3) << edge;
    EXPECT_NEAR(fx::comp_curve_db(k, edge + 1e-3f), at, 2e-3) << edge;
  }
  EXPECT_NEAR(fx::comp_curve_db(k, -24.0f), -24.0f, 1e-5);
  EXPECT_NEAR(fx::comp_curve_db(k, -12.0f), -18.0f + 6.0f / 4.0f, 1e-5);
  EXPECT_LT(fx::comp_curve_db(k, -18.0f), -18.0f);
}

TEST(SoftClip, TransparentThenBoundedAndContinuous) {
  EXPECT_EQ(fx::soft_clip(0.9f), 0.9f);
  EXPECT_EQ(fx::soft_clip(-0.9f), -0.9f);
  EXPECT_FLOAT_EQ(fx::soft_clip(-5.0f), -0.98f);
  EXPECT_LE(fx::soft_clip(1e30f), 0.98f);
  EXPECT_GE(fx::soft_clip(-kInf), -0.98f);
  EXPECT_TRUE(std::isnan(fx::soft_clip(kNaN)));
  // Value and slope continuous at 0.9: just above the knee the slope is ~1.
  EXPECT_NEAR(fx::soft_clip(0.9001f), 0.9001f, 1e-6);
  float prev = 0.0f;
  for (float x = 0.0f; x < 4.0f; x += 0.001f) {
    const float y = fx::soft_clip(x);
    ASSERT_GE(y, prev);
    ASSERT_LE(y - prev, 0.0011f);
    prev = y;
  }
}

}  // namespace
