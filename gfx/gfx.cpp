#include "gfx/gfx.h"

#include <pango/pangocairo.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <unordered_map>

#include "desktop/i18n.h"

namespace gfx {
namespace {

constexpr double kPi = 3.14159265358979323846;

cairo_t* g_cr = nullptr;
gfx::TextProbe g_text_probe = nullptr;
PangoContext* g_measure = nullptr;
std::unordered_map<std::uint64_t, PangoFontDescription*> g_fonts;
std::unordered_map<const unsigned char*, cairo_surface_t*> g_images;

void set_colour(unsigned c) {
  cairo_set_source_rgba(g_cr, ((c >> 16) & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0,
                        (c & 0xFF) / 255.0, ((c >> 24) & 0xFF) / 255.0);
}

void add_stop(cairo_pattern_t* p, double offset, unsigned c) {
  cairo_pattern_add_color_stop_rgba(p, offset, ((c >> 16) & 0xFF) / 255.0,
                                    ((c >> 8) & 0xFF) / 255.0, (c & 0xFF) / 255.0,
                                    ((c >> 24) & 0xFF) / 255.0);
}

// Our angles: 0 at twelve o'clock, clockwise; cairo's: 0 at three o'clock.
double to_cairo_rad(float deg) { return (static_cast<double>(deg) - 90.0) * kPi / 180.0; }

void round_rect_path(Rect r, float radius) {
  float rad = std::fmin(radius, std::fmin(r.w / 2, r.h / 2));
  if (rad <= 0) {
    cairo_rectangle(g_cr, r.x, r.y, r.w, r.h);
    return;
  }
  cairo_new_sub_path(g_cr);
  cairo_arc(g_cr, r.x + r.w - rad, r.y + rad, rad, -kPi / 2, 0);
  cairo_arc(g_cr, r.x + r.w - rad, r.y + r.h - rad, rad, 0, kPi / 2);
  cairo_arc(g_cr, r.x + rad, r.y + r.h - rad, rad, kPi / 2, kPi);
  cairo_arc(g_cr, r.x + rad, r.y + rad, rad, kPi, 3 * kPi / 2);
  cairo_close_path(g_cr);
}

void fill_with_vgrad(double y_top, double y_bottom, unsigned top, unsigned bottom) {
  cairo_pattern_t* p = cairo_pattern_create_linear(0, y_top, 0, y_bottom);
  add_stop(p, 0, top);
  add_stop(p, 1, bottom);
  cairo_set_source(g_cr, p);
  cairo_fill(g_cr);
  cairo_pattern_destroy(p);
}

void trace_points(const float* pts, int n) {
  for (int i = 0; i < n; ++i) cairo_line_to(g_cr, pts[2 * i], pts[2 * i + 1]);
}

PangoFontDescription* font_for(float size, bool bold) {
  std::uint64_t key =
      static_cast<std::uint64_t>(static_cast<std::int64_t>(size * 100)) * 2 + (bold ? 1 : 0);
  auto it = g_fonts.find(key);
  if (it != g_fonts.end()) return it->second;
  PangoFontDescription* d = pango_font_description_new();
  pango_font_description_set_family(d, "Sans");
  pango_font_description_set_weight(d, bold ? static_cast<PangoWeight>(600) : PANGO_WEIGHT_NORMAL);
  pango_font_description_set_absolute_size(d, static_cast<double>(size) * PANGO_SCALE);
  g_fonts.emplace(key, d);
  return d;
}

// Pango guesses a paragraph's direction from its first strong letter, so a
// Hebrew sentence that opens with the Latin product name would run left to
// right. Under a right-to-left language every paragraph is right to left.
// The measuring context is shared, so its direction is set either way.
PangoLayout* new_layout(bool on_context, const std::string& s, float size, bool bold) {
  const bool rtl = i18n::rtl();
  PangoLayout* layout = nullptr;
  if (on_context) {
    layout = pango_cairo_create_layout(g_cr);
    if (rtl) {
      pango_context_set_base_dir(pango_layout_get_context(layout), PANGO_DIRECTION_RTL);
      pango_layout_context_changed(layout);
    }
  } else {
    pango_context_set_base_dir(g_measure, rtl ? PANGO_DIRECTION_RTL : PANGO_DIRECTION_WEAK_LTR);
    layout = pango_layout_new(g_measure);
  }
  pango_layout_set_auto_dir(layout, rtl ? FALSE : TRUE);
  pango_layout_set_font_description(layout, font_for(size, bold));
  pango_layout_set_text(layout, s.data(), static_cast<int>(s.size()));
  return layout;
}

PangoLayout* new_line_layout(bool on_context, const std::string& s, float size, bool bold) {
  PangoLayout* layout = new_layout(on_context, s, size, bold);
  pango_layout_set_single_paragraph_mode(layout, TRUE);
  pango_layout_set_wrap(layout, PANGO_WRAP_CHAR);
  pango_layout_set_width(layout, -1);
  return layout;
}

PangoLayout* new_wrapped_layout(bool on_context, const std::string& s, float size, float width) {
  PangoLayout* layout = new_layout(on_context, s, size, false);
  pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
  pango_layout_set_width(layout, static_cast<int>(width * PANGO_SCALE));
  return layout;
}

struct PngReader {
  const unsigned char* data;
  std::size_t left;
};

cairo_status_t read_png(void* closure, unsigned char* out, unsigned int length) {
  auto* rd = static_cast<PngReader*>(closure);
  if (length > rd->left) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(out, rd->data, length);
  rd->data += length;
  rd->left -= length;
  return CAIRO_STATUS_SUCCESS;
}

cairo_surface_t* decoded(const unsigned char* data, std::size_t size) {
  auto it = g_images.find(data);
  if (it != g_images.end()) return it->second;
  PngReader rd{data, size};
  // A broken image is kept too, so it is never decoded again.
  cairo_surface_t* s = cairo_image_surface_create_from_png_stream(read_png, &rd);
  g_images.emplace(data, s);
  return s;
}

}  // namespace

bool init(void*) {
  PangoFontMap* map = pango_cairo_font_map_get_default();
  if (map == nullptr) return false;
  if (g_measure == nullptr) g_measure = pango_font_map_create_context(map);
  return g_measure != nullptr;
}

void shutdown() {
  for (auto& [data, s] : g_images) cairo_surface_destroy(s);
  g_images.clear();
  for (auto& [key, d] : g_fonts) pango_font_description_free(d);
  g_fonts.clear();
  if (g_measure != nullptr) g_object_unref(g_measure);
  g_measure = nullptr;
  g_cr = nullptr;
}

void set_context(cairo_t* cr) { g_cr = cr; }
bool begin() { return g_cr != nullptr; }
void end() {}
void resize(int, int) {}

void clear(unsigned colour) {
  if (!g_cr) return;
  cairo_save(g_cr);
  cairo_set_operator(g_cr, CAIRO_OPERATOR_SOURCE);
  set_colour(colour);
  cairo_paint(g_cr);
  cairo_restore(g_cr);
}

void fill_rect(Rect r, unsigned colour) {
  if (!g_cr) return;
  cairo_new_path(g_cr);
  cairo_rectangle(g_cr, r.x, r.y, r.w, r.h);
  set_colour(colour);
  cairo_fill(g_cr);
}

void fill_round_rect(Rect r, float radius, unsigned colour) {
  if (!g_cr) return;
  cairo_new_path(g_cr);
  round_rect_path(r, radius);
  set_colour(colour);
  cairo_fill(g_cr);
}

void stroke_round_rect(Rect r, float radius, unsigned colour, float width) {
  if (!g_cr) return;
  cairo_new_path(g_cr);
  round_rect_path({r.x + width / 2, r.y + width / 2, r.w - width, r.h - width}, radius);
  set_colour(colour);
  cairo_set_line_width(g_cr, width);
  cairo_stroke(g_cr);
}

void fill_circle(float cx, float cy, float r, unsigned colour) {
  if (!g_cr || r <= 0) return;
  cairo_new_path(g_cr);
  cairo_arc(g_cr, cx, cy, r, 0, 2 * kPi);
  set_colour(colour);
  cairo_fill(g_cr);
}

void stroke_circle(float cx, float cy, float r, unsigned colour, float width) {
  if (!g_cr || r <= 0) return;
  cairo_new_path(g_cr);
  cairo_arc(g_cr, cx, cy, r, 0, 2 * kPi);
  set_colour(colour);
  cairo_set_line_width(g_cr, width);
  cairo_stroke(g_cr);
}

void line(float x0, float y0, float x1, float y1, unsigned colour, float width) {
  if (!g_cr) return;
  cairo_new_path(g_cr);
  cairo_move_to(g_cr, x0, y0);
  cairo_line_to(g_cr, x1, y1);
  cairo_set_line_cap(g_cr, CAIRO_LINE_CAP_ROUND);
  set_colour(colour);
  cairo_set_line_width(g_cr, width);
  cairo_stroke(g_cr);
}

void fill_rect_vgrad(Rect r, unsigned top, unsigned bottom) {
  if (!g_cr) return;
  cairo_new_path(g_cr);
  cairo_rectangle(g_cr, r.x, r.y, r.w, r.h);
  fill_with_vgrad(r.y, r.y + r.h, top, bottom);
}

void fill_round_rect_vgrad(Rect r, float radius, unsigned top, unsigned bottom) {
  if (!g_cr) return;
  cairo_new_path(g_cr);
  round_rect_path(r, radius);
  fill_with_vgrad(r.y, r.y + r.h, top, bottom);
}

void fill_round_rect_hstops(Rect r, float radius, const unsigned* colours, const float* stops,
                            int n) {
  if (!g_cr || n <= 0) return;
  cairo_new_path(g_cr);
  round_rect_path(r, radius);
  cairo_pattern_t* p = cairo_pattern_create_linear(r.x, 0, r.x + r.w, 0);
  for (int i = 0; i < n; ++i) add_stop(p, stops[i], colours[i]);
  cairo_set_source(g_cr, p);
  cairo_fill(g_cr);
  cairo_pattern_destroy(p);
}

void polyline(const float* points, int n, unsigned colour, float width) {
  if (!g_cr || n < 2) return;
  cairo_new_path(g_cr);
  trace_points(points, n);
  cairo_set_line_cap(g_cr, CAIRO_LINE_CAP_ROUND);
  cairo_set_line_join(g_cr, CAIRO_LINE_JOIN_ROUND);
  set_colour(colour);
  cairo_set_line_width(g_cr, width);
  cairo_stroke(g_cr);
}

void fill_under(const float* points, int n, float base_y, unsigned top, unsigned bottom) {
  if (!g_cr || n < 2) return;
  float y_top = base_y;
  for (int i = 0; i < n; ++i) y_top = std::fmin(y_top, points[2 * i + 1]);
  cairo_new_path(g_cr);
  cairo_move_to(g_cr, points[0], base_y);
  trace_points(points, n);
  cairo_line_to(g_cr, points[2 * (n - 1)], base_y);
  cairo_close_path(g_cr);
  fill_with_vgrad(y_top, base_y, top, bottom);
}

void fill_polygon(const float* points, int n, unsigned colour) {
  if (!g_cr || n < 3) return;
  cairo_new_path(g_cr);
  trace_points(points, n);
  cairo_close_path(g_cr);
  set_colour(colour);
  cairo_fill(g_cr);
}

void fill_triangle(float x0, float y0, float x1, float y1, float x2, float y2, unsigned colour) {
  const float pts[6] = {x0, y0, x1, y1, x2, y2};
  fill_polygon(pts, 3, colour);
}

void stroke_arc(float cx, float cy, float r, float a0_deg, float a1_deg, unsigned colour,
                float width) {
  if (!g_cr || r <= 0 || a1_deg - a0_deg <= 0) return;
  cairo_new_path(g_cr);
  if (a1_deg - a0_deg >= 360) {
    cairo_arc(g_cr, cx, cy, r, 0, 2 * kPi);
  } else {
    cairo_set_line_cap(g_cr, CAIRO_LINE_CAP_ROUND);
    cairo_new_sub_path(g_cr);
    cairo_arc(g_cr, cx, cy, r, to_cairo_rad(a0_deg), to_cairo_rad(a1_deg));
  }
  set_colour(colour);
  cairo_set_line_width(g_cr, width);
  cairo_stroke(g_cr);
}

void fill_arc_band(float cx, float cy, float r_in, float r_out, float a0_deg, float a1_deg,
                   unsigned colour) {
  if (!g_cr || r_in >= r_out || a0_deg >= a1_deg) return;
  cairo_new_path(g_cr);
  cairo_arc(g_cr, cx, cy, r_out, to_cairo_rad(a0_deg), to_cairo_rad(a1_deg));
  cairo_arc_negative(g_cr, cx, cy, r_in, to_cairo_rad(a1_deg), to_cairo_rad(a0_deg));
  cairo_close_path(g_cr);
  set_colour(colour);
  cairo_fill(g_cr);
}

void fill_ellipse_radial(float cx, float cy, float rx, float ry, unsigned inner, unsigned outer) {
  if (!g_cr || rx <= 0 || ry <= 0) return;
  cairo_save(g_cr);
  cairo_translate(g_cr, cx, cy);
  cairo_scale(g_cr, rx, ry);
  cairo_pattern_t* p = cairo_pattern_create_radial(0, 0, 0, 0, 0, 1);
  add_stop(p, 0, inner);
  add_stop(p, 1, outer);
  cairo_new_path(g_cr);
  cairo_arc(g_cr, 0, 0, 1, 0, 2 * kPi);
  cairo_set_source(g_cr, p);
  cairo_fill(g_cr);
  cairo_pattern_destroy(p);
  cairo_restore(g_cr);
}

void push_clip(Rect r) {
  if (!g_cr) return;
  cairo_save(g_cr);
  cairo_new_path(g_cr);
  cairo_rectangle(g_cr, r.x, r.y, r.w, r.h);
  cairo_clip(g_cr);
}

void pop_clip() {
  if (!g_cr) return;
  cairo_restore(g_cr);
}

void image_png(const unsigned char* data, std::size_t size, Rect r) {
  if (!g_cr || data == nullptr || r.w <= 0 || r.h <= 0) return;
  cairo_surface_t* s = decoded(data, size);
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) return;
  int iw = cairo_image_surface_get_width(s);
  int ih = cairo_image_surface_get_height(s);
  if (iw <= 0 || ih <= 0) return;
  cairo_save(g_cr);
  cairo_translate(g_cr, r.x, r.y);
  cairo_scale(g_cr, r.w / iw, r.h / ih);
  cairo_set_source_surface(g_cr, s, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(g_cr), CAIRO_FILTER_GOOD);
  cairo_paint(g_cr);
  cairo_restore(g_cr);
}

void set_text_probe(TextProbe probe) { g_text_probe = probe; }

void text(Rect r, const std::string& s, float size, unsigned colour, Align align, bool bold,
          bool vcenter) {
  if (!g_cr || s.empty()) return;
  PangoLayout* layout = new_line_layout(true, s, size, bold);
  int tw = 0, th = 0;
  pango_layout_get_pixel_size(layout, &tw, &th);
  if (g_text_probe != nullptr) g_text_probe(r, s, static_cast<float>(tw));
  double x = r.x;
  if (align == Align::center) x = r.x + (r.w - tw) / 2.0;
  if (align == Align::right) x = r.x + r.w - tw;
  double y = vcenter ? r.y + (r.h - th) / 2.0 : r.y;
  cairo_save(g_cr);
  cairo_new_path(g_cr);
  cairo_rectangle(g_cr, r.x, r.y, r.w, r.h);
  cairo_clip(g_cr);
  set_colour(colour);
  cairo_move_to(g_cr, x, y);
  pango_cairo_show_layout(g_cr, layout);
  cairo_restore(g_cr);
  g_object_unref(layout);
}

float text_wrapped(Rect r, const std::string& s, float size, unsigned colour, Align align) {
  if (!g_cr || s.empty()) return 0;
  PangoLayout* layout = new_wrapped_layout(true, s, size, r.w);
  // Left and right mean the start and the end of the paragraph, as Pango
  // reads them for a paragraph whose own direction differs from the context.
  const bool rtl = i18n::rtl();
  PangoAlignment pa = rtl ? PANGO_ALIGN_RIGHT : PANGO_ALIGN_LEFT;
  if (align == Align::center) pa = PANGO_ALIGN_CENTER;
  if (align == Align::right) pa = rtl ? PANGO_ALIGN_LEFT : PANGO_ALIGN_RIGHT;
  pango_layout_set_alignment(layout, pa);
  int tw = 0, th = 0;
  pango_layout_get_pixel_size(layout, &tw, &th);
  cairo_save(g_cr);
  cairo_new_path(g_cr);
  cairo_rectangle(g_cr, r.x, r.y, r.w, r.h);
  cairo_clip(g_cr);
  set_colour(colour);
  cairo_move_to(g_cr, r.x, r.y);
  pango_cairo_show_layout(g_cr, layout);
  cairo_restore(g_cr);
  g_object_unref(layout);
  return static_cast<float>(th);
}

float wrapped_height(const std::string& s, float size, float width) {
  if (s.empty() || g_measure == nullptr) return 0;
  PangoLayout* layout = new_wrapped_layout(false, s, size, width);
  int tw = 0, th = 0;
  pango_layout_get_pixel_size(layout, &tw, &th);
  g_object_unref(layout);
  return static_cast<float>(th);
}

float text_width(const std::string& s, float size, bool bold) {
  if (s.empty() || g_measure == nullptr) return 0;
  PangoLayout* layout = new_line_layout(g_cr != nullptr, s, size, bold);
  int tw = 0, th = 0;
  pango_layout_get_pixel_size(layout, &tw, &th);
  g_object_unref(layout);
  return static_cast<float>(tw);
}

std::size_t fit_chars(const std::string& s, float size, float width) {
  if (s.empty()) return 0;
  if (g_measure == nullptr) return width >= 0 ? s.size() : 0;  // every prefix measures 0
  // One layout measures every prefix: making a layout costs more than
  // shaping a short prefix.
  PangoLayout* layout = new_line_layout(g_cr != nullptr, s, size, false);
  std::size_t n = s.size();
  std::size_t fit = 0;
  for (;;) {
    pango_layout_set_text(layout, s.data(), static_cast<int>(n));
    int tw = 0, th = 0;
    pango_layout_get_pixel_size(layout, &tw, &th);
    if (static_cast<float>(tw) <= width) {
      fit = n;
      break;
    }
    if (n == 1) break;
    --n;
    while ((static_cast<unsigned char>(s[n]) & 0xC0) == 0x80) {
      if (--n == 0) break;
    }
    if (n == 0) break;
  }
  g_object_unref(layout);
  return fit;
}

}  // namespace gfx
