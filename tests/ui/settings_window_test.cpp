// The settings page and the notes in the real window: the autostart switch
// writes and removes the desktop entry, and under a right-to-left language
// the crash note's paragraph runs from the right edge.
#include <gtest/gtest.h>

#include <cairo.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>
#include <algorithm>

#include "desktop/i18n.h"
#include "gfx/gfx.h"
#include "tests/audio/sound_server.h"
#include "tests/ui/real_window.h"

namespace {

// Reference points of the 1180 x 780 window: the gear button, and the
// autostart switch of the page's panel (820 x 500, centred).
constexpr float kGearX = 1141, kGearY = 35;
constexpr float kAutostartX = 180 + 28 + 23, kAutostartY = 140 + 24 + 46 + 16;

class SettingsWindow : public rw::WindowTest {
 protected:
  void TearDown() override { ::unsetenv("VLMR_LANG"); }
};

TEST_F(SettingsWindow, AutostartSwitchWritesAndRemovesTheEntry) {
  const std::string entry = std::string(std::getenv("HOME")) + "/.config/autostart/Velmora.desktop";
  ASSERT_FALSE(rw::exists(entry));
  ASSERT_TRUE(w_.start_program());
  w_.click(kGearX, kGearY);
  rw::Session::pause_past_double_click();
  w_.click(kAutostartX, kAutostartY);
  EXPECT_TRUE(th::wait_for([&] { return rw::exists(entry); }, 5000));
  EXPECT_NE(th::read_file(entry).find("Exec="), std::string::npos);
  rw::Session::pause_past_double_click();
  w_.click(kAutostartX, kAutostartY);
  EXPECT_TRUE(th::wait_for([&] { return !rw::exists(entry); }, 5000));
  EXPECT_TRUE(w_.stop_program());
}

struct Margins {
  float left = 0, right = 0;  // reference units between the ink and the block's sides
};

// The ink margins of each line of a text block in a screenshot (light text
// on a dark panel), lines being bands of the given height.
std::vector<Margins> line_margins(cairo_surface_t* shot, double scale, gfx::Rect block,
                                  float line_h) {
  const int stride = cairo_image_surface_get_stride(shot);
  const unsigned char* data = cairo_image_surface_get_data(shot);
  auto bright = [&](int x, int y) {
    const unsigned px = reinterpret_cast<const unsigned*>(data + y * stride)[x];
    return ((px >> 16) & 0xFF) + ((px >> 8) & 0xFF) + (px & 0xFF) > 3 * 150;
  };
  std::vector<Margins> out;
  const int x_lo = static_cast<int>(block.x * scale), x_hi = static_cast<int>((block.x + block.w) * scale);
  for (float top = block.y; top + line_h / 2 < block.y + block.h; top += line_h) {
    int x0 = x_hi, x1 = x_lo - 1;
    for (int y = static_cast<int>(top * scale); y < (top + line_h) * scale; ++y)
      for (int x = x_lo; x < x_hi; ++x)
        if (bright(x, y)) {
          x0 = std::min(x0, x);
          x1 = std::max(x1, x);
        }
    if (x1 >= x0)
      out.push_back({static_cast<float>(x0 / scale - block.x),
                     static_cast<float>(block.x + block.w - (x1 + 1) / scale)});
  }
  return out;
}

TEST_F(SettingsWindow, RightToLeftLanguageRunsItsParagraphsFromTheRight) {
  gfx::init(nullptr);
  for (const char* lang : {"ar", "en"}) {
    ::setenv("VLMR_LANG", lang, 1);
    i18n::set_language(lang);
    // The crash note's text block, placed as the window places it.
    const float pw = 520, th = gfx::wrapped_height(i18n::T("crash_text"), 13, pw - 48);
    const float px = (1180 - pw) / 2, py = (780 - (th + 154)) / 2;
    th::run({"mkdir", "-p", w_.config_dir()});
    std::ofstream(w_.config_dir() + "/crash_report.txt") << "Signal 11\n";
    ASSERT_TRUE(w_.start_program()) << lang;
    ::usleep(500 * 1000);
    const std::string png = w_.server().dir() + "/shot.png";
    th::run({"import", "-window", w_.id(), png});
    cairo_surface_t* shot = cairo_image_surface_create_from_png(png.c_str());
    ASSERT_EQ(cairo_surface_status(shot), CAIRO_STATUS_SUCCESS) << lang;
    const double scale = cairo_image_surface_get_width(shot) / 1180.0;
    const float line_h = gfx::wrapped_height("x", 13, 100);
    const std::vector<Margins> lines =
        line_margins(shot, scale, {px + 24, py + 66, pw - 48, th}, line_h);
    cairo_surface_destroy(shot);
    ASSERT_GE(lines.size(), 2u) << lang;
    // Every line starts at the paragraph's start side; the other side is ragged.
    const bool rtl = std::string(lang) == "ar";
    float ragged = 0;
    for (const Margins& m : lines) {
      EXPECT_LT(rtl ? m.right : m.left, 4) << lang;
      ragged = std::max(ragged, rtl ? m.left : m.right);
    }
    EXPECT_GT(ragged, 8) << lang;
    w_.kill_program();
  }
}

}  // namespace
