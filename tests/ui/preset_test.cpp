// Preset menus, the popup list and the save dialog, on the real settings
// record and drawn on an off-screen surface so that the popup is placed.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "desktop/i18n.h"
#include "fx/presets.h"
#include "settings/settings.h"
#include "tests/desktop/test_util.h"
#include "ui/panels.h"
#include "ui/rack_draw.h"
#include "ui/ui.h"
#include "ui/ui_state.h"

namespace {

using namespace ui::state;

class Presets : public ::testing::Test {
 protected:
  void SetUp() override {
    gfx::init(nullptr);
    i18n::set_language("en");
    ui::set_pixel_scale(1);
    ui::init(&s_, false);
    ui::close_popup();
    g_save = {};
    g_glide = {};
    L.preset_field = {gfx::Rect{150, 300, 230, 28}, gfx::Rect{150, 500, 230, 28}};
  }
  void TearDown() override {
    ui::close_popup();
    S = nullptr;
  }
  // Paints the dialog and the popup on a w x h surface.
  void paint(int w, int h) {
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(s);
    gfx::set_context(cr);
    ui::draw_save(w, h);
    ui::draw_popup(w, h);
    gfx::set_context(nullptr);
    cairo_destroy(cr);
    cairo_surface_destroy(s);
  }
  // Clicks the middle of the popup's row `index` (counted from the first row).
  void click_row(int index, bool on_mark = false) {
    const gfx::Rect& b = g_popup.box;
    const float y = b.y + 4 + (index - g_popup.scroll) * 28 + 14;
    ui::popup_click(on_mark ? b.x + b.w - 10 : b.x + 30, y);
  }
  // Types a name into a fresh dialog and commits; true when it was stored.
  static bool save_as(int unit, const std::string& name) {
    ui::open_save_dialog(unit);
    ui::save_type(name);
    ui::commit_save();
    const bool stored = !g_save.open;
    ui::close_save();
    return stored;
  }
  void add_user(int unit, const std::string& name, fx::Params p) {
    s_.user_presets[unit].push_back(UserPreset{name, p});
  }

  desktop_test::TempDir dir_;
  desktop_test::EnvGuard env_{{"XDG_CONFIG_HOME", dir_.path().c_str()}};
  Settings s_;
};

std::vector<std::string> names(const Settings& s, int unit) {
  std::vector<std::string> out;
  for (const UserPreset& u : s.user_presets[unit]) out.push_back(u.name);
  return out;
}

TEST_F(Presets, TypedTextFollowsTheNameRules) {
  const std::string a31(31, 'a'), a32(32, 'a');
  std::string euro21, euro22;
  for (int i = 0; i < 21; ++i) euro21 += "\xE2\x82\xAC";
  euro22 = euro21 + "\xE2\x82\xAC";
  std::vector<std::string> a32_keys(33, "a"), a31_keys(31, "a");
  a31_keys.push_back("\xC3\xA9");
  const struct {
    std::vector<std::string> keys;  // "\b" is Backspace
    std::string name;
  } cases[] = {
      {{"\b"}, ""},                                  // removes the whole suggestion
      {{"Q"}, "Q"},                                  // replaces it
      {{"\t"}, ""},                                  // a tab is dropped, the suggestion went
      {{"a", "\xE2\x80\xAE", "b"}, "ab"},            // a direction mark is dropped
      {{"a", " ", "b"}, "a b"},                      // one inner blank stays
      {{"a", "  b"}, "a"},                           // a double blank would be folded
      {{"a", "\xC3\xA9", "\b"}, "a"},                // two-byte character
      {{"a", "\xE2\x82\xAC", "\b"}, "a"},            // three-byte character
      {{"a", "\xF0\x9F\x8E\xB8", "\b", "\b"}, ""},   // four-byte character, then the rest
      {a32_keys, a32},                               // a 33rd character is refused
      {a31_keys, a31 + "\xC3\xA9"},                    // characters are counted, not bytes
      {{euro21}, euro21},                            // 63 bytes of text at once
      {{euro22}, ""},                                // 66 bytes at once are too many
  };
  for (const auto& c : cases) {
    ui::open_save_dialog(0);
    for (const std::string& k : c.keys) {
      if (k == "\b") ui::save_backspace();
      else ui::save_type(k);
    }
    EXPECT_EQ(g_save.name, c.name) << "after " << c.keys.size() << " keys, first " << c.keys[0];
    ui::close_save();
  }
}

TEST_F(Presets, SuggestionsSkipTakenNamesAndReuseTheSelectedUserPreset) {
  add_user(0, "My preset 1", s_.params);
  add_user(0, "My preset 2", s_.params);
  add_user(1, "Bus", s_.params);
  ui::open_save_dialog(0);
  EXPECT_EQ(g_save.name, "My preset 3");
  ui::close_save();
  s_.unit_preset[1] = "u:Bus";
  ui::open_save_dialog(1);
  EXPECT_EQ(g_save.name, "Bus");
}

TEST_F(Presets, ReservedNamesIgnoreAsciiCaseAndBelongToTheirUnit) {
  const struct {
    int unit;
    const char* name;
    bool reserved;
  } cases[] = {
      {0, "warm", true},  {0, "OLD RADIO", true}, {1, "warm", false}, {1, "gLuE", true},
      {0, "Glue", false}, {0, "custom", true},    {1, "CUSTOM", true}, {0, "Warm ", false},
      {0, "Warmer", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ui::name_reserved(c.unit, c.name), c.reserved) << c.unit << " " << c.name;

  EXPECT_FALSE(save_as(0, "WARM"));
  EXPECT_TRUE(s_.user_presets[0].empty());
}

TEST_F(Presets, SavingAppendsOverwritesInPlaceAndStopsAtAHundred) {
  fx::Params other = s_.params;
  other.knob[0] = 0.9f;
  add_user(0, "A", other);
  add_user(0, "B", other);
  s_.params.knob[0] = 0.2f;
  s_.params.comp_on = false;

  EXPECT_TRUE(save_as(0, "A"));
  EXPECT_EQ(names(s_, 0), (std::vector<std::string>{"A", "B"}));
  EXPECT_FLOAT_EQ(s_.user_presets[0][0].params.knob[0], 0.2f);
  EXPECT_FALSE(s_.user_presets[0][0].params.comp_on);
  EXPECT_EQ(s_.unit_preset[0], "u:A");
  EXPECT_GT(g_save_at, 0u);

  for (int i = 2; i < 100; ++i) add_user(0, std::to_string(i) + "P", other);
  EXPECT_FALSE(save_as(0, "New"));
  EXPECT_EQ(s_.user_presets[0].size(), 100u);
  EXPECT_TRUE(save_as(0, "B"));
  EXPECT_EQ(s_.user_presets[0][1].name, "B");
  EXPECT_FLOAT_EQ(s_.user_presets[0][1].params.knob[0], 0.2f);
  EXPECT_EQ(s_.unit_preset[0], "u:B");
}

TEST_F(Presets, MenuListsBuiltInThenUserPresetsAndScrollsToTheSelection) {
  const auto& tube = fx::unit_presets(0);
  add_user(0, "Mine", s_.params);
  s_.unit_preset[0] = std::string("b:") + tube[3].key;
  ui::open_preset_menu(0);
  ASSERT_TRUE(g_popup.open);
  const std::size_t n = tube.size();
  ASSERT_EQ(g_popup.items.size(), n + 3);
  EXPECT_EQ(g_popup.selected, 4);
  EXPECT_EQ(g_popup.scroll, 0);
  EXPECT_TRUE(g_popup.header[0]);
  EXPECT_TRUE(g_popup.header[n + 1]);
  EXPECT_EQ(g_popup.items[n + 2], "Mine");
  EXPECT_TRUE(g_popup.deletable[n + 2]);

  s_.unit_preset[0] = "u:Mine";
  ui::open_preset_menu(0);
  EXPECT_EQ(g_popup.selected, static_cast<int>(n + 2));
  EXPECT_EQ(g_popup.scroll, static_cast<int>(n + 2) - 4);
}

TEST_F(Presets, ChoosingAUserPresetChangesOnlyItsUnitAndSwitchesItOn) {
  fx::Params stored = s_.params;
  for (float& k : stored.knob) k = 0.1f;
  stored.tube_on = true;
  stored.comp_on = false;
  add_user(0, "Low", stored);
  s_.params.tube_on = false;
  s_.params.comp_on = true;
  const fx::Params before = s_.params;

  ui::open_preset_menu(0);
  paint(1180, 780);
  click_row(static_cast<int>(fx::unit_presets(0).size()) + 2);
  EXPECT_FALSE(g_popup.open);
  EXPECT_EQ(s_.unit_preset[0], "u:Low");
  EXPECT_TRUE(s_.params.tube_on);
  EXPECT_TRUE(s_.params.comp_on);
  ASSERT_TRUE(g_glide.active);
  // The compressor's preset chosen before the tube's glide has ended.
  fx::Params want = before;
  fx::apply_unit_preset(1, 1, &want);
  ui::open_preset_menu(1);
  g_popup.on_choose(2);
  ui::state::finish_glide();
  for (int i = 0; i < fx::kKnobs; ++i)
    EXPECT_FLOAT_EQ(s_.params.knob[i], i <= 7 ? 0.1f : want.knob[i]) << "knob " << i;
  EXPECT_EQ(ui::preset_label(0), "Low");
  s_.params.knob[2] = 0.5f;
  EXPECT_EQ(ui::preset_label(0), "Low \xC2\xB7 modified");
}

TEST_F(Presets, HeadersIgnoreClicksAndDeletingTheSelectionEmptiesIt) {
  add_user(1, "One", s_.params);
  add_user(1, "Two", s_.params);
  s_.unit_preset[1] = "u:Two";
  const int first_user = static_cast<int>(fx::unit_presets(1).size()) + 2;

  ui::open_preset_menu(1);
  paint(1180, 780);
  click_row(first_user - 1);  // the header of the user presets
  EXPECT_TRUE(g_popup.open);
  EXPECT_EQ(s_.unit_preset[1], "u:Two");

  click_row(first_user + 1, true);
  EXPECT_EQ(names(s_, 1), (std::vector<std::string>{"One"}));
  EXPECT_EQ(s_.unit_preset[1], "");
  EXPECT_EQ(ui::preset_label(1), "Custom");
  ASSERT_TRUE(g_popup.open);  // reopened without the deleted row
  EXPECT_EQ(g_popup.items.size(), static_cast<std::size_t>(first_user + 1));

  paint(1180, 780);
  click_row(first_user, true);
  EXPECT_TRUE(s_.user_presets[1].empty());
  EXPECT_EQ(g_popup.items.size(), fx::unit_presets(1).size() + 1);  // no user header left
}

TEST_F(Presets, PopupOpensWhereThereIsRoomAndKeepsInsideTheWindow) {
  std::vector<std::string> rows(30, "Row");
  const struct {
    gfx::Rect anchor;
    int w, h;
    bool below;
    int visible;
  } cases[] = {
      {{100, 100, 200, 28}, 1180, 780, true, 22},  // room below: as many rows as fit
      {{100, 700, 200, 28}, 1180, 780, false, 24}, // under 200 units below: above
      {{100, 60, 200, 28}, 1180, 170, true, 2},    // little room either side: the larger
      {{1100, 100, 200, 28}, 1180, 780, true, 22}, // pushed left of the right edge
  };
  for (const auto& c : cases) {
    ui::open_popup(c.anchor, rows, 29, [](int) {});
    paint(c.w, c.h);
    const gfx::Rect b = g_popup.box;
    EXPECT_EQ(g_popup.visible, c.visible);
    EXPECT_EQ(g_popup.scroll, std::min(29 - 4, 30 - c.visible));  // limited by the rows
    if (c.below) EXPECT_FLOAT_EQ(b.y, c.anchor.y + c.anchor.h + 4);
    else EXPECT_FLOAT_EQ(b.y + b.h, c.anchor.y - 4);
    EXPECT_LE(b.x + b.w, c.w - 10.0f);
    EXPECT_GE(b.w, 200.0f);
  }
  int chosen = -1;
  ui::open_popup({100, 100, 200, 28}, rows, -1, [&](int i) { chosen = i; });
  ui::popup_wheel(1);
  ui::popup_wheel(1);
  paint(1180, 780);
  click_row(4);
  EXPECT_EQ(chosen, 4);
  EXPECT_FALSE(g_popup.open);
}

}  // namespace
