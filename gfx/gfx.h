#pragma once
// Drawing primitives and text on the current cairo context. The only place
// where the user interface touches cairo and Pango. All coordinates are
// logical units; the surface's device scale maps them to pixels. Angles are
// degrees, 0 at twelve o'clock, increasing clockwise. Main thread only.
#include <cairo.h>

#include <cstddef>
#include <string>

namespace gfx {

struct Rect {
  float x = 0, y = 0, w = 0, h = 0;
};

enum class Align : int { left = 0, center = 1, right = 2 };

// Colours are 0xAARRGGBB, not premultiplied.
bool init(void* unused);
void shutdown();
void set_context(cairo_t* cr);
bool begin();
void end();
void resize(int w, int h);

void clear(unsigned colour);
void fill_rect(Rect r, unsigned colour);
void fill_round_rect(Rect r, float radius, unsigned colour);
void stroke_round_rect(Rect r, float radius, unsigned colour, float width);
void fill_circle(float cx, float cy, float r, unsigned colour);
void stroke_circle(float cx, float cy, float r, unsigned colour, float width);
void line(float x0, float y0, float x1, float y1, unsigned colour, float width);
void fill_rect_vgrad(Rect r, unsigned top, unsigned bottom);
void fill_round_rect_vgrad(Rect r, float radius, unsigned top, unsigned bottom);
void fill_round_rect_hstops(Rect r, float radius, const unsigned* colours, const float* stops,
                            int n);
// points: n pairs x, y.
void polyline(const float* points, int n, unsigned colour, float width);
void fill_under(const float* points, int n, float base_y, unsigned top, unsigned bottom);
void fill_polygon(const float* points, int n, unsigned colour);
void fill_triangle(float x0, float y0, float x1, float y1, float x2, float y2, unsigned colour);
void stroke_arc(float cx, float cy, float r, float a0_deg, float a1_deg, unsigned colour,
                float width);
void fill_arc_band(float cx, float cy, float r_in, float r_out, float a0_deg, float a1_deg,
                   unsigned colour);
void fill_ellipse_radial(float cx, float cy, float rx, float ry, unsigned inner, unsigned outer);
void push_clip(Rect r);
void pop_clip();
void image_png(const unsigned char* data, std::size_t size, Rect r);

void text(Rect r, const std::string& s, float size, unsigned colour, Align align, bool bold,
          bool vcenter);
float text_wrapped(Rect r, const std::string& s, float size, unsigned colour, Align align);
float wrapped_height(const std::string& s, float size, float width);
float text_width(const std::string& s, float size, bool bold);
std::size_t fit_chars(const std::string& s, float size, float width);

// Sees every single-line text as it is drawn, with its box and its measured
// width, so a check can find texts that the box cuts. nullptr stops it.
using TextProbe = void (*)(const Rect& box, const std::string& s, float width);
void set_text_probe(TextProbe probe);

}  // namespace gfx
