#pragma once
// The pipelined triode pair in four lanes for processors with AVX2 and FMA.
// Internal to the tube path.
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

}  // namespace fx
