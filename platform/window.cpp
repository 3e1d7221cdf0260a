// The one window: SDL start-up, renderer, the two cairo layers, window modes,
// aspect keeping, events, cursors and the paced frame loop. Main thread only,
// apart from the two signal flags.
#include <SDL.h>
#include <cairo.h>
#include <signal.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/logger.h"
#include "gfx/gfx.h"
#include "platform/compose.h"
#include "platform/desktop_calls.h"
#include "platform/geometry.h"
#include "platform/large_pages.h"
#include "platform/platform.h"
#include "platform/render_choice.h"
#include "settings/settings.h"
#include "ui/ui.h"

namespace {

// A texture the user interface paints into with cairo, in place.
// `ok`: the base layer's texture holds a valid picture / the overlay has content.
struct Layer {
  SDL_Texture* texture = nullptr;
  int w = 0, h = 0;
  bool ok = false;
};

constexpr int kFullW = 1180;
constexpr int kFullH = 780;
// Frames while animating are at least this far apart (about 60 per second).
constexpr std::uint64_t kFrameMs = 16;
// The full window refreshes this often even when idle (status texts, title).
constexpr std::uint64_t kRefreshMs = 50;
// An idle loop still notices signals, the engine's news and sound that
// starts within this time.
constexpr std::uint32_t kIdleWaitMs = 50;
// Resizes arrive in bursts while the user drags; correct after the last one.
constexpr std::uint64_t kAspectDelayMs = 250;

Settings* g_settings = nullptr;
SDL_Window* g_win = nullptr;
SDL_Renderer* g_ren = nullptr;
Layer g_base;
Layer g_over;
double g_scale = 1.0;
ui::View g_view;
double g_k = 1.0;
SDL_BlendMode g_premul = SDL_BLENDMODE_BLEND;
SDL_BlendMode g_add = SDL_BLENDMODE_ADD;
// Textures with alpha are uploaded unpremultiplied (the renderer refused g_premul).
bool g_straight = false;
// SDL's software renderer draws into the window's image, which keeps the last
// frame; the layers were painted anew since the last frame.
bool g_keeps_picture = false;
bool g_layers_new = true;
SDL_Cursor* g_cursors[4] = {};
SDL_Cursor* g_resize[4] = {};  // NW-SE, NE-SW, W-E, N-S
int g_cursor_current = -1;
bool g_cursor_forced = false;
int g_aspect_w = 0, g_aspect_h = 0;
int g_size_w = 0, g_size_h = 0;
std::uint64_t g_aspect_due = 0;
bool g_gpu_lost = false;
bool g_running = true;
std::atomic<bool> g_sig_raise{false};
std::atomic<bool> g_sig_quit{false};

extern "C" void on_signal(int sig) {
  if (sig == SIGUSR1) {
    g_sig_raise.exchange(true);
  } else {
    g_sig_quit.exchange(true);
  }
}

// The engine's threads keep these blocked (they were blocked before the
// threads started); the main thread takes them through the handler.
void install_signals() {
  struct sigaction sa {};
  sa.sa_handler = on_signal;
  sigemptyset(&sa.sa_mask);
  sigset_t set;
  sigemptyset(&set);
  // A closed terminal ends the run in order too, as the window-less run does.
  for (int sig : {SIGTERM, SIGINT, SIGHUP, SIGUSR1}) {
    sigaction(sig, &sa, nullptr);
    sigaddset(&set, sig);
  }
  pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
}

bool env_set(const char* name) {
  const char* v = std::getenv(name);
  return v != nullptr && *v != '\0';
}

// SDL falls back to drivers that show nothing; a window nobody can see is no
// window, unless those drivers were asked for by name.
bool invisible_fallback() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr) return false;
  const std::string name = driver;
  return name == "offscreen" || name == "dummy";
}

bool start_video() {
  const bool chosen = env_set("SDL_VIDEODRIVER");
  if (!chosen && env_set("DISPLAY")) {
    setenv("SDL_VIDEODRIVER", "x11", 1);
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
      logger::warn(std::string("X11 nicht erreichbar (") + SDL_GetError() +
                   "), versuche die Vorgabe von SDL");
      unsetenv("SDL_VIDEODRIVER");
      SDL_Quit();
    }
  } else {
    SDL_InitSubSystem(SDL_INIT_VIDEO);
  }
  if (SDL_WasInit(SDL_INIT_VIDEO) == 0 && SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    logger::error(std::string("SDL_Init: ") + SDL_GetError());
    return false;
  }
  if (!chosen && invisible_fallback()) {
    SDL_Quit();
    logger::error("SDL_Init: No available video device");
    return false;
  }
  return true;
}

// A blend mode the renderer accepts, tried on a throw-away texture.
SDL_BlendMode usable_mode(SDL_Texture* probe, SDL_BlendMode wanted, SDL_BlendMode fallback) {
  if (probe == nullptr || SDL_SetTextureBlendMode(probe, wanted) != 0) return fallback;
  return wanted;
}

SDL_Renderer* create_renderer() {
  std::string names;
  const int n = SDL_GetNumRenderDrivers();
  for (int i = 0; i < n; ++i) {
    SDL_RendererInfo info;
    if (SDL_GetRenderDriverInfo(i, &info) != 0) continue;
    if (!names.empty()) names += ", ";
    names += info.name;
  }
  logger::info("Renderer zur Wahl: " + names);
  const char* forced = SDL_getenv("SDL_RENDER_DRIVER");
  if (forced != nullptr && *forced != '\0') {
    logger::info(std::string("Renderer vorgegeben: ") + forced);
  }

  // An OpenGL that rasterises on the processor costs more than it gives;
  // a renderer named in the environment is taken as it is.
  const bool chosen = forced != nullptr && *forced != '\0';
  SDL_Renderer* ren = nullptr;
  if (!chosen && platform::display_without_gpu(g_win)) {
    logger::info("Kein Grafikprozessor fuer OpenGL — SDL-Software-Renderer gewaehlt");
  } else {
    ren = SDL_CreateRenderer(g_win, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (ren != nullptr && !chosen && platform::renderer_on_cpu(ren)) {
      logger::info("OpenGL zeichnet hier nur in Software — SDL-Software-Renderer gewaehlt");
      SDL_DestroyRenderer(ren);
      ren = nullptr;
    }
  }
  if (ren == nullptr) ren = SDL_CreateRenderer(g_win, -1, SDL_RENDERER_SOFTWARE);
  if (ren == nullptr) {
    logger::error(std::string("SDL_CreateRenderer: ") + SDL_GetError());
    return nullptr;
  }
  SDL_RendererInfo info{};
  SDL_GetRendererInfo(ren, &info);
  const char* driver = SDL_GetCurrentVideoDriver();
  logger::info(std::string("Video: ") + (driver != nullptr ? driver : "?") + ", Renderer " +
               (info.name != nullptr ? info.name : "?") +
               ((info.flags & SDL_RENDERER_ACCELERATED) != 0 ? " (beschleunigt)" : " (Software!)") +
               ((info.flags & SDL_RENDERER_PRESENTVSYNC) != 0 ? ", vsync" : ", ohne vsync"));

  // The layers and cached textures hold cairo's premultiplied pixels.
  const SDL_BlendMode premul = SDL_ComposeCustomBlendMode(
      SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDOPERATION_ADD,
      SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDOPERATION_ADD);
  const SDL_BlendMode add =
      SDL_ComposeCustomBlendMode(SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE, SDL_BLENDOPERATION_ADD,
                                 SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE, SDL_BLENDOPERATION_ADD);
  SDL_Texture* probe =
      SDL_CreateTexture(ren, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, 1, 1);
  g_premul = usable_mode(probe, premul, SDL_BLENDMODE_BLEND);
  // SDL's own blend modes multiply by alpha themselves.
  g_straight = g_premul != premul;
  g_keeps_picture = info.name != nullptr && std::string(info.name) == "software";
  g_layers_new = true;
  g_add = usable_mode(probe, add, SDL_BLENDMODE_ADD);
  if (probe != nullptr) SDL_DestroyTexture(probe);
  return ren;
}

void destroy_layer(Layer* l) {
  if (l->texture != nullptr) SDL_DestroyTexture(l->texture);
  *l = Layer{};
}

bool layer_size(Layer* l, int w, int h, bool opaque) {
  if (l->texture != nullptr && l->w == w && l->h == h) return true;
  destroy_layer(l);
  l->texture =
      SDL_CreateTexture(g_ren, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, w, h);
  if (l->texture == nullptr) return false;
  SDL_SetTextureBlendMode(l->texture, opaque ? SDL_BLENDMODE_NONE : g_premul);
  l->w = w;
  l->h = h;
  return true;
}

// Clears the layer, lets `paint` draw in logical units. Cairo paints straight
// into the locked texture: no second picture to fill and copy. The whole
// layer is painted every time, as locked pixels may hold anything.
template <typename Paint>
bool paint_layer(Layer* l, Paint paint) {
  void* pixels = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(l->texture, nullptr, &pixels, &pitch) != 0) return false;
  cairo_surface_t* s = cairo_image_surface_create_for_data(
      static_cast<unsigned char*>(pixels), CAIRO_FORMAT_ARGB32, l->w, l->h, pitch);
  if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(s);
    SDL_UnlockTexture(l->texture);
    return false;
  }
  // The scale may change at an unchanged pixel size (folding the knob rows).
  cairo_surface_set_device_scale(s, g_k, g_k);
  cairo_t* cr = cairo_create(s);
  cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
  cairo_paint(cr);
  cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
  gfx::set_context(cr);
  const bool drawn = paint();
  gfx::set_context(nullptr);
  cairo_destroy(cr);
  cairo_surface_flush(s);
  if (drawn && g_straight && l != &g_base) {
    platform::unpremultiply(static_cast<unsigned char*>(pixels), l->w, l->h, pitch);
  }
  cairo_surface_destroy(s);
  SDL_UnlockTexture(l->texture);
  return drawn;
}

void redraw_layers() {
  g_layers_new = true;
  int pw = 0, ph = 0;
  SDL_GetRendererOutputSize(g_ren, &pw, &ph);
  const int lw = static_cast<int>(std::ceil(g_view.w));
  const int lh = static_cast<int>(std::ceil(g_view.h));
  if (pw <= 0 || ph <= 0) return;
  if (layer_size(&g_base, pw, ph, true)) {
    g_base.ok = paint_layer(&g_base, [&] {
      ui::draw_base(lw, lh);
      return true;
    });
  }
    if (layer_size(&g_over, pw, ph, false)) {
    g_over.ok = paint_layer(&g_over, [&] { return ui::draw_overlay(lw, lh); });
  }
}

void update_scale() {
  if (g_win == nullptr || g_ren == nullptr) return;
  int w = 0, h = 0, pw = 0, ph = 0;
  SDL_GetWindowSize(g_win, &w, &h);
  SDL_GetRendererOutputSize(g_ren, &pw, &ph);
  g_scale = w > 0 ? static_cast<double>(pw) / w : 1.0;
  g_view = ui::view_for(w, h);
  const double k = g_view.zoom * g_scale;
  if (std::fabs(k - g_k) > 0.0001) {
    g_k = k;
    platform::clear_cache();
  }
  ui::set_pixel_scale(static_cast<float>(g_k));
}

bool usable_bounds(int display, platform::Box* out) {
  SDL_Rect r;
  if (SDL_GetDisplayUsableBounds(display, &r) != 0) return false;
  *out = {r.x, r.y, r.w, r.h};
  return true;
}

void place(int x, int y, int w, int h) {
  std::vector<platform::Box> displays;
  const int n = SDL_GetNumVideoDisplays();
  for (int i = 0; i < n; ++i) {
    platform::Box b;
    if (usable_bounds(i, &b)) displays.push_back(b);
  }
  platform::Box primary{0, 0, 1920, 1080};
  usable_bounds(0, &primary);
  const platform::Point p = platform::place_window(x, y, w, h, displays, primary);
  SDL_SetWindowPosition(g_win, p.x, p.y);
}

SDL_HitTestResult on_hit_test(SDL_Window* win, const SDL_Point* pt, void*) {
  if (g_settings == nullptr || !g_settings->compact) return SDL_HITTEST_NORMAL;
  int w = 0, h = 0;
  SDL_GetWindowSize(win, &w, &h);
  switch (platform::edge_at(pt->x, pt->y, w, h)) {
    case platform::Edge::top_left: return SDL_HITTEST_RESIZE_TOPLEFT;
    case platform::Edge::top_right: return SDL_HITTEST_RESIZE_TOPRIGHT;
    case platform::Edge::bottom_left: return SDL_HITTEST_RESIZE_BOTTOMLEFT;
    case platform::Edge::bottom_right: return SDL_HITTEST_RESIZE_BOTTOMRIGHT;
    case platform::Edge::top: return SDL_HITTEST_RESIZE_TOP;
    case platform::Edge::bottom: return SDL_HITTEST_RESIZE_BOTTOM;
    case platform::Edge::left: return SDL_HITTEST_RESIZE_LEFT;
    case platform::Edge::right: return SDL_HITTEST_RESIZE_RIGHT;
    case platform::Edge::none: break;
  }
  const float zoom = g_view.zoom > 0 ? g_view.zoom : 1.0f;
  return ui::cursor_at(pt->x / zoom, pt->y / zoom) == 2 ? SDL_HITTEST_DRAGGABLE
                                                        : SDL_HITTEST_NORMAL;
}

void apply_mode(bool compact, bool on_top) {
  if (g_win == nullptr || g_settings == nullptr) return;
  const Settings& s = *g_settings;
  platform::Box usable;
  const bool have = usable_bounds(0, &usable);
  const platform::ModeSize m =
      platform::mode_size(compact, s.collapsed, compact ? s.mini_w : s.win_w,
                          compact ? s.mini_h : s.win_h, have ? &usable : nullptr);
  if (compact) {
    SDL_SetWindowBordered(g_win, SDL_FALSE);
    if (SDL_SetWindowHitTest(g_win, on_hit_test, nullptr) != 0) {
      logger::warn(std::string("Verschieben ohne Rahmen nicht verfuegbar: ") + SDL_GetError());
    }
  } else {
    SDL_SetWindowBordered(g_win, SDL_TRUE);
    SDL_SetWindowHitTest(g_win, nullptr, nullptr);
  }
  SDL_SetWindowResizable(g_win, SDL_TRUE);
  SDL_SetWindowMinimumSize(g_win, m.min_w, m.min_h);
  SDL_SetWindowSize(g_win, m.w, m.h);
  platform::set_always_on_top(g_win, compact && on_top);
  if (compact) {
    place(s.mini_x, s.mini_y, m.w, m.h);
  } else {
    place(s.win_x, s.win_y, m.w, m.h);
  }
  update_scale();
  g_base.ok = false;
  // SDL rewrites the window manager's size hints on these calls; the next
  // frame puts the aspect hint back.
  g_aspect_w = g_aspect_h = 0;
}

void correct_aspect() {
  g_aspect_due = 0;
  int w = 0, h = 0;
  SDL_GetWindowSize(g_win, &w, &h);
  const Uint32 flags = SDL_GetWindowFlags(g_win);
  const bool free_size = (flags & (SDL_WINDOW_FULLSCREEN | SDL_WINDOW_MAXIMIZED)) == 0;
  if (!free_size || w <= 0 || h <= 0 || g_aspect_w <= 0) {
    g_size_w = w;
    g_size_h = h;
    return;
  }
  platform::AspectInput in;
  in.w = w;
  in.h = h;
  in.last_w = g_size_w;
  in.last_h = g_size_h;
  in.ref_w = g_aspect_w;
  in.ref_h = g_aspect_h;
  SDL_GetWindowMinimumSize(g_win, &in.min_w, &in.min_h);
  platform::Box usable;
  const int display = SDL_GetWindowDisplayIndex(g_win);
  if (display >= 0 && usable_bounds(display, &usable)) in.usable = &usable;
  const platform::Size want = platform::aspect_size(in);
  g_size_w = want.w;
  g_size_h = want.h;
  if (platform::worth_resizing({w, h}, want)) {
    SDL_SetWindowSize(g_win, want.w, want.h);
    update_scale();
    g_base.ok = false;
  }
}

void set_cursor_index(int c) {
  if (c == g_cursor_current || c < 0 || c > 3) return;
  g_cursor_current = c;
  if (g_cursors[c] != nullptr) SDL_SetCursor(g_cursors[c]);
}

void on_motion(int x, int y) {
  const float zoom = g_view.zoom > 0 ? g_view.zoom : 1.0f;
  ui::on_mouse_move(x / zoom, y / zoom);
  if (g_settings != nullptr && g_settings->compact) {
    int w = 0, h = 0;
    SDL_GetWindowSize(g_win, &w, &h);
    int arrow = -1;
    switch (platform::edge_at(x, y, w, h)) {
      case platform::Edge::top_left:
      case platform::Edge::bottom_right: arrow = 0; break;
      case platform::Edge::top_right:
      case platform::Edge::bottom_left: arrow = 1; break;
      case platform::Edge::left:
      case platform::Edge::right: arrow = 2; break;
      case platform::Edge::top:
      case platform::Edge::bottom: arrow = 3; break;
      case platform::Edge::none: break;
    }
    if (arrow >= 0) {
      if (g_resize[arrow] != nullptr) SDL_SetCursor(g_resize[arrow]);
      g_cursor_forced = true;
      return;
    }
    if (g_cursor_forced) {
      g_cursor_forced = false;
      g_cursor_current = -1;
    }
  }
  set_cursor_index(ui::cursor_at(x / zoom, y / zoom));
}

void on_window_event(const SDL_WindowEvent& e) {
  switch (e.event) {
    case SDL_WINDOWEVENT_LEAVE: ui::on_mouse_leave(); break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      if (g_aspect_w > 0) g_aspect_due = platform::ticks_ms() + kAspectDelayMs;
      [[fallthrough]];
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_DISPLAY_CHANGED:
      update_scale();
      g_base.ok = false;
      break;
    default: break;
  }
}

void handle(const SDL_Event& e) {
  const float zoom = g_view.zoom > 0 ? g_view.zoom : 1.0f;
  switch (e.type) {
    case SDL_QUIT: g_running = false; break;
    case SDL_WINDOWEVENT: on_window_event(e.window); break;
    case SDL_KEYDOWN:
      switch (e.key.keysym.sym) {
        case SDLK_ESCAPE: ui::on_key(ui::Key::escape); break;
        case SDLK_RETURN:
        case SDLK_KP_ENTER: ui::on_key(ui::Key::enter); break;
        case SDLK_BACKSPACE: ui::on_key(ui::Key::backspace); break;
        default: break;
      }
      break;
    case SDL_TEXTINPUT: ui::on_text(e.text.text); break;
    case SDL_MOUSEMOTION: on_motion(e.motion.x, e.motion.y); break;
    case SDL_MOUSEBUTTONDOWN:
      if (e.button.button != SDL_BUTTON_LEFT) break;
      if (e.button.clicks >= 2) {
        ui::on_double_click(e.button.x / zoom, e.button.y / zoom);
      } else {
        ui::on_mouse_down(e.button.x / zoom, e.button.y / zoom);
      }
      break;
    case SDL_MOUSEBUTTONUP:
      if (e.button.button == SDL_BUTTON_LEFT) ui::on_mouse_up();
      break;
    case SDL_MOUSEWHEEL: {
      const int dir = platform::wheel_direction(e.wheel.y);
      if (dir == 0) break;
      int mx = 0, my = 0;
      SDL_GetMouseState(&mx, &my);
      ui::on_wheel(mx / zoom, my / zoom, dir);
      break;
    }
    case SDL_RENDER_TARGETS_RESET: g_base.ok = false; break;
    case SDL_RENDER_DEVICE_RESET: g_gpu_lost = true; break;
    default: break;
  }
}

// After a device reset every texture is gone; false when no renderer can be made.
bool recover_renderer() {
  g_gpu_lost = false;
  logger::warn("Grafikgeraet zurueckgesetzt — Renderer wird neu angelegt");
  platform::clear_cache();
  destroy_layer(&g_base);
  destroy_layer(&g_over);
  SDL_DestroyRenderer(g_ren);
  g_ren = create_renderer();
  if (g_ren == nullptr) return false;
  g_k = 0;
  update_scale();
  return true;
}

void set_icon() {
  cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 64, 64);
  if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
    cairo_t* cr = cairo_create(s);
    gfx::set_context(cr);
    ui::paint_logo(64);
    gfx::set_context(nullptr);
    cairo_destroy(cr);
    cairo_surface_flush(s);
    SDL_Surface* icon = SDL_CreateRGBSurfaceWithFormatFrom(
        cairo_image_surface_get_data(s), 64, 64, 32, cairo_image_surface_get_stride(s),
        SDL_PIXELFORMAT_ARGB8888);
    if (icon != nullptr) {
      SDL_SetWindowIcon(g_win, icon);
      SDL_FreeSurface(icon);
    }
  }
  cairo_surface_destroy(s);
}

void make_cursors() {
  const SDL_SystemCursor pick[4] = {SDL_SYSTEM_CURSOR_ARROW, SDL_SYSTEM_CURSOR_HAND,
                                    SDL_SYSTEM_CURSOR_SIZEALL, SDL_SYSTEM_CURSOR_HAND};
  const SDL_SystemCursor arrows[4] = {SDL_SYSTEM_CURSOR_SIZENWSE, SDL_SYSTEM_CURSOR_SIZENESW,
                                      SDL_SYSTEM_CURSOR_SIZEWE, SDL_SYSTEM_CURSOR_SIZENS};
  for (int i = 0; i < 4; ++i) {
    g_cursors[i] = SDL_CreateSystemCursor(pick[i]);
    g_resize[i] = SDL_CreateSystemCursor(arrows[i]);
  }
}

void free_cursors() {
  for (int i = 0; i < 4; ++i) {
    if (g_cursors[i] != nullptr) SDL_FreeCursor(g_cursors[i]);
    if (g_resize[i] != nullptr) SDL_FreeCursor(g_resize[i]);
    g_cursors[i] = g_resize[i] = nullptr;
  }
}

platform::Target frame_target() {
  platform::Target t;
  t.ren = g_ren;
  t.base = g_base.ok ? g_base.texture : nullptr;
  t.overlay = g_over.ok ? g_over.texture : nullptr;
  t.k = g_k;
  t.premul = g_premul;
  t.add = g_add;
  t.straight = g_straight;
  t.keeps_picture = g_keeps_picture;
  t.full = g_layers_new;
  return t;
}

bool hidden_or_minimised() {
  return (SDL_GetWindowFlags(g_win) & (SDL_WINDOW_HIDDEN | SDL_WINDOW_MINIMIZED)) != 0;
}

void frame_loop(std::uint64_t started_ms) {
  std::uint32_t wait_ms = 1;
  bool animating = true;
  std::uint64_t last_present = 0;
  bool first = true;
  while (true) {
    SDL_Event e;
    if (SDL_WaitEventTimeout(&e, static_cast<int>(wait_ms)) != 0) {
      handle(e);
      while (SDL_PollEvent(&e) != 0) handle(e);
    }
    if (g_sig_quit.load()) g_running = false;
    if (g_sig_raise.exchange(false)) {
      SDL_RestoreWindow(g_win);
      SDL_RaiseWindow(g_win);
    }
    if (!g_running) break;
    if (g_gpu_lost && !recover_renderer()) break;

    const bool compact = g_settings != nullptr && g_settings->compact;
    const bool hidden = hidden_or_minimised();
    if (hidden) {
      ui::on_frame();
    } else {
      std::uint64_t now = platform::ticks_ms();
      if (animating && now - last_present < kFrameMs) {
        SDL_Delay(static_cast<std::uint32_t>(kFrameMs - (now - last_present)));
      }
      animating = ui::on_frame();

      int rw = 0, rh = 0;
      ui::reference_size(&rw, &rh);
      if (rw != g_aspect_w || rh != g_aspect_h) {
        g_aspect_w = rw;
        g_aspect_h = rh;
        SDL_GetWindowSize(g_win, &g_size_w, &g_size_h);
        platform::x11_aspect_hint(g_win, rw, rh);
      }
      now = platform::ticks_ms();
      if (g_aspect_due != 0 && now >= g_aspect_due) correct_aspect();

      const bool refresh = !compact && now - last_present >= kRefreshMs;
      update_scale();
      bool draw = true;
      if (ui::take_dirty() || !g_base.ok) {
        redraw_layers();
      } else if (!refresh && !animating) {
        draw = false;
      }
      if (draw) {
        platform::compose(frame_target());
        g_layers_new = false;
        last_present = platform::ticks_ms();
        if (first) {
          first = false;
          logger::info("Erstes Bild nach " + std::to_string(last_present - started_ms) + " ms");
        }
        if (!g_running) break;
        if (animating) {
          wait_ms = 1;
          continue;
        }
      }
    }
    wait_ms = kIdleWaitMs;
    if (!compact && !hidden) {
      // Every turn costs a wake-up: the full window's next one is when the
      // title's refresh is due (events end the wait at once anyway).
      const std::uint64_t since = platform::ticks_ms() - last_present;
      wait_ms = since >= kRefreshMs ? 1 : static_cast<std::uint32_t>(kRefreshMs - since);
    }
    animating = false;
  }
}

void shut_down_window() {
  platform::clear_cache();
  destroy_layer(&g_base);
  destroy_layer(&g_over);
  free_cursors();
  ui::shutdown();
  gfx::shutdown();
  if (g_ren != nullptr) SDL_DestroyRenderer(g_ren);
  if (g_win != nullptr) SDL_DestroyWindow(g_win);
  g_ren = nullptr;
  g_win = nullptr;
  SDL_Quit();
}

}  // namespace

int run_gui(Settings* s) {
  g_settings = s;
  g_running = true;
  const std::uint64_t started_ms = platform::ticks_ms();

  platform::use_large_pages_for_sdl();
  SDL_SetHint("SDL_NO_SIGNAL_HANDLERS", "1");
  install_signals();
  setenv("SDL_VIDEO_X11_WMCLASS", "velmora", 0);
  SDL_SetHint("SDL_VIDEO_X11_NET_WM_BYPASS_COMPOSITOR", "0");
  SDL_SetHint("SDL_MOUSE_FOCUS_CLICKTHROUGH", "1");
  // The software renderer paints into the window's own image; without this
  // SDL would show that image through a hidden OpenGL renderer.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");

  if (!start_video()) return 1;
  g_win = SDL_CreateWindow("Velmora", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kFullW,
                           kFullH, SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI);
  if (g_win == nullptr) {
    logger::error(std::string("SDL_CreateWindow: ") + SDL_GetError());
    SDL_Quit();
    return 1;
  }
  g_ren = create_renderer();
  if (g_ren == nullptr) {
    SDL_DestroyWindow(g_win);
    g_win = nullptr;
    SDL_Quit();
    return 1;
  }
  if (!gfx::init(nullptr)) {
    logger::error("Cairo/Pango nicht verfuegbar");
    SDL_DestroyRenderer(g_ren);
    SDL_DestroyWindow(g_win);
    g_ren = nullptr;
    g_win = nullptr;
    SDL_Quit();
    return 1;
  }
  make_cursors();
  ui::init(s, false);
  set_icon();

  const bool compact = s != nullptr && s->compact;
  const bool on_top = s != nullptr && s->compact_on_top;
  apply_mode(compact, on_top);
  SDL_ShowWindow(g_win);
  apply_mode(compact, on_top);

  frame_loop(started_ms);

  ui::persist();
  shut_down_window();
  return 0;
}

namespace platform {

void set_compact(bool compact, bool on_top) { apply_mode(compact, on_top); }

void window_pos(int* x, int* y) {
  if (g_win != nullptr) SDL_GetWindowPosition(g_win, x, y);
}

void window_size(int* w, int* h) {
  if (g_win != nullptr) SDL_GetWindowSize(g_win, w, h);
}

void resize_window(int w, int h, int min_w, int min_h) {
  if (g_win == nullptr) return;
  SDL_SetWindowMinimumSize(g_win, min_w, min_h);
  SDL_SetWindowSize(g_win, w, h);
  update_scale();
  g_base.ok = false;
  g_aspect_w = g_aspect_h = 0;
}

void quit() { g_running = false; }

}  // namespace platform
