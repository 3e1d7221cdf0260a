#include "fx/rack.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/fx/signal.h"

namespace {

using fxtest::run;

TEST(Rack, SetFormatRules) {
  // A rerun of init would clear the dry delay line: the output would restart
  // from silence. set_format with an ignored rate must keep it running.
  fx::Rack a;
  std::vector<float> first = fxtest::sine(1000, 0.5, 480);
  run(fx::clean_params(), &first, 480, false, &a);
  for (float rate : {0.0f, -1.0f, 48000.0f, std::numeric_limits<float>::quiet_NaN(),
                     std::numeric_limits<float>::infinity(), 1e30f, 1e-30f}) {
    a.set_format(rate);
  }
  std::vector<float> second(2 * 60, 0.25f);
  a.process(second.data(), 60);
  // The first output frames of the second call are the tail of the sine.
  EXPECT_NE(second[0], 0.0f);

  // Empty and negative calls touch nothing.
  std::vector<float> two = {0.5f, -0.5f};
  a.process(two.data(), 0);
  a.process(two.data(), -3);
  EXPECT_EQ(two, (std::vector<float>{0.5f, -0.5f}));

  fx::Rack b;
  std::vector<float> warm = fxtest::sine(1000, 0.5, 480);
  run(fx::clean_params(), &warm, 480, false, &b);
  b.set_format(44100);
  EXPECT_EQ(b.latency(), 54);
  std::vector<float> after(2 * 60, 0.25f);
  b.process(after.data(), 60);
  for (int i = 0; i < 2 * 54; ++i) EXPECT_EQ(after[i], 0.0f) << i;
  EXPECT_EQ(after[2 * 54], 0.25f);
}

TEST(Rack, ChunksAre480FramesAt48k) {
  // Every chunk in which the limiter acts is counted once, so a loud call of
  // 1000 frames shows its chunk count.
  fx::Rack r;
  fx::Params p = fx::clean_params();
  p.knob[fx::kOutput] = 1.0f;  // +12 dB
  r.set_params(p);
  std::vector<float> b = fxtest::sine(1000, 0.9, 1000);
  r.process(b.data(), 1000);
  // The first 54 frames are the dry line's silence; every chunk after it limits.
  EXPECT_EQ(r.limiter_blocks(), 3);
  // At 4 kHz the chunk floor of 64 frames applies: 1000 = 15 x 64 + 40, and
  // the first chunk already holds 10 frames of signal after the delay.
  fx::Rack s;
  s.set_format(4000);
  s.set_params(p);
  std::vector<float> c = fxtest::sine(100, 0.9, 1000, 4000);
  s.process(c.data(), 1000);
  EXPECT_EQ(s.limiter_blocks(), 16);
}

// During a glide the output depends on where the 32-frame glide blocks fall,
// so a call split exactly at chunk boundaries matches one whole call, and a
// split elsewhere does not.
TEST(Rack, CallsSplitAtChunkBoundariesMatchOneCall) {
  fx::Params start = fxtest::neutral();
  fx::Params target = start;
  target.knob[fx::kDrive] = 0.5f;
  target.knob[fx::kOutput] = 0.5f;
  auto render = [&](std::initializer_list<int> calls) {
    fx::Rack r;
    std::vector<float> warm = fxtest::sine(440, 0.3, 960);
    run(start, &warm, 480, false, &r);
    r.set_params(target);
    std::vector<float> b = fxtest::sine(440, 0.3, 1000);
    int off = 0;
    for (int n : calls) {
      r.process(b.data() + 2 * off, n);
      off += n;
    }
    return b;
  };
  const std::vector<float> whole = render({1000});
  EXPECT_EQ(render({480, 480, 40}), whole);
  EXPECT_NE(render({500, 500}), whole);
}

// A non-finite chunk is zeroed, counted and clears the state: a NaN that
// reached the limiter's envelope would keep it NaN for good, and
// "envelope > 0.9" would never again be true.
TEST(Rack, NonFiniteChunkIsZeroedAndTheRackRecovers) {
  fx::Params loud = fx::standard_params();
  loud.comp_on = false;
  loud.knob[fx::kOutput] = 1.0f;  // +12 dB
  for (float bad : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
    for (bool scalar : {false, true}) {
      SCOPED_TRACE(std::to_string(bad) + (scalar ? " scalar" : " lanes"));
      fx::Rack r;
      r.set_scalar_reference(scalar);
      r.set_params(loud);
      std::vector<float> b = fxtest::sine(330, 0.5, 480 * 4);
      b[2 * (480 + 100)] = bad;
      for (int c = 0; c < 4; ++c) r.process(b.data() + 2 * 480 * c, 480);
      EXPECT_EQ(r.resets(), 1);
      for (int i = 2 * 480; i < 2 * 960; ++i) ASSERT_EQ(b[i], 0.0f) << i;
      fx::Meters m;
      r.take_meters(&m);
      EXPECT_TRUE(std::isfinite(m.in_mean_l) && std::isfinite(m.in_peak_l) && m.fresh);
      const std::int64_t limited = r.limiter_blocks();
      std::vector<float> after = fxtest::sine(440, 0.5, 4800);
      r.process(after.data(), 4800);
      float peak = 0;
      for (float s : after) peak = std::max(peak, std::fabs(s));
      EXPECT_LE(peak, 0.9f + 1e-6f);
      EXPECT_GT(peak, 0.85f);
      EXPECT_EQ(r.limiter_blocks() - limited, 10);
    }
  }
}

TEST(Rack, NonFiniteAndOutOfRangeKnobsAreBroughtIntoRange) {
  for (float bad : {std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity(), -7.0f, 9.0f}) {
    fx::Params p;
    p.tube_on = p.comp_on = p.limiter_on = true;
    p.knob.fill(bad);
    fx::Rack r;
    std::vector<float> b = fxtest::sine(440, 0.5, 9600);
    run(p, &b, 480, false, &r);
    for (float s : b) ASSERT_TRUE(std::isfinite(s)) << bad;
    EXPECT_EQ(r.resets(), 0) << bad;
  }
}

// Switched off, the tube still sounds 0.1 s later; from 1 down to 0.001 the
// fade takes ln(1000)/(32/1440) = 311 blocks of 32 frames (0.21 s), after
// which it is exactly 0 and the output is the dry signal, 54 frames late.
TEST(Rack, TubeFadeOutReachesZeroAndSleeps) {
  fx::Rack r;
  fx::Params p = fx::standard_params();
  p.comp_on = false;
  r.set_params(p);
  std::vector<float> warm = fxtest::sine(220, 0.3, 4800);
  r.process(warm.data(), 4800);
  p.tube_on = false;
  r.set_params(p);
  fx::Meters m;
  for (int part : {0, 1, 2}) {
    std::vector<float> b = fxtest::sine(220, 0.3, 4800 * (part == 1 ? 2 : 1));
    const std::vector<float> in = b;
    r.take_meters(&m);
    r.process(b.data(), static_cast<int>(b.size() / 2));
    if (part == 1) continue;
    double dev = 0;
    for (size_t i = 108; i < b.size(); ++i) dev = std::max(dev, std::fabs(double(b[i]) - in[i - 108]));
    EXPECT_TRUE(part == 0 ? dev > 1e-4 : dev == 0.0) << "part " << part << ": " << dev;
  }
  r.take_meters(&m);
  EXPECT_EQ(m.tube_drive_l + m.tube_drive_r, 0.0f);
}

// Mean and peak per channel; a second take without new audio reports nothing.
TEST(Rack, MetersReportLevels) {
  fx::Rack r;
  r.set_params(fx::clean_params());
  std::vector<float> b = fxtest::sine(1000, 0.5, 48000);
  for (int i = 0; i < 48000; ++i) b[2 * i + 1] *= 0.5f;
  r.process(b.data(), 48000);
  fx::Meters m;
  r.take_meters(&m);
  EXPECT_TRUE(m.fresh);
  EXPECT_NEAR(m.in_mean_l, 0.5 * 2 / M_PI, 1e-3);
  EXPECT_NEAR(m.in_mean_r, 0.25 * 2 / M_PI, 1e-3);
  EXPECT_NEAR(m.in_peak_l, 0.5f, 1e-4);
  EXPECT_NEAR(m.out_peak_r, 0.25f, 1e-4);
  EXPECT_NEAR(m.out_mean_l, m.in_mean_l, 1e-3);
  EXPECT_EQ(m.detector_db, -120.0f);  // compressor off
  r.take_meters(&m);
  EXPECT_FALSE(m.fresh);
  EXPECT_EQ(m.in_peak_l + m.out_mean_r + m.gain_reduction_db, 0.0f);
}

TEST(Compressor, MinusSixDbfsComesOutNineDbDown) {
  fx::Params p = fx::clean_params();
  p.comp_on = true;
  p.limiter_on = false;
  p.knob[fx::kThreshold] = 0.625f;
  p.knob[fx::kRatio] = 0.46275642f;
  p.knob[fx::kAttack] = 0.33f;  // about 1 ms
  p.knob[fx::kRelease] = 0.5f;  // 200 ms
  p.knob[fx::kKnee] = 0.0f;
  p.knob[fx::kMakeup] = 0.0f;
  p.knob[fx::kMix] = 1.0f;
  const double amp = 0.5011872336272722;
  fx::Rack r;
  r.set_params(p);
  std::vector<float> b = fxtest::sine(1000, amp, 96000);
  fx::Meters m;
  for (int off = 0; off < 96000; off += 480) {
    // The first second's meters hold the side chain's onset; start afresh.
    if (off == 48000) r.take_meters(&m);
    r.process(b.data() + 2 * off, 480);
  }
  EXPECT_NEAR(fxtest::db(fxtest::tone(b, 1000, 48000) / amp), -9.0, 1.0);
  r.take_meters(&m);
  EXPECT_NEAR(m.gain_reduction_db, 9.0, 1.0);
  EXPECT_NEAR(m.detector_db, -6.0, 0.05);
  // Mix 0 leaves the signal as it was.
  p.knob[fx::kMix] = 0.0f;
  std::vector<float> dry = fxtest::sine(1000, amp, 48000);
  run(p, &dry);
  EXPECT_NEAR(fxtest::db(fxtest::tone(dry, 1000, 24000) / amp), 0.0, 0.01);
}

}  // namespace
