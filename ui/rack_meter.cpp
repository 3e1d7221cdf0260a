// The display panel's instruments: VU faces with their covers, and the
// tubes in their window. Needles, lamp glow and tube glow are composed over
// these every frame; glass and covers are painted again above them.
#include <cmath>
#include <cstdio>

#include "desktop/i18n.h"
#include "gfx/theme.h"
#include "settings/settings.h"
#include "ui/rack_draw.h"
#include "ui/ui_state.h"

namespace ui {

using namespace state;

namespace {

constexpr float kPi = 3.14159265f;
constexpr float kVuZero = 0.70794576f;  // needle position of 0 VU
constexpr unsigned kInk = 0xFF2A2218;
constexpr unsigned kRed = 0xFFC8281E;

struct Mark {
  float vu;
  const char* label;
};
constexpr Mark kMarks[] = {{-20, "20"}, {-10, "10"}, {-7, "7"}, {-5, "5"}, {-3, "3"}, {-2, "2"},
                           {-1, "1"},   {0, "0"},    {1, "1"},  {2, "2"},  {3, "3"}};

// Same mapping as the live needles: 0.0708 at -50 degrees, 1.0 at +50.
float needle_angle(float pos) {
  float a = (pos - 0.07079458f) * 100.0f / 0.9292054f - 50.0f;
  return std::fmin(std::fmax(a, -53.0f), 54.0f);
}

float vu_angle(float vu) { return needle_angle(kVuZero * std::pow(10.0f, vu / 20.0f)); }

void polar(float cx, float cy, float r, float a_deg, float* x, float* y) {
  float a = a_deg * kPi / 180.0f;
  *x = cx + r * std::sin(a);
  *y = cy - r * std::cos(a);
}

void tick(float cx, float cy, float r0, float r1, float a, unsigned colour, float width) {
  float x0, y0, x1, y1;
  polar(cx, cy, r0, a, &x0, &y0);
  polar(cx, cy, r1, a, &x1, &y1);
  gfx::line(x0, y0, x1, y1, colour, width);
}

void label_at(float cx, float cy, float r, float a, const std::string& s, float size,
              unsigned colour, bool bold) {
  float x, y;
  polar(cx, cy, r, a, &x, &y);
  gfx::text({x - 20, y - size, 40, 2 * size}, s, size, colour, gfx::Align::center, bold, true);
}

const char* mode_key() {
  if (S != nullptr && S->vu_mode == 0) return "vu_in";
  if (S != nullptr && S->vu_mode == 2) return "vu_gr";
  return "vu_out";
}

}  // namespace

void draw_vu_face(gfx::Rect r, int channel, bool compact) {
  const float rad = compact ? 4 : 8;
  const float k = compact ? 0.5f : 1.0f;  // size of print relative to the full window
  const bool dark = theme::dark();
  gfx::fill_round_rect({r.x - 3 * k, r.y - 3 * k, r.w + 6 * k, r.h + 6 * k}, rad + 2,
                       dark ? 0xFF05070A : 0xFF20252C);
  gfx::fill_round_rect({r.x, r.y + 2, r.w, r.h}, rad, 0x66000000);
  gfx::fill_round_rect_vgrad(r, rad, 0xFFC9C0AC, 0xFFA99F88);
  gfx::push_clip(r);
  if (S != nullptr && S->active)
    gfx::fill_ellipse_radial(r.x + r.w / 2, r.y + 1.05f * r.h, 0.55f * r.w, 0.9f * r.h,
                             0x60FFD27A, 0x00FFD27A);
  const float cx = r.x + r.w / 2, cy = r.y + 1.25f * r.h;
  const float R = 1.12f * r.h * 0.86f;
  const float a_lo = needle_angle(0.07079458f), a_zero = vu_angle(0), a_hi = vu_angle(3);

  gfx::stroke_arc(cx, cy, R, a_lo, a_zero, kInk, 1.3f * k + 0.2f);
  gfx::fill_arc_band(cx, cy, R, R + 5 * k, a_zero, a_hi, kRed);
  // The compact face is too narrow for print outside the arc: its labels sit inside.
  const float major = compact ? 5 : 10, label_r = compact ? R - 9 : R + 20;
  const float label_size = compact ? 7 : 12.5f;
  for (const Mark& m : kMarks) {
    float a = vu_angle(m.vu);
    unsigned c = m.vu > 0 ? kRed : kInk;
    tick(cx, cy, R, R + major, a, c, m.vu == 0 ? 1.8f * k + 0.2f : 1.2f * k + 0.2f);
    if (compact && (m.vu == -7 || m.vu == -2)) continue;  // no room at that size
    label_at(cx, cy, label_r, a, m.label, label_size, c, m.vu >= 0);
  }
  for (float f = -2.5f; f <= 2.6f; f += 1.0f)
    tick(cx, cy, R, R + major * 0.55f, vu_angle(f), f > 0 ? kRed : kInk, 0.8f * k + 0.2f);

  // Inner scale (percent of the 0 VU level) and the end signs: only the full
  // window's faces have room for them.
  if (!compact) {
    const float inner = R - 5;
    gfx::stroke_arc(cx, cy, inner, needle_angle(0.2f * kVuZero), a_zero, theme::with_alpha(kInk, 0.7f),
                    0.9f);
    for (int p = 20; p <= 100; p += 20) {
      float a = needle_angle(p / 100.0f * kVuZero);
      tick(cx, cy, inner, inner - major * 0.5f, a, kInk, 1.1f);
      char buf[8];
      std::snprintf(buf, sizeof buf, "%d", p);
      label_at(cx, cy, inner - 16, a, buf, 9.5f, theme::with_alpha(kInk, 0.85f), false);
    }
    const float sign_r = R - 0.2f * r.h;
    label_at(cx, cy, sign_r, -46, "\xE2\x88\x92", 18, kInk, true);
    label_at(cx, cy, sign_r, 46, "+", 18, kRed, true);
  }
  const float mode_size = compact ? 8 : 16;
  gfx::text({r.x, r.y + 0.52f * r.h - mode_size, r.w, 2 * mode_size}, i18n::T(mode_key()),
            mode_size, kInk, gfx::Align::center, true, true);
  if (!compact)
    gfx::text({r.x + 12, r.y + 7, 30, 16}, channel == 0 ? "L" : "R", 11, theme::with_alpha(kInk, 0.8f),
              gfx::Align::left, true, true);

  // Socket of the peak lamp; the live lamp is composed over it.
  const float s = compact ? 6 : 10;
  const float lx = r.x + r.w - (compact ? 11 : 20) + s / 2, ly = r.y + (compact ? 5 : 9) + s / 2;
  gfx::fill_circle(lx, ly, s * 0.48f, 0xFF3A2A22);
  gfx::fill_circle(lx, ly, s * 0.3f, 0xFF6A1E16);
  gfx::stroke_circle(lx, ly, s * 0.48f, 0x80000000, 0.8f);
  if (!compact)
    gfx::text({lx - 50, ly - 7, 40, 14}, "PEAK", 8, theme::with_alpha(kInk, 0.75f),
              gfx::Align::right, true, true);
  gfx::pop_clip();
  gfx::stroke_round_rect(r, rad, 0x90000000, 1);
}

void draw_vu_cover(gfx::Rect r, int channel, bool compact) {
  const float rad = compact ? 4 : 8;
  const float ph = r.h * (compact ? 0.2f : 0.19f);
  const gfx::Rect plate{r.x, r.y + r.h - ph, r.w, ph};
  gfx::push_clip(r);
  gfx::fill_rect_vgrad({r.x, plate.y - 3, r.w, 3}, 0x00000000, 0x50000000);
  gfx::fill_round_rect_vgrad(plate, rad, 0xFF3A3F47, 0xFF101215);
  gfx::fill_rect_vgrad({plate.x, plate.y + plate.h - rad, plate.w, rad}, 0xFF15171B, 0xFF101215);
  gfx::line(plate.x + rad, plate.y + 0.5f, plate.x + plate.w - rad, plate.y + 0.5f, 0x40FFFFFF, 1);
  const char* label = channel == 0 ? "VELMORA  \xC2\xB7  VU 1" : "BUILT BY THE VELMORA TEAM";
  text_fit({plate.x + 4, plate.y, plate.w - 8, plate.h}, label, 8, 5, 0x70FFFFFF, gfx::Align::center,
           true);
  gfx::fill_ellipse_radial(r.x + 0.32f * r.w, r.y + 0.12f * r.h, 0.55f * r.w, 0.5f * r.h, 0x2EFFFFFF,
                           0x00FFFFFF);
  gfx::pop_clip();
}

void draw_tube_window(gfx::Rect r, float bezel, bool lit) {
  const bool dark = theme::dark();
  gfx::fill_round_rect({r.x - bezel, r.y - bezel, r.w + 2 * bezel, r.h + 2 * bezel}, 6 + bezel / 2,
                       dark ? 0xFF05070A : 0xFF20252C);
  gfx::fill_round_rect_vgrad(r, 5, 0xFF0E0F12, 0xFF050506);
  if (!lit) return;
  gfx::push_clip(r);
  gfx::fill_ellipse_radial(r.x + r.w / 2, r.y + 0.45f * r.h, 0.6f * r.w, 0.55f * r.h, 0x26FF8A2A,
                           0x00FF8A2A);
  gfx::pop_clip();
}

// Proportions of a tube, as fractions of its rectangle's height: the exhaust
// tip, the glass envelope and the base.
void draw_tube_body(gfx::Rect r, bool lit) {
  const float x = r.x, y = r.y, w = r.w, h = r.h, cx = x + w / 2;
  const float gw = 0.86f * w;
  const gfx::Rect glass{cx - gw / 2, y + 0.085f * h, gw, 0.745f * h};
  // Exhaust tip above the envelope.
  gfx::fill_round_rect({cx - 0.07f * w, y + 0.035f * h, 0.14f * w, 0.07f * h}, 0.07f * w, 0xFF2B2E33);
  // The glass, slightly smoky, and the silvered getter flash at the top.
  gfx::fill_round_rect(glass, gw / 2, 0x5A3A3E46);
  gfx::fill_ellipse_radial(cx, glass.y + 0.06f * h, 0.42f * w, 0.07f * h, 0xC0767C86, 0x00767C86);
  // Mica spacers and the support rods.
  const float top = y + 0.27f * h, bottom = y + 0.70f * h;
  gfx::line(cx - 0.3f * w, y + 0.18f * h, cx - 0.3f * w, y + 0.79f * h, 0xFF4A4F57, 1.1f);
  gfx::line(cx + 0.3f * w, y + 0.18f * h, cx + 0.3f * w, y + 0.79f * h, 0xFF4A4F57, 1.1f);
  gfx::fill_rect({cx - 0.38f * w, top - 0.012f * h, 0.76f * w, 0.018f * h}, 0xC0A8A49A);
  gfx::fill_rect({cx - 0.38f * w, bottom, 0.76f * w, 0.018f * h}, 0xC0A8A49A);
  // The plate: dark grey metal with a seam down its middle.
  const gfx::Rect plate{cx - 0.26f * w, top + 0.02f * h, 0.52f * w, bottom - top - 0.03f * h};
  gfx::fill_round_rect_vgrad(plate, 1.5f, 0xFF4A4E55, 0xFF1E2024);
  gfx::fill_rect_vgrad({plate.x, plate.y, plate.w * 0.3f, plate.h}, 0x20FFFFFF, 0x06FFFFFF);
  gfx::line(cx, plate.y + 2, cx, plate.y + plate.h - 2, 0xFF121315, 1.2f);
  if (lit)
    gfx::fill_ellipse_radial(cx, (top + bottom) / 2, 0.45f * w, 0.3f * h, 0x22FF7A1A, 0x00FF7A1A);
  // Bakelite base with its pins' shadow.
  const gfx::Rect base{cx - 0.45f * w, y + 0.826f * h, 0.9f * w, 0.15f * h};
  gfx::fill_round_rect_vgrad(base, 0.08f * w, 0xFF3A2F27, 0xFF0F0C0A);
  gfx::line(base.x + 3, base.y + 1, base.x + base.w - 3, base.y + 1, 0x30FFFFFF, 1);
  for (int p = -1; p <= 1; ++p)
    gfx::fill_rect({cx + p * 0.22f * w - 0.5f, base.y + base.h, 1.2f, 0.022f * h}, 0xFF9A8E7A);
}

void draw_tube_glass(gfx::Rect r) {
  const float x = r.x, y = r.y, w = r.w, h = r.h, cx = x + w / 2;
  const float gw = 0.86f * w;
  const gfx::Rect glass{cx - gw / 2, y + 0.085f * h, gw, 0.745f * h};
  // A long reflection down the left of the envelope and a short one on the right.
  gfx::fill_round_rect_vgrad({glass.x + 0.12f * gw, glass.y + 0.1f * glass.h, 0.11f * gw, 0.72f * glass.h},
                             0.055f * gw, 0x50FFFFFF, 0x08FFFFFF);
  gfx::fill_round_rect_vgrad({glass.x + 0.78f * gw, glass.y + 0.14f * glass.h, 0.05f * gw, 0.3f * glass.h},
                             0.025f * gw, 0x30FFFFFF, 0x00FFFFFF);
  gfx::fill_ellipse_radial(glass.x + 0.34f * gw, glass.y + 0.08f * glass.h, 0.16f * gw, 0.04f * glass.h,
                           0x60FFFFFF, 0x00FFFFFF);
  gfx::stroke_round_rect(glass, gw / 2, 0x38FFFFFF, 1);
}

}  // namespace ui
