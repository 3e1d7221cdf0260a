// The built program in a real window on private X and sound servers, driven by hand: the first picture,
// the output knob heard, the power switch, folding, aspect keeping, the raise by a second start, the
// window state kept over SIGTERM, and the compact view's buttons.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "gfx/theme.h"
#include "tests/audio/sound_server.h"
#include "tests/ui/real_window.h"

namespace {

// Reference points of the full window (1180 x 780) and the compact view.
constexpr float kPowerX = 1000, kPowerY = 35;
constexpr float kCompactX = 1091, kCompactY = 35;
constexpr float kOutputX = 1061, kOutputY = 620;       // the output knob's centre
constexpr float kFoldX = 590, kFoldY = 330;
constexpr float kExpandX = 363, kQuitX = 396, kMiniButtonY = 18;  // compact view: full window, quit

// Pixels of the window in the tube unit's and the compressor unit's accent colours.
std::pair<int, int> accent_pixels(const std::string& id) {
  const std::string rgb = th::run({"import", "-window", id, "-depth", "8", "rgb:-"});
  auto near = [&](std::size_t i, unsigned colour) {
    for (int c = 0; c < 3; ++c)
      if (std::abs(static_cast<unsigned char>(rgb[i + c]) - int((colour >> (16 - 8 * c)) & 0xFF)) > 6) return false;
    return true;
  };
  std::pair<int, int> n{0, 0};
  for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) {
    n.first += near(i, theme::tube_color());
    n.second += near(i, theme::comp_color());
  }
  return n;
}

TEST(Window, DrivenByHandKeepsAspectRaisesAndPersists) {
  rw::Session w_;
  ASSERT_TRUE(w_.start_servers()) << w_.server().log_text();
  ASSERT_TRUE(w_.start_program()) << "no first picture or window:\n" << w_.log();
  ASSERT_TRUE(w_.routed()) << "effect did not take the default device";
  EXPECT_TRUE(w_.reaches(1180, 780)) << w_.size_text();
  // The first picture may still be on its way through the X server.
  std::pair<int, int> accents;
  th::wait_for([&] { return (accents = accent_pixels(w_.id())).first > 50 && accents.second > 50; }, 5000);
  EXPECT_GT(accents.first, 50) << "no tube unit to be seen";
  EXPECT_GT(accents.second, 50) << "no compressor unit to be seen";

  // Wheel steps of half a decibel are heard, down and up; a double click undoes them.
  ASSERT_TRUE(w_.play_tone());
  const double start_db = w_.output_level();
  ASSERT_GT(start_db, -60) << "no tone on the output device";
  w_.click(kOutputX, kOutputY, 5, 12);  // button 5: the wheel down
  const double lowered_db = w_.output_level();
  EXPECT_NEAR(start_db - lowered_db, 6.0, 1.0) << start_db << " -> " << lowered_db;
  w_.click(kOutputX, kOutputY, 4, 4);
  EXPECT_NEAR(w_.output_level() - lowered_db, 2.0, 1.0) << "four steps up from " << lowered_db;
  w_.click(kOutputX, kOutputY, 1, 2);
  EXPECT_NEAR(w_.output_level(), start_db, 1.0) << "double click did not restore the level";

  rw::Session::pause_past_double_click();
  w_.click(kPowerX, kPowerY);
  EXPECT_TRUE(w_.unrouted()) << "effect switched off, routing still up";
  rw::Session::pause_past_double_click();
  w_.click(kPowerX, kPowerY);
  EXPECT_TRUE(w_.routed()) << "effect switched on again, routing still down";
  w_.click(kFoldX, kFoldY);
  EXPECT_TRUE(w_.reaches(1180, 348)) << w_.size_text();
  rw::Session::pause_past_double_click();
  w_.click(kFoldX, kFoldY);
  EXPECT_TRUE(w_.reaches(1180, 780)) << w_.size_text();

  // Width leads after a drag of the right edge: 1400 x lround(1400 * 780 / 1180).
  th::run({"xdotool", "windowsize", w_.id(), "1400", "780"});
  EXPECT_TRUE(w_.reaches(1400, 925)) << w_.size_text();

  // A second start raises the first window (last: without a window manager SDL misses the new mapping).
  const std::string id = w_.id();
  th::run({"xdotool", "windowunmap", id});
  ASSERT_TRUE(th::wait_for([] { return rw::Session::window_id().empty(); }, 5000));
  int code = -1;
  EXPECT_EQ(th::run({VLM_BINARY}, &code), "Velmora laeuft bereits — Fenster nach vorn geholt.\n");
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(th::wait_for([&] { return rw::Session::window_id() == id; }, 5000)) << "first window not raised";

  EXPECT_TRUE(w_.stop_program()) << "SIGTERM did not end the window run with exit code 0";
  EXPECT_EQ(th::default_sink(), "speakers") << "routing not put back";
  EXPECT_NE(rw::Session::saved().find("\nwin_w=1400\nwin_h=925\n"), std::string::npos) << rw::Session::saved();
  // The saved size is scaled to 1180:780 by its smaller factor, 925/780.
  ASSERT_TRUE(w_.start_program()) << "restart:\n" << w_.log();
  EXPECT_TRUE(w_.reaches(1399, 925)) << w_.size_text();
  EXPECT_TRUE(w_.stop_program());
  ASSERT_TRUE(w_.start_program({"--compact"})) << "compact:\n" << w_.log();
  EXPECT_TRUE(w_.reaches(420, 132)) << w_.size_text();
  w_.click(kExpandX, kMiniButtonY);
  EXPECT_TRUE(w_.reaches(1399, 925)) << "full window not back at its kept size: " << w_.size_text();
  w_.click(kCompactX, kCompactY);
  EXPECT_TRUE(w_.reaches(420, 132)) << w_.size_text();
  w_.click(kQuitX, kMiniButtonY);
  EXPECT_TRUE(w_.ended()) << "the compact view's quit button did not end the program";
  EXPECT_TRUE(w_.unrouted()) << "routing not put back after quitting";
}

}  // namespace
