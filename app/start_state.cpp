#include "app/start_state.h"

#include <cerrno>
#include <cstdlib>

#include "app/cli.h"
#include "fx/presets.h"
#include "gfx/theme.h"

namespace start_state {
namespace {

// Window sizes beyond this are never kept by the settings file either.
constexpr long kMaxSize = 100000;

// One "%d" field: optional blanks and sign, then digits; false on overflow.
bool read_int(const char** p, long* out) {
  char* end = nullptr;
  errno = 0;
  const long v = std::strtol(*p, &end, 10);
  if (end == *p || errno == ERANGE) return false;
  *p = end;
  *out = v;
  return true;
}

// "<W>x<H>" as "%dx%d" reads it, both numbers greater than 0.
bool parse_size(const std::string& value, int* w, int* h) {
  const char* p = value.c_str();
  long a = 0;
  long b = 0;
  if (!read_int(&p, &a) || *p != 'x') return false;
  ++p;
  if (!read_int(&p, &b)) return false;
  if (a <= 0 || b <= 0 || a > kMaxSize || b > kMaxSize) return false;
  *w = static_cast<int>(a);
  *h = static_cast<int>(b);
  return true;
}

void apply_preset(const std::string& name, Settings* s) {
  if (name == "clean") s->params = fx::clean_params();
  for (int unit = 0; unit < 2; ++unit) {
    for (const std::string& key : {"preset_" + name, "cpreset_" + name}) {
      const int index = fx::find_unit_preset(unit, key);
      if (index < 0) continue;
      s->unit_preset[unit] = "b:" + key;
      fx::apply_unit_preset(unit, index, &s->params);
    }
  }
}

}  // namespace

void apply(const std::vector<std::string>& args, Settings* s) {
  s->active = s->active_on_start && !cli::has(args, "--off");
  if (cli::has(args, "--compact")) s->compact = true;
  if (cli::has(args, "--collapsed")) s->collapsed = true;

  int w = 0;
  int h = 0;
  if (parse_size(cli::arg_value(args, "--size"), &w, &h)) {
    if (s->compact) {
      s->mini_w = w;
      s->mini_h = h;
      s->mini_x = s->mini_y = -1;
    } else {
      s->win_w = w;
      s->win_h = h;
      s->win_x = s->win_y = -1;
    }
  }

  const std::string theme = cli::arg_value(args, "--theme");
  if (theme == "dark" || theme == "light") {
    s->theme = theme;
    theme::set_dark(theme == "dark");
  }

  const std::string preset = cli::arg_value(args, "--preset");
  if (!preset.empty()) apply_preset(preset, s);
}

}  // namespace start_state
