#pragma once
// State shared by the user interface's files: the live settings, the layout
// record that drawing writes and input and the live view read, and the
// animation state that the frame step advances and drawing reads.
// Main thread only; nothing here is locked.
#include <array>
#include <cstdint>
#include <string>

#include "audio/audio.h"
#include "fx/params.h"
#include "gfx/gfx.h"

struct Settings;

namespace ui {

// A knob as placed by the last drawing pass; r <= 0 when not shown.
struct KnobPlace {
  float cx = 0, cy = 0, r = 0;
};

// Rectangles (reference units) of every interactive or animated element, as
// placed by the last drawing pass. An element that is not shown has w == 0.
struct Layout {
  // Full window.
  gfx::Rect title;
  gfx::Rect settings_btn, compact_btn, power_btn;
  std::array<gfx::Rect, 2> vu;            // VU faces
  std::array<gfx::Rect, 2> tube;          // tube rectangles
  gfx::Rect tube_window;
  std::array<gfx::Rect, 3> vu_mode;       // meter-mode segments (hit codes 11..13)
  gfx::Rect mute;                         // hit code 6
  gfx::Rect fold;                         // hit code 5
  std::array<gfx::Rect, 2> unit_switch;   // tube, compressor
  std::array<gfx::Rect, 2> preset_field;  // hit codes 7, 8
  std::array<gfx::Rect, 2> save_btn;      // hit codes 9, 10
  gfx::Rect gr_column;
  gfx::Rect graph;
  gfx::Rect limiter;                      // hit code 16
  gfx::Rect device_field;                 // hit code 4
  std::array<KnobPlace, fx::kKnobs> knob;
  // Compact view.
  std::array<gfx::Rect, 2> mini_vu;
  std::array<gfx::Rect, 2> mini_tube;
  gfx::Rect mini_tube_panel;
  gfx::Rect mini_quit, mini_expand, mini_mute, mini_power;
  gfx::Rect mini_drag;                    // hit code 19
};

namespace state {

extern Settings* S;
extern Layout L;
extern float g_px;
extern bool g_dirty;
extern int g_hover;  // hit code under the pointer, 0 none
extern int g_drag;   // knob being dragged (100..115), 0 none
extern audio::Status g_status;
extern bool g_live;
extern float g_heater;
extern std::array<float, 2> g_glow;
extern float g_gr, g_gr_peak;
extern float g_sc_db;
extern bool g_lim_lit;
extern std::string g_crash_report;  // pending report text, empty for none

// Marks the static picture for a redraw and schedules a save in 1200 ms.
void changed_and_save_later();

}  // namespace state

// Pixel snapping to whole device pixels at the current scale.
float snap(float v);

}  // namespace ui
