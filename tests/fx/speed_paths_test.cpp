// The rack's fast paths against their references: every vectorised tube path
// against the scalar one, the pipelined two-lane form against the sequential
// one, and resting in digital silence against running every chunk in full.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "tests/fx/signal.h"

namespace {

using fxtest::Buffer;
using fxtest::deviation;
using fxtest::kRate;

// Signals for the tube paths: the self-test's sine, full-drive noise that
// drives the grid positive and the plate towards cut-off (channels differ),
// and a bias and fat moving while a sine plays (new operating points).
struct PathCase {
  std::string name;
  fx::Params params;
  Buffer in;
  bool move_bias;
};

std::vector<PathCase> path_cases() {
  fx::Params hot = fx::standard_params();
  hot.knob[fx::kDrive] = hot.knob[fx::kFat] = 1.0f;
  Buffer burst = fxtest::noise(9600, 1.0, 3);
  for (int i = 0; i < 4800; ++i) burst[2 * i + 1] *= 0.1f;
  return {{"sine 220 Hz 0.6", fx::standard_params(), fxtest::sine(220.0, 0.6, 24000), false},
          {"full-drive noise", hot, burst, false},
          {"bias and fat moving", fxtest::neutral(), fxtest::sine(330.0, 0.5, 24000), true}};
}

Buffer run_path(const PathCase& c, fx::TubePath path, int call = 480, double* iters = nullptr) {
  fx::Rack r;
  EXPECT_TRUE(r.set_tube_path(path));
  EXPECT_EQ(r.tube_path(), path);
  r.set_params(c.params);
  Buffer b = c.in;
  fxtest::process(&r, &b, call, [&](int off) {
    if (!c.move_bias) return;
    fx::Params p = c.params;
    p.knob[fx::kBias] = (off / 2400) % 2 ? 0.9f : 0.1f;
    p.knob[fx::kFat] = (off / 3840) % 2 ? 0.0f : 1.0f;
    r.set_params(p);
  });
  if (iters) *iters = r.mean_newton_iterations();
  return b;
}

std::vector<fx::TubePath> available(std::initializer_list<fx::TubePath> paths) {
  std::vector<fx::TubePath> out;
  for (fx::TubePath p : paths) {
    if (fx::Rack().set_tube_path(p)) out.push_back(p);
  }
  return out;
}

TEST(TubePaths, EveryVectorisedPathAgreesWithTheScalarReference) {
  for (const PathCase& c : path_cases()) {
    SCOPED_TRACE(c.name);
    const Buffer ref = run_path(c, fx::TubePath::scalar);
    ASSERT_GT(deviation(ref), 0.1);
    // The pipelined form gives the sequential one's output and iterations exactly.
    double it_seq = 0.0, it_pipe = 0.0;
    const Buffer seq = run_path(c, fx::TubePath::sse2_sequential, 480, &it_seq);
    EXPECT_EQ(run_path(c, fx::TubePath::sse2, 480, &it_pipe), seq);
    EXPECT_EQ(it_pipe, it_seq);
    EXPECT_GE(it_seq, 1.0);
    for (fx::TubePath p : available({fx::TubePath::sse2_sequential, fx::TubePath::avx2, fx::TubePath::avx2_batched,
                                     fx::TubePath::avx512_batched})) {
      EXPECT_LE(deviation(run_path(c, p), ref), 1e-6) << "path " << static_cast<int>(p);
    }
  }
}

// The batched paths carry their batches across calls: how the audio is cut
// into calls must not change a single sample, on any path.
TEST(TubePaths, OutputIsTheSameWhateverTheCallSizes) {
  for (fx::TubePath p : available({fx::TubePath::scalar, fx::TubePath::sse2, fx::TubePath::avx2_batched,
                                   fx::TubePath::avx512_batched})) {
    for (const PathCase& c : path_cases()) {
      if (c.move_bias) continue;  // the glides themselves follow the calls
      const Buffer ref = run_path(c, p);
      for (int call : {1, 17, 4096}) {
        EXPECT_EQ(run_path(c, p, call), ref)
            << "path " << static_cast<int>(p) << ", " << c.name << ", calls of " << call;
      }
    }
  }
}

TEST(TubePaths, DispatchIsTheFastestPathAndCanBeForcedEitherWay) {
  const bool avx2 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
  const bool avx512 = avx2 && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq") &&
                      __builtin_cpu_supports("avx512vl");
  fx::Rack r;
  EXPECT_EQ(r.tube_path(), avx512 ? fx::TubePath::avx512_batched
                           : avx2 ? fx::TubePath::avx2_batched
                                  : fx::TubePath::sse2);
  EXPECT_EQ(r.tube_path(), fx::best_tube_path());
  ASSERT_TRUE(r.set_tube_path(fx::TubePath::sse2));
  r.set_scalar_reference(true);
  EXPECT_EQ(r.tube_path(), fx::TubePath::scalar);
  r.set_scalar_reference(false);
  EXPECT_EQ(r.tube_path(), fx::best_tube_path());
  EXPECT_EQ(r.set_tube_path(fx::TubePath::avx512_batched), avx512);
  EXPECT_EQ(r.set_tube_path(fx::TubePath::avx2), avx2);
  EXPECT_EQ(r.tube_path(), avx2 ? fx::TubePath::avx2 : fx::best_tube_path());
}

// A rack that rests in digital silence gives the output of one that runs
// every chunk in full, also when parameters change during the silence. Each
// silence is little longer than it takes to come to rest, so that what the
// rest advances in closed form (a 2 s compressor release, a limiter envelope
// that a very loud start keeps above the ceiling) still shapes the quieter
// signal that follows.
TEST(Rest, SignalSilenceSignalMatchesRunningEveryChunk) {
  const fx::Params standard = fx::standard_params();
  auto with = [](fx::Params p, int knob, float v) {
    p.knob[knob] = v;
    return p;
  };
  fx::Params tube_off = standard;
  tube_off.tube_on = false;
  const struct {
    const char* name;
    fx::Params params, in_silence;
    double amp, silence_s;
  } cases[] = {
      {"limiter held over the rest", with(fx::clean_params(), fx::kOutput, 1.0f), {}, 1000.0, 1.2},
      {"2 s compressor release", with(with(standard, fx::kRelease, 1.0f), fx::kThreshold, 0.0f), {}, 0.7, 2.0},
      {"tube unheard (blend 0)", with(fxtest::neutral(), fx::kBlend, 0.0f), {}, 0.5, 2.0},
      {"bias and tone moved in silence", standard, with(with(standard, fx::kBias, 0.9f), fx::kBass, 0.2f), 0.5, 2.0},
      {"tube switched off in silence", standard, tube_off, 0.5, 2.0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Buffer in = fxtest::sine(220.0, c.amp, kRate);
    in.resize(in.size() + 2 * static_cast<size_t>(c.silence_s * kRate), 0.0f);
    const size_t resume = in.size();
    const Buffer noise = fxtest::noise(kRate / 2, 0.2, 7), sine = fxtest::sine(97.0, 0.2, kRate / 2);
    in.insert(in.end(), noise.begin(), noise.end());
    in.insert(in.end(), sine.begin(), sine.end());
    Buffer out[2] = {in, in};
    fx::Rack racks[2];
    for (int k = 0; k < 2; ++k) {
      racks[k].set_rest(k == 0);
      racks[k].set_params(c.params);
      fxtest::process(&racks[k], &out[k], 480, [&](int off) {
        if (off == 5 * kRate / 2 && !fx::same(c.in_silence, fx::Params())) racks[k].set_params(c.in_silence);
      });
    }
    EXPECT_GT(racks[0].rested_chunks(), 0);
    EXPECT_EQ(racks[1].rested_chunks(), 0);
    EXPECT_LE(deviation(out[0], out[1]), 1e-6);
    EXPECT_GT(deviation(out[0], {}, 0, static_cast<int>(resume / 2)), 0.05) << "the signal resumed";
  }
}

TEST(Rest, MetersFallToRestWhileResting) {
  fx::Rack r;
  r.set_params(fx::standard_params());
  Buffer b = fxtest::sine(440.0, 0.8, kRate);
  b.resize(b.size() + 2 * 4 * kRate, 0.0f);
  fx::Meters m;
  fxtest::process(&r, &b, 480, [&](int off) {
    if (off == 4 * kRate) r.take_meters(&m);  // the period that includes the end of the tail
  });
  const std::int64_t rested = r.rested_chunks();
  ASSERT_GT(rested, 0);
  Buffer more(2 * 4800, 0.0f);
  fxtest::process(&r, &more);
  ASSERT_EQ(r.rested_chunks(), rested + 10);
  r.take_meters(&m);
  EXPECT_TRUE(m.fresh);
  EXPECT_EQ(m.in_peak_l + m.out_peak_r + m.out_mean_l, 0.0f);
  EXPECT_LT(m.gain_reduction_db, 0.01f);
  EXPECT_LT(m.tube_drive_l, 0.01f);
}

}  // namespace
