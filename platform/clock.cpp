#include <SDL.h>

#include "platform/platform.h"

namespace platform {
namespace {

std::uint32_t g_last_reading = 0;
std::uint64_t g_high = 0;

}  // namespace

std::uint64_t extend_ticks(std::uint32_t reading) {
  if (reading < g_last_reading) g_high += std::uint64_t{1} << 32;
  g_last_reading = reading;
  return g_high | reading;
}

std::uint64_t ticks_ms() { return extend_ticks(SDL_GetTicks()); }

}  // namespace platform
