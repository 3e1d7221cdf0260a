#include "bench/peer_compare.h"

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "fx/presets.h"
#include "fx/rack.h"

namespace bench {

namespace {

constexpr const char* kPeerUri = "http://guitarix.sourceforge.net/plugins/gx_studiopre_st#studiopre_st";
constexpr int kFrames = 960000;  // 20 s at 48 kHz, as the self-test's load line
constexpr int kBlock = 480;

struct Cost {
  double cpu_s = 0;   // processor time of the work itself
  double wall_s = 0;  // as the tool itself reports it (elapsed time)
};

double thread_cpu_s() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

Cost run_chain() {
  std::vector<float> buf(2 * static_cast<size_t>(kFrames));
  for (int i = 0; i < kFrames; ++i) {
    const double v = 0.3 * std::sin(2 * M_PI * 110 * i / 48000.0) + 0.1 * std::sin(2 * M_PI * 1760 * i / 48000.0);
    buf[2 * i] = buf[2 * i + 1] = static_cast<float>(v);
  }
  fx::Rack rack;
  rack.set_params(fx::standard_params());
  const auto w0 = std::chrono::steady_clock::now();
  const double c0 = thread_cpu_s();
  for (int off = 0; off < kFrames; off += kBlock) rack.process(buf.data() + 2 * off, kBlock);
  Cost c;
  c.cpu_s = thread_cpu_s() - c0;
  c.wall_s = std::chrono::duration<double>(std::chrono::steady_clock::now() - w0).count();
  return c;
}

// Runs lv2bench on the peer for `frames`; the child's processor time (user and
// system) and the seconds lv2bench prints. False when it could not run.
bool run_peer(int frames, Cost* out) {
  int fds[2];
  if (pipe(fds) != 0) return false;
  const std::string n = std::to_string(frames);
  const pid_t pid = fork();
  if (pid < 0) return false;
  if (pid == 0) {
    dup2(fds[1], 1);
    const int devnull = open("/dev/null", O_WRONLY);
    if (devnull >= 0) dup2(devnull, 2);
    close(fds[0]);
    execlp("lv2bench", "lv2bench", "-b", "480", "-n", n.c_str(), kPeerUri, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(fds[1]);
  std::string text;
  char chunk[256];
  ssize_t got;
  while ((got = read(fds[0], chunk, sizeof chunk)) > 0) text.append(chunk, static_cast<size_t>(got));
  close(fds[0]);
  int status = 0;
  rusage ru{};
  if (wait4(pid, &status, 0, &ru) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
  // lv2bench prints "<seconds> <uri>" for each plugin it ran.
  if (text.find(kPeerUri) == std::string::npos) return false;
  out->wall_s = std::atof(text.c_str());
  out->cpu_s = static_cast<double>(ru.ru_utime.tv_sec + ru.ru_stime.tv_sec) +
               1e-6 * static_cast<double>(ru.ru_utime.tv_usec + ru.ru_stime.tv_usec);
  return true;
}

double median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const size_t n = v.size();
  return n % 2 ? v[n / 2] : 0.5 * (v[n / 2 - 1] + v[n / 2]);
}

}  // namespace

void compare_with_peer(int rounds) {
  Cost probe;
  if (!run_peer(kBlock, &probe)) {
    std::printf("\nPeer not measured: lv2bench or the Gx Studio Preamp Stereo plugin is missing "
                "(scripts/install-deps bench installs them).\n");
    return;
  }
  std::vector<double> ours_cpu, ours_wall, peer_cpu, peer_wall, peer_start;
  for (int r = 0; r < rounds; ++r) {
    Cost ours, peer, start;
    ours = run_chain();
    if (!run_peer(kFrames, &peer) || !run_peer(kBlock, &start)) return;
    ours_cpu.push_back(ours.cpu_s);
    ours_wall.push_back(ours.wall_s);
    // The child's processor time includes loading the plugin descriptions; a
    // run of one block measures that start-up, which is taken off.
    peer_cpu.push_back(std::max(0.0, peer.cpu_s - start.cpu_s));
    peer_wall.push_back(peer.wall_s);
    peer_start.push_back(start.cpu_s);
    std::printf("round %d: chain cpu %.3f s (elapsed %.3f s), peer cpu %.3f s (start-up %.3f s taken off; "
                "lv2bench reports %.3f s elapsed)\n",
                r + 1, ours.cpu_s, ours.wall_s, peer_cpu.back(), start.cpu_s, peer.wall_s);
  }
  const double ours = median(ours_cpu);
  const double peer = median(peer_cpu);
  std::printf("\n20 s of stereo 48 kHz in 480-frame blocks, %d interleaved rounds, medians:\n", rounds);
  std::printf("  Velmora standard chain:     %.3f s processor time = %.2f %% of a core (elapsed %.3f s)\n", ours,
              ours / 20.0 * 100.0, median(ours_wall));
  std::printf("  Gx Studio Preamp Stereo:    %.3f s processor time = %.2f %% of a core (lv2bench: %.3f s elapsed)\n",
              peer, peer / 20.0 * 100.0, median(peer_wall));
  std::printf("  ratio (processor time):     %.2f\n", peer > 0 ? ours / peer : 0.0);
  std::printf("  ratio (elapsed, as printed): %.2f\n", median(peer_wall) > 0 ? median(ours_wall) / median(peer_wall) : 0.0);
}

}  // namespace bench
