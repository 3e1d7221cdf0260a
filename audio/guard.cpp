// The guard process: a child forked before any thread exists that learns over
// a pipe where the sound has to go back to, and restores it if the main
// process dies without tearing the routing down.
#include "audio/guard.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <string>

#include "audio/audio.h"

namespace guard {
namespace {

std::mutex g_mtx;
int g_fd = -1;
pid_t g_pid = -1;
std::string g_last;

void send(const std::string& message) {
  std::lock_guard<std::mutex> lk(g_mtx);
  if (g_fd < 0 || message == g_last) return;
  g_last = message;
  const std::string line = message + "\n";
  const ssize_t written = ::write(g_fd, line.data(), line.size());
  (void)written;  // a dead guard only means no crash protection
}

// The guard's own line in the program's log (it has no logger of its own):
// appended, so it never overwrites what the main process wrote.
void child_log(const std::string& path, const char* tag, const std::string& message) {
  if (path.empty()) return;
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CLOEXEC);
  if (fd < 0) return;
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[16];
  std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);
  const std::string line = std::string(stamp) + " " + tag + " " + message + "\n";
  const ssize_t written = ::write(fd, line.data(), line.size());
  (void)written;
  ::close(fd);
}

// Puts the routing back, retrying while the server does not answer (it may be
// stopped or restarting): each attempt is bounded, and after kGiveUp the guard
// stops trying.
void rescue_until_done(const std::string& restore, const std::string& log_path) {
  using Clock = std::chrono::steady_clock;
  constexpr auto kGiveUp = std::chrono::minutes(5);
  constexpr timespec kPause{0, 250 * 1000000L};
  const Clock::time_point give_up = Clock::now() + kGiveUp;
  for (;;) {
    const int result = audio::rescue(restore);
    if (result == 0) child_log(log_path, "INFO ", "Waechter: Tonweg zurueckgestellt");
    if (result != 2) return;
    if (Clock::now() >= give_up) {
      child_log(log_path, "WARN ",
                "Waechter: Tonserver antwortet nicht — Tonweg nicht zurueckgestellt, gebe auf");
      return;
    }
    ::nanosleep(&kPause, nullptr);
  }
}

[[noreturn]] void child(int fd) {
  signal(SIGINT, SIG_IGN);
  signal(SIGHUP, SIG_IGN);
  signal(SIGPIPE, SIG_IGN);
  // The inherited crash handler belongs to the main program.
  for (int sig : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL, SIGTRAP}) signal(sig, SIG_DFL);
  prctl(PR_SET_NAME, "vlmra-waechter", 0, 0, 0);

  std::string restore;
  std::string log_path;
  bool armed = false;
  std::string buf;
  char chunk[512];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    // The main process ended (or said it is ending) while the routing was
    // still taken over: it died, or its own teardown found no answer.
    bool done = n <= 0;
    if (n > 0) buf.append(chunk, static_cast<std::size_t>(n));
    for (std::size_t nl; (nl = buf.find('\n')) != std::string::npos;) {
      const std::string line = buf.substr(0, nl);
      buf.erase(0, nl + 1);
      if (line.rfind("A ", 0) == 0) {
        restore = line.substr(2);
        armed = true;
      } else if (line.rfind("L ", 0) == 0) {
        log_path = line.substr(2);
      } else if (line == "D") {
        armed = false;
      } else if (line == "Q") {
        done = true;
      }
    }
    if (done) {
      if (armed) rescue_until_done(restore, log_path);
      _exit(0);
    }
  }
}

}  // namespace

void start() {
  int fds[2];
  if (::pipe(fds) != 0) return;
  const pid_t pid = ::fork();
  if (pid < 0) {
    ::close(fds[0]);
    ::close(fds[1]);
    return;
  }
  if (pid == 0) {
    ::close(fds[1]);
    for (int fd = 3; fd < 1024; ++fd) {
      if (fd != fds[0]) ::close(fd);
    }
    child(fds[0]);
  }
  ::close(fds[0]);
  ::fcntl(fds[1], F_SETFD, FD_CLOEXEC);
  signal(SIGPIPE, SIG_IGN);
  std::lock_guard<std::mutex> lk(g_mtx);
  g_fd = fds[1];
  g_pid = pid;
}

void attach(int fd) {
  std::lock_guard<std::mutex> lk(g_mtx);
  g_fd = fd;
  g_last.clear();
}

void armed(const std::string& sink) { send("A " + sink); }

void disarmed() { send("D"); }

void set_log_path(const std::string& path) { send("L " + path); }

void stop() {
  send("Q");
  std::lock_guard<std::mutex> lk(g_mtx);
  if (g_fd >= 0) ::close(g_fd);
  g_fd = -1;
  if (g_pid <= 0) return;
  // A guard with nothing to restore leaves at once and is reaped here; one
  // that is still putting the routing back goes on after this process ends
  // and is reaped by whoever inherits it.
  for (int i = 0; i < 50; ++i) {
    if (::waitpid(g_pid, nullptr, WNOHANG) != 0) {
      g_pid = -1;
      return;
    }
    constexpr timespec kStep{0, 10 * 1000000L};
    ::nanosleep(&kStep, nullptr);
  }
}

}  // namespace guard
