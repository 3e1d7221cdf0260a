#pragma once
// Processor time of another process (or one of its threads) from /proc, for
// the measuring tools.
#include <unistd.h>

#include <cstdlib>
#include <sstream>
#include <string>

#include "tests/audio/sound_server.h"

namespace bench {

// User plus system seconds from a /proc/.../stat file; 0 when it is gone.
inline double cpu_seconds_of(const std::string& stat_path) {
  const std::string stat = th::read_file(stat_path);
  const std::size_t p = stat.rfind(')');
  if (p == std::string::npos) return 0;
  std::istringstream in(stat.substr(p + 2));
  std::string field;
  long utime = 0, stime = 0;
  for (int i = 3; i <= 15 && in >> field; ++i) {
    if (i == 14) utime = std::atol(field.c_str());
    if (i == 15) stime = std::atol(field.c_str());
  }
  return static_cast<double>(utime + stime) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

// All threads of a process.
inline double cpu_seconds(pid_t pid) {
  return cpu_seconds_of("/proc/" + std::to_string(pid) + "/stat");
}

}  // namespace bench
