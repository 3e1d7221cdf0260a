#pragma once
// Services of the window and the desktop that the user interface calls back.
// Main thread only.
#include <cstdint>
#include <string>

struct Settings;

// Runs the window until the user quits. 0 after a normal end, 1 when SDL, the
// window, the renderer or the text system cannot be started.
int run_gui(Settings* s);

namespace platform {

// 64-bit milliseconds built from SDL's 32-bit tick counter (wraps are carried).
std::uint64_t ticks_ms();
// The same carry rule on a given 32-bit reading, for the clock above.
std::uint64_t extend_ticks(std::uint32_t reading);
void set_compact(bool compact, bool on_top);
void window_pos(int* x, int* y);
void window_size(int* w, int* h);
void resize_window(int w, int h, int min_w, int min_h);
void quit();
bool open_uri(const std::string& uri);

}  // namespace platform
