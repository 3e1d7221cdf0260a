// Sizing, placing, aspect keeping, resize edges and the tick clock's wrap: what one real window cannot reach.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "platform/geometry.h"
#include "platform/platform.h"

namespace {

using platform::Box;

const Box kHd{0, 0, 1920, 1080};

TEST(Geometry, OpeningSizeFromSavedValuesAndDisplay) {
  const Box small{0, 0, 1024, 600}, narrow{0, 0, 300, 200};
  const struct {
    const char* what;
    bool compact, collapsed;
    int saved_w, saved_h;
    const Box* usable;
    int w, h, min_w, min_h;
  } cases[] = {
      {"saved full size kept", false, false, 944, 624, &kHd, 944, 624, 590, 390},
      {"off ratio keeps 1180:780", false, false, 1400, 780, &kHd, 1180, 780, 590, 390},
      {"limited by a small display", false, false, 1180, 780, &small, 817, 540, 590, 390},
      {"collapsed", false, true, 0, 0, &kHd, 1180, 348, 590, 174},
      {"no display bounds", false, false, 2360, 1560, nullptr, 2360, 1560, 590, 390},
      {"compact 419 x 200 is ignored", true, false, 419, 200, &kHd, 420, 132, 420, 132},
      {"compact saved size scaled", true, false, 840, 300, &kHd, 840, 264, 420, 132},
      {"compact on a tiny display", true, false, 0, 0, &narrow, 280, 88, 420, 132},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const platform::ModeSize m = platform::mode_size(c.compact, c.collapsed, c.saved_w, c.saved_h, c.usable);
    EXPECT_EQ(m.w, c.w);
    EXPECT_EQ(m.h, c.h);
    EXPECT_EQ(m.min_w, c.min_w);
    EXPECT_EQ(m.min_h, c.min_h);
  }
}

TEST(Geometry, SavedPositionsOnAndOffEveryDisplay) {
  const std::vector<Box> two{kHd, {1920, 0, 1280, 1024}};
  const Box panelled{0, 28, 1920, 1052};  // a top panel of 28 pixels
  const struct {
    const char* what;
    int x, y, w, h;
    const Box* primary;
    int want_x, want_y;
  } cases[] = {
      {"on the second display", 2000, 100, 1180, 780, &kHd, 2000, 100},
      {"corner off, probe point on", -500, 10, 1180, 780, &kHd, -500, 10},
      {"middle past the right edge", 2700, 100, 1180, 780, &kHd, 370, 150},
      {"right edge is outside", 3200 - 590, 0, 1180, 780, &kHd, 370, 150},
      {"only x saved", 100, -1, 1180, 780, &kHd, 370, 150},
      {"compact off every display", 5000, 5000, 420, 132, &kHd, 1476, 924},
      {"compact corner of the usable area", -1, -1, 420, 132, &panelled, 1476, 28 + 1052 - 132 - 24},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const platform::Point p = platform::place_window(c.x, c.y, c.w, c.h, two, *c.primary);
    EXPECT_EQ(p.x, c.want_x);
    EXPECT_EQ(p.y, c.want_y);
  }
}

TEST(Geometry, AspectCorrectionAfterAResize) {
  const Box big{0, 0, 2560, 1440}, low{0, 0, 1920, 900};
  const struct {
    const char* what;
    int w, h, ref_w, ref_h;
    const Box* usable;
    int want_w, want_h;
  } cases[] = {
      {"dragged to 1000 high", 1180, 1000, 1180, 780, &big, 1513, 1000},
      {"both changed, width more", 1500, 800, 1180, 780, &big, 1500, 992},
      {"fitted into the usable area", 1400, 780, 1180, 780, &low, 1361, 900},
      {"raised to the minimum", 300, 780, 1180, 780, &big, 590, 390},
      {"collapsed view", 1400, 348, 1180, 348, &big, 1400, 413},
      {"compact view", 630, 132, 420, 132, &big, 630, 198},
      {"no usable area known", 3000, 780, 1180, 780, nullptr, 3000, 1983},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const bool compact = c.ref_w == 420;
    const platform::Size s = platform::aspect_size(
        {c.w, c.h, c.ref_w, c.ref_h, c.ref_w, c.ref_h, compact ? 420 : 590, compact ? 132 : c.ref_h / 2, c.usable});
    EXPECT_EQ(s.w, c.want_w);
    EXPECT_EQ(s.h, c.want_h);
  }
  // A rounding difference of one pixel must not make the window jitter; two pixels resize.
  EXPECT_FALSE(platform::worth_resizing({1181, 780},
                                        platform::aspect_size({1181, 780, 1180, 780, 1180, 780, 590, 390})));
  EXPECT_TRUE(platform::worth_resizing({1180, 780}, {1180, 782}));
}

TEST(Geometry, CompactResizeZones) {
  using platform::Edge;
  const struct {
    int x, y;
    Edge want;
  } cases[] = {
      {17, 9, Edge::top_left},       {9, 17, Edge::top_left},     {18, 9, Edge::top},
      {9, 18, Edge::left},           {419, 17, Edge::top_right},  {17, 122, Edge::bottom_left},
      {402, 122, Edge::bottom_right}, {210, 9, Edge::top},        {210, 10, Edge::none},
      {210, 122, Edge::bottom},      {210, 121, Edge::none},      {410, 66, Edge::right},
      {409, 66, Edge::none},
  };
  for (const auto& c : cases) EXPECT_EQ(platform::edge_at(c.x, c.y, 420, 132), c.want) << c.x << "," << c.y;
}

TEST(Geometry, ClockCarriesTheWrapOfThe32BitCounter) {
  const std::uint64_t base = platform::extend_ticks(0xFFFFFF00u);
  const std::uint64_t wrapped = platform::extend_ticks(5);
  EXPECT_EQ(wrapped - base, 0x105u);
  EXPECT_EQ(platform::extend_ticks(0x80000000u) - wrapped, 0x80000000u - 5);
  EXPECT_EQ(platform::extend_ticks(1) - base, ((std::uint64_t{1} << 33) + 1) - 0xFFFFFF00u);
}

}  // namespace
