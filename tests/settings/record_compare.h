#pragma once
// Shared by the store tests: a record with every field away from its default,
// and a field-by-field comparison.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "fx/presets.h"
#include "settings/settings.h"

namespace settings_test {

// Knobs pass through six significant digits on disk.
inline void expect_same_record(const Settings& a, const Settings& b) {
  auto same_params = [](const fx::Params& x, const fx::Params& y) {
    if (x.tube_on != y.tube_on || x.comp_on != y.comp_on || x.limiter_on != y.limiter_on) {
      return false;
    }
    for (int k = 0; k < fx::kKnobs; ++k) {
      if (std::fabs(x.knob[k] - y.knob[k]) > 5e-6f) return false;
    }
    return true;
  };
  EXPECT_TRUE(same_params(a.params, b.params));
  EXPECT_EQ(a.unit_preset, b.unit_preset);
  for (int u = 0; u < 2; ++u) {
    ASSERT_EQ(a.user_presets[u].size(), b.user_presets[u].size());
    for (std::size_t i = 0; i < a.user_presets[u].size(); ++i) {
      EXPECT_EQ(a.user_presets[u][i].name, b.user_presets[u][i].name);
      EXPECT_TRUE(same_params(a.user_presets[u][i].params, b.user_presets[u][i].params));
    }
  }
  EXPECT_EQ(a.active, b.active);
  EXPECT_EQ(a.active_on_start, b.active_on_start);
  EXPECT_EQ(a.compact, b.compact);
  EXPECT_EQ(a.compact_on_top, b.compact_on_top);
  EXPECT_EQ(a.output, b.output);
  EXPECT_EQ(a.last_default, b.last_default);
  EXPECT_EQ(a.vu_mode, b.vu_mode);
  EXPECT_EQ(a.language, b.language);
  EXPECT_EQ(a.theme, b.theme);
  EXPECT_EQ(a.win_x, b.win_x);
  EXPECT_EQ(a.win_y, b.win_y);
  EXPECT_EQ(a.win_w, b.win_w);
  EXPECT_EQ(a.win_h, b.win_h);
  EXPECT_EQ(a.collapsed, b.collapsed);
  EXPECT_EQ(a.mini_x, b.mini_x);
  EXPECT_EQ(a.mini_y, b.mini_y);
  EXPECT_EQ(a.mini_w, b.mini_w);
  EXPECT_EQ(a.mini_h, b.mini_h);
}

// 100 user presets per unit with names in many scripts, every other field set.
inline Settings full_record() {
  Settings s;
  s.params = fx::clean_params();
  for (int k = 0; k < fx::kKnobs; ++k) s.params.knob[k] = 0.0625f * static_cast<float>(k);
  s.params.knob[3] = 1e-5f;
  const char* scripts[] = {"Größe", "日本語", "한국어", "العربية", "עברית", "हिन्दी", "ไทย",
                           "Русский", "Ελληνικά", "Tiếng", "\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x8E\xA4"};
  for (int u = 0; u < 2; ++u) {
    for (int i = 0; i < 100; ++i) {
      UserPreset p;
      p.name = std::string(scripts[(i + u) % 11]) + " " + std::to_string(i);
      p.params = fx::standard_params();
      p.params.tube_on = (i % 2) != 0;
      p.params.knob[i % 16] = static_cast<float>(i) / 99.0f;
      s.user_presets[u].push_back(p);
    }
  }
  s.unit_preset = {"u:日本語 3", "b:preset_glue"};
  s.active = false;
  s.active_on_start = false;
  s.compact = true;
  s.compact_on_top = false;
  s.output = "alsa_output.pci-0000_00_1f.3.analog-stereo";
  s.last_default = "bluez_sink.00_11";
  s.vu_mode = 2;
  s.language = "pt_BR";
  s.theme = "light";
  s.win_x = -100000;
  s.win_y = 100000;
  s.win_w = 1180;
  s.win_h = 780;
  s.collapsed = true;
  s.mini_x = 5;
  s.mini_y = 0;
  s.mini_w = 420;
  s.mini_h = 132;
  return s;
}

}  // namespace settings_test
