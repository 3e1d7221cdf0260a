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
constexpr double kToneHz = 1000;

class Interaction : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(w_.start_servers()) << w_.server().log_text(); }
  void TearDown() override {
    if (player_ > 0) th::stop_child(player_);
  }

  bool routed() { return th::wait_for([] { return th::default_sink() == "velmora"; }, 10000); }
  bool unrouted() { return th::wait_for([] { return th::default_sink() == "speakers"; }, 10000); }

  // Level of the test tone on the real output device, once it has settled.
  double output_level() {
    th::wait_for([] { return false; }, 400);  // past the glide and the stream's buffer
    return th::goertzel_db(th::record("speakers.monitor", 1.0), 0, kToneHz);
  }

  rw::Session w_;
  pid_t player_ = -1;
};

TEST_F(Interaction, PowerSwitchTakesTheRoutingDownAndUp) {
  ASSERT_TRUE(w_.start_program()) << w_.log();
  ASSERT_TRUE(routed());
  w_.click(kPowerX, kPowerY);
  EXPECT_TRUE(unrouted()) << "effect switched off, routing still up";
  w_.pause_past_double_click();
  w_.click(kPowerX, kPowerY);
  EXPECT_TRUE(routed()) << "effect switched on again, routing still down";
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
  ASSERT_TRUE(routed());
  player_ = th::spawn({VLM_TEST_PLAYER, "--app", "tone", "--freq", "1000", "--amp", "0.05"});
  ASSERT_TRUE(th::wait_for([] { return th::sink_of_app("tone") == "velmora"; }, 10000));
  const double start_db = output_level();
  ASSERT_GT(start_db, -60) << "no tone on the output device";

  // Twelve steps towards the user, half a decibel each.
  w_.wheel(kOutputX, kOutputY, -12);
  const double lowered_db = output_level();
  EXPECT_NEAR(start_db - lowered_db, 6.0, 1.0) << start_db << " -> " << lowered_db;

  w_.double_click(kOutputX, kOutputY);
  EXPECT_NEAR(output_level(), start_db, 1.0) << "double click did not restore the level";
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
  ASSERT_TRUE(unrouted()) << "the guard did not put the routing back";

  ASSERT_TRUE(w_.start_program()) << w_.log();
  EXPECT_TRUE(w_.reaches(420, 132)) << "compact view not remembered: " << w_.geometry().w
                                    << "x" << w_.geometry().h;
  w_.click(kExpandX, kExpandY);
  EXPECT_TRUE(w_.reaches(1180, 780)) << w_.geometry().w << "x" << w_.geometry().h;
  w_.click(kCompactX, kCompactY);
  ASSERT_TRUE(w_.reaches(420, 132));
  w_.click(kQuitX, kQuitY);
  EXPECT_TRUE(w_.ended()) << "the compact view's quit button did not end the program";
  EXPECT_TRUE(unrouted()) << "routing not put back after quitting";
}

}  // namespace
