#include "gfx/theme.h"

#include <cmath>

namespace theme {
namespace {

bool g_dark = true;

constexpr unsigned kDark[kColors] = {
    0xFF0E1117, 0xFF06080C, 0xFF161B24, 0xFF0B0E14, 0xFF232B38, 0x22FFFFFF, 0xFFD6DEE8,
    0xFF7C8898, 0xFFFFFFFF, 0xFFFF9A3C, 0x55FF9A3C, 0xFF05070A, 0xFF2A3342, 0xFFE9EEF3,
    0xFF8D98A6, 0xFF4A5462, 0xFF20262F, 0x14FFFFFF, 0x33FFFFFF, 0xFF141922, 0xFF2BE38B,
    0xFF4A5462, 0xFF1D2430, 0xFF283244, 0xFF0A0D12, 0xFFE2B93B, 0xFFFF5A5A, 0xB0000000,
};

constexpr unsigned kLight[kColors] = {
    0xFFEEF1F5, 0xFFD9DEE6, 0xFFFFFFFF, 0xFFE8ECF1, 0xFFC5CDD8, 0x66FFFFFF, 0xFF1B222B,
    0xFF6B7784, 0xFF000000, 0xFFC8661A, 0x44C8661A, 0xFF2A313B, 0xFFAEB8C4, 0xFFFFFFFF,
    0xFFB9C3CE, 0xFF7A8594, 0xFF8792A0, 0x14000000, 0x40000000, 0xFFE1E6ED, 0xFF12A865,
    0xFF9AA5B2, 0xFFFFFFFF, 0xFFE3EAF3, 0xFFFFFFFF, 0xFFB8860B, 0xFFD32F2F, 0x80000000,
};

}  // namespace

const unsigned* colors() { return g_dark ? kDark : kLight; }
void set_dark(bool dark) { g_dark = dark; }
bool dark() { return g_dark; }
unsigned tube_color() { return g_dark ? 0xFFFFB04A : 0xFFC46A12; }
unsigned comp_color() { return g_dark ? 0xFF46D2FF : 0xFF0F86B8; }

unsigned mix(unsigned a, unsigned b, float t) {
  if (t <= 0) return a;
  if (t >= 1) return b;
  unsigned out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const float x = static_cast<float>((a >> shift) & 0xFF);
    const float y = static_cast<float>((b >> shift) & 0xFF);
    out |= static_cast<unsigned>(std::lroundf(x + (y - x) * t)) << shift;
  }
  return out;
}

unsigned with_alpha(unsigned c, float a) {
  if (!(a > 0)) a = 0;
  if (a > 1) a = 1;
  return (c & 0x00FFFFFFu) | (static_cast<unsigned>(std::lroundf(255.0f * a)) << 24);
}

}  // namespace theme
