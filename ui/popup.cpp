// The popup list shared by the preset, device and language menus: one at a
// time, placed below its anchor when it fits there, otherwise on the side
// with more room, scrolled so that the selected row is the fifth visible one.
#include <algorithm>
#include <utility>

#include "gfx/theme.h"
#include "ui/panels.h"
#include "ui/rack_draw.h"
#include "ui/ui.h"
#include "ui/ui_state.h"

namespace ui {

namespace state {
Popup g_popup;
int g_popup_unit = 0;
}  // namespace state

using namespace state;

namespace {

constexpr float kRowH = 28, kPad = 4, kMarkW = 34, kMaxH = 200, kTextSize = 14;

// Whether the pointer was last seen over the delete-mark column; crossing
// that line changes the picture even when the row stays the same.
bool g_in_mark = false;

bool inside(const gfx::Rect& r, float x, float y) {
  return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
}

// The row index under a point, or -1 outside the popup or its rows.
int row_at(float x, float y) {
  const Popup& p = g_popup;
  if (!inside(p.box, x, y)) return -1;
  const int row = static_cast<int>((y - p.box.y - kPad) / kRowH);  // the top margin is row 0
  if (row >= p.visible) return -1;
  const int index = row + p.scroll;
  return index < static_cast<int>(p.items.size()) ? index : -1;
}

bool flag(const std::vector<bool>& v, int i) {
  return i >= 0 && i < static_cast<int>(v.size()) && v[i];
}

// Box, visible rows and the scroll limit for a window of w x h units.
void place(int wi, int hi) {
  Popup& p = g_popup;
  const float w = static_cast<float>(wi), h = static_cast<float>(hi);
  const int rows = static_cast<int>(p.items.size());
  const gfx::Rect& a = p.anchor;
  const float need = std::min(rows * kRowH + 2 * kPad, kMaxH);
  const float below = h - (a.y + a.h) - 12, above = a.y - 12;
  const bool down = below >= need || below >= above;
  const float space = std::max(0.0f, down ? below : above);
  p.visible = std::max(1, std::min(static_cast<int>((space - 2 * kPad) / kRowH), rows));
  p.scroll = std::clamp(p.scroll, 0, std::max(0, rows - p.visible));
  const float box_h = p.visible * kRowH + 2 * kPad;

  float widest = 0;
  for (int i = 0; i < rows; ++i)
    widest = std::max(widest, gfx::text_width(p.items[i], kTextSize, false) +
                                  (flag(p.deletable, i) ? 70.0f : 40.0f));
  float box_w = std::min(std::max(widest, a.w), std::max(a.w, 380.0f));
  box_w = std::min(box_w, w - 20);
  const float x = std::min(a.x, w - 10 - box_w);
  p.box = {x, down ? a.y + a.h + 4 : a.y - 4 - box_h, box_w, box_h};
}

void delete_mark(float cx, float cy, unsigned colour) {
  gfx::line(cx - 4.5f, cy - 4.5f, cx + 4.5f, cy + 4.5f, colour, 1.6f);
  gfx::line(cx - 4.5f, cy + 4.5f, cx + 4.5f, cy - 4.5f, colour, 1.6f);
}

}  // namespace

void open_popup(gfx::Rect anchor, std::vector<std::string> items, int selected,
                std::function<void(int)> on_choose, std::vector<bool> header,
                std::vector<bool> deletable, std::function<void(int)> on_delete) {
  g_popup = Popup{};
  const std::size_t n = items.size();
  g_popup.anchor = anchor;
  g_popup.items = std::move(items);
  g_popup.selected = selected;
  g_popup.on_choose = std::move(on_choose);
  header.resize(n, false);
  deletable.resize(n, false);
  g_popup.header = std::move(header);
  g_popup.deletable = std::move(deletable);
  g_popup.on_delete = std::move(on_delete);
  g_popup.scroll = std::max(0, selected - 4);
  g_popup.open = true;
  g_in_mark = false;
  g_dirty = true;
}

void close_popup() {
  if (!g_popup.open) return;
  g_popup = Popup{};
  g_dirty = true;
}

bool popup_move(float x, float y) {
  if (!g_popup.open) return false;
  const int row = row_at(x, y);
  const bool in_mark = row >= 0 && x >= g_popup.box.x + g_popup.box.w - kMarkW;
  if (row != g_popup.hovered || in_mark != g_in_mark) g_dirty = true;
  g_popup.hovered = row;
  g_in_mark = in_mark;
  return inside(g_popup.box, x, y);
}

void popup_click(float x, float y) {
  if (!g_popup.open) return;
  g_dirty = true;
  const int index = row_at(x, y);
  if (index < 0) {
    close_popup();
    return;
  }
  if (flag(g_popup.header, index)) return;
  if (flag(g_popup.deletable, index) && x >= g_popup.box.x + g_popup.box.w - kMarkW) {
    // The callback may reopen the menu, which replaces the stored one.
    std::function<void(int)> remove = g_popup.on_delete;
    if (remove) remove(index);
    return;
  }
  std::function<void(int)> choose = std::move(g_popup.on_choose);
  close_popup();
  if (choose) choose(index);
}

void popup_wheel(int direction) {
  if (!g_popup.open) return;
  g_popup.scroll = std::max(0, g_popup.scroll + direction);
  g_dirty = true;
}

void draw_popup(int w, int h) {
  if (!g_popup.open) return;
  place(w, h);
  Popup& p = g_popup;
  const unsigned* C = theme::colors();
  const gfx::Rect b = p.box;
  gfx::fill_round_rect({b.x, b.y + 4, b.w, b.h}, 8, 0x66000000);
  gfx::fill_round_rect_vgrad(b, 8, C[2], C[3]);
  gfx::stroke_round_rect(b, 8, C[4], 1);
  gfx::push_clip(b);
  const int rows = static_cast<int>(p.items.size());
  for (int r = 0; r < p.visible && r + p.scroll < rows; ++r) {
    const int i = r + p.scroll;
    const gfx::Rect row{b.x + 4, b.y + kPad + r * kRowH, b.w - 8, kRowH};
    const bool head = flag(p.header, i), del = flag(p.deletable, i);
    if (head) {
      gfx::text({row.x + 10, row.y, row.w - 20, row.h}, ellipsize(p.items[i], 11.5f, row.w - 20, true),
                11.5f, C[7], gfx::Align::left, true, true);
      continue;
    }
    const bool hot = i == p.hovered, on_mark = hot && del && g_in_mark;
    if (i == p.selected) gfx::fill_round_rect(row, 5, C[10]);
    if (hot && !on_mark) gfx::fill_round_rect(row, 5, C[17]);
    const float text_w = row.w - (del ? 54.0f : 24.0f);
    gfx::text({row.x + 14, row.y, text_w, row.h}, ellipsize(p.items[i], kTextSize, text_w, false),
              kTextSize, i == p.selected || hot ? C[8] : C[6], gfx::Align::left, false, true);
    if (del) {
      const gfx::Rect mark{b.x + b.w - kMarkW, row.y, kMarkW, kRowH};
      if (on_mark) gfx::fill_round_rect({mark.x + 3, mark.y + 3, mark.w - 10, mark.h - 6}, 5,
                                        theme::with_alpha(C[26], 0.2f));
      delete_mark(mark.x + mark.w / 2 - 2, mark.y + mark.h / 2, on_mark ? C[26] : C[7]);
    }
  }
  gfx::pop_clip();
  if (p.scroll > 0)
    gfx::fill_triangle(b.x + b.w / 2 - 5, b.y + 5, b.x + b.w / 2 + 5, b.y + 5, b.x + b.w / 2, b.y + 1,
                       C[7]);
  if (p.scroll + p.visible < rows)
    gfx::fill_triangle(b.x + b.w / 2 - 5, b.y + b.h - 5, b.x + b.w / 2 + 5, b.y + b.h - 5,
                       b.x + b.w / 2, b.y + b.h - 1, C[7]);
}

// Without a size the popup is placed in the current view's reference frame,
// which the window keeps to its aspect ratio.
void draw_popup() {
  int w = 0, h = 0;
  reference_size(&w, &h);
  draw_popup(w, h);
}

}  // namespace ui
