// Where the drawing pass places the elements, read back from the layout
// record after painting real surfaces; and the text fitting helpers.
#include <gtest/gtest.h>

#include <cairo.h>

#include <string>

#include "gfx/gfx.h"
#include "settings/settings.h"
#include "tests/ui/golden_render.h"
#include "ui/rack_draw.h"
#include "ui/ui.h"
#include "ui/ui_state.h"

namespace {

using ui::state::L;

void paint(Settings* s, int w, int h) { cairo_surface_destroy(testui::render(s, w, h)); }

class Layout : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { testui::setup(); }
  Settings s;
};

TEST_F(Layout, TopRightButtonsKeepTheirPlaceFromTheRightEdge) {
  struct Span {
    const gfx::Rect* r;
    float x0, x1;  // at 1180 units wide
  };
  const Span spans[] = {{&L.settings_btn, 1120, 1162}, {&L.compact_btn, 1070, 1112}, {&L.power_btn, 944, 1056}};
  for (int w : {1180, 1181, 1500, 2400}) {
    paint(&s, w, 780);
    const float grow = w - 1180.0f;
    for (const Span& sp : spans) {
      EXPECT_FLOAT_EQ(sp.r->x, sp.x0 + grow) << "width " << w;
      EXPECT_FLOAT_EQ(sp.r->x + sp.r->w, sp.x1 + grow) << "width " << w;
      EXPECT_FLOAT_EQ(sp.r->y, 16);
      EXPECT_FLOAT_EQ(sp.r->h, 38);
    }
  }
}

TEST_F(Layout, KnobsOfTheUnfoldedWindow) {
  struct Knob {
    float cx, cy, r;
  };
  const Knob want[fx::kKnobs] = {
      {120.257f, 428, 30}, {257.520f, 432, 22},  {379.531f, 432, 22}, {544.246f, 432, 22},
      {666.257f, 432, 22}, {788.268f, 432, 22},  {910.279f, 432, 22}, {1074.994f, 432, 22},
      {95.286f, 632, 22},  {197.857f, 632, 22},  {300.429f, 632, 22}, {403.000f, 632, 22},
      {505.571f, 632, 22}, {608.143f, 632, 22},  {710.714f, 632, 22}, {1061.000f, 620, 26},
  };
  paint(&s, 1180, 780);
  for (int i = 0; i < fx::kKnobs; ++i) {
    EXPECT_NEAR(L.knob[i].cx, want[i].cx, 0.01) << "knob " << i;
    EXPECT_NEAR(L.knob[i].cy, want[i].cy, 0.01) << "knob " << i;
    EXPECT_FLOAT_EQ(L.knob[i].r, want[i].r) << "knob " << i;
  }
  // The compressor's instruments sit between its knob row and the output group.
  EXPECT_FLOAT_EQ(L.gr_column.x, 948);
  EXPECT_FLOAT_EQ(L.graph.x, 786);
  EXPECT_FLOAT_EQ(L.graph.w, 150);
  EXPECT_FLOAT_EQ(L.limiter.x, 1000);
}

TEST_F(Layout, MetersAreCentredAndTheirControlsFollowThem) {
  for (bool folded : {false, true}) {
    s.collapsed = folded;
    paint(&s, 1400, folded ? 420 : 780);
    const float free0 = L.tube_window.x + L.tube_window.w + 24;
    const float free1 = L.display.x + L.display.w - 24;
    EXPECT_NEAR(L.vu[0].x - free0, free1 - (L.vu[1].x + L.vu[1].w), 0.01) << folded;
    EXPECT_FLOAT_EQ(L.vu[1].x - (L.vu[0].x + L.vu[0].w), 24);
    const float pair_mid = (L.vu[0].x + L.vu[1].x + L.vu[1].w) / 2;
    EXPECT_NEAR(L.vu_mode[1].x + L.vu_mode[1].w / 2, pair_mid, 0.01);
    EXPECT_FLOAT_EQ(L.vu_mode[0].y, L.vu[0].y + L.vu[0].h + 14);
    EXPECT_FLOAT_EQ(L.mute.x + L.mute.w, L.vu[1].x + L.vu[1].w);
    EXPECT_FLOAT_EQ(L.mute.y, L.vu_mode[0].y);
  }
}

TEST_F(Layout, FoldedWindowKeepsOnlyTheDisplayPanel) {
  s.collapsed = true;
  for (int h : {348, 420, 600}) {
    paint(&s, 1180, h);
    EXPECT_FLOAT_EQ(L.display.y + L.display.h, h - 30.0f) << "height " << h;
    EXPECT_FLOAT_EQ(L.fold.y, h - 25.0f);
    EXPECT_FLOAT_EQ(L.fold.h, 18);
    EXPECT_FLOAT_EQ(L.fold.x + L.fold.w / 2, 590);
    EXPECT_FLOAT_EQ(L.tube_window.h, h - 128.0f);
    for (int i = 0; i < fx::kKnobs; ++i) EXPECT_LE(L.knob[i].r, 0) << "knob " << i;
    EXPECT_EQ(L.unit_panel[0].w, 0);
    EXPECT_EQ(L.graph.w, 0);
    EXPECT_EQ(L.device_field.w, 0);
  }
}

TEST_F(Layout, FoldedAtItsReferenceHeightMatchesTheUnfoldedInstruments) {
  paint(&s, 1180, 780);
  const ui::Layout open = L;
  s.collapsed = true;
  paint(&s, 1180, 348);
  EXPECT_FLOAT_EQ(open.tube_window.h, 220);
  EXPECT_FLOAT_EQ(open.tube[0].h, 196);
  EXPECT_FLOAT_EQ(open.fold.y, 319);
  EXPECT_FLOAT_EQ(open.fold.h, 14);
  for (int c = 0; c < 2; ++c) {
    EXPECT_NEAR(L.tube[c].x, open.tube[c].x, 1e-3);
    EXPECT_NEAR(L.tube[c].w, open.tube[c].w, 1e-3);
    EXPECT_NEAR(L.tube[c].h, open.tube[c].h, 1e-3);
    EXPECT_NEAR(L.vu[c].x, open.vu[c].x, 1e-3);
    EXPECT_NEAR(L.vu[c].w, open.vu[c].w, 1e-3);
    EXPECT_NEAR(L.vu[c].h, open.vu[c].h, 1e-3);
  }
  EXPECT_NEAR(L.tube_window.w, open.tube_window.w, 1e-3);
}

TEST_F(Layout, CompactViewAtItsReferenceSize) {
  s.compact = true;
  paint(&s, 420, 132);
  EXPECT_FLOAT_EQ(L.mini_tube_panel.h, 86);
  EXPECT_FLOAT_EQ(L.mini_tube_panel.w, 74);
  EXPECT_FLOAT_EQ(L.mini_tube[0].w, 28);
  EXPECT_NEAR(L.mini_tube[0].h, 71.4, 1e-3);
  for (int c = 0; c < 2; ++c) {
    EXPECT_NEAR(L.mini_vu[c].w, 121, 1e-3);
    EXPECT_NEAR(L.mini_vu[c].h, 75.6, 0.05);  // 121 / 1.6, to one decimal
  }
  EXPECT_NEAR(L.mini_vu[0].x, 150, 1e-3);
  EXPECT_NEAR(L.mini_vu[1].x + L.mini_vu[1].w, 404, 1e-3);
  // Buttons from the right edge: quit, then expand 4 to its left, then mute 6 further.
  EXPECT_FLOAT_EQ(L.mini_quit.x, 382);
  EXPECT_FLOAT_EQ(L.mini_expand.x + L.mini_expand.w, 378);
  EXPECT_FLOAT_EQ(L.mini_mute.x + L.mini_mute.w, 342);
  // The full window's elements are not shown.
  EXPECT_EQ(L.vu[0].w, 0);
  EXPECT_EQ(L.title.w, 0);
}

TEST_F(Layout, OnlyTheCompactViewsFreeAreaDragsTheWindow) {
  s.compact = true;
  paint(&s, 420, 132);
  struct Probe {
    float x, y;
    int cursor;
  } const probes[] = {
      {200, 20, 2},                                      // title row
      {415, 128, 2},                                     // resize grip corner
      {L.mini_quit.x + 5, L.mini_quit.y + 5, 1},         // buttons show a hand, never drag
      {L.mini_expand.x + 5, L.mini_expand.y + 5, 1},
      {L.mini_mute.x + 5, L.mini_mute.y + 5, 1},
      {L.mini_power.x + 20, L.mini_power.y + 20, 1},
      {421, 60, 0},                                      // outside the window
  };
  for (const Probe& p : probes) EXPECT_EQ(ui::cursor_at(p.x, p.y), p.cursor) << p.x << "," << p.y;
  s.compact = false;
  paint(&s, 1180, 780);
  EXPECT_EQ(ui::cursor_at(200, 20), 0);
}

TEST_F(Layout, EllipsizeCutsWholeCharactersAndDropsTheBlankBeforeTheCut) {
  const std::string dots = "\xE2\x80\xA6";
  const float size = 14;
  const float room = gfx::text_width("Hello " + dots, size, false);
  EXPECT_EQ(ui::ellipsize("Hello World", size, room, false), "Hello" + dots);
  EXPECT_EQ(ui::ellipsize("Hello World", size, 1000, false), "Hello World");
  EXPECT_EQ(ui::ellipsize("Hello World", size, 0, false), "Hello World");
  // Two-byte letters: the cut never leaves half a character behind.
  const std::string umlauts = "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\xA4\xC3\xB6\xC3\xBC\xC3\xA4\xC3\xB6";
  for (float w : {20.0f, 30.0f, 40.0f, 50.0f}) {
    const std::string cut = ui::ellipsize(umlauts, size, w, true);
    ASSERT_GE(cut.size(), dots.size());
    const std::string kept = cut.substr(0, cut.size() - dots.size());
    EXPECT_EQ(kept.size() % 2, 0u) << w;
    EXPECT_EQ(umlauts.compare(0, kept.size(), kept), 0) << w;
    EXPECT_LE(gfx::text_width(cut, size, true), w) << w;
  }
}

}  // namespace
