#include "tests/ui/golden_render.h"

#include <cstdint>
#include <algorithm>
#include <cstdlib>

#include "desktop/i18n.h"
#include "gfx/gfx.h"
#include "ui/ui.h"

namespace testui {

void setup() {
  gfx::init(nullptr);
  i18n::set_language("en");
  ui::set_pixel_scale(1);
}

cairo_surface_t* render(Settings* s, int w, int h) {
  ui::init(s, false);
  cairo_surface_t* base = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(base);
  gfx::set_context(cr);
  ui::draw_base(w, h);
  gfx::set_context(nullptr);
  cairo_destroy(cr);

  cairo_surface_t* over = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cr = cairo_create(over);
  gfx::set_context(cr);
  const bool painted = ui::draw_overlay(w, h);
  gfx::set_context(nullptr);
  cairo_destroy(cr);
  if (painted) {
    cr = cairo_create(base);
    cairo_set_source_surface(cr, over, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
  }
  cairo_surface_destroy(over);
  cairo_surface_flush(base);
  return base;
}

Diff compare(cairo_surface_t* a, cairo_surface_t* b, int tolerance) {
  Diff d;
  cairo_surface_flush(a);
  cairo_surface_flush(b);
  const int w = cairo_image_surface_get_width(a), h = cairo_image_surface_get_height(a);
  const int sa = cairo_image_surface_get_stride(a), sb = cairo_image_surface_get_stride(b);
  const unsigned char* pa = cairo_image_surface_get_data(a);
  const unsigned char* pb = cairo_image_surface_get_data(b);
  for (int y = 0; y < h; ++y) {
    const auto* ra = reinterpret_cast<const std::uint32_t*>(pa + y * sa);
    const auto* rb = reinterpret_cast<const std::uint32_t*>(pb + y * sb);
    for (int x = 0; x < w; ++x) {
      int worst = 0;
      for (int shift = 0; shift < 32; shift += 8) {
        int ca = (ra[x] >> shift) & 0xFF, cb = (rb[x] >> shift) & 0xFF;
        worst = std::max(worst, std::abs(ca - cb));
      }
      if (worst > tolerance) ++d.outliers;
      if (worst > d.max_channel) {
        d.max_channel = worst;
        d.worst_x = x;
        d.worst_y = y;
      }
    }
  }
  return d;
}

}  // namespace testui
