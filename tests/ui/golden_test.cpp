// The static pictures, off screen: base and overlay composed at the three
// reference sizes in both themes and compared with committed images. Run
// with --update-goldens to write the images instead (scripts/update-goldens).
#include <gtest/gtest.h>

#include <cairo.h>

#include <cstdlib>
#include <cstring>
#include <ostream>
#include <string>

#include "desktop/i18n.h"
#include "gfx/gfx.h"
#include "gfx/theme.h"
#include "settings/settings.h"
#include "tests/ui/golden_render.h"
#include "ui/ui.h"

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

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--update-goldens") == 0) g_update = true;
  ::testing::InitGoogleTest(&argc, argv);
  testui::setup();
  return RUN_ALL_TESTS();
}
