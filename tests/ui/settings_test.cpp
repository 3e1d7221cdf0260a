// The settings page's language and device menus, opened from a painted page
// and chosen from as the pointer would.
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
  ASSERT_EQ(g_popup.items, std::vector<std::string>{i18n::T("device_follow")});
  EXPECT_EQ(g_popup.selected, 0);
  g_popup.on_choose(0);
  EXPECT_EQ(s.output, "");
}

}  // namespace
