// The controls against the layout that a real drawing pass placed: what the
// effect switch leaves live, the knob arithmetic, switches, the save dialog's
// name rules, user presets, and the crash report's mail link.
#include <gtest/gtest.h>

#include <cairo.h>

#include <filesystem>
#include <string>
#include <vector>

#include "desktop/i18n.h"
#include "fx/presets.h"
#include "gfx/gfx.h"
#include "settings/settings.h"
#include "tests/desktop/test_util.h"
#include "tests/ui/golden_render.h"
#include "ui/input_hit.h"
#include "ui/panels.h"
#include "ui/rack_draw.h"
#include "ui/ui.h"
#include "ui/ui_state.h"

namespace {

using namespace ui::state;
namespace code = ui::code;

float mid_x(const gfx::Rect& r) { return r.x + r.w / 2; }
float mid_y(const gfx::Rect& r) { return r.y + r.h / 2; }

class Controls : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testui::setup(); }
  void SetUp() override { paint(); }
  void TearDown() override {
    ui::close_popup();
    ui::close_save();
    g_crash = {};
    g_status_note = {};
    g_settings_open = false;
  }
  void paint() { cairo_surface_destroy(testui::render(&s_, s_.compact ? 420 : 1180, s_.compact ? 132 : 780)); }
  // Types a name into a fresh dialog and commits; true when it was stored.
  static bool save_as(int unit, const std::string& name) {
    ui::open_save_dialog(unit);
    ui::save_type(name);
    ui::commit_save();
    const bool stored = !g_save.open;
    ui::close_save();
    return stored;
  }

  desktop_test::TempDir dir_;
  desktop_test::EnvGuard env_{{"XDG_CONFIG_HOME", dir_.path().c_str()}, {"HOME", dir_.path().c_str()}};
  Settings s_;
};

TEST_F(Controls, SwitchedOffEffectLeavesItsControlsDead) {
  const gfx::Rect* const effect[] = {&L.preset_field[0], &L.save_btn[1], &L.unit_switch[0], &L.limiter};
  for (bool active : {true, false}) {
    SCOPED_TRACE(active ? "effect on" : "effect off");
    s_.active = active;
    paint();
    for (const gfx::Rect* r : effect) EXPECT_EQ(ui::hit(mid_x(*r), mid_y(*r)) != 0, active);
    for (int i = 0; i < fx::kKnobs; ++i) EXPECT_EQ(ui::hit(L.knob[i].cx, L.knob[i].cy), active ? code::knob + i : 0);
  }
}

TEST_F(Controls, NotesAndDialogsCoverTheRackInOrder) {
  const float x = mid_x(L.power_btn), y = mid_y(L.power_btn);
  g_status_note = {x - 10, y - 10, 20, 20};
  EXPECT_EQ(ui::hit(x, y), code::status_note);
  g_save.open = true;  // modal: nothing outside it takes the pointer
  EXPECT_EQ(ui::hit(x, y), 0);
  g_crash.shown = true;  // above everything, but the compact view shows none
  EXPECT_EQ(ui::hit(x, y), code::crash_note);
  g_save = {};
  s_.compact = true;
  paint();
  EXPECT_EQ(ui::hit(mid_x(L.mini_quit), mid_y(L.mini_quit)), code::quit);
}

TEST_F(Controls, SettingsPageAutostartSwitchAndLanguageMenu) {
  const std::string entry = dir_.path() + "/.config/autostart/Velmora.desktop";
  ui::on_mouse_down(mid_x(L.settings_btn), mid_y(L.settings_btn));
  paint();
  for (bool written : {true, false}) {
    ui::on_mouse_down(mid_x(g_page.autostart), mid_y(g_page.autostart));
    EXPECT_EQ(std::filesystem::exists(entry), written);
  }
  ui::open_languages();
  g_popup.on_choose(1);
  EXPECT_EQ(s_.language, i18n::languages()[0].code) << "the list starts after its automatic row";
  i18n::set_language("en");
}

TEST_F(Controls, DragAndWheelArithmetic) {
  const float out0 = (0 + 24) / 36.0f;  // the output knob at 0 dB
  const struct {
    int knob;
    float v0, dy;  // dy: pointer travel, upwards positive
    int wheel;     // wheel notches instead of a drag (up -1, down +1)
    float after;
  } cases[] = {
      {0, 0.35f, 100, 0, 0.85f}, {0, 0.35f, 300, 0, 1.0f}, {0, 0.35f, -100, 0, 0.0f}, {9, 0.5f, -20, 0, 0.4f},
      {15, out0, 2, 0, (0.5f + 24) / 36},  // 0.36 dB rounds to 0.5
      {15, out0, 0.9f, 0, out0},           // 0.16 dB rounds to 0
      {2, 0.5f, 0, 1, 0.48f},    {2, 0.5f, 0, -1, 0.52f}, {2, 0.01f, 0, 1, 0.0f},   {15, 1.0f, 0, -1, 1.0f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "knob " << c.knob << " dy " << c.dy << " wheel " << c.wheel);
    s_.params.knob[c.knob] = c.v0;
    g_save_at = 0;
    const ui::KnobPlace& k = L.knob[c.knob];
    if (c.wheel != 0) {
      ui::on_wheel(k.cx, k.cy, c.wheel);
    } else {
      ui::on_mouse_down(k.cx, k.cy);
      ui::on_mouse_move(k.cx + 40, k.cy - c.dy);
      ui::on_mouse_up();
    }
    EXPECT_NEAR(s_.params.knob[c.knob], c.after, 1e-5);
    EXPECT_EQ(g_save_at != 0, s_.params.knob[c.knob] != c.v0) << "a save follows every change";
  }
}

TEST_F(Controls, SwitchesTogglePerPressAndTheFirstCompactViewSitsTopRight) {
  // The frame loop sends the first press of a double click as a press and
  // the second as a double click: a switch ends where it began.
  const fx::Params p0 = s_.params;
  for (const gfx::Rect* r : {&L.unit_switch[0], &L.unit_switch[1], &L.limiter}) {
    ui::on_mouse_down(mid_x(*r), mid_y(*r));
    ui::on_double_click(mid_x(*r), mid_y(*r));
  }
  EXPECT_EQ(s_.params.tube_on, p0.tube_on);
  EXPECT_EQ(s_.params.comp_on, p0.comp_on);
  EXPECT_EQ(s_.params.limiter_on, p0.limiter_on);
  s_.win_x = 100, s_.win_y = 80, s_.win_w = 1180;
  ui::on_mouse_down(mid_x(L.compact_btn), mid_y(L.compact_btn));
  EXPECT_TRUE(s_.compact && s_.mini_x == 860 && s_.mini_y == 80) << s_.mini_x << "," << s_.mini_y;
}

TEST_F(Controls, TypedPresetNamesFollowTheNameRules) {
  const std::string euro = "\xE2\x82\xAC";
  std::string euro21;
  for (int i = 0; i < 21; ++i) euro21 += euro;
  std::vector<std::string> a33_keys(33, "a"), a31_keys(31, "a");
  a31_keys.push_back("\xC3\xA9");
  const struct {
    std::vector<std::string> keys;  // "\b" is Backspace
    std::string name;
  } cases[] = {
      {{"\b"}, ""},                                   // removes the whole suggestion
      {{"a", "\xE2\x80\xAE", "b"}, "ab"},             // a direction mark is dropped
      {{"a", "  b"}, "a"},                            // a double blank would be folded
      {{"a", "\xF0\x9F\x8E\xB8", "\b", "\b"}, ""},    // four-byte character, then the rest
      {a33_keys, std::string(32, 'a')},               // a 33rd character is refused
      {a31_keys, std::string(31, 'a') + "\xC3\xA9"},  // characters are counted, not bytes
      {{euro21}, euro21},                             // 63 bytes of text at once
      {{euro21 + euro}, ""},                          // 66 bytes at once are too many
  };
  for (const auto& c : cases) {
    ui::open_save_dialog(0);
    for (const std::string& k : c.keys) k == "\b" ? ui::save_backspace() : ui::save_type(k);
    EXPECT_EQ(g_save.name, c.name) << "after " << c.keys.size() << " keys, first " << c.keys[0];
    ui::close_save();
  }
  // Built-in names are reserved, whatever their ASCII case.
  EXPECT_FALSE(save_as(0, "WARM"));
  EXPECT_TRUE(save_as(1, "warm"));
}

TEST_F(Controls, SavingAppendsOverwritesInPlaceAndStopsAtAHundred) {
  fx::Params other = s_.params;
  other.knob[0] = 0.9f;
  s_.user_presets[0] = {{"A", other}, {"B", other}};
  s_.params.knob[0] = 0.2f;
  EXPECT_TRUE(save_as(0, "A"));
  ASSERT_EQ(s_.user_presets[0].size(), 2u);
  EXPECT_FLOAT_EQ(s_.user_presets[0][0].params.knob[0], 0.2f);
  EXPECT_EQ(s_.unit_preset[0], "u:A");
  for (int i = 2; i < 100; ++i) s_.user_presets[0].push_back({std::to_string(i) + "P", other});
  EXPECT_FALSE(save_as(0, "New"));
  EXPECT_EQ(s_.user_presets[0].size(), 100u);
  EXPECT_TRUE(save_as(0, "B"));
  EXPECT_FLOAT_EQ(s_.user_presets[0][1].params.knob[0], 0.2f);
}

TEST_F(Controls, ChoosingAUserPresetChangesOnlyItsUnitAndSwitchesItOn) {
  fx::Params stored = s_.params;
  stored.knob.fill(0.1f);
  stored.comp_on = false;
  s_.user_presets[0] = {{"Low", stored}};
  s_.params.tube_on = false;
  s_.params.comp_on = true;
  const fx::Params before = s_.params;
  ui::open_preset_menu(0);
  paint();
  const gfx::Rect& b = g_popup.box;
  EXPECT_FLOAT_EQ(b.y, L.preset_field[0].y + L.preset_field[0].h + 4) << "room below: the list opens below";
  auto click = [&](int row, float x = 30) { ui::popup_click(b.x + x, b.y + 4 + (row - g_popup.scroll) * 28 + 14); };
  click(int(fx::unit_presets(0).size()) + 1);
  EXPECT_TRUE(g_popup.open) << "a click on the user presets' header chose something";
  click(int(fx::unit_presets(0).size()) + 2);
  EXPECT_FALSE(g_popup.open);
  EXPECT_EQ(s_.unit_preset[0], "u:Low");
  EXPECT_TRUE(s_.params.tube_on && s_.params.comp_on);
  ASSERT_TRUE(g_glide.active);
  // The compressor's preset chosen before the tube's glide has ended.
  fx::Params want = before;
  fx::apply_unit_preset(1, 1, &want);
  ui::open_preset_menu(1);
  paint();
  EXPECT_FLOAT_EQ(b.y + b.h, L.preset_field[1].y - 4) << "no room below: the list opens above";
  g_popup.on_choose(2);
  ui::state::finish_glide();
  for (int i = 0; i < fx::kKnobs; ++i) EXPECT_FLOAT_EQ(s_.params.knob[i], i <= 7 ? 0.1f : want.knob[i]) << i;
  EXPECT_EQ(ui::preset_label(0), "Low");
  s_.params.knob[2] = 0.5f;
  EXPECT_EQ(ui::preset_label(0), "Low \xC2\xB7 modified");
  ui::open_preset_menu(0);
  paint();
  click(int(fx::unit_presets(0).size()) + 2, b.w - 10);  // the row's mark deletes the selected preset
  EXPECT_TRUE(s_.user_presets[0].empty() && s_.unit_preset[0].empty()) << s_.unit_preset[0];
}

TEST_F(Controls, EllipsisCutsWholeCharactersAndDropsTheBlankBeforeIt) {
  const std::string dots = "\xE2\x80\xA6", umlauts = "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\xA4\xC3\xB6\xC3\xBC";
  EXPECT_EQ(ui::ellipsize("Hello World", 14, gfx::text_width("Hello " + dots, 14, false), false), "Hello" + dots);
  for (float w : {20.0f, 30.0f, 40.0f}) {
    const std::string cut = ui::ellipsize(umlauts, 14, w, true);
    EXPECT_EQ((cut.size() - dots.size()) % 2, 0u) << w;
    EXPECT_LE(gfx::text_width(cut, 14, true), w) << w;
  }
}

TEST(Texts, CrashMailLinkIsEncodedAndCutAt6000Bytes) {
  EXPECT_EQ(ui::url_encode("a b/\xC3\xBC" "A-z_0.9~?&=%+#\n"), "a%20b%2F%C3%BCA-z_0.9~%3F%26%3D%25%2B%23%0A");
  EXPECT_EQ(ui::url_encode(std::string("\x00\xFF", 2)), "%00%FF");
  const std::string head = "\n--- Log ---\n";
  const std::string exact(6000 - head.size() - 4, 'r');
  EXPECT_EQ(ui::crash_mail_body(exact, {"abc"}), exact + head + "abc\n");
  EXPECT_EQ(ui::crash_mail_body(exact + "r", {"abc"}), (exact + "r" + head + "abc\n").substr(0, 6000) + "\n[...]");
  // A two-byte character across the limit is left out whole.
  const std::string wide = std::string(5999, 'r') + "\xC3\xBC" + "tail";
  EXPECT_EQ(ui::crash_mail_body(wide, {}), std::string(5999, 'r') + "\n[...]");
}

}  // namespace
