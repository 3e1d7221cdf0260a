#pragma once
// Functions of the SDL library and of X11 that may be missing at run time:
// looked up once, skipped silently when absent. Main thread only.
#include <SDL.h>

namespace platform {

// Keeps the window above others; no effect when SDL lacks the function.
void set_always_on_top(SDL_Window* win, bool on);

// Asks an X11 window manager to keep w:h while the user resizes. No effect on
// other window systems or when libX11 cannot be loaded.
void x11_aspect_hint(SDL_Window* win, int w, int h);

}  // namespace platform
