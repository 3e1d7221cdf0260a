#include "settings/text.h"

#include <locale.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <unordered_map>

#include "app/sys.h"

namespace settings::text {
namespace {

constexpr std::size_t kMaxNumberChars = 32;
constexpr std::size_t kMaxPresets = 100;
constexpr double kMaxPresetCount = 200;
constexpr float kGeometryLimit = 100000.0f;
constexpr const char* kUnitName[2] = {"tube", "comp"};

using Map = std::unordered_map<std::string_view, std::string_view>;

// Numbers always use "." whatever locale the process runs in, so parsing goes
// through a private "C" locale object rather than the global one.
locale_t c_locale() {
  static const locale_t g_c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return g_c;
}


// A leading number of a field of 1..32 characters, finite, as strtod reads it.
bool leading_number(std::string_view field, double* out) {
  if (field.empty() || sys::utf8_chars(field) > kMaxNumberChars) return false;
  const std::string z(field);  // strtod needs the terminator
  char* end = nullptr;
  const double v = strtod_l(z.c_str(), &end, c_locale());
  if (end == z.c_str() || !std::isfinite(v)) return false;
  *out = v;
  return true;
}

std::string number_text(double v) {
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, 6);
  return std::string(buf, r.ptr);
}

// Integers: stored as decimal; read as any finite number of 1..32 characters
// whose single-precision value is inside the range, then cut toward zero.
void read_int(const Map& m, const char* key, float lo, float hi, int* field) {
  auto it = m.find(key);
  if (it == m.end()) return;
  double d = 0;
  if (!leading_number(it->second, &d)) return;
  const auto f = static_cast<float>(d);
  if (!(f >= lo && f <= hi)) return;
  *field = static_cast<int>(f);
}

void read_bool(const Map& m, const char* key, bool* field) {
  auto it = m.find(key);
  if (it != m.end()) *field = it->second == "1";
}

// Missing gives the empty string; present but invalid gives the fallback.
void read_plain(const Map& m, const std::string& key, std::size_t max_bytes,
                const std::string& fallback, std::string* field) {
  auto it = m.find(key);
  *field = it == m.end() ? std::string() : plain_or(it->second, max_bytes, fallback);
}

std::string_view value_of(const Map& m, const std::string& key) {
  auto it = m.find(key);
  return it == m.end() ? std::string_view() : it->second;
}

int preset_count(std::string_view v) {
  double d = 0;
  if (!leading_number(v, &d) || d < 0 || d > kMaxPresetCount) return 0;
  return static_cast<int>(d);
}

void read_user_presets(const Map& m, int unit, Settings* s) {
  const std::string u = kUnitName[unit];
  const int count = preset_count(value_of(m, u + "_user"));
  auto& list = s->user_presets[unit];
  for (int n = 0; n < count; ++n) {
    const std::string key = u + std::to_string(n);
    const std::string_view line = value_of(m, key);
    if (line.empty()) continue;
    UserPreset p;
    p.name = clean_name(std::string(value_of(m, key + "_name")));
    if (p.name.empty()) continue;
    if (!parse_params(line, &p.params)) continue;
    bool taken = false;
    for (const UserPreset& q : list) taken = taken || q.name == p.name;
    if (taken || list.size() >= kMaxPresets) continue;
    list.push_back(std::move(p));
  }
}

void put(std::string* out, const std::string& key, const std::string& value) {
  out->append(key).append("=").append(value).append("\n");
}

}  // namespace

std::string plain_or(std::string_view value, std::size_t max_bytes, const std::string& fallback) {
  if (value.size() > max_bytes) return fallback;
  for (char ch : value) {
    const auto b = static_cast<unsigned char>(ch);
    if (b < 32 || b == 127) return fallback;
  }
  return std::string(value);
}

std::string params_line(const fx::Params& p) {
  std::string out;
  out += p.tube_on ? "1" : "0";
  out += p.comp_on ? ",1" : ",0";
  out += p.limiter_on ? ",1" : ",0";
  for (float k : p.knob) out.append(",").append(number_text(k));
  return out;
}

bool parse_params(std::string_view line, fx::Params* p) {
  constexpr int kFields = 3 + fx::kKnobs;
  double v[kFields];
  std::size_t pos = 0;
  for (int i = 0; i < kFields; ++i) {
    if (pos > line.size()) return false;  // ran out of fields
    std::size_t comma = line.find(',', pos);
    if (comma == std::string_view::npos) comma = line.size();
    if (!leading_number(line.substr(pos, comma - pos), &v[i])) return false;
    pos = comma + 1;
  }
  // Only a lone trailing "," may follow the 19th field.
  if (pos < line.size()) return false;

  fx::Params out;
  out.tube_on = v[0] > 0.5;
  out.comp_on = v[1] > 0.5;
  out.limiter_on = v[2] > 0.5;
  // A field that overflows single precision (1e300) counts as 0, like any
  // other value the knob range rule refuses.
  for (int k = 0; k < fx::kKnobs; ++k) out.knob[k] = fx::unit_range(static_cast<float>(v[3 + k]));
  *p = out;
  return true;
}

std::string serialize(const Settings& s) {
  std::string out;
  put(&out, "params", params_line(s.params));
  for (int unit = 0; unit < 2; ++unit) {
    const std::string u = kUnitName[unit];
    put(&out, u + "_preset", s.unit_preset[unit]);
    put(&out, u + "_user", std::to_string(s.user_presets[unit].size()));
    for (std::size_t n = 0; n < s.user_presets[unit].size(); ++n) {
      const UserPreset& p = s.user_presets[unit][n];
      put(&out, u + std::to_string(n) + "_name", p.name);
      put(&out, u + std::to_string(n), params_line(p.params));
    }
  }
  auto flag = [](bool b) { return std::string(b ? "1" : "0"); };
  put(&out, "active", flag(s.active));
  put(&out, "active_on_start", flag(s.active_on_start));
  put(&out, "compact", flag(s.compact));
  put(&out, "compact_on_top", flag(s.compact_on_top));
  put(&out, "output", s.output);
  put(&out, "last_default", s.last_default);
  put(&out, "vu_mode", std::to_string(s.vu_mode));
  put(&out, "language", s.language);
  put(&out, "theme", s.theme);
  put(&out, "win_x", std::to_string(s.win_x));
  put(&out, "win_y", std::to_string(s.win_y));
  put(&out, "win_w", std::to_string(s.win_w));
  put(&out, "win_h", std::to_string(s.win_h));
  put(&out, "collapsed", flag(s.collapsed));
  put(&out, "mini_x", std::to_string(s.mini_x));
  put(&out, "mini_y", std::to_string(s.mini_y));
  put(&out, "mini_w", std::to_string(s.mini_w));
  put(&out, "mini_h", std::to_string(s.mini_h));
  return out;
}

void deserialize(std::string_view text, Settings* s) {
  Map m;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t eol = text.find('\n', pos);
    if (eol == std::string_view::npos) eol = text.size();
    const std::string_view line = text.substr(pos, eol - pos);
    const std::size_t eq = line.find('=');
    if (eq != std::string_view::npos) m[line.substr(0, eq)] = line.substr(eq + 1);
    pos = eol + 1;
  }

  if (auto it = m.find("params"); it != m.end()) parse_params(it->second, &s->params);
  const Settings defaults;
  for (int unit = 0; unit < 2; ++unit) {
    const std::string u = kUnitName[unit];
    read_plain(m, u + "_preset", 130, defaults.unit_preset[unit], &s->unit_preset[unit]);
    read_user_presets(m, unit, s);
  }
  read_bool(m, "active", &s->active);
  read_bool(m, "active_on_start", &s->active_on_start);
  read_bool(m, "compact", &s->compact);
  read_bool(m, "compact_on_top", &s->compact_on_top);
  read_plain(m, "output", 256, defaults.output, &s->output);
  read_plain(m, "last_default", 256, defaults.last_default, &s->last_default);
  read_int(m, "vu_mode", 0.0f, 2.0f, &s->vu_mode);
  read_plain(m, "language", 8, defaults.language, &s->language);
  if (auto it = m.find("theme"); it != m.end() && (it->second == "light" || it->second == "dark")) {
    s->theme = std::string(it->second);
  }
  for (auto [key, field] : {std::pair{"win_x", &s->win_x}, {"win_y", &s->win_y},
                            {"win_w", &s->win_w}, {"win_h", &s->win_h},
                            {"mini_w", &s->mini_w}, {"mini_h", &s->mini_h},
                            {"mini_x", &s->mini_x}, {"mini_y", &s->mini_y}}) {
    read_int(m, key, -kGeometryLimit, kGeometryLimit, field);
  }
  read_bool(m, "collapsed", &s->collapsed);
}

}  // namespace settings::text
