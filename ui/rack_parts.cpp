// Small rack elements: panels with screws, button faces, the unit switches
// with their lamps, the little icons and the group captions.
#include <cmath>

#include "gfx/theme.h"
#include "ui/rack_draw.h"

namespace ui {

namespace {

constexpr float kPi = 3.14159265f;

// Point at angle a (degrees, 0 up, clockwise) and radius r around (cx, cy).
void polar(float cx, float cy, float r, float a_deg, float* x, float* y) {
  float a = a_deg * kPi / 180.0f;
  *x = cx + r * std::sin(a);
  *y = cy - r * std::cos(a);
}

}  // namespace

void screw(float cx, float cy, float r, float slot_deg) {
  const bool dark = theme::dark();
  gfx::fill_circle(cx, cy + 0.6f, r + 0.8f, dark ? 0x66000000 : 0x33000000);
  gfx::fill_ellipse_radial(cx - r * 0.3f, cy - r * 0.35f, r * 1.5f, r * 1.5f,
                           dark ? 0xFF8A94A3 : 0xFFF4F6F9, dark ? 0xFF2A313B : 0xFF8792A0);
  gfx::stroke_circle(cx, cy, r, dark ? 0xFF0A0D12 : 0xFF6B7784, 0.8f);
  float x0, y0, x1, y1;
  polar(cx, cy, r * 0.72f, slot_deg, &x0, &y0);
  polar(cx, cy, r * 0.72f, slot_deg + 180, &x1, &y1);
  gfx::line(x0, y0, x1, y1, dark ? 0xE0080A0E : 0xC03A424D, r * 0.42f);
}

void rack_unit(gfx::Rect r, unsigned colour, bool lit, PanelKind kind) {
  const unsigned* C = theme::colors();
  const bool dark = theme::dark();
  gfx::fill_round_rect({r.x, r.y + 3, r.w, r.h}, 10, dark ? 0x70000000 : 0x30000000);
  gfx::fill_round_rect_vgrad(r, 10, C[2], C[3]);
  // Brushed face: a translucent sheen over the upper half and a darker foot.
  gfx::fill_round_rect_vgrad({r.x + 1, r.y + 1, r.w - 2, r.h * 0.5f}, 9, C[5], 0x00FFFFFF);
  gfx::fill_rect_vgrad({r.x + 10, r.y + r.h - 12, r.w - 20, 10}, 0x00000000,
                       dark ? 0x28000000 : 0x10000000);
  if (kind == PanelKind::unit) {
    // Accent rail down the left edge and a hairline along the top.
    unsigned rail = lit ? colour : theme::with_alpha(colour, dark ? 0.22f : 0.3f);
    gfx::fill_round_rect({r.x + 6, r.y + 14, 3, r.h - 28}, 1.5f, rail);
    if (lit) gfx::fill_round_rect({r.x + 3, r.y + 12, 9, r.h - 24}, 4.5f, theme::with_alpha(colour, 0.16f));
    gfx::line(r.x + 22, r.y + 1.5f, r.x + r.w - 22, r.y + 1.5f,
              theme::with_alpha(colour, lit ? 0.55f : 0.18f), 1);
  } else {
    gfx::line(r.x + 12, r.y + 1.5f, r.x + r.w - 12, r.y + 1.5f, dark ? 0x26FFFFFF : 0xB0FFFFFF, 1);
  }
  gfx::stroke_round_rect(r, 10, C[4], 1);
  const float in = 9;
  screw(r.x + in, r.y + in, 3.6f, 30);
  screw(r.x + r.w - in, r.y + in, 3.6f, 75);
  screw(r.x + in, r.y + r.h - in, 3.6f, 120);
  screw(r.x + r.w - in, r.y + r.h - in, 3.6f, 160);
}

void button_bg(gfx::Rect r, bool hovered) {
  const unsigned* C = theme::colors();
  const bool dark = theme::dark();
  unsigned face = hovered ? C[23] : C[22];
  gfx::fill_round_rect({r.x, r.y + 1.5f, r.w, r.h}, 7, dark ? 0x60000000 : 0x22000000);
  gfx::fill_round_rect_vgrad(r, 7, theme::mix(face, 0xFFFFFFFF, dark ? 0.05f : 0.0f),
                             theme::mix(face, 0xFF000000, dark ? 0.25f : 0.06f));
  gfx::line(r.x + 6, r.y + 1, r.x + r.w - 6, r.y + 1, dark ? 0x1CFFFFFF : 0xFFFFFFFF, 1);
  gfx::stroke_round_rect(r, 7, hovered ? theme::mix(C[4], C[7], 0.4f) : C[4], 1);
}

void unit_switch(gfx::Rect r, const std::string& label, bool on, unsigned accent, bool hovered) {
  const unsigned* C = theme::colors();
  button_bg(r, hovered);
  const float lx = r.x + 14, ly = r.y + r.h / 2;
  gfx::fill_circle(lx, ly, 5.5f, C[24]);
  if (on) {
    gfx::fill_ellipse_radial(lx, ly, 11, 11, theme::with_alpha(C[20], 0.45f),
                             theme::with_alpha(C[20], 0));
    gfx::fill_circle(lx, ly, 4, C[20]);
    gfx::fill_circle(lx - 1.2f, ly - 1.3f, 1.3f, 0xB0FFFFFF);
  } else {
    gfx::fill_circle(lx, ly, 4, C[19]);
  }
  gfx::stroke_circle(lx, ly, 5.5f, C[4], 1);
  unsigned text = on ? theme::mix(C[6], accent, 0.25f) : C[7];
  gfx::text({r.x + 26, r.y, r.w - 32, r.h}, ellipsize(label, 12.5f, r.w - 32, true), 12.5f, text,
            gfx::Align::left, true, true);
}

void icon_corners(float cx, float cy, unsigned colour) {
  const float d = 7, l = 4, w = 1.6f;
  for (int sx = -1; sx <= 1; sx += 2) {
    for (int sy = -1; sy <= 1; sy += 2) {
      float x = cx + sx * d, y = cy + sy * d;
      gfx::line(x, y, x - sx * l, y, colour, w);
      gfx::line(x, y, x, y - sy * l, colour, w);
    }
  }
}

void power_symbol(float cx, float cy, float r, unsigned colour, float width) {
  gfx::stroke_arc(cx, cy, r, 40, 320, colour, width);
  gfx::line(cx, cy - r - 1.5f, cx, cy - r * 0.15f, colour, width);
}

void gear_icon(float cx, float cy, unsigned colour) {
  for (int k = 0; k < 8; ++k) {
    float x0, y0, x1, y1;
    polar(cx, cy, 6.5f, 45.0f * k, &x0, &y0);
    polar(cx, cy, 9.5f, 45.0f * k, &x1, &y1);
    gfx::line(x0, y0, x1, y1, colour, 2.6f);
  }
  gfx::stroke_circle(cx, cy, 6.2f, colour, 1.8f);
  gfx::fill_circle(cx, cy, 2.4f, colour);
}

void mute_button(gfx::Rect r, bool muted, bool hovered) {
  const unsigned* C = theme::colors();
  gfx::fill_round_rect(r, 6, C[24]);
  gfx::fill_rect_vgrad({r.x + 1, r.y + 1, r.w - 2, 4}, 0x30000000, 0x00000000);
  unsigned edge = muted ? C[26] : hovered ? C[7] : C[4];
  gfx::stroke_round_rect(r, 6, edge, 1);
  unsigned ink = muted ? C[26] : hovered ? C[6] : C[7];
  const float cx = r.x + r.w / 2 - 4, cy = r.y + r.h / 2;
  // Loudspeaker: the magnet box and its cone.
  const float body[] = {cx - 6, cy - 2.5f, cx - 3, cy - 2.5f, cx + 1.5f, cy - 6,
                        cx + 1.5f, cy + 6, cx - 3, cy + 2.5f, cx - 6, cy + 2.5f};
  gfx::fill_polygon(body, 6, ink);
  if (muted) {
    gfx::line(cx + 5, cy - 3.5f, cx + 11, cy + 3.5f, ink, 1.6f);
    gfx::line(cx + 5, cy + 3.5f, cx + 11, cy - 3.5f, ink, 1.6f);
  } else {
    gfx::stroke_arc(cx + 1.5f, cy, 5, 45, 135, ink, 1.4f);
    gfx::stroke_arc(cx + 1.5f, cy, 8.5f, 50, 130, theme::with_alpha(ink, 0.7f), 1.4f);
  }
}

void group_caption(float x, float y, float w, const std::string& text, unsigned colour) {
  const float size = 10.5f;
  float tw = gfx::text_width(text, size, true);
  gfx::text({x, y, w, 14}, text, size, colour, gfx::Align::left, true, true);
  float lx = x + tw + 8;
  if (lx < x + w - 4)
    gfx::line(lx, y + 7, x + w, y + 7, theme::with_alpha(colour, 0.35f), 1);
}

}  // namespace ui
