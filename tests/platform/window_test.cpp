// The built program with a real window on a private X server (Xvfb) and a
// private PulseAudio daemon: first picture, size and content of the window,
// raise by a second start, aspect keeping after a resize, the window state
// kept over SIGTERM and a restart, the compact view, and no display at all.
#include <cairo.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "gfx/theme.h"
#include "tests/audio/sound_server.h"
#include "tests/ui/real_window.h"

namespace {

struct Picture {
  int distinct = 0;  // distinct colours among the sampled pixels
  int tube = 0;      // pixels in the tube unit's accent colour
  int comp = 0;      // pixels in the compressor unit's accent colour
};

bool near(unsigned px, unsigned colour) {
  for (int shift : {16, 8, 0})
    if (std::abs(static_cast<int>((px >> shift) & 0xFF) - static_cast<int>((colour >> shift) & 0xFF)) > 6)
      return false;
  return true;
}

Picture look_at(const std::string& png) {
  Picture p;
  cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
  if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
    const int w = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    std::vector<unsigned> seen;
    for (int y = 0; y < h; ++y) {
      const auto* row = reinterpret_cast<const unsigned*>(cairo_image_surface_get_data(s) +
                                                          y * cairo_image_surface_get_stride(s));
      for (int x = 0; x < w; ++x) {
        const unsigned px = row[x] & 0xFFFFFF;
        p.tube += near(px, theme::tube_color());
        p.comp += near(px, theme::comp_color());
        if (seen.size() < 4096 && x % 7 == 0 && y % 7 == 0 &&
            std::find(seen.begin(), seen.end(), px) == seen.end())
          seen.push_back(px);
      }
    }
    p.distinct = static_cast<int>(seen.size());
  }
  cairo_surface_destroy(s);
  return p;
}

using WindowRun = rw::WindowTest;

TEST_F(WindowRun, OpensRaisesKeepsAspectAndPersists) {
  rw::Session& w = w_;
  ASSERT_TRUE(w.start_program()) << "no first picture or window:\n" << w.log();
  EXPECT_TRUE(th::wait_for([] { return th::default_sink() == "velmora"; }, 10000))
      << "effect did not take the default device";
  EXPECT_TRUE(w.reaches(1180, 780)) << w.geometry().w << "x" << w.geometry().h;

  // The first picture may still be on its way through the X server.
  const std::string shot = w.server().dir() + "/window.png";
  theme::set_dark(true);
  Picture pic;
  th::wait_for([&] {
    th::run({"import", "-window", w.id(), "png:" + shot});
    pic = look_at(shot);
    return pic.distinct > 100 && pic.tube > 50 && pic.comp > 50;
  }, 5000);
  EXPECT_GT(pic.distinct, 100) << "the window looks plain";
  EXPECT_GT(pic.tube, 50) << "no tube unit to be seen";
  EXPECT_GT(pic.comp, 50) << "no compressor unit to be seen";

  // Width leads after a drag of the right edge: 1400 x lround(1400 * 780 / 1180).
  th::run({"xdotool", "windowsize", w.id(), "1400", "780"});
  EXPECT_TRUE(w.reaches(1400, 925)) << w.geometry().w << "x" << w.geometry().h;

  // A second start brings the first window back instead of opening another.
  // (Last: without a window manager SDL does not see the window mapped again.)
  const std::string id = w.id();
  th::run({"xdotool", "windowunmap", id});
  ASSERT_TRUE(th::wait_for([] { return rw::Session::window_id(true).empty(); }, 5000));
  int code = -1;
  EXPECT_EQ(th::run({VLM_BINARY}, &code), "Velmora laeuft bereits — Fenster nach vorn geholt.\n");
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(th::wait_for([&] { return rw::Session::window_id(true) == id; }, 5000))
      << "first window not raised";

  EXPECT_TRUE(w.stop_program()) << "SIGTERM did not end the window run with exit code 0";
  EXPECT_EQ(th::default_sink(), "speakers") << "routing not put back";
  const std::string kept = rw::Session::saved();
  EXPECT_NE(kept.find("\nwin_w=1400\nwin_h=925\n"), std::string::npos) << kept;

  // The saved size is scaled to 1180:780 by its smaller factor, 925/780.
  ASSERT_TRUE(w.start_program()) << "restart:\n" << w.log();
  EXPECT_TRUE(w.reaches(1399, 925)) << w.geometry().w << "x" << w.geometry().h;
  EXPECT_TRUE(w.stop_program());
  ASSERT_TRUE(w.start_program({"--compact"})) << "compact:\n" << w.log();
  EXPECT_TRUE(w.reaches(420, 132)) << w.geometry().w << "x" << w.geometry().h;
  EXPECT_TRUE(w.stop_program());
  EXPECT_EQ(th::default_sink(), "speakers");

  // No display: the window run ends at once with exit code 1, in order.
  ::unsetenv("DISPLAY");
  ::unlink((w.config_dir() + "/Velmora.log").c_str());
  th::run({VLM_BINARY}, &code);
  EXPECT_EQ(code, 1);
  EXPECT_NE(w.log().find("FEHLER SDL_Init: "), std::string::npos) << w.log();
  EXPECT_NE(w.log().find("INFO  Beendet"), std::string::npos) << w.log();
  EXPECT_EQ(th::default_sink(), "speakers");
}

}  // namespace
