#pragma once
// Where the program keeps its files and what the desktop asks for, answered
// from the environment each time it is asked.
#include <string>

namespace paths {

// The configuration directory (created with its parents, mode 0700), or the
// self-test override unchanged when one is set.
std::string config_dir();
void set_config_dir_for_selftest(const std::string& dir);

// "snap", "flatpak", "appimage" or "plain".
const char* package_kind();
bool is_sandboxed();

// A path as shown to the user; unchanged on this platform.
std::string display(const std::string& path);

// The desktop's language tag, e.g. "de_DE", "pt_BR" or "fr"; "en" when the
// environment names none.
std::string system_language();

}  // namespace paths
