// Build-time tool: draws the program's logo into the hicolor icon sizes as PNG
// files and once more as a scalable SVG, so that no picture has to be kept in
// the source tree. Usage: make_icons <output directory>
// Writes <dir>/<N>x<N>/velmora.png for every size and <dir>/scalable/velmora.svg.
#include <cairo-svg.h>
#include <cairo.h>
#include <cstdio>
#include <string>

#include "app/sys.h"
#include "gfx/gfx.h"
#include "ui/ui.h"

namespace {

constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256};
// The SVG's nominal size; viewers scale it freely.
constexpr int kSvgSize = 256;

// Paints the logo onto a fresh surface through the program's own drawing layer.
bool paint_onto(cairo_surface_t* surface, int size) {
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) return false;
  cairo_t* cr = cairo_create(surface);
  gfx::set_context(cr);
  ui::paint_logo(static_cast<float>(size));
  gfx::set_context(nullptr);
  const bool ok = cairo_status(cr) == CAIRO_STATUS_SUCCESS;
  cairo_destroy(cr);
  return ok;
}

bool write_png(const std::string& dir, int size) {
  const std::string sub = dir + "/" + std::to_string(size) + "x" + std::to_string(size);
  sys::make_dirs(sub, 0755);
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
  bool ok = paint_onto(s, size);
  if (ok) ok = cairo_surface_write_to_png(s, (sub + "/velmora.png").c_str()) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(s);
  return ok;
}

bool write_svg(const std::string& dir) {
  const std::string sub = dir + "/scalable";
  sys::make_dirs(sub, 0755);
  cairo_surface_t* s =
      cairo_svg_surface_create((sub + "/velmora.svg").c_str(), kSvgSize, kSvgSize);
  // Pixel units keep the SVG's width and height free of "pt", which icon
  // themes would otherwise scale by 4/3.
  cairo_svg_surface_set_document_unit(s, CAIRO_SVG_UNIT_PX);
  bool ok = paint_onto(s, kSvgSize);
  cairo_surface_finish(s);
  ok = ok && cairo_surface_status(s) == CAIRO_STATUS_SUCCESS;
  cairo_surface_destroy(s);
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
    return 2;
  }
  // A directory that cannot be made shows as a failed write below.
  const std::string dir = argv[1];
  for (int size : kSizes) {
    if (!write_png(dir, size)) {
      std::fprintf(stderr, "make_icons: %dx%d failed\n", size, size);
      return 1;
    }
  }
  if (!write_svg(dir)) {
    std::fprintf(stderr, "make_icons: SVG failed\n");
    return 1;
  }
  return 0;
}
