// Measures the window of the running program on a private X server (Xvfb) and
// a private PulseAudio daemon (never the user's):
//   - the time to the first picture (the program's own log line);
//   - resident memory of the program (and of its guard process);
//   - CPU while a sine plays and the needles move, once nothing plays and the
//     needles rest, and with the window minimised;
//   - CPU of the window-less run with the same sine, so that the window's own
//     share is the difference.
// Each run starts everything afresh; medians over the runs close the report.
// Usage: vlm_window_measure [runs] [seconds per CPU reading]
#include <signal.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bench/proc_cpu.h"
#include "tests/audio/sound_server.h"
#include "tests/ui/real_window.h"

namespace {

using bench::cpu_seconds;
using bench::cpu_seconds_of;

// The main thread alone: window, input and drawing, none of the audio.
double main_thread_seconds(pid_t pid) {
  const std::string p = std::to_string(pid);
  return cpu_seconds_of("/proc/" + p + "/task/" + p + "/stat");
}

// CPU share of pid (all its threads) over a window, in percent of one core;
// *main_thread receives the main thread's share.
double cpu_percent(pid_t pid, double seconds, double* main_thread = nullptr) {
  const double c0 = cpu_seconds(pid);
  const double m0 = main_thread_seconds(pid);
  const auto t0 = std::chrono::steady_clock::now();
  std::this_thread::sleep_for(std::chrono::milliseconds(static_cast<int>(seconds * 1000)));
  const double c1 = cpu_seconds(pid);
  const double m1 = main_thread_seconds(pid);
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  if (main_thread != nullptr) *main_thread = 100.0 * (m1 - m0) / wall;
  return 100.0 * (c1 - c0) / wall;
}

// A "Key:   123 kB" field of /proc/<pid>/<file>, in MB; NAN when missing.
double proc_mb(pid_t pid, const char* file, const char* key) {
  const std::string text = th::read_file("/proc/" + std::to_string(pid) + "/" + file);
  const std::size_t p = text.find(std::string("\n") + key);
  if (p == std::string::npos) return NAN;
  return std::atof(text.c_str() + p + 1 + std::strlen(key)) / 1024.0;
}

double median(std::vector<double> v) {
  v.erase(std::remove_if(v.begin(), v.end(), [](double x) { return std::isnan(x); }), v.end());
  if (v.empty()) return NAN;
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 != 0 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// A process of this name among the children of `parent` (other programs of
// the same name may run on the machine).
pid_t child_named(pid_t parent, const std::string& name) {
  for (pid_t c : th::children_of(parent)) {
    std::string comm = th::read_file("/proc/" + std::to_string(c) + "/comm");
    while (!comm.empty() && comm.back() == '\n') comm.pop_back();
    if (comm == name) return c;
  }
  return -1;
}

// The milliseconds of the log's "Erstes Bild nach N ms" line; NAN when missing.
double first_picture_ms(const std::string& log) {
  const std::string tag = "Erstes Bild nach ";
  const std::size_t p = log.find(tag);
  return p == std::string::npos ? NAN : std::atof(log.c_str() + p + tag.size());
}

std::string log_line(const std::string& log, const std::string& tag) {
  const std::size_t p = log.find(tag);
  if (p == std::string::npos) return "";
  return log.substr(p, log.find('\n', p) - p);
}

using Figures = std::map<std::string, double>;

// Waits (at most 3 s) until none of `pids` has used processor time for
// 200 ms. Servers that were just started keep busy for a few hundred
// milliseconds; on a desktop they have long been idle when the program starts.
void wait_quiet(const std::vector<pid_t>& pids) {
  const auto total = [&] {
    double t = 0;
    for (pid_t p : pids) t += cpu_seconds(p);
    return t;
  };
  double last = total();
  for (int quiet_ms = 0, waited_ms = 0; quiet_ms < 200 && waited_ms < 3000; waited_ms += 50) {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const double now = total();
    quiet_ms = now == last ? quiet_ms + 50 : 0;
    last = now;
  }
}

bool one_run(int run, double seconds, Figures* f) {
  rw::Session s;
  if (!s.start_servers()) {
    std::fprintf(stderr, "servers did not start\n");
    return false;
  }
  wait_quiet({s.x_server(), s.server().protocol_pid()});
  if (!s.start_program()) {
    std::fprintf(stderr, "no first picture\n%s", s.log().c_str());
    return false;
  }
  const pid_t prog = child_named(getpid(), "velmora");
  const pid_t guard = child_named(prog, "vlmra-waechter");
  const std::string log = s.log();
  (*f)["first picture ms"] = first_picture_ms(log);
  if (run == 0) std::printf("  %s\n", log_line(log, "Video: ").c_str());
  if (std::getenv("VLM_MEASURE_DEBUG") != nullptr) std::printf("%s", log.c_str());

  const pid_t sine = s.server().player("Sinus", "", {"--amp", "0.3"});
  th::wait_for([] { return th::sink_of_app("Sinus") == "velmora"; }, 5000);
  std::this_thread::sleep_for(std::chrono::seconds(2));
  (*f)["cpu % playing"] = cpu_percent(prog, seconds, &(*f)["cpu % main thread playing"]);
  // A look at the moving window, for checking the picture by eye.
  if (const char* shot = std::getenv("VLM_MEASURE_SHOT")) {
    th::run({"import", "-window", "root", std::string(shot) + "-" + std::to_string(run) + ".png"});
  }
  (*f)["rss MB"] = proc_mb(prog, "status", "VmRSS:");
  (*f)["pss MB"] = proc_mb(prog, "smaps_rollup", "Pss:");
  (*f)["guard rss MB"] = guard > 0 ? proc_mb(guard, "status", "VmRSS:") : NAN;

  th::stop_child(sine);
  // Needles, glow and the gain-reduction hold come to rest within seconds.
  std::this_thread::sleep_for(std::chrono::seconds(4));
  (*f)["cpu % idle"] = cpu_percent(prog, seconds, &(*f)["cpu % main thread idle"]);

  th::run({"xdotool", "windowminimize", s.id()});
  std::this_thread::sleep_for(std::chrono::seconds(1));
  // Without a window manager nobody iconifies the window; unmapping it is
  // what a window manager does to a minimised window.
  if (!th::run({"xdotool", "search", "--onlyvisible", "--name", "^Velmora$"}).empty()) {
    if (run == 0) std::printf("  (no window manager: minimised by unmapping the window)\n");
    th::run({"xdotool", "windowunmap", s.id()});
    std::this_thread::sleep_for(std::chrono::seconds(1));
  }
  (*f)["cpu % minimised"] = cpu_percent(prog, seconds, &(*f)["cpu % main thread minimised"]);
  (*f)["rss MB at end"] = proc_mb(prog, "status", "VmRSS:");
  if (!s.stop_program()) std::fprintf(stderr, "program did not end cleanly\n");

  // The same sine through the window-less run: the audio's own share.
  const pid_t headless = th::spawn({VLM_BINARY, "--headless"}, s.server().dir() + "/headless.out");
  th::wait_for([] { return th::sink_of_app("Velmora") == "speakers"; }, 10000);
  std::this_thread::sleep_for(std::chrono::seconds(2));
  (*f)["cpu % audio only (headless, idle)"] = cpu_percent(headless, seconds);
  const pid_t sine2 = s.server().player("Sinus", "", {"--amp", "0.3"});
  th::wait_for([] { return th::sink_of_app("Sinus") == "velmora"; }, 5000);
  std::this_thread::sleep_for(std::chrono::seconds(2));
  (*f)["cpu % audio only (headless, playing)"] = cpu_percent(headless, seconds);
  (*f)["rss MB headless"] = proc_mb(headless, "status", "VmRSS:");
  th::stop_child(sine2);
  th::stop_child(headless);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  // Builds of the other work on the machine run niced; the measured programs
  // (the X server, the sound server, the program) inherit this if allowed.
  const bool raised = setpriority(PRIO_PROCESS, 0, -10) == 0;
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
  const double seconds = argc > 2 ? std::max(1.0, std::atof(argv[2])) : 10.0;
  std::map<std::string, std::vector<double>> all;
  std::vector<std::string> order = {"first picture ms",
                                    "rss MB",
                                    "pss MB",
                                    "rss MB at end",
                                    "guard rss MB",
                                    "rss MB headless",
                                    "cpu % playing",
                                    "cpu % idle",
                                    "cpu % minimised",
                                    "cpu % main thread playing",
                                    "cpu % main thread idle",
                                    "cpu % main thread minimised",
                                    "cpu % audio only (headless, playing)",
                                    "cpu % audio only (headless, idle)"};
  for (int r = 0; r < runs; ++r) {
    Figures f;
    std::printf("run %d:\n", r + 1);
    std::fflush(stdout);
    if (!one_run(r, seconds, &f)) return 1;
    for (const std::string& k : order) {
      std::printf("  %-38s %8.2f\n", k.c_str(), f[k]);
      all[k].push_back(f[k]);
    }
    std::fflush(stdout);
  }
  std::printf("median of %d runs (load average now %s, %s):\n", runs,
              th::read_file("/proc/loadavg").substr(0, 14).c_str(),
              raised ? "measured at nice -10" : "measured at normal priority");
  for (const std::string& k : order) std::printf("  %-38s %8.2f\n", k.c_str(), median(all[k]));
  // The window's own share: the program less its window-less run.
  const double audio_playing = median(all["cpu % audio only (headless, playing)"]);
  const double audio_idle = median(all["cpu % audio only (headless, idle)"]);
  std::printf("  %-38s %8.2f\n", "cpu % window alone, playing",
              median(all["cpu % playing"]) - audio_playing);
  std::printf("  %-38s %8.2f\n", "cpu % window alone, idle",
              median(all["cpu % idle"]) - audio_idle);
  std::printf("  %-38s %8.2f\n", "cpu % window alone, minimised",
              median(all["cpu % minimised"]) - audio_idle);

  rw::Session x;
  if (x.start_servers()) std::printf("%s", th::run({VLM_FRAME_COST}).c_str());
  return 0;
}
