#include "audio/play_depth.h"

#include <pulse/timeval.h>

#include <algorithm>
#include <cstring>

namespace audio::engine {

namespace {

std::size_t usec_to_frames(pa_usec_t usec) { return static_cast<std::size_t>(usec * 48 / 1000); }

// Moves one stereo frame `out` towards `to` by frame j's share of a fade.
void fade_frame(float* out, const float* to, std::size_t j, std::size_t fade) {
  const float w = (static_cast<float>(j) + 0.5f) / static_cast<float>(fade);
  for (std::size_t c = 0; c < 2; ++c) out[c] = out[c] * (1.0f - w) + to[c] * w;
}

}  // namespace

bool queue_depth_usec(const pa_timing_info& t, const timeval& now, pa_usec_t* depth_usec) {
  if (t.read_index_corrupt || t.write_index_corrupt || !t.playing) return false;
  // The report's time is the server's; a report stamped a hair after our
  // clock is simply fresh.
  const pa_usec_t age =
      pa_timeval_cmp(&now, &t.timestamp) > 0 ? pa_timeval_diff(&now, &t.timestamp) : 0;
  if (age > kTimingMaxAgeUsec) return false;
  // Stereo float frames at 48 kHz: 8 bytes each, 48 per millisecond.
  const std::int64_t queued_usec = (t.write_index - t.read_index) / 8 * 1000 / 48;
  const std::int64_t depth = queued_usec - static_cast<std::int64_t>(age) +
                             static_cast<std::int64_t>(t.sink_usec);
  *depth_usec = depth > 0 ? static_cast<pa_usec_t>(depth) : 0;
  return true;
}

long depth_observe(PlayDepth* d, bool valid, pa_usec_t depth_usec, std::size_t piece_frames) {
  if (!valid) return 0;
  if (d->readings < kDepthSettleReadings) {
    ++d->readings;
    return 0;
  }
  if (d->trim_frames == 0 && d->pad_frames == 0) {
    // A window only counts readings taken after the last step finished.
    if (d->window_readings < kShallowReadings || depth_usec < d->lowest[kShallowReadings - 1]) {
      std::size_t i = std::min<std::size_t>(d->window_readings, kShallowReadings - 1);
      for (; i > 0 && d->lowest[i - 1] > depth_usec; --i) d->lowest[i] = d->lowest[i - 1];
      d->lowest[i] = depth_usec;
    }
    if (++d->window_readings >= kDepthWindowReadings) {
      const pa_usec_t shallowest = d->lowest[0];
      const pa_usec_t several = d->lowest[kShallowReadings - 1];
      if (shallowest > kPlayTargetUsec + kPlaySlackUsec) {
        d->trim_frames = usec_to_frames(shallowest - kPlayTargetUsec);
      } else if (several + kPlaySlackUsec < kPlayTargetUsec) {
        d->pad_frames = usec_to_frames(kPlayTargetUsec - several);
      }
      d->window_readings = 0;
    }
  }
  const std::size_t most = std::min(kTrimStepFrames, piece_frames / 2);
  if (d->trim_frames > 0) {
    const std::size_t skip = std::min(d->trim_frames, most);
    d->trim_frames -= skip;
    return static_cast<long>(skip);
  }
  const std::size_t pad = std::min(d->pad_frames, most);
  d->pad_frames -= pad;
  return -static_cast<long>(pad);
}

std::size_t trim_piece(float* x, std::size_t frames, std::size_t skip) {
  if (skip == 0 || skip > frames) return frames;
  const std::size_t kept = frames - skip;
  const std::size_t fade = std::min(kTrimFadeFrames, kept);
  for (std::size_t i = 0; i < fade; ++i) fade_frame(x + 2 * i, x + 2 * (i + skip), i, fade);
  std::memmove(x + 2 * fade, x + 2 * (fade + skip), (kept - fade) * 2 * sizeof(float));
  return kept;
}

std::size_t pad_piece(float* x, std::size_t frames, std::size_t pad) {
  if (pad == 0 || pad > frames) return frames;
  const std::size_t fade = std::min(kTrimFadeFrames, frames - pad);
  // Out: x[0, pad), then the crossfade from x[pad + j] (the piece going on)
  // to x[j] (its repeat), then x[fade, frames). The tail moves first; the
  // crossfade runs backwards so that every x[j] it reads is still original.
  std::memmove(x + 2 * (pad + fade), x + 2 * fade, (frames - fade) * 2 * sizeof(float));
  for (std::size_t j = fade; j-- > 0;) fade_frame(x + 2 * (pad + j), x + 2 * j, j, fade);
  return frames + pad;
}

}  // namespace audio::engine
