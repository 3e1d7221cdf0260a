#pragma once
// Keeps the playback queue near its target depth. The queue grows whenever
// the device consumed less than the capture side delivered: after every
// underrun the server holds the stream back until it is re-buffered, while
// the blocks delayed by the stall arrive all at once. Left alone, each stall
// would stay as extra delay for the rest of the run. It shrinks when the
// device's clock runs faster than the virtual sink's (a drift of about 150
// parts per million was measured between two sinks of one server): the queue
// then drains by a millisecond every few seconds until it runs dry. When the
// shallowest reading of a whole window is well above the target, the excess
// is skipped two milliseconds per block; when even the deepest reading of a
// window is well below it, the shortfall is filled the same way by playing
// the start of a block twice (a stall leaves one shallow reading, a drift a
// whole window of them). Each step is blended over a short crossfade so that
// it is not heard as a click.
#include <pulse/sample.h>

#include <cstddef>
#include <cstdint>

namespace audio::engine {

// Playback latency readings (queue plus the device's share) are steered
// towards the target, about where a fresh stream starts once re-buffered (the
// sound then reaches the device some 10-15 ms later still: the capture side's
// share); trimming starts only above target plus slack, filling only below
// target less slack. (A deeper
// target after underruns was measured and bought nothing: the stalls behind
// them outlast any queue that keeps the delay unnoticeable.)
inline constexpr pa_usec_t kPlayTargetUsec = 20000;
inline constexpr pa_usec_t kPlaySlackUsec = 5000;
// Readings right after the stream starts are not yet backed by the server's
// timing; a window is about a second of 10 ms blocks.
inline constexpr std::uint32_t kDepthSettleReadings = 50;
inline constexpr std::uint32_t kDepthWindowReadings = 100;
inline constexpr std::size_t kTrimStepFrames = 96;
inline constexpr std::size_t kTrimFadeFrames = 64;

struct PlayDepth {
  std::uint32_t readings = 0;
  std::uint32_t window_readings = 0;
  pa_usec_t window_min = ~pa_usec_t{0};
  pa_usec_t window_max = 0;
  std::size_t trim_frames = 0;  // still to skip
  std::size_t pad_frames = 0;   // still to fill
};

// One latency reading taken before a piece is written (valid: the server's
// timing backs it). Returns how many frames to skip from that piece (> 0) or
// to add to it (< 0); never more than kTrimStepFrames or half the piece.
long depth_observe(PlayDepth* d, bool valid, pa_usec_t latency_usec, std::size_t piece_frames);

// Removes `skip` frames from the start of an interleaved stereo piece,
// crossfading the first frames kept into the ones skipped; returns the new
// frame count. skip must not exceed frames.
std::size_t trim_piece(float* x, std::size_t frames, std::size_t skip);

// Lengthens an interleaved stereo piece by `pad` frames, playing its first
// `pad` frames twice and crossfading where the repeat begins; returns the new
// frame count. x must hold frames + pad frames; pad must not exceed frames.
std::size_t pad_piece(float* x, std::size_t frames, std::size_t pad);

}  // namespace audio::engine
