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
  // The overlay only paints over the base: one surface holds both layers.
  cairo_surface_t* out = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(out);
  gfx::set_context(cr);
  ui::draw_base(w, h);
  ui::draw_overlay(w, h);
  gfx::set_context(nullptr);
  cairo_destroy(cr);
  cairo_surface_flush(out);
  return out;
}

}  // namespace testui
