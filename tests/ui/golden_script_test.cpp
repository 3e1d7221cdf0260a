// The full window in Arabic and in Japanese: every character drawn has a
// glyph, Arabic text runs right to left, and levels still read "+14 dB". Every layout the drawing
// shows passes through pango_cairo_show_layout, which this binary wraps to
// inspect it before handing it on to the real function.
#include <gtest/gtest.h>

#include <cairo.h>
#include <dlfcn.h>
#include <pango/pangocairo.h>

#include <cctype>
#include <cstring>
#include <string>
#include <vector>

#include "desktop/i18n.h"
#include "settings/settings.h"
#include "tests/ui/golden_render.h"

namespace {

struct Shown {
  long layouts = 0;
  long script_chars = 0;            // characters of the language's own script
  std::vector<std::string> missing;  // texts with glyphs the fonts lack
  std::vector<std::string> wrong_way;  // Arabic left to right, or a unit before its number
};
Shown g_shown;

char32_t next_char(const char*& p) {
  const auto b = static_cast<unsigned char>(*p);
  int n = b < 0x80 ? 1 : b < 0xE0 ? 2 : b < 0xF0 ? 3 : 4;
  char32_t c = n == 1 ? b : b & (0x3F >> (n - 1));
  ++p;
  for (int i = 1; i < n && *p; ++i, ++p) c = (c << 6) | (static_cast<unsigned char>(*p) & 0x3F);
  return c;
}

bool arabic(char32_t c) {
  return (c >= 0x0600 && c <= 0x06FF) || (c >= 0x0750 && c <= 0x077F) ||
         (c >= 0xFB50 && c <= 0xFDFF) || (c >= 0xFE70 && c <= 0xFEFF);
}
bool japanese(char32_t c) {
  return (c >= 0x3040 && c <= 0x30FF) || (c >= 0x4E00 && c <= 0x9FFF);
}

bool has_arabic(const char* s, int len) {
  for (const char* p = s; p < s + len;)
    if (arabic(next_char(p))) return true;
  return false;
}

void inspect(PangoLayout* layout) {
  ++g_shown.layouts;
  const char* text = pango_layout_get_text(layout);
  for (const char* p = text; *p;) {
    char32_t c = next_char(p);
    if (arabic(c) || japanese(c)) ++g_shown.script_chars;
  }
  if (pango_layout_get_unknown_glyphs_count(layout) > 0) g_shown.missing.push_back(text);
  // A level with its unit ("+14 dB") keeps its number left of the unit.
  if (const char* unit = std::strstr(text, " dB")) {
    const char* digit = unit;
    while (digit > text && !std::isdigit(static_cast<unsigned char>(*digit))) --digit;
    PangoRectangle at_digit, at_unit;
    pango_layout_index_to_pos(layout, static_cast<int>(digit - text), &at_digit);
    pango_layout_index_to_pos(layout, static_cast<int>(unit + 1 - text), &at_unit);
    if (at_digit.x >= at_unit.x) g_shown.wrong_way.push_back(text);
  }
  for (GSList* l = pango_layout_get_lines_readonly(layout); l; l = l->next) {
    auto* line = static_cast<PangoLayoutLine*>(l->data);
    if (!has_arabic(text + line->start_index, line->length)) continue;
    bool ok = pango_layout_line_get_resolved_direction(line) == PANGO_DIRECTION_RTL;
    for (GSList* r = line->runs; r; r = r->next) {
      const PangoItem* item = static_cast<PangoGlyphItem*>(r->data)->item;
      if (has_arabic(text + item->offset, item->length) && item->analysis.level % 2 == 0) ok = false;
    }
    if (!ok) g_shown.wrong_way.push_back(text);
  }
}

}  // namespace

extern "C" void pango_cairo_show_layout(cairo_t* cr, PangoLayout* layout) {
  using Show = void (*)(cairo_t*, PangoLayout*);
  static Show real = reinterpret_cast<Show>(dlsym(RTLD_NEXT, "pango_cairo_show_layout"));
  inspect(layout);
  real(cr, layout);
}

namespace {

struct Script {
  const char* language;
  bool rtl;
};

class Scripts : public ::testing::TestWithParam<Script> {};

TEST_P(Scripts, FullWindowHasAGlyphForEveryCharacter) {
  testui::setup();
  i18n::set_language(GetParam().language);
  ASSERT_EQ(i18n::rtl(), GetParam().rtl);
  g_shown = Shown{};
  Settings s;
  cairo_surface_destroy(testui::render(&s, 1180, 780));
  i18n::set_language("en");
  // The wrapper saw the drawing, and the drawing was in the language's script.
  EXPECT_GT(g_shown.layouts, 40);
  EXPECT_GT(g_shown.script_chars, 100);
  for (const std::string& t : g_shown.missing) ADD_FAILURE() << "missing glyphs in: " << t;
  for (const std::string& t : g_shown.wrong_way) ADD_FAILURE() << "laid out the wrong way: " << t;
}

INSTANTIATE_TEST_SUITE_P(Languages, Scripts,
                         ::testing::Values(Script{"ar", true}, Script{"ja", false}),
                         [](const auto& info) { return std::string(info.param.language); });

}  // namespace
