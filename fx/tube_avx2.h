#pragma once
// The pipelined triode pair in four lanes for processors with AVX2 and FMA.
// Internal to the tube path.
#include "fx/oversampling.h"
#include "fx/triode_stage.h"

namespace fx {

// True when the processor (and the operating system) can run tube_pipe_avx2.
bool cpu_has_avx2_fma();

// The whole two-lane tube loop over subs sub-samples, as the pipelined two-lane
// form takes it (stage 2 one sub-sample behind stage 1, the same arithmetic per
// step), in one four-lane solve per step: y[k] receives stage 2's plate voltage
// of sub-sample k minus ref[k], *swing is raised to the largest grid swing
// |q_vk + gk| of either stage per lane, and *iters grows by the iterations of
// every stage solve.
void tube_steps_avx2(StageV* st1, const Stage& s1, StageV* st2, const Stage& s2, const simd2::V2* sub,
                     const double* ref, int subs, simd2::V2* y, simd2::V2* swing, long* iters);

// The 4x interpolation of a block of m frames for both channels: x = in[i] ·
// drive[i] through interpolator A, then each of its two outputs through
// interpolator B, into sub[4i … 4i + 3]. The same filters as Interp::run,
// two taps per instruction.
void interp_block_avx2(Ring<simd2::V2, 48>* hist_a, Ring<simd2::V2, 16>* hist_b, const HalfBandTaps& t,
                       const simd2::V2* in, const double* drive, int m, simd2::V2* sub);

}  // namespace fx
