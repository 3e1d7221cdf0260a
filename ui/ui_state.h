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
  gfx::Rect status_area;                  // footer status text
  gfx::Rect display;                      // display panel
  std::array<gfx::Rect, 2> unit_panel;    // tube, compressor
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

// A VU needle: position 1.0 is the top of the scale.
struct NeedleMotion {
  float pos = 0, vel = 0;
};

// A preset glide: the knobs travel from their values at the start towards
// the target one after another; the switches change when all have arrived.
struct Glide {
  bool active = false;
  std::array<float, fx::kKnobs> from{};
  fx::Params target;
  std::uint64_t start_ms = 0;
};

extern bool g_autostart;
extern std::uint64_t g_last_frame;   // ms
extern std::uint64_t g_save_at;      // ms, 0: no save pending
extern std::array<NeedleMotion, 2> g_needle;
extern std::array<bool, 2> g_led;
extern std::array<std::uint64_t, 2> g_led_until;  // ms
extern float g_gr_hold;              // s of peak hold left
extern std::int64_t g_lim_seen;
extern std::uint64_t g_lim_until;    // ms
extern Glide g_glide;
extern bool g_caret_on;
extern bool g_caret_blinks;          // set while the save dialog's text field is open

// Schedules a save 1200 ms from now (a later call moves it forward).
void save_later();
void start_glide(const fx::Params& target);
void start_glide_at(const fx::Params& target, std::uint64_t now_ms);
// Stops the glide where the knobs are now.
void cancel_glide();
// Puts the whole target in place at once and stops the glide.
void finish_glide();

// What one frame step reads from the engine.
struct FrameInput {
  audio::Status status;
  fx::Meters meters;
  std::int64_t limiter_blocks = 0;
};
FrameInput read_engine();
// The frame step at a given time; ui::on_frame runs it with the clock and
// the engine's readings. True while anything moves.
bool frame_step(std::uint64_t now_ms, const FrameInput& in);

// Marks the static picture for a redraw and schedules a save in 1200 ms.
void changed_and_save_later();

}  // namespace state

// Pixel snapping to whole device pixels at the current scale.
float snap(float v);

}  // namespace ui
