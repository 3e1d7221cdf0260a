// The program's logo: a glowing valve on a dark rounded tile, its filament
// bent into a V. Drawn from shapes so it stays crisp from 16 to 256 pixels;
// below about 24 pixels the fine details are left out.
#include <algorithm>

#include "ui/rack_draw.h"
#include "ui/ui.h"

namespace ui {

void draw_logo(float x, float y, float s) {
  if (s <= 0) return;
  const bool small = s < 24;
  // Lines never get thinner than about one pixel at 1:1.
  auto width = [&](float f, float min_w) { return std::max(f * s, min_w); };
  const gfx::Rect tile{x, y, s, s};
  gfx::fill_round_rect_vgrad(tile, 0.22f * s, 0xFF2A3140, 0xFF0A0D12);
  gfx::fill_ellipse_radial(x + 0.5f * s, y + 0.5f * s, 0.48f * s, 0.46f * s, 0x80FF6A14, 0x00FF6A14);

  // Envelope: a dome with straight sides, ending on the base.
  // At icon sizes the envelope widens so that its outline and the V stay apart.
  const float gw = small ? 0.6f : 0.48f;
  const gfx::Rect glass{x + (0.5f - gw / 2) * s, y + 0.1f * s, gw * s, 0.64f * s};
  gfx::fill_round_rect(glass, glass.w / 2, 0x30FFC070);
  gfx::stroke_round_rect(glass, glass.w / 2, 0xFFFFB04A, width(0.045f, 1.2f));
  if (!small) {
    gfx::line(x + 0.5f * s, y + 0.06f * s, x + 0.5f * s, y + 0.13f * s, 0xFFFFB04A, width(0.035f, 1));
    gfx::fill_round_rect_vgrad({glass.x + 0.08f * s, glass.y + 0.14f * s, 0.045f * s, 0.3f * s},
                               0.02f * s, 0x90FFFFFF, 0x00FFFFFF);
  }
  // The base with its pins.
  gfx::fill_round_rect({x + 0.2f * s, y + 0.72f * s, 0.6f * s, 0.12f * s}, 0.035f * s, 0xFFFF8A1C);
  if (!small) {
    for (int p = -1; p <= 1; ++p)
      gfx::line(x + (0.5f + 0.12f * p) * s, y + 0.83f * s, x + (0.5f + 0.12f * p) * s, y + 0.9f * s,
                0xFFE8401E, width(0.035f, 1));
  }
  // The filament: a V, with a soft glow, an orange stroke and a white-hot core.
  const float vw = small ? 0.15f : 0.13f;
  const float v[] = {x + (0.5f - vw) * s, y + 0.28f * s, x + 0.5f * s, y + 0.6f * s,
                     x + (0.5f + vw) * s, y + 0.28f * s};
  gfx::fill_ellipse_radial(x + 0.5f * s, y + 0.47f * s, 0.24f * s, 0.24f * s, 0xA0FFB050, 0x00FF8A1C);
  gfx::polyline(v, 3, 0xFFFF8A1C, width(0.09f, 2.4f));
  gfx::polyline(v, 3, 0xFFFFF4C8, width(0.04f, 1));
  gfx::stroke_round_rect(tile, 0.22f * s, 0x30FFFFFF, width(0.012f, 0.6f));
}

void paint_logo(float size) { draw_logo(0, 0, size); }

}  // namespace ui
