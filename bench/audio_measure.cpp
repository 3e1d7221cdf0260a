// Measures the running program against a private sound server:
//   - the latency the effect path adds: a click played into the virtual sink
//     against the same click played straight to the device, both found on the
//     device's monitor;
//   - underruns and dropped blocks during a run of the given length;
//   - the program's CPU share while idle (effect on, nothing playing), while
//     processing a sine, and with the effect off.
// Usage: vlm_audio_measure pulse|pipewire [seconds]
#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/audio/sound_server.h"

namespace {

double cpu_seconds(pid_t pid) {
  const std::string stat = th::read_file("/proc/" + std::to_string(pid) + "/stat");
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

// CPU share of pid (all its threads) over a window, in percent of one core.
double cpu_percent(pid_t pid, double seconds) {
  const double c0 = cpu_seconds(pid);
  const auto t0 = std::chrono::steady_clock::now();
  std::this_thread::sleep_for(std::chrono::milliseconds(static_cast<int>(seconds * 1000)));
  const double c1 = cpu_seconds(pid);
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  return 100.0 * (c1 - c0) / wall;
}

// Onsets (frame numbers) where a channel first rises above half its peak.
std::vector<long> onsets(const std::vector<float>& st, int ch, long min_gap) {
  float peak = 0;
  for (std::size_t i = static_cast<std::size_t>(ch); i < st.size(); i += 2) {
    peak = std::max(peak, std::fabs(st[i]));
  }
  std::vector<long> out;
  if (peak < 1e-3f) return out;
  long last = -min_gap;
  for (std::size_t i = 0; i < st.size() / 2; ++i) {
    const long n = static_cast<long>(i);
    if (std::fabs(st[2 * i + static_cast<std::size_t>(ch)]) > peak * 0.5f && n - last >= min_gap) {
      out.push_back(n);
      last = n;
    }
  }
  return out;
}

double median(std::vector<double> v) {
  if (v.empty()) return NAN;
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

pid_t wait_effect(const std::vector<std::string>& args, th::Server* server) {
  std::vector<std::string> argv{VLM_BINARY};
  argv.insert(argv.end(), args.begin(), args.end());
  const pid_t pid = th::spawn(argv, server->dir() + "/program.out");
  th::wait_for([] { return th::sink_of_app("Velmora") == "speakers"; }, 10000);
  return pid;
}

}  // namespace

int main(int argc, char** argv) {
  const th::Kind kind =
      argc > 1 && std::string(argv[1]) == "pipewire" ? th::Kind::pipewire : th::Kind::pulse;
  const int run_s = argc > 2 ? std::atoi(argv[2]) : 60;
  th::Server server(kind);
  if (!server.start()) {
    std::fprintf(stderr, "%s did not start\n%s", th::kind_name(kind), server.log_text().c_str());
    return 1;
  }
  std::printf("== %s\n", th::kind_name(kind));

  pid_t prog = wait_effect({"--headless"}, &server);
  std::this_thread::sleep_for(std::chrono::seconds(2));
  std::printf("cpu idle (effect on, nothing playing): %.2f %%\n", cpu_percent(prog, 10));

  // Clicks every 500 ms: left through the effect, right straight to the device.
  const pid_t clicks =
      th::spawn({VLM_TEST_PLAYER, "--app", "Klicks", "--click-ms", "500", "--amp", "0.5",
                 "--no-move", "--device", "velmora", "--channel", "l", "--device2", "speakers",
                 "--channel2", "r"},
                server.dir() + "/player.log");
  std::this_thread::sleep_for(std::chrono::seconds(3));
  const std::vector<float> rec = th::record("speakers.monitor", 6.0);
  const std::vector<long> l = onsets(rec, 0, 12000);
  const std::vector<long> r = onsets(rec, 1, 12000);
  if (std::getenv("VLM_MEASURE_DEBUG")) {
    for (long a : l) std::printf("  left onset %ld\n", a);
    for (long a : r) std::printf("  right onset %ld\n", a);
  }
  std::vector<double> delays;
  for (long a : r) {
    for (long b : l) {
      if (b >= a && b - a < 12000) delays.push_back(static_cast<double>(b - a) / 48.0);
    }
  }
  std::printf("added latency (median of %zu clicks): %.1f ms\n", delays.size(), median(delays));
  th::stop_child(clicks);

  const pid_t sine = th::spawn({VLM_TEST_PLAYER, "--app", "Sinus", "--amp", "0.3"},
                               server.dir() + "/player.log");
  th::wait_for([] { return th::sink_of_app("Sinus") == "velmora"; }, 5000);
  std::printf("cpu processing a sine: %.2f %%\n", cpu_percent(prog, 10));
  std::printf("running %d s with the sine ...\n", run_s);
  std::fflush(stdout);
  std::this_thread::sleep_for(std::chrono::seconds(std::max(0, run_s - 10)));
  kill(prog, SIGTERM);
  th::wait_for([&] { return th::reaped(prog); }, 10000);
  const std::string log = th::read_file(server.config_dir() + "/Velmora.log");
  const std::size_t p = log.find("Tonweg gesamt");
  std::printf("underruns and drops: %s\n",
              p == std::string::npos ? "none (no \"Tonweg gesamt\" line)"
                                     : log.substr(p, log.find('\n', p) - p).c_str());
  std::printf("minute reports: %d\n", th::count_of(log, "Tonweg letzte Minute"));

  prog = th::spawn({VLM_BINARY, "--headless", "--off"}, server.dir() + "/program.out");
  std::this_thread::sleep_for(std::chrono::seconds(3));
  std::printf("cpu effect off (metering a sine): %.2f %%\n", cpu_percent(prog, 10));
  kill(prog, SIGTERM);
  th::wait_for([&] { return th::reaped(prog); }, 10000);
  th::stop_child(sine);
  return 0;
}
