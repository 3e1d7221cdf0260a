#pragma once
// One common-cathode triode stage (12AX7-type model), solved per sub-sample by
// Newton on the plate current. Internal to the rack.
#include "fx/simd2.h"

namespace fx {

// Circuit constants shared by both stages.
constexpr double kSupplyV = 250.0;
constexpr double kPlateOhm = 100000.0;
constexpr double kStage2Ck = 22e-6;
constexpr double kCouplingF = 22e-9;
constexpr double kGridLeakOhm = 1e6;
constexpr double kGridCurrentOhm = 68000.0;
constexpr double kGridSoftV = 0.8;
constexpr double kInterstage = 0.05;
constexpr int kNewtonMaxIter = 12;
constexpr double kNewtonTol = 1e-9;

struct Stage {
  // Parameters.
  double dt = 0, rk = 0, ck = 0;
  // State.
  double vk = 0, hist = 0, ip = 0, ip_prev = 0, vc = 0;
  // Operating point.
  double q_vp = 0, q_vk = 0, q_ip = 0, q_gain = 0;
  // Derived from dt, rk and ck whenever they change: G = 2·Ck/dt and the
  // cathode network's equivalent resistance 1/(1/Rk + G).
  double g = 0, req = 0;
};

struct TriodeEval {
  double ip, gm, gp;
};

// Plate current and its slopes for a grid-cathode and plate-cathode voltage,
// with the standard library's exp, log1p and pow.
TriodeEval triode_eval(double vgk, double vpk);

// Sets dt, Rk, Ck and the derived values.
void stage_set(Stage* s, double dt, double rk, double ck);

// Solves the quiescent point from the stage's stored current (or 1 mA).
void stage_solve_point(Stage* s);

// Puts the stage into its quiescent state; vc is the coupling capacitor's voltage.
void stage_rest(Stage* s, double vc);

// One scalar time step; returns the plate voltage to ground, *gk the grid-cathode
// voltage. *iters, when given, grows by the Newton iterations used.
double stage_step(Stage* s, double u_in, double* gk, long* iters);

// The per-step values of one two-lane Newton solve (V = simd2::V2), or of
// two solves run side by side (V = simd2::V2x2). i is the running iterate,
// result each lane's value once it converged (or the last iterate), done the
// lanes that converged.
template <typename V>
struct NewtonStep {
  V vg, h_src, i, result, req, req_plate, vpk_rest, vgk_rest, done;
};

// The five state values of one stage for both channels at once.
struct StageV {
  simd2::V2 vk, hist, ip, ip_prev, vc;
  void rest(const Stage& s, double vc0);
  // One time step with the parameters of s (channel 0's stage) for both lanes.
  simd2::V2 run(const Stage& s, simd2::V2 in, simd2::V2* gk, long* iters);

  // The pieces of run.
  using Step = NewtonStep<simd2::V2>;
  void begin(const Stage& s, simd2::V2 in, simd2::V2* gk, Step* st);
  simd2::V2 finish(const Stage& s, const Step& st);
};

// Two independent steps (stage 1 of one sub-sample and stage 2 of the previous
// one) solved in one loop, so the processor overlaps their dependency chains.
// Each is exactly the step StageV::run would take.
void run_pair(StageV* a, const Stage& sa, simd2::V2 in_a, simd2::V2* gk_a, simd2::V2* out_a, StageV* b,
              const Stage& sb, simd2::V2 in_b, simd2::V2* gk_b, simd2::V2* out_b, long* iters);

}  // namespace fx
