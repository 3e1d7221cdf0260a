#include "tests/ui/golden_render.h"

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
  cairo_surface_t* layers[2];
  bool painted = false;
  for (int i = 0; i < 2; ++i) {
    layers[i] = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(layers[i]);
    gfx::set_context(cr);
    if (i == 0)
      ui::draw_base(w, h);
    else
      painted = ui::draw_overlay(w, h);
    gfx::set_context(nullptr);
    cairo_destroy(cr);
  }
  cairo_surface_t* base = layers[0];
  if (painted) {
    cairo_t* cr = cairo_create(base);
    cairo_set_source_surface(cr, layers[1], 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
  }
  cairo_surface_destroy(layers[1]);
  cairo_surface_flush(base);
  return base;
}

}  // namespace testui
