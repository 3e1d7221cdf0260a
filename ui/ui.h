#pragma once
// The user interface as the window sees it: views and zoom, the frame step,
// the two drawing passes, the painters of the cached animated pieces, the
// descriptions of what is composed every frame, and the input entry points.
// Everything is in reference units (1180 x 780, 1180 x 348, 420 x 132).
// Main thread only.
#include <string>
#include <vector>

#include "gfx/gfx.h"

struct Settings;

namespace ui {

struct View {
  float zoom = 1.0f;  // window units per reference unit
  float w = 0, h = 0; // the window's size in reference units
};

enum class Key : int { escape = 0, enter = 1, backspace = 2 };

struct Needle {
  gfx::Rect face;
  float pivot_x = 0, pivot_y = 0;
  float length = 0;
  float angle_deg = 0;
  bool led_lit = false;
  gfx::Rect led;
};

struct Tube {
  gfx::Rect rect;
  float heater = 0;  // 0..1
  float glow = 0;    // 0..1
};

struct Column {
  gfx::Rect rect;
  int lit = 0;
  int peak = -1;  // -1: none
};

struct LiveView {
  std::vector<Needle> needles;
  std::vector<Tube> tubes;
  std::vector<Column> columns;
  bool dot = false;
  float dot_x = 0, dot_y = 0;
  bool compact = false;
};

struct TitleView {
  bool shown = false;
  float x = 0, y = 0, h = 0;
  float size = 20;
  std::vector<std::string> chars;
  std::vector<float> offsets;
  std::vector<float> widths;
};

// A segmented LED column of whole device pixels: 3-pixel segments, 2-pixel gaps.
struct ColumnGeom {
  float w = 0;
  float seg = 0;
  float pitch = 0;
  int count = 0;
};

void init(Settings* s, bool autostart);
void shutdown();
void reference_size(int* w, int* h);
View view_for(int w, int h);
void set_pixel_scale(float k);
ColumnGeom column_geom(float w, float h);
bool on_frame();
bool take_dirty();
void persist();
LiveView live_view();
TitleView title_view();
unsigned title_color(int i, int n, double t);
void set_crash_report(const std::string& text);

// Drawing passes, for a logical size w x h (reference units, rounded up).
void draw_base(int w, int h);
bool draw_overlay(int w, int h);

// Painters of the cached textures; each draws at the origin of a fresh surface.
void paint_needle(float w, float h, bool shadow);
void paint_led(float size);
void paint_tube_heater(float w, float h);
void paint_tube_glow(float w, float h);
void paint_dot(float size);
void paint_column(int mode, float w, float h);  // 0 unlit, 1 lit, 2 peak
void paint_glyph(const std::string& ch, float size, float w, float h);
void paint_logo(float size);

// Input, in reference units. cursor_at: 0 arrow, 1 hand, 2 drag area, 3 hand.
int cursor_at(float x, float y);
void on_mouse_move(float x, float y);
void on_mouse_down(float x, float y);
void on_double_click(float x, float y);
void on_mouse_up();
void on_mouse_leave();
void on_wheel(float x, float y, int direction);
void on_text(const std::string& utf8);
void on_key(Key k);

}  // namespace ui
