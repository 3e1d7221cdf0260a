#pragma once
// The desktop's autostart entry for this program.
#include <string>

namespace autostart {

bool enabled();
bool set(bool on, const std::string& extra_args);
std::string command();
void migrate();

}  // namespace autostart
