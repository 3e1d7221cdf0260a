#pragma once
// Quiescent operating point of one triode stage, for display and the self-test.

namespace fx {

struct TubePoint {
  double plate_v;
  double cathode_v;
  double current_ma;
  double gain;
};

TubePoint tube_point(float bias);

}  // namespace fx
