// Composition on SDL's software renderer and dummy video driver (the off-screen one leaks EGL memory).
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
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
    ren_ = SDL_CreateRenderer(win_, -1, SDL_RENDERER_SOFTWARE);
    ASSERT_NE(ren_, nullptr) << SDL_GetError();
    ASSERT_TRUE(gfx::init(nullptr));
    black_ = base_texture([](std::size_t) { return 0xFF000000u; });
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
  }

  template <typename Colour>
  static SDL_Texture* base_texture(Colour colour) {
    std::vector<Uint32> px(1180 * 780);
    for (std::size_t i = 0; i < px.size(); ++i) px[i] = colour(i);
    SDL_Texture* t = SDL_CreateTexture(ren_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, 1180, 780);
    SDL_UpdateTexture(t, nullptr, px.data(), 1180 * 4);
    return t;
  }
  static platform::Target target(double k = 1.0) {
    platform::Target t;
    t.ren = ren_;
    t.base = black_;
    t.k = k;
    return t;
  }
  static std::vector<Uint32> read(const SDL_Rect* area, int w, int h) {
    std::vector<Uint32> px(static_cast<std::size_t>(w * h));
    SDL_RenderReadPixels(ren_, area, SDL_PIXELFORMAT_ARGB8888, px.data(), w * 4);
    return px;
  }
  // Brightest colour channel inside the rectangle of the last frame.
  static int brightest(const gfx::Rect& r) {
    const SDL_Rect area{int(r.x), int(r.y), int(r.w), int(r.h)};
    int best = 0;
    for (Uint32 p : read(&area, area.w, area.h))
      for (int shift : {16, 8, 0}) best = std::max(best, static_cast<int>((p >> shift) & 0xFF));
    return best;
  }

  Settings s_;
  static inline SDL_Window* win_ = nullptr;
  static inline SDL_Renderer* ren_ = nullptr;
  static inline SDL_Texture* black_ = nullptr;
};

TEST_F(Compose, CacheIsKeyedByThemeAndScaleAndEmptiedPastItsLimit) {
  platform::compose(target());
  const int n = platform::cache_size();
  ASSERT_GT(n, 0);
  platform::compose(target());
  EXPECT_EQ(platform::cache_size(), n) << "a second frame painted again";
  theme::set_dark(false);
  platform::compose(target());
  EXPECT_EQ(platform::cache_size(), 2 * n) << "a theme switch must repaint every piece";
  platform::compose(target(1.25));
  EXPECT_EQ(platform::cache_size(), 3 * n) << "a new scale must repaint every piece";
  bool emptied = false;
  for (int i = 1, before = 3 * n; i < 2 * 161 / n + 2; ++i) {
    platform::compose(target(1.0 + 0.01 * i));
    EXPECT_LE(platform::cache_size(), 161);
    emptied = emptied || platform::cache_size() < before;
    before = platform::cache_size();
  }
  EXPECT_TRUE(emptied);
}

TEST_F(Compose, TubeTintsReachThePicture) {
  const struct {
    float heater, glow;
    int heat, core, glow_tint;
  } cases[] = {
      {0.0f, 1.0f, 0, 0, 0},        // cold tube: nothing, whatever the glow
      {1.0f, 0.0f, 107, 0, 0},      // only the first pass at 0.42
      {0.4f, 1.0f, 102, 87, 0},     // the glow pass needs the heater above half
      {1.0f, 0.35f, 159, 0, 89},    // the core starts above 0.35 glow
      {1.0f, 2.0f, 255, 217, 255},  // glow limited to 1
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.heater) + "/" + std::to_string(c.glow));
    const platform::TubeTints t = platform::tube_tints(c.heater, c.glow);
    EXPECT_EQ(t.heat, c.heat);
    EXPECT_EQ(t.core, c.core);
    EXPECT_EQ(t.glow, c.glow_tint);
    g_heater = c.heater;
    g_glow = {c.glow, c.glow};
    platform::compose(target());
    EXPECT_EQ(brightest(L.tube[0]) > 0, c.heat > 0);
  }
}

TEST_F(Compose, ChangedAreasAloneGiveTheWholeFrame) {
  // A patterned base shows a piece left behind or base not put back.
  SDL_Texture* base = base_texture([](std::size_t i) { return 0xFF000000u | ((i * 2654435761u) >> 8); });
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
  const std::vector<Uint32> changed = read(nullptr, 1180, 780);
  t.full = true;
  platform::compose(t);
  EXPECT_TRUE(read(nullptr, 1180, 780) == changed);
  SDL_DestroyTexture(base);
}

}  // namespace
