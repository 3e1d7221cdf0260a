#pragma once
// The two colour palettes (dark and light), the unit accent colours and the
// colour arithmetic the drawing code uses. Colours are 0xAARRGGBB.
namespace theme {

constexpr int kColors = 28;

const unsigned* colors();
void set_dark(bool dark);
bool dark();
unsigned tube_color();
unsigned comp_color();
// Each byte (alpha included) a + (b - a) * t, rounded; t <= 0 gives a, t >= 1 gives b.
unsigned mix(unsigned a, unsigned b, float t);
// Same RGB, alpha lroundf(255 * a) with a limited to 0..1.
unsigned with_alpha(unsigned c, float a);

}  // namespace theme
