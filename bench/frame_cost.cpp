// Cost of the window's drawing on the renderer the program chooses for the
// display in DISPLAY: one draw_base (cold, then warm), the upload of the base
// layer, one whole composed frame, and one frame in which only the title, or
// the title and both needles, changed. Processor time of this thread in ms,
// so the figures mean the same on a busy machine (the display server's own
// work is not in them).
//   vlm_frame_cost [frames]
#include <SDL.h>
#include <cairo.h>
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "gfx/gfx.h"
#include "platform/compose.h"
#include "platform/render_choice.h"
#include "settings/settings.h"
#include "ui/ui.h"
#include "ui/ui_state.h"

namespace {

double thread_ms() {
  timespec ts{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return static_cast<double>(ts.tv_sec) * 1e3 + static_cast<double>(ts.tv_nsec) / 1e6;
}

// Mean processor time of one compose over `frames`, with `step` run before
// each (untimed) and a short pause so that the title's colours move on.
template <typename Step>
double compose_ms(const platform::Target& t, int frames, Step step) {
  double spent = 0;
  for (int i = 0; i < frames; ++i) {
    step(i);
    SDL_Delay(2);
    SDL_PumpEvents();
    const double t0 = thread_ms();
    platform::compose(t);
    spent += thread_ms() - t0;
  }
  return spent / frames;
}

}  // namespace

int main(int argc, char** argv) {
  const int frames = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "SDL_Init: %s\n", SDL_GetError());
    return 1;
  }
  SDL_Window* win = SDL_CreateWindow("frame cost", 0, 0, 1180, 780, SDL_WINDOW_SHOWN);
  if (win == nullptr) {
    std::fprintf(stderr, "SDL_CreateWindow: %s\n", SDL_GetError());
    return 1;
  }
  SDL_Renderer* ren = nullptr;
  if (!platform::display_without_gpu(win)) {
    ren = SDL_CreateRenderer(win, -1, SDL_RENDERER_ACCELERATED);
    if (ren != nullptr && platform::renderer_on_cpu(ren)) {
      SDL_DestroyRenderer(ren);
      ren = nullptr;
    }
  }
  if (ren == nullptr) ren = SDL_CreateRenderer(win, -1, SDL_RENDERER_SOFTWARE);
  if (ren == nullptr || !gfx::init(nullptr)) {
    std::fprintf(stderr, "no renderer: %s\n", SDL_GetError());
    return 1;
  }
  SDL_RendererInfo info{};
  SDL_GetRendererInfo(ren, &info);
  const bool software = std::string(info.name) == "software";

  Settings s;
  s.active = true;
  ui::init(&s, false);
  ui::set_pixel_scale(1.0f);
  cairo_surface_t* surf = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1180, 780);
  cairo_t* cr = cairo_create(surf);
  gfx::set_context(cr);
  double t0 = thread_ms();
  ui::draw_base(1180, 780);  // loads the fonts and decodes the images
  const double cold_ms = thread_ms() - t0;
  const int draws = std::max(1, frames / 20);
  t0 = thread_ms();
  for (int i = 0; i < draws; ++i) ui::draw_base(1180, 780);
  const double draw_ms = (thread_ms() - t0) / draws;
  gfx::set_context(nullptr);
  cairo_destroy(cr);
  cairo_surface_flush(surf);

  SDL_Texture* base =
      SDL_CreateTexture(ren, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, 1180, 780);
  t0 = thread_ms();
  for (int i = 0; i < draws; ++i) {
    SDL_UpdateTexture(base, nullptr, cairo_image_surface_get_data(surf),
                      cairo_image_surface_get_stride(surf));
  }
  const double upload_ms = (thread_ms() - t0) / draws;

  // A busy picture: hot tubes, drive glow, gain reduction on the column.
  using namespace ui::state;
  g_heater = 1.0f;
  g_glow = {0.8f, 0.6f};
  g_gr = 9.0f;
  g_gr_peak = 12.0f;
  platform::Target t;
  t.ren = ren;
  t.base = base;
  t.keeps_picture = software;
  platform::compose(t);  // fills the texture cache
  const double whole_ms = compose_ms(t, frames / 4, [](int) {});
  t.full = false;
  const double title_ms = compose_ms(t, frames, [](int) {});
  const double needles_ms = compose_ms(t, frames, [](int i) {
    g_needle[0].pos = 0.3f + 0.002f * static_cast<float>(i % 200);
    g_needle[1].pos = 0.7f - 0.002f * static_cast<float>(i % 200);
  });

  std::printf("renderer %s%s, processor time per call:\n", info.name,
              software ? " (keeps its picture: changed areas only)" : "");
  std::printf("  draw_base first %.1f ms, then %.2f ms; base upload %.2f ms\n", cold_ms, draw_ms,
              upload_ms);
  std::printf("  compose: whole frame %.3f ms, title changed %.3f ms, title and needles %.3f ms\n",
              whole_ms, software ? title_ms : whole_ms, software ? needles_ms : whole_ms);
  platform::clear_cache();
  SDL_DestroyTexture(base);
  cairo_surface_destroy(surf);
  gfx::shutdown();
  SDL_DestroyRenderer(ren);
  SDL_DestroyWindow(win);
  SDL_Quit();
  return 0;
}
