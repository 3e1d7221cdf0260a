// Sizing, placing, aspect keeping and resize edges of the window, the tick
// clock's wrap and the tube tints, on plain numbers without a display.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/compose.h"
#include "platform/geometry.h"
#include "platform/platform.h"

namespace {

using platform::Box;

const Box kHd{0, 0, 1920, 1080};
const Box kPanelled{0, 28, 1920, 1052};  // a top panel of 28 pixels

TEST(ModeSize, SizesFromSavedValuesAndDisplay) {
  struct Case {
    const char* what;
    bool compact, collapsed;
    int saved_w, saved_h;
    const Box* usable;
    int w, h, min_w, min_h;
  };
  const Box small{0, 0, 1024, 600};
  const Box narrow{0, 0, 300, 200};
  const Case cases[] = {
      {"saved full size kept", false, false, 944, 624, &kHd, 944, 624, 590, 390},
      {"589 wide is ignored", false, false, 589, 900, &kHd, 1180, 780, 590, 390},
      {"too low is ignored", false, false, 1000, 119, &kHd, 1180, 780, 590, 390},
      {"saved size off ratio keeps 1180:780", false, false, 1400, 780, &kHd, 1180, 780, 590, 390},
      {"limited by a small display", false, false, 1180, 780, &small, 817, 540, 590, 390},
      {"collapsed", false, true, 0, 0, &kHd, 1180, 348, 590, 174},
      {"no display bounds", false, false, 2360, 1560, nullptr, 2360, 1560, 590, 390},
      {"compact default on a display", true, false, 0, 0, &kHd, 420, 132, 420, 132},
      {"compact 419 x 200 is ignored", true, false, 419, 200, &kHd, 420, 132, 420, 132},
      {"compact saved size scaled", true, false, 840, 300, &kHd, 840, 264, 420, 132},
      {"compact without bounds", true, false, 0, 0, nullptr, 420, 132, 420, 132},
      {"compact on a tiny display", true, false, 0, 0, &narrow, 280, 88, 420, 132},
  };
  for (const Case& c : cases) {
    const platform::ModeSize m =
        platform::mode_size(c.compact, c.collapsed, c.saved_w, c.saved_h, c.usable);
    EXPECT_EQ(m.w, c.w) << c.what;
    EXPECT_EQ(m.h, c.h) << c.what;
    EXPECT_EQ(m.min_w, c.min_w) << c.what;
    EXPECT_EQ(m.min_h, c.min_h) << c.what;
  }
}

TEST(Placing, SavedPositionsOnAndOffEveryDisplay) {
  const std::vector<Box> two{kHd, {1920, 0, 1280, 1024}};
  struct Case {
    const char* what;
    int x, y, w, h;
    int want_x, want_y;
  };
  const Case cases[] = {
      {"on the first display", 100, 50, 1180, 780, 100, 50},
      {"on the second display", 2000, 100, 1180, 780, 2000, 100},
      // The probe point (x + w/2, y + 10) decides, not the corner.
      {"corner off, middle on", -500, 10, 1180, 780, -500, 10},
      {"middle past the right edge", 2700, 100, 1180, 780, 370, 150},
      {"above every display", 100, -20, 1180, 780, 370, 150},
      {"below every display", 100, 1070, 1180, 780, 370, 150},
      {"no saved position, full", -1, -1, 1180, 780, 370, 150},
      {"only x saved", 100, -1, 1180, 780, 370, 150},
      {"no saved position, compact", -1, -1, 420, 132, 1476, 924},
      {"compact off every display", 5000, 5000, 420, 132, 1476, 924},
      {"compact on the second display", 2500, 800, 420, 132, 2500, 800},
  };
  for (const Case& c : cases) {
    const platform::Point p = platform::place_window(c.x, c.y, c.w, c.h, two, kHd);
    EXPECT_EQ(p.x, c.want_x) << c.what;
    EXPECT_EQ(p.y, c.want_y) << c.what;
  }
  // The corner is measured from the usable area, not the whole screen.
  const platform::Point p = platform::place_window(-1, -1, 420, 132, {kPanelled}, kPanelled);
  EXPECT_EQ(p.x, 1920 - 420 - 24);
  EXPECT_EQ(p.y, 28 + 1052 - 132 - 24);
  // Right and bottom edges of a display are outside it.
  const platform::Point edge = platform::place_window(1920 - 590, 0, 1180, 780, {kHd}, kHd);
  EXPECT_EQ(edge.x, 370);
}

TEST(Aspect, CorrectionAfterAResize) {
  const Box big{0, 0, 2560, 1440};
  const Box low{0, 0, 1920, 900};
  struct Case {
    const char* what;
    int w, h, last_w, last_h, ref_w, ref_h;
    const Box* usable;
    int want_w, want_h;
  };
  const Case cases[] = {
      {"dragged to 1400 wide", 1400, 780, 1180, 780, 1180, 780, &big, 1400, 925},
      {"dragged to 1000 high", 1180, 1000, 1180, 780, 1180, 780, &big, 1513, 1000},
      {"both changed, width more", 1500, 800, 1180, 780, 1180, 780, &big, 1500, 992},
      {"fitted into the usable area, rounded down", 1400, 780, 1180, 780, 1180, 780, &low, 1361,
       900},
      {"raised to the minimum", 300, 780, 1180, 780, 1180, 780, &big, 590, 390},
      {"collapsed view", 1400, 348, 1180, 348, 1180, 348, &big, 1400, 413},
      {"compact view", 630, 132, 420, 132, 420, 132, &big, 630, 198},
      {"no usable area known", 3000, 780, 1180, 780, 1180, 780, nullptr, 3000, 1983},
  };
  for (const Case& c : cases) {
    const bool compact = c.ref_w == 420;
    const platform::Size s = platform::aspect_size({c.w, c.h, c.last_w, c.last_h, c.ref_w, c.ref_h,
                                                    compact ? 420 : 590, compact ? 132 : c.ref_h / 2,
                                                    c.usable});
    EXPECT_EQ(s.w, c.want_w) << c.what;
    EXPECT_EQ(s.h, c.want_h) << c.what;
    EXPECT_LE(std::abs(s.w * c.ref_h - s.h * c.ref_w), c.ref_w) << c.what << ": ratio lost";
  }
}

TEST(Aspect, OnlyDifferencesOfTwoPixelsResize) {
  struct Case {
    platform::Size now, want;
    bool resize;
  };
  const Case cases[] = {
      {{1181, 780}, {1181, 781}, false},
      {{1181, 781}, {1180, 780}, false},
      {{1180, 780}, {1180, 782}, true},
      {{1182, 780}, {1180, 780}, true},
      {{1180, 780}, {1180, 780}, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::worth_resizing(c.now, c.want), c.resize)
        << c.now.w << "x" << c.now.h << " -> " << c.want.w << "x" << c.want.h;
  }
  // A 1-pixel drag is what the correction then leaves alone.
  EXPECT_FALSE(platform::worth_resizing(
      {1181, 780}, platform::aspect_size({1181, 780, 1180, 780, 1180, 780, 590, 390, nullptr})));
}

TEST(Edges, CompactResizeZones) {
  using platform::Edge;
  struct Case {
    int x, y;
    Edge want;
  };
  const int w = 420, h = 132;
  const Case cases[] = {
      {0, 0, Edge::top_left},        {17, 9, Edge::top_left},       {9, 17, Edge::top_left},
      {18, 9, Edge::top},            {9, 18, Edge::left},           {402, 0, Edge::top_right},
      {419, 17, Edge::top_right},    {401, 5, Edge::top},           {0, 131, Edge::bottom_left},
      {17, 122, Edge::bottom_left},  {9, 114, Edge::bottom_left},   {419, 131, Edge::bottom_right},
      {402, 122, Edge::bottom_right}, {410, 114, Edge::bottom_right}, {210, 5, Edge::top},
      {210, 9, Edge::top},           {210, 10, Edge::none},         {210, 122, Edge::bottom},
      {210, 121, Edge::none},        {9, 66, Edge::left},           {10, 66, Edge::none},
      {410, 66, Edge::right},        {409, 66, Edge::none},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::edge_at(c.x, c.y, w, h), c.want) << c.x << "," << c.y;
  }
}

TEST(Input, WheelDirection) {
  EXPECT_EQ(platform::wheel_direction(3), -1);
  EXPECT_EQ(platform::wheel_direction(1), -1);
  EXPECT_EQ(platform::wheel_direction(-2), 1);
  EXPECT_EQ(platform::wheel_direction(0), 0);
}

TEST(Clock, CarriesTheWrapOfThe32BitCounter) {
  const std::uint64_t base = platform::extend_ticks(0xFFFFFF00u);
  EXPECT_EQ(platform::extend_ticks(0xFFFFFFFFu) - base, 0xFFu);
  const std::uint64_t wrapped = platform::extend_ticks(5);
  EXPECT_EQ(wrapped - base, 0x105u);
  EXPECT_EQ(platform::extend_ticks(5), wrapped);
  const std::uint64_t later = platform::extend_ticks(0x80000000u);
  EXPECT_EQ(later - wrapped, 0x80000000u - 5);
  // A second wrap adds another 2^32.
  EXPECT_EQ(platform::extend_ticks(1) - base, ((std::uint64_t{1} << 33) + 1) - 0xFFFFFF00u);
}

TEST(TubeTints, HeaterAndGlowPasses) {
  struct Case {
    float heater, glow;
    int heat, core, glow_tint;
  };
  const Case cases[] = {
      {0.0f, 1.0f, 0, 0, 0},       // cold tube: nothing, whatever the glow
      {1.0f, 0.0f, 107, 0, 0},     // only the first pass at 0.42
      {1.0f, 1.0f, 255, 217, 255}, // hot core at 0.85
      {0.4f, 1.0f, 102, 87, 0},    // glow needs the heater above half
      {0.002f, 1.0f, 0, 0, 0},
      {1.0f, 2.0f, 255, 217, 255}, // glow limited to 1
      {1.0f, 0.35f, 159, 0, 89},   // core starts above 0.35 glow
  };
  for (const Case& c : cases) {
    const platform::TubeTints t = platform::tube_tints(c.heater, c.glow);
    EXPECT_EQ(t.heat, c.heat) << c.heater << "/" << c.glow;
    EXPECT_EQ(t.core, c.core) << c.heater << "/" << c.glow;
    EXPECT_EQ(t.glow, c.glow_tint) << c.heater << "/" << c.glow;
  }
}

}  // namespace
