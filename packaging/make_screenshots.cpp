// Build-time tool: renders the window's pictures off screen, for the software
// centre's screenshots. They are not installed; packagers upload them to the
// web address the metainfo names. Usage: make_screenshots <output directory>
// Writes main.png (full window, dark), light.png (full window, light theme)
// and compact.png (compact view), in English, at the reference sizes.
#include <cairo.h>
#include <cstdio>
#include <string>

#include "app/sys.h"
#include "desktop/i18n.h"
#include "gfx/gfx.h"
#include "gfx/theme.h"
#include "settings/settings.h"
#include "ui/ui.h"

namespace {

struct Shot {
  const char* file;
  bool dark;
  bool compact;
};

constexpr Shot kShots[] = {
    {"main.png", true, false},
    {"light.png", false, false},
    {"compact.png", true, true},
};

bool draw_pass(cairo_surface_t* target, int w, int h, bool overlay) {
  cairo_t* cr = cairo_create(target);
  gfx::set_context(cr);
  bool painted = true;
  if (overlay) {
    painted = ui::draw_overlay(w, h);
  } else {
    ui::draw_base(w, h);
  }
  gfx::set_context(nullptr);
  cairo_destroy(cr);
  return painted;
}

// The meter needles, which the frame loop lays over the base picture every
// frame: a shadow, then the needle, each turned about its pivot and clipped to
// the meter face.
void draw_needles(cairo_surface_t* target) {
  const ui::LiveView lv = ui::live_view();
  const float w = lv.compact ? 4.0f : 6.0f;
  const float shadow_off = lv.compact ? 1.5f : 3.0f;
  cairo_t* cr = cairo_create(target);
  gfx::set_context(cr);
  for (const ui::Needle& n : lv.needles) {
    for (bool shadow : {true, false}) {
      const float off = shadow ? shadow_off : 0.0f;
      cairo_save(cr);
      cairo_rectangle(cr, n.face.x, n.face.y, n.face.w, n.face.h);
      cairo_clip(cr);
      cairo_translate(cr, n.pivot_x + off, n.pivot_y + off);
      cairo_rotate(cr, n.angle_deg * 3.14159265358979 / 180.0);
      cairo_translate(cr, -w / 2, -n.length);
      ui::paint_needle(w, n.length, shadow);
      cairo_restore(cr);
    }
  }
  gfx::set_context(nullptr);
  cairo_destroy(cr);
}

// The base picture with the needles and the overlay laid over it, as the
// frame loop composes them.
bool render(const Shot& shot, const std::string& path) {
  Settings s;
  s.compact = shot.compact;
  s.theme = shot.dark ? "dark" : "light";
  theme::set_dark(shot.dark);
  ui::init(&s, false);
  int w = 0, h = 0;
  ui::reference_size(&w, &h);

  cairo_surface_t* base = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_surface_t* over = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  draw_pass(base, w, h, false);
  draw_needles(base);
  if (draw_pass(over, w, h, true)) {
    cairo_t* cr = cairo_create(base);
    cairo_set_source_surface(cr, over, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
  }
  cairo_surface_flush(base);
  const bool ok = cairo_surface_write_to_png(base, path.c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(over);
  cairo_surface_destroy(base);
  ui::shutdown();
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
    return 2;
  }
  const std::string dir = argv[1];
  sys::make_dirs(dir, 0755);  // a failure shows as a failed write
  if (!gfx::init(nullptr)) {
    std::fprintf(stderr, "make_screenshots: no font map\n");
    return 1;
  }
  i18n::set_language("en");
  ui::set_pixel_scale(1);
  for (const Shot& shot : kShots) {
    if (!render(shot, dir + "/" + shot.file)) {
      std::fprintf(stderr, "make_screenshots: %s failed\n", shot.file);
      return 1;
    }
  }
  gfx::shutdown();
  return 0;
}
