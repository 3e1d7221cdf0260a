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
  // Predictor of the next step's current (see Prediction).
  double di_dvg = 0, di_dvp = 0, vgk_rest = 0, vpk_rest = 0, pred_err = 0;
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
  // The tangent prediction this step started from, and the slopes of the
  // current at the accepted iterate (for the next prediction).
  V tangent, di_dvg, di_dvp;
};

// Prediction. With the cathode network linear in the current, the step's
// unknowns reduce to I, Vgk = vgk_rest - I·Req and Vpk = vpk_rest - I·(Req + Rp),
// where vgk_rest and vpk_rest are known before the solve. Linearising the triode
// at the last solution gives the tangent prediction
//   I ≈ I_last + dI/dvgk_rest · Δvgk_rest + dI/dvpk_rest · Δvpk_rest,
// with dI/dvgk_rest = gm/f' and dI/dvpk_rest = gp/f'. Its error is of second
// order in the step's change and changes slowly from step to step, so the last
// step's error is added as well. Newton then starts close enough that most
// steps meet the tolerance with their first update.
template <typename V>
inline V predict_current(V ip, V di_dvg, V di_dvp, V dvgk, V dvpk) {
  return ip + (di_dvg * dvgk + di_dvp * dvpk);
}

// A stage's parameters per lane: the same stage for both channels, or two
// different stages side by side.
struct LaneParams {
  simd2::V2 g, req, req_plate, vc_step;  // vc_step = dt / coupling capacitance
  static LaneParams of(const Stage& s) { return of(s, s); }
  static LaneParams of(const Stage& lo, const Stage& hi);
};

// The five state values of one stage for both channels at once.
struct StageV {
  simd2::V2 vk, hist, ip, ip_prev, vc;
  simd2::V2 di_dvg, di_dvp, vgk_rest, vpk_rest, pred_err;
  // The slopes and the prediction error of the step before (the four-lane
  // batches extrapolate them).
  simd2::V2 di_dvg_prev, di_dvp_prev, pred_err_prev;
  void rest(const Stage& s, double vc0);
  // One time step with the parameters of s (channel 0's stage) for both lanes.
  simd2::V2 run(const Stage& s, simd2::V2 in, simd2::V2* gk, long* iters);

  // The pieces of run.
  using Step = NewtonStep<simd2::V2>;
  void begin(const LaneParams& p, simd2::V2 in, simd2::V2* gk, Step* st);
  simd2::V2 finish(const LaneParams& p, const Step& st);

  // Two different stages in the two lanes (lo, hi), each with its own state:
  // load and save move the state in and out of the stages' own records.
  void load(const Stage& lo, const Stage& hi);
  void save(Stage* lo, Stage* hi) const;
  // One step where each lane has its own parameters; a lane whose bit (1: lo,
  // 2: hi) is clear in `live` is computed but keeps its state.
  simd2::V2 run_lanes(const LaneParams& p, simd2::V2 in, int live);
};

// Two independent steps (stage 1 of one sub-sample and stage 2 of the previous
// one) solved in one loop, so the processor overlaps their dependency chains.
// Each is exactly the step StageV::run would take.
void run_pair(StageV* a, const Stage& sa, simd2::V2 in_a, simd2::V2* gk_a, simd2::V2* out_a, StageV* b,
              const Stage& sb, simd2::V2 in_b, simd2::V2* gk_b, simd2::V2* out_b, long* iters);

}  // namespace fx
