// Measures the running program against a private sound server:
//   - the latency the effect path adds: a click played into the virtual sink
//     against the same click played straight to the device, both found on the
//     device's monitor, sampled every half minute over the run beside a sine
//     that plays throughout (one click player and one recorder for the whole
//     run; the player starts both its streams afresh for each sample);
//   - underruns and dropped blocks during the run, minute by minute, from the
//     program's own statistics lines, beside the moments the whole machine
//     stopped (bench/stall_probe.h);
//   - the program's CPU share while idle (effect on, nothing playing), while
//     processing a sine, and with the effect off.
// With --load N, N busy processes at nice 19 run beside it the whole time, as
// a compile on the side does on a real desktop.
// Usage: vlm_audio_measure pulse|pipewire [seconds] [--load N]
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "bench/proc_cpu.h"
#include "bench/clicks.h"
#include "bench/stall_probe.h"
#include "tests/audio/sound_server.h"

namespace {

// CPU share of pid (all its threads) over a window, in percent of one core.
double cpu_percent(pid_t pid, double seconds) {
  const double c0 = bench::cpu_seconds(pid);
  const auto t0 = std::chrono::steady_clock::now();
  std::this_thread::sleep_for(std::chrono::milliseconds(static_cast<int>(seconds * 1000)));
  const double c1 = bench::cpu_seconds(pid);
  const double wall =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  return 100.0 * (c1 - c0) / wall;
}

// The q-quantile (0…1) by the nearest rank.
double quantile(std::vector<double> v, double q) {
  if (v.empty()) return NAN;
  std::sort(v.begin(), v.end());
  const std::size_t k = static_cast<std::size_t>(std::ceil(q * static_cast<double>(v.size())));
  return v[std::min(v.size() - 1, k > 0 ? k - 1 : 0)];
}

// Interleaved stereo from a raw recording file: `seconds` starting at byte
// offset `from` (rounded down to a whole frame).
std::vector<float> read_raw(const std::string& path, long from, double seconds) {
  std::ifstream in(path, std::ios::binary);
  in.seekg(from / 8 * 8);
  std::vector<float> out(static_cast<std::size_t>(seconds * 48000) * 2);
  in.read(reinterpret_cast<char*>(out.data()),
          static_cast<std::streamsize>(out.size() * sizeof(float)));
  out.resize(static_cast<std::size_t>(std::max<std::streamsize>(0, in.gcount())) / 8 * 2);
  return out;
}

long file_size(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? static_cast<long>(st.st_size) : 0;
}

// A process that only burns the processor, at the lowest priority.
pid_t start_busy() {
  const pid_t pid = fork();
  if (pid != 0) return pid;
  setpriority(PRIO_PROCESS, 0, 19);
  volatile double x = 1;
  for (;;) x = x * 1.0000001 + 1e-9;
}

// Seconds since midnight of a log line's "HH:MM:SS" stamp, or -1.
long stamp_seconds(const std::string& line) {
  int h = 0, m = 0, sec = 0;
  for (std::size_t i = 0; i + 8 <= line.size(); ++i) {
    if (std::sscanf(line.c_str() + i, "%2d:%2d:%2d", &h, &m, &sec) == 3 && line[i + 2] == ':' &&
        line[i + 5] == ':') {
      return h * 3600L + m * 60L + sec;
    }
  }
  return -1;
}

long now_seconds_of_day() {
  const std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  return local.tm_hour * 3600L + local.tm_min * 60L + local.tm_sec;
}

// A statistics line with underruns: when it was written, in seconds of the
// run, and how many underruns the minute before it had.
struct UnderrunMinute {
  long end_s;
  long underruns;
};

// Underruns per minute of the run from the program's statistics lines ("Tonweg
// letzte Minute: Ax verworfen, Bx Puffer leer", written only for a minute with
// events); started is the run's start in seconds of the day.
std::vector<long> underruns_per_minute(const std::string& log, long started, int minutes,
                                       long* drops, std::vector<UnderrunMinute>* lines) {
  std::vector<long> per(static_cast<std::size_t>(std::max(1, minutes)), 0);
  *drops = 0;
  const std::string key = "Tonweg letzte Minute: ";
  std::istringstream in(log);
  for (std::string line; std::getline(in, line);) {
    const std::size_t p = line.find(key);
    if (p == std::string::npos) continue;
    long dropped = 0, under = 0;
    if (std::sscanf(line.c_str() + p + key.size(), "%ldx verworfen, %ldx Puffer leer", &dropped,
                    &under) != 2) {
      continue;
    }
    long at = stamp_seconds(line) - started;
    if (at < 0) at += 86400;  // the run crossed midnight
    // A line closes the minute that just ended; it may come up to 2 s late.
    const std::size_t minute =
        std::min(per.size() - 1, static_cast<std::size_t>(std::max(0L, at - 3) / 60));
    per[minute] += under;
    if (under > 0) lines->push_back({at, under});
    *drops += dropped;
  }
  return per;
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
  const int run_s = argc > 2 ? std::max(20, std::atoi(argv[2])) : 60;
  int load = 0;
  for (int i = 3; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], "--load") == 0) load = std::atoi(argv[i + 1]);
  }
  std::vector<pid_t> busy;
  for (int i = 0; i < load; ++i) busy.push_back(start_busy());
  th::Server server(kind);
  if (!server.start()) {
    std::fprintf(stderr, "%s did not start\n%s", th::kind_name(kind), server.log_text().c_str());
    for (pid_t b : busy) th::stop_child(b, SIGKILL);
    return 1;
  }
  std::printf("== %s, %d s, %d busy processes at nice 19\n", th::kind_name(kind), run_s, load);

  pid_t prog = wait_effect({"--headless"}, &server);
  const long started = now_seconds_of_day();
  const auto t0 = std::chrono::steady_clock::now();
  const double t0_s = bench::StallProbe::now_s();
  auto probe = std::make_unique<bench::StallProbe>();
  std::this_thread::sleep_for(std::chrono::seconds(2));
  std::printf("cpu idle (effect on, nothing playing): %.2f %%\n", cpu_percent(prog, 10));

  // Continuous playback through the effect: a quiet sine, and clicks every
  // 500 ms, left through the effect, right straight to the device.
  const pid_t sine = th::spawn({VLM_TEST_PLAYER, "--app", "Sinus", "--amp", "0.05", "--freq", "440"},
                               server.dir() + "/sine.log");
  // Every stream the measurement needs starts now and lasts the whole run: on
  // the PipeWire pulse server each new stream stalls the server's main loop
  // for some 20-40 ms (every client's data waits meanwhile), which would
  // count as the program's underruns. A steady silent stream straight to the
  // device holds the device's latency where the click player's direct stream
  // sets it.
  const pid_t anchor = th::spawn({VLM_TEST_PLAYER, "--app", "Anker", "--amp", "0", "--no-move",
                                  "--device", "speakers"},
                                 server.dir() + "/anchor.log");
  const std::string player_log = server.dir() + "/player.log";
  const pid_t clicks =
      th::spawn({VLM_TEST_PLAYER, "--app", "Klicks", "--click-ms", "500", "--amp", "0.5",
                 "--no-move", "--device", "velmora", "--channel", "l", "--device2", "speakers",
                 "--channel2", "r"},
                player_log);
  const std::string rec_file = server.dir() + "/monitor.raw";
  const pid_t recorder =
      th::spawn({"sh", "-c",
                 "exec parec -d speakers.monitor --raw --format=float32le --rate=48000 "
                 "--channels=2 --latency-msec=20 2>/dev/null"},
                rec_file);
  th::wait_for([] { return th::sink_of_app("Sinus") == "velmora"; }, 5000);
  std::printf("cpu processing: %.2f %%\n", cpu_percent(prog, 10));
  std::fflush(stdout);

  std::vector<double> delays;
  std::string trend;  // the median of each sample, in ms, in time order
  int spoilt = 0;     // samples with an underrun of the click player itself
  const auto end = t0 + std::chrono::seconds(run_s);
  const int sample_every_s = std::min(30, std::max(5, run_s / 6));
  while (std::chrono::steady_clock::now() + std::chrono::seconds(5) < end) {
    // The player starts both streams afresh from the same frame: the two
    // devices' clocks drift apart (about 150 ppm on PulseAudio's null sinks),
    // and over minutes the player's own shift would be counted as delay.
    kill(clicks, SIGUSR1);
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    const int player_underruns = th::count_of(th::read_file(player_log), "underrun");
    const long from = file_size(rec_file);
    std::this_thread::sleep_for(std::chrono::milliseconds(3100));
    std::vector<double> d = bench::click_delays_ms(read_raw(rec_file, from, 3.0));
    if (th::count_of(th::read_file(player_log), "underrun") != player_underruns) {
      d.clear();
      ++spoilt;
    }
    delays.insert(delays.end(), d.begin(), d.end());
    trend += ' ';
    trend += d.empty() ? std::string("-") : std::to_string(std::lround(quantile(d, 0.5)));
    const auto next = std::chrono::steady_clock::now() + std::chrono::seconds(sample_every_s - 5);
    std::this_thread::sleep_until(std::min(next, end));
  }
  std::this_thread::sleep_until(end);
  kill(prog, SIGTERM);
  th::wait_for([&] { return th::reaped(prog); }, 10000);
  th::stop_child(recorder);
  th::stop_child(clicks);
  th::stop_child(anchor);
  ::unlink(rec_file.c_str());
  for (pid_t b : busy) th::stop_child(b, SIGKILL);
  std::printf("latency samples (ms):%s\n", trend.c_str());
  if (spoilt > 0) std::printf("samples left out (the click player ran dry): %d\n", spoilt);
  std::printf("added latency over %zu clicks: median %.1f ms, 95th percentile %.1f ms, max %.1f ms\n",
              delays.size(), quantile(delays, 0.5), quantile(delays, 0.95), quantile(delays, 1.0));

  const std::string log = th::read_file(server.config_dir() + "/Velmora.log");
  const int minutes = (run_s + 59) / 60;
  long drops = 0;
  std::vector<UnderrunMinute> under_lines;
  std::vector<long> per = underruns_per_minute(log, started, minutes, &drops, &under_lines);
  // The last minute's events are in the run's total line only.
  const std::size_t p = log.find("Tonweg gesamt");
  const std::string total =
      p == std::string::npos ? std::string() : log.substr(p, log.find('\n', p) - p);
  const std::size_t q = total.find("leergelaufen ");
  long reported = 0;
  for (long v : per) reported += v;
  if (q != std::string::npos) per.back() += std::max(0L, std::atol(total.c_str() + q + 13) - reported);
  std::printf("underruns per minute:");
  long later = 0;
  for (std::size_t i = 0; i < per.size(); ++i) {
    std::printf(" %ld", per[i]);
    if (i > 0) later += per[i];
  }
  std::printf("\nunderruns after the first minute: %ld; dropped blocks: %ld\n", later, drops);
  const bool probed = probe->realtime();
  const std::vector<std::pair<double, double>> stops = probe->stops();
  probe.reset();
  if (probed) {
    std::vector<int> stops_per(per.size(), 0);
    std::string listed;
    for (const auto& [at, late_ms] : stops) {
      const double run_s_at = at - t0_s;
      if (run_s_at < 0 || run_s_at > run_s) continue;
      ++stops_per[std::min(per.size() - 1, static_cast<std::size_t>(run_s_at / 60))];
      char one[48];
      std::snprintf(one, sizeof one, " %.1f s (%.0f ms)", run_s_at, late_ms);
      listed += one;
    }
    std::printf("machine stops (a top-priority wake %.0f ms late or more) per minute:",
                bench::StallProbe::kLateMs);
    for (int n : stops_per) std::printf(" %d", n);
    std::printf("\nmachine stops at:%s\n", listed.empty() ? " none" : listed.c_str());
    // The program's minutes do not start with the run's: each of its lines is
    // set against the stops of the 60 s before it (with a second of slack for
    // the stamps' resolution).
    long apart = 0;
    for (const UnderrunMinute& m : under_lines) {
      const bool stopped = std::any_of(stops.begin(), stops.end(), [&](const auto& st) {
        const double x = st.first - t0_s;
        return x > static_cast<double>(m.end_s) - 62 && x <= static_cast<double>(m.end_s) + 1;
      });
      if (!stopped) apart += m.underruns;
    }
    std::printf("underruns in the program's minutes without a machine stop: %ld\n", apart);
  } else {
    std::printf("machine stops: not measured (no real-time priority)\n");
  }
  std::printf("program's total: %s\n", total.empty() ? "nothing dropped, no underrun" : total.c_str());
  for (const char* key : {"Echtzeit-Vorrang", "Puffer wieder aufgefuellt", "Verzoegerung zurueck"}) {
    const std::size_t k = log.find(key);
    if (k != std::string::npos) {
      const std::size_t b = log.rfind('\n', k) + 1;
      std::printf("log: %s\n", log.substr(b, log.find('\n', k) - b).c_str());
    }
  }

  prog = th::spawn({VLM_BINARY, "--headless", "--off"}, server.dir() + "/program.out");
  std::this_thread::sleep_for(std::chrono::seconds(3));
  std::printf("cpu effect off (metering a sine): %.2f %%\n", cpu_percent(prog, 10));
  kill(prog, SIGTERM);
  th::wait_for([&] { return th::reaped(prog); }, 10000);
  th::stop_child(sine);
  return 0;
}
