// The static pictures, off screen: base and overlay composed at the three
// reference sizes in both themes and compared with committed images. Run
// with --update-goldens to write the images instead (scripts/update-goldens).
#include <gtest/gtest.h>

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ostream>
#include <string>

#include "gfx/theme.h"
#include "settings/settings.h"
#include "tests/ui/golden_render.h"
#include "ui/ui.h"
#include "ui/ui_state.h"

namespace {

bool g_update = false;

struct Picture {
  const char* name;
  int w, h;
  bool compact, collapsed, dark;
};

constexpr Picture kPictures[] = {
    {"full_dark", 1180, 780, false, false, true},   {"full_light", 1180, 780, false, false, false},
    {"folded_dark", 1180, 348, false, true, true},  {"folded_light", 1180, 348, false, true, false},
    {"compact_dark", 420, 132, true, false, true},  {"compact_light", 420, 132, true, false, false},
};

// Largest channel difference any pixel may show (edge anti-aliasing of a
// different cairo or pixman build).
constexpr int kChannelTolerance = 24;

void PrintTo(const Picture& p, std::ostream* os) { *os << p.name; }

class Golden : public ::testing::TestWithParam<Picture> {};

TEST_P(Golden, MatchesCommittedImage) {
  const Picture& p = GetParam();
  Settings s;
  s.compact = p.compact;
  s.collapsed = p.collapsed;
  theme::set_dark(p.dark);
  cairo_surface_t* got = testui::render(&s, p.w, p.h);
  ASSERT_EQ(cairo_surface_status(got), CAIRO_STATUS_SUCCESS);
  const std::string path = std::string(VLM_GOLDEN_DIR) + "/" + p.name + ".png";
  if (g_update) {
    ASSERT_EQ(cairo_surface_write_to_png(got, path.c_str()), CAIRO_STATUS_SUCCESS) << path;
    cairo_surface_destroy(got);
    GTEST_SKIP() << "wrote " << path;
  }
  cairo_surface_t* want = cairo_image_surface_create_from_png(path.c_str());
  ASSERT_EQ(cairo_surface_status(want), CAIRO_STATUS_SUCCESS) << "missing golden " << path;
  ASSERT_EQ(cairo_image_surface_get_width(want), p.w);
  ASSERT_EQ(cairo_image_surface_get_height(want), p.h);
  const testui::Diff d = testui::compare(got, want, kChannelTolerance);
  EXPECT_EQ(d.outliers, 0) << p.name << ": largest channel difference " << d.max_channel << " at "
                           << d.worst_x << "," << d.worst_y
                           << "; scripts/update-goldens rewrites the images after an intended change";
  cairo_surface_destroy(want);
  cairo_surface_destroy(got);
}

INSTANTIATE_TEST_SUITE_P(Views, Golden, ::testing::ValuesIn(kPictures),
                         [](const auto& info) { return std::string(info.param.name); });

// Colour of the pixel at (x, y), unpremultiplied, as 0xAARRGGBB.
unsigned pixel(cairo_surface_t* s, float x, float y) {
  cairo_surface_flush(s);
  const unsigned char* row = cairo_image_surface_get_data(s) +
                             static_cast<int>(y) * cairo_image_surface_get_stride(s);
  const std::uint32_t p = reinterpret_cast<const std::uint32_t*>(row)[static_cast<int>(x)];
  const unsigned a = p >> 24;
  if (a == 0) return 0;
  auto un = [&](int shift) { return (((p >> shift) & 0xFF) * 255 + a / 2) / a; };
  return a << 24 | un(16) << 16 | un(8) << 8 | un(0);
}

bool near_colour(unsigned a, unsigned b) {
  for (int shift = 0; shift < 24; shift += 8)
    if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 40)
      return false;
  return true;
}

// A value arc runs from the knob's origin (top for bipolar knobs, the left
// stop otherwise) and burns in the unit colour only while the unit is lit;
// the unit's accent rail goes dark with the effect.
TEST(Lighting, ValueArcsAndUnitAccentFollowTheEffect) {
  struct Case {
    bool active;
    int knob;
    bool arc_lit;  // the arc at -67.5 degrees shows the tube colour
  } const cases[] = {
      {true, fx::kFat, true},    // unipolar at 0.5: arc from -135 to 0
      {true, fx::kBias, false},  // bipolar at 0.5: no arc at all
      {false, fx::kFat, false},  // effect off: the arc is not lit
  };
  theme::set_dark(true);
  for (const Case& c : cases) {
    Settings s;
    s.active = c.active;
    s.params.knob[fx::kFat] = 0.5f;
    s.params.knob[fx::kBias] = 0.5f;
    cairo_surface_t* got = testui::render(&s, 1180, 780);
    const ui::KnobPlace& k = ui::state::L.knob[c.knob];
    const float a = -67.5f * 3.14159265f / 180, radius = k.r + 4.5f;
    const unsigned arc = pixel(got, k.cx + radius * std::sin(a), k.cy - radius * std::cos(a));
    EXPECT_EQ(near_colour(arc, theme::tube_color()), c.arc_lit)
        << "knob " << c.knob << " active " << c.active << " pixel " << std::hex << arc;
    const gfx::Rect& u = ui::state::L.unit_panel[0];
    const unsigned rail = pixel(got, u.x + 7.5f, u.y + u.h / 2);
    EXPECT_EQ(near_colour(rail, theme::tube_color()), c.active) << std::hex << rail;
    cairo_surface_destroy(got);
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--update-goldens") == 0) g_update = true;
  ::testing::InitGoogleTest(&argc, argv);
  testui::setup();
  return RUN_ALL_TESTS();
}
