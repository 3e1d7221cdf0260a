// Presets by hand in the real window: a preset chosen from a unit's menu is
// heard on the output device, and a user preset saved under a typed name is
// in the menu again after a restart.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>

#include "tests/audio/sound_server.h"
#include "tests/ui/real_window.h"

namespace {

// Reference points of the 1180 x 780 window. The tube unit's menu opens
// below its field, the compressor unit's above its own (no room below).
constexpr float kTubeFieldX = 290, kTubeFieldY = 357;
constexpr float kTubeSaveX = 427, kTubeSaveY = 357;
constexpr float kCompFieldX = 283, kCompFieldY = 555;
constexpr float kPopupX = 260;
float tube_row_y(int row) { return 375 + 4 + 28 * row + 14; }
float comp_row_y(int row) { return 537 - (9 * 28 + 8) + 4 + 28 * row + 14; }
constexpr int kCompGentleRow = 1, kCompNightRow = 6;  // 0 is the header
constexpr int kTubeNeutralRow = 2, kTubeRadioRow = 10, kTubeFirstUserRow = 12;

// A value of the stored settings, "" when the key is missing.
std::string saved_value(const std::string& key) {
  std::istringstream in(rw::Session::saved());
  std::string line;
  while (std::getline(in, line))
    if (line.rfind(key + "=", 0) == 0) return line.substr(key.size() + 1);
  return "";
}

bool saved_as(const std::string& key, const std::string& value) {
  return th::wait_for([&] { return saved_value(key) == value; }, 8000);
}

// The switches and the eight tube knobs of a stored parameter line.
std::string tube_part(const std::string& params) {
  std::size_t at = 0;
  for (int field = 0; field < 11 && at != std::string::npos; ++field) at = params.find(',', at + 1);
  return params.substr(0, at);
}

class PresetWindow : public rw::WindowTest {
 protected:
  void choose(float field_x, float field_y, float row_y) {
    w_.click(field_x, field_y);
    rw::Session::pause_past_double_click();
    w_.click(kPopupX, row_y);
    rw::Session::pause_past_double_click();
  }
};

TEST_F(PresetWindow, ChosenPresetReachesTheSound) {
  ASSERT_TRUE(w_.start_program()) << w_.log();
  ASSERT_TRUE(w_.routed());
  ASSERT_TRUE(w_.play_tone());
  const double gentle_db = w_.output_level();
  ASSERT_GT(gentle_db, -60) << "no tone on the output device";

  // Night mode compresses this quiet tone hard and makes it up by 18 dB.
  choose(kCompFieldX, kCompFieldY, comp_row_y(kCompNightRow));
  const double night_db = w_.output_level();
  std::printf("LEVELS gentle %.2f night %.2f\n", gentle_db, night_db);
  EXPECT_GT(night_db - gentle_db, 3.0) << gentle_db << " -> " << night_db;
  EXPECT_TRUE(saved_as("comp_preset", "b:preset_night")) << rw::Session::saved();

  choose(kCompFieldX, kCompFieldY, comp_row_y(kCompGentleRow));
  EXPECT_NEAR(w_.output_level(), gentle_db, 1.0) << "the first preset does not sound as before";
  EXPECT_TRUE(w_.stop_program());
}

TEST_F(PresetWindow, UserPresetSavedWithATypedNameSurvivesARestart) {
  ASSERT_TRUE(w_.start_program()) << w_.log();
  choose(kTubeFieldX, kTubeFieldY, tube_row_y(kTubeRadioRow));
  w_.click(kTubeSaveX, kTubeSaveY);
  rw::Session::pause_past_double_click();  // the dialog opens with the next frame
  w_.type("Abend 2");
  w_.key("Return");
  ASSERT_TRUE(saved_as("tube0_name", "Abend 2")) << rw::Session::saved();
  EXPECT_TRUE(saved_as("tube_preset", "u:Abend 2"));
  const std::string stored = tube_part(saved_value("tube0"));
  EXPECT_TRUE(w_.stop_program());

  ASSERT_TRUE(w_.start_program()) << w_.log();
  choose(kTubeFieldX, kTubeFieldY, tube_row_y(kTubeNeutralRow));
  ASSERT_TRUE(saved_as("tube_preset", "b:preset_neutral"));
  EXPECT_NE(tube_part(saved_value("params")), stored);
  choose(kTubeFieldX, kTubeFieldY, tube_row_y(kTubeFirstUserRow));
  EXPECT_TRUE(saved_as("tube_preset", "u:Abend 2")) << rw::Session::saved();
  EXPECT_TRUE(th::wait_for([&] { return tube_part(saved_value("params")) == stored; }, 8000))
      << saved_value("params") << " vs " << stored;
  EXPECT_TRUE(w_.stop_program());
}

}  // namespace
