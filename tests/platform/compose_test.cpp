// Layer composition on SDL's software renderer with the window-less dummy
// video driver (the off-screen one leaves its EGL allocations behind): the
// texture cache's keys and limit, and what the tubes add to the picture.
#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

#include "gfx/gfx.h"
#include "gfx/theme.h"
#include "platform/compose.h"
#include "settings/settings.h"
#include "ui/ui.h"
#include "ui/ui_state.h"

namespace {

using namespace ui::state;

class Compose : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
    win_ = SDL_CreateWindow("compose", 0, 0, 1180, 780, 0);
    ASSERT_NE(win_, nullptr) << SDL_GetError();
    ren_ = SDL_CreateRenderer(win_, -1, SDL_RENDERER_SOFTWARE);
    ASSERT_NE(ren_, nullptr) << SDL_GetError();
    ASSERT_TRUE(gfx::init(nullptr));
    black_ = SDL_CreateTexture(ren_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, 1180, 780);
    std::vector<Uint32> px(1180 * 780, 0xFF000000u);
    SDL_UpdateTexture(black_, nullptr, px.data(), 1180 * 4);
  }
  static void TearDownTestSuite() {
    platform::clear_cache();
    gfx::shutdown();
    SDL_DestroyTexture(black_);
    SDL_DestroyRenderer(ren_);
    SDL_DestroyWindow(win_);
    SDL_Quit();
  }

  void SetUp() override {
    platform::clear_cache();
    theme::set_dark(true);
    ui::init(&s_, false);
    ui::set_pixel_scale(1);
    L = {};
    L.vu = {gfx::Rect{580, 180, 280, 140}, gfx::Rect{870, 180, 280, 140}};
    L.tube = {gfx::Rect{330, 180, 100, 160}, gfx::Rect{460, 180, 100, 160}};
    L.gr_column = {1000, 540, 10, 100};
    L.title = {72, 14, 300, 38};
    g_heater = 0;
    g_glow = {};
    g_gr = 12;
    g_gr_peak = 14;
  }

  platform::Target target(double k = 1.0) const {
    platform::Target t;
    t.ren = ren_;
    t.base = black_;
    t.k = k;
    t.premul = SDL_BLENDMODE_BLEND;
    t.add = SDL_BLENDMODE_ADD;
    return t;
  }

  // Brightest colour channel inside the rectangle of the last frame.
  static int brightest(const gfx::Rect& r) {
    const SDL_Rect area{static_cast<int>(r.x), static_cast<int>(r.y), static_cast<int>(r.w),
                        static_cast<int>(r.h)};
    std::vector<Uint32> px(static_cast<std::size_t>(area.w * area.h));
    if (SDL_RenderReadPixels(ren_, &area, SDL_PIXELFORMAT_ARGB8888, px.data(), area.w * 4) != 0) {
      return -1;
    }
    int best = 0;
    for (Uint32 p : px) {
      for (int shift : {16, 8, 0}) best = std::max(best, static_cast<int>((p >> shift) & 0xFF));
    }
    return best;
  }

  Settings s_;
  static SDL_Window* win_;
  static SDL_Renderer* ren_;
  static SDL_Texture* black_;
};

SDL_Window* Compose::win_ = nullptr;
SDL_Renderer* Compose::ren_ = nullptr;
SDL_Texture* Compose::black_ = nullptr;

TEST_F(Compose, CachedTexturesAreReusedAndKeyedByThemeAndScale) {
  platform::compose(target());
  const int n = platform::cache_size();
  ASSERT_GT(n, 0);
  platform::compose(target());
  EXPECT_EQ(platform::cache_size(), n) << "a second frame painted again";

  theme::set_dark(false);
  platform::compose(target());
  EXPECT_EQ(platform::cache_size(), 2 * n) << "a theme switch must repaint every piece";
  theme::set_dark(true);
  platform::compose(target());
  EXPECT_EQ(platform::cache_size(), 2 * n);

  platform::compose(target(1.25));
  EXPECT_EQ(platform::cache_size(), 3 * n) << "a new scale must repaint every piece";
}

TEST_F(Compose, CacheIsEmptiedPastItsLimit) {
  platform::compose(target());
  const int n = platform::cache_size();
  bool emptied = false;
  int before = n;
  for (int i = 1; i < 2 * 161 / n + 2; ++i) {
    platform::compose(target(1.0 + 0.01 * i));
    const int now = platform::cache_size();
    EXPECT_LE(now, 161);
    emptied = emptied || now < before;
    before = now;
  }
  EXPECT_TRUE(emptied);
}

TEST_F(Compose, TubesGlowOnlyWithTheHeaterOn) {
  const gfx::Rect tube = L.tube[0];
  g_heater = 0;
  g_glow = {1, 1};
  platform::compose(target());
  const int cold = brightest(tube);
  ASSERT_GE(cold, 0) << SDL_GetError();
  EXPECT_EQ(cold, 0) << "a cold tube must add nothing, whatever its glow";

  g_heater = 1;
  g_glow = {0, 0};
  platform::compose(target());
  const int warm = brightest(tube);
  EXPECT_GT(warm, 0);

  g_glow = {1, 1};
  platform::compose(target());
  EXPECT_GT(brightest(tube), warm) << "drive glow must brighten the tube";
}

TEST_F(Compose, ChangedAreasAloneGiveTheWholeFrame) {
  // A patterned base shows a piece left behind or base not put back.
  std::vector<Uint32> px(1180 * 780);
  for (std::size_t i = 0; i < px.size(); ++i) px[i] = 0xFF000000u | ((i * 2654435761u) >> 8);
  SDL_Texture* base =
      SDL_CreateTexture(ren_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, 1180, 780);
  SDL_UpdateTexture(base, nullptr, px.data(), 1180 * 4);
  auto frame = [] {
    std::vector<Uint32> out(1180 * 780);
    SDL_RenderReadPixels(ren_, nullptr, SDL_PIXELFORMAT_ARGB8888, out.data(), 1180 * 4);
    return out;
  };
  L.title = {};  // its colours follow the clock
  L.graph = {700, 500, 120, 100};
  s_.active = s_.params.comp_on = true;
  g_live = true;
  g_heater = 1;
  platform::Target t = target();
  t.base = base;
  t.keeps_picture = true;
  platform::compose(t);
  t.full = false;
  const struct {
    float needle, glow, gr, sc_db;
  } steps[] = {{0.2f, 0.1f, 3, -30}, {0.9f, 0.8f, 16, -10}, {0.5f, 0.8f, 16, -120}};
  for (const auto& st : steps) {
    g_needle[0].pos = st.needle;
    g_glow = {st.glow, 0};
    g_gr = st.gr;
    g_sc_db = st.sc_db;
    platform::compose(t);
  }
  const std::vector<Uint32> changed = frame();
  t.full = true;
  platform::compose(t);
  EXPECT_TRUE(frame() == changed);
  SDL_DestroyTexture(base);
}

}  // namespace
