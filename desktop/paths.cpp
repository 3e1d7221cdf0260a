#include "desktop/paths.h"

#include "app/sys.h"

namespace paths {
namespace {

std::string g_selftest_dir;

using sys::env;

}  // namespace

std::string config_dir() {
  if (!g_selftest_dir.empty()) return g_selftest_dir;
  std::string dir;
  if (const char* xdg = env("XDG_CONFIG_HOME")) {
    dir = std::string(xdg) + "/Velmora";
  } else if (const char* home = env("HOME")) {
    dir = std::string(home) + "/.config/Velmora";
  } else {
    dir = ".Velmora";
  }
  sys::make_dirs(dir, 0700);
  return dir;
}

void set_config_dir_for_selftest(const std::string& dir) { g_selftest_dir = dir; }

const char* package_kind() {
  if (env("SNAP")) return "snap";
  if (env("FLATPAK_ID")) return "flatpak";
  if (env("APPDIR")) return "appimage";
  return "plain";
}

bool is_sandboxed() { return env("SNAP") != nullptr || env("FLATPAK_ID") != nullptr; }

std::string display(const std::string& path) { return path; }

std::string system_language() {
  for (const char* name : {"VLMR_LANG", "LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* v = env(name);
    if (v == nullptr) continue;
    std::string tag(v);
    tag = tag.substr(0, tag.find(':'));
    tag = tag.substr(0, tag.find('.'));
    tag = tag.substr(0, tag.find('@'));
    if (tag.size() >= 2 && tag != "POSIX") return tag;
  }
  return "en";
}

}  // namespace paths
