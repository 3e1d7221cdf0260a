// Self-test checks 13-21: the settings store against hostile and damaged
// files, in a throw-away configuration directory.
#include <stdlib.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/selftest.h"
#include "app/sys.h"
#include "desktop/paths.h"
#include "fx/presets.h"
#include "settings/savecrypt.h"
#include "settings/settings.h"

namespace selftest {
namespace {

using sys::utf8_chars;

bool write_file(const std::string& path, const std::string& bytes) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f == nullptr) return false;
  const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

std::string read_file(const std::string& path, std::size_t max_bytes) {
  std::string out(max_bytes, '\0');
  FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return {};
  out.resize(std::fread(out.data(), 1, max_bytes, f));
  std::fclose(f);
  return out;
}

bool knobs_valid(const fx::Params& p) {
  for (float k : p.knob) {
    if (!std::isfinite(k) || k < 0.0f || k > 1.0f) return false;
  }
  return true;
}

bool all_knobs_finite(const Settings& s) {
  auto finite = [](const fx::Params& p) {
    for (float k : p.knob) {
      if (!std::isfinite(k)) return false;
    }
    return true;
  };
  bool ok = finite(s.params);
  for (const auto& list : s.user_presets) {
    for (const UserPreset& u : list) ok = ok && finite(u.params);
  }
  return ok;
}

std::string param_fields(const char* switches, const char* knob, int knobs) {
  std::string out = switches;
  for (int i = 0; i < knobs; ++i) out.append(",").append(knob);
  return out;
}

void check_foreign_names(int* failures) {
  const char* names[] = {
      "Abend am See", "Größe ÄÖÜ ß", "日本語の設定", "中文预设", "한국어 설정", "العربية", "עברית",
      "हिन्दी सेटिंग", "বাংলা", "ไทย", "Русский", "Ελληνικά", "Tiếng Việt", "Ş ğ ı İ",
      "\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x8E\xA4 Bühne", "e\xCC\x81 kombiniert"};
  Settings s;
  for (const char* n : names) s.user_presets[0].push_back({settings::clean_name(n), fx::standard_params()});
  s.user_presets[1].push_back({"Kompressor eigen", fx::clean_params()});
  s.unit_preset[1] = "u:Kompressor eigen";
  s.params.knob[fx::kAttack] = 0.123f;
  const bool saved = settings::save(s);
  const Settings back = settings::load();
  bool ok = saved && back.user_presets[0].size() == s.user_presets[0].size() &&
            back.user_presets[1].size() == 1 && back.unit_preset[1] == s.unit_preset[1] &&
            std::fabs(back.params.knob[fx::kAttack] - 0.123f) <= 1e-5f;
  for (std::size_t i = 0; ok && i < s.user_presets[0].size(); ++i) {
    ok = back.user_presets[0][i].name == s.user_presets[0][i].name;
  }
  report(failures, ok,
         format("Speichern/Laden: %zu Namen in fremden Schriften unveraendert zurueck",
                s.user_presets[0].size()));
}

void check_long_name(int* failures) {
  std::string in;
  for (int i = 0; i < 500; ++i) in += "日";
  const std::string out = settings::clean_name(in);
  const std::size_t n = utf8_chars(out);
  report(failures, n == 32 && settings::clean_name(out) == out,
         format("Name aus 500 Zeichen: auf %zu Zeichen gekuerzt, gueltiges UTF-8", n));
}

void check_control_chars(int* failures) {
  const std::string in = std::string("Normal") + "\xE2\x80\xAE" + "gnp.exe" + "\x01\x7F" +
                         "\xC3(" + "\xF0\x9F\x98" + "\xE2\x80\x8B" + "X";
  const std::string out = settings::clean_name(in);
  report(failures, out == "Normalgnp.exe(X",
         format("Steuer-, Richtungs- und kaputte Zeichen entfernt: \"%s\"", out.c_str()));
}

void check_blanks(int* failures) {
  const bool ok = settings::clean_name("   \t  ").empty() && settings::clean_name("  a   b  ") == "a b";
  report(failures, ok, "Leerraum gestutzt und zusammengefasst");
}

void check_hostile_file(int* failures, const std::string& file) {
  std::string t = "params=1,1,1,nan";
  for (int i = 0; i < 15; ++i) t += (i % 2 == 0) ? ",1e999" : ",-inf";
  t += "\nvu_mode=99999999999\nwin_x=1e300\nwin_w=-nan\ntube_user=2147483647\n"
       "theme=<script>\nlanguage=" + std::string(5000, 'A') + "\noutput=a\x1b\n";
  for (int i = 0; i < 300; ++i) {
    const std::string n = std::to_string(i);
    t += "tube" + n + "_name=" + std::string(70, '1') + "\n";
    t += "tube" + n + "=1,1,1,nan" + param_fields("", "0.5", 15) + "\n";
  }
  const bool written = write_file(file, savecrypt::encrypt(t));
  const Settings s = settings::load();
  const bool ok = written && knobs_valid(s.params) && s.vu_mode < 3 && s.win_x == -1 &&
                  s.theme == "dark" && s.language.size() <= 8 && s.output.empty() &&
                  s.user_presets[0].empty() && s.user_presets[1].empty();
  report(failures, ok,
         "Praeparierte Datei (NaN, 1e999, Riesenzahlen, 300 Saetze mit Muell): nichts davon "
         "uebernommen");
}

void check_many_presets(int* failures, const std::string& file) {
  std::string t = "comp_user=150\n";
  const std::string line = param_fields("0,1,1", "0.5", 16);
  for (int i = 0; i < 150; ++i) {
    // 500 characters whose first 32 tell the 120 distinct numbers apart.
    std::string name = "Satz " + std::to_string(i % 120) + " ";
    while (utf8_chars(name) < 500) name += "ü";
    t += "comp" + std::to_string(i) + "_name=" + name + "\n";
    t += "comp" + std::to_string(i) + "=" + line + "\n";
  }
  const bool written = write_file(file, savecrypt::encrypt(t));
  const Settings s = settings::load();
  const auto& list = s.user_presets[1];
  bool ok = written && list.size() == 100;
  for (std::size_t i = 0; ok && i < list.size(); ++i) {
    ok = utf8_chars(list[i].name) <= 32;
    for (std::size_t j = 0; ok && j < i; ++j) ok = list[i].name != list[j].name;
  }
  report(failures, ok,
         format("150 Saetze mit 500-Zeichen-Namen: %zu uebernommen, alle <= 32 Zeichen, keine "
                "doppelt",
                list.size()));
}

void check_short_params(int* failures, const std::string& file) {
  const bool written =
      write_file(file, savecrypt::encrypt("params=" + param_fields("1,1,1", "0.123", 15) + "\n"));
  const Settings s = settings::load();
  report(failures, written && fx::same(s.params, fx::standard_params()),
         "Satz mit 18 statt 19 Feldern: verworfen, Vorgabe gilt");
}

void check_crash_while_saving(int* failures, const std::string& file) {
  Settings a;
  a.params.knob[fx::kMix] = 0.77f;
  Settings b;
  b.params.knob[fx::kMix] = 0.33f;
  const bool saved = settings::save(a) && settings::save(b);
  const bool removed = std::remove(file.c_str()) == 0;
  const bool partial = write_file(file + ".tmp", "halb geschrieb");
  const float mix = settings::load().params.knob[fx::kMix];
  report(failures, saved && removed && partial && std::fabs(mix - 0.77f) < 0.0001f,
         format("Absturz beim Speichern: Sicherung geladen (Kompressor-Mix %.2f)", mix));
}

void check_damaged_files(int* failures, const std::string& file) {
  std::uint32_t u = 4711;
  auto step = [&u] { u = u * 1664525u + 1013904223u; };
  bool ok = true;
  for (int pass = 0; pass < 400; ++pass) {
    step();
    ok = settings::save(Settings()) && ok;
    std::string bytes = read_file(file, 4096);
    if (bytes.empty()) {
      ok = false;
      continue;
    }
    switch (pass % 4) {
      case 0:
        bytes[u % bytes.size()] ^= static_cast<char>(((u >> 24) % 255) + 1);
        break;
      case 1:
        bytes.resize(u % (bytes.size() + 1));
        break;
      case 2:
        for (char& c : bytes) {
          step();
          c = static_cast<char>(u >> 24);
        }
        break;
      default:
        bytes.assign(2097152, '\x4A');
        break;
    }
    ok = write_file(file, bytes) && ok;
    ok = all_knobs_finite(settings::load()) && ok;
  }
  report(failures, ok,
         "400 zerstoerte Dateien (Bitfehler, abgeschnitten, Zufall, 2 MiB): sauber abgefangen");
}

}  // namespace

void store_checks(int* failures) {
  char tmpl[] = "/tmp/vlmra-selftest-XXXXXX";
  if (::mkdtemp(tmpl) == nullptr) {
    report(failures, false, "Wegwerf-Ordner nicht anlegbar");
    return;
  }
  const std::string dir = tmpl;
  paths::set_config_dir_for_selftest(dir);
  const std::string file = settings::file_path();

  check_foreign_names(failures);
  check_long_name(failures);
  check_control_chars(failures);
  check_blanks(failures);
  check_hostile_file(failures, file);
  check_many_presets(failures, file);
  check_short_params(failures, file);
  check_crash_while_saving(failures, file);
  check_damaged_files(failures, file);

  // Removed through the file system, never through a shell command line.
  std::error_code ec;
  std::filesystem::remove_all(dir, ec);
  paths::set_config_dir_for_selftest("");
}

}  // namespace selftest
