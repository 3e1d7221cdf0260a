#include "settings/text.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <clocale>
#include <cmath>
#include <filesystem>
#include <string>

#include "fx/presets.h"
#include "settings/settings.h"

namespace {

using settings::text::deserialize;
using settings::text::params_line;
using settings::text::parse_params;
using settings::text::serialize;

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

// Switches the process to a German locale, compiled into a private directory
// when the system has none. Returns that directory (or "-" when the system's
// own locale was used), empty when no such locale can be had.
std::string comma_locale() {
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) return "-";
  char tmpl[] = "/tmp/vlm-locale-XXXXXX";
  if (::mkdtemp(tmpl) == nullptr) return {};
  const std::string dir = tmpl;
  const std::string target = dir + "/de_DE.UTF-8";
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::execlp("localedef", "localedef", "-i", "de_DE", "-f", "UTF-8", target.c_str(),
             static_cast<char*>(nullptr));
    ::_exit(127);
  }
  int status = 0;
  if (pid > 0) ::waitpid(pid, &status, 0);
  ::setenv("LOCPATH", dir.c_str(), 1);
  if (pid > 0 && WIFEXITED(status) && WEXITSTATUS(status) == 0 &&
      std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) {
    return dir;
  }
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
  return {};
}

TEST(SettingsText, DefaultRecordRoundTripsAndFollowsTheKeyOrder) {
  const Settings d;
  const std::string text = serialize(d);
  EXPECT_EQ(serialize(reread(text)), text);
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
  const std::string locdir = comma_locale();
  if (locdir.empty()) GTEST_SKIP() << "no locale with a decimal comma could be made";
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  EXPECT_EQ(params_line(p), line);
  fx::Params q;
  EXPECT_TRUE(parse_params(line, &q));
  EXPECT_FLOAT_EQ(q.knob[0], 0.35f);
  EXPECT_FLOAT_EQ(q.knob[3], 1e-5f);
  const Settings s = reread("vu_mode=1.7\nwin_w=640.5\n");
  EXPECT_EQ(s.vu_mode, 1);
  EXPECT_EQ(s.win_w, 640);
  std::setlocale(LC_ALL, "C");
  std::error_code ec;
  std::filesystem::remove_all(locdir, ec);
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

// A unit's preset block: the count, then `entries` presets named "Satz <i>".
std::string preset_block(const std::string& unit, const std::string& count, int entries,
                         const std::string& line) {
  std::string t = unit + "_user=" + count + "\n";
  for (int i = 0; i < entries; ++i) {
    t += unit + std::to_string(i) + "_name=Satz " + std::to_string(i) + "\n";
    t += unit + std::to_string(i) + "=" + line + "\n";
  }
  return t;
}

TEST(SettingsText, UserPresetCountsLimitsAndDuplicates) {
  const std::string line = line_with("0.5", 0);
  Settings s = reread(preset_block("comp", "150", 150, line));
  ASSERT_EQ(s.user_presets[1].size(), 100u);
  EXPECT_EQ(s.user_presets[1].front().name, "Satz 0");
  EXPECT_EQ(s.user_presets[1].back().name, "Satz 99");
  EXPECT_TRUE(s.user_presets[0].empty());

  EXPECT_TRUE(reread(preset_block("tube", "201", 201, line)).user_presets[0].empty());
  EXPECT_EQ(reread(preset_block("tube", "200", 3, line)).user_presets[0].size(), 3u);
  EXPECT_EQ(reread(preset_block("tube", "2.9", 3, line)).user_presets[0].size(), 2u);
  EXPECT_TRUE(reread(preset_block("tube", "-1", 3, line)).user_presets[0].empty());

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
