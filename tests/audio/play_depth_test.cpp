// The playback depth control: how much it trims and how it crossfades a trim.
#include "audio/play_depth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace audio::engine {
namespace {

// Feeds one reading per 480-frame piece; returns the frames skipped in total.
std::size_t feed(PlayDepth* d, pa_usec_t latency_usec, int pieces, bool valid = true) {
  std::size_t skipped = 0;
  for (int i = 0; i < pieces; ++i) skipped += depth_observe(d, valid, latency_usec, 480);
  return skipped;
}

TEST(PlayDepth, TrimsOnlyTheExcessOfAWholeWindowInSmallSteps) {
  const int settle = static_cast<int>(kDepthSettleReadings);
  const int window = static_cast<int>(kDepthWindowReadings);
  PlayDepth at_bound;
  EXPECT_EQ(feed(&at_bound, kPlayTargetUsec + kPlaySlackUsec, settle + 3 * window), 0u);

  // 80 ms deep: the excess over the target, skipped a few frames a piece.
  PlayDepth deep;
  EXPECT_EQ(feed(&deep, 80000, settle + window - 1), 0u);
  std::size_t total = 0;
  for (int i = 0; i < 100; ++i) {
    const std::size_t s = depth_observe(&deep, true, 80000, 480);
    EXPECT_LE(s, kTrimStepFrames);
    total += s;
  }
  EXPECT_EQ(total, (80000 - kPlayTargetUsec) * 48 / 1000);

  // Readings the server's timing does not back count for nothing.
  PlayDepth untimed;
  EXPECT_EQ(feed(&untimed, 300000, settle + 3 * window, false), 0u);

  // One shallow reading in the window means the depth is only a burst.
  PlayDepth burst;
  feed(&burst, 80000, settle + window / 2);
  EXPECT_EQ(depth_observe(&burst, true, kPlayTargetUsec, 480), 0u);
  EXPECT_EQ(feed(&burst, 80000, window), 0u);
}

TEST(PlayDepth, TrimCrossfadesWithoutAStep) {
  // A 440 Hz sine, different per channel: the trimmed piece is shorter by
  // the skip, starts and ends where the original did, and no step between
  // neighbouring samples exceeds the sine's own largest one.
  const std::size_t n = 480, skip = kTrimStepFrames;
  std::vector<float> x(2 * n);
  for (std::size_t i = 0; i < n; ++i) {
    x[2 * i] = static_cast<float>(std::sin(2 * M_PI * 440 * static_cast<double>(i) / 48000));
    x[2 * i + 1] = 0.5f * x[2 * i];
  }
  const std::vector<float> orig = x;
  const float max_step = static_cast<float>(2 * M_PI * 440 / 48000) * 1.01f;
  ASSERT_EQ(trim_piece(x.data(), n, skip), n - skip);
  EXPECT_NEAR(x[0], orig[0], max_step);
  for (std::size_t i = kTrimFadeFrames; i < n - skip; ++i) {
    ASSERT_EQ(x[2 * i], orig[2 * (i + skip)]) << i;
    ASSERT_EQ(x[2 * i + 1], orig[2 * (i + skip) + 1]) << i;
  }
  for (std::size_t i = 1; i < n - skip; ++i) {
    EXPECT_LE(std::fabs(x[2 * i] - x[2 * i - 2]), max_step * 1.5f) << i;
  }
  EXPECT_EQ(trim_piece(x.data(), 10, 0), 10u);
}

}  // namespace
}  // namespace audio::engine
