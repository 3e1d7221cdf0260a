// The static pictures of the three reference sizes in both themes against
// committed images (--update-goldens writes them: scripts/update-goldens); and
// in Arabic and Japanese every character has a glyph, Arabic runs right to left
// and levels read "+14 dB", seen by wrapping pango_cairo_show_layout.
#include <gtest/gtest.h>

#include <cairo.h>
#include <dlfcn.h>
#include <pango/pangocairo.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "desktop/i18n.h"
#include "gfx/theme.h"
#include "settings/settings.h"
#include "tests/ui/golden_render.h"

namespace {

bool g_update = false;

struct Picture {
  const char* name;
  int w, h;
  bool compact, collapsed, dark;
};

constexpr Picture kPictures[] = {
    {"full_dark", 1180, 780, false, false, true},   {"full_light", 1180, 780, false, false, false},
    {"folded_dark", 1180, 348, false, true, true},  {"folded_light", 1180, 348, false, true, false},
    {"compact_dark", 420, 132, true, false, true},  {"compact_light", 420, 132, true, false, false},
};

// Largest channel difference a pixel may show (anti-aliasing of another cairo or pixman).
constexpr int kChannelTolerance = 24;

// Pixels differing by more than the tolerance, and the largest difference, of two surfaces of one size.
std::pair<long, int> differences(cairo_surface_t* a, cairo_surface_t* b) {
  std::pair<long, int> d{0, 0};
  const unsigned char* pa = cairo_image_surface_get_data(a);
  const unsigned char* pb = cairo_image_surface_get_data(b);
  const int bytes = cairo_image_surface_get_stride(a) * cairo_image_surface_get_height(a);
  for (int i = 0; i < bytes; i += 4) {
    int worst = 0;
    for (int c = 0; c < 4; ++c) worst = std::max(worst, std::abs(pa[i + c] - pb[i + c]));
    d.first += worst > kChannelTolerance;
    d.second = std::max(d.second, worst);
  }
  return d;
}

class Golden : public ::testing::TestWithParam<Picture> {};

TEST_P(Golden, MatchesCommittedImage) {
  const Picture& p = GetParam();
  Settings s;
  s.compact = p.compact;
  s.collapsed = p.collapsed;
  theme::set_dark(p.dark);
  cairo_surface_t* got = testui::render(&s, p.w, p.h);
  const std::string path = std::string(VLM_GOLDEN_DIR) + "/" + p.name + ".png";
  if (g_update) {
    ASSERT_EQ(cairo_surface_write_to_png(got, path.c_str()), CAIRO_STATUS_SUCCESS) << path;
    cairo_surface_destroy(got);
    GTEST_SKIP() << "wrote " << path;
  }
  cairo_surface_t* want = cairo_image_surface_create_from_png(path.c_str());
  ASSERT_EQ(cairo_surface_status(want), CAIRO_STATUS_SUCCESS) << "missing golden " << path;
  ASSERT_EQ(cairo_image_surface_get_width(want), p.w);
  ASSERT_EQ(cairo_image_surface_get_height(want), p.h);
  const auto [outliers, largest] = differences(got, want);
  EXPECT_EQ(outliers, 0) << p.name << ": largest channel difference " << largest
                         << "; scripts/update-goldens rewrites the images after an intended change";
  cairo_surface_destroy(want);
  cairo_surface_destroy(got);
}

INSTANTIATE_TEST_SUITE_P(Views, Golden, ::testing::ValuesIn(kPictures),
                         [](const auto& info) { return std::string(info.param.name); });

struct Shown {
  long layouts = 0, script_chars = 0;  // characters of the language's own script
  std::vector<std::string> missing;    // texts with glyphs the fonts lack
  std::vector<std::string> wrong_way;  // Arabic left to right, or a unit before its number
};
Shown g_shown;

bool arabic(gunichar c) { return g_unichar_get_script(c) == G_UNICODE_SCRIPT_ARABIC; }

bool has_arabic(const char* s, int len) {
  for (const char* p = s; p < s + len; p = g_utf8_next_char(p))
    if (arabic(g_utf8_get_char(p))) return true;
  return false;
}

void inspect(PangoLayout* layout) {
  ++g_shown.layouts;
  const char* text = pango_layout_get_text(layout);
  for (const char* p = text; *p; p = g_utf8_next_char(p)) {
    const GUnicodeScript script = g_unichar_get_script(g_utf8_get_char(p));
    g_shown.script_chars += script == G_UNICODE_SCRIPT_ARABIC || script == G_UNICODE_SCRIPT_HAN ||
                            script == G_UNICODE_SCRIPT_HIRAGANA || script == G_UNICODE_SCRIPT_KATAKANA;
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

TEST(Scripts, FullWindowHasAGlyphForEveryCharacter) {
  for (const char* lang : {"ar", "ja"}) {
    SCOPED_TRACE(lang);
    i18n::set_language(lang);
    g_shown = Shown{};
    Settings s;
    cairo_surface_destroy(testui::render(&s, 1180, 780));
    EXPECT_GT(g_shown.layouts, 40);
    EXPECT_GT(g_shown.script_chars, 100);
    for (const std::string& t : g_shown.missing) ADD_FAILURE() << "missing glyphs in: " << t;
    for (const std::string& t : g_shown.wrong_way) ADD_FAILURE() << "laid out the wrong way: " << t;
  }
  i18n::set_language("en");
}

}  // namespace

extern "C" void pango_cairo_show_layout(cairo_t* cr, PangoLayout* layout) {
  using Show = void (*)(cairo_t*, PangoLayout*);
  static Show real = reinterpret_cast<Show>(dlsym(RTLD_NEXT, "pango_cairo_show_layout"));
  inspect(layout);
  real(cr, layout);
}

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (std::strcmp(argv[i], "--update-goldens") == 0) g_update = true;
  ::testing::InitGoogleTest(&argc, argv);
  testui::setup();
  return RUN_ALL_TESTS();
}
