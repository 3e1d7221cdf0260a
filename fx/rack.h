#pragma once
// The real-time effect processor: glides towards the wanted parameters and
// processes interleaved stereo float audio in place.
//
// set_params, process, set_format, reset and set_scalar_reference must not run
// concurrently with one another (the owner serialises them). take_meters may be
// called from any other thread; the audio side only ever try-locks the meters.
#include <cstdint>
#include <memory>

#include "fx/params.h"

namespace fx {

struct Meters {
  float in_mean_l = 0, in_mean_r = 0;
  float out_mean_l = 0, out_mean_r = 0;
  float in_peak_l = 0, in_peak_r = 0;
  float out_peak_l = 0, out_peak_r = 0;
  float gain_reduction_db = 0;
  float detector_db = -120;
  float tube_drive_l = 0, tube_drive_r = 0;
  bool fresh = false;
};

// The arithmetic form of the tube path. scalar is the reference; the others
// solve both channels at once and agree with it to 1e-6: sse2_sequential
// solves stage 1 and then stage 2 for each sub-sample, sse2 runs stage 2 one
// sub-sample behind stage 1 in an interleaved pair (the same arithmetic,
// identical output), avx2 runs that pair in four lanes with fused multiply-add,
// avx2_batched solves several consecutive steps of that pair side by side, and
// avx512_batched does the same with twice the lanes per instruction.
enum class TubePath { scalar, sse2_sequential, sse2, avx2, avx2_batched, avx512_batched };

// The fastest path this processor runs.
TubePath best_tube_path();

class Rack {
 public:
  Rack();
  ~Rack();
  Rack(const Rack&) = delete;
  Rack& operator=(const Rack&) = delete;

  void set_format(float rate);
  void reset();
  void set_params(const Params& p);
  void process(float* frames, int count);
  void take_meters(Meters* out);
  int latency() const;
  // On: the scalar path; off: the fastest path (the default).
  void set_scalar_reference(bool on);
  // Selects a path; false, and nothing changes, when the processor lacks it.
  // Like set_scalar_reference, chosen before processing starts.
  bool set_tube_path(TubePath p);
  TubePath tube_path() const;
  std::int64_t limiter_blocks() const;
  std::int64_t resets() const;
  // Diagnostics for benchmarks: mean Newton iterations per triode solve since
  // construction (a two-lane solve of both channels counts once).
  double mean_newton_iterations() const;
  // Resting in digital silence (on by default; off runs every chunk in full,
  // as a reference) and the number of chunks skipped at rest so far.
  void set_rest(bool on);
  std::int64_t rested_chunks() const;

  struct Impl;

 private:
  std::unique_ptr<Impl> impl_;
};

}  // namespace fx
