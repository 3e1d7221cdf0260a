// A fresh page costs a fault on first touch. Before the first picture SDL
// clears the two layers' pixels, two window-sized blocks: close to two
// thousand 4 KiB faults, and on a virtual machine each fault is slow enough
// to add tens of milliseconds before the window shows. On 2 MiB pages the
// same blocks take a handful of faults. (The window's own image is shared
// memory that SDL sets up with the X server, not allocated here.)
#include "platform/large_pages.h"

#include <SDL.h>
#include <sys/mman.h>

#include <cstdlib>
#include <cstring>

namespace platform {
namespace {

constexpr std::size_t kHugePageBytes = std::size_t{2} << 20;

void* sdl_realloc(void* p, std::size_t bytes) { return std::realloc(p, bytes); }
void sdl_free(void* p) { std::free(p); }

}  // namespace

void* sdl_malloc(std::size_t bytes) {
  if (bytes < kLargeBlockBytes) return std::malloc(bytes);
  // Rounded up to whole huge pages: aligned_alloc wants a multiple of the
  // alignment, and a partial last page would fall back to small pages.
  const std::size_t rounded = (bytes + kHugePageBytes - 1) / kHugePageBytes * kHugePageBytes;
  if (rounded < bytes) return nullptr;
  void* p = std::aligned_alloc(kHugePageBytes, rounded);
  // Advice only: without huge pages the block is an ordinary one.
  if (p != nullptr) madvise(p, rounded, MADV_HUGEPAGE);
  return p;
}

void* sdl_calloc(std::size_t count, std::size_t size) {
  if (size != 0 && count > static_cast<std::size_t>(-1) / size) return nullptr;
  const std::size_t bytes = count * size;
  if (bytes < kLargeBlockBytes) return std::calloc(count, size);
  // Recycled heap memory may hold old contents.
  void* p = sdl_malloc(bytes);
  if (p != nullptr) std::memset(p, 0, bytes);
  return p;
}

void use_large_pages_for_sdl() {
  SDL_SetMemoryFunctions(sdl_malloc, sdl_calloc, sdl_realloc, sdl_free);
}

}  // namespace platform
