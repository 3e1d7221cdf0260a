#pragma once
// The rack's implementation object, shared by the frame (rack.cpp), the tone
// stage (tone.cpp), the tube path (tube_path.cpp) and the per-frame signal path
// (block.cpp). Internal to the effect engine.
#include <atomic>
#include <cstdint>
#include <mutex>

#include "fx/oversampling.h"
#include "fx/params.h"
#include "fx/rack.h"
#include "fx/triode_stage.h"
#include "fx/tube_avx2.h"

namespace fx {

constexpr int kLatency = 54;
constexpr int kDryLen = kLatency + 1;
constexpr int kGlideBlock = 32;

struct Biquad {
  double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
};

struct BiquadState {
  double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

// Direct form I.
inline double biquad_run(const Biquad& c, BiquadState& s, double x) {
  const double y = c.b0 * x + c.b1 * s.x1 + c.b2 * s.x2 - c.a1 * s.y1 - c.a2 * s.y2;
  s.x2 = s.x1;
  s.x1 = x;
  s.y2 = s.y1;
  s.y1 = y;
  return y;
}

// The same for both channels at once (the tone and side-chain sections have
// the same coefficients on both); the arithmetic per lane is biquad_run's.
struct BiquadState2 {
  simd2::V2 x1, x2, y1, y2;
};

inline simd2::V2 biquad_run2(const Biquad& c, BiquadState2& s, simd2::V2 x) {
  const simd2::V2 y = x * c.b0 + s.x1 * c.b1 + s.x2 * c.b2 - s.y1 * c.a1 - s.y2 * c.a2;
  s.x2 = s.x1;
  s.x1 = x;
  s.y2 = s.y1;
  s.y1 = y;
  return y;
}

// Meter accumulators of one meter period.
struct MeterAcc {
  double in_sum[2] = {0, 0}, out_sum[2] = {0, 0};
  float in_peak[2] = {0, 0}, out_peak[2] = {0, 0};
  float gain_reduction = 0;
  float detector = -120;
  float drive[2] = {0, 0};
  std::int64_t frames = 0;
};

struct Rack::Impl {
  struct Channel {
    Stage st1, st2;
    Interp<double, 48, 23> interp_a;
    Interp<double, 16, 7> interp_b;
    Decim<double, 16> dec_b;
    Decim<double, 48> dec_a;
    double held = 0;
    double dc_x = 0, dc_y = 0;
    double dry[kDryLen] = {};
    int dry_w = 0;
  };

  // Both channels' tube path in two lanes; parameters come from channel 0.
  struct TwoLane {
    StageV st1, st2;
    Interp<simd2::V2, 48, 23> interp_a;
    Interp<simd2::V2, 16, 7> interp_b;
    Decim<simd2::V2, 16> dec_b;
    Decim<simd2::V2, 48> dec_a;
    simd2::V2 held;
    simd2::V2 dc_x, dc_y;
    BatchCarry batch;  // the batched four-lane path's steps across blocks
    // The interpolators and decimators of the four-lane paths.
    PairRing<48> interp_a4;
    PairRing<16> interp_b4;
    DecimRings<16> dec_b4;
    DecimRings<48> dec_a4;
  };

  // Glided values (targets in Rack::Impl::targets).
  struct Glide {
    double drive = 0, bias = 0, fat = 0;
    double bass = 0, mid = 0, treble = 0, presence = 0;
    double blend = 0, tube_fade = 0, comp_fade = 0, mix = 0;
    double threshold = 0, ratio = 1, knee = 0, makeup = 0;
    double attack_ms = 0, release_ms = 0;
    double out_gain = 1;
  };

  Impl();

  // rack.cpp: the frame.
  void init();
  void snap();
  Glide targets() const;
  void process(float* frames, int count);
  void process_chunk(float* io, int n);
  void reset_signal_state();
  void merge_meters();

  // tube_path.cpp: triode stages, oversampling, settling, waking.
  void solve_points();
  void wake_tube();
  void clear_oversampling();
  void step_settling();
  double tube_sample(Channel& ch, double x, double drive, double* drive_peak);
  // The two-lane tube path for one block of m <= 32 frames: inputs, per-frame
  // drive gains, the tube unit's outputs; raises *drive_peak to the block's
  // largest grid swing per lane.
  void tube_block_v(const simd2::V2* in, const double* drive, int m, simd2::V2* wet, simd2::V2* drive_peak);

  // tone.cpp
  void update_tone();

  // rest.cpp: a chunk of digital silence skipped once the chain is at rest.
  // rest_chunk returns true when it took care of the chunk; note_rest records
  // after a processed chunk its largest output and tube value and whether a
  // glided value moved.
  bool rest_chunk(float* io, int n);
  void note_rest(double peak, bool moved);

  double rate = 48000;
  Params want;
  Glide gl;
  Channel ch[2];
  TwoLane lanes;
  Stage copy1, copy2;  // zero-input settling copy (channel 0's parameters)
  Biquad tone_c[4];
  Biquad side_c;
  BiquadState2 tone_s[4];  // the tone sections' states, left and right
  BiquadState2 side_s;     // the side-chain high-pass's
  double comp_env_db = 0;
  double lim_env = 0;
  double k_norm = 1;       // 1 / (gain1 · 0.05 · gain2)
  double q_ref = 0;        // channel 0 stage 2 quiescent plate voltage
  double sub_ref[4] = {};  // per sub-sample reference of the current frame
  long settle_count = 0;
  long settle_limit = 0;
  double solved_bias = -1, solved_fat = -1;
  int latency = kLatency;
  bool snapped = false, asleep = false, settling = false, scalar_ref = false;
  TubePath lanes_path = best_tube_path();  // the two-lane form when not scalar_ref
  std::int64_t silent_frames = 0;  // consecutive all-zero input frames
  bool at_rest = false;            // the last processed chunk ended at rest
  Params rest_want;                // the wanted set that chunk ran with
  bool rest_on = true;
  std::int64_t rested = 0;         // chunks skipped at rest

  // Newton iterations spent and solves run (one two-lane solve counts once).
  std::uint64_t newton_iters = 0, newton_solves = 0;

  MeterAcc local;
  MeterAcc shared;
  std::mutex meter_mtx;
  std::atomic<std::int64_t> limited_chunks{0};
  std::atomic<std::int64_t> reset_count{0};
};

}  // namespace fx
