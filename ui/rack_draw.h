#pragma once
// The rack's painting elements, shared by the full window, the compact view,
// the footer and the overlay. Each paints at reference-unit coordinates on
// the current gfx context and keeps no state beyond the layout record.
// Main thread only.
#include <string>

#include "fx/params.h"
#include "gfx/gfx.h"

namespace ui {

// Kind of rack panel: the display panel carries no unit accent.
enum class PanelKind : int { display = 0, unit = 1 };

void rack_unit(gfx::Rect r, unsigned colour, bool lit, PanelKind kind);
void screw(float cx, float cy, float r, float slot_deg);
void button_bg(gfx::Rect r, bool hovered);
// A toggle with a lamp and its label; the lamp burns in the "on" green.
void unit_switch(gfx::Rect r, const std::string& label, bool on, unsigned accent, bool hovered);
void icon_corners(float cx, float cy, unsigned colour);
void power_symbol(float cx, float cy, float r, unsigned colour, float width);
void gear_icon(float cx, float cy, unsigned colour);
void mute_button(gfx::Rect r, bool muted, bool hovered);
// Caption over a knob group with a hairline running to the group's end.
void group_caption(float x, float y, float w, const std::string& text, unsigned colour);

// A unit panel's header row: unit switch, preset field and save button.
void unit_header(int unit, gfx::Rect panel);
void draw_knob_full(int i);
void draw_comp(float w);
void draw_vu_face(gfx::Rect r, int channel, bool compact);
void draw_vu_cover(gfx::Rect r, int channel, bool compact);
void draw_tube_body(gfx::Rect r, bool lit);
void draw_tube_glass(gfx::Rect r);
// The two-tube window of a view: bezel, dark inside and, while lit, the warm haze.
void draw_tube_window(gfx::Rect r, float bezel, bool lit);
// The logo at any position and size; ui::paint_logo draws it at the origin.
void draw_logo(float x, float y, float size);

// Preset widgets of a unit (0 tube, 1 compressor).
bool selected_params(int unit, fx::Params* out, std::string* name);
std::string preset_label(int unit);
void unit_preset_widget(int unit);

void draw_footer(float w);
void draw_compact(int w, int h);

// Numbers with units and signs read left to right even inside a
// right-to-left paragraph: under such a language the text is isolated.
std::string left_to_right(const std::string& text);
// Text cut from its end to max_w with a trailing ellipsis; unchanged when it fits.
std::string ellipsize(const std::string& text, float size, float max_w, bool bold);
// One bold line shrunk towards min_size and then cut to fit r.
void text_fit(const gfx::Rect& r, const std::string& text, float size, float min_size,
              unsigned colour, gfx::Align align, bool bold);

}  // namespace ui
