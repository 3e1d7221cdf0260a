// The modal dialog that names the current settings as a user preset of a
// unit: its text entry, the notes that tell why saving would do nothing or
// replace a preset, and the commit.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <string>

#include "desktop/i18n.h"
#include "gfx/theme.h"
#include "settings/settings.h"
#include "ui/panels.h"
#include "ui/rack_draw.h"
#include "ui/ui_state.h"

namespace ui {

namespace state {
SaveDialog g_save;
}  // namespace state

using namespace state;

namespace {

constexpr std::size_t kMaxUserPresets = 100;
constexpr std::size_t kMaxNameChars = 32;
constexpr std::size_t kMaxTypedBytes = 64;

bool continuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::size_t chars(const std::string& s) {
  return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char c) { return !continuation(c); }));
}

UserPreset* find_user(int unit, const std::string& name) {
  for (UserPreset& u : S->user_presets[unit])
    if (u.name == name) return &u;
  return nullptr;
}

bool full(int unit) { return S->user_presets[unit].size() >= kMaxUserPresets; }

// The translated default name with n in place of its number. The format
// comes from a translation table, so it is never handed to printf.
std::string numbered(const std::string& format, int n) {
  const std::string number = std::to_string(n);
  const std::size_t at = format.find("%d");
  if (at == std::string::npos) return format + " " + number;
  return format.substr(0, at) + number + format.substr(at + 2);
}

std::string suggestion(int unit) {
  const std::string& ref = S->unit_preset[unit];
  if (ref.compare(0, 2, "u:") == 0) return settings::clean_name(ref.substr(2));
  const std::string format = i18n::T("preset_default_name");
  for (int n = 1; n <= 999; ++n) {
    std::string name = settings::clean_name(numbered(format, n));
    if (find_user(unit, name) == nullptr) return name;
  }
  return "";
}

// The note the dialog shows for the name it would store, nullptr for none.
const char* note_key() {
  const int unit = g_save.unit;
  const std::string name = settings::clean_name(g_save.name);
  if (name_reserved(unit, name)) return "preset_reserved";
  if (find_user(unit, name) != nullptr) return "preset_overwrite";
  if (full(unit)) return "preset_full";
  return nullptr;
}

bool commit_possible() {
  const std::string name = settings::clean_name(g_save.name);
  if (name.empty() || name_reserved(g_save.unit, name)) return false;
  return find_user(g_save.unit, name) != nullptr || !full(g_save.unit);
}

void typed() {
  g_save.fresh = false;
  g_caret_on = true;
  g_dirty = true;
}

}  // namespace

void open_save_dialog(int unit) {
  if (S == nullptr || unit < 0 || unit > 1) return;
  close_popup();
  g_save = SaveDialog{};
  g_save.unit = unit;
  g_save.name = suggestion(unit);
  g_save.fresh = true;
  g_save.open = true;
  g_caret_blinks = true;
  g_caret_on = true;
  g_dirty = true;
}

void close_save() {
  if (!g_save.open) return;
  g_save.open = false;
  g_caret_blinks = false;
  g_dirty = true;
}

void commit_save() {
  if (S == nullptr || !g_save.open) return;
  const int unit = g_save.unit;
  const std::string name = settings::clean_name(g_save.name);
  if (name.empty() || name_reserved(unit, name)) return;
  // A glide still running would store a mixture the user never chose.
  finish_glide();
  if (UserPreset* u = find_user(unit, name)) {
    u->params = S->params;
  } else {
    if (full(unit)) return;
    S->user_presets[unit].push_back(UserPreset{name, S->params});
  }
  S->unit_preset[unit] = "u:" + name;
  close_save();
  changed_and_save_later();
}

// The guard letters keep clean_name's trimming of blanks at either end from
// hiding anything: any character it would drop or change makes a difference.
void save_type(const std::string& utf8) {
  if (!g_save.open) return;
  if (g_save.fresh) {
    g_save.name.clear();
    g_save.fresh = false;
    g_dirty = true;
  }
  if (utf8.size() > kMaxTypedBytes) return;
  const std::string guarded = "x" + utf8 + "x";
  if (settings::clean_name(guarded) != guarded) return;
  if (chars(g_save.name + utf8) > kMaxNameChars) return;
  g_save.name += utf8;
  typed();
}

void save_backspace() {
  if (!g_save.open) return;
  std::string& s = g_save.name;
  if (g_save.fresh) {
    s.clear();
  } else if (!s.empty()) {
    std::size_t n = s.size() - 1;
    while (n > 0 && continuation(s[n])) --n;
    s.resize(n);
  }
  typed();
}

void draw_save(int wi, int hi) {
  if (!g_save.open || S == nullptr) return;
  const unsigned* C = theme::colors();
  const float w = static_cast<float>(wi), h = static_cast<float>(hi);
  gfx::fill_rect({0, 0, w, h}, C[27]);

  const float dw = std::min(w - 30, 460.0f);
  const char* note = note_key();
  const float note_size = 12.5f;
  const float note_h = note ? gfx::wrapped_height(i18n::T(note), note_size, dw - 48) : 0;
  const float dh = 206 + note_h;
  const gfx::Rect d{std::floor((w - dw) / 2), std::floor((h - dh) / 2), dw, dh};
  g_save.body = d;
  gfx::fill_round_rect({d.x, d.y + 6, d.w, d.h}, 12, 0x66000000);
  gfx::fill_round_rect_vgrad(d, 12, C[2], C[3]);
  gfx::stroke_round_rect(d, 12, C[4], 1);

  const float x = d.x + 24, inner = d.w - 48;
  gfx::text({x, d.y + 20, inner, 26}, ellipsize(i18n::T("save_preset"), 17, inner, true), 17, C[6],
            gfx::Align::left, true, true);
  gfx::text({x, d.y + 56, inner, 18}, ellipsize(i18n::T("preset_name"), 12.5f, inner, false), 12.5f,
            C[7], gfx::Align::left, false, true);

  const gfx::Rect f{x, d.y + 76, inner, 36};
  g_save.field = f;
  gfx::fill_round_rect(f, 6, C[24]);
  gfx::stroke_round_rect(f, 6, C[9], 1.4f);
  char counter[32];
  std::snprintf(counter, sizeof counter, "%zu/%zu", chars(g_save.name), kMaxNameChars);
  const float counter_w = gfx::text_width(counter, 11.5f, false);
  gfx::text({f.x + f.w - 10 - counter_w, f.y, counter_w, f.h}, counter, 11.5f, C[7], gfx::Align::right,
            false, true);
  const float name_size = 15, name_w = gfx::text_width(g_save.name, name_size, false);
  if (g_save.fresh && !g_save.name.empty())
    gfx::fill_round_rect({f.x + 9, f.y + 7, name_w + 6, 22}, 3, C[10]);
  gfx::push_clip({f.x + 2, f.y, f.w - counter_w - 22, f.h});
  gfx::text({f.x + 12, f.y, name_w + 4, f.h}, g_save.name, name_size, C[8], gfx::Align::left, false,
            true);
  if (g_caret_on) gfx::line(f.x + 13 + name_w, f.y + 9, f.x + 13 + name_w, f.y + 27, C[8], 1.4f);
  gfx::pop_clip();

  if (note) {
    const bool warning = std::string(note) != "preset_overwrite";
    gfx::text_wrapped({x, f.y + f.h + 12, inner, note_h}, i18n::T(note), note_size,
                      warning ? C[25] : C[7], gfx::Align::left);
  }

  const float by = d.y + d.h - 56;
  const std::string save = i18n::T("save"), cancel = i18n::T("cancel");
  const float sw = gfx::text_width(save, 14, true) + 40;
  const gfx::Rect sb{d.x + d.w - 24 - sw, by, sw, 36};
  const float cw = gfx::text_width(cancel, 14, false) + 36;
  const gfx::Rect cb{sb.x - 10 - cw, by, cw, 36};
  g_save.save_btn = sb;
  g_save.cancel_btn = cb;
  button_bg(cb, g_hover == 34);
  gfx::text(cb, cancel, 14, C[6], gfx::Align::center, false, true);
  const unsigned fill = !commit_possible() ? C[21]
                        : g_hover == 33   ? C[9]
                                          : theme::with_alpha(C[9], 0.85f);
  gfx::fill_round_rect(sb, 7, fill);
  gfx::text(sb, save, 14, 0xFF1B1300, gfx::Align::center, true, true);
}

}  // namespace ui
