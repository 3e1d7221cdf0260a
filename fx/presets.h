#pragma once
// Built-in presets of the two rack units and the two stock parameter sets.
#include <string>
#include <vector>

#include "fx/params.h"

namespace fx {

struct UnitPreset {
  const char* key;            // also the translation key of the preset's name
  std::vector<float> values;  // the unit's knobs, unit_first..unit_last
};

const std::vector<UnitPreset>& unit_presets(int unit);
int find_unit_preset(int unit, const std::string& key);
void apply_unit_preset(int unit, int index, Params* p);
void apply_unit(int unit, const Params& src, Params* dst);
bool unit_same(int unit, const Params& a, const Params& b);
bool same(const Params& a, const Params& b);
Params standard_params();
Params clean_params();

}  // namespace fx
