// Every presented frame is a few dozen texture copies: the animated pieces are
// painted with cairo once per size, scale and theme and then only tinted,
// blended and rotated by the renderer.
#include "platform/compose.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>

#include "gfx/gfx.h"
#include "gfx/theme.h"
#include "platform/platform.h"
#include "ui/ui.h"

namespace platform {
namespace {

// Bounds the memory held by textures of sizes that no longer occur.
constexpr std::size_t kCacheMax = 160;
// A fixed size for the operating-point dot on the compressor graph.
constexpr float kDotSize = 18.0f;

std::map<std::string, SDL_Texture*> g_cache;
Target g_t;

std::string key(const char* name, int variant, float w, float h) {
  char buf[160];
  std::snprintf(buf, sizeof buf, "%s-%d-%.1fx%.1f-%d-%.4f-%d", name, variant, w, h,
                theme::dark() ? 1 : 0, g_t.k, 0);
  return buf;
}

int px(double v) { return static_cast<int>(std::lround(v * g_t.k)); }

// The cached texture for `k`, painted by paint(w, h) on a miss; null when it
// cannot be made (the piece is then skipped this frame).
template <typename Paint>
SDL_Texture* fetch(const std::string& k, float w, float h, Paint paint) {
  auto it = g_cache.find(k);
  if (it != g_cache.end()) return it->second;
  if (g_cache.size() > kCacheMax) clear_cache();
  const int pw = std::max(1, px(w));
  const int ph = std::max(1, px(h));
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, pw, ph);
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(s);
    return nullptr;
  }
  cairo_surface_set_device_scale(s, g_t.k, g_t.k);
  cairo_t* cr = cairo_create(s);
  gfx::set_context(cr);
  paint(w, h);
  gfx::set_context(nullptr);
  cairo_destroy(cr);
  cairo_surface_flush(s);
  SDL_Texture* tex =
      SDL_CreateTexture(g_t.ren, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, pw, ph);
  if (tex != nullptr) {
    SDL_UpdateTexture(tex, nullptr, cairo_image_surface_get_data(s),
                      cairo_image_surface_get_stride(s));
    SDL_SetTextureBlendMode(tex, g_t.premul);
    g_cache.emplace(k, tex);
  }
  cairo_surface_destroy(s);
  return tex;
}

SDL_FRect scaled(float x, float y, float w, float h) {
  const float k = static_cast<float>(g_t.k);
  return {x * k, y * k, w * k, h * k};
}

void tinted(SDL_Texture* tex, int v, const SDL_FRect& dst) {
  SDL_SetTextureColorMod(tex, v, v, v);
  SDL_RenderCopyF(g_t.ren, tex, nullptr, &dst);
}

// The band (0, src_y, w, h) of a texture to (x, y + src_y), whole device pixels.
void copy_part(SDL_Texture* tex, float src_y, float w, float h, float x, float y) {
  const SDL_Rect src{0, px(src_y), px(w), px(h)};
  const SDL_Rect dst{px(x), px(y + src_y), px(w), px(h)};
  SDL_RenderCopy(g_t.ren, tex, &src, &dst);
}

// Drawn pointing up from (pivot_x, pivot_y), turned clockwise about its bottom
// centre, clipped to `clip`.
void copy_rotated(SDL_Texture* tex, float w, float h, float pivot_x, float pivot_y,
                  float angle, gfx::Rect clip) {
  const SDL_Rect c{px(clip.x), px(clip.y), px(clip.w), px(clip.h)};
  SDL_RenderSetClipRect(g_t.ren, &c);
  const SDL_FRect dst = scaled(pivot_x - w / 2, pivot_y - h, w, h);
  const float k = static_cast<float>(g_t.k);
  const SDL_FPoint centre{w / 2 * k, h * k};
  SDL_RenderCopyExF(g_t.ren, tex, nullptr, &dst, angle, &centre, SDL_FLIP_NONE);
  SDL_RenderSetClipRect(g_t.ren, nullptr);
}

void draw_tubes(const ui::LiveView& lv) {
  for (const ui::Tube& tube : lv.tubes) {
    const gfx::Rect& r = tube.rect;
    if (r.w <= 0 || r.h <= 0) continue;
    const TubeTints tint = tube_tints(tube.heater, tube.glow);
    const SDL_FRect dst = scaled(r.x, r.y, r.w, r.h);
    SDL_Texture* heat = fetch(key("heat", 0, r.w, r.h), r.w, r.h, ui::paint_tube_heater);
    SDL_Texture* glow = fetch(key("glow", 0, r.w, r.h), r.w, r.h, ui::paint_tube_glow);
    if (heat != nullptr) {
      SDL_SetTextureBlendMode(heat, g_t.add);
      if (tint.heat > 0) tinted(heat, tint.heat, dst);
      if (tint.core > 0) tinted(heat, tint.core, dst);
    }
    if (glow != nullptr) {
      SDL_SetTextureBlendMode(glow, g_t.add);
      if (tint.glow > 0) tinted(glow, tint.glow, dst);
    }
  }
}

void draw_dot(const ui::LiveView& lv) {
  if (!lv.dot) return;
  SDL_Texture* dot = fetch(key("dot", 0, kDotSize, kDotSize), kDotSize, kDotSize,
                           [](float w, float) { ui::paint_dot(w); });
  if (dot == nullptr) return;
  SDL_SetTextureBlendMode(dot, g_t.add);
  const SDL_FRect dst =
      scaled(lv.dot_x - kDotSize / 2, lv.dot_y - kDotSize / 2, kDotSize, kDotSize);
  SDL_RenderCopyF(g_t.ren, dot, nullptr, &dst);
}

void draw_columns(const ui::LiveView& lv) {
  for (const ui::Column& col : lv.columns) {
    const gfx::Rect& r = col.rect;
    if (r.w <= 0 || r.h <= 0) continue;
    const ui::ColumnGeom g = ui::column_geom(r.w, r.h);
    const float h = g.count * g.pitch;
    SDL_Texture* tex[3] = {};
    for (int mode = 0; mode < 3; ++mode) {
      tex[mode] = fetch(key("grcol", mode, g.w, h), g.w, h,
                        [mode](float w, float hh) { ui::paint_column(mode, w, hh); });
    }
    if (tex[0] != nullptr) copy_part(tex[0], 0, g.w, h, r.x, r.y);
    const int lit = std::min(col.lit, g.count);
    if (tex[1] != nullptr && lit > 0) copy_part(tex[1], 0, g.w, lit * g.pitch, r.x, r.y);
    if (tex[2] != nullptr && col.peak >= 0) {
      copy_part(tex[2], col.peak * g.pitch, g.w, g.pitch, r.x, r.y);
    }
  }
}

void draw_needles(const ui::LiveView& lv) {
  const float w = lv.compact ? 4.0f : 6.0f;
  const float shadow_off = lv.compact ? 1.5f : 3.0f;
  for (const ui::Needle& n : lv.needles) {
    const float h = n.length;
    SDL_Texture* sh = fetch(key("needle-sh", 0, w, h), w, h,
                            [](float ww, float hh) { ui::paint_needle(ww, hh, true); });
    SDL_Texture* nd = fetch(key("needle", 0, w, h), w, h,
                            [](float ww, float hh) { ui::paint_needle(ww, hh, false); });
    if (sh != nullptr) {
      copy_rotated(sh, w, h, n.pivot_x + shadow_off, n.pivot_y + shadow_off, n.angle_deg,
                   n.face);
    }
    if (nd != nullptr) copy_rotated(nd, w, h, n.pivot_x, n.pivot_y, n.angle_deg, n.face);
    if (!n.led_lit) continue;
    const float s = n.led.w * 2;
    SDL_Texture* led = fetch(key("led", 0, s, s), s, s, [](float ww, float) { ui::paint_led(ww); });
    if (led == nullptr) continue;
    const SDL_FRect dst = scaled(n.led.x - n.led.w / 2, n.led.y - n.led.h / 2, s, n.led.h * 2);
    SDL_RenderCopyF(g_t.ren, led, nullptr, &dst);
  }
}

void draw_title() {
  const ui::TitleView tv = ui::title_view();
  if (!tv.shown) return;
  const double t = static_cast<double>(platform::ticks_ms()) / 1000.0;
  const int n = static_cast<int>(tv.chars.size());
  for (int i = 0; i < n && i < static_cast<int>(tv.offsets.size()) &&
                  i < static_cast<int>(tv.widths.size());
       ++i) {
    const std::string& ch = tv.chars[i];
    const float w = tv.widths[i] + 8;
    const float size = tv.size;
    SDL_Texture* g = fetch(key(("glyph-" + ch).c_str(), 0, w, tv.h), w, tv.h,
                           [&ch, size](float ww, float hh) { ui::paint_glyph(ch, size, ww - 8, hh); });
    if (g == nullptr) continue;
    const unsigned c = ui::title_color(i, n, t);
    SDL_SetTextureColorMod(g, (c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF);
    const SDL_FRect dst = scaled(tv.x + tv.offsets[i], tv.y, w, tv.h);
    SDL_RenderCopyF(g_t.ren, g, nullptr, &dst);
  }
}

}  // namespace

void compose(const Target& t) {
  g_t = t;
  SDL_SetRenderDrawColor(t.ren, 0, 0, 0, 255);
  SDL_RenderClear(t.ren);
  if (t.base != nullptr) SDL_RenderCopy(t.ren, t.base, nullptr, nullptr);
  const ui::LiveView lv = ui::live_view();
  draw_tubes(lv);
  draw_dot(lv);
  draw_columns(lv);
  draw_needles(lv);
  draw_title();
  if (t.overlay != nullptr) SDL_RenderCopy(t.ren, t.overlay, nullptr, nullptr);
  SDL_RenderPresent(t.ren);
}

void clear_cache() {
  for (auto& entry : g_cache) SDL_DestroyTexture(entry.second);
  g_cache.clear();
}

int cache_size() { return static_cast<int>(g_cache.size()); }

}  // namespace platform
