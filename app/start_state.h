#pragma once
// The start-state switches (--off, --compact, --collapsed, --size, --theme,
// --preset) applied to the settings record at start-up.
#include <string>
#include <vector>

#include "settings/settings.h"

namespace start_state {

void apply(const std::vector<std::string>& args, Settings* s);

}  // namespace start_state
