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

using fxtest::kRate;

// Appends `frames` of digital silence.
void append_silence(std::vector<float>* b, int frames) { b->resize(b->size() + 2 * static_cast<size_t>(frames), 0.0f); }

void append(std::vector<float>* b, const std::vector<float>& more) { b->insert(b->end(), more.begin(), more.end()); }

// Processes b in 480-frame calls; `before_call` may change the parameters
// before the call at the given frame offset.
void process(fx::Rack* r, std::vector<float>* b, const std::function<void(fx::Rack*, int)>& before_call) {
  const int frames = static_cast<int>(b->size() / 2);
  for (int off = 0; off < frames; off += 480) {
    before_call(r, off);
    r->process(b->data() + 2 * off, std::min(480, frames - off));
  }
}

fx::Params with(fx::Params p, int knob, float v) {
  p.knob[knob] = v;
  return p;
}

// Signals for the tube paths: the self-test's sine, full-drive noise that
// drives the grid positive and the plate towards cut-off, and a bias and fat
// moving while a sine plays (new operating points and the settling copy).
struct PathCase {
  std::string name;
  fx::Params params;
  std::vector<float> in;
  bool move_bias;
};

std::vector<PathCase> path_cases() {
  fx::Params hot = fx::standard_params();
  hot.knob[fx::kDrive] = 1.0f;
  hot.knob[fx::kFat] = 1.0f;
  std::vector<float> burst = fxtest::noise(9600, 1.0, 3);
  for (int i = 0; i < 4800; ++i) burst[2 * i + 1] *= 0.1f;  // channels differ
  return {
      {"sine 220 Hz 0.6", fx::standard_params(), fxtest::sine(220.0, 0.6, 24000), false},
      {"full-drive noise", hot, burst, false},
      {"bias and fat moving", fxtest::neutral(), fxtest::sine(330.0, 0.5, 24000), true},
  };
}

std::vector<float> run_path(const PathCase& c, fx::TubePath path, double* iters = nullptr) {
  fx::Rack r;
  EXPECT_TRUE(r.set_tube_path(path));
  EXPECT_EQ(r.tube_path(), path);
  r.set_params(c.params);
  std::vector<float> b = c.in;
  process(&r, &b, [&](fx::Rack* rack, int off) {
    if (!c.move_bias) return;
    fx::Params p = c.params;
    p.knob[fx::kBias] = (off / 2400) % 2 ? 0.9f : 0.1f;
    p.knob[fx::kFat] = (off / 3840) % 2 ? 0.0f : 1.0f;
    rack->set_params(p);
  });
  if (iters) *iters = r.mean_newton_iterations();
  return b;
}

double largest_difference(const std::vector<float>& a, const std::vector<float>& b) {
  double worst = 0.0;
  for (size_t i = 0; i < a.size(); ++i) worst = std::max(worst, std::fabs(static_cast<double>(a[i]) - b[i]));
  return worst;
}

TEST(TubePaths, EveryVectorisedPathAgreesWithTheScalarReference) {
  std::vector<fx::TubePath> paths = {fx::TubePath::sse2_sequential, fx::TubePath::sse2};
  for (fx::TubePath p : {fx::TubePath::avx2, fx::TubePath::avx2_batched, fx::TubePath::avx512_batched}) {
    if (fx::Rack().set_tube_path(p)) paths.push_back(p);
  }
  for (const PathCase& c : path_cases()) {
    SCOPED_TRACE(c.name);
    const std::vector<float> ref = run_path(c, fx::TubePath::scalar);
    double peak = 0.0;
    for (float v : ref) peak = std::max(peak, std::fabs(static_cast<double>(v)));
    ASSERT_GT(peak, 0.1);
    for (fx::TubePath p : paths) {
      EXPECT_LE(largest_difference(run_path(c, p), ref), 1e-6) << "path " << static_cast<int>(p);
    }
  }
}

// The batched paths carry their batches across calls: how the audio is cut
// into calls must not change a single sample.
TEST(TubePaths, BatchedPathsGiveTheSameOutputWhateverTheCallSizes) {
  for (fx::TubePath p : {fx::TubePath::avx2_batched, fx::TubePath::avx512_batched}) {
    if (!fx::Rack().set_tube_path(p)) continue;
    for (const PathCase& c : path_cases()) {
      if (c.move_bias) continue;  // the glides themselves follow the calls
      SCOPED_TRACE(c.name);
      std::vector<float> ref;
      for (int call : {480, 1, 17, 4096}) {
        fx::Rack r;
        ASSERT_TRUE(r.set_tube_path(p));
        r.set_params(c.params);
        std::vector<float> b = c.in;
        const int frames = static_cast<int>(b.size() / 2);
        for (int off = 0; off < frames; off += call) r.process(b.data() + 2 * off, std::min(call, frames - off));
        if (ref.empty()) {
          ref = b;
        } else {
          EXPECT_EQ(b, ref) << "path " << static_cast<int>(p) << ", calls of " << call;
        }
      }
    }
  }
}

TEST(TubePaths, DispatchIsTheFastestPathAndCanBeForcedEitherWay) {
  fx::Rack r;
  EXPECT_EQ(r.tube_path(), fx::best_tube_path());
  const bool avx2 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
  const bool avx512 = avx2 && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq") &&
                      __builtin_cpu_supports("avx512vl");
  EXPECT_EQ(fx::best_tube_path(), avx512 ? fx::TubePath::avx512_batched
                                  : avx2 ? fx::TubePath::avx2_batched
                                         : fx::TubePath::sse2);
  ASSERT_TRUE(r.set_tube_path(fx::TubePath::sse2));
  r.set_scalar_reference(true);
  EXPECT_EQ(r.tube_path(), fx::TubePath::scalar);
  r.set_scalar_reference(false);
  EXPECT_EQ(r.tube_path(), fx::best_tube_path());
  if (!avx512) {
    EXPECT_FALSE(r.set_tube_path(fx::TubePath::avx512_batched));
    EXPECT_EQ(r.tube_path(), fx::best_tube_path());
  }
  if (!avx2) {
    EXPECT_FALSE(r.set_tube_path(fx::TubePath::avx2));
    EXPECT_FALSE(r.set_tube_path(fx::TubePath::avx2_batched));
    EXPECT_EQ(r.tube_path(), fx::best_tube_path());
  }
}

TEST(TubePaths, PipelinedStagesGiveTheSequentialOutputExactly) {
  for (const PathCase& c : path_cases()) {
    SCOPED_TRACE(c.name);
    double it_seq = 0.0, it_pipe = 0.0;
    const std::vector<float> seq = run_path(c, fx::TubePath::sse2_sequential, &it_seq);
    EXPECT_EQ(run_path(c, fx::TubePath::sse2, &it_pipe), seq);
    EXPECT_EQ(it_pipe, it_seq);
    EXPECT_GE(it_seq, 1.0);
  }
}

struct RestCase {
  std::string name;
  fx::Params params;
  double amp;
  // A parameter set handed over in the middle of the silence (the rest must
  // end, the glide run, and the rest begin again), or none.
  bool change_in_silence;
  fx::Params changed;
};

TEST(Rest, SignalSilenceSignalMatchesRunningEveryChunk) {
  const fx::Params standard = fx::standard_params();
  fx::Params loud = with(standard, fx::kDrive, 1.0f);
  loud.knob[fx::kOutput] = 1.0f;  // drives the limiter hard before the silence
  fx::Params long_release = with(standard, fx::kRelease, 1.0f);
  long_release.knob[fx::kThreshold] = 0.0f;
  fx::Params dry_only = with(fxtest::neutral(), fx::kBlend, 0.0f);
  const std::vector<RestCase> cases = {
      {"standard", standard, 0.5, false, {}},
      {"limiter driven", loud, 0.9, false, {}},
      {"2 s compressor release", long_release, 0.7, false, {}},
      {"tube unheard (blend 0)", dry_only, 0.5, false, {}},
      {"bias and tone moved in silence", standard, 0.5, true, with(with(standard, fx::kBias, 0.9f), fx::kBass, 0.2f)},
      {"tube switched off in silence", standard, 0.5, true, [&] {
         fx::Params p = standard;
         p.tube_on = false;
         return p;
       }()},
  };
  for (const RestCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<float> in = fxtest::sine(220.0, c.amp, kRate);
    append_silence(&in, 6 * kRate);
    const int resume = static_cast<int>(in.size() / 2);
    append(&in, fxtest::noise(kRate / 2, c.amp, 7));
    append(&in, fxtest::sine(97.0, c.amp, kRate / 2));

    std::vector<float> out[2] = {in, in};
    fx::Rack racks[2];
    for (int k = 0; k < 2; ++k) {
      racks[k].set_rest(k == 0);
      racks[k].set_params(c.params);
      process(&racks[k], &out[k], [&](fx::Rack* r, int off) {
        if (c.change_in_silence && off == 3 * kRate) r->set_params(c.changed);
      });
    }
    EXPECT_GT(racks[0].rested_chunks(), 0);
    EXPECT_EQ(racks[1].rested_chunks(), 0);

    double worst = 0.0;
    int worst_at = 0;
    for (size_t i = 0; i < in.size(); ++i) {
      const double d = std::fabs(static_cast<double>(out[0][i]) - out[1][i]);
      if (d > worst) {
        worst = d;
        worst_at = static_cast<int>(i / 2);
      }
    }
    EXPECT_LE(worst, 1e-6) << "at frame " << worst_at << ", signal resumes at " << resume;
    // The comparison means something: the resumed signal is really there.
    double resumed_peak = 0.0;
    for (size_t i = 2 * static_cast<size_t>(resume); i < in.size(); ++i) resumed_peak = std::max(resumed_peak, std::fabs(static_cast<double>(out[0][i])));
    EXPECT_GT(resumed_peak, 0.05);
  }
}

TEST(Rest, MetersFallToRestWhileResting) {
  fx::Rack r;
  r.set_params(fx::standard_params());
  std::vector<float> b = fxtest::sine(440.0, 0.8, kRate);
  append_silence(&b, 4 * kRate);
  const int frames = static_cast<int>(b.size() / 2);
  fx::Meters m;
  for (int off = 0; off < frames; off += 480) {
    r.process(b.data() + 2 * off, 480);
    if (off == kRate - 480) {
      r.take_meters(&m);
      ASSERT_GT(m.out_peak_l, 0.1f);
    }
  }
  ASSERT_GT(r.rested_chunks(), 0);
  r.take_meters(&m);  // the period that includes the end of the tail
  const std::int64_t rested = r.rested_chunks();
  std::vector<float> more(2 * 4800, 0.0f);
  for (int off = 0; off < 4800; off += 480) r.process(more.data() + 2 * off, 480);
  ASSERT_EQ(r.rested_chunks(), rested + 10);
  r.take_meters(&m);
  EXPECT_TRUE(m.fresh);
  EXPECT_EQ(m.in_peak_l, 0.0f);
  EXPECT_EQ(m.out_peak_r, 0.0f);
  EXPECT_EQ(m.out_mean_l, 0.0f);
  EXPECT_LT(m.gain_reduction_db, 0.01f);
  EXPECT_LT(m.tube_drive_l, 0.01f);
}

}  // namespace
