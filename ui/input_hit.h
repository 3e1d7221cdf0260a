#pragma once
// What lies under the pointer, as one integer per element, and the knob
// arithmetic of dragging, the wheel and the reset. Main thread only.
namespace ui {

namespace code {
constexpr int none = 0, power = 1, compact = 2, settings = 3, device = 4, fold = 5, mute = 6;
constexpr int preset_menu = 7;   // + unit
constexpr int save = 9;          // + unit
constexpr int vu_mode = 11;      // + mode
constexpr int unit_switch = 14;  // + unit
constexpr int limiter = 16, expand = 17, mini_power = 18, mini_drag = 19, quit = 20;
constexpr int autostart = 21, fx_on_start = 22, on_top = 23, language = 24, dark = 25,
              light = 26, close_page = 27, mail = 28, web = 29, page = 30;
constexpr int popup = 31;
constexpr int dialog = 32, dialog_save = 33, dialog_cancel = 34, dialog_field = 35;
constexpr int crash_send = 36, crash_discard = 37, crash_note = 38;
constexpr int remove_filter = 39, status_note = 40;
constexpr int knob = 100;  // + knob index
}  // namespace code

// The element at (x, y) in reference units; the first match of a fixed order
// wins, so whatever covers the rack (crash note, save dialog) takes the
// pointer before anything under it.
int hit(float x, float y);

// Knob values after a drag from (v0 at y0) to y, after one wheel step, and
// the reset value; the output knob (15) moves in half decibels.
float knob_after_drag(int knob, float v0, float y0, float y);
float knob_after_wheel(int knob, float v, int direction);
float knob_reset_value(int knob);
float snap_output(float v);

// Switches between the full window and the compact view; each view keeps its
// own place and size.
void set_compact(bool on);
// Folds or unfolds the knob rows at the present width and zoom.
void toggle_fold();


}  // namespace ui
