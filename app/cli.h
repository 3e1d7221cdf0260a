#pragma once
// Command-line vocabulary of the program: version, help text, known switches.
#include <array>
#include <string>
#include <vector>

namespace cli {

inline constexpr const char* kVersion = "1.0.1";
inline constexpr const char* kBuild = "1026";

// Switches the unknown-switch test accepts, in this order. "--version",
// "--help", "-h" and "--selftest" are dispatched before that test runs; the
// three "--apo-*" switches have no effect on this platform; "--headless" runs
// the normal start-up without a window.
inline constexpr std::array<const char*, 13> kKnown = {
    "--compact", "--devices", "--device", "--no-takeover", "--off", "--size", "--theme",
    "--preset", "--collapsed", "--apo-install", "--apo-uninstall", "--apo-status",
    "--headless"};

// The help text as one printf format; its two "%s" take version and build.
extern const char* const kHelp;

bool has(const std::vector<std::string>& args, const std::string& sw);

// The argument after the first one equal to `sw`; empty when `sw` is absent
// or last, or when there are fewer than two arguments.
std::string arg_value(const std::vector<std::string>& args, const std::string& sw);

// The first argument that starts with "--" and is not in kKnown, or empty.
std::string first_unknown(const std::vector<std::string>& args);

}  // namespace cli
