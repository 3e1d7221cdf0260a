// The user interface's model between frames, stepped at chosen times with chosen engine readings.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "settings/settings.h"
#include "tests/desktop/test_util.h"
#include "ui/ui.h"
#include "ui/ui_state.h"

namespace {

using namespace ui::state;

constexpr float kVuMeanRef = 0.11340108f;  // mean of a sine at -18 dBFS: the 0 VU mark

class Frame : public ::testing::Test {
 protected:
  void SetUp() override {
    g_needle = {};
    g_led = {};
    g_led_until = {};
    g_gr = g_gr_peak = g_gr_hold = 0;
    g_lim_until = 0;
    g_lim_lit = false;
    g_glide = {};
    g_save_at = 0;
    L = {};
    L.vu = {gfx::Rect{100, 100, 200, 120}, gfx::Rect{400, 100, 200, 120}};
    ui::init(&s_, false);
    g_last_frame = 0;
  }
  // Frames every 10 ms from `from` up to and including `to`; the last result.
  bool run(std::uint64_t from, std::uint64_t to, const FrameInput& in) {
    bool moving = false;
    for (std::uint64_t t = from; t <= to; t += 10) moving = frame_step(t, in);
    return moving;
  }

  desktop_test::TempDir dir_;
  desktop_test::EnvGuard env_{{"XDG_CONFIG_HOME", dir_.path().c_str()}};
  Settings s_;
};

FrameInput fresh(float in_mean, float out_mean, float gr_db) {
  FrameInput in;
  in.status.routed = true;
  in.meters.fresh = true;
  in.meters.in_mean_l = in.meters.in_mean_r = in_mean;
  in.meters.out_mean_l = in.meters.out_mean_r = out_mean;
  in.meters.gain_reduction_db = gr_db;
  return in;
}

TEST_F(Frame, ViewsScaleToTheWindowWithAFloor) {
  const struct {
    bool compact, collapsed;
    int w, h;
    float zoom, vw, vh;
  } cases[] = {
      {false, false, 590, 390, 0.5f, 1180, 780}, {false, false, 200, 100, 0.25f, 800, 400},
      {false, true, 2360, 800, 2, 1180, 400},    {true, false, 840, 300, 2, 420, 150},
      {false, false, 0, 100, 1, 0, 100},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.w) + "x" + std::to_string(c.h));
    s_.compact = c.compact;
    s_.collapsed = c.collapsed;
    const ui::View v = ui::view_for(c.w, c.h);
    EXPECT_FLOAT_EQ(v.zoom, c.zoom);
    EXPECT_FLOAT_EQ(v.w, c.vw);
    EXPECT_FLOAT_EQ(v.h, c.vh);
  }
}

TEST_F(Frame, NeedlesSettleOnTheirMarksAndBounceOffTheStop) {
  FrameInput quiet_routed;
  quiet_routed.status.routed = true;
  const struct {
    const char* what;
    int vu_mode;
    FrameInput in;
    float angle;
  } cases[] = {
      {"no data: 0 dB reduction", 2, quiet_routed, 18.6f},  {"nothing routed: below the scale", 2, {}, -53},
      {"0 VU at the input", 0, fresh(kVuMeanRef, 0, 0), 18.6f}, {"0 VU out", 1, fresh(0, kVuMeanRef, 0), 18.6f},
      {"20 dB reduction", 2, fresh(0, 0, 20), -50},         {"far over the scale", 0, fresh(1.0f, 0, 0), 54},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SetUp();
    s_.vu_mode = c.vu_mode;
    float highest = -1;
    for (std::uint64_t t = 10; t <= 3000; t += 16) {
      frame_step(t, c.in);
      highest = std::max(highest, g_needle[0].pos);
    }
    EXPECT_LE(highest, 1.1f);
    const ui::LiveView v = ui::live_view();
    ASSERT_EQ(v.needles.size(), 2u);
    for (const ui::Needle& n : v.needles) EXPECT_NEAR(n.angle_deg, c.angle, 0.2);
  }
  // Driven over the scale, a needle touches its upper stop and bounces back.
  SetUp();
  s_.vu_mode = 0;
  bool touched = false, bounced = false;
  for (std::uint64_t t = 10; t <= 1000 && !bounced; t += 4) {
    frame_step(t, fresh(0.2f, 0, 0));
    bounced = touched && g_needle[0].pos < 1.1f;
    touched = touched || g_needle[0].pos >= 1.1f;
  }
  EXPECT_TRUE(bounced);
  // Nothing routed and all at rest: the frame loop may idle.
  SetUp();
  EXPECT_FALSE(run(10, 3000, FrameInput{}));
}

TEST_F(Frame, PeaksHold) {
  // The clip light holds 350 ms.
  s_.vu_mode = 0;
  FrameInput hot = fresh(0.1f, 0, 0), near = hot;
  hot.meters.in_peak_l = 0.95f;
  near.meters.in_peak_l = near.meters.in_peak_r = 0.89f;
  run(10, 500, near);
  EXPECT_FALSE(g_led[0] || g_led[1]);
  frame_step(1000, hot);
  EXPECT_TRUE(g_led[0] && !g_led[1]);
  run(1010, 1349, fresh(0.1f, 0, 0));
  EXPECT_TRUE(g_led[0]);
  frame_step(1350, fresh(0.1f, 0, 0));
  EXPECT_FALSE(g_led[0]);
  // The gain reduction falls at once; its peak mark holds, then falls at 12 dB/s.
  s_.active = s_.params.comp_on = true;
  run(1360, 2000, fresh(0, 0, 10));
  EXPECT_FLOAT_EQ(g_gr, 10);
  run(2010, 2500, fresh(0, 0, 0));
  EXPECT_NEAR(g_gr, 0.2f, 0.1f);  // about 10 * e^-4
  run(2510, 2790, fresh(0, 0, 0));
  EXPECT_FLOAT_EQ(g_gr_peak, 10);
  run(2800, 3300, fresh(0, 0, 0));
  EXPECT_NEAR(g_gr_peak, 10 - 12 * 0.5f, 0.15f);
  run(3310, 3800, fresh(0, 0, 0));
  EXPECT_EQ(g_gr_peak, 0);
  // The switched-off compressor shows no reduction whatever the meters say.
  s_.params.comp_on = false;
  run(3810, 4000, fresh(0, 0, 10));
  EXPECT_LT(g_gr, 0.05f);
}

TEST_F(Frame, GainColumnLightsFromTheTopAndOnlyUnfolded) {
  L.gr_column = {10, 10, 12, 100};
  const int count = ui::column_geom(12, 100).count;
  const struct {
    float gr;
    int lit, peak;  // segments lit, and the peak mark's segment (-1 none)
  } cases[] = {{12, count / 2, count / 2}, {30, count, count - 1}, {-3, 0, -1}};
  for (const auto& c : cases) {
    g_gr = g_gr_peak = c.gr;
    const ui::LiveView v = ui::live_view();
    ASSERT_EQ(v.columns.size(), 1u);
    EXPECT_EQ(v.columns[0].lit, c.lit) << c.gr;
    EXPECT_EQ(v.columns[0].peak, c.peak) << c.gr;
  }
  s_.collapsed = true;
  EXPECT_TRUE(ui::live_view().columns.empty());
}

TEST_F(Frame, GlideEndsAfter890msAndSaves1200msLater) {
  s_.params.knob.fill(0.2f);
  fx::Params target;
  target.knob.fill(0.6f);
  target.tube_on = false;
  start_glide_at(target, 1000);
  float highest = 0;
  for (std::uint64_t t = 1000; t <= 1880; t += 10) {
    EXPECT_TRUE(frame_step(t, FrameInput{}));
    highest = std::max(highest, s_.params.knob[0]);
    if (t == 1100) {
      EXPECT_GT(s_.params.knob[0], 0.2f);
      EXPECT_FLOAT_EQ(s_.params.knob[5], 0.2f);  // starts 110 ms in
    }
  }
  EXPECT_TRUE(highest > 0.6f && highest < 0.63f) << "eases out past the target: " << highest;
  EXPECT_TRUE(g_glide.active && s_.params.tube_on);
  frame_step(1890, FrameInput{});
  EXPECT_FALSE(g_glide.active || s_.params.tube_on);
  for (float k : s_.params.knob) EXPECT_FLOAT_EQ(k, 0.6f);
  run(1900, 3080, FrameInput{});
  EXPECT_FALSE(std::filesystem::exists(settings::file_path()));
  frame_step(3090, FrameInput{});
  EXPECT_TRUE(std::filesystem::exists(settings::file_path()));
  EXPECT_FALSE(settings::load().params.tube_on);
}

TEST_F(Frame, LimiterIndicatorLightsFor500ms) {
  FrameInput in;
  frame_step(1000, in);
  ui::take_dirty();
  in.limiter_blocks = 3;
  frame_step(1010, in);
  EXPECT_TRUE(g_lim_lit && ui::take_dirty());
  EXPECT_TRUE(run(1020, 1500, in));
  EXPECT_TRUE(g_lim_lit && !ui::take_dirty());
  frame_step(1510, in);
  EXPECT_TRUE(!g_lim_lit && ui::take_dirty());
  run(1520, 3000, in);  // the same count again lights nothing
  EXPECT_FALSE(g_lim_lit || ui::take_dirty());
}

}  // namespace
