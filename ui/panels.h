#pragma once
// What lies over the rack and answers the pointer there: the popup list (the
// preset, device and language menus), the save dialog, the settings page and
// the notes. Input (ui/input.cpp) finds the element under the pointer with the
// rectangles kept here and in the layout record, and calls these actions.
// Main thread only.
#include <functional>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "gfx/gfx.h"

namespace ui {

// ---- popup list: one at a time ----
struct Popup {
  bool open = false;
  gfx::Rect anchor;
  std::vector<std::string> items;
  int selected = -1;
  int hovered = -1;
  int scroll = 0;
  std::function<void(int)> on_choose;
  std::vector<bool> header;
  std::vector<bool> deletable;
  std::function<void(int)> on_delete;
  gfx::Rect box;    // where it was drawn
  int visible = 0;  // rows that fit
};

namespace state {
extern Popup g_popup;
extern int g_popup_unit;  // the unit whose preset menu was opened last
}  // namespace state

void open_popup(gfx::Rect anchor, std::vector<std::string> items, int selected,
                std::function<void(int)> on_choose, std::vector<bool> header = {},
                std::vector<bool> deletable = {}, std::function<void(int)> on_delete = {});
void close_popup();
// The pointer moved while a popup is open: updates the hovered row. True when
// the pointer is inside the popup.
bool popup_move(float x, float y);
// A click while a popup is open: chooses a row, deletes one through its mark,
// or (outside) closes the popup. The click goes no further.
void popup_click(float x, float y);
void popup_wheel(int direction);
void draw_popup();
// Placed inside a window of w x h reference units (the overlay's size).
void draw_popup(int w, int h);

// ---- preset menus and the save dialog ----
void open_preset_menu(int unit);
// The name (ASCII letters compared case-insensitively) of one of the unit's
// built-in presets or of the custom setting, as shown in this language.
bool name_reserved(int unit, const std::string& name);

struct SaveDialog {
  bool open = false;
  int unit = 0;
  std::string name;  // UTF-8
  bool fresh = true; // an untouched suggestion: the first key replaces it
  gfx::Rect body, field, save_btn, cancel_btn;  // set when drawn
};

namespace state {
extern SaveDialog g_save;
}  // namespace state

void open_save_dialog(int unit);
void commit_save();
void close_save();
void save_type(const std::string& utf8);
void save_backspace();
void draw_save(int w, int h);

// ---- settings page ----
namespace state {
extern bool g_settings_open;
}  // namespace state

struct SettingsPage {
  gfx::Rect panel;
  gfx::Rect autostart, fx_on_start, on_top, language, remove_filter, dark, light, close, mail,
      web;  // set when drawn; w == 0 when not shown
};

namespace state {
extern SettingsPage g_page;
}  // namespace state

void open_settings();  // also refreshes g_autostart from the autostart entry
void close_settings();
void open_languages();
void open_devices();
void draw_settings(int w, int h);
// The contact addresses the page links to (set at build time).
std::string support_mail_uri();
std::string web_uri();
std::string support_mail_address();
// The page's panel for a window of w x h reference units.
gfx::Rect settings_panel(int w, int h);
// Menu rows: 0 is "automatic" / "follow the default"; k > 0 is list entry k - 1.
int language_row(const std::string& code);
int device_row(const std::vector<audio::Device>& devices, const std::string& output);

// ---- notes ----
struct CrashNote {
  bool shown = false;
  gfx::Rect body, send, discard;  // set when drawn
};

namespace state {
extern CrashNote g_crash;
extern gfx::Rect g_status_note;  // the clickable status note; w == 0 when none
}  // namespace state

void send_crash_report();
void discard_crash_report();
// Percent-encodes everything but unreserved characters, for mailto: links.
std::string url_encode(const std::string& s);
// The mail body of a crash report: the report, then the log lines, cut to
// 6000 bytes (with a mark) when longer.
std::string crash_mail_body(const std::string& report, const std::vector<std::string>& log_lines);
void draw_crash(int w, int h);
// Key of the status note's text, or nullptr when the engine's status needs no note.
const char* status_note_key();
void draw_status_note(int w, int h);
void draw_knob_tooltip();

}  // namespace ui
