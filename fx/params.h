#pragma once
// The effect's parameter set and every mapping from a normalised knob value
// (0..1) to the physical value it stands for. Stateless; callable from any thread.
#include <array>
#include <string>

namespace fx {

constexpr int kKnobs = 16;

// Knob indices. Unit 0 (tube) owns 0..7, unit 1 (compressor) owns 8..14;
// the output knob belongs to neither unit.
enum Knob : int {
  kDrive = 0, kBias, kFat, kBass, kMid, kTreble, kPresence, kBlend,
  kThreshold, kRatio, kAttack, kRelease, kKnee, kMakeup, kMix,
  kOutput
};

struct Params {
  bool tube_on = true;
  bool comp_on = true;
  bool limiter_on = true;
  std::array<float, kKnobs> knob{};
};

std::string knob_key(int i);
float knob_default(int i);

// The range rule every mapping applies first: NaN, infinities and values
// below 0 count as 0, values above 1 as 1.
float unit_range(float v);
double unit_range(double v);
bool knob_bipolar(int i);
int unit_first(int unit);
int unit_last(int unit);

float output_db(float v);
float threshold_db(float v);
float ratio(float v);
float knee_db(float v);
float makeup_db(float v);

// The value text shown under knob i at normalised value v.
std::string describe(int i, float v);

// Static compressor curve: output level in dB for an input level in dB,
// makeup included.
float comp_curve_db(const Params& p, float in_db);

// Transparent up to 0.9, then a tanh knee that never exceeds 0.98.
float soft_clip(float x);

}  // namespace fx
