#include "fx/presets.h"

#include <cmath>

namespace fx {

namespace {

// Physical values: drive dB, bias, fat, bass/mid/treble/presence dB, blend.
struct TubeRow {
  const char* key;
  double drive_db, bias, fat, bass_db, mid_db, treble_db, presence_db, blend;
};

constexpr TubeRow kTube[] = {
    {"preset_warm", 14, 0.5, 0.6, 1.5, 0, 0.5, 1, 1.0},
    {"preset_neutral", 6, 0.5, 0.75, 0, 0, 0, 0, 1.0},
    {"preset_gentle", 8, 0.5, 0.55, 1, 0, 0, 0.5, 0.7},
    {"preset_shine", 16, 0.55, 0.45, 0, -1, 2.5, 3, 1.0},
    {"preset_vintage", 22, 0.4, 0.4, -1.5, 2, -3, -2, 1.0},
    {"preset_fat", 18, 0.55, 1.0, 4.5, -1, 0.5, 0, 1.0},
    {"preset_crunch", 34, 0.6, 0.65, 1, 2.5, 1, 1.5, 0.85},
    {"preset_voice", 16, 0.5, 0.25, -3, 1.5, 1, 3.5, 1.0},
    {"preset_loudness", 14, 0.5, 0.7, 5, -1.5, 4, 1.5, 1.0},
    {"preset_radio", 26, 0.45, 0.1, -9, 5, -8, -4, 1.0},
};

// Physical values: threshold dB, ratio, attack ms, release ms, knee dB,
// makeup dB, mix.
struct CompRow {
  const char* key;
  double threshold_db, ratio, attack_ms, release_ms, knee_db, makeup_db, mix;
};

constexpr CompRow kComp[] = {
    {"cpreset_gentle", -20, 2.5, 15, 200, 8, 3, 1.0},
    {"preset_glue", -22, 2, 30, 400, 6, 3, 0.8},
    {"cpreset_punch", -20, 4, 20, 120, 4, 2.9, 1.0},
    {"cpreset_vocal", -26, 4, 5, 160, 6, 8.5, 1.0},
    {"cpreset_parallel", -36, 8, 2, 150, 4, 18, 0.45},
    {"preset_night", -34, 8, 3, 300, 10, 18, 1.0},
    {"cpreset_peaks", -8, 20, 0.3, 80, 2, 0, 1.0},
    {"cpreset_level", -28, 3, 40, 1200, 12, 8.8, 1.0},
};

constexpr double kLn20 = 2.995732273553991;
constexpr double kLn1000 = 6.907755278982137;
constexpr double kLn100 = 4.605170185988092;
constexpr float kKnobTolerance = 0.002f;

float normalised(double v) { return unit_range(static_cast<float>(v)); }

std::vector<UnitPreset> build_tube() {
  std::vector<UnitPreset> out;
  for (const TubeRow& r : kTube) {
    out.push_back({r.key,
                   {normalised(r.drive_db / 40.0), normalised(r.bias), normalised(r.fat),
                    normalised((r.bass_db / 12.0 + 1.0) * 0.5),
                    normalised((r.mid_db / 12.0 + 1.0) * 0.5),
                    normalised((r.treble_db / 12.0 + 1.0) * 0.5),
                    normalised((r.presence_db / 9.0 + 1.0) * 0.5), normalised(r.blend)}});
  }
  return out;
}

std::vector<UnitPreset> build_comp() {
  std::vector<UnitPreset> out;
  for (const CompRow& r : kComp) {
    out.push_back({r.key,
                   {normalised(r.threshold_db / 48.0 + 1.0), normalised(std::log(r.ratio) / kLn20),
                    normalised(std::log(r.attack_ms / 0.1) / kLn1000),
                    normalised(std::log(r.release_ms / 20.0) / kLn100), normalised(r.knee_db / 12.0),
                    normalised(r.makeup_db / 24.0), normalised(r.mix)}});
  }
  return out;
}

bool knobs_close(const Params& a, const Params& b, int first, int last) {
  for (int i = first; i <= last; ++i) {
    if (!(std::fabs(a.knob[i] - b.knob[i]) <= kKnobTolerance)) return false;
  }
  return true;
}

}  // namespace

const std::vector<UnitPreset>& unit_presets(int unit) {
  if (unit == 0) {
    static const std::vector<UnitPreset> tube = build_tube();
    return tube;
  }
  static const std::vector<UnitPreset> comp = build_comp();
  return comp;
}

int find_unit_preset(int unit, const std::string& key) {
  const std::vector<UnitPreset>& list = unit_presets(unit);
  for (size_t i = 0; i < list.size(); ++i) {
    if (key == list[i].key) return static_cast<int>(i);
  }
  return -1;
}

void apply_unit_preset(int unit, int index, Params* p) {
  const std::vector<UnitPreset>& list = unit_presets(unit);
  if (index < 0 || index >= static_cast<int>(list.size())) return;
  const std::vector<float>& v = list[index].values;
  const int first = unit_first(unit);
  for (int i = first; i <= unit_last(unit); ++i) p->knob[i] = v[i - first];
  if (unit == 0) {
    p->tube_on = true;
  } else {
    p->comp_on = true;
  }
}

void apply_unit(int unit, const Params& src, Params* dst) {
  for (int i = unit_first(unit); i <= unit_last(unit); ++i) dst->knob[i] = src.knob[i];
  if (unit == 0) {
    dst->tube_on = src.tube_on;
  } else {
    dst->comp_on = src.comp_on;
  }
}

bool unit_same(int unit, const Params& a, const Params& b) {
  return knobs_close(a, b, unit_first(unit), unit_last(unit));
}

bool same(const Params& a, const Params& b) {
  return a.tube_on == b.tube_on && a.comp_on == b.comp_on && a.limiter_on == b.limiter_on &&
         knobs_close(a, b, 0, kKnobs - 1);
}

Params standard_params() {
  Params p;
  p.tube_on = p.comp_on = p.limiter_on = true;
  p.knob.fill(0.0f);
  p.knob[kOutput] = 2.0f / 3.0f;
  const int tube = find_unit_preset(0, "preset_warm");
  if (tube >= 0) {
    const std::vector<float>& v = unit_presets(0)[tube].values;
    for (int i = 0; i <= 7; ++i) p.knob[i] = v[i];
  }
  const int comp = find_unit_preset(1, "cpreset_gentle");
  if (comp >= 0) {
    const std::vector<float>& v = unit_presets(1)[comp].values;
    for (int i = 8; i <= 14; ++i) p.knob[i] = v[i - 8];
  }
  return p;
}

Params clean_params() {
  Params p = standard_params();
  p.tube_on = false;
  p.comp_on = false;
  return p;
}

}  // namespace fx
