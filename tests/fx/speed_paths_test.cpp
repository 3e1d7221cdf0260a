// The rack's fast paths against their references: resting in digital silence
// against running every chunk in full.
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
