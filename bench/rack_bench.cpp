// Cost of the effect chain per second of audio at 48 kHz in 480-frame blocks,
// reported as percent of one core ("core_pct", the processing thread's own
// processor time, so that other load on the machine does not count), with the
// mean Newton iterations per triode solve where the tube runs. Then the
// standard chain against the peer plugin, when it is installed.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "bench/peer_compare.h"
#include "fx/presets.h"
#include "fx/rack.h"

namespace {

constexpr int kRate = 48000;
constexpr int kBlock = 480;

double thread_cpu_s() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// One second of the self-test's load signal: 110 Hz and 1760 Hz.
const std::vector<float>& load_signal() {
  static const std::vector<float> s = [] {
    std::vector<float> b(2 * kRate);
    for (int i = 0; i < kRate; ++i) {
      const double t = 6.283185307179586 * i / kRate;
      const float v = static_cast<float>(0.3 * std::sin(110 * t) + 0.1 * std::sin(1760 * t));
      b[2 * i] = b[2 * i + 1] = v;
    }
    return b;
  }();
  return s;
}

// glide_bias: the bias knob jumps between 0.4 and 0.6 every second, so the
// operating points are solved again and the settling copy runs throughout.
void run_chain(benchmark::State& state, const fx::Params& params, bool scalar, bool glide_bias = false) {
  fx::Rack rack;
  rack.set_format(kRate);
  rack.set_params(params);
  rack.set_scalar_reference(scalar);
  std::vector<float> buf(2 * kRate);
  double busy_s = 0.0;
  fx::Params moving = params;
  for (auto _ : state) {
    if (glide_bias) {
      moving.knob[fx::kBias] = moving.knob[fx::kBias] == 0.4f ? 0.6f : 0.4f;
      rack.set_params(moving);
    }
    buf = load_signal();
    const double start = thread_cpu_s();
    for (int off = 0; off < kRate; off += kBlock) rack.process(buf.data() + 2 * off, kBlock);
    busy_s += thread_cpu_s() - start;
    benchmark::DoNotOptimize(buf.data());
  }
  // Each iteration is one second of audio, so seconds of processing per
  // iteration x 100 is the percentage of one core.
  state.counters["core_pct"] = 100.0 * busy_s / static_cast<double>(state.iterations());
  state.counters["newton_iter"] = rack.mean_newton_iterations();
}

fx::Params tube_alone() {
  fx::Params p = fx::standard_params();
  p.comp_on = false;
  p.limiter_on = false;
  return p;
}

void BM_StandardChain(benchmark::State& s) { run_chain(s, fx::standard_params(), false); }
void BM_StandardChainBiasGlide(benchmark::State& s) { run_chain(s, fx::standard_params(), false, true); }
void BM_CleanChain(benchmark::State& s) { run_chain(s, fx::clean_params(), false); }
void BM_TubeVectorised(benchmark::State& s) { run_chain(s, tube_alone(), false); }
void BM_TubeScalar(benchmark::State& s) { run_chain(s, tube_alone(), true); }
// Full drive: the grid conducts and the plate swings wide, the hardest case for
// the Newton start.
void BM_TubeFullDrive(benchmark::State& s) {
  fx::Params p = tube_alone();
  p.knob[fx::kDrive] = 1.0f;
  run_chain(s, p, false);
}
// The standard chain on digital silence, once it has come to rest (what the
// effect costs while nothing plays), and the same with resting switched off.
void silence(benchmark::State& state, bool rest) {
  fx::Rack rack;
  rack.set_rest(rest);
  std::vector<float> buf(2 * kRate, 0.0f);
  for (int second = 0; second < 2; ++second) {
    for (int off = 0; off < kRate; off += kBlock) rack.process(buf.data() + 2 * off, kBlock);
  }
  double busy_s = 0.0;
  for (auto _ : state) {
    std::fill(buf.begin(), buf.end(), 0.0f);
    const double start = thread_cpu_s();
    for (int off = 0; off < kRate; off += kBlock) rack.process(buf.data() + 2 * off, kBlock);
    busy_s += thread_cpu_s() - start;
    benchmark::DoNotOptimize(buf.data());
  }
  state.counters["core_pct"] = 100.0 * busy_s / static_cast<double>(state.iterations());
}
void BM_SilenceAtRest(benchmark::State& s) { silence(s, true); }
void BM_SilenceRunInFull(benchmark::State& s) { silence(s, false); }

void BM_CompressorAlone(benchmark::State& s) {
  fx::Params p = fx::standard_params();
  p.tube_on = false;
  p.limiter_on = false;
  run_chain(s, p, false);
}

BENCHMARK(BM_StandardChain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StandardChainBiasGlide)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CleanChain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TubeVectorised)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TubeScalar)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TubeFullDrive)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SilenceAtRest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SilenceRunInFull)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CompressorAlone)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  bench::compare_with_peer(5);
  return 0;
}
