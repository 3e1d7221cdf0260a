#include "audio/play_depth.h"

#include <algorithm>
#include <cstring>

namespace audio::engine {

namespace {

std::size_t usec_to_frames(pa_usec_t usec) { return static_cast<std::size_t>(usec * 48 / 1000); }

}  // namespace


std::size_t depth_observe(PlayDepth* d, bool valid, pa_usec_t latency_usec,
                          std::size_t piece_frames) {
  if (!valid) return 0;
  if (d->readings < kDepthSettleReadings) {
    ++d->readings;
    return 0;
  }
  if (d->trim_frames == 0) {
    // A window only counts readings taken after the last trim finished.
    d->window_min = std::min(d->window_min, latency_usec);
    if (++d->window_readings >= kDepthWindowReadings) {
      if (d->window_min > kPlayTargetUsec + kPlaySlackUsec) {
        d->trim_frames = usec_to_frames(d->window_min - kPlayTargetUsec);
      }
      d->window_readings = 0;
      d->window_min = ~pa_usec_t{0};
    }
  }
  const std::size_t skip = std::min({d->trim_frames, kTrimStepFrames, piece_frames / 2});
  d->trim_frames -= skip;
  return skip;
}

std::size_t trim_piece(float* x, std::size_t frames, std::size_t skip) {
  if (skip == 0 || skip > frames) return frames;
  const std::size_t kept = frames - skip;
  const std::size_t fade = std::min(kTrimFadeFrames, kept);
  for (std::size_t i = 0; i < fade; ++i) {
    const float w = (static_cast<float>(i) + 0.5f) / static_cast<float>(fade);
    for (std::size_t c = 0; c < 2; ++c) {
      x[2 * i + c] = x[2 * i + c] * (1.0f - w) + x[2 * (i + skip) + c] * w;
    }
  }
  std::memmove(x + 2 * fade, x + 2 * (fade + skip), (kept - fade) * 2 * sizeof(float));
  return kept;
}

}  // namespace audio::engine
