// The user interface's shared state: one definition of everything the
// drawing, input and frame files read and write.
#include <cmath>

#include "platform/platform.h"
#include "ui/ui_state.h"

namespace ui {
namespace state {

Settings* S = nullptr;
Layout L;
float g_px = 1.0f;
bool g_dirty = true;
int g_hover = 0;
int g_drag = 0;
audio::Status g_status;
bool g_live = false;
float g_heater = 0;
std::array<float, 2> g_glow{};
float g_gr = 0, g_gr_peak = 0;
float g_sc_db = -120.0f;
bool g_lim_lit = false;
std::string g_crash_report;

bool g_autostart = false;
std::uint64_t g_last_frame = 0;
std::uint64_t g_save_at = 0;
std::array<NeedleMotion, 2> g_needle{};
std::array<bool, 2> g_led{};
std::array<std::uint64_t, 2> g_led_until{};
float g_gr_hold = 0;
std::int64_t g_lim_seen = 0;
std::uint64_t g_lim_until = 0;
Glide g_glide;
bool g_caret_on = true;
bool g_caret_blinks = false;

void save_later() { g_save_at = platform::ticks_ms() + 1200; }

void changed_and_save_later() {
  g_dirty = true;
  save_later();
}

}  // namespace state

float snap(float v) { return std::round(v * state::g_px) / state::g_px; }

}  // namespace ui
