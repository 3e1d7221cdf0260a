// Colour arithmetic of the theme.
#include <gtest/gtest.h>

#include "gfx/theme.h"

namespace {

TEST(Theme, MixBlendsEveryByteAndClampsT) {
  const struct {
    unsigned a, b;
    float t;
    unsigned want;
  } cases[] = {
      {0xFF000000, 0xFFFFFFFF, 0.5f, 0xFF808080},  // 127.5 rounds up
      {0x00000000, 0xFF000000, 0.5f, 0x80000000},  // alpha is mixed too
      {0x10203040, 0x20406080, 0.25f, 0x14283C50},
      {0x12345678, 0x9ABCDEF0, -1.0f, 0x12345678},
      {0x12345678, 0x9ABCDEF0, 0.0f, 0x12345678},
      {0x12345678, 0x9ABCDEF0, 1.0f, 0x9ABCDEF0},
      {0x12345678, 0x9ABCDEF0, 7.0f, 0x9ABCDEF0},
      {0xFFFFFFFF, 0x00000000, 0.5f, 0x80808080},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(theme::mix(c.a, c.b, c.t), c.want) << std::hex << c.a << " " << c.b << " " << c.t;
  }
}

TEST(Theme, WithAlphaReplacesOnlyAlpha) {
  const struct {
    float a;
    unsigned want;
  } cases[] = {{2.0f, 0xFF345678}, {1.0f, 0xFF345678}, {0.5f, 0x80345678},
               {0.0f, 0x00345678}, {-1.0f, 0x00345678}};
  for (const auto& c : cases) EXPECT_EQ(theme::with_alpha(0x12345678, c.a), c.want) << c.a;
}

}  // namespace
