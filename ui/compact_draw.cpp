// The compact view's static picture: title with the two presets, power
// button, the tube panel and the two small VU meters, and the three buttons
// along the top edge.
#include <algorithm>
#include <string>

#include "desktop/i18n.h"
#include "gfx/theme.h"
#include "settings/settings.h"
#include "ui/rack_draw.h"
#include "ui/ui_state.h"

namespace ui {

using namespace state;

namespace {

constexpr int kMuteCode = 6, kExpandCode = 17, kPowerCode = 18, kDragCode = 19, kQuitCode = 20;
constexpr float kTubeAspect = 2.55f;

void top_buttons(float w) {
  const unsigned* C = theme::colors();
  L.mini_quit = {w - 38, 6, 28, 24};
  L.mini_expand = {L.mini_quit.x - 4 - 30, 6, 30, 24};
  L.mini_mute = {L.mini_expand.x - 6 - 30, 6, 30, 24};

  const gfx::Rect q = L.mini_quit;
  const bool quit_hot = g_hover == kQuitCode;
  if (quit_hot) gfx::fill_round_rect(q, 5, theme::with_alpha(C[26], 0.75f));
  const float qx = q.x + 14, qy = q.y + 12;
  const unsigned quit_ink = quit_hot ? 0xFFFFFFFF : C[7];
  gfx::line(qx - 5, qy - 5, qx + 5, qy + 5, quit_ink, 1.6f);
  gfx::line(qx - 5, qy + 5, qx + 5, qy - 5, quit_ink, 1.6f);

  const gfx::Rect e = L.mini_expand;
  const bool expand_hot = g_hover == kExpandCode;
  if (expand_hot) gfx::fill_round_rect(e, 5, C[23]);
  icon_corners(e.x + 15, e.y + 12, expand_hot ? C[8] : C[7]);

  mute_button(L.mini_mute, g_status.muted, g_hover == kMuteCode);
}

void power_area() {
  const unsigned* C = theme::colors();
  L.mini_power = {10, 42, 44, 44};
  const gfx::Rect p = L.mini_power;
  const float cx = p.x + p.w / 2, cy = p.y + p.h / 2, r = 17;
  const gfx::Rect label{p.x - 6, p.y + 48, 56, 16};
  if (S->active) {
    gfx::fill_ellipse_radial(cx, cy, r + 9, r + 9, theme::with_alpha(C[20], 0.28f),
                             theme::with_alpha(C[20], 0));
    gfx::fill_circle(cx, cy, r, theme::with_alpha(C[20], 0.2f));
    gfx::stroke_circle(cx, cy, r, C[20], 1.6f);
    power_symbol(cx, cy, 7.5f, C[20], 2.2f);
    gfx::text(label, i18n::T("power_on"), 10.5f, C[20], gfx::Align::center, true, true);
  } else {
    gfx::fill_circle(cx, cy + 1, r + 1, theme::dark() ? 0x60000000 : 0x22000000);
    gfx::fill_circle(cx, cy, r, C[22]);
    gfx::stroke_circle(cx, cy, r, g_hover == kPowerCode ? C[6] : C[4], 1.4f);
    power_symbol(cx, cy, 7.5f, C[7], 2.2f);
    gfx::text(label, i18n::T("power_off"), 10.5f, C[7], gfx::Align::center, true, true);
  }
}

void tube_panel(float h) {
  const bool lit = S->active && S->params.tube_on;
  const float ph = h - 46;
  const float tw = std::min(ph / kTubeAspect, 28.0f);
  L.mini_tube_panel = {64, 36, 2 * tw + 18, ph};
  const gfx::Rect p = L.mini_tube_panel;
  draw_tube_window(p, 2, lit);
  const float th = std::min(tw * kTubeAspect, ph - 6);
  L.mini_tube[0] = {p.x + 6, p.y + (ph - th) / 2, tw, th};
  L.mini_tube[1] = {L.mini_tube[0].x + tw + 6, L.mini_tube[0].y, tw, th};
  for (const gfx::Rect& t : L.mini_tube) draw_tube_body(t, lit);
  // 0.826: where the glass ends on the tube's base (see draw_tube_body).
  const float by = L.mini_tube[0].y + 0.826f * th;
  gfx::fill_rect_vgrad({p.x + 1, by, p.w - 2, p.y + p.h - 1 - by}, 0xFF33383F, 0xFF121417);
}

void meters(float w, float h) {
  const float x0 = L.mini_tube_panel.x + L.mini_tube_panel.w + 12, x1 = w - 16;
  const float room_w = x1 - x0, room_h = h - 52;
  const float fw = std::min((room_w - 12) / 2, room_h * 1.9f);
  const float fh = std::min(fw / 1.6f, room_h);
  const float fx = x0 + (room_w - (2 * fw + 12)) / 2, fy = 40 + (room_h - fh) / 2;
  L.mini_vu[0] = {fx, fy, fw, fh};
  L.mini_vu[1] = {fx + fw + 12, fy, fw, fh};
  for (int c = 0; c < 2; ++c) draw_vu_face(L.mini_vu[c], c, true);
}

void grip(float w, float h) {
  const unsigned* C = theme::colors();
  const unsigned ink = g_hover == kDragCode ? C[6] : C[7];
  const float x = w - 3, y = h - 3;
  for (float len : {4.0f, 8.0f, 12.0f}) gfx::line(x - len, y, x, y - len, ink, 1.2f);
}

}  // namespace

void draw_compact(int wi, int hi) {
  if (S == nullptr) return;
  const unsigned* C = theme::colors();
  const float w = static_cast<float>(wi), h = static_cast<float>(hi);
  gfx::fill_rect_vgrad({0, 0, w, h}, C[2], C[3]);
  gfx::stroke_round_rect({0, 0, w, h}, 0, S->active ? theme::with_alpha(C[9], 0.55f) : C[4], 1);
  L.mini_drag = {0, 0, w, h};
  draw_logo(12, 9, 18);
  top_buttons(w);

  const std::string title = std::string("Velmora") + "  \xC2\xB7  " + preset_label(0) + " / " +
                            preset_label(1);
  const float tx = 36, tw = L.mini_mute.x - 8 - tx;
  gfx::text({tx, 6, std::max(0.0f, tw), 22}, ellipsize(title, 12, tw, true), 12, C[7],
            gfx::Align::left, true, true);

  power_area();
  grip(w, h);
  tube_panel(h);
  meters(w, h);
}

}  // namespace ui
