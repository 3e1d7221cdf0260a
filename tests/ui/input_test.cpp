// Input against the layout that a real drawing pass placed: the order in
// which covering elements take the pointer, and the knob arithmetic of
// dragging, the wheel, the reset and the output knob's half decibels.
#include <gtest/gtest.h>

#include <cairo.h>

#include "fx/params.h"
#include "gfx/theme.h"
#include "settings/settings.h"
#include "tests/ui/golden_render.h"
#include "ui/input_hit.h"
#include "ui/panels.h"
#include "ui/ui.h"
#include "ui/ui_state.h"

namespace {

using namespace ui::state;
namespace code = ui::code;

float mid_x(const gfx::Rect& r) { return r.x + r.w / 2; }
float mid_y(const gfx::Rect& r) { return r.y + r.h / 2; }
int hit_mid(const gfx::Rect& r) { return ui::hit(mid_x(r), mid_y(r)); }

class Input : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testui::setup(); }
  void SetUp() override { paint(); }
  void TearDown() override {
    g_crash = {};
    g_save = {};
    g_status_note = {};
    g_settings_open = false;
    g_drag = 0;
  }
  void paint() { cairo_surface_destroy(testui::render(&s, s.compact ? 420 : 1180, s.compact ? 132 : 780)); }
  float knob(int i) const { return s.params.knob[i]; }
  Settings s;
};

TEST_F(Input, RackElementsAndWhatTheEffectSwitchLeavesLive) {
  struct Case {
    const gfx::Rect* r;
    int on, off;  // code with the effect on, and off
  };
  const Case cases[] = {
      {&L.power_btn, code::power, code::power},
      {&L.compact_btn, code::compact, code::compact},
      {&L.fold, code::fold, code::fold},
      {&L.mute, code::mute, code::mute},
      {&L.settings_btn, code::settings, code::settings},
      {&L.vu_mode[0], code::vu_mode, code::vu_mode},
      {&L.vu_mode[2], code::vu_mode + 2, code::vu_mode + 2},
      {&L.device_field, code::device, code::device},
      {&L.preset_field[0], code::preset_menu, 0},
      {&L.preset_field[1], code::preset_menu + 1, 0},
      {&L.save_btn[0], code::save, 0},
      {&L.save_btn[1], code::save + 1, 0},
      {&L.unit_switch[0], code::unit_switch, 0},
      {&L.unit_switch[1], code::unit_switch + 1, 0},
      {&L.limiter, code::limiter, 0},
  };
  for (bool active : {true, false}) {
    s.active = active;
    paint();
    for (const Case& c : cases) {
      ASSERT_GT(c.r->w, 0);
      EXPECT_EQ(hit_mid(*c.r), active ? c.on : c.off) << "active " << active;
    }
    for (int i = 0; i < fx::kKnobs; ++i) {
      EXPECT_EQ(ui::hit(L.knob[i].cx, L.knob[i].cy), active ? code::knob + i : 0) << i;
      EXPECT_EQ(ui::cursor_at(L.knob[i].cx, L.knob[i].cy), active ? 1 : 0) << i;
    }
    // A press on a knob of the switched-off effect changes nothing.
    const float before = knob(3);
    ui::on_mouse_down(L.knob[3].cx, L.knob[3].cy);
    ui::on_mouse_move(L.knob[3].cx, L.knob[3].cy - 50);
    ui::on_mouse_up();
    EXPECT_EQ(knob(3) != before, active);
  }
}

TEST_F(Input, KnobGraceRingAndFoldedRows) {
  const ui::KnobPlace k = L.knob[1];
  EXPECT_EQ(ui::hit(k.cx + k.r + 7.5f, k.cy), code::knob + 1);
  EXPECT_EQ(ui::hit(k.cx + k.r + 8.5f, k.cy), 0);
  const gfx::Rect device = L.device_field;
  s.collapsed = true;
  paint();
  EXPECT_EQ(hit_mid(device), 0);
  EXPECT_EQ(hit_mid(L.power_btn), code::power);
}

TEST_F(Input, CoversTakeThePointerInOrder) {
  const gfx::Rect power = L.power_btn;
  const gfx::Rect a{900, 10, 200, 60};  // over the power button
  // The status note is above the rack, the save dialog above the note, and
  // the crash note above everything.
  g_status_note = a;
  EXPECT_EQ(hit_mid(power), code::status_note);
  g_save.open = true;
  g_save.body = {850, 0, 300, 100};
  g_save.save_btn = {940, 20, 60, 30};
  g_save.cancel_btn = {1010, 20, 60, 30};
  EXPECT_EQ(ui::hit(950, 30), code::dialog_save);
  EXPECT_EQ(ui::hit(1020, 30), code::dialog_cancel);
  EXPECT_EQ(ui::hit(1120, 80), code::dialog);
  EXPECT_EQ(ui::hit(20, 700), 0);
  g_crash.shown = true;
  g_crash.send = {940, 20, 60, 30};
  g_crash.discard = {400, 400, 60, 30};
  EXPECT_EQ(ui::hit(950, 30), code::crash_send);
  EXPECT_EQ(ui::hit(410, 410), code::crash_discard);
  EXPECT_EQ(ui::hit(L.knob[0].cx, L.knob[0].cy), code::crash_note);
  // The compact view shows no crash note: its own buttons stay live.
  g_save = {};
  g_status_note = {};
  s.compact = true;
  paint();
  EXPECT_EQ(hit_mid(L.mini_quit), code::quit);
  EXPECT_EQ(hit_mid(L.mini_expand), code::expand);
  EXPECT_EQ(hit_mid(L.mini_mute), code::mute);
  EXPECT_EQ(hit_mid(L.mini_power), code::mini_power);
  EXPECT_EQ(ui::hit(300, 110), code::mini_drag);
  EXPECT_EQ(ui::cursor_at(300, 110), 2);
}

TEST_F(Input, DragWheelAndResetArithmetic) {
  const float out0 = (0 + 24) / 36.0f;  // the output knob at 0 dB
  struct Case {
    int knob;
    float v0;
    float dy;        // pointer travel, upwards positive
    float dragged;   // value after the drag
  };
  const Case cases[] = {
      {0, 0.35f, 100, 0.85f}, {0, 0.35f, 300, 1.0f}, {0, 0.35f, -100, 0.0f},
      {9, 0.5f, -20, 0.4f},   {15, out0, 2, (0.5f + 24) / 36},  // 0.36 dB rounds to 0.5
      {15, out0, 0.9f, out0},                                      // 0.16 dB rounds to 0
  };
  for (const Case& c : cases) {
    s.params.knob[c.knob] = c.v0;
    const ui::KnobPlace k = L.knob[c.knob];
    g_save_at = 0;
    ui::on_mouse_down(k.cx, k.cy);
    EXPECT_EQ(ui::cursor_at(0, 0), 3) << "a drag shows the grabbing hand anywhere";
    ui::on_mouse_move(k.cx + 40, k.cy - c.dy);
    ui::on_mouse_up();
    EXPECT_NEAR(knob(c.knob), c.dragged, 1e-5) << "knob " << c.knob << " dy " << c.dy;
    EXPECT_EQ(g_save_at != 0, knob(c.knob) != c.v0) << "a save follows every change";
  }
  struct Wheel {
    int knob;
    float v0;
    int dir;
    float after;
  };
  const Wheel wheels[] = {
      {2, 0.5f, 1, 0.48f},  {2, 0.5f, -1, 0.52f}, {2, 0.01f, 1, 0.0f},
      {15, out0, 1, (-0.5f + 24) / 36}, {15, out0, -1, (0.5f + 24) / 36}, {15, 1.0f, -1, 1.0f},
  };
  for (const Wheel& w : wheels) {
    s.params.knob[w.knob] = w.v0;
    ui::on_wheel(L.knob[w.knob].cx, L.knob[w.knob].cy, w.dir);
    EXPECT_NEAR(knob(w.knob), w.after, 1e-5) << "knob " << w.knob << " dir " << w.dir;
  }
  // Wheel elsewhere does nothing; a double click puts every knob back.
  const Settings before = s;
  ui::on_wheel(mid_x(L.power_btn), mid_y(L.power_btn), 1);
  EXPECT_EQ(s.params.knob, before.params.knob);
  for (int i = 0; i < fx::kKnobs; ++i) {
    s.params.knob[i] = fx::knob_default(i) > 0.5f ? 0.0f : 1.0f;
    ui::on_double_click(L.knob[i].cx, L.knob[i].cy);
    EXPECT_NEAR(knob(i), i == 15 ? ui::snap_output(fx::knob_default(i)) : fx::knob_default(i), 1e-6);
  }
}

TEST_F(Input, SwitchesTogglePerPressAndTheFirstCompactViewSitsTopRight) {
  // The frame loop sends the first press of a double click as a press and
  // the second as a double click: a switch ends where it began.
  const fx::Params p0 = s.params;
  for (const gfx::Rect* r : {&L.unit_switch[0], &L.unit_switch[1], &L.limiter}) {
    ui::on_mouse_down(mid_x(*r), mid_y(*r));
    ui::on_double_click(mid_x(*r), mid_y(*r));
  }
  EXPECT_EQ(s.params.tube_on, p0.tube_on);
  EXPECT_EQ(s.params.comp_on, p0.comp_on);
  EXPECT_EQ(s.params.limiter_on, p0.limiter_on);
  ui::on_mouse_down(mid_x(L.unit_switch[1]), mid_y(L.unit_switch[1]));
  EXPECT_NE(s.params.comp_on, p0.comp_on);

  s.win_x = 100;
  s.win_y = 80;
  s.win_w = 1180;
  ui::on_mouse_down(mid_x(L.compact_btn), mid_y(L.compact_btn));
  EXPECT_TRUE(s.compact);
  EXPECT_EQ(s.mini_x, 860);
  EXPECT_EQ(s.mini_y, 80);
  paint();
  ui::on_double_click(300, 110);  // the drag area leads back
  EXPECT_FALSE(s.compact);
}

TEST_F(Input, SettingsPageOrderKeysAndHover) {
  ui::on_mouse_move(mid_x(L.power_btn), mid_y(L.power_btn));
  EXPECT_EQ(g_hover, code::power);
  ui::on_mouse_leave();
  EXPECT_EQ(g_hover, 0);

  ui::on_mouse_down(mid_x(L.settings_btn), mid_y(L.settings_btn));
  ASSERT_TRUE(g_settings_open);
  paint();
  const ui::SettingsPage& p = g_page;
  const std::pair<const gfx::Rect*, int> rows[] = {
      {&p.autostart, code::autostart}, {&p.fx_on_start, code::fx_on_start},
      {&p.on_top, code::on_top},       {&p.language, code::language},
      {&p.dark, code::dark},           {&p.light, code::light},
      {&p.close, code::close_page},    {&p.mail, code::mail},
      {&p.web, code::web}};
  for (const auto& [r, want] : rows) EXPECT_EQ(hit_mid(*r), want);
  EXPECT_EQ(ui::hit(p.panel.x + 2, p.panel.y + 2), code::page);
  EXPECT_EQ(ui::hit(L.knob[4].cx, L.knob[4].cy), code::page)
      << "the page covers the knobs";

  const Settings before = s;
  g_save_at = 0;
  ui::on_mouse_down(mid_x(p.fx_on_start), mid_y(p.fx_on_start));
  ui::on_mouse_down(mid_x(p.on_top), mid_y(p.on_top));
  ui::on_mouse_down(mid_x(p.light), mid_y(p.light));
  EXPECT_NE(s.active_on_start, before.active_on_start);
  EXPECT_NE(s.compact_on_top, before.compact_on_top);
  EXPECT_EQ(s.theme, "light");
  EXPECT_FALSE(theme::dark());
  EXPECT_NE(g_save_at, 0u);
  ui::on_mouse_down(mid_x(p.dark), mid_y(p.dark));
  EXPECT_TRUE(theme::dark());

  ui::on_mouse_down(2, 2);  // outside the page
  EXPECT_FALSE(g_settings_open);
  ui::on_mouse_down(mid_x(L.settings_btn), mid_y(L.settings_btn));
  g_dirty = false;
  ui::on_key(ui::Key::enter);
  ui::on_key(ui::Key::backspace);
  EXPECT_TRUE(g_settings_open);
  EXPECT_FALSE(g_dirty) << "Enter and Backspace mean nothing outside the dialog";
  ui::on_key(ui::Key::escape);
  EXPECT_FALSE(g_settings_open);
}

}  // namespace
