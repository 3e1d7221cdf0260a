// What the composition step draws on top of the static picture each frame:
// needles, tube glow, the gain-reduction column, the compressor's operating
// point and the tinted title letters.
#include <algorithm>
#include <cmath>

#include "fx/params.h"
#include "gfx/theme.h"
#include "settings/settings.h"
#include "ui/ui.h"
#include "ui/ui_state.h"

namespace ui {

using namespace state;

namespace {

constexpr const char* kTitle = "Velmora";
constexpr float kTitleSize = 20;
constexpr unsigned kGlow[5] = {0xFFE8401E, 0xFFFF8A1C, 0xFFFFD25A, 0xFFFFF4C8, 0xFFFFB02E};
constexpr float kGrRangeDb = 24;

TitleView g_title;  // only its letters, offsets and widths

// Position 0.0708 (-20 VU) lies at -50 degrees, 1.0 at +50 degrees.
float needle_angle(float pos) {
  float a = (pos - 0.07079458f) * 100.0f / 0.9292054f - 50.0f;
  return std::clamp(a, -53.0f, 54.0f);
}

bool shown(const gfx::Rect& r) { return r.w > 0; }

void add_needles(LiveView& v, bool compact) {
  const auto& faces = compact ? L.mini_vu : L.vu;
  const float led = compact ? 6 : 10;
  for (int c = 0; c < 2; ++c) {
    const gfx::Rect& f = faces[c];
    if (!shown(f)) continue;
    Needle n;
    n.face = f;
    n.pivot_x = f.x + f.w * 0.5f;
    n.pivot_y = f.y + f.h * 1.25f;
    n.length = 1.12f * f.h;
    n.angle_deg = needle_angle(g_needle[c].pos);
    n.led_lit = g_led[c];
    n.led = {f.x + f.w - (compact ? 11.0f : 20.0f), f.y + (compact ? 5.0f : 9.0f), led, led};
    v.needles.push_back(n);
  }
}

void add_operating_point(LiveView& v) {
  const gfx::Rect& g = L.graph;
  float s = std::min(g_sc_db, 0.0f);
  v.dot = true;
  v.dot_x = g_sc_db > 0 ? g.x + g.w : g.x + g.w * (s + 60) / 60;
  float out = fx::comp_curve_db(S->params, s);
  float f = out < -60 ? 0.0f : out > 6 ? 1.1f : (out + 60) / 60;
  v.dot_y = g.y + g.h - g.h * f;
}

// Byte length of the UTF-8 character starting at s[i].
std::size_t char_len(const std::string& s, std::size_t i) {
  std::size_t n = 1;
  while (i + n < s.size() && (static_cast<unsigned char>(s[i + n]) & 0xC0) == 0x80) ++n;
  return n;
}

}  // namespace

LiveView live_view() {
  LiveView v;
  if (S == nullptr) return v;
  v.compact = S->compact;
  add_needles(v, v.compact);
  const auto& tubes = v.compact ? L.mini_tube : L.tube;
  for (int c = 0; c < 2; ++c) {
    if (!shown(tubes[c])) continue;
    v.tubes.push_back({tubes[c], std::clamp(g_heater, 0.0f, 1.0f), std::clamp(g_glow[c], 0.0f, 1.0f)});
  }
  if (v.compact || S->collapsed) return v;
  if (shown(L.gr_column)) {
    ColumnGeom g = column_geom(L.gr_column.w, L.gr_column.h);
    Column col;
    col.rect = L.gr_column;
    col.lit = static_cast<int>(
        std::lround(std::clamp(g_gr / kGrRangeDb, 0.0f, 1.0f) * g.count));
    col.peak = g_gr_peak > 0.3f
                   ? std::min(static_cast<int>(g_gr_peak / kGrRangeDb * g.count), g.count - 1)
                   : -1;
    v.columns.push_back(col);
  }
  if (S->active && S->params.comp_on && g_live && g_sc_db > -60 && shown(L.graph)) {
    add_operating_point(v);
  }
  return v;
}

TitleView title_view() {
  TitleView t;
  if (S == nullptr || S->compact || !shown(L.title)) return t;
  t.shown = true;
  t.x = L.title.x;
  t.y = L.title.y;
  t.h = L.title.h;
  t.size = kTitleSize;
  // The letters and their widths never change; measured once, as every
  // composed frame asks for them.
  if (g_title.chars.empty()) {
    const std::string title = kTitle;
    // Offsets are relative to the title origin, where composition adds them.
    float x = 0;
    for (std::size_t i = 0; i < title.size();) {
      std::size_t n = char_len(title, i);
      std::string ch = title.substr(i, n);
      float w = std::max(1.0f, gfx::text_width(ch, kTitleSize, true));
      g_title.chars.push_back(ch);
      g_title.offsets.push_back(x);
      g_title.widths.push_back(w);
      x += w;
      i += n;
    }
  }
  t.chars = g_title.chars;
  t.offsets = g_title.offsets;
  t.widths = g_title.widths;
  return t;
}

unsigned title_color(int i, int n, double t) {
  double p = static_cast<double>(i) / std::max(n - 1, 1);
  double v = 2 * p - 0.25 * t;
  double f = (v - std::floor(v)) * 5;
  int k = static_cast<int>(f) % 5;
  unsigned c = theme::mix(kGlow[k], kGlow[(k + 1) % 5], static_cast<float>(f - std::floor(f)));
  if (!theme::dark()) c = theme::mix(c, 0xFF000000, 0.22f);
  return c;
}

}  // namespace ui
