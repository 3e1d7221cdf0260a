// Painters of the small animated pieces that the composition step caches
// as textures: needle, peak lamp, tube heater and glow, the compressor's
// operating point, LED column segments and the title's letters.
#include <algorithm>

#include "gfx/theme.h"
#include "ui/ui.h"

namespace ui {

namespace {

// The needle's outline, pointing up from the bottom centre; base +-1.6,
// tip +-0.45.
void needle_shape(float w, float h, unsigned colour) {
  const float c = w / 2;
  const float pts[] = {c - 1.6f, h, c - 0.45f, 0, c + 0.45f, 0, c + 1.6f, h};
  gfx::fill_polygon(pts, 4, colour);
}

}  // namespace

void paint_needle(float w, float h, bool shadow) {
  if (shadow) {
    needle_shape(w, h, 0x40000000);
    return;
  }
  needle_shape(w, h, 0xFF1A1512);
  const float c = w / 2, t = 0.18f * h;
  const float tip[] = {c - 0.45f, 0, c + 0.45f, 0, c + 0.75f, t, c - 0.75f, t};
  gfx::fill_polygon(tip, 4, 0xFFC8281E);
}

void paint_led(float s) {
  gfx::fill_ellipse_radial(s / 2, s / 2, s / 2, s / 2, 0xFFFFD6CC, 0x00FF2A1A);
  gfx::fill_circle(s / 2, s / 2, 0.28f * s, 0xFFFF3B2B);
  gfx::fill_circle(0.42f * s, 0.4f * s, 0.1f * s, 0xD0FFFFFF);
}

// Filament: seen glowing above and below the plate and through its seam.
void paint_tube_heater(float w, float h) {
  gfx::fill_ellipse_radial(0.5f * w, 0.48f * h, 0.42f * w, 0.3f * h, 0x30E05A08, 0x00E05A08);
  gfx::fill_ellipse_radial(0.5f * w, 0.265f * h, 0.22f * w, 0.04f * h, 0xB0FF6A10, 0x00FF6A10);
  gfx::fill_ellipse_radial(0.5f * w, 0.71f * h, 0.2f * w, 0.035f * h, 0x90FF6A10, 0x00FF6A10);
  gfx::fill_ellipse_radial(0.5f * w, 0.48f * h, 0.06f * w, 0.2f * h, 0x90FF7A1A, 0x00FF7A1A);
  gfx::fill_ellipse_radial(0.5f * w, 0.265f * h, 0.09f * w, 0.015f * h, 0xFFFFE0A0, 0x00FFB050);
  gfx::fill_ellipse_radial(0.5f * w, 0.71f * h, 0.08f * w, 0.013f * h, 0xFFFFE0A0, 0x00FFB050);
}

// Plate glow: the warm bloom that grows with the drive.
void paint_tube_glow(float w, float h) {
  gfx::fill_ellipse_radial(0.5f * w, 0.46f * h, 0.5f * w, 0.36f * h, 0x30E05A08, 0x00E05A08);
  gfx::fill_ellipse_radial(0.5f * w, 0.48f * h, 0.34f * w, 0.22f * h, 0x70FF8A2A, 0x00FF8A2A);
  gfx::fill_ellipse_radial(0.5f * w, 0.48f * h, 0.14f * w, 0.16f * h, 0xB0FFB050, 0x00FFB050);
  gfx::fill_ellipse_radial(0.5f * w, 0.3f * h, 0.12f * w, 0.03f * h, 0xE0FFE0A0, 0x00FFE0A0);
}

void paint_dot(float s) {
  gfx::fill_ellipse_radial(s / 2, s / 2, s / 2, s / 2, 0xC0FFFFFF, 0x0046D2FF);
  gfx::fill_circle(s / 2, s / 2, 0.16f * s, 0xFFFFFFFF);
}

void paint_column(int mode, float w, float h) {
  const ColumnGeom g = column_geom(w, h);
  const bool dark = theme::dark();
  for (int k = 0; k < g.count; ++k) {
    const float f = static_cast<float>(k) / std::max(g.count - 1, 1);
    unsigned c = f > 0.75f ? 0xFFFF4A3A : f > 0.45f ? 0xFFFFB04A : theme::comp_color();
    if (mode == 2) c = theme::mix(c, 0xFFFFFFFF, 0.45f);
    if (mode == 0) c = theme::mix(theme::colors()[19], c, dark ? 0.1f : 0.2f);
    gfx::fill_rect({0, k * g.pitch, g.w, g.seg}, c);
  }
}

void paint_glyph(const std::string& ch, float size, float w, float h) {
  gfx::text({0, 0, w + 8, h}, ch, size, 0xFFFFFFFF, gfx::Align::left, true, true);
}

}  // namespace ui
