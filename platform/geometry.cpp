#include "platform/geometry.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace platform {
namespace {

constexpr int kFullW = 1180;
constexpr int kFullH = 780;
constexpr int kFoldedH = 348;
constexpr int kMiniW = 420;
constexpr int kMiniH = 132;
// What the desktop's panels and the window frame are allowed to take.
constexpr int kMarginW = 20;
constexpr int kMarginH = 60;
// Narrower windows are compact views and go to a corner, not the centre.
constexpr int kCornerBelowW = 600;
constexpr int kCornerGap = 24;

bool contains(const Box& b, int x, int y) {
  return x >= b.x && x < b.x + b.w && y >= b.y && y < b.y + b.h;
}

// floor() that does not lose a whole pixel to a product like 780 * (900/780).
int floor_px(double v) { return static_cast<int>(std::floor(v + 1e-9)); }

}  // namespace

ModeSize mode_size(bool compact, bool collapsed, int saved_w, int saved_h, const Box* usable) {
  const int ref_w = compact ? kMiniW : kFullW;
  const int ref_h = compact ? kMiniH : (collapsed ? kFoldedH : kFullH);
  double w = saved_w;
  double h = saved_h;
  const bool saved_ok =
      compact ? (saved_w >= kMiniW && saved_h >= kMiniH) : (saved_w >= 590 && saved_h >= 120);
  if (!saved_ok) {
    w = ref_w;
    h = ref_h;
  }
  if (usable != nullptr && usable->w > 0) {
    w = std::min(w, double(usable->w - kMarginW));
    h = std::min(h, double(usable->h - kMarginH));
  }
  const double s = std::min(w / ref_w, h / ref_h);
  ModeSize m;
  m.w = static_cast<int>(std::lround(ref_w * s));
  m.h = static_cast<int>(std::lround(ref_h * s));
  m.min_w = compact ? kMiniW : 590;
  m.min_h = compact ? kMiniH : ref_h / 2;
  return m;
}

Point place_window(int x, int y, int w, int h, const std::vector<Box>& displays,
                   const Box& primary) {
  if (x != -1 && y != -1) {
    for (const Box& b : displays) {
      if (contains(b, x + w / 2, y + 10)) return {x, y};
    }
  }
  if (w < kCornerBelowW) {
    return {primary.x + primary.w - w - kCornerGap, primary.y + primary.h - h - kCornerGap};
  }
  return {primary.x + (primary.w - w) / 2, primary.y + (primary.h - h) / 2};
}

Size aspect_size(const AspectInput& in) {
  const double aw = in.ref_w;
  const double ah = in.ref_h;
  Size out{in.w, in.h};
  const double dw = std::abs(in.w - in.last_w) / aw;
  const double dh = std::abs(in.h - in.last_h) / ah;
  if (dw < dh) {
    out.w = static_cast<int>(std::lround(in.h * aw / ah));
  } else {
    out.h = static_cast<int>(std::lround(in.w * ah / aw));
  }
  if (out.w < in.min_w || out.h < in.min_h) {
    const double s = std::max(in.min_h / ah, in.min_w / aw);
    out = {static_cast<int>(std::lround(aw * s)), static_cast<int>(std::lround(s * ah))};
  }
  const Box* b = in.usable;
  if (b != nullptr && b->w > 0 && (out.w > b->w || out.h > b->h)) {
    const double s = std::min(b->w / aw, b->h / ah);
    out = {floor_px(aw * s), floor_px(ah * s)};
  }
  return out;
}

bool worth_resizing(Size now, Size wanted) {
  return std::abs(now.w - wanted.w) >= 2 || std::abs(now.h - wanted.h) >= 2;
}

Edge edge_at(int x, int y, int w, int h) {
  if ((y <= 9 && x <= 17) || (x <= 9 && y <= 17)) return Edge::top_left;
  if ((y <= 9 && x >= w - 18) || (x >= w - 10 && y <= 17)) return Edge::top_right;
  if ((y >= h - 10 && x <= 17) || (x <= 9 && y >= h - 18)) return Edge::bottom_left;
  if ((y >= h - 10 && x >= w - 18) || (x >= w - 10 && y >= h - 18)) return Edge::bottom_right;
  if (y <= 9) return Edge::top;
  if (y >= h - 10) return Edge::bottom;
  if (x <= 9) return Edge::left;
  if (x >= w - 10) return Edge::right;
  return Edge::none;
}

int wheel_direction(int amount) {
  if (amount > 0) return -1;
  if (amount < 0) return 1;
  return 0;
}

}  // namespace platform
