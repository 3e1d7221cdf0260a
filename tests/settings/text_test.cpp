#include "settings/text.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <clocale>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "settings/settings.h"

namespace {

using settings::text::parse_params;

Settings reread(const std::string& text) {
  Settings s;
  settings::text::deserialize(text, &s);
  return s;
}

// A parameter line of 19 fields with `field` at `index`.
std::string line_with(const std::string& field, int index) {
  std::string out;
  for (int i = 0; i < 19; ++i) out += (i ? "," : "") + (i == index ? field : i < 3 ? "1" : "0.5");
  return out;
}

// Switches the process to a German locale, compiled into a private directory
// when the system has none; empty when no such locale can be had.
std::string comma_locale() {
  if (std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) return "-";
  char tmpl[] = "/tmp/vlm-locale-XXXXXX";
  if (::mkdtemp(tmpl) == nullptr) return {};
  const std::string dir = tmpl;
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::execlp("localedef", "localedef", "-i", "de_DE", "-f", "UTF-8", (dir + "/de_DE.UTF-8").c_str(), nullptr);
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  ::setenv("LOCPATH", dir.c_str(), 1);
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0 && std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr) return dir;
  std::filesystem::remove_all(dir);
  return {};
}

TEST(SettingsText, NumbersUseGeneralNotationWhateverTheLocale) {
  fx::Params p = fx::standard_params();
  p.knob = {0.35f, 1.0f, 0.0f, 1e-5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 2.0f / 3.0f};
  const std::string line = settings::text::params_line(p);
  EXPECT_EQ(line, "1,1,1,0.35,1,0,1e-05,0.5,0.5,0.5,0.5,0.5,0.5,0.5,0.5,0.5,0.5,0.5,0.666667");
  const std::string locdir = comma_locale();
  if (locdir.empty()) GTEST_SKIP() << "no locale with a decimal comma could be made";
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  EXPECT_EQ(settings::text::params_line(p), line);
  fx::Params q;
  EXPECT_TRUE(parse_params(line, &q));
  EXPECT_FLOAT_EQ(q.knob[0], 0.35f);
  EXPECT_EQ(reread("win_w=640.5\n").win_w, 640);
  std::setlocale(LC_ALL, "C");
  if (locdir != "-") std::filesystem::remove_all(locdir);
}

TEST(SettingsText, ParameterLines) {
  const fx::Params before = fx::standard_params();
  const std::string ok = line_with("0.5", 0);
  std::vector<std::string> refused = {ok.substr(0, ok.rfind(',')), ok + ",0.5", ok + ",,",
                                      line_with(std::string(33, '1'), 5)};
  for (const char* bad : {"nan", "inf", "-inf", "1e999", "", "x", " ", "-nan"}) {
    for (int idx : {0, 2, 3, 18}) refused.push_back(line_with(bad, idx));
  }
  for (const std::string& line : refused) {
    fx::Params p = before;
    EXPECT_FALSE(parse_params(line, &p)) << line;
    EXPECT_TRUE(fx::same(p, before)) << line;
  }
  // Accepted: knobs clamped to 0..1, switches on from above one half.
  for (const auto& [line, knob, value] : std::vector<std::tuple<std::string, int, float>>{
           {ok + ",", 0, 0.5f}, {line_with(" 0.25xyz", 4), 1, 0.25f}, {line_with("1e300", 3), 0, 0.0f},
           {line_with("-0.3", 4), 1, 0.0f}, {line_with("3", 5), 2, 1.0f}, {line_with("0x1p-2", 18), 15, 0.25f},
           {line_with(std::string(31, '0') + "1", 5), 2, 1.0f}}) {
    fx::Params p;
    ASSERT_TRUE(parse_params(line, &p)) << line;
    EXPECT_EQ(p.knob[knob], value) << line;
  }
  fx::Params p;
  ASSERT_TRUE(parse_params("0.5,0.51,2," + line_with("0.5", 3).substr(6), &p));
  EXPECT_TRUE(!p.tube_on && p.comp_on && p.limiter_on);
}

TEST(SettingsText, FieldsOutsideTheirRangeKeepTheirValue) {
  for (const auto& [v, want] : std::vector<std::pair<std::string, int>>{{"2.9", 1}, {"2", 2}, {"0", 0}, {"-1", 1}}) {
    EXPECT_EQ(reread("vu_mode=" + v + "\n").vu_mode, want) << v;
  }
  Settings s = reread("win_y=-100000\nwin_h=100000.001\nmini_w=100001\nmini_h=-3.9\nmini_x=7px\nlast_default=" +
                      std::string(257, 'd') + "\nlanguage=" + std::string(9, 'A') + "\ntube_preset=b:\x7f" +
                      "\ncomp_preset=" + std::string(131, 'c') + "\nactive=true\ncompact=1\n");
  EXPECT_EQ(std::vector<int>({s.win_y, s.win_h, s.mini_w, s.mini_h, s.mini_x}),
            std::vector<int>({-100000, 100000, 0, -3, 7}));
  EXPECT_EQ(s.last_default + "|" + s.language + "|" + s.unit_preset[0] + "|" + s.unit_preset[1],
            "|auto|b:preset_warm|b:cpreset_gentle");
  EXPECT_TRUE(!s.active && s.compact && s.compact_on_top);
  // Missing strings are empty except the theme; the last occurrence counts, untrimmed.
  s = reread("language=zh_Hant1\noutput=" + std::string(256, 'o') + "\ntheme=light\ntheme=dark \n");
  EXPECT_EQ(s.unit_preset[0] + "|" + s.language + "|" + s.theme, "|zh_Hant1|dark");
  EXPECT_EQ(s.output.size(), 256u);
  EXPECT_EQ(reread("theme=light\n").theme, "light");
}

TEST(SettingsText, UserPresetCountsNamesAndGaps) {
  const std::string line = line_with("0.5", 0);
  for (const auto& [count, want] : std::vector<std::pair<std::string, std::size_t>>{
           {"201", 0}, {"200", 3}, {"2.9", 2}, {"-1", 0}}) {
    std::string t = "tube_user=" + count + "\n";
    for (char i : {'0', '1', '2'}) t += std::string("tube") + i + "_name=S" + i + "\ntube" + i + "=" + line + "\n";
    EXPECT_EQ(reread(t).user_presets[0].size(), want) << count;
  }
  // Of names that clean to one text the first counts, with its own values;
  // an entry without a name or a good line is skipped, later ones still load.
  const Settings s = reread("tube_user=7\ntube0_name=  Mein   Klang\ntube0=" + line_with("0.1", 3) +
                            "\ntube1_name=Mein Klang\xE2\x80\x8B\ntube1=" + line + "\ntube2_name= \t \ntube2=" + line +
                            "\ntube3_name=Gut\ntube3=" + line_with("nan", 7) + "\ntube4_name=A\ntube5=" + line +
                            "\ntube6_name=C\ntube6=" + line + "\n");
  ASSERT_EQ(s.user_presets[0].size(), 2u);
  EXPECT_EQ(s.user_presets[0][0].name + "|" + s.user_presets[0][1].name, "Mein Klang|C");
  EXPECT_FLOAT_EQ(s.user_presets[0][0].params.knob[0], 0.1f);
}

}  // namespace
