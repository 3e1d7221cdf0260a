// TEMPORARY: stands in until the effect engine lands; delete this file then.
#include "fx/presets.h"
namespace fx {
Params standard_params() { Params p; p.knob.fill(0.0f); p.knob[kOutput] = 2.0f / 3.0f; return p; }
Params clean_params() { Params p = standard_params(); p.tube_on = p.comp_on = false; return p; }
}  // namespace fx
