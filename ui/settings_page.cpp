// The settings page over the full window: the options on the left, the
// "about" column on the right; and the two selection menus that belong to
// the settings, languages (opened from the page) and output devices (opened
// from the footer).
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/cli.h"
#include "audio/audio.h"
#include "desktop/autostart.h"
#include "desktop/i18n.h"
#include "gfx/theme.h"
#include "settings/settings.h"
#include "ui/panels.h"
#include "ui/rack_draw.h"
#include "ui/ui_state.h"

#ifndef VELMORA_SUPPORT_EMAIL
#define VELMORA_SUPPORT_EMAIL "support@velmora.example"
#endif
#ifndef VELMORA_WEB_URL
#define VELMORA_WEB_URL "https://velmora.example"
#endif

namespace ui {

namespace state {
bool g_settings_open = false;
SettingsPage g_page;
}  // namespace state

using namespace state;

namespace {

constexpr int kAutostartCode = 21, kFxOnStartCode = 22, kOnTopCode = 23, kLanguageCode = 24;
constexpr int kDarkCode = 25, kLightCode = 26, kCloseCode = 27, kMailCode = 28, kWebCode = 29;
constexpr int kRemoveFilterCode = 39;
constexpr unsigned kOnAccentText = 0xFF1B1300;
constexpr const char* kMakerLine = "Made by the Velmora developers";
constexpr const char* kCredit = "Velmora developers";
constexpr const char* kComponents = "libsodium \xE2\x80\x94 ISC";

// The device list as it was when the menu opened; rows map onto it even if
// the engine's list changes while the menu is open.
std::vector<audio::Device> g_menu_devices;

void chevron(float cx, float cy, unsigned colour) {
  gfx::line(cx - 4, cy - 2, cx, cy + 2, colour, 1.5f);
  gfx::line(cx, cy + 2, cx + 4, cy - 2, colour, 1.5f);
}

// One switch row; returns its clickable rectangle.
gfx::Rect switch_row(float x, float y, float w, const char* key, bool on, int code) {
  const unsigned* C = theme::colors();
  const gfx::Rect row{x, y, w, 32};
  const bool hot = g_hover == code;
  unsigned fill = on ? C[20] : C[21];
  if (hot) fill = theme::mix(fill, 0xFFFFFFFF, 0.12f);
  const gfx::Rect pill{x, y + 5, 46, 24};
  gfx::fill_round_rect(pill, pill.h / 2, fill);
  const float d = pill.h - 6;
  const float kx = on ? pill.x + pill.w - 3 - d / 2 : pill.x + 3 + d / 2;
  gfx::fill_circle(kx, pill.y + pill.h / 2, d / 2, 0xFFFFFFFF);
  text_fit({x + 58, y, w - 58, 32}, i18n::T(key), 14, 10, C[6], gfx::Align::left, false);
  return row;
}

// One regular line, shrunk towards min_size before it is cut.
void shrunk_text(gfx::Rect r, const std::string& text, float size, float min_size,
                 unsigned colour) {
  const float tw = gfx::text_width(text, size, false);
  if (tw > r.w && tw > 0) size = std::max(size * r.w / tw, min_size);
  gfx::text(r, ellipsize(text, size, r.w, false), size, colour, gfx::Align::left, false, true);
}

std::string current_language_name() {
  for (const i18n::Language& l : i18n::languages())
    if (l.code == S->language) return l.name;
  return i18n::T("language_auto");
}

void draw_options(gfx::Rect panel) {
  const unsigned* C = theme::colors();
  const float x = panel.x + 28, w = panel.w / 2 - 44;
  const float title_y = panel.y + 24;
  text_fit({x, title_y, w, 30}, i18n::T("settings"), 18, 12, C[8], gfx::Align::left, true);

  float y = title_y + 46;
  g_page.autostart = switch_row(x, y, w, "autostart", g_autostart, kAutostartCode);
  y += 44;
  g_page.fx_on_start = switch_row(x, y, w, "fx_on_start", S->active_on_start, kFxOnStartCode);
  y += 44;
  g_page.on_top = switch_row(x, y, w, "on_top", S->compact_on_top, kOnTopCode);

  y += 50;
  const float field_x = x + w - 200;
  gfx::text({x, y, field_x - x - 8, 32}, ellipsize(i18n::T("language"), 14, field_x - x - 8, false),
            14, C[7], gfx::Align::left, false, true);
  g_page.language = {field_x, y, 200, 32};
  button_bg(g_page.language, g_hover == kLanguageCode);
  shrunk_text({field_x + 12, y, 200 - 40, 32}, current_language_name(), 14, 10, C[6]);
  chevron(field_x + 200 - 20, y + 16, C[7]);

  y += 46;
  gfx::text({x, y, field_x - x - 8, 32},
            ellipsize(i18n::T("appearance"), 14, field_x - x - 8, false), 14, C[7],
            gfx::Align::left, false, true);
  gfx::fill_round_rect({field_x, y, 200, 32}, 7, C[24]);
  g_page.dark = {field_x, y, 100, 32};
  g_page.light = {field_x + 100, y, 100, 32};
  const bool dark = theme::dark();
  const gfx::Rect sel = dark ? g_page.dark : g_page.light;
  gfx::fill_round_rect({sel.x + 3, sel.y + 3, sel.w - 6, sel.h - 6}, 5, theme::with_alpha(C[9], 0.85f));
  const unsigned sel_text = dark ? kOnAccentText : 0xFFFFFFFF;
  text_fit(g_page.dark, i18n::T("theme_dark"), 13, 9, dark ? sel_text : C[7], gfx::Align::center,
           dark);
  text_fit(g_page.light, i18n::T("theme_light"), 13, 9, dark ? C[7] : sel_text,
           gfx::Align::center, !dark);

  g_page.remove_filter = {};
  if (audio::has_system_filter()) {
    y += 52;
    g_page.remove_filter = {x, y, w, 32};
    button_bg(g_page.remove_filter, g_hover == kRemoveFilterCode);
    text_fit(g_page.remove_filter, i18n::T("remove_filter"), 14, 10, C[6], gfx::Align::center,
             false);
    gfx::text_wrapped({x, y + 40, w, panel.y + panel.h - 60 - (y + 40)},
                      i18n::T("remove_filter_hint"), 12, C[7], gfx::Align::left);
  }
}

void draw_about(gfx::Rect panel) {
  const unsigned* C = theme::colors();
  const float mid = panel.x + panel.w / 2;
  gfx::line(mid, panel.y + 24, mid, panel.y + panel.h - 24, C[4], 1);
  const float x = mid + 20, w = panel.w / 2 - 48;
  const float top = panel.y + 24, bottom = panel.y + panel.h - 70;

  const std::string tagline = i18n::T("about_tagline");
  const float tag_h = gfx::wrapped_height(tagline, 13, w - 20);
  // Icon to the third-party notice: everything down to the disclaimer's title.
  const float content_h = 74 + 26 + 32 + tag_h + 16 + 18 + 20 + 20 + 36 + 52 + 18;
  const float y0 = std::max(top, top + (bottom - top - content_h) / 2);

  draw_logo(x + w / 2 - 32, y0, 64);
  float y = y0 + 74;
  gfx::text({x, y, w, 26}, "Velmora", 20, C[8], gfx::Align::center, true, true);
  y += 26;
  text_fit({x, y, w, 18}, kMakerLine, 12, 9, C[7], gfx::Align::center, false);
  y += 32;
  const float th = gfx::text_wrapped({x + 10, y, w - 20, tag_h + 2}, tagline, 13, C[6],
                                     gfx::Align::center);
  y += th + 16;

  char version[96];
  std::snprintf(version, sizeof version, i18n::T("about_version"), cli::kVersion, cli::kBuild);
  text_fit({x, y, w, 18}, std::string(version) + " \xC2\xB7 " + kCredit, 12, 9, C[7],
           gfx::Align::center, false);

  y += 20;
  const std::string label = i18n::T("about_report_bug");
  const std::string mail = VELMORA_SUPPORT_EMAIL;
  const float lw = gfx::text_width(label, 12, false), mw = gfx::text_width(mail, 12, false);
  const float lx = x + std::max(0.0f, (w - lw - 6 - mw) / 2);
  gfx::text({lx, y, lw + 2, 18}, label, 12, C[7], gfx::Align::left, false, true);
  g_page.mail = {lx + lw + 6, y, std::min(mw, x + w - (lx + lw + 6)), 18};
  gfx::text({g_page.mail.x, y, g_page.mail.w + 2, 18}, ellipsize(mail, 12, g_page.mail.w, false),
            12, g_hover == kMailCode ? C[8] : C[9], gfx::Align::left, false, true);

  y += 20;
  const std::string web = VELMORA_WEB_URL;
  const float ww = std::min(gfx::text_width(web, 12, false), w);
  g_page.web = {x + (w - ww) / 2, y, ww, 18};
  gfx::text({g_page.web.x, y, ww + 2, 18}, ellipsize(web, 12, ww, false), 12,
            g_hover == kWebCode ? C[8] : C[9], gfx::Align::left, false, true);

  y += 36;
  text_fit({x, y, w, 18}, i18n::T("third_party"), 12, 9, C[7], gfx::Align::center, false);
  gfx::text({x, y + 18, w, 18}, kComponents, 12, C[7], gfx::Align::center, false, true);

  y += 52;
  text_fit({x, y, w, 18}, i18n::T("about_disclaimer_title"), 12, 9, C[6], gfx::Align::center,
           true);
  y += 18;
  const float room = std::max(0.0f, bottom + 40 - y);
  if (room > 0)
    gfx::text_wrapped({x, y, w, room}, i18n::T("about_disclaimer"), 11, C[7], gfx::Align::center);
}

void draw_close(gfx::Rect panel) {
  const unsigned* C = theme::colors();
  const std::string label = i18n::T("close");
  const float bw = gfx::text_width(label, 14, true) + 40;
  g_page.close = {panel.x + panel.w - 24 - bw, panel.y + panel.h - 54, bw, 36};
  const bool hot = g_hover == kCloseCode;
  gfx::fill_round_rect(g_page.close, 8, hot ? C[9] : theme::with_alpha(C[9], 0.85f));
  gfx::text(g_page.close, label, 14, kOnAccentText, gfx::Align::center, true, true);
}

}  // namespace

gfx::Rect settings_panel(int w, int h) {
  const float pw = std::min(static_cast<float>(w) - 40, 820.0f);
  const float ph = std::min(static_cast<float>(h) - 40, 500.0f);
  return {(w - pw) / 2, (h - ph) / 2, pw, ph};
}

void draw_settings(int w, int h) {
  if (S == nullptr) return;
  const unsigned* C = theme::colors();
  gfx::fill_rect({0, 0, static_cast<float>(w), static_cast<float>(h)}, C[27]);
  const gfx::Rect p = settings_panel(w, h);
  g_page.panel = p;
  gfx::fill_round_rect({p.x, p.y + 6, p.w, p.h}, 14, 0x66000000);
  gfx::fill_round_rect_vgrad(p, 14, C[2], theme::mix(C[3], C[2], 0.5f));
  gfx::stroke_round_rect(p, 14, C[4], 1);
  draw_options(p);
  draw_about(p);
  draw_close(p);
}

void open_settings() {
  g_autostart = autostart::enabled();
  g_settings_open = true;
  g_dirty = true;
}

void close_settings() {
  g_settings_open = false;
  g_dirty = true;
}

int language_row(const std::string& code) {
  const std::vector<i18n::Language>& langs = i18n::languages();
  for (std::size_t i = 0; i < langs.size(); ++i)
    if (langs[i].code == code) return static_cast<int>(i) + 1;
  return 0;
}

int device_row(const std::vector<audio::Device>& devices, const std::string& output) {
  if (output.empty()) return 0;
  for (std::size_t i = 0; i < devices.size(); ++i)
    if (devices[i].name == output) return static_cast<int>(i) + 1;
  return 0;
}

void open_languages() {
  if (S == nullptr) return;
  std::vector<std::string> items{i18n::T("language_auto")};
  for (const i18n::Language& l : i18n::languages()) items.push_back(l.name);
  open_popup(g_page.language, std::move(items), language_row(S->language), [](int row) {
    const std::vector<i18n::Language>& langs = i18n::languages();
    if (row < 0 || row > static_cast<int>(langs.size())) return;
    S->language = row == 0 ? std::string("auto") : langs[row - 1].code;
    i18n::set_language(S->language);
    changed_and_save_later();
  });
}

void open_devices() {
  if (S == nullptr) return;
  g_menu_devices = audio::devices();
  std::vector<std::string> items{i18n::T("device_follow")};
  for (const audio::Device& d : g_menu_devices) items.push_back(d.description);
  open_popup(L.device_field, std::move(items), device_row(g_menu_devices, S->output),
             [](int row) {
               if (row < 0 || row > static_cast<int>(g_menu_devices.size())) return;
               S->output = row == 0 ? std::string() : g_menu_devices[row - 1].name;
               audio::set_output(S->output);
               changed_and_save_later();
             });
}

std::string support_mail_uri() { return std::string("mailto:") + VELMORA_SUPPORT_EMAIL; }

std::string web_uri() { return VELMORA_WEB_URL; }

std::string support_mail_address() { return VELMORA_SUPPORT_EMAIL; }

}  // namespace ui
