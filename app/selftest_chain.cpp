// The self-test's effect-chain checks (1-12), its load line and the soft-clip
// check (22).
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "app/con.h"
#include "app/selftest.h"
#include "fx/presets.h"
#include "fx/rack.h"
#include "fx/triode.h"

namespace selftest {

namespace {

constexpr int kRate = 48000;
constexpr int kBlock = 480;
constexpr double kTwoPi = 6.283185307179586;

using Buffer = std::vector<float>;

Buffer sine(double frequency, double amplitude, double seconds) {
  const int frames = static_cast<int>(seconds * kRate);
  Buffer b(2 * static_cast<size_t>(frames));
  for (int i = 0; i < frames; ++i) {
    const float v = static_cast<float>(amplitude * std::sin(kTwoPi * frequency * i / kRate));
    b[2 * i] = v;
    b[2 * i + 1] = v;
  }
  return b;
}

fx::Params neutral() {
  fx::Params p = fx::clean_params();
  p.tube_on = true;
  p.comp_on = false;
  for (int i = 0; i < fx::kKnobs; ++i) p.knob[i] = fx::knob_default(i);
  p.knob[fx::kDrive] = 0.0f;
  p.knob[fx::kFat] = 1.0f;
  return p;
}

void process_in_blocks(fx::Rack* rack, Buffer* buffer) {
  const int frames = static_cast<int>(buffer->size() / 2);
  for (int off = 0; off < frames; off += kBlock) {
    rack->process(buffer->data() + 2 * off, std::min(kBlock, frames - off));
  }
}

void run_with(const fx::Params& params, Buffer* buffer, bool scalar) {
  fx::Rack rack;
  rack.set_format(kRate);
  rack.set_params(params);
  rack.set_scalar_reference(scalar);
  process_in_blocks(&rack, buffer);
}

void run(const fx::Params& params, Buffer* buffer) { run_with(params, buffer, false); }

// Amplitude of one frequency in the left channel by the Goertzel recurrence.
double tone(const Buffer& b, double frequency, double skip = 0.3) {
  const size_t frames = b.size() / 2;
  const size_t first = static_cast<size_t>(skip * kRate);
  if (first >= frames) return 0.0;
  const double w = kTwoPi * frequency / kRate;
  const double coeff = 2.0 * std::cos(w);
  double s1 = 0.0, s2 = 0.0;
  for (size_t i = first; i < frames; ++i) {
    const double s = b[2 * i] + coeff * s1 - s2;
    s2 = s1;
    s1 = s;
  }
  double power = s1 * s1 + s2 * s2 - coeff * s1 * s2;
  if (!(power > 0.0)) power = 0.0;
  return 2.0 * std::sqrt(power) / static_cast<double>(frames - first);
}

// Level of a ratio in dB; *ok turns false when the reference is too small to
// give a meaningful ratio.
double db(double value, double reference, bool* ok) {
  if (reference < 1e-12) {
    *ok = false;
    return -240.0;
  }
  return 20.0 * std::log10(std::max(value / reference, 1e-12));
}

void check_clean(int* failures) {
  const int latency = fx::Rack().latency();
  const Buffer in = sine(1000, 0.5, 0.5);
  Buffer out = in;
  run(fx::clean_params(), &out);
  double dev = 0.0;
  for (size_t i = 2 * static_cast<size_t>(latency); i < out.size(); ++i) {
    dev = std::max(dev, std::fabs(static_cast<double>(out[i]) - in[i - 2 * latency]));
  }
  report(failures, dev < 1e-6,
         format("Pur: um %d Proben verzoegert, groesste Abweichung %.2e", latency, dev));
}

void check_point(int* failures) {
  const fx::TubePoint t = fx::tube_point(0.5f);
  const bool ok = t.plate_v > 140 && t.plate_v < 200 && t.cathode_v > 0.9 && t.cathode_v < 1.6 &&
                  t.current_ma > 0.5 && t.current_ma < 1.2 && t.gain > -70 && t.gain < -50;
  report(failures, ok,
         format("Arbeitspunkt der Triode: Anode %.1f V, Kathode %.2f V, %.3f mA, Verstaerkung %.1f",
                t.plate_v, t.cathode_v, t.current_ma, t.gain));
}

void check_drive_zero(int* failures) {
  Buffer b = sine(1000, 0.1, 1.0);
  run(neutral(), &b);
  const double t1 = tone(b, 1000);
  const double t2 = tone(b, 2000);
  bool ok = true;
  const double level = db(t1, 0.1, &ok);
  bool h2_ok = true;
  const double h2 = db(t2, t1, &h2_ok);
  ok = ok && std::fabs(level) < 0.2 && (h2 < -50.0 || (h2_ok && t2 / t1 < 1e-12));
  report(failures, ok, format("Roehre, Drive 0: Pegel %+.2f dB, H2 %.1f dB", level, h2));
}

void check_drive_high(int* failures) {
  fx::Params p = neutral();
  p.knob[fx::kDrive] = 0.85f;
  p.limiter_on = false;
  p.knob[fx::kOutput] = 0.4f;
  Buffer b = sine(1000, 0.25, 1.0);
  run(p, &b);
  const double t1 = tone(b, 1000);
  bool ok = true;
  const double h2 = db(tone(b, 2000), t1, &ok);
  const double h3 = db(tone(b, 3000), t1, &ok);
  ok = ok && h2 > -30.0 && h3 > -40.0;
  report(failures, ok, format("Roehre, Drive 34 dB: H2 %.1f dB, H3 %.1f dB", h2, h3));
}

void check_image(int* failures) {
  fx::Params p = neutral();
  p.knob[fx::kDrive] = 1.0f;
  p.limiter_on = false;
  p.knob[fx::kOutput] = 0.3f;
  Buffer b = sine(15000, 0.5, 1.0);
  run(p, &b);
  bool ok = true;
  const double v = db(tone(b, 3000), tone(b, 15000), &ok);
  report(failures, ok && v < -40.0,
         format("Spiegelfrequenz bei 3 kHz (15 kHz, Drive voll): %.1f dB", v));
}

void check_blend(int* failures) {
  fx::Params p = neutral();
  p.knob[fx::kBlend] = 0.5f;
  double worst = 0.0;
  bool ok = true;
  for (double f : {1000.0, 5000.0, 10000.0, 15000.0, 19000.0}) {
    Buffer b = sine(f, 0.1, 0.6);
    run(p, &b);
    worst = std::max(worst, std::fabs(db(tone(b, f), 0.1, &ok)));
  }
  report(failures, ok && worst < 0.2,
         format("Blend 50 %%, 1 bis 19 kHz: groesste Abweichung %.2f dB", worst));
}

void check_tone(int* failures) {
  fx::Params p = neutral();
  p.knob[fx::kBass] = 1.0f;
  p.knob[fx::kTreble] = 0.0f;
  Buffer lo = sine(60, 0.05, 1.5);
  run(p, &lo);
  Buffer hi = sine(10000, 0.05, 1.0);
  run(p, &hi);
  bool ok = true;
  const double bass = db(tone(lo, 60, 0.8), 0.05, &ok);
  const double treble = db(tone(hi, 10000), 0.05, &ok);
  ok = ok && bass > 9.0 && bass < 13.5 && treble > -13.5 && treble < -9.0;
  report(failures, ok,
         format("Klang: Bass +12 -> 60 Hz %+.1f dB, Hoehen -12 -> 10 kHz %+.1f dB", bass, treble));
}

void check_lanes(int* failures) {
  double worst = 0.0;
  for (float drive : {0.2f, 0.6f, 1.0f}) {
    fx::Params p = fx::standard_params();
    p.knob[fx::kDrive] = drive;
    const Buffer in = sine(220, 0.6, 0.5);
    Buffer lanes = in;
    Buffer scalar = in;
    run(p, &lanes);
    run_with(p, &scalar, true);
    for (size_t i = 0; i < in.size(); ++i) {
      const double d = std::fabs(static_cast<double>(lanes[i]) - scalar[i]);
      worst = std::isfinite(d) ? std::max(worst, d) : INFINITY;
    }
  }
  report(failures, worst < 1e-6,
         format("SSE2 (L und R zugleich) gegen skalar: groesste Abweichung %.2e", worst));
}

void check_compressor(int* failures) {
  fx::Params p = fx::clean_params();
  p.comp_on = true;
  p.limiter_on = false;
  p.knob[fx::kThreshold] = 0.625f;
  p.knob[fx::kRatio] = 0.46275642f;
  p.knob[fx::kAttack] = 0.33f;
  p.knob[fx::kRelease] = 0.5f;
  p.knob[fx::kKnee] = 0.0f;
  p.knob[fx::kMakeup] = 0.0f;
  p.knob[fx::kMix] = 1.0f;
  const double amp = 0.5011872336272722;
  Buffer b = sine(1000, amp, 2.0);
  run(p, &b);
  bool ok = true;
  const double v = db(tone(b, 1000, 1.0), amp, &ok);
  report(failures, ok && std::fabs(v - -9.0) < 1.0,
         format("Kompressor -18 dB, 4:1: -6 dBFS -> %+.2f dB (erwartet -9)", v));
}

void check_full_noise(int* failures) {
  fx::Params p;
  p.tube_on = p.comp_on = p.limiter_on = true;
  p.knob.fill(1.0f);
  std::uint32_t u = 12345;
  for (bool limiter : {true, false}) {
    p.limiter_on = limiter;
    const int frames = 288000;
    Buffer b(2 * static_cast<size_t>(frames));
    for (float& s : b) {
      u = u * 1664525u + 1013904223u;
      s = static_cast<float>((u >> 8) * 1.1920929e-07 - 1.0);
    }
    run(p, &b);
    double peak = 0.0;
    bool finite = true;
    for (float s : b) {
      if (!std::isfinite(s)) finite = false;
      else peak = std::max(peak, static_cast<double>(std::fabs(s)));
    }
    report(failures, finite && peak <= 0.98,
           format("Alles voll, Rauschen 0 dBFS, Limiter %s: Spitze %.4f, endlich %s", limiter ? "an" : "AUS",
                  peak, finite ? "ja" : "NEIN"));
  }
}

void check_bias_sweep(int* failures) {
  fx::Rack rack;
  rack.set_format(kRate);
  fx::Params p = neutral();
  rack.set_params(p);
  Buffer b(2 * 960);
  double peak = 0.0;
  for (int k = 0; k < 300; ++k) {
    p.knob[fx::kBias] = (k / 25) % 2 == 1 ? 1.0f : 0.0f;
    p.knob[fx::kFat] = (k / 40) % 2 == 1 ? 1.0f : 0.0f;
    rack.set_params(p);
    std::fill(b.begin(), b.end(), 0.0f);
    rack.process(b.data(), 960);
    for (float s : b) peak = std::isfinite(s) ? std::max(peak, static_cast<double>(std::fabs(s))) : INFINITY;
  }
  report(failures, peak < 0.01, format("Bias und Fat von Anschlag zu Anschlag bei Stille: Spitze %.4f", peak));
}

void check_presets(int* failures) {
  size_t count = 0;
  int conspicuous = 0;
  for (int unit = 0; unit < 2; ++unit) {
    const size_t n = fx::unit_presets(unit).size();
    for (size_t i = 0; i < n; ++i) {
      fx::Params p = fx::standard_params();
      fx::apply_unit_preset(unit, static_cast<int>(i), &p);
      Buffer b = sine(220, 0.9, 1.0);
      run(p, &b);
      bool bad = false;
      for (float s : b) bad |= !std::isfinite(s) || std::fabs(s) > 0.98f;
      conspicuous += bad ? 1 : 0;
      ++count;
    }
  }
  report(failures, conspicuous == 0,
         format("Voreinstellungen beider Einschuebe (%zu) mit lautem Ton: %d auffaellig", count, conspicuous));
}

void load_line() {
  const int frames = 960000;
  Buffer b(2 * static_cast<size_t>(frames));
  for (int i = 0; i < frames; ++i) {
    const float v = static_cast<float>(0.3 * std::sin(kTwoPi * 110 * i / kRate) +
                                       0.1 * std::sin(kTwoPi * 1760 * i / kRate));
    b[2 * i] = v;
    b[2 * i + 1] = v;
  }
  const auto start = std::chrono::steady_clock::now();
  run(fx::standard_params(), &b);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  con::printf("        Rechenlast: %.1f %% eines Kerns (20 s Ton in %.2f s)\n", seconds / 20.0 * 100.0, seconds);
}

}  // namespace

void chain_checks(int* failures) {
  check_clean(failures);
  check_point(failures);
  check_drive_zero(failures);
  check_drive_high(failures);
  check_image(failures);
  check_blend(failures);
  check_tone(failures);
  check_lanes(failures);
  check_compressor(failures);
  check_full_noise(failures);
  check_bias_sweep(failures);
  check_presets(failures);
  load_line();
}

void clip_check(int* failures) {
  const float pos = fx::soft_clip(3.0f);
  const float neg = fx::soft_clip(-3.0f);
  const float mid = fx::soft_clip(0.5f);
  report(failures, pos <= 0.98f && neg >= -0.98f && mid == 0.5f,
         format("Begrenzer: 3.0 -> %.3f, 0.5 unveraendert", pos));
}

}  // namespace selftest
