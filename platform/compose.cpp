// Every presented frame is a few dozen texture copies: the animated pieces are
// painted with cairo once per size, scale and theme and then only tinted,
// blended and rotated by the renderer.
#include "platform/compose.h"

#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

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

// One animated piece as last drawn: its box in device pixels and the state it
// showed. On a renderer that keeps the last picture, only the boxes of pieces
// whose state or box changed are drawn again, with the base beneath them.
struct Piece {
  SDL_Rect box{};
  float state[3] = {};
};
std::vector<Piece> g_scene;
std::vector<Piece> g_last_scene;
bool g_have_last = false;
int g_last_w = 0, g_last_h = 0;
double g_last_k = 0;
// The area being drawn again; null while the whole target is drawn.
const SDL_Rect* g_region = nullptr;

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
    if (g_t.straight) unpremultiply(cairo_image_surface_get_data(s), pw, ph,
                                    cairo_image_surface_get_stride(s));
    SDL_UpdateTexture(tex, nullptr, cairo_image_surface_get_data(s),
                      cairo_image_surface_get_stride(s));
    SDL_SetTextureBlendMode(tex, g_t.premul);
    g_cache.emplace(k, tex);
  }
  cairo_surface_destroy(s);
  return tex;
}

// Whole device pixels around a logical rectangle, with one to spare for the
// smoothed edges.
SDL_Rect box_of(float x, float y, float w, float h) {
  const double k = g_t.k;
  const int x0 = static_cast<int>(std::floor(x * k)) - 1;
  const int y0 = static_cast<int>(std::floor(y * k)) - 1;
  const int x1 = static_cast<int>(std::ceil((x + w) * k)) + 1;
  const int y1 = static_cast<int>(std::ceil((y + h) * k)) + 1;
  return {x0, y0, x1 - x0, y1 - y0};
}

bool wanted(const SDL_Rect& box) {
  return g_region == nullptr || SDL_HasIntersection(&box, g_region) == SDL_TRUE;
}

// Clips to r within the area being drawn; false when nothing of r is in it.
bool clip_to(const SDL_Rect& r) {
  SDL_Rect c = r;
  if (g_region != nullptr && SDL_IntersectRect(&r, g_region, &c) != SDL_TRUE) return false;
  SDL_RenderSetClipRect(g_t.ren, &c);
  return true;
}

void unclip() { SDL_RenderSetClipRect(g_t.ren, g_region); }

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
  if (!clip_to(c)) return;
  const SDL_FRect dst = scaled(pivot_x - w / 2, pivot_y - h, w, h);
  const float k = static_cast<float>(g_t.k);
  const SDL_FPoint centre{w / 2 * k, h * k};
  SDL_RenderCopyExF(g_t.ren, tex, nullptr, &dst, angle, &centre, SDL_FLIP_NONE);
  unclip();
}

SDL_Rect needle_box(const ui::Needle& n) {
  const SDL_Rect face = box_of(n.face.x, n.face.y, n.face.w, n.face.h);
  const SDL_Rect led = box_of(n.led.x - n.led.w / 2, n.led.y - n.led.h / 2, n.led.w * 2,
                              n.led.h * 2);
  SDL_Rect both;
  SDL_UnionRect(&face, &led, &both);
  return both;
}

SDL_Rect column_box(const ui::Column& col, ui::ColumnGeom* g) {
  *g = ui::column_geom(col.rect.w, col.rect.h);
  return box_of(col.rect.x, col.rect.y, g->w, g->count * g->pitch);
}

SDL_Rect glyph_box(const ui::TitleView& tv, int i) {
  return box_of(tv.x + tv.offsets[i], tv.y, tv.widths[i] + 8, tv.h);
}

int title_count(const ui::TitleView& tv) {
  if (!tv.shown) return 0;
  return static_cast<int>(
      std::min({tv.chars.size(), tv.offsets.size(), tv.widths.size()}));
}

// Every piece of this frame, in a fixed order for a given view (the dot has
// its place even when it is not shown).
void build_scene(const ui::LiveView& lv, const ui::TitleView& tv, double t_s) {
  g_scene.clear();
  for (const ui::Tube& tube : lv.tubes) {
    const TubeTints tint = tube_tints(tube.heater, tube.glow);
    const gfx::Rect& r = tube.rect;
    g_scene.push_back({box_of(r.x, r.y, r.w, r.h),
                       {static_cast<float>(tint.heat), static_cast<float>(tint.core),
                        static_cast<float>(tint.glow)}});
  }
  Piece dot;
  if (lv.dot) {
    dot.box = box_of(lv.dot_x - kDotSize / 2, lv.dot_y - kDotSize / 2, kDotSize, kDotSize);
    dot.state[0] = 1;
    dot.state[1] = lv.dot_x;
    dot.state[2] = lv.dot_y;
  }
  g_scene.push_back(dot);
  for (const ui::Column& col : lv.columns) {
    ui::ColumnGeom g;
    g_scene.push_back(
        {column_box(col, &g), {static_cast<float>(col.lit), static_cast<float>(col.peak), 0}});
  }
  for (const ui::Needle& n : lv.needles) {
    g_scene.push_back({needle_box(n), {n.angle_deg, n.led_lit ? 1.0f : 0.0f, 0}});
  }
  const int n = title_count(tv);
  for (int i = 0; i < n; ++i) {
    // Colour without alpha: exact in a float.
    const unsigned rgb = ui::title_color(i, n, t_s) & 0xFFFFFFu;
    g_scene.push_back({glyph_box(tv, i), {static_cast<float>(rgb), 0, 0}});
  }
}

bool same_piece(const Piece& a, const Piece& b) {
  return SDL_RectEquals(&a.box, &b.box) == SDL_TRUE && a.state[0] == b.state[0] &&
         a.state[1] == b.state[1] && a.state[2] == b.state[2];
}

// The areas to draw again, each the old and the new box of a changed piece
// together, within the target.
std::vector<SDL_Rect> changed_areas(int w, int h) {
  std::vector<SDL_Rect> areas;
  const SDL_Rect all{0, 0, w, h};
  for (std::size_t i = 0; i < g_scene.size(); ++i) {
    const Piece& now = g_scene[i];
    const Piece& before = g_last_scene[i];
    if (same_piece(now, before)) continue;
    SDL_Rect both;
    SDL_UnionRect(&now.box, &before.box, &both);
    SDL_Rect area;
    if (SDL_IntersectRect(&both, &all, &area) != SDL_TRUE) continue;
    // Overlapping areas (neighbouring title letters) are drawn as one.
    for (std::size_t j = 0; j < areas.size();) {
      if (SDL_HasIntersection(&areas[j], &area) == SDL_TRUE) {
        SDL_UnionRect(&areas[j], &area, &area);
        areas.erase(areas.begin() + static_cast<std::ptrdiff_t>(j));
        j = 0;
      } else {
        ++j;
      }
    }
    areas.push_back(area);
  }
  return areas;
}

void draw_tubes(const ui::LiveView& lv) {
  for (const ui::Tube& tube : lv.tubes) {
    const gfx::Rect& r = tube.rect;
    if (r.w <= 0 || r.h <= 0 || !wanted(box_of(r.x, r.y, r.w, r.h))) continue;
    const TubeTints tint = tube_tints(tube.heater, tube.glow);
    const SDL_FRect dst = scaled(r.x, r.y, r.w, r.h);
    // Painted when first seen lit: a cold start shows its first picture sooner.
    SDL_Texture* heat = tint.heat > 0 || tint.core > 0
                            ? fetch(key("heat", 0, r.w, r.h), r.w, r.h, ui::paint_tube_heater)
                            : nullptr;
    SDL_Texture* glow =
        tint.glow > 0 ? fetch(key("glow", 0, r.w, r.h), r.w, r.h, ui::paint_tube_glow) : nullptr;
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
  if (!lv.dot ||
      !wanted(box_of(lv.dot_x - kDotSize / 2, lv.dot_y - kDotSize / 2, kDotSize, kDotSize))) {
    return;
  }
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
    ui::ColumnGeom g;
    if (!wanted(column_box(col, &g))) continue;
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
    if (!wanted(needle_box(n))) continue;
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

void draw_title(const ui::TitleView& tv, double t) {
  const int n = title_count(tv);
  for (int i = 0; i < n; ++i) {
    if (!wanted(glyph_box(tv, i))) continue;
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

void draw_pieces(const ui::LiveView& lv, const ui::TitleView& tv, double t_s) {
  draw_tubes(lv);
  draw_dot(lv);
  draw_columns(lv);
  draw_needles(lv);
  draw_title(tv, t_s);
}

// Draws the changed areas again over the picture the renderer kept and shows
// only those; false when that cannot be done and the whole frame must be drawn.
bool compose_changes(const ui::LiveView& lv, const ui::TitleView& tv, double t_s, int w, int h) {
  if (!g_t.keeps_picture || g_t.full || g_t.base == nullptr || !g_have_last ||
      g_last_w != w || g_last_h != h || g_last_k != g_t.k ||
      g_last_scene.size() != g_scene.size()) {
    return false;
  }
  const std::vector<SDL_Rect> areas = changed_areas(w, h);
  for (const SDL_Rect& area : areas) {
    g_region = &area;
    SDL_RenderSetClipRect(g_t.ren, &area);
    SDL_RenderCopy(g_t.ren, g_t.base, &area, &area);
    draw_pieces(lv, tv, t_s);
    if (g_t.overlay != nullptr) SDL_RenderCopy(g_t.ren, g_t.overlay, &area, &area);
  }
  g_region = nullptr;
  SDL_RenderSetClipRect(g_t.ren, nullptr);
  if (areas.empty()) return true;
  SDL_RenderFlush(g_t.ren);
  SDL_Window* win = SDL_RenderGetWindow(g_t.ren);
  return win != nullptr &&
         SDL_UpdateWindowSurfaceRects(win, areas.data(), static_cast<int>(areas.size())) == 0;
}

}  // namespace

void compose(const Target& t) {
  g_t = t;
  int w = 0, h = 0;
  SDL_GetRendererOutputSize(t.ren, &w, &h);
  const ui::LiveView lv = ui::live_view();
  const ui::TitleView tv = ui::title_view();
  const double t_s = static_cast<double>(platform::ticks_ms()) / 1000.0;
  build_scene(lv, tv, t_s);
  if (!compose_changes(lv, tv, t_s, w, h)) {
    // The opaque base covers the clearing; a software renderer saves the fill.
    if (t.base == nullptr || !t.keeps_picture) {
      SDL_SetRenderDrawColor(t.ren, 0, 0, 0, 255);
      SDL_RenderClear(t.ren);
    }
    if (t.base != nullptr) SDL_RenderCopy(t.ren, t.base, nullptr, nullptr);
    draw_pieces(lv, tv, t_s);
    if (t.overlay != nullptr) SDL_RenderCopy(t.ren, t.overlay, nullptr, nullptr);
    SDL_RenderPresent(t.ren);
  }
  g_last_scene.swap(g_scene);
  g_have_last = true;
  g_last_w = w;
  g_last_h = h;
  g_last_k = t.k;
}

void clear_cache() {
  for (auto& entry : g_cache) SDL_DestroyTexture(entry.second);
  g_cache.clear();
  g_have_last = false;
}

int cache_size() { return static_cast<int>(g_cache.size()); }

void unpremultiply(unsigned char* data, int w, int h, int stride) {
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < w; ++x) {
      const std::uint32_t p = row[x];
      const std::uint32_t a = p >> 24;
      if (a == 0 || a == 255) continue;
      auto ch = [&](int shift) {
        const std::uint32_t c = (p >> shift) & 0xFF;
        return std::min<std::uint32_t>(255, (c * 255 + a / 2) / a) << shift;
      };
      row[x] = (a << 24) | ch(16) | ch(8) | ch(0);
    }
  }
}

}  // namespace platform
