// The playback depth control: how much it trims or fills and how it crossfades.
#include "audio/play_depth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace audio::engine {
namespace {

// Feeds one reading per 480-frame piece; returns the frames skipped (> 0) or
// added (< 0) in total.
long feed(PlayDepth* d, pa_usec_t latency_usec, int pieces, bool valid = true) {
  long skipped = 0;
  for (int i = 0; i < pieces; ++i) skipped += depth_observe(d, valid, latency_usec, 480);
  return skipped;
}

TEST(PlayDepth, TrimsOnlyTheExcessOfAWholeWindowInSmallSteps) {
  const int settle = static_cast<int>(kDepthSettleReadings);
  const int window = static_cast<int>(kDepthWindowReadings);
  PlayDepth at_bound;
  EXPECT_EQ(feed(&at_bound, kPlayTargetUsec + kPlaySlackUsec, settle + 3 * window), 0);
  EXPECT_EQ(feed(&at_bound, kPlayTargetUsec - kPlaySlackUsec, 3 * window), 0);

  // 80 ms deep: the excess over the target, skipped a few frames a piece.
  PlayDepth deep;
  EXPECT_EQ(feed(&deep, 80000, settle + window - 1), 0);
  long total = 0;
  for (int i = 0; i < 100; ++i) {
    const long s = depth_observe(&deep, true, 80000, 480);
    EXPECT_TRUE(s >= 0 && s <= static_cast<long>(kTrimStepFrames)) << s;
    total += s;
  }
  EXPECT_EQ(total, static_cast<long>((80000 - kPlayTargetUsec) * 48 / 1000));

  // A whole window 5 ms deep (the device's clock running ahead): the
  // shortfall is filled, a few frames a piece.
  PlayDepth shallow;
  EXPECT_EQ(feed(&shallow, 5000, settle + window - 1), 0);
  total = 0;
  for (int i = 0; i < 100; ++i) {
    const long s = depth_observe(&shallow, true, 5000, 480);
    EXPECT_TRUE(s <= 0 && s >= -static_cast<long>(kTrimStepFrames)) << s;
    total += s;
  }
  EXPECT_EQ(total, -static_cast<long>((kPlayTargetUsec - 5000) * 48 / 1000));

  // Readings the server's timing does not back count for nothing.
  PlayDepth untimed;
  EXPECT_EQ(feed(&untimed, 300000, settle + 3 * window, false), 0);
  EXPECT_EQ(feed(&untimed, 1000, settle + 3 * window, false), 0);

  // One shallow reading in the window means the depth is only a burst: no
  // trim. A stall leaves a few shallow readings: no fill; as many as
  // kShallowReadings are a drift, filled up to the target from the
  // shallowest reading but those few.
  PlayDepth burst;
  feed(&burst, 80000, settle + window / 2);
  EXPECT_EQ(depth_observe(&burst, true, kPlayTargetUsec, 480), 0);
  EXPECT_EQ(feed(&burst, 80000, window), 0);
  const int few = static_cast<int>(kShallowReadings) - 1;
  PlayDepth stall;
  feed(&stall, kPlayTargetUsec, settle + window / 2);
  feed(&stall, 1000, few);
  EXPECT_EQ(feed(&stall, kPlayTargetUsec, window), 0);
  PlayDepth drift;
  feed(&drift, kPlayTargetUsec, settle + window / 2);
  feed(&drift, 1000, few);
  feed(&drift, 4000, 1);
  EXPECT_EQ(feed(&drift, kPlayTargetUsec, window / 2 - few - 2), 0);
  EXPECT_EQ(feed(&drift, kPlayTargetUsec, window), -static_cast<long>((kPlayTargetUsec - 4000) * 48 / 1000));
}

TEST(PlayDepth, QueueDepthFromTheServersLastReport) {
  pa_timing_info t{};
  t.playing = 1;
  t.timestamp = {100, 0};
  t.write_index = 20 * 48 * 8;  // 20 ms of stereo float frames
  t.read_index = 0;
  t.sink_usec = 3000;
  pa_usec_t depth = 0;
  // 5 ms after the report: 5 ms of the queue have been played since.
  ASSERT_TRUE(queue_depth_usec(t, timeval{100, 5000}, &depth));
  EXPECT_EQ(depth, 18000u);
  // A report stamped a little after our clock counts as fresh.
  ASSERT_TRUE(queue_depth_usec(t, timeval{99, 999000}, &depth));
  EXPECT_EQ(depth, 23000u);
  // Played past what was written: empty, not a huge unsigned depth.
  ASSERT_TRUE(queue_depth_usec(t, timeval{100, 90000}, &depth));
  EXPECT_EQ(depth, 0u);
  // Reports that cannot be trusted.
  EXPECT_FALSE(queue_depth_usec(t, timeval{103, 100}, &depth));
  for (int which = 0; which < 3; ++which) {
    pa_timing_info bad = t;
    if (which == 0) bad.playing = 0;
    if (which == 1) bad.read_index_corrupt = 1;
    if (which == 2) bad.write_index_corrupt = 1;
    EXPECT_FALSE(queue_depth_usec(bad, timeval{100, 5000}, &depth)) << which;
  }
}

// A 440 Hz sine, different per channel.
std::vector<float> sine_piece(std::size_t n, std::size_t room) {
  std::vector<float> x(2 * (n + room));
  for (std::size_t i = 0; i < n; ++i) {
    x[2 * i] = static_cast<float>(std::sin(2 * M_PI * 440 * static_cast<double>(i) / 48000));
    x[2 * i + 1] = 0.5f * x[2 * i];
  }
  return x;
}

TEST(PlayDepth, TrimAndFillCrossfadeWithoutAStep) {
  // The changed piece is shorter or longer by the step, keeps the original
  // samples outside the crossfade, and no step between neighbouring samples
  // exceeds the sine's own largest one by much.
  const std::size_t n = 480, step = kTrimStepFrames;
  const float max_step = static_cast<float>(2 * M_PI * 440 / 48000) * 1.01f;
  auto smooth = [&](const std::vector<float>& x, std::size_t frames) {
    for (std::size_t i = 1; i < frames; ++i) {
      EXPECT_LE(std::fabs(x[2 * i] - x[2 * i - 2]), max_step * 1.5f) << i;
      EXPECT_EQ(x[2 * i + 1], 0.5f * x[2 * i]) << i;
    }
  };

  std::vector<float> x = sine_piece(n, 0);
  const std::vector<float> orig = x;
  ASSERT_EQ(trim_piece(x.data(), n, step), n - step);
  EXPECT_NEAR(x[0], orig[0], max_step);
  for (std::size_t i = kTrimFadeFrames; i < n - step; ++i) ASSERT_EQ(x[2 * i], orig[2 * (i + step)]) << i;
  smooth(x, n - step);
  EXPECT_EQ(trim_piece(x.data(), 10, 0), 10u);

  // Filling plays the first `step` frames twice: the piece's start as it
  // was, then, after the crossfade, the whole piece again from where the
  // fade ended.
  std::vector<float> y = sine_piece(n, step);
  ASSERT_EQ(pad_piece(y.data(), n, step), n + step);
  for (std::size_t i = 0; i < step; ++i) ASSERT_EQ(y[2 * i], orig[2 * i]) << i;
  for (std::size_t i = step + kTrimFadeFrames; i < n + step; ++i) ASSERT_EQ(y[2 * i], orig[2 * (i - step)]) << i;
  smooth(y, n + step);
  // A step larger than the fade region's start, and one at the piece's length.
  for (const std::size_t pad : {std::size_t{10}, n}) {
    std::vector<float> z = sine_piece(n, pad);
    ASSERT_EQ(pad_piece(z.data(), n, pad), n + pad);
    for (std::size_t i = pad + std::min(kTrimFadeFrames, n - pad); i < n + pad; ++i) {
      ASSERT_EQ(z[2 * i], orig[2 * (i - pad)]) << pad << " " << i;
    }
    if (pad < n) smooth(z, n + pad);
  }
}

}  // namespace
}  // namespace audio::engine
