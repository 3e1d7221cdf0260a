// SDL's allocator: large blocks on 2 MiB boundaries, cleared when asked,
// small ones untouched by the rounding, and SDL really using it.
#include <SDL.h>
#include <gtest/gtest.h>
#include <malloc.h>

#include <cstdint>
#include <cstring>

#include "platform/large_pages.h"

namespace {

bool all_zero(const unsigned char* p, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    if (p[i] != 0) return false;
  }
  return true;
}

TEST(LargePages, LargeBlocksAlignedAndClearedSmallOnesPlain) {
  constexpr std::size_t kLayer = 1180 * 780 * 4 + 64;
  constexpr std::uintptr_t kHuge = std::uintptr_t{2} << 20;
  // Dirty blocks freed in between are handed out again once the C library
  // keeps large blocks on its heap instead of fresh mappings: every calloc
  // must still read as zero.
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 128 << 20);
  for (std::size_t round = 0; round < 3; ++round) {
    const std::size_t bytes = kLayer - round * 4096;
    auto* p = static_cast<unsigned char*>(platform::sdl_calloc(bytes / 4, 4));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(p) % kHuge, 0u);
    EXPECT_TRUE(all_zero(p, bytes)) << "round " << round;
    std::memset(p, 0xAB, bytes);
    std::free(p);
  }
  EXPECT_EQ(platform::sdl_calloc(std::size_t{1} << 40, std::size_t{1} << 40), nullptr);
  void* small = platform::sdl_malloc(100);
  ASSERT_NE(small, nullptr);
  std::free(small);

  platform::use_large_pages_for_sdl();
  void* from_sdl = SDL_malloc(kLayer);
  ASSERT_NE(from_sdl, nullptr);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(from_sdl) % kHuge, 0u) << "SDL bypasses the allocator";
  SDL_free(from_sdl);
}

}  // namespace
