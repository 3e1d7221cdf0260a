#pragma once
// The pipelined triode pair in four lanes, and the four-lane paths'
// interpolators and decimators, for processors with AVX2 and FMA (and the
// batched pair for AVX-512). Internal to the tube path.
#include "fx/oversampling.h"
#include "fx/triode_stage.h"

namespace fx {

// True when the processor (and the operating system) can run the AVX2 and
// FMA functions below, and the AVX-512 one.
bool cpu_has_avx2_fma();
bool cpu_has_avx512();

// The whole two-lane tube loop over subs sub-samples, as the pipelined two-lane
// form takes it (stage 2 one sub-sample behind stage 1, the same arithmetic per
// step), in one four-lane solve per step: y[k] receives stage 2's plate voltage
// of sub-sample k minus ref[k], *swing is raised to the largest grid swing
// |q_vk + gk| of either stage per lane, and *iters grows by the iterations of
// every stage solve.
void tube_steps_avx2(StageV* st1, const Stage& s1, StageV* st2, const Stage& s2, const simd2::V2* sub,
                     const double* ref, int subs, simd2::V2* y, simd2::V2* swing, long* iters);

// What the batched loop carries from one block to the next. It runs stage 2
// of a block's last sub-sample at the start of the next block, beside stage 1
// of that block's first (the result is only needed there, as the decimator's
// held value), and its batches run on across block ends, so that every step
// is solved the same way whatever the blocks are.
struct BatchCarry {
  static constexpr int kMaxBatch = 8;
  bool stage2_due = false;        // stage 2 of the last sub-sample is still to run
  simd2::V2 p1_last;              // stage 1's plate voltage on that sub-sample
  double ref_last = 0;            // and its reference voltage
  double g2 = 0, req2 = 0;        // stage 2's cathode network then
  int pos = 0;                    // steps of the current batch already taken
  int calm = 0;                   // steps still to be solved one by one
  StageV base1, base2;            // the state the current batch started from
  simd2::V2 base_p1;              // stage 1's plate voltage before it
  simd2::V2 base_in[kMaxBatch];   // stage 1's inputs of the steps taken
  void clear() { *this = BatchCarry(); }
};

// The same loop in batches whose Newton updates run side by side (see the
// batches in the source). y[k] receives stage 2's output of sub-sample k for
// k < subs - 1; the last one comes with the next block, which writes it to
// *held (the decimator's held value) before its first frame is decimated.
void tube_steps_avx2_batched(StageV* st1, const Stage& s1, StageV* st2, const Stage& s2, BatchCarry* carry,
                             const simd2::V2* sub, const double* ref, int subs, simd2::V2* y, simd2::V2* held,
                             simd2::V2* swing, long* iters);

// The same with the batch's Newton updates two steps to an AVX-512 register.
void tube_steps_avx512_batched(StageV* st1, const Stage& s1, StageV* st2, const Stage& s2, BatchCarry* carry,
                               const simd2::V2* sub, const double* ref, int subs, simd2::V2* y, simd2::V2* held,
                               simd2::V2* swing, long* iters);

// The history of a folded half-band branch of N taps for the four-lane
// paths, both channels, kept as pairs of consecutive values: slot k holds
// (x_k, x_k-1), written whole once per input and read back only whole, so
// that no load straddles a recent narrower store (the processor cannot
// forward one, and waits for the store to complete). Slots stored twice over
// as in Ring, newest first from w.
template <int N>
struct PairRing {
  static_assert(N % 4 == 0, "two folded taps per instruction, in pairs of slots");
  alignas(32) double slot[2 * N][4];
  simd2::V2 last;  // the newest value, the older half of the next slot
  int w = 0;
  void clear() {
    for (auto& s : slot) s[0] = s[1] = s[2] = s[3] = 0.0;
    last = simd2::V2();
    w = 0;
  }
};

// The 4x interpolation of a block of m frames for both channels: x = in[i] ·
// drive[i] through interpolator A, then each of its two outputs through
// interpolator B, into sub[4i … 4i + 3]. The same filters as Interp::run,
// two taps per instruction.
void interp_block_avx2(PairRing<48>* hist_a, PairRing<16>* hist_b, const HalfBandTaps& t, const simd2::V2* in,
                       const double* drive, int m, simd2::V2* sub);

// A x2 decimator's history split by phase, for the four-lane paths: of each
// pair (a, b) the taps of the half-band design meet only the b values (at
// even distances), and the a values only at the centre tap. So the b values
// go through the folded branch as an interpolator's input would, and the a
// values need no more than a delay line.
template <int N>
struct DecimRings {
  PairRing<N> second;            // the b values
  Ring<simd2::V2, N / 2> first;  // the a values
  void clear() {
    second.clear();
    first.clear();
  }
};

// The 4x decimation of a block of m frames for both channels, as Decim::run
// does it: decimator B takes (held, y[4i]) and (y[4i+1], y[4i+2]), y[4i+3]
// becomes the held value, decimator A takes the two results into raw[i].
void decim_block_avx2(DecimRings<16>* dec_b, DecimRings<48>* dec_a, const HalfBandTaps& t, simd2::V2* held,
                      const simd2::V2* y, int m, simd2::V2* raw);

}  // namespace fx
