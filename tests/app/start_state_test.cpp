#include "app/start_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fx/presets.h"

namespace {

Settings applied(const std::vector<std::string>& args, Settings s = Settings()) {
  start_state::apply(args, &s);
  return s;
}

TEST(StartState, OffAndActiveOnStart) {
  Settings s;
  s.active = false;
  EXPECT_TRUE(applied({}, s).active);  // the stored value is always replaced
  EXPECT_FALSE(applied({"--off"}, s).active);
  s.active = true;
  s.active_on_start = false;
  EXPECT_FALSE(applied({}, s).active);
}

TEST(StartState, CompactCollapsedAndTheme) {
  const Settings s = applied({"--compact", "--collapsed", "--theme", "light"});
  EXPECT_TRUE(s.compact);
  EXPECT_TRUE(s.collapsed);
  EXPECT_EQ(s.theme, "light");
  Settings light;
  light.theme = "light";
  EXPECT_EQ(applied({"--theme", "blue"}, light).theme, "light");
  EXPECT_EQ(applied({"--theme", "dark"}, light).theme, "dark");
  EXPECT_EQ(applied({"--theme"}, light).theme, "light");
}

TEST(StartState, SizeGoesToTheWindowOrTheCompactView) {
  Settings placed;
  placed.win_x = placed.win_y = 40;
  placed.mini_x = placed.mini_y = 7;
  Settings s = applied({"--size", "800x600"}, placed);
  EXPECT_EQ(s.win_w, 800);
  EXPECT_EQ(s.win_h, 600);
  EXPECT_EQ(s.win_x, -1);
  EXPECT_EQ(s.win_y, -1);
  EXPECT_EQ(s.mini_x, 7);

  s = applied({"--size", "800x600", "--compact"}, placed);
  EXPECT_EQ(s.mini_w, 800);
  EXPECT_EQ(s.mini_h, 600);
  EXPECT_EQ(s.mini_x, -1);
  EXPECT_EQ(s.mini_y, -1);
  EXPECT_EQ(s.win_w, 0);
  EXPECT_EQ(s.win_x, 40);

  for (const char* bad : {"0x5", "-1x2", "7", "5x0", "x5", "abc", "99999999999x5", "200000x5"}) {
    const Settings t = applied({"--size", bad}, placed);
    EXPECT_EQ(t.win_w, 0) << bad;
    EXPECT_EQ(t.win_h, 0) << bad;
    EXPECT_EQ(t.win_x, 40) << bad;
    EXPECT_EQ(t.mini_w, 0) << bad;
  }
  EXPECT_EQ(applied({"--size"}, placed).win_x, 40);
}

TEST(StartState, PresetWarmSetsTheTubeUnitOnly) {
  Settings before;
  before.params.tube_on = false;
  before.params.knob[fx::kDrive] = 0.9f;
  before.unit_preset = {"u:Mein", "u:Kompressor eigen"};
  const Settings s = applied({"--preset", "warm"}, before);
  EXPECT_EQ(s.unit_preset[0], "b:preset_warm");
  EXPECT_EQ(s.unit_preset[1], "u:Kompressor eigen");
  EXPECT_TRUE(s.params.tube_on);
  const auto& warm = fx::unit_presets(0)[fx::find_unit_preset(0, "preset_warm")].values;
  for (int k = 0; k < 8; ++k) EXPECT_EQ(s.params.knob[k], warm[k]) << k;
  for (int k = 8; k < fx::kKnobs; ++k) EXPECT_EQ(s.params.knob[k], before.params.knob[k]) << k;
}

TEST(StartState, PresetNamesReachBothUnitsByTheirKeys) {
  Settings s = applied({"--preset", "gentle"});
  EXPECT_EQ(s.unit_preset[0], "b:preset_gentle");
  EXPECT_EQ(s.unit_preset[1], "b:cpreset_gentle");
  s = applied({"--preset", "night"});
  EXPECT_EQ(s.unit_preset[0], "b:preset_warm");
  EXPECT_EQ(s.unit_preset[1], "b:preset_night");
  const auto& night = fx::unit_presets(1)[fx::find_unit_preset(1, "preset_night")].values;
  for (int k = 0; k < 7; ++k) EXPECT_EQ(s.params.knob[8 + k], night[k]);
  s = applied({"--preset", "punch"});
  EXPECT_EQ(s.unit_preset[1], "b:cpreset_punch");
  EXPECT_TRUE(fx::same(applied({"--preset", "nonsense"}).params, fx::standard_params()));
  EXPECT_EQ(applied({"--preset", "nonsense"}).unit_preset[0], "b:preset_warm");
}

TEST(StartState, PresetCleanSwitchesBothUnitsOffAndKeepsTheReferences) {
  Settings before;
  before.params.knob[fx::kDrive] = 0.9f;
  before.unit_preset = {"b:preset_crunch", "u:Eigen"};
  const Settings s = applied({"--preset", "clean"}, before);
  EXPECT_FALSE(s.params.tube_on);
  EXPECT_FALSE(s.params.comp_on);
  EXPECT_TRUE(s.params.limiter_on);
  EXPECT_TRUE(fx::same(s.params, fx::clean_params()));
  EXPECT_EQ(s.unit_preset[0], "b:preset_crunch");
  EXPECT_EQ(s.unit_preset[1], "u:Eigen");
}

}  // namespace
