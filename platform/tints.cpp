// How strongly the additive heater and glow textures of a tube are drawn.
#include <algorithm>
#include <cmath>

#include "platform/compose.h"

namespace platform {

TubeTints tube_tints(float heater, float glow) {
  TubeTints t;
  const float g = std::clamp(glow, 0.0f, 1.0f);
  if (heater > 0.003f) {
    t.heat = static_cast<int>(std::lroundf(255 * std::min(1.0f, heater * (0.42f + 0.58f * g))));
    const float f = std::clamp((g - 0.35f) / 0.65f, 0.0f, 1.0f);
    const float core = 0.85f * heater * f;
    if (core > 0.003f) t.core = static_cast<int>(std::lroundf(255 * std::min(1.0f, core)));
  }
  if (g > 0.003f && heater > 0.5f) t.glow = static_cast<int>(std::lroundf(255 * g));
  return t;
}

}  // namespace platform
