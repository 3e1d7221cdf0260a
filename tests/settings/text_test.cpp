#include "settings/text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "fx/presets.h"

namespace {

using settings::text::deserialize;
using settings::text::params_line;
using settings::text::parse_params;
using settings::text::serialize;

void expect_same_record(const Settings& a, const Settings& b) {
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

Settings reread(const std::string& text) {
  Settings s;
  deserialize(text, &s);
  return s;
}

std::string line_with(const std::string& field, int index) {
  std::string out;
  for (int i = 0; i < 19; ++i) {
    if (i != 0) out += ",";
    out += i == index ? field : (i < 3 ? "1" : "0.5");
  }
  return out;
}

TEST(SettingsText, DefaultRecordRoundTripsAndFollowsTheKeyOrder) {
  const Settings d;
  const std::string text = serialize(d);
  expect_same_record(reread(text), d);
  const char* keys[] = {"params=", "tube_preset=", "tube_user=", "comp_preset=", "comp_user=",
                        "active=", "active_on_start=", "compact=", "compact_on_top=",
                        "output=", "last_default=", "vu_mode=", "language=", "theme=",
                        "win_x=", "win_y=", "win_w=", "win_h=", "collapsed=", "mini_x=",
                        "mini_y=", "mini_w=", "mini_h="};
  std::size_t at = 0;
  for (const char* k : keys) {
    const std::size_t found = text.find(std::string("\n") + k, at == 0 ? 0 : at - 1);
    if (at == 0) {
      ASSERT_EQ(text.rfind(k, 0), 0u) << k;
      at = 1;
      continue;
    }
    ASSERT_NE(found, std::string::npos) << k;
    at = found + 2;
  }
  EXPECT_EQ(text.back(), '\n');
}

TEST(SettingsText, FullRecordRoundTripsFieldByField) {
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
  expect_same_record(reread(serialize(s)), s);
}

TEST(SettingsText, KnobNumbersUseGeneralNotationAndIgnoreTheLocale) {
  fx::Params p = fx::standard_params();
  p.knob[0] = 0.35f;
  p.knob[1] = 1.0f;
  p.knob[2] = 0.0f;
  p.knob[3] = 1e-5f;
  p.knob[15] = 2.0f / 3.0f;
  const std::string line = params_line(p);
  EXPECT_EQ(line.rfind("1,1,1,0.35,1,0,1e-05,", 0), 0u) << line;
  EXPECT_EQ(line.substr(line.size() - 9), ",0.666667");
  // A process whose locale writes decimal commas must still read and write ".".
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) {
    EXPECT_EQ(params_line(p), line);
    fx::Params q;
    EXPECT_TRUE(parse_params(line, &q));
    EXPECT_FLOAT_EQ(q.knob[0], 0.35f);
    std::setlocale(LC_ALL, "C");
  }
}

TEST(SettingsText, ParamLinesWithBadFieldsAreRefusedWhole) {
  const fx::Params before = fx::standard_params();
  for (const char* bad : {"nan", "inf", "-inf", "1e999", "", "x", " ", "-nan"}) {
    for (int idx : {0, 2, 3, 18}) {
      fx::Params p = before;
      EXPECT_FALSE(parse_params(line_with(bad, idx), &p)) << bad << " at " << idx;
      EXPECT_TRUE(fx::same(p, before));
    }
  }
  fx::Params p = before;
  const std::string ok = line_with("0.5", 0);
  EXPECT_FALSE(parse_params(ok.substr(0, ok.rfind(',')), &p));  // 18 fields
  EXPECT_FALSE(parse_params(ok + ",0.5", &p));                  // 20 fields
  EXPECT_FALSE(parse_params(ok + ",,", &p));
  EXPECT_FALSE(parse_params(line_with(std::string(33, '1'), 5), &p));  // field too long
  EXPECT_TRUE(fx::same(p, before));
  EXPECT_TRUE(parse_params(ok + ",", &p));  // a lone trailing comma is fine
  EXPECT_TRUE(parse_params(line_with(" 0.25xyz", 4), &p));
  EXPECT_FLOAT_EQ(p.knob[1], 0.25f);
  EXPECT_TRUE(parse_params(line_with(std::string(31, '0') + "1", 5), &p));
}

TEST(SettingsText, KnobValuesAreClampedAndSwitchesThresholdedAtHalf) {
  fx::Params p;
  ASSERT_TRUE(parse_params(line_with("1e300", 3), &p));
  EXPECT_EQ(p.knob[0], 0.0f);
  ASSERT_TRUE(parse_params(line_with("-0.3", 4), &p));
  EXPECT_EQ(p.knob[1], 0.0f);
  ASSERT_TRUE(parse_params(line_with("3", 5), &p));
  EXPECT_EQ(p.knob[2], 1.0f);
  ASSERT_TRUE(parse_params("0.5,0.51,2," + line_with("0.5", 3).substr(6), &p));
  EXPECT_FALSE(p.tube_on);
  EXPECT_TRUE(p.comp_on);
  EXPECT_TRUE(p.limiter_on);
  ASSERT_TRUE(parse_params(line_with("0x1p-2", 18), &p));  // strtod reads hex floats
  EXPECT_EQ(p.knob[15], 0.25f);
}

TEST(SettingsText, IntegersKeepTheirValueOutsideTheRange) {
  auto vu = [](const std::string& v) { return reread("vu_mode=" + v + "\n").vu_mode; };
  EXPECT_EQ(vu("1.7"), 1);
  EXPECT_EQ(vu("2.9"), 1);  // range is tested before the fraction is cut
  EXPECT_EQ(vu("2"), 2);
  EXPECT_EQ(vu("0"), 0);
  EXPECT_EQ(vu("99999999999"), 1);
  EXPECT_EQ(vu("-1"), 1);
  EXPECT_EQ(vu(""), 1);
  EXPECT_EQ(vu(std::string(33, '0')), 1);
  EXPECT_EQ(vu("nan"), 1);
  const Settings s = reread("win_x=1e300\nwin_w=-nan\nwin_y=-100000\nwin_h=100000.001\n"
                            "mini_w=100001\nmini_h=-3.9\nmini_x=7px\n");
  EXPECT_EQ(s.win_x, -1);
  EXPECT_EQ(s.win_w, 0);
  EXPECT_EQ(s.win_y, -100000);
  EXPECT_EQ(s.win_h, 100000);  // 100000.001 is 100000 in single precision
  EXPECT_EQ(s.mini_w, 0);
  EXPECT_EQ(s.mini_h, -3);
  EXPECT_EQ(s.mini_x, 7);
}

TEST(SettingsText, StringsAndSwitchesFallBackAsTheKeyTableSays) {
  Settings s = reread("theme=blue\noutput=a\x1b\nlast_default=" + std::string(257, 'd') +
                      "\nlanguage=" + std::string(9, 'A') + "\ntube_preset=b:\x7f" +
                      "\ncomp_preset=" + std::string(131, 'c') + "\nactive=true\ncompact=1\n");
  EXPECT_EQ(s.theme, "dark");
  EXPECT_EQ(s.output, "");
  EXPECT_EQ(s.last_default, "");
  EXPECT_EQ(s.language, "auto");
  EXPECT_EQ(s.unit_preset[0], "b:preset_warm");
  EXPECT_EQ(s.unit_preset[1], "b:cpreset_gentle");
  EXPECT_FALSE(s.active);
  EXPECT_TRUE(s.compact);
  EXPECT_TRUE(s.compact_on_top);  // missing keeps the default
  // Missing strings are empty, except theme, which only ever changes to a valid value.
  s = reread("theme=light\n");
  EXPECT_EQ(s.unit_preset[0], "");
  EXPECT_EQ(s.language, "");
  EXPECT_EQ(s.theme, "light");
  // Longest accepted values, the last occurrence of a key counts, no trimming.
  s = reread("language=zh_Hant1\noutput=" + std::string(256, 'o') +
             "\ntheme=light\ntheme=dark \nvu_mode=0\nvu_mode=2\nno equals sign\n");
  EXPECT_EQ(s.language, "zh_Hant1");
  EXPECT_EQ(s.output.size(), 256u);
  EXPECT_EQ(s.theme, "dark");
  EXPECT_EQ(s.vu_mode, 2);
  EXPECT_EQ(reread("theme=light\r\n").theme, "dark");
}

std::string preset_block(const std::string& unit, const std::string& count, int entries,
                         const std::string& (*name)(int), const std::string& line) {
  std::string t = unit + "_user=" + count + "\n";
  for (int i = 0; i < entries; ++i) {
    t += unit + std::to_string(i) + "_name=" + name(i) + "\n";
    t += unit + std::to_string(i) + "=" + line + "\n";
  }
  return t;
}

const std::string& numbered(int i) {
  static std::string s;
  s = "Satz " + std::to_string(i);
  return s;
}

TEST(SettingsText, UserPresetCountsLimitsAndDuplicates) {
  const std::string line = line_with("0.5", 0);
  Settings s = reread(preset_block("comp", "150", 150, numbered, line));
  ASSERT_EQ(s.user_presets[1].size(), 100u);
  EXPECT_EQ(s.user_presets[1].front().name, "Satz 0");
  EXPECT_EQ(s.user_presets[1].back().name, "Satz 99");
  EXPECT_TRUE(s.user_presets[0].empty());

  EXPECT_TRUE(reread(preset_block("tube", "201", 201, numbered, line)).user_presets[0].empty());
  EXPECT_EQ(reread(preset_block("tube", "200", 3, numbered, line)).user_presets[0].size(), 3u);
  EXPECT_EQ(reread(preset_block("tube", "2.9", 3, numbered, line)).user_presets[0].size(), 2u);
  EXPECT_TRUE(reread(preset_block("tube", "-1", 3, numbered, line)).user_presets[0].empty());

  // Names that clean to the same text: the first one only, with its own values.
  s = reread("tube_user=4\ntube0_name=  Mein   Klang\ntube0=" + line_with("0.1", 3) +
             "\ntube1_name=Mein Klang\xE2\x80\x8B\ntube1=" + line_with("0.9", 3) +
             "\ntube2_name= \t \ntube2=" + line +
             "\ntube3_name=Gut\ntube3=" + line_with("nan", 7) + "\n");
  ASSERT_EQ(s.user_presets[0].size(), 1u);
  EXPECT_EQ(s.user_presets[0][0].name, "Mein Klang");
  EXPECT_FLOAT_EQ(s.user_presets[0][0].params.knob[0], 0.1f);

  // An entry without its parameter line or name is skipped, later ones still load.
  s = reread("tube_user=3\ntube0_name=A\ntube1=" + line + "\ntube2_name=C\ntube2=" + line + "\n");
  ASSERT_EQ(s.user_presets[0].size(), 1u);
  EXPECT_EQ(s.user_presets[0][0].name, "C");
}

}  // namespace
