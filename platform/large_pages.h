#pragma once
// SDL's large blocks (the layers' pixels, window-sized surfaces) on
// transparent huge pages where the kernel offers them on request.
#include <cstddef>

namespace platform {

// Blocks of at least this size are placed on huge pages.
constexpr std::size_t kLargeBlockBytes = std::size_t{1} << 20;

// SDL's allocator: small blocks as the C library gives them, large ones
// aligned to 2 MiB and advised as huge-page backed. Every block is released
// with free(), so blocks allocated before the switch stay valid.
void* sdl_malloc(std::size_t bytes);
void* sdl_calloc(std::size_t count, std::size_t size);

// Hands the two above to SDL. Called before SDL makes its first allocation.
void use_large_pages_for_sdl();

}  // namespace platform
