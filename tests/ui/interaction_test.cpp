// The built program driven by hand on a private X server and sound server:
// the power switch and the fold button, the output knob heard on the output
// device, and the compact view kept over a restart and left by its buttons.
#include <gtest/gtest.h>

#include "tests/audio/sound_server.h"
#include "tests/ui/real_window.h"

namespace {

// Reference points of the full window (1180 x 780) and the compact view.
constexpr float kPowerX = 1000, kPowerY = 35;
constexpr float kCompactX = 1091, kCompactY = 35;
constexpr float kOutputX = 1061, kOutputY = 620;  // the output knob's centre
constexpr float kFoldX = 590, kFoldY = 330;       // folds and unfolds the knob rows
constexpr float kExpandX = 363, kExpandY = 18;    // compact view: back to the full window
constexpr float kQuitX = 396, kQuitY = 18;        // compact view: quit

using Interaction = rw::WindowTest;

TEST_F(Interaction, PowerSwitchTakesTheRoutingDownAndUp) {
  ASSERT_TRUE(w_.start_program()) << w_.log();
  ASSERT_TRUE(w_.routed());
  w_.click(kPowerX, kPowerY);
  EXPECT_TRUE(w_.unrouted()) << "effect switched off, routing still up";
  w_.pause_past_double_click();
  w_.click(kPowerX, kPowerY);
  EXPECT_TRUE(w_.routed()) << "effect switched on again, routing still down";
  w_.click(kFoldX, kFoldY);
  EXPECT_TRUE(w_.reaches(1180, 348)) << w_.geometry().w << "x" << w_.geometry().h;
  w_.pause_past_double_click();
  w_.click(kFoldX, kFoldY);
  EXPECT_TRUE(w_.reaches(1180, 780)) << w_.geometry().w << "x" << w_.geometry().h;
  EXPECT_TRUE(w_.stop_program());
  EXPECT_EQ(th::default_sink(), "speakers");
}

TEST_F(Interaction, OutputKnobWheelIsHeardAndDoubleClickPutsItBack) {
  ASSERT_TRUE(w_.start_program()) << w_.log();
  ASSERT_TRUE(w_.routed());
  ASSERT_TRUE(w_.play_tone());
  const double start_db = w_.output_level();
  ASSERT_GT(start_db, -60) << "no tone on the output device";

  // Twelve steps towards the user, half a decibel each.
  w_.wheel(kOutputX, kOutputY, -12);
  const double lowered_db = w_.output_level();
  EXPECT_NEAR(start_db - lowered_db, 6.0, 1.0) << start_db << " -> " << lowered_db;

  w_.double_click(kOutputX, kOutputY);
  EXPECT_NEAR(w_.output_level(), start_db, 1.0) << "double click did not restore the level";
  EXPECT_TRUE(w_.stop_program());
}

TEST_F(Interaction, CompactButtonShrinksTheWindowAndTheViewIsRemembered) {
  ASSERT_TRUE(w_.start_program()) << w_.log();
  ASSERT_TRUE(w_.reaches(1180, 780));
  w_.click(kCompactX, kCompactY);
  EXPECT_TRUE(w_.reaches(420, 132)) << w_.geometry().w << "x" << w_.geometry().h;
  // The change is saved shortly after, without waiting for the end: a killed
  // program still comes back in the compact view.
  EXPECT_TRUE(th::wait_for([] { return rw::Session::saved().find("\ncompact=1\n") !=
                                       std::string::npos; },
                           10000))
      << rw::Session::saved();
  w_.kill_program();
  ASSERT_TRUE(w_.unrouted()) << "the guard did not put the routing back";

  ASSERT_TRUE(w_.start_program()) << w_.log();
  EXPECT_TRUE(w_.reaches(420, 132)) << "compact view not remembered: " << w_.geometry().w
                                    << "x" << w_.geometry().h;
  w_.click(kExpandX, kExpandY);
  EXPECT_TRUE(w_.reaches(1180, 780)) << w_.geometry().w << "x" << w_.geometry().h;
  w_.click(kCompactX, kCompactY);
  ASSERT_TRUE(w_.reaches(420, 132));
  w_.click(kQuitX, kQuitY);
  EXPECT_TRUE(w_.ended()) << "the compact view's quit button did not end the program";
  EXPECT_TRUE(w_.unrouted()) << "routing not put back after quitting";
}

}  // namespace
