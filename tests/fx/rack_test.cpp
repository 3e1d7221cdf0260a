#include "fx/rack.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "tests/fx/signal.h"

namespace {

using fxtest::Buffer;
using fxtest::deviation;

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInf = std::numeric_limits<float>::infinity();

fx::Params loud_clean() {
  fx::Params p = fx::clean_params();
  p.knob[fx::kOutput] = 1.0f;  // +12 dB
  return p;
}

TEST(Rack, FormatChangesAndEmptyCalls) {
  fx::Rack a;
  a.set_params(fx::clean_params());
  Buffer first = fxtest::sine(1000, 0.5, 480);
  a.process(first.data(), 480);
  // An ignored rate must not rerun init: that would clear the dry delay line,
  // and the output would restart from silence instead of the sine's tail.
  for (float rate : {0.0f, -1.0f, 48000.0f, kNaN, kInf, 1e30f, 1e-30f}) a.set_format(rate);
  Buffer second(2 * 60, 0.25f);
  a.process(second.data(), 60);
  EXPECT_NE(second[0], 0.0f);
  Buffer two = {0.5f, -0.5f};
  a.process(two.data(), 0);
  a.process(two.data(), -3);
  EXPECT_EQ(two, (Buffer{0.5f, -0.5f}));
  // A new rate starts afresh: 54 frames of the delay line's silence.
  a.set_format(44100);
  EXPECT_EQ(a.latency(), 54);
  Buffer after(2 * 60, 0.25f);
  a.process(after.data(), 60);
  EXPECT_EQ(deviation(Buffer(after.begin(), after.begin() + 108)), 0.0);
  EXPECT_EQ(after[108], 0.25f);
}

// Every chunk in which the limiter acts is counted once. At 48 kHz a loud
// call of 1000 frames is 3 chunks of 480 (the first 54 frames are silence);
// at 4 kHz the chunk floor of 64 frames applies: 1000 = 15 x 64 + 40.
TEST(Rack, ChunksAre480FramesAt48kAndAtLeast64) {
  for (const auto& [rate, hz, chunks] : {std::tuple{48000, 1000, 3}, std::tuple{4000, 100, 16}}) {
    fx::Rack r;
    r.set_format(static_cast<float>(rate));
    r.set_params(loud_clean());
    Buffer b = fxtest::sine(hz, 0.9, 1000, rate);
    r.process(b.data(), 1000);
    EXPECT_EQ(r.limiter_blocks(), chunks) << rate;
  }
}

// During a glide the output depends on where the 32-frame glide blocks fall,
// so a call split exactly at chunk boundaries matches one whole call, and a
// split elsewhere does not.
TEST(Rack, CallsSplitAtChunkBoundariesMatchOneCall) {
  fx::Params target = fxtest::neutral();
  target.knob[fx::kDrive] = target.knob[fx::kOutput] = 0.5f;
  auto render = [&](std::vector<int> calls) {
    fx::Rack r;
    r.set_params(fxtest::neutral());
    Buffer warm = fxtest::sine(440, 0.3, 960);
    fxtest::process(&r, &warm);
    r.set_params(target);
    Buffer b = fxtest::sine(440, 0.3, 1000);
    for (int off = 0, k = 0; off < 1000; off += calls[k++]) r.process(b.data() + 2 * off, calls[k]);
    return b;
  };
  const Buffer whole = render({1000});
  EXPECT_EQ(render({480, 480, 40}), whole);
  EXPECT_NE(render({500, 500}), whole);
}

// A non-finite chunk is zeroed, counted and clears the state: a NaN that
// reached the limiter's envelope would keep it NaN for good, and
// "envelope > 0.9" would never again be true.
TEST(Rack, NonFiniteChunkIsZeroedAndTheRackRecovers) {
  fx::Params loud = loud_clean();
  loud.tube_on = true;
  for (float bad : {kNaN, kInf}) {
    for (bool scalar : {false, true}) {
      SCOPED_TRACE(std::to_string(bad) + (scalar ? " scalar" : " lanes"));
      fx::Rack r;
      r.set_scalar_reference(scalar);
      r.set_params(loud);
      Buffer b = fxtest::sine(330, 0.5, 480 * 4);
      b[2 * (480 + 100)] = bad;
      fxtest::process(&r, &b);
      EXPECT_EQ(r.resets(), 1);
      EXPECT_EQ(deviation(Buffer(b.begin() + 960, b.begin() + 1920)), 0.0);
      fx::Meters m;
      r.take_meters(&m);
      EXPECT_TRUE(std::isfinite(m.in_mean_l) && std::isfinite(m.in_peak_l) && m.fresh);
      const std::int64_t limited = r.limiter_blocks();
      Buffer after = fxtest::sine(440, 0.5, 4800);
      fxtest::process(&r, &after);
      EXPECT_LE(deviation(after), 0.9 + 1e-6);
      EXPECT_GT(deviation(after), 0.85);
      EXPECT_EQ(r.limiter_blocks() - limited, 10);
    }
  }
}

TEST(Rack, NonFiniteAndOutOfRangeKnobsAreBroughtIntoRange) {
  for (float bad : {kNaN, kInf, -7.0f, 9.0f}) {
    fx::Params p;
    p.tube_on = p.comp_on = p.limiter_on = true;
    p.knob.fill(bad);
    fx::Rack r;
    r.set_params(p);
    Buffer b = fxtest::sine(440, 0.5, 9600);
    fxtest::process(&r, &b);
    EXPECT_LT(deviation(b), 1.0) << bad;
    EXPECT_EQ(r.resets(), 0) << bad;
  }
}

// Switched off, the tube still sounds 0.1 s later; from 1 down to 0.001 the
// fade takes ln(1000)/(32/1440) = 311 blocks of 32 frames (0.21 s), after
// which it is exactly 0 and the output is the dry signal, 54 frames late.
TEST(Rack, TubeFadeOutReachesZeroAndSleeps) {
  fx::Params p = fx::standard_params();
  p.comp_on = false;
  fx::Rack r;
  r.set_params(p);
  Buffer warm = fxtest::sine(220, 0.3, 4800);
  fxtest::process(&r, &warm);
  p.tube_on = false;
  r.set_params(p);
  const Buffer in = fxtest::sine(220, 0.3, 4800);
  Buffer early = in, middle = fxtest::sine(220, 0.3, 9600), late = in;
  fxtest::process(&r, &early);
  fxtest::process(&r, &middle);
  fx::Meters m;
  r.take_meters(&m);
  fxtest::process(&r, &late);
  EXPECT_GT(deviation(early, in, 54, 54), 1e-4);
  EXPECT_EQ(deviation(late, in, 54, 54), 0.0);
  r.take_meters(&m);
  EXPECT_EQ(m.tube_drive_l + m.tube_drive_r, 0.0f);
}

// Mean and peak per channel; a second take without new audio reports nothing.
TEST(Rack, MetersReportLevels) {
  fx::Rack r;
  r.set_params(fx::clean_params());
  Buffer b = fxtest::sine(1000, 0.5, 48000);
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

// -18 dB, 4:1, hard knee: -6 dBFS comes out 9 dB down (a line of the
// self-test), and the meters say so.
TEST(Compressor, MetersShowNineDbOfReductionAtMinusSixDbfs) {
  fx::Params p = fx::clean_params();
  p.comp_on = true;
  p.limiter_on = false;
  p.knob[fx::kThreshold] = 0.625f;
  p.knob[fx::kRatio] = 0.46275642f;
  p.knob[fx::kAttack] = 0.33f;  // about 1 ms
  p.knob[fx::kRelease] = 0.5f;  // 200 ms
  p.knob[fx::kKnee] = p.knob[fx::kMakeup] = 0.0f;
  p.knob[fx::kMix] = 1.0f;
  const double amp = 0.5011872336272722;
  fx::Rack r;
  r.set_params(p);
  Buffer b = fxtest::sine(1000, amp, 96000);
  fx::Meters m;
  // The first second's meters hold the side chain's onset; start afresh.
  fxtest::process(&r, &b, 480, [&](int off) {
    if (off == 48000) r.take_meters(&m);
  });
  r.take_meters(&m);
  EXPECT_NEAR(m.gain_reduction_db, 9.0, 1.0);
  EXPECT_NEAR(m.detector_db, -6.0, 0.05);
  p.knob[fx::kMix] = 0.0f;  // leaves the signal as it was
  EXPECT_NEAR(fxtest::db(fxtest::tone(fxtest::run(p, fxtest::sine(1000, amp, 48000)), 1000, 24000) / amp), 0.0, 0.01);
}

}  // namespace
