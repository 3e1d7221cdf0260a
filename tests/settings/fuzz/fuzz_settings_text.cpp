// Fuzz target: arbitrary text as the inside of a settings file. Whatever the
// text holds, the record that comes out keeps every invariant of the store
// and survives a write-and-read unchanged.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "settings/settings.h"
#include "settings/text.h"

namespace {

std::size_t char_count(const std::string& s) {
  std::size_t n = 0;
  for (char c : s) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

bool plain(const std::string& s, std::size_t max_bytes) {
  if (s.size() > max_bytes) return false;
  for (char c : s) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 32 || b == 127) return false;
  }
  return true;
}

bool knobs_ok(const fx::Params& p) {
  for (float k : p.knob) {
    if (!std::isfinite(k) || k < 0.0f || k > 1.0f) return false;
  }
  return true;
}

bool geometry_ok(int v) { return v >= -100000 && v <= 100000; }

void require(bool ok) {
  if (!ok) std::abort();
}

void check_record(const Settings& s) {
  require(knobs_ok(s.params));
  for (int u = 0; u < 2; ++u) {
    require(plain(s.unit_preset[u], 130));
    const auto& list = s.user_presets[u];
    require(list.size() <= 100);
    for (std::size_t i = 0; i < list.size(); ++i) {
      const std::string& n = list[i].name;
      require(!n.empty() && char_count(n) <= 32 && settings::clean_name(n) == n);
      require(knobs_ok(list[i].params));
      for (std::size_t j = 0; j < i; ++j) require(list[j].name != n);
    }
  }
  require(plain(s.output, 256) && plain(s.last_default, 256) && plain(s.language, 8));
  require(s.theme == "dark" || s.theme == "light");
  require(s.vu_mode >= 0 && s.vu_mode <= 2);
  for (int v : {s.win_x, s.win_y, s.win_w, s.win_h, s.mini_x, s.mini_y, s.mini_w, s.mini_h}) {
    require(geometry_ok(v));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  Settings s;
  settings::text::deserialize(text, &s);
  check_record(s);

  // What was accepted once is written and read back exactly.
  const std::string once = settings::text::serialize(s);
  Settings again;
  settings::text::deserialize(once, &again);
  require(settings::text::serialize(again) == once);

  // The same bytes as a bare name and as a bare parameter line.
  const std::string name = settings::clean_name(std::string(text));
  require(char_count(name) <= 32 && settings::clean_name(name) == name);
  fx::Params p = fx::standard_params();
  if (settings::text::parse_params(text, &p)) require(knobs_ok(p));
  return 0;
}
