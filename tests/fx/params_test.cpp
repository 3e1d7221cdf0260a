#include "fx/params.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

TEST(Mappings, RangeRuleAndEndpoints) {
  struct Case {
    float (*map)(float);
    float in, out;
  };
  for (const Case& c : std::vector<Case>{{fx::output_db, 1.0f, 12.0f},        {fx::output_db, 2.0f / 3.0f, 0.0f},
                                         {fx::output_db, kNaN, -24.0f},       {fx::output_db, kInf, -24.0f},
                                         {fx::output_db, -kInf, -24.0f},      {fx::output_db, 7.0f, 12.0f},
                                         {fx::threshold_db, 0.625f, -18.0f},  {fx::threshold_db, -1.0f, -48.0f},
                                         {fx::ratio, kNaN, 1.0f},             {fx::knee_db, 0.5f, 6.0f},
                                         {fx::makeup_db, 1.5f, 24.0f}}) {
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
  for (const Case& c : std::vector<Case>{
           {0, 0.35f, "+14 dB"},    {1, 0.0f, "3.30 kΩ"},    {1, 1.0f, "680 Ω"},      {1, 0.5f, "1.50 kΩ"},
           {1, -4.0f, "3.30 kΩ"},   {2, 0.0f, "0.22 µF"},    {2, 1.0f, "47 µF"},      {2, 0.6f, "5.50 µF"},
           {2, 0.8f, "16 µF"},      {3, 0.499f, "+0.0 dB"},  {3, kNaN, "-12.0 dB"},   {5, 1.0f, "+12.0 dB"},
           {6, 0.0f, "-9.0 dB"},    {7, 0.5f, "50 %"},       {8, 0.625f, "-18.0 dB"}, {8, 3.0f, "-0.0 dB"},
           {9, 1.0f, "20:1"},       {9, 0.0f, "1.0:1"},      {9, 0.3667f, "3.0:1"},   {9, 0.8f, "11:1"},
           {10, 0.0f, "0.10 ms"},   {10, 0.5f, "3.2 ms"},    {10, 0.6667f, "10 ms"},  {10, 1.0f, "100 ms"},
           {11, 0.4375f, "150 ms"}, {11, 1.0f, "2.00 s"},    {11, 0.9f, "1.26 s"},    {12, 0.5f, "6.0 dB"},
           {13, 0.125f, "+3.0 dB"}, {14, 1.0f, "100 %"},     {15, 0.0f, "-24.0 dB"},  {15, 2.0f / 3.0f, "+0.0 dB"},
           {16, 0.5f, ""},          {-1, 0.5f, ""}}) {
    EXPECT_EQ(fx::describe(c.knob, c.v), c.text) << c.knob << " " << c.v;
  }
}

TEST(CompCurve, HardKneeMakeupAndAContinuousSoftKnee) {
  fx::Params p;  // -18 dB, 4:1
  p.knob[fx::kThreshold] = 0.625f;
  p.knob[fx::kRatio] = 0.46275642f;
  p.knob[fx::kKnee] = p.knob[fx::kMakeup] = 0.0f;
  EXPECT_NEAR(fx::comp_curve_db(p, -6.0f), -15.0f, 1e-4);
  EXPECT_EQ(fx::comp_curve_db(p, -30.0f), -30.0f);
  p.knob[fx::kMakeup] = 0.25f;
  EXPECT_NEAR(fx::comp_curve_db(p, -30.0f), -24.0f, 1e-4);
  p.knob[fx::kMakeup] = 0.0f;
  p.knob[fx::kKnee] = 1.0f;  // 12 dB
  for (float edge : {-24.0f, -12.0f}) {
    const float at = fx::comp_curve_db(p, edge);
    EXPECT_NEAR(fx::comp_curve_db(p, edge - 1e-3f), at, 2e-3) << edge;
    EXPECT_NEAR(fx::comp_curve_db(p, edge + 1e-3f), at, 2e-3) << edge;
  }
  EXPECT_NEAR(fx::comp_curve_db(p, -24.0f), -24.0f, 1e-5);
  EXPECT_NEAR(fx::comp_curve_db(p, -12.0f), -18.0f + 6.0f / 4.0f, 1e-5);
  EXPECT_LT(fx::comp_curve_db(p, -18.0f), -18.0f);
}

// The end points (3.0 -> 0.98, 0.5 unchanged) are lines of the self-test.
TEST(SoftClip, TransparentToTheKneeThenRisingSmoothly) {
  EXPECT_EQ(fx::soft_clip(0.9f), 0.9f);
  EXPECT_EQ(fx::soft_clip(-0.9f), -0.9f);
  EXPECT_TRUE(fx::soft_clip(1e30f) <= 0.98f && fx::soft_clip(-kInf) >= -0.98f);
  EXPECT_TRUE(std::isnan(fx::soft_clip(kNaN)));
  // Value and slope continuous at 0.9: just above the knee the slope is ~1.
  EXPECT_NEAR(fx::soft_clip(0.9001f), 0.9001f, 1e-6);
  for (float x = 0.0f; x < 4.0f; x += 0.001f) {
    const float step = fx::soft_clip(x + 0.001f) - fx::soft_clip(x);
    ASSERT_TRUE(step >= 0.0f && step <= 0.0011f) << x;
  }
}

}  // namespace
