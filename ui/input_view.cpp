// Folding the knob rows and switching between the full window and the
// compact view.
#include <algorithm>
#include <cmath>

#include "platform/platform.h"
#include "settings/settings.h"
#include "ui/input_hit.h"
#include "ui/panels.h"
#include "ui/ui.h"
#include "ui/ui_state.h"

namespace ui {

using namespace state;

namespace {

constexpr int kMiniW = 420;
constexpr int kMinW = 590;
constexpr int kFoldedH = 348, kFoldedMinH = 174;
constexpr int kFullH = 780, kFullMinH = 390;

}  // namespace

void toggle_fold() {
  int w = 0, h = 0;
  platform::window_size(&w, &h);
  const View before = view_for(w, h);
  S->collapsed = !S->collapsed;
  const int ref_h = S->collapsed ? kFoldedH : kFullH;
  platform::resize_window(w, static_cast<int>(std::lround(ref_h * before.zoom)), kMinW,
                          S->collapsed ? kFoldedMinH : kFullMinH);
  changed_and_save_later();
}

void set_compact(bool on) {
  int x = -1, y = -1;
  platform::window_pos(&x, &y);
  int& keep_x = S->compact ? S->mini_x : S->win_x;
  int& keep_y = S->compact ? S->mini_y : S->win_y;
  int& keep_w = S->compact ? S->mini_w : S->win_w;
  int& keep_h = S->compact ? S->mini_h : S->win_h;
  // Without a window position and size read back unchanged.
  if (x >= 0 || y >= 0) {
    keep_x = x;
    keep_y = y;
  }
  platform::window_size(&keep_w, &keep_h);
  // The first compact view sits at the full window's top-right corner.
  if (on && S->mini_x == -1 && S->win_x >= 0) {
    S->mini_x = S->win_x + std::max(0, S->win_w - kMiniW);
    S->mini_y = S->win_y;
  }
  S->compact = on;
  g_hover = 0;
  g_drag = 0;
  if (g_popup.open) close_popup();
  if (g_settings_open) close_settings();
  platform::set_compact(on, S->compact_on_top);
  changed_and_save_later();
}

}  // namespace ui
