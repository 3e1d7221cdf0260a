#pragma once
// Helpers shared by the tests of several folders: environment overrides that
// are undone afterwards, scratch directories, whole-file reads and writes.
#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace desktop_test {

// Sets the listed variables (nullptr unsets) for one scope and puts the old
// values back afterwards.
class EnvGuard {
 public:
  explicit EnvGuard(std::initializer_list<std::pair<const char*, const char*>> vars)
      : EnvGuard(std::vector<std::pair<const char*, const char*>>(vars)) {}
  explicit EnvGuard(const std::vector<std::pair<const char*, const char*>>& vars) {
    for (auto& [name, value] : vars) {
      const char* old = getenv(name);
      saved_.emplace_back(name, old != nullptr, old ? old : "");
      if (value) setenv(name, value, 1); else unsetenv(name);
    }
  }
  ~EnvGuard() {
    for (auto it = saved_.rbegin(); it != saved_.rend(); ++it) {
      auto& [name, had, value] = *it;
      if (had) setenv(name.c_str(), value.c_str(), 1); else unsetenv(name.c_str());
    }
  }
  EnvGuard(const EnvGuard&) = delete;
  EnvGuard& operator=(const EnvGuard&) = delete;

 private:
  std::vector<std::tuple<std::string, bool, std::string>> saved_;
};

// A scratch directory under `parent`, removed with everything in it.
class TempDir {
 public:
  explicit TempDir(const std::string& parent = "/tmp") {
    std::string tmpl = parent + "/vlmra-test-XXXXXX";
    if (mkdtemp(tmpl.data()) != nullptr) path_ = tmpl;
  }
  ~TempDir() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

inline std::string read_file(const std::string& path) {
  std::ostringstream s;
  s << std::ifstream(path, std::ios::binary).rdbuf();
  return s.str();
}

inline void write_file(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

}  // namespace desktop_test
