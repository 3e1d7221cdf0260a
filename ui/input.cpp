// Pointer and keyboard input. The window dispatches every event here; the
// controls do not respond yet. The compact view's window has no frame, so
// its free area already tells the window system that it moves the window.
#include "settings/settings.h"
#include "ui/ui.h"
#include "ui/ui_state.h"

namespace ui {

using namespace state;

namespace {

bool inside(const gfx::Rect& r, float x, float y) {
  return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;
}

}  // namespace

// The compact view's buttons show a hand; the rest of it moves the window.
int cursor_at(float x, float y) {
  if (S == nullptr || !S->compact) return 0;
  for (const gfx::Rect* b : {&L.mini_quit, &L.mini_expand, &L.mini_mute, &L.mini_power})
    if (inside(*b, x, y)) return 1;
  return inside(L.mini_drag, x, y) ? 2 : 0;
}

void on_mouse_move(float, float) {}
void on_mouse_down(float, float) {}
void on_double_click(float, float) {}
void on_mouse_up() {}
void on_mouse_leave() {}
void on_wheel(float, float, int) {}
void on_text(const std::string&) {}
void on_key(Key) {}

}  // namespace ui
