// Pointer and keyboard input. The window dispatches every event here; the
// controls do not respond yet.
#include "ui/ui.h"

namespace ui {

int cursor_at(float, float) { return 0; }
void on_mouse_move(float, float) {}
void on_mouse_down(float, float) {}
void on_double_click(float, float) {}
void on_mouse_up() {}
void on_mouse_leave() {}
void on_wheel(float, float, int) {}
void on_text(const std::string&) {}
void on_key(Key) {}

}  // namespace ui
