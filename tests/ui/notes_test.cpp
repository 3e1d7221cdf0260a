// The notes over the rack: the mail link's encoding and body, the crash
// note's lifetime against the stored report, and the knob tooltip.
#include <gtest/gtest.h>

#include <cairo.h>

#include <string>
#include <vector>

#include "desktop/crash_handler.h"
#include "fx/params.h"
#include "gfx/gfx.h"
#include "settings/settings.h"
#include "tests/desktop/test_util.h"
#include "tests/ui/golden_render.h"
#include "ui/panels.h"
#include "ui/ui.h"
#include "ui/ui_state.h"

namespace {

using namespace ui::state;

std::vector<std::string> g_drawn;
void record(const gfx::Rect&, const std::string& s, float) { g_drawn.push_back(s); }

// The texts of the overlay alone, over the picture testui::render laid out.
void paint_overlay_only(Settings* s, int w, int h) {
  cairo_surface_destroy(testui::render(s, w, h));
  g_drawn.clear();
  cairo_surface_t* over = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cairo_t* cr = cairo_create(over);
  gfx::set_context(cr);
  ui::draw_overlay(w, h);
  gfx::set_context(nullptr);
  cairo_destroy(cr);
  cairo_surface_destroy(over);
}

bool drawn(const std::string& s) {
  for (const std::string& d : g_drawn)
    if (d.find(s) != std::string::npos) return true;
  return false;
}

TEST(Notes, UrlEncodeKeepsOnlyUnreservedBytes) {
  const struct {
    std::string in, out;
  } cases[] = {
      {"a b/\xC3\xBC", "a%20b%2F%C3%BC"},
      {"A-z_0.9~", "A-z_0.9~"},
      {"?&=%+#\n", "%3F%26%3D%25%2B%23%0A"},
      {std::string("\x00\xFF", 2), "%00%FF"},
  };
  for (const auto& c : cases) EXPECT_EQ(ui::url_encode(c.in), c.out) << c.in;
}

TEST(Notes, CrashMailBodyIsCutAt6000Bytes) {
  const std::string head = "\n--- Log ---\n";
  const std::string exact(6000 - head.size() - 4, 'r');
  EXPECT_EQ(ui::crash_mail_body(exact, {"abc"}), exact + head + "abc\n");
  const std::string body = ui::crash_mail_body(exact + "r", {"abc"});
  EXPECT_EQ(body, (exact + "r" + head + "abc\n").substr(0, 6000) + "\n[...]");
  // A two-byte character across the limit is left out whole.
  const std::string wide = std::string(5999, 'r') + "\xC3\xBC" + "tail";
  EXPECT_EQ(ui::crash_mail_body(wide, {}), std::string(5999, 'r') + "\n[...]");
}

TEST(Notes, DiscardingHidesTheNoteAndRemovesTheStoredReport) {
  const desktop_test::TempDir dir;
  const std::string path = dir.path() + "/crash_report.txt";
  crash_handler::set_report_path(path);
  desktop_test::write_file(path, "Signal 11\n");
  std::string text;
  ASSERT_TRUE(crash_handler::pending_report(&text));
  ui::set_crash_report(text);
  EXPECT_TRUE(g_crash.shown);
  ui::discard_crash_report();
  EXPECT_FALSE(g_crash.shown);
  EXPECT_FALSE(crash_handler::pending_report(&text));
}

TEST(Notes, TooltipShowsTheDraggedKnobsValueUnlessFolded) {
  testui::setup();
  gfx::set_text_probe(record);
  for (const bool collapsed : {false, true}) {
    Settings s;
    s.collapsed = collapsed;
    for (int i : {0, 9, 15}) {
      ui::init(&s, false);
      g_drag = 100 + i;
      paint_overlay_only(&s, 1180, collapsed ? 348 : 780);
      EXPECT_EQ(drawn(fx::describe(i, s.params.knob[i])), !collapsed) << "knob " << i;
    }
  }
  g_drag = 0;
  gfx::set_text_probe(nullptr);
}

}  // namespace
