// A rack knob: scale dots, value arc, knurled body, cap with pointer, and
// its caption and value text underneath.
#include <cmath>

#include "desktop/i18n.h"
#include "gfx/theme.h"
#include "settings/settings.h"
#include "ui/rack_draw.h"
#include "ui/ui_state.h"

namespace ui {

using namespace state;

namespace {

constexpr float kPi = 3.14159265f;
constexpr int kKnobCode = 100;  // hover and drag code of knob 0

void polar(float cx, float cy, float r, float a_deg, float* x, float* y) {
  float a = a_deg * kPi / 180.0f;
  *x = cx + r * std::sin(a);
  *y = cy - r * std::cos(a);
}

unsigned knob_colour(int i) {
  if (i <= fx::unit_last(0)) return theme::tube_color();
  if (i <= fx::unit_last(1)) return theme::comp_color();
  return theme::colors()[9];
}

bool knob_lit(int i) {
  if (!S->active) return false;
  if (i <= fx::unit_last(0)) return S->params.tube_on;
  if (i <= fx::unit_last(1)) return S->params.comp_on;
  return true;
}

}  // namespace

void draw_knob_full(int i) {
  if (S == nullptr || i < 0 || i >= fx::kKnobs) return;
  const KnobPlace& k = L.knob[i];
  if (k.r <= 0) return;
  const unsigned* C = theme::colors();
  const bool dark = theme::dark();
  const float cx = k.cx, cy = k.cy, r = k.r;
  const unsigned colour = knob_colour(i);
  const bool lit = knob_lit(i);
  const bool hot = g_hover == kKnobCode + i || g_drag == kKnobCode + i;
  const float v = fx::unit_range(S->params.knob[i]);

  for (int d = 0; d <= 10; ++d) {
    float x, y;
    polar(cx, cy, r + 9.5f, -135.0f + 27.0f * d, &x, &y);
    gfx::fill_circle(x, y, d % 5 == 0 ? 1.3f : 0.9f, d % 5 == 0 ? C[7] : theme::with_alpha(C[7], 0.7f));
  }

  const float a = 270.0f * v - 135.0f;
  const float origin = fx::knob_bipolar(i) ? 0.0f : -135.0f;
  const float a0 = std::fmin(origin, a), a1 = std::fmax(origin, a);
  gfx::stroke_arc(cx, cy, r + 4.5f, -135, 135, dark ? 0x40000000 : 0x18000000, 3);
  if (a1 - a0 > 0.5f) {
    unsigned arc = lit ? colour : theme::with_alpha(C[7], 0.85f);
    if (lit) gfx::stroke_arc(cx, cy, r + 4.5f, a0, a1, theme::with_alpha(colour, 0.25f), 6);
    gfx::stroke_arc(cx, cy, r + 4.5f, a0, a1, arc, 2.6f);
  }

  gfx::fill_circle(cx, cy + 2.5f, r + 1, 0x66000000);
  unsigned top = dark ? 0xFF4A5462 : 0xFFFFFFFF;
  unsigned bottom = dark ? 0xFF151A21 : 0xFFB9C3CE;
  if (hot) top = theme::mix(top, colour, 0.35f);
  // A vertical gradient on a disc: a rounded square whose radius is half its side.
  gfx::fill_round_rect_vgrad({cx - r, cy - r, 2 * r, 2 * r}, r, top, bottom);
  gfx::stroke_circle(cx, cy, r - 0.5f, dark ? 0xFF0A0D12 : 0xFF8792A0, 1);
  const unsigned knurl = dark ? 0x30000000 : 0x26000000;
  for (int n = 0; n < 24; ++n) {
    float x0, y0, x1, y1;
    polar(cx, cy, r - 2.5f, 15.0f * n, &x0, &y0);
    polar(cx, cy, r - 0.8f, 15.0f * n, &x1, &y1);
    gfx::line(x0, y0, x1, y1, knurl, 1);
  }

  const float rc = 0.7f * r;
  gfx::fill_round_rect_vgrad({cx - rc, cy - rc, 2 * rc, 2 * rc}, rc,
                             dark ? 0xFF3A4350 : 0xFFF7F9FB, dark ? 0xFF1C222B : 0xFFD3DAE2);
  gfx::fill_ellipse_radial(cx - rc * 0.25f, cy - rc * 0.45f, rc * 0.8f, rc * 0.45f,
                           dark ? 0x22FFFFFF : 0x90FFFFFF, 0x00FFFFFF);
  gfx::stroke_circle(cx, cy, rc, dark ? 0xC0050608 : 0x60404A56, 0.9f);
  float px0, py0, px1, py1;
  polar(cx, cy, rc * 0.25f, a, &px0, &py0);
  polar(cx, cy, r - 3.5f, a, &px1, &py1);
  gfx::line(px0, py0, px1, py1, lit ? colour : 0xFF2A313B, 2.6f);

  const float ty = cy + r + 10;
  text_fit({cx - 58, ty, 116, 14}, i18n::T(fx::knob_key(i).c_str()), 11.5f, 9, hot ? C[6] : C[7],
           gfx::Align::center, true);
  gfx::text({cx - 58, ty + 14, 116, 14}, left_to_right(fx::describe(i, v)), 11, lit ? C[6] : C[7],
            gfx::Align::center, false, true);
}

}  // namespace ui
