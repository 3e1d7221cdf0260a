// The edges of the start-state switches; the common cases run through the
// built program in start_switches_test.sh.
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

TEST(StartState, ActiveOnStartOffAndTheme) {
  Settings s;
  s.active_on_start = false;
  EXPECT_FALSE(applied({}, s).active);
  Settings light;
  light.theme = "light";
  EXPECT_EQ(applied({"--theme", "dark"}, light).theme, "dark");
  EXPECT_EQ(applied({"--theme"}, light).theme, "light");
}

TEST(StartState, BadSizesChangeNothing) {
  Settings placed;
  placed.win_x = placed.win_y = 40;
  for (const char* bad : {"0x5", "-1x2", "7", "5x0", "x5", "abc", "99999999999x5", "200000x5"}) {
    const Settings t = applied({"--size", bad}, placed);
    EXPECT_EQ(t.win_w, 0) << bad;
    EXPECT_EQ(t.win_h, 0) << bad;
    EXPECT_EQ(t.win_x, 40) << bad;
    EXPECT_EQ(t.mini_w, 0) << bad;
  }
  EXPECT_EQ(applied({"--size"}, placed).win_x, 40);
}

// A preset name reaches each unit under its own key; the other unit's
// reference and knobs stay.
TEST(StartState, PresetNamesReachTheirUnits) {
  Settings before;
  before.params.knob[fx::kDrive] = 0.9f;
  before.params.knob[fx::kRatio] = 0.1f;
  before.unit_preset = {"u:Mein", "u:Kompressor eigen"};
  struct Case {
    const char* name;
    const char* tube;
    const char* comp;
  };
  for (const Case& c : {Case{"warm", "b:preset_warm", "u:Kompressor eigen"},
                        Case{"night", "u:Mein", "b:preset_night"},
                        Case{"gentle", "b:preset_gentle", "b:cpreset_gentle"},
                        Case{"punch", "u:Mein", "b:cpreset_punch"},
                        Case{"nonsense", "u:Mein", "u:Kompressor eigen"}}) {
    SCOPED_TRACE(c.name);
    const Settings s = applied({"--preset", c.name}, before);
    EXPECT_EQ(s.unit_preset[0], c.tube);
    EXPECT_EQ(s.unit_preset[1], c.comp);
    for (int unit = 0; unit < 2; ++unit) {
      const std::string key = s.unit_preset[unit].substr(2);
      const int index = fx::find_unit_preset(unit, key);
      const int first = unit == 0 ? 0 : 8;
      for (int k = 0; k < (unit == 0 ? 8 : 7); ++k) {
        const float want = s.unit_preset[unit][0] == 'b'
                               ? fx::unit_presets(unit)[index].values[k]
                               : before.params.knob[first + k];
        EXPECT_EQ(s.params.knob[first + k], want) << unit << " " << k;
      }
    }
  }
}

}  // namespace
