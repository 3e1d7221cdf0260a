// The guard process: a child forked before any thread exists that learns over
// a pipe where the sound has to go back to, and restores it if the main
// process dies without tearing the routing down.
#include "audio/guard.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <string>

#include "audio/audio.h"

namespace guard {
namespace {

std::mutex g_mtx;
int g_fd = -1;
std::string g_last;

void send(const std::string& message) {
  std::lock_guard<std::mutex> lk(g_mtx);
  if (g_fd < 0 || message == g_last) return;
  g_last = message;
  const std::string line = message + "\n";
  const ssize_t written = ::write(g_fd, line.data(), line.size());
  (void)written;  // a dead guard only means no crash protection
}

[[noreturn]] void child(int fd) {
  signal(SIGINT, SIG_IGN);
  signal(SIGHUP, SIG_IGN);
  signal(SIGPIPE, SIG_IGN);
  // The inherited crash handler belongs to the main program.
  for (int sig : {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL, SIGTRAP}) signal(sig, SIG_DFL);
  prctl(PR_SET_NAME, "vlmra-waechter", 0, 0, 0);

  std::string restore;
  bool armed = false;
  bool quit = false;
  std::string buf;
  char chunk[512];
  for (;;) {
    const ssize_t n = ::read(fd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (armed && !quit) audio::rescue(restore);
      _exit(0);
    }
    buf.append(chunk, static_cast<std::size_t>(n));
    for (std::size_t nl; (nl = buf.find('\n')) != std::string::npos;) {
      const std::string line = buf.substr(0, nl);
      buf.erase(0, nl + 1);
      if (line.rfind("A ", 0) == 0) {
        restore = line.substr(2);
        armed = true;
      } else if (line == "D") {
        armed = false;
      } else if (line == "Q") {
        quit = true;
      }
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
}

void attach(int fd) {
  std::lock_guard<std::mutex> lk(g_mtx);
  g_fd = fd;
  g_last.clear();
}

void armed(const std::string& sink) { send("A " + sink); }

void disarmed() { send("D"); }

void stop() {
  send("Q");
  std::lock_guard<std::mutex> lk(g_mtx);
  if (g_fd >= 0) ::close(g_fd);
  g_fd = -1;
}

}  // namespace guard
