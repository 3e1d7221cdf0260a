// Fuzz target: arbitrary text as the inside of a settings file. Whatever the
// text holds, the record that comes out keeps every invariant of the store
// and survives a write-and-read unchanged.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "app/sys.h"
#include "settings/settings.h"
#include "settings/text.h"

namespace {

void require(bool ok) {
  if (!ok) std::abort();
}

void require_plain(const std::string& s, std::size_t max_bytes) {
  require(s.size() <= max_bytes);
  for (char c : s) require(static_cast<unsigned char>(c) >= 32 && c != 127);
}

void require_knobs(const fx::Params& p) {
  for (float k : p.knob) require(std::isfinite(k) && k >= 0.0f && k <= 1.0f);
}

void require_name(const std::string& n) {
  require(sys::utf8_chars(n) <= 32 && settings::clean_name(n) == n);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  Settings s;
  settings::text::deserialize(text, &s);
  require_knobs(s.params);
  for (int u = 0; u < 2; ++u) {
    require_plain(s.unit_preset[u], 130);
    const auto& list = s.user_presets[u];
    require(list.size() <= 100);
    for (std::size_t i = 0; i < list.size(); ++i) {
      require(!list[i].name.empty());
      require_name(list[i].name);
      require_knobs(list[i].params);
      for (std::size_t j = 0; j < i; ++j) require(list[j].name != list[i].name);
    }
  }
  require_plain(s.output, 256);
  require_plain(s.last_default, 256);
  require_plain(s.language, 8);
  require(s.theme == "dark" || s.theme == "light");
  require(s.vu_mode >= 0 && s.vu_mode <= 2);
  for (int v : {s.win_x, s.win_y, s.win_w, s.win_h, s.mini_x, s.mini_y, s.mini_w, s.mini_h}) {
    require(v >= -100000 && v <= 100000);
  }

  // What was accepted once is written and read back exactly.
  const std::string once = settings::text::serialize(s);
  Settings again;
  settings::text::deserialize(once, &again);
  require(settings::text::serialize(again) == once);

  // The same bytes as a bare name and as a bare parameter line.
  require_name(settings::clean_name(std::string(text)));
  fx::Params p = fx::standard_params();
  if (settings::text::parse_params(text, &p)) require_knobs(p);
  return 0;
}
