// Every language's texts fit their controls: each view is painted in every
// language, and every single-line text that its box cuts off, or that comes out
// shortened with an ellipsis where the design does not shorten, is reported.
#include <gtest/gtest.h>

#include <cairo.h>

#include <string>
#include <vector>

#include "desktop/i18n.h"
#include "desktop/lang/lang.h"
#include "gfx/gfx.h"
#include "settings/settings.h"
#include "tests/ui/golden_render.h"
#include "ui/panels.h"
#include "ui/ui.h"
#include "ui/ui_state.h"

namespace {

std::vector<std::string> g_cuts;
std::vector<std::string> g_fixed;  // this language's texts that must never be shortened
int g_seen = 0;

const std::string kDots = "\xE2\x80\xA6";

// The footer, the notes and the preset names shorten long texts by design.
bool may_shorten(const std::string& key) {
  return key.rfind("status_", 0) == 0 || key.rfind("preset", 0) == 0 ||
         key.rfind("cpreset", 0) == 0 || key == "device_follow" || key == "err_no_device";
}

bool shortened(const std::string& s) {
  if (s.size() <= kDots.size() || s.compare(s.size() - kDots.size(), kDots.size(), kDots) != 0)
    return false;
  const std::string head = s.substr(0, s.size() - kDots.size());
  for (const std::string& t : g_fixed)
    if (t.size() > head.size() && t.compare(0, head.size(), head) == 0 && t != s) return true;
  return false;
}

void probe(const gfx::Rect& box, const std::string& s, float width) {
  ++g_seen;
  // Half a unit of slack: Pango rounds the logical width to whole units.
  if (width > box.w + 0.5f || shortened(s))
    g_cuts.push_back("\"" + s + "\" needs " + std::to_string(width) + " in " + std::to_string(box.w));
}

// Together these paint every text of both views, the settings page and the crash note.
constexpr struct Scene {
  const char* name;
  bool compact, active, settings_open, crash;
  int w, h;
} kScenes[] = {
    {"full, settings page and crash note", false, true, true, true, 1180, 780},
    {"full, effect off", false, false, false, false, 1180, 780},
    {"compact, on", true, true, false, false, 420, 132},
    {"compact, off", true, false, false, false, 420, 132},
};

TEST(LanguageFit, EveryTextOfEveryLanguageFitsItsControl) {
  testui::setup();
  gfx::set_text_probe(probe);
  for (const i18n::Language& lang : i18n::languages()) {
    i18n::set_language(lang.code);
    g_fixed.clear();
    for (const char* key : i18n::lang::kKeys)
      if (!may_shorten(key)) g_fixed.push_back(i18n::T(key));
    for (const Scene& sc : kScenes) {
      Settings s;
      s.compact = sc.compact;
      s.active = sc.active;
      g_cuts.clear();
      ui::init(&s, false);
      ui::state::g_settings_open = sc.settings_open;
      ui::set_crash_report(sc.crash ? "report" : "");
      cairo_surface_destroy(testui::render(&s, sc.w, sc.h));
      for (const std::string& c : g_cuts) ADD_FAILURE() << lang.code << " (" << sc.name << "): " << c;
    }
  }
  gfx::set_text_probe(nullptr);
  ui::state::g_settings_open = false;
  ui::set_crash_report("");
  i18n::set_language("en");
  EXPECT_GT(g_seen, 0);
}

}  // namespace
