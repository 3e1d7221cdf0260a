// The edges of the start-state switches; the common cases run through the
// built program in start_switches_test.sh.
#include "app/start_state.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace {

Settings applied(const std::vector<std::string>& args, Settings s) {
  start_state::apply(args, &s);
  return s;
}

TEST(StartState, SwitchesWithoutAUsableValueChangeNothing) {
  Settings before;
  before.win_x = 40;
  before.theme = "light";
  before.active_on_start = false;
  before.unit_preset = {"u:Mein", "u:Kompressor eigen"};
  for (const char* bad : {"0x5", "-1x2", "7", "5x0", "x5", "abc", "99999999999x5", "200000x5"}) {
    const Settings t = applied({"--size", bad, "--preset", "nonsense"}, before);
    EXPECT_EQ(std::vector<int>({t.win_w, t.win_h, t.win_x, t.mini_w}), std::vector<int>({0, 0, 40, 0})) << bad;
    EXPECT_EQ(t.unit_preset, before.unit_preset);
    EXPECT_FALSE(t.active);
  }
  EXPECT_EQ(applied({"--size"}, before).win_x, 40);
  EXPECT_EQ(applied({"--theme"}, before).theme, "light");
  EXPECT_EQ(applied({"--theme", "--theme", "dark"}, before).theme, "light");
}

// A preset name reaches each unit under its own key; the other unit keeps its own.
TEST(StartState, PresetNamesReachTheirUnits) {
  Settings before;
  before.unit_preset = {"u:Mein", "u:Kompressor eigen"};
  for (const auto& [name, tube, comp] : std::vector<std::tuple<const char*, const char*, const char*>>{
           {"night", "u:Mein", "b:preset_night"},
           {"gentle", "b:preset_gentle", "b:cpreset_gentle"},
           {"punch", "u:Mein", "b:cpreset_punch"}}) {
    const Settings s = applied({"--preset", name}, before);
    EXPECT_EQ(s.unit_preset[0] + " " + s.unit_preset[1], std::string(tube) + " " + comp) << name;
  }
}

}  // namespace
