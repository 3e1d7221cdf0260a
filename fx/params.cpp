#include "fx/params.h"

#include <cmath>
#include <cstdio>

namespace fx {

namespace {

constexpr float kDefaults[kKnobs] = {
    0.35f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 0.5f, 1.0f,
    0.625f, 0.3667f, 0.6667f, 0.4375f, 0.5f, 0.0f, 1.0f,
    2.0f / 3.0f};

constexpr const char* kKeys[kKnobs] = {
    "knob_drive", "knob_bias", "knob_fat", "knob_bass",
    "knob_mid", "knob_treble", "knob_presence", "knob_blend",
    "knob_threshold", "knob_ratio", "knob_attack", "knob_release",
    "knob_knee", "knob_makeup", "knob_mix", "knob_output"};

constexpr unsigned kBipolarMask = 0x807A;

std::string format(const char* fmt, double x) {
  char buf[32];
  std::snprintf(buf, sizeof buf, fmt, x);
  return buf;
}

// Signed dB texts print a plain +0.0 for anything that would round to zero,
// so a centred knob never reads "-0.0".
std::string signed_db(double x) {
  if (std::fabs(x) < 0.05) x = 0.0;
  return format("%+.1f dB", x);
}

}  // namespace

namespace {

template <typename T>
T unit_range_of(T v) {
  if (!std::isfinite(v) || v < T(0)) return T(0);
  return v > T(1) ? T(1) : v;
}

}  // namespace

float unit_range(float v) { return unit_range_of(v); }
double unit_range(double v) { return unit_range_of(v); }

std::string knob_key(int i) {
  if (i < 0 || i >= kKnobs) return "";
  return kKeys[i];
}

float knob_default(int i) {
  if (i < 0 || i >= kKnobs) return 0.5f;
  return kDefaults[i];
}

bool knob_bipolar(int i) {
  if (i < 0 || i >= kKnobs) return false;
  return (kBipolarMask >> i) & 1u;
}

int unit_first(int unit) { return unit == 0 ? 0 : 8; }
int unit_last(int unit) { return unit == 0 ? 7 : 14; }

float output_db(float v) { return 36.0f * unit_range(v) - 24.0f; }
float threshold_db(float v) { return -48.0f * (1.0f - unit_range(v)); }
float ratio(float v) { return powf(20.0f, unit_range(v)); }
float knee_db(float v) { return 12.0f * unit_range(v); }
float makeup_db(float v) { return 24.0f * unit_range(v); }

std::string describe(int i, float raw) {
  if (i < 0 || i >= kKnobs) return "";
  const float v = unit_range(raw);
  switch (i) {
    case kDrive:
      return format("+%.0f dB", 40.0 * v);
    case kBias: {
      const double r = 680.0 * std::pow(4.852941176470588, 1.0 - v);
      return r >= 1000.0 ? format("%.2f kΩ", r / 1000.0) : format("%.0f Ω", r);
    }
    case kFat: {
      const double c = std::pow(213.63636363636363, static_cast<double>(v)) * 2.2e-7 * 1e6;
      return c < 10.0 ? format("%.2f µF", c) : format("%.0f µF", c);
    }
    case kBass:
    case kMid:
    case kTreble:
      return signed_db(12.0 * (2.0 * v - 1.0));
    case kPresence:
      return signed_db(9.0 * (2.0 * v - 1.0));
    case kBlend:
    case kMix:
      return format("%.0f %%", 100.0 * v);
    case kThreshold: {
      // At the top of the range this is -0.0 and is shown with its sign.
      const float x = (1.0f - v) * -48.0f;
      return format("%.1f dB", x);
    }
    case kRatio: {
      const float r = powf(20.0f, v);
      return r < 10.0f ? format("%.1f:1", r) : format("%.0f:1", r);
    }
    case kAttack: {
      const float a = powf(1000.0f, v) * 0.1f;
      if (a < 1.0f) return format("%.2f ms", a);
      if (a < 10.0f) return format("%.1f ms", a);
      return format("%.0f ms", a);
    }
    case kRelease: {
      const float r = powf(100.0f, v) * 20.0f;
      return r >= 1000.0f ? format("%.2f s", r / 1000.0f) : format("%.0f ms", r);
    }
    case kKnee:
      return format("%.1f dB", 12.0f * v);
    case kMakeup:
      return format("+%.1f dB", 24.0f * v);
    case kOutput: {
      const float x = 36.0f * v - 24.0f;
      return signed_db(x);
    }
    default:
      return "";
  }
}

float comp_curve_db(const Params& p, float in_db) {
  const double k = knee_db(p.knob[kKnee]);
  const double r = ratio(p.knob[kRatio]);
  const double t = threshold_db(p.knob[kThreshold]);
  const double m = makeup_db(p.knob[kMakeup]);
  const double x = in_db;
  const double d = x - t;
  double out;
  if (2.0 * d < -k) {
    out = x;
  } else if (k > 0.0 && 2.0 * std::fabs(d) <= k) {
    out = x + (1.0 / r - 1.0) * (d + k / 2.0) * (d + k / 2.0) / (2.0 * k);
  } else {
    out = t + d / r;
  }
  return static_cast<float>(out + m);
}

float soft_clip(float x) {
  const float a = std::fabs(x);
  if (a <= 0.9f) return x;
  const float y = 0.9f + 0.08f * tanhf((a - 0.9f) / 0.08f);
  return std::copysign(y, x);
}

}  // namespace fx
