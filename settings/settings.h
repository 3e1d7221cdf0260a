#pragma once
// The one persistent record of the program and its settings file.
#include <array>
#include <string>
#include <vector>

#include "fx/params.h"
#include "fx/presets.h"

struct UserPreset {
  std::string name;  // already cleaned: 1..32 characters
  fx::Params params;
};

struct Settings {
  fx::Params params = fx::standard_params();
  std::array<std::string, 2> unit_preset{"b:preset_warm", "b:cpreset_gentle"};
  std::array<std::vector<UserPreset>, 2> user_presets;
  bool active = true;
  bool active_on_start = true;
  bool compact = false;
  bool compact_on_top = true;
  std::string output;
  std::string last_default;
  int vu_mode = 1;
  std::string language = "auto";
  std::string theme = "dark";
  int win_x = -1, win_y = -1;
  int win_w = 0, win_h = 0;
  bool collapsed = false;
  int mini_x = -1, mini_y = -1;
  int mini_w = 0, mini_h = 0;
};

namespace settings {

std::string file_path();
// Never fails: the main file, else the backup, else the defaults.
Settings load();
// True when the new file is durably in place.
bool save(const Settings& s);
std::string clean_name(const std::string& name);

}  // namespace settings
