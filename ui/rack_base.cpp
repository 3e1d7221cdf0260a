// The full window's static picture: top bar, display panel with tubes and
// meters, the tube unit, the compressor unit and the footer; folded, only
// the top bar and the display panel. Every element's rectangle goes into L.
#include <algorithm>

#include "desktop/i18n.h"
#include "gfx/theme.h"
#include "settings/settings.h"
#include "ui/rack_draw.h"
#include "ui/ui.h"
#include "ui/ui_state.h"

namespace ui {

using namespace state;

namespace {

constexpr int kPowerCode = 1, kCompactCode = 2, kSettingsCode = 3, kFoldCode = 5, kMuteCode = 6;
constexpr int kModeCode = 11, kUnitSwitchCode = 14;
constexpr float kTubeAspect = 2.55f;
constexpr unsigned kStripTop = 0xFF33383F, kStripBottom = 0xFF121417;

void top_bar(float w) {
  const unsigned* C = theme::colors();
  draw_logo(18, 14, 42);
  L.title = {72, 14, 300, 38};
  L.settings_btn = {w - 18 - 42, 16, 42, 38};
  L.compact_btn = {L.settings_btn.x - 8 - 42, 16, 42, 38};
  L.power_btn = {L.compact_btn.x - 14 - 112, 16, 112, 38};

  const gfx::Rect p = L.power_btn;
  button_bg(p, g_hover == kPowerCode);
  const float lx = p.x + 22, ly = p.y + p.h / 2;
  if (S->active) {
    gfx::stroke_round_rect(p, 7, theme::with_alpha(C[20], 0.45f), 1.2f);
    gfx::fill_ellipse_radial(lx, ly, 15, 15, theme::with_alpha(C[20], 0.32f), theme::with_alpha(C[20], 0));
    gfx::fill_circle(lx, ly, 10.5f, theme::with_alpha(C[20], 0.16f));
    power_symbol(lx, ly, 6.5f, C[20], 2);
    gfx::text({p.x + 38, p.y, p.w - 44, p.h}, i18n::T("power_on"), 13, C[8], gfx::Align::left, true,
              true);
  } else {
    gfx::fill_circle(lx, ly, 10.5f, C[24]);
    power_symbol(lx, ly, 6.5f, C[7], 2);
    gfx::text({p.x + 38, p.y, p.w - 44, p.h}, i18n::T("power_off"), 13, C[7], gfx::Align::left, true,
              true);
  }
  const gfx::Rect c = L.compact_btn;
  const bool compact_hot = g_hover == kCompactCode;
  button_bg(c, compact_hot);
  icon_corners(c.x + c.w / 2, c.y + c.h / 2, compact_hot ? C[8] : C[7]);
  const gfx::Rect s = L.settings_btn;
  const bool settings_hot = g_hover == kSettingsCode;
  button_bg(s, settings_hot);
  gear_icon(s.x + s.w / 2, s.y + s.h / 2, settings_hot ? C[8] : C[7]);
}

void tubes(const gfx::Rect& win, float th, bool lit) {
  const float tw = std::min(th / kTubeAspect, 0.32f * win.w);
  const float gap = (win.w - 2 * tw) / 3;
  L.tube[0] = {win.x + gap, 90, tw, th};
  L.tube[1] = {win.x + 2 * gap + tw, 90, tw, th};
  for (const gfx::Rect& t : L.tube) draw_tube_body(t, lit);
  const float sy = 90 + th + 2;
  const gfx::Rect strip{win.x + 3, sy, win.w - 6, win.y + win.h - 3 - sy};
  gfx::fill_rect_vgrad(strip, kStripTop, kStripBottom);
  gfx::line(strip.x, strip.y + 0.5f, strip.x + strip.w, strip.y + 0.5f, 0x30FFFFFF, 1);
  const char* names[2] = {"1 \xC2\xB7 L", "2 \xC2\xB7 R"};
  for (int c = 0; c < 2; ++c) {
    const gfx::Rect& t = L.tube[c];
    gfx::text({t.x - 20, strip.y, t.w + 40, strip.h}, left_to_right(names[c]), 9.5f, 0xA0E2C9A0, gfx::Align::center,
              true, true);
  }
  gfx::stroke_round_rect(win, 5, 0xFF2A2F37, 1);
}

void mode_selector(float cx, float y) {
  const unsigned* C = theme::colors();
  const char* keys[3] = {"vu_in", "vu_out", "vu_gr"};
  const float size = 11.5f;
  float widest = 0;
  for (const char* k : keys) widest = std::max(widest, gfx::text_width(i18n::T(k), size, true));
  const float seg = widest + 26;
  const gfx::Rect all{cx - 1.5f * seg, y, 3 * seg, 24};
  gfx::fill_round_rect(all, 7, C[24]);
  gfx::fill_rect_vgrad({all.x + 2, all.y + 1, all.w - 4, 5}, 0x30000000, 0x00000000);
  for (int m = 0; m < 3; ++m) {
    const gfx::Rect r{all.x + m * seg, y, seg, 24};
    L.vu_mode[m] = r;
    const bool current = S->vu_mode == m;
    const bool hot = g_hover == kModeCode + m;
    if (current) {
      gfx::fill_round_rect_vgrad({r.x + 2, r.y + 2, r.w - 4, r.h - 4}, 5, theme::mix(C[23], 0xFFFFFFFF, 0.06f),
                                 C[22]);
      gfx::stroke_round_rect({r.x + 2, r.y + 2, r.w - 4, r.h - 4}, 5, theme::with_alpha(C[9], 0.7f), 1);
    } else if (m > 0 && S->vu_mode != m - 1) {
      gfx::line(r.x, r.y + 6, r.x, r.y + r.h - 6, C[4], 1);
    }
    unsigned ink = current ? C[8] : hot ? C[6] : C[7];
    gfx::text(r, i18n::T(keys[m]), size, ink, gfx::Align::center, true, true);
  }
  gfx::stroke_round_rect(all, 7, C[4], 1);
}

void fold_handle(float w, float h, bool folded) {
  const unsigned* C = theme::colors();
  L.fold = folded ? gfx::Rect{w / 2 - 34, h - 25, 68, 18} : gfx::Rect{w / 2 - 34, 319, 68, 14};
  const gfx::Rect f = L.fold;
  const bool hot = g_hover == kFoldCode;
  gfx::fill_round_rect(f, f.h / 2, hot ? C[23] : C[22]);
  gfx::stroke_round_rect(f, f.h / 2, hot ? C[7] : C[4], 1);
  const float cx = f.x + f.w / 2, cy = f.y + f.h / 2, d = folded ? 2.0f : -2.0f;
  const unsigned ink = hot ? C[6] : C[7];
  gfx::line(cx - 6, cy - d, cx, cy + d, ink, 1.6f);
  gfx::line(cx, cy + d, cx + 6, cy - d, ink, 1.6f);
}

void display_panel(float w, float h, bool folded) {
  const bool lit = S->active && S->params.tube_on;
  const gfx::Rect panel{18, 70, w - 36, folded ? h - 100 : 248};
  L.display = panel;
  rack_unit(panel, 0, false, PanelKind::display);

  const float inner = w - 36;
  const float win_w = folded ? std::min(0.3f * inner, 1.3f * (h - 100)) : std::min(0.3f * inner, 322.4f);
  const float win_h = folded ? h - 128 : 220;
  L.tube_window = {42, 84, win_w, win_h};
  draw_tube_window(L.tube_window, 4, lit);
  tubes(L.tube_window, folded ? h - 152 : 196, lit);

  const float free0 = L.tube_window.x + win_w + 24, free1 = panel.x + panel.w - 24;
  const float room = free1 - free0;
  const float cap_w = folded ? 2.05f * (h - 168) : 369, cap_h = folded ? h - 168 : 180;
  const float fw = std::min((room - 24) / 2, cap_w), fh = std::min(fw / 1.7f, cap_h);
  const float x0 = free0 + (room - (2 * fw + 24)) / 2;
  L.vu[0] = {x0, 90, fw, fh};
  L.vu[1] = {x0 + fw + 24, 90, fw, fh};
  for (int c = 0; c < 2; ++c) draw_vu_face(L.vu[c], c, false);

  const float row = 90 + fh + 14;
  mode_selector(x0 + fw + 12, row);
  L.mute = {L.vu[1].x + fw - 34, row, 34, 24};
  mute_button(L.mute, g_status.muted, g_hover == kMuteCode);
  fold_handle(w, h, folded);
}

void tube_unit(float w) {
  const unsigned* C = theme::colors();
  const gfx::Rect u{18, 334, w - 36, 184};
  const bool lit = S->active && S->params.tube_on;
  L.unit_panel[0] = u;
  rack_unit(u, theme::tube_color(), lit, PanelKind::unit);
  unit_header(0, u);
  const float sx = L.save_btn[0].x + L.save_btn[0].w + 16;
  const gfx::Rect status{sx, u.y + 9, u.x + u.w - 24 - sx, 28};
  if (status.w > 20)
    text_fit(status, i18n::T(S->active ? "hint_reset" : "status_bypass"), 11.5f, 9.5f, C[7],
             gfx::Align::right, false);

  const float x0 = u.x + 26, s = (u.w - 52) / 8.95f, cy = u.y + 98;
  L.knob[fx::kDrive] = {x0 + 0.625f * s, cy - 4, 30};
  L.knob[fx::kBias] = {x0 + 1.75f * s, cy, 22};
  L.knob[fx::kFat] = {x0 + 2.75f * s, cy, 22};
  for (int j = 0; j < 4; ++j) L.knob[fx::kBass + j] = {x0 + (4.1f + j) * s, cy, 22};
  L.knob[fx::kBlend] = {x0 + 8.45f * s, cy, 22};

  const unsigned cap = lit ? theme::tube_color() : C[7];
  const float gy = u.y + 40;
  auto group = [&](int first, int last, const char* key) {
    const float gx = L.knob[first].cx - 46;
    group_caption(gx, gy, L.knob[last].cx + 46 - gx, i18n::T(key), cap);
  };
  group(fx::kDrive, fx::kFat, "group_tube");
  group(fx::kBass, fx::kPresence, "group_tone");
  group(fx::kBlend, fx::kBlend, "group_mix");
  for (int i = fx::kDrive; i <= fx::kBlend; ++i) draw_knob_full(i);
}

}  // namespace

void unit_header(int unit, gfx::Rect panel) {
  const std::string label = i18n::T(unit == 0 ? "unit_tube" : "unit_comp");
  const float sw = std::min(gfx::text_width(label, 12.5f, true) + 40, 300.0f);
  L.unit_switch[unit] = {44, panel.y + 10, sw, 26};
  L.preset_field[unit] = {44 + sw + 10, panel.y + 9, 230, 28};
  L.save_btn[unit] = {L.preset_field[unit].x + 236, panel.y + 9, 32, 28};
  const bool on = unit == 0 ? S->params.tube_on : S->params.comp_on;
  const unsigned accent = unit == 0 ? theme::tube_color() : theme::comp_color();
  unit_switch(L.unit_switch[unit], label, on, accent, g_hover == kUnitSwitchCode + unit);
  unit_preset_widget(unit);
}

void draw_base(int wi, int hi) {
  if (!gfx::begin()) return;
  L = Layout{};
  const float w = static_cast<float>(wi), h = static_cast<float>(hi);
  if (S != nullptr && S->compact) {
    draw_compact(wi, hi);
    gfx::end();
    return;
  }
  const unsigned* C = theme::colors();
  gfx::fill_rect_vgrad({0, 0, w, h}, C[0], C[1]);
  if (S == nullptr) {
    gfx::end();
    return;
  }
  top_bar(w);
  display_panel(w, h, S->collapsed);
  if (!S->collapsed) {
    tube_unit(w);
    draw_comp(w);
    draw_footer(w);
  }
  gfx::end();
}

}  // namespace ui
