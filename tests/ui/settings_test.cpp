// The settings page painted on real surfaces, and its language and device
// menus opened and chosen from as the pointer would.
#include <gtest/gtest.h>

#include <cairo.h>

#include <string>

#include "desktop/i18n.h"
#include "settings/settings.h"
#include "tests/ui/golden_render.h"
#include "ui/panels.h"
#include "ui/ui.h"
#include "ui/ui_state.h"

namespace {

using namespace ui::state;

bool inside(const gfx::Rect& in, const gfx::Rect& out) {
  return in.w > 0 && in.x >= out.x && in.y >= out.y && in.x + in.w <= out.x + out.w &&
         in.y + in.h <= out.y + out.h;
}

class SettingsPage : public ::testing::Test {
 protected:
  void SetUp() override {
    testui::setup();
    ui::init(&s, false);
    g_settings_open = true;
  }
  void TearDown() override {
    ui::close_popup();
    g_settings_open = false;
    i18n::set_language("en");
  }
  void paint(int w, int h) { cairo_surface_destroy(testui::render(&s, w, h)); }
  Settings s;
};

TEST_F(SettingsPage, PanelIsCentredAndEveryControlLiesInItsColumn) {
  const struct {
    int w, h;
    gfx::Rect panel;
  } cases[] = {{600, 400, {20, 20, 560, 360}}, {1180, 780, {180, 140, 820, 500}}};
  for (const auto& c : cases) {
    paint(c.w, c.h);
    const gfx::Rect p = g_page.panel;
    EXPECT_FLOAT_EQ(p.x, c.panel.x);
    EXPECT_FLOAT_EQ(p.y, c.panel.y);
    EXPECT_FLOAT_EQ(p.w, c.panel.w);
    EXPECT_FLOAT_EQ(p.h, c.panel.h);
    const gfx::Rect left{p.x, p.y, p.w / 2, p.h}, right{p.x + p.w / 2, p.y, p.w / 2, p.h};
    for (const gfx::Rect* r : {&g_page.autostart, &g_page.fx_on_start, &g_page.on_top,
                               &g_page.language, &g_page.dark, &g_page.light})
      EXPECT_TRUE(inside(*r, left)) << c.w;
    if (c.w == 1180) {  // the small window leaves the about column too narrow for the links
      EXPECT_TRUE(inside(g_page.mail, right));
      EXPECT_TRUE(inside(g_page.web, right));
    }
    EXPECT_TRUE(inside(g_page.close, p));
    EXPECT_EQ(g_page.remove_filter.w, 0);
  }
}

TEST_F(SettingsPage, LanguageMenuStoresTheChosenCode) {
  const auto& langs = i18n::languages();
  const struct {
    std::string setting;
    int selected;
    int choose;
    std::string stored;
  } cases[] = {
      {"auto", 0, 2, langs[1].code},
      {"xx", 0, 0, "auto"},
      {langs[5].code, 6, 1, langs[0].code},
  };
  for (const auto& c : cases) {
    s.language = c.setting;
    i18n::set_language(c.setting);
    paint(1180, 780);
    ui::open_languages();
    ASSERT_TRUE(g_popup.open);
    ASSERT_EQ(g_popup.items.size(), langs.size() + 1);
    EXPECT_EQ(g_popup.items[0], i18n::T("language_auto"));
    EXPECT_EQ(g_popup.items[langs.size()], langs.back().name);
    EXPECT_EQ(g_popup.selected, c.selected) << c.setting;
    g_save_at = 0;
    g_popup.on_choose(c.choose);
    ui::close_popup();
    EXPECT_EQ(s.language, c.stored);
    EXPECT_EQ(i18n::language(), c.stored);
    EXPECT_NE(g_save_at, 0u);
  }
}

TEST_F(SettingsPage, DeviceMenuWithoutDevicesOffersOnlyTheDefault) {
  s.output = "gone";
  paint(1180, 780);
  ui::open_devices();
  ASSERT_TRUE(g_popup.open);
  ASSERT_EQ(g_popup.items.size(), 1u);
  EXPECT_EQ(g_popup.items[0], i18n::T("device_follow"));
  EXPECT_EQ(g_popup.selected, 0);
  g_popup.on_choose(0);
  EXPECT_EQ(s.output, "");
  const std::vector<audio::Device> devs{{"a", "A"}, {"b", "B"}};
  EXPECT_EQ(ui::device_row(devs, "b"), 2);
  EXPECT_EQ(ui::device_row(devs, ""), 0);
  EXPECT_EQ(ui::device_row(devs, "gone"), 0);
}

}  // namespace
