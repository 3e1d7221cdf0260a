// Measuring tool, not a test: the cost of painting the full window's static
// picture (ui::draw_base) and of composing one frame, on the renderer SDL
// picks for the display in DISPLAY (or SDL_VIDEODRIVER). Run under Xvfb:
//   vlm_frame_bench [frames]
#include <SDL.h>
#include <cairo.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include "gfx/gfx.h"
#include "platform/compose.h"
#include "settings/settings.h"
#include "ui/ui.h"
#include "ui/ui_state.h"

namespace {

double ms_since(std::chrono::steady_clock::time_point t0) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int frames = argc > 1 ? std::atoi(argv[1]) : 300;
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "SDL_Init: %s\n", SDL_GetError());
    return 1;
  }
  SDL_Window* win = SDL_CreateWindow("bench", 0, 0, 1180, 780, SDL_WINDOW_SHOWN);
  // Without vsync, so that presenting does not wait for the display.
  SDL_Renderer* ren = win != nullptr ? SDL_CreateRenderer(win, -1, SDL_RENDERER_ACCELERATED) : nullptr;
  if (ren == nullptr || !gfx::init(nullptr)) {
    std::fprintf(stderr, "no renderer: %s\n", SDL_GetError());
    return 1;
  }
  SDL_RendererInfo info{};
  SDL_GetRendererInfo(ren, &info);

  Settings s;
  ui::init(&s, false);
  ui::set_pixel_scale(1.0f);
  cairo_surface_t* surf = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 1180, 780);
  cairo_t* cr = cairo_create(surf);
  gfx::set_context(cr);
  auto t0 = std::chrono::steady_clock::now();
  ui::draw_base(1180, 780);  // cold: loads the fonts and decodes the images
  const double cold_ms = ms_since(t0);
  t0 = std::chrono::steady_clock::now();
  const int draws = frames / 10 > 0 ? frames / 10 : 1;
  for (int i = 0; i < draws; ++i) ui::draw_base(1180, 780);
  const double draw_ms = ms_since(t0) / draws;
  gfx::set_context(nullptr);
  cairo_destroy(cr);
  cairo_surface_flush(surf);

  SDL_Texture* base = SDL_CreateTexture(ren, SDL_PIXELFORMAT_ARGB8888,
                                        SDL_TEXTUREACCESS_STREAMING, 1180, 780);
  SDL_UpdateTexture(base, nullptr, cairo_image_surface_get_data(surf),
                    cairo_image_surface_get_stride(surf));
  t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < draws; ++i) {
    SDL_UpdateTexture(base, nullptr, cairo_image_surface_get_data(surf),
                      cairo_image_surface_get_stride(surf));
  }
  const double upload_ms = ms_since(t0) / draws;

  // A busy frame: hot tubes, glowing, gain reduction on the column.
  ui::state::g_heater = 1.0f;
  ui::state::g_glow = {0.8f, 0.6f};
  ui::state::g_gr = 9.0f;
  ui::state::g_gr_peak = 12.0f;
  platform::Target t;
  t.ren = ren;
  t.base = base;
  t.k = 1.0;
  platform::compose(t);  // fills the texture cache
  t0 = std::chrono::steady_clock::now();
  for (int i = 0; i < frames; ++i) {
    SDL_Event e;
    while (SDL_PollEvent(&e) != 0) {
    }
    platform::compose(t);
  }
  const double compose_ms = ms_since(t0) / frames;

  std::printf("renderer %s: first draw_base %.1f ms, draw_base %.2f ms, upload %.2f ms, compose %.3f ms (%d cached textures)\n",
              info.name, cold_ms, draw_ms, upload_ms, compose_ms, platform::cache_size());
  platform::clear_cache();
  SDL_DestroyTexture(base);
  cairo_surface_destroy(surf);
  gfx::shutdown();
  SDL_DestroyRenderer(ren);
  SDL_DestroyWindow(win);
  SDL_Quit();
  return 0;
}
