// Pointer and keyboard input, in reference units: every press goes to the
// element under the pointer (ui::hit), knobs follow drags and the wheel, and
// every change of a persistent value schedules a save 1200 ms later.
#include <string>

#include "audio/audio.h"
#include "desktop/autostart.h"
#include "fx/params.h"
#include "gfx/theme.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include "ui/input_hit.h"
#include "ui/panels.h"
#include "ui/ui.h"
#include "ui/ui_state.h"

namespace ui {

using namespace state;

namespace {

float g_drag_y0 = 0;
float g_drag_v0 = 0;

// Cursor indices of the window.
constexpr int kArrow = 0, kHand = 1, kMove = 2, kGrab = 3;

bool inside(const gfx::Rect& r, float x, float y) {
  return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
}

bool is_knob(int h) { return h >= code::knob && h < code::knob + fx::kKnobs; }

void apply_params() {
  audio::set_params(S->params);
  changed_and_save_later();
}

void set_knob(int i, float v) {
  if (v == S->params.knob[i]) return;
  S->params.knob[i] = v;
  apply_params();
}

void toggle_active() {
  S->active = !S->active;
  audio::set_active(S->active);
  changed_and_save_later();
}

void set_autostart(bool on) {
  if (autostart::set(on, "")) g_autostart = on;
}

void press(int h, float y) {
  if (is_knob(h)) {
    cancel_glide();
    g_drag_v0 = S->params.knob[h - code::knob];
    g_drag_y0 = y;
    g_drag = h;
    return;
  }
  switch (h) {
    case code::none:
      if (g_settings_open) close_settings();
      break;
    case code::power:
    case code::mini_power: toggle_active(); break;
    case code::compact:
      if (!S->compact) set_compact(true);
      break;
    case code::expand:
      if (S->compact) set_compact(false);
      break;
    case code::settings: open_settings(); break;
    case code::device: open_devices(); break;
    case code::fold: toggle_fold(); break;
    case code::mute:
      g_status.muted = !g_status.muted;
      audio::set_mute(g_status.muted);
      break;
    case code::preset_menu:
    case code::preset_menu + 1: open_preset_menu(h - code::preset_menu); break;
    case code::save:
    case code::save + 1: open_save_dialog(h - code::save); break;
    case code::vu_mode:
    case code::vu_mode + 1:
    case code::vu_mode + 2:
      S->vu_mode = h - code::vu_mode;
      changed_and_save_later();
      break;
    case code::unit_switch:
      cancel_glide();
      S->params.tube_on = !S->params.tube_on;
      apply_params();
      break;
    case code::unit_switch + 1:
      cancel_glide();
      S->params.comp_on = !S->params.comp_on;
      apply_params();
      break;
    case code::limiter:
      S->params.limiter_on = !S->params.limiter_on;
      apply_params();
      break;
    case code::quit:
      persist();
      platform::quit();
      break;
    case code::autostart: set_autostart(!g_autostart); break;
    case code::fx_on_start:
      S->active_on_start = !S->active_on_start;
      changed_and_save_later();
      break;
    case code::on_top:
      S->compact_on_top = !S->compact_on_top;
      changed_and_save_later();
      break;
    case code::language: open_languages(); break;
    case code::dark:
    case code::light:
      theme::set_dark(h == code::dark);
      S->theme = h == code::dark ? "dark" : "light";
      changed_and_save_later();
      break;
    case code::close_page: close_settings(); break;
    case code::mail: platform::open_uri(support_mail_uri()); break;
    case code::web: platform::open_uri(web_uri()); break;
    case code::crash_send: send_crash_report(); break;
    case code::crash_discard: discard_crash_report(); break;
    case code::remove_filter:
      if (g_autostart) set_autostart(false);
      audio::remove_system_filter();
      break;
    case code::status_note: audio::setup_devices(); break;
    default: break;  // drag area, page panel, dialog body, crash note
  }
}

}  // namespace

int cursor_at(float x, float y) {
  if (g_drag != 0) return kGrab;
  if (g_popup.open) return inside(g_popup.box, x, y) ? kHand : kArrow;
  const int h = hit(x, y);
  if (h == code::mini_drag) return kMove;
  return h == code::none || h == code::page ? kArrow : kHand;
}

void on_mouse_down(float x, float y) {
  if (S == nullptr) return;
  if (g_popup.open) {
    popup_click(x, y);
  } else {
    const int h = hit(x, y);
    if (g_save.open) {
      if (h == code::dialog_save) commit_save();
      if (h == code::dialog_cancel || h == code::none) close_save();
    } else {
      press(h, y);
    }
  }
  g_dirty = true;
}

void on_double_click(float x, float y) {
  if (S == nullptr || g_popup.open) return;
  const int h = hit(x, y);
  if (is_knob(h)) {
    cancel_glide();
    g_drag = 0;
    const int i = h - code::knob;
    S->params.knob[i] = knob_reset_value(i);
    apply_params();
  } else if (h == code::unit_switch || h == code::unit_switch + 1 || h == code::limiter) {
    on_mouse_down(x, y);
  } else if (h == code::mini_drag && S->compact) {
    set_compact(false);
  }
}

void on_mouse_move(float x, float y) {
  if (S == nullptr) return;
  if (g_drag != 0) {
    const int i = g_drag - code::knob;
    set_knob(i, knob_after_drag(i, g_drag_v0, g_drag_y0, y));
    return;
  }
  int now = 0;
  if (g_popup.open) {
    popup_move(x, y);
    now = code::popup;
  } else {
    now = hit(x, y);
  }
  if (now != g_hover) {
    g_hover = now;
    g_dirty = true;
  }
}

void on_mouse_up() {
  if (g_drag == 0) return;
  g_drag = 0;
  g_dirty = true;
}

void on_mouse_leave() {
  if (g_hover == 0 || g_drag != 0) return;
  g_hover = 0;
  g_dirty = true;
}

void on_wheel(float x, float y, int direction) {
  if (S == nullptr) return;
  if (g_popup.open) {
    popup_wheel(direction);
    g_dirty = true;
    return;
  }
  const int h = hit(x, y);
  if (!is_knob(h)) return;
  cancel_glide();
  const int i = h - code::knob;
  set_knob(i, knob_after_wheel(i, S->params.knob[i], direction));
}

void on_key(Key k) {
  if (S == nullptr) return;
  if (g_save.open) {
    switch (k) {
      case Key::escape: close_save(); break;
      case Key::enter: commit_save(); break;
      case Key::backspace: save_backspace(); break;
    }
    g_save.fresh = false;
    g_caret_on = true;
  } else if (k == Key::escape) {
    if (g_popup.open) {
      close_popup();
    } else if (g_settings_open) {
      close_settings();
    }
  } else {
    return;  // Enter and Backspace mean nothing outside the dialog
  }
  g_dirty = true;
}

void on_text(const std::string& utf8) {
  if (S == nullptr || !g_save.open) return;
  save_type(utf8);
  g_caret_on = true;
  g_dirty = true;
}

}  // namespace ui
