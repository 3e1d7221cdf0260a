// The element under the pointer and the knob arithmetic.
#include "ui/input_hit.h"

#include <algorithm>
#include <cmath>

#include "fx/params.h"
#include "settings/settings.h"
#include "ui/panels.h"
#include "ui/ui.h"
#include "ui/ui_state.h"

namespace ui {

using namespace state;

namespace {

constexpr float kKnobGrace = 8.0f;     // a press this far outside the knob still grabs it
constexpr float kDragRange = 200.0f;   // vertical travel over the whole range
constexpr float kWheelStep = 0.02f;    // fifty steps over the range
constexpr int kOutputKnob = 15;

// Edges as everywhere in the rack: left and top inside, right and bottom
// outside, so a rectangle of width 0 (not shown) is never hit.
bool inside(const gfx::Rect& r, float x, float y) {
  return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
}

float unit_range(float v) { return std::clamp(std::isfinite(v) ? v : 0.0f, 0.0f, 1.0f); }

int hit_compact(float x, float y) {
  if (inside(L.mini_quit, x, y)) return code::quit;
  if (inside(L.mini_expand, x, y)) return code::expand;
  if (inside(L.mini_mute, x, y)) return code::mute;
  if (inside(L.mini_power, x, y)) return code::mini_power;
  // Every other point of the window moves it.
  return inside(L.mini_drag, x, y) ? code::mini_drag : code::none;
}

int hit_page(float x, float y) {
  const SettingsPage& p = g_page;
  struct Entry {
    const gfx::Rect* r;
    int code;
  };
  const Entry order[] = {{&p.autostart, code::autostart}, {&p.fx_on_start, code::fx_on_start},
                         {&p.on_top, code::on_top},       {&p.language, code::language},
                         {&p.remove_filter, code::remove_filter},
                         {&p.dark, code::dark},           {&p.light, code::light},
                         {&p.close, code::close_page},    {&p.mail, code::mail},
                         {&p.web, code::web},             {&p.panel, code::page}};
  for (const Entry& e : order)
    if (inside(*e.r, x, y)) return e.code;
  return code::none;
}

int hit_rack(float x, float y) {
  if (inside(L.power_btn, x, y)) return code::power;
  if (inside(L.compact_btn, x, y)) return code::compact;
  if (inside(L.fold, x, y)) return code::fold;
  if (inside(L.mute, x, y)) return code::mute;
  if (inside(L.settings_btn, x, y)) return code::settings;
  for (int m = 0; m < 3; ++m)
    if (inside(L.vu_mode[m], x, y)) return code::vu_mode + m;
  if (S->collapsed) return code::none;
  if (inside(L.device_field, x, y)) return code::device;
  // With the effect off the unit controls and knobs are inert.
  if (!S->active) return code::none;
  for (int u = 0; u < 2; ++u) {
    if (inside(L.preset_field[u], x, y)) return code::preset_menu + u;
    if (inside(L.save_btn[u], x, y)) return code::save + u;
  }
  for (int u = 0; u < 2; ++u)
    if (inside(L.unit_switch[u], x, y)) return code::unit_switch + u;
  if (inside(L.limiter, x, y)) return code::limiter;
  for (int i = 0; i < fx::kKnobs; ++i) {
    const KnobPlace& k = L.knob[i];
    if (k.r <= 0) continue;
    if (std::hypot(x - k.cx, y - k.cy) <= k.r + kKnobGrace) return code::knob + i;
  }
  return code::none;
}

}  // namespace

int hit(float x, float y) {
  if (S == nullptr) return code::none;
  if (g_crash.shown && !S->compact) {
    if (inside(g_crash.send, x, y)) return code::crash_send;
    if (inside(g_crash.discard, x, y)) return code::crash_discard;
    return code::crash_note;
  }
  if (g_save.open) {
    if (inside(g_save.save_btn, x, y)) return code::dialog_save;
    if (inside(g_save.cancel_btn, x, y)) return code::dialog_cancel;
    if (inside(g_save.body, x, y)) return code::dialog;
    if (inside(g_save.field, x, y)) return code::dialog_field;
    return code::none;
  }
  if (inside(g_status_note, x, y)) return code::status_note;
  if (S->compact) return hit_compact(x, y);
  return g_settings_open ? hit_page(x, y) : hit_rack(x, y);
}

float snap_output(float v) {
  const float db = std::round(fx::output_db(v) * 2.0f) / 2.0f;
  return (db + 24.0f) / 36.0f;
}

float knob_after_drag(int knob, float v0, float y0, float y) {
  const float v = unit_range(v0 + (y0 - y) / kDragRange);
  return knob == kOutputKnob ? snap_output(v) : v;
}

float knob_after_wheel(int knob, float v, int direction) {
  if (knob == kOutputKnob) return unit_range(snap_output(v - direction / 72.0f));
  return unit_range(v - direction * kWheelStep);
}

float knob_reset_value(int knob) {
  const float v = unit_range(fx::knob_default(knob));
  return knob == kOutputKnob ? snap_output(v) : v;
}

}  // namespace ui
