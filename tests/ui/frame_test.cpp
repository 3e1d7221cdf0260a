// The user interface's model between frames, stepped at chosen times with
// chosen engine readings.
#include <gtest/gtest.h>

#include <cmath>
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
    g_heater = 0;
    g_glow = {};
    g_gr = g_gr_peak = g_gr_hold = 0;
    g_sc_db = -120;
    g_lim_seen = 0;
    g_lim_until = 0;
    g_lim_lit = false;
    g_glide = {};
    g_save_at = 0;
    g_status = {};
    g_live = false;
    L = {};
    L.vu = {gfx::Rect{100, 100, 200, 120}, gfx::Rect{400, 100, 200, 120}};
    ui::set_pixel_scale(1);
    ui::init(&s_, false);
    g_last_frame = 0;
  }
  void TearDown() override { S = nullptr; }
  // Frames every 10 ms from `from` up to and including `to`; the last result.
  bool run(std::uint64_t from, std::uint64_t to, const FrameInput& in) {
    bool moving = false;
    for (std::uint64_t t = from; t <= to; t += 10) moving = frame_step(t, in);
    return moving;
  }
  bool saved() const { return std::filesystem::exists(settings::file_path()); }

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
    s_.compact = c.compact;
    s_.collapsed = c.collapsed;
    ui::View v = ui::view_for(c.w, c.h);
    EXPECT_FLOAT_EQ(v.zoom, c.zoom) << c.w << "x" << c.h;
    EXPECT_FLOAT_EQ(v.w, c.vw) << c.w << "x" << c.h;
    EXPECT_FLOAT_EQ(v.h, c.vh) << c.w << "x" << c.h;
  }
  S = nullptr;
  EXPECT_FLOAT_EQ(ui::view_for(590, 390).zoom, 1);
}

TEST_F(Frame, ColumnSegmentsAreWholeDevicePixels) {
  // Three-pixel segments and two-pixel gaps, scaled and rounded to whole pixels.
  const struct {
    float k;
    float seg_px, gap_px;
  } cases[] = {{1, 3, 2}, {1.5f, 5, 3}, {2, 6, 4}};
  for (const auto& c : cases) {
    ui::set_pixel_scale(c.k);
    for (float h : {100.0f, 57.7f, 1.0f}) {
      ui::ColumnGeom g = ui::column_geom(10.3f, h);
      const float gap = g.pitch - g.seg;
      EXPECT_FLOAT_EQ(g.seg * c.k, c.seg_px);
      EXPECT_FLOAT_EQ(gap * c.k, c.gap_px);
      EXPECT_NEAR(g.w * c.k, std::floor(10.3f * c.k), 1e-4) << c.k;
      // As many segments as fit, and never fewer than four.
      EXPECT_GE(g.count, 4);
      if (g.count > 4) {
        EXPECT_LE(g.count * g.pitch - gap, h + 1e-3f) << c.k << " " << h;
      }
      EXPECT_GT((g.count + 1) * g.pitch - gap, h) << c.k << " " << h;
    }
  }
}

TEST_F(Frame, NeedlesSettleOnTheirMarks) {
  FrameInput quiet_routed;
  quiet_routed.status.routed = true;
  const struct {
    int vu_mode;
    FrameInput in;
    float angle;
  } cases[] = {
      {2, quiet_routed, 18.6f},                   // no data: both show 0 dB reduction
      {2, FrameInput{}, -53},                     // nothing routed: rest below the scale
      {0, fresh(kVuMeanRef, 0, 0), 18.6f},        // 0 VU at the input
      {1, fresh(0, kVuMeanRef, 0), 18.6f},        // 0 VU at the output
      {2, fresh(0, 0, 20), -50},                  // 20 dB reduction: -20 VU
      {0, fresh(1.0f, 0, 0), 54},                 // far over the scale: at the stop
  };
  for (const auto& c : cases) {
    SetUp();
    s_.vu_mode = c.vu_mode;
    float highest = -1;
    for (std::uint64_t t = 10; t <= 3000; t += 16) {
      frame_step(t, c.in);
      highest = std::max(highest, g_needle[0].pos);
    }
    EXPECT_LE(highest, 1.1f);
    ui::LiveView v = ui::live_view();
    ASSERT_EQ(v.needles.size(), 2u);
    for (const ui::Needle& n : v.needles) {
      EXPECT_NEAR(n.angle_deg, c.angle, 0.2) << "mode " << c.vu_mode;
      EXPECT_FLOAT_EQ(n.pivot_y, n.face.y + n.face.h * 1.25f);
    }
    TearDown();
  }
  // A needle driven over the scale bounces off its upper stop.
  SetUp();
  s_.vu_mode = 0;
  bool touched = false, bounced = false;
  for (std::uint64_t t = 10; t <= 1000 && !bounced; t += 4) {
    frame_step(t, fresh(0.2f, 0, 0));
    if (touched && g_needle[0].pos < 1.1f) bounced = true;
    if (g_needle[0].pos >= 1.1f) touched = true;
  }
  EXPECT_TRUE(bounced);
  TearDown();
  // Nothing routed and all at rest: the frame loop may idle.
  SetUp();
  EXPECT_FALSE(run(10, 3000, FrameInput{}));
}

TEST_F(Frame, PeakLedHolds350ms) {
  s_.vu_mode = 0;
  FrameInput hot = fresh(0.1f, 0, 0), near = fresh(0.1f, 0, 0), calm = fresh(0.1f, 0, 0);
  hot.meters.in_peak_l = 0.95f;
  near.meters.in_peak_l = near.meters.in_peak_r = 0.89f;
  run(10, 500, near);
  EXPECT_FALSE(g_led[0] || g_led[1]);
  frame_step(1000, hot);
  EXPECT_TRUE(g_led[0]);
  EXPECT_FALSE(g_led[1]);
  run(1010, 1349, calm);
  EXPECT_TRUE(g_led[0]);
  frame_step(1350, calm);
  EXPECT_FALSE(g_led[0]);
}

TEST_F(Frame, GainReductionPeakHoldsThenFalls) {
  s_.active = true;
  s_.params.comp_on = true;
  run(10, 1000, fresh(0, 0, 10));
  EXPECT_FLOAT_EQ(g_gr, 10);
  run(1010, 1500, fresh(0, 0, 0));
  EXPECT_GT(g_gr, 0.1f);  // about 10 * e^-4
  EXPECT_LT(g_gr, 0.3f);
  run(1510, 1790, fresh(0, 0, 0));
  EXPECT_FLOAT_EQ(g_gr_peak, 10);
  run(1800, 2300, fresh(0, 0, 0));
  EXPECT_NEAR(g_gr_peak, 10 - 12 * 0.5f, 0.15f);
  run(2310, 2800, fresh(0, 0, 0));
  EXPECT_EQ(g_gr_peak, 0);
  // The switched-off compressor shows no reduction whatever the meters say.
  s_.params.comp_on = false;
  run(2810, 3000, fresh(0, 0, 10));
  EXPECT_LT(g_gr, 0.05f);
}

TEST_F(Frame, GainColumnLightsFromTheTopAndOnlyUnfolded) {
  L.gr_column = {10, 10, 12, 100};
  const int count = ui::column_geom(12, 100).count;
  const struct {
    float gr, peak;
    bool collapsed;
    int lit, peak_index;  // -2: no column shown
  } cases[] = {{12, 0.2f, false, count / 2, -1},     {30, 30, false, count, count - 1},
               {-3, 0, false, 0, -1},                {0, 12, false, 0, count / 2},
               {12, 12, true, -2, -2}};
  for (const auto& c : cases) {
    s_.collapsed = c.collapsed;
    g_gr = c.gr;
    g_gr_peak = c.peak;
    ui::LiveView v = ui::live_view();
    if (c.lit == -2) {
      EXPECT_TRUE(v.columns.empty());
      continue;
    }
    ASSERT_EQ(v.columns.size(), 1u);
    EXPECT_EQ(v.columns[0].lit, c.lit) << c.gr;
    EXPECT_EQ(v.columns[0].peak, c.peak_index) << c.peak;
  }
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
  EXPECT_GT(highest, 0.6f);  // eases out past the target
  EXPECT_LT(highest, 0.63f);
  EXPECT_TRUE(g_glide.active);
  EXPECT_TRUE(s_.params.tube_on);
  frame_step(1890, FrameInput{});
  EXPECT_FALSE(g_glide.active);
  EXPECT_FALSE(s_.params.tube_on);
  for (float k : s_.params.knob) EXPECT_FLOAT_EQ(k, 0.6f);
  run(1900, 3080, FrameInput{});
  EXPECT_FALSE(saved());
  frame_step(3090, FrameInput{});
  EXPECT_TRUE(saved());
  EXPECT_FALSE(settings::load().params.tube_on);
}

TEST_F(Frame, LimiterIndicatorLightsFor500ms) {
  FrameInput in;
  frame_step(1000, in);
  ui::take_dirty();
  in.limiter_blocks = 3;
  frame_step(1010, in);
  EXPECT_TRUE(g_lim_lit);
  EXPECT_TRUE(ui::take_dirty());
  EXPECT_TRUE(run(1020, 1500, in));
  EXPECT_TRUE(g_lim_lit);
  EXPECT_FALSE(ui::take_dirty());
  frame_step(1510, in);
  EXPECT_FALSE(g_lim_lit);
  EXPECT_TRUE(ui::take_dirty());
  run(1520, 3000, in);  // the same count again lights nothing
  EXPECT_FALSE(g_lim_lit);
  EXPECT_FALSE(ui::take_dirty());
}

TEST_F(Frame, PersistWithoutWindowPositionKeepsTheStoredPosition) {
  for (bool compact : {false, true}) {
    s_.compact = compact;
    s_.win_x = 100, s_.win_y = 60, s_.win_w = 900, s_.win_h = 500;
    s_.mini_x = 30, s_.mini_y = 20, s_.mini_w = 420, s_.mini_h = 132;
    fx::Params target = s_.params;
    target.knob[3] = 0.9f;
    start_glide_at(target, 1000);
    ui::persist();
    EXPECT_FALSE(g_glide.active);
    Settings back = settings::load();
    EXPECT_FLOAT_EQ(back.params.knob[3], 0.9f);
    EXPECT_EQ(back.win_x, 100);
    EXPECT_EQ(back.win_y, 60);
    EXPECT_EQ(back.mini_x, 30);
    EXPECT_EQ(back.mini_y, 20);
    EXPECT_EQ(compact ? back.mini_w : back.win_w, compact ? 420 : 900);
  }
}

}  // namespace
