// The compressor unit: its knob row, the transfer-curve graph, the
// gain-reduction column's bezel and scale, and the output group with the
// output knob and the limiter switch.
#include <cstdio>

#include "desktop/i18n.h"
#include "gfx/theme.h"
#include "settings/settings.h"
#include "ui/rack_draw.h"
#include "ui/ui_state.h"

namespace ui {

using namespace state;

namespace {

constexpr float kUnitY = 532, kUnitH = 190;
constexpr float kGraphW = 150, kGraphH = 132;
constexpr float kOutputW = 150;
constexpr int kLimiterCode = 16;
constexpr float kFloorDb = -60;

// Vertical fraction of the graph for an output level: clipped below -60 dB,
// a little headroom above +6 dB.
float graph_fraction(float out_db) {
  if (out_db < kFloorDb) return 0;
  if (out_db > 6) return 1.1f;
  return (out_db - kFloorDb) / -kFloorDb;
}

void draw_graph(const gfx::Rect& g, bool lit) {
  const bool dark = theme::dark();
  const unsigned comp = theme::comp_color();
  gfx::fill_round_rect({g.x - 3, g.y - 3, g.w + 6, g.h + 6}, 5, dark ? 0xFF05070A : 0xFF20252C);
  gfx::fill_rect_vgrad(g, 0xFF0B1118, 0xFF05080C);
  gfx::push_clip(g);
  for (int k = 1; k < 5; ++k) {
    float gx = g.x + g.w * k / 5.0f, gy = g.y + g.h * k / 5.0f;
    gfx::line(gx, g.y, gx, g.y + g.h, 0x14FFFFFF, 1);
    gfx::line(g.x, gy, g.x + g.w, gy, 0x14FFFFFF, 1);
  }
  const float bottom = g.y + g.h;
  gfx::line(g.x, bottom, g.x + g.w, bottom - g.h, 0x28FFFFFF, 1);
  const float th = fx::threshold_db(S->params.knob[fx::kThreshold]);
  const float tx = g.x + g.w * (th - kFloorDb) / -kFloorDb;
  gfx::line(tx, g.y, tx, bottom, theme::with_alpha(comp, 0.35f), 1);

  float pts[128];
  for (int k = 0; k < 64; ++k) {
    float in = 60.0f * k / 63.0f - 60.0f;
    float out = fx::comp_curve_db(S->params, in);
    pts[2 * k] = g.x + g.w * (in - kFloorDb) / -kFloorDb;
    pts[2 * k + 1] = bottom - g.h * graph_fraction(out);
  }
  const float strength = lit ? 1.0f : 0.45f;
  gfx::fill_under(pts, 64, bottom, theme::with_alpha(comp, 0.34f * strength),
                  theme::with_alpha(comp, 0.03f));
  gfx::polyline(pts, 64, theme::with_alpha(comp, 0.22f * strength), 5);
  gfx::polyline(pts, 64, lit ? comp : theme::mix(comp, 0xFF5A6470, 0.5f), 1.6f);
  gfx::text({g.x + 7, g.y + 5, g.w - 14, 14}, i18n::T("curve"), 9.5f, 0xB0FFFFFF, gfx::Align::left,
            true, true);
  gfx::text({g.x + 7, bottom - 17, g.w - 14, 14}, i18n::T("curve_in"), 9, 0x80FFFFFF,
            gfx::Align::right, false, true);
  gfx::pop_clip();
  gfx::stroke_round_rect(g, 1, dark ? 0xFF1C2430 : 0xFF2A313B, 1);
}

void draw_gr_column(const gfx::Rect& c) {
  const unsigned* C = theme::colors();
  const bool dark = theme::dark();
  gfx::fill_round_rect({c.x - 3, c.y - 3, c.w + 6, c.h + 6}, 4, dark ? 0xFF05070A : 0xFF20252C);
  gfx::fill_rect(c, dark ? 0xFF07090D : 0xFF151A21);
  gfx::text({c.x - 20, c.y - 21, c.w + 40, 14}, i18n::T("vu_gr"), 10, C[7], gfx::Align::center, true,
            true);
  for (int db = 0; db <= 24; db += 6) {
    float y = c.y + c.h * db / 24.0f;
    char buf[8];
    std::snprintf(buf, sizeof buf, "%d", db);
    gfx::line(c.x + c.w + 3, y, c.x + c.w + 6, y, C[7], 1);
    gfx::text({c.x + c.w + 8, y - 7, 24, 14}, buf, 9, C[7], gfx::Align::left, false, true);
  }
}

void limiter_switch(const gfx::Rect& r) {
  const unsigned* C = theme::colors();
  const bool on = S->params.limiter_on;
  button_bg(r, g_hover == kLimiterCode);
  const float lx = r.x + 14, ly = r.y + r.h / 2;
  gfx::fill_circle(lx, ly, 5.5f, C[24]);
  if (g_lim_lit) {
    gfx::fill_ellipse_radial(lx, ly, 12, 12, 0x90FF4A3A, 0x00FF4A3A);
    gfx::fill_circle(lx, ly, 4, 0xFFFF4A3A);
    gfx::fill_circle(lx - 1.2f, ly - 1.3f, 1.3f, 0xB0FFFFFF);
  } else {
    gfx::fill_circle(lx, ly, 4, theme::mix(C[19], 0xFFFF4A3A, 0.18f));
  }
  gfx::stroke_circle(lx, ly, 5.5f, C[4], 1);
  text_fit({r.x + 26, r.y, r.w - 60, r.h}, i18n::T("limiter"), 12, 9.5f, on ? C[6] : C[7],
           gfx::Align::left, true);
  // The toggle: its slider sits right and glows green while the limiter is on.
  const gfx::Rect t{r.x + r.w - 30, r.y + r.h / 2 - 5.5f, 22, 11};
  gfx::fill_round_rect(t, 5.5f, on ? theme::with_alpha(C[20], 0.35f) : C[24]);
  gfx::stroke_round_rect(t, 5.5f, on ? C[20] : C[4], 1);
  gfx::fill_circle(on ? t.x + t.w - 5.5f : t.x + 5.5f, t.y + 5.5f, 3.8f, on ? C[20] : C[7]);
}

}  // namespace

void draw_comp(float w) {
  if (S == nullptr) return;
  const unsigned* C = theme::colors();
  const gfx::Rect u{18, kUnitY, w - 36, kUnitH};
  const bool lit = S->active && S->params.comp_on;
  L.unit_panel[1] = u;
  rack_unit(u, theme::comp_color(), lit, PanelKind::unit);
  unit_header(1, u);

  const float o = u.x + u.w - 26 - kOutputW;
  L.gr_column = {o - 38, u.y + 42, 14, kGraphH};
  L.graph = {L.gr_column.x - 12 - kGraphW, u.y + 42, kGraphW, kGraphH};
  const float slot = (L.graph.x - 24 - (u.x + 26)) / 7;
  for (int j = 0; j < 7; ++j)
    L.knob[fx::kThreshold + j] = {u.x + 26 + (j + 0.5f) * slot, u.y + 100, 22};
  L.knob[fx::kOutput] = {o + 75, u.y + 88, 26};
  L.limiter = {o + 14, u.y + 156, 122, 24};

  for (int i = fx::kThreshold; i <= fx::kMix; ++i) draw_knob_full(i);
  draw_graph(L.graph, lit);
  draw_gr_column(L.gr_column);
  // The output group stands apart: a recessed well behind knob and switch.
  gfx::fill_round_rect({o, u.y + 12, kOutputW, u.h - 18}, 8, theme::with_alpha(C[24], 0.35f));
  gfx::stroke_round_rect({o, u.y + 12, kOutputW, u.h - 18}, 8, theme::with_alpha(C[4], 0.8f), 1);
  group_caption(o + 12, u.y + 22, kOutputW - 24, i18n::T("group_output"), C[9]);
  draw_knob_full(fx::kOutput);
  limiter_switch(L.limiter);
}

}  // namespace ui
