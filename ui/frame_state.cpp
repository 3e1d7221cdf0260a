// The model between frames: views and zoom, the frame step that animates the
// meters, tubes and preset glides, the engine status cache that decides when
// the static picture is redrawn, and the deferred saving of the settings.
#include <algorithm>
#include <cmath>

#include "audio/audio.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include "ui/panels.h"
#include "ui/ui.h"
#include "ui/ui_state.h"

namespace ui {

using namespace state;

namespace {

constexpr int kRefW = 1180, kRefH = 780, kRefFoldedH = 348;
constexpr int kMiniW = 420, kMiniH = 132;
constexpr std::uint64_t kSaveDelayMs = 1200;
constexpr float kGlideStaggerMs = 22, kGlideKnobMs = 560;
// Reference level of the VU scale: a sine at -18 dBFS reads 0 VU, drawn at 0.708.
constexpr float kVuMeanRef = 0.11340108f;
constexpr float kVuZero = 0.70794576f;
constexpr float kPeakLed = 0.891f;
constexpr std::uint64_t kLedHoldMs = 350, kLimiterLitMs = 500;
constexpr float kNeedleFloor = -0.03f, kNeedleCeiling = 1.1f;

bool status_differs(const audio::Status& a, const audio::Status& b) {
  return a.state != b.state || a.routed != b.routed ||
         a.output_description != b.output_description || a.output_missing != b.output_missing ||
         a.muted != b.muted || a.select_output != b.select_output || a.chained != b.chained ||
         a.setup_needed != b.setup_needed;
}

// Knob values of a running glide; true while any knob is still travelling.
bool glide_knobs(std::uint64_t now_ms) {
  float e = static_cast<float>(now_ms - std::min(now_ms, g_glide.start_ms));
  bool running = false;
  for (int i = 0; i < fx::kKnobs; ++i) {
    float t = (e - kGlideStaggerMs * i) / kGlideKnobMs;
    float f = 1;
    if (t < 0) {
      f = 0;
      running = true;
    } else if (t <= 1) {
      // Cubic ease-out that overshoots by about 5 % before settling.
      float u = t - 1;
      f = (2.2f * u + 1.2f) * u * u + 1;
      if (t < 1) running = true;
    }
    float from = g_glide.from[i], to = g_glide.target.knob[i];
    S->params.knob[i] = std::clamp(from + (to - from) * f, 0.0f, 1.0f);
  }
  return running;
}

void step_glide(std::uint64_t now_ms) {
  if (!glide_knobs(now_ms)) {
    S->params = g_glide.target;
    g_glide.active = false;
    g_save_at = now_ms + kSaveDelayMs;
  }
  audio::set_params(S->params);
  g_dirty = true;
}

float needle_target(int c, const fx::Meters& m, bool routed, bool* fires) {
  *fires = false;
  if (!m.fresh) return (S->vu_mode == 2 && routed) ? kVuZero : 0.0f;
  float target = 0;
  if (S->vu_mode == 0) {
    target = (c == 0 ? m.in_mean_l : m.in_mean_r) / kVuMeanRef * kVuZero;
    *fires = (c == 0 ? m.in_peak_l : m.in_peak_r) >= kPeakLed;
  } else if (S->vu_mode == 1) {
    target = (c == 0 ? m.out_mean_l : m.out_mean_r) / kVuMeanRef * kVuZero;
    *fires = (c == 0 ? m.out_peak_l : m.out_peak_r) >= kPeakLed || g_lim_lit;
  } else {
    target = kVuZero * std::pow(10.0f, -m.gain_reduction_db / 20.0f);
    *fires = g_lim_lit;
  }
  return std::min(target, 1.2f);
}

// Damped spring in steps of at most 2 ms, with a soft floor and a bouncing ceiling.
void move_needle(NeedleMotion& n, float target, float dt) {
  int steps = std::max(1, static_cast<int>(dt / 0.002f));
  float h = dt / steps;
  for (int i = 0; i < steps; ++i) {
    n.vel += ((target - n.pos) * 225.0f - n.vel * 24.0f) * h;
    n.pos += h * n.vel;
    if (n.pos < kNeedleFloor) {
      n.pos = kNeedleFloor;
      n.vel = n.vel > 0 ? 0.3f * n.vel : 0.0f;
    }
    if (n.pos > kNeedleCeiling) {
      n.pos = kNeedleCeiling;
      n.vel = -0.25f * std::fabs(n.vel);
    }
  }
}

void step_gain_reduction(float input, float dt) {
  if (input > g_gr) {
    g_gr = input;
  } else {
    g_gr += (input - g_gr) * std::min(1.0f, 8 * dt);
  }
  if (input >= g_gr_peak) {
    g_gr_peak = input;
    g_gr_hold = 0.8f;
  } else {
    g_gr_hold -= dt;
    if (g_gr_hold <= 0) g_gr_peak = std::max(0.0f, g_gr_peak - 12 * dt);
  }
}

}  // namespace

namespace state {

void start_glide(const fx::Params& target) { start_glide_at(target, platform::ticks_ms()); }

void start_glide_at(const fx::Params& target, std::uint64_t now_ms) {
  if (S == nullptr) return;
  g_glide.active = true;
  g_glide.from = S->params.knob;
  g_glide.target = target;
  g_glide.start_ms = now_ms;
}

void cancel_glide() { g_glide.active = false; }

void finish_glide() {
  if (!g_glide.active) return;
  g_glide.active = false;
  if (S == nullptr) return;
  S->params = g_glide.target;
  // The engine must not keep the half-way values the knobs no longer show.
  audio::set_params(S->params);
  g_dirty = true;
}

FrameInput read_engine() {
  FrameInput in;
  in.status = audio::status();
  in.meters = fx::Meters{};
  in.meters.detector_db = -120.0f;
  audio::take_meters(&in.meters);
  in.limiter_blocks = audio::limiter_blocks();
  return in;
}

bool frame_step(std::uint64_t now_ms, const FrameInput& in) {
  float dt = now_ms > g_last_frame ? std::min(0.2f, (now_ms - g_last_frame) / 1000.0f) : 0.0f;
  g_last_frame = now_ms;
  if (S == nullptr) return false;

  const bool gliding = g_glide.active;
  if (gliding) step_glide(now_ms);

  if (g_caret_blinks) {
    bool on = (now_ms / 530) % 2 == 0;
    if (on != g_caret_on) g_dirty = true;
    g_caret_on = on;
  }

  if (status_differs(in.status, g_status)) g_dirty = true;
  g_status = in.status;
  if (!in.status.follow.empty() && in.status.follow != S->last_default) {
    S->last_default = in.status.follow;
    audio::set_restore_hint(S->last_default);
    g_save_at = now_ms + kSaveDelayMs;
  }

  const fx::Meters& m = in.meters;
  const bool routed = in.status.routed;

  const bool was_live = g_live;
  if (m.fresh) {
    g_live = true;
  } else if (!routed) {
    g_live = false;
  }
  // A lamp that goes on or out, or the operating point that comes or goes,
  // needs the one frame that shows it.
  bool switched = g_live != was_live;

  std::array<float, 2> targets{};
  for (int c = 0; c < 2; ++c) {
    bool fires = false;
    targets[c] = needle_target(c, m, routed, &fires);
    move_needle(g_needle[c], targets[c], dt);
    if (fires) g_led_until[c] = now_ms + kLedHoldMs;
    const bool lit = fires || now_ms < g_led_until[c];
    if (lit != g_led[c]) switched = true;
    g_led[c] = lit;
  }

  const bool warming = S->active && S->params.tube_on && routed;
  if (warming) {
    g_heater += (1 - g_heater) * std::min(1.0f, 1.6f * dt);
  } else {
    g_heater -= g_heater * std::min(1.0f, 2.4f * dt);
  }

  std::array<float, 2> glow_targets{};
  for (int c = 0; c < 2; ++c) {
    float drive = c == 0 ? m.tube_drive_l : m.tube_drive_r;
    float target = (warming && m.fresh && drive > 0) ? std::min(1.0f, 1.1f * std::sqrt(drive)) : 0;
    float k = target > g_glow[c] ? 25.0f : 4.0f;
    g_glow[c] += (target - g_glow[c]) * std::min(1.0f, k * dt);
    glow_targets[c] = target;
  }

  const float gr_input = m.fresh && S->active && S->params.comp_on ? m.gain_reduction_db : 0.0f;
  step_gain_reduction(gr_input, dt);

  const float sc_before = g_sc_db;
  if (m.fresh) g_sc_db += (m.detector_db - g_sc_db) * std::min(1.0f, 20 * dt);

  if (in.limiter_blocks != g_lim_seen) {
    g_lim_seen = in.limiter_blocks;
    g_lim_until = now_ms + kLimiterLitMs;
  }
  bool lit = now_ms < g_lim_until;
  if (lit != g_lim_lit) g_dirty = true;
  g_lim_lit = lit;

  if (g_save_at != 0 && now_ms >= g_save_at) {
    g_save_at = 0;
    persist();
  }

  if (g_lim_lit || gliding || switched) return true;
  // Fresh meters alone move nothing: a routed effect meters silence as well,
  // and a steady tone holds everything still. A piece moves while it is away
  // from where it is heading, so an idle window lets the frame loop rest.
  for (int c = 0; c < 2; ++c) {
    const NeedleMotion& n = g_needle[c];
    if (std::fabs(n.vel) > 0.001f || std::fabs(n.pos - targets[c]) > 0.002f) return true;
    if (std::fabs(g_glow[c] - glow_targets[c]) > 0.002f) return true;
  }
  if (g_heater > 0.002f && g_heater < 0.998f) return true;
  if (std::fabs(g_gr - gr_input) > 0.05f) return true;
  // The peak mark falls once its hold is over.
  if (g_gr_hold <= 0 && g_gr_peak > 0.05f) return true;
  return std::fabs(g_sc_db - sc_before) > 0.01f;
}

}  // namespace state

void init(Settings* s, bool autostart) {
  S = s;
  g_autostart = autostart;
  g_last_frame = platform::ticks_ms();
  g_lim_seen = audio::limiter_blocks();
}

void shutdown() {}

void reference_size(int* w, int* h) {
  *w = kRefW;
  *h = kRefH;
  if (S == nullptr) return;
  if (S->compact) {
    *w = kMiniW;
    *h = kMiniH;
  } else if (S->collapsed) {
    *h = kRefFoldedH;
  }
}

View view_for(int w, int h) {
  if (S == nullptr || w < 1 || h < 1) return {1.0f, static_cast<float>(w), static_cast<float>(h)};
  int rw = 0, rh = 0;
  reference_size(&rw, &rh);
  float zoom = std::max(0.25f, std::min(static_cast<float>(w) / rw, static_cast<float>(h) / rh));
  return {zoom, w / zoom, h / zoom};
}

void set_pixel_scale(float k) { g_px = k > 0 ? k : 1.0f; }

ColumnGeom column_geom(float w, float h) {
  ColumnGeom g;
  g.w = std::floor(w * g_px) / g_px;
  g.seg = std::max(std::round(3 * g_px), 1.0f) / g_px;
  g.pitch = g.seg + std::max(std::round(2 * g_px), 1.0f) / g_px;
  g.count = std::max(4, static_cast<int>((h + g.pitch - g.seg) / g.pitch));
  return g;
}

bool take_dirty() {
  bool d = g_dirty;
  g_dirty = false;
  return d;
}

bool on_frame() { return frame_step(platform::ticks_ms(), read_engine()); }

void persist() {
  if (S == nullptr) return;
  finish_glide();
  int x = -1, y = -1;
  platform::window_pos(&x, &y);
  int& w = S->compact ? S->mini_w : S->win_w;
  int& h = S->compact ? S->mini_h : S->win_h;
  // Without a window the size reads back unchanged.
  int nw = w, nh = h;
  platform::window_size(&nw, &nh);
  w = nw;
  h = nh;
  if (x >= 0 || y >= 0) {
    (S->compact ? S->mini_x : S->win_x) = x;
    (S->compact ? S->mini_y : S->win_y) = y;
  }
  settings::save(*S);
}

void set_crash_report(const std::string& text) {
  g_crash_report = text;
  g_crash.shown = !text.empty();
}

}  // namespace ui
