#pragma once
// Keeps the playback queue near its target depth. The queue grows whenever
// the device consumed less than the capture side delivered: after every
// underrun the server holds the stream back until it is re-buffered, while
// the blocks delayed by the stall arrive all at once. Left alone, each stall
// would stay as extra delay for the rest of the run. It shrinks when the
// device's clock runs faster than the virtual sink's (a drift of about 150
// parts per million was measured between two sinks of one server): the queue
// then drains by a millisecond every few seconds until it runs dry.
//
// The control steers the shallowest reading of each window (a hundred blocks,
// about half a second) to the target: what keeps the sound from running dry is the queue's low
// point, not its average. When even that reading is above the target plus
// slack, the excess is skipped, two milliseconds per block; when several
// readings of the window are below the target less slack, the shortfall is
// filled the same way by playing the start of a block twice. A stall leaves
// a reading or two that shallow and is no reason to fill; a drift leaves the
// whole window there. Each step is blended over a short crossfade so that it
// is not heard as a click.
#include <pulse/def.h>
#include <pulse/sample.h>
#include <sys/time.h>

#include <cstddef>
#include <cstdint>

namespace audio::engine {

// The queue's low point, with the device's share where the server reports it
// (the PipeWire pulse server reports none). The sound reaches the device
// later still by the capture side's share: a record fragment and a cycle of
// the virtual sink.
inline constexpr pa_usec_t kPlayTargetUsec = 14000;
inline constexpr pa_usec_t kPlaySlackUsec = 3000;
// How many readings of a window must be shallow before the queue is filled.
inline constexpr std::size_t kShallowReadings = 5;
// Readings right after the stream starts are not yet backed by the server's
// timing.
inline constexpr std::uint32_t kDepthSettleReadings = 50;
inline constexpr std::uint32_t kDepthWindowReadings = 100;
inline constexpr std::size_t kTrimStepFrames = 96;
inline constexpr std::size_t kTrimFadeFrames = 64;
// A timing report older than this is not trusted: reports are asked for
// every 50 ms, and a server that has not answered for this long is stalled.
inline constexpr pa_usec_t kTimingMaxAgeUsec = 3000000;

struct PlayDepth {
  std::uint32_t readings = 0;
  std::uint32_t window_readings = 0;
  // The window's kShallowReadings shallowest readings, in ascending order.
  pa_usec_t lowest[kShallowReadings] = {};
  std::size_t trim_frames = 0;  // still to skip
  std::size_t pad_frames = 0;   // still to fill
};

// The playback queue's depth at `now` from the server's last timing report:
// what was written and not yet read when the report was made, less what the
// device has played since at the stream's rate, plus the device's share.
// The library's own interpolation between reports drifts: after the machine
// stalls for a few tens of milliseconds, on the PipeWire pulse server its
// estimate ran 10-20 ms deep for seconds, and trimming by it emptied the
// queue. Returns false for a report that cannot be trusted (indices
// corrupt, the stream held back, the report too old).
bool queue_depth_usec(const pa_timing_info& t, const timeval& now, pa_usec_t* depth_usec);

// One depth reading taken before a piece is written (valid: the server's
// timing backs it). Returns how many frames to skip from that piece (> 0) or
// to add to it (< 0); never more than kTrimStepFrames or half the piece.
long depth_observe(PlayDepth* d, bool valid, pa_usec_t depth_usec, std::size_t piece_frames);

// Removes `skip` frames from the start of an interleaved stereo piece,
// crossfading the first frames kept into the ones skipped; returns the new
// frame count. skip must not exceed frames.
std::size_t trim_piece(float* x, std::size_t frames, std::size_t skip);

// Lengthens an interleaved stereo piece by `pad` frames, playing its first
// `pad` frames twice and crossfading where the repeat begins; returns the new
// frame count. x must hold frames + pad frames; pad must not exceed frames.
std::size_t pad_piece(float* x, std::size_t frames, std::size_t pad);

}  // namespace audio::engine
