#include "desktop/crash_handler.h"

#include <execinfo.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "app/sys.h"

namespace crash_handler {
namespace {

// The handler runs in a crashed process: everything it touches is a fixed
// buffer written during start-up, before other threads exist, and it calls
// only plain system functions (no allocation, no locks, no stdio).
constexpr std::size_t kPathBytes = 1024;
constexpr int kMaxFrames = 48;
// pending_report stops reading once it holds more than this.
constexpr std::size_t kReportLimit = 262143;
constexpr std::size_t kChunk = 4096;

char g_report[kPathBytes];
char g_early[kPathBytes];
char g_log[kPathBytes];
void* g_frames[kMaxFrames];
// The main thread's signal stack; 64 KiB hold the report writer and backtrace().
alignas(16) char g_alt_stack[64 * 1024];

constexpr int kSignals[] = {SIGSEGV, SIGABRT, SIGFPE, SIGBUS, SIGILL, SIGTRAP};

const char* signal_name(int sig) {
  switch (sig) {
    case SIGILL: return "SIGILL (Illegal instruction)";
    case SIGTRAP: return "SIGTRAP (Trap - usually a fatal GLib/GTK error)";
    case SIGABRT: return "SIGABRT (Abort)";
    case SIGBUS: return "SIGBUS (Bus error)";
    case SIGFPE: return "SIGFPE (Floating point exception)";
    case SIGSEGV: return "SIGSEGV (Segmentation fault)";
    default: return "unknown signal";
  }
}

using sys::env;

void put(int fd, const char* s) {
  ssize_t r = ::write(fd, s, std::strlen(s));
  (void)r;  // nothing sensible is left to do about a failed write here
}

// Decimal text of v into buf (at least 24 bytes), with a leading "-" when negative.
const char* format_decimal(long long v, char* buf, std::size_t size) {
  char* end = buf + size - 1;
  *end = '\0';
  char* p = end;
  // Negating the most negative value would overflow; work on the unsigned magnitude.
  unsigned long long mag = v < 0 ? 0ULL - static_cast<unsigned long long>(v)
                                 : static_cast<unsigned long long>(v);
  do {
    *--p = static_cast<char>('0' + mag % 10);
    mag /= 10;
  } while (mag != 0 && p > buf + 1);
  if (v < 0) *--p = '-';
  return p;
}

void write_report(int fd, int sig) {
  put(fd, "=== Velmora crash report ===\n");
  put(fd, "Version: 1.0.1 (Build 1026)\n");
  if (const char* rev = env("SNAP_REVISION")) {
    put(fd, "Snap revision: ");
    put(fd, rev);
    put(fd, "\n");
  }
  char num[32];
  put(fd, "Signal: ");
  put(fd, signal_name(sig));
  put(fd, "\nTime (unix): ");
  put(fd, format_decimal(static_cast<long long>(std::time(nullptr)), num, sizeof num));
  put(fd, "\n");
  struct utsname u;
  if (::uname(&u) == 0) {
    put(fd, "System: ");
    put(fd, u.sysname);
    put(fd, " ");
    put(fd, u.release);
    put(fd, " ");
    put(fd, u.machine);
    put(fd, "\n");
  }
  if (const char* desktop = env("XDG_CURRENT_DESKTOP")) {
    put(fd, "Desktop: ");
    put(fd, desktop);
    put(fd, "\n");
  }
  if (const char* session = env("XDG_SESSION_TYPE")) {
    put(fd, "Session: ");
    put(fd, session);
    put(fd, "\n");
  }
  put(fd, "\nBacktrace:\n");
  int frames = ::backtrace(g_frames, kMaxFrames);
  ::backtrace_symbols_fd(g_frames, frames, fd);
  put(fd, "\nLog (written up to the crash):\n  ");
  put(fd, g_log[0] != '\0' ? g_log : "(unknown)");
  put(fd, "\n=== end of report ===\n");
}

int open_report() {
  // O_NOFOLLOW: the early path may lie in a shared /tmp, where a planted
  // link must not redirect the report onto another file.
  if (g_early[0] != '\0') {
    return ::open(g_report, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600);
  }
  // Still the early path: created exclusively, so nothing planted there is
  // written through. A report of our own left from an earlier crash goes first.
  struct stat st;
  if (::lstat(g_report, &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid()) {
    ::unlink(g_report);
  }
  return ::open(g_report, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
}

void on_crash(int sig) {
  int fd = open_report();
  if (fd >= 0) {
    // A report left from an earlier crash keeps its old mode through O_TRUNC.
    ::fchmod(fd, 0600);
    write_report(fd, sig);
    ::close(fd);
  }
  // SA_RESETHAND restored the default action on entry: once the handler
  // returns, the pending signal ends the process the way it was meant to.
  ::raise(sig);
}

// Moves the report across file systems (XDG_RUNTIME_DIR is usually a tmpfs,
// the configuration directory is not, and rename() cannot cross them). Only a
// regular file of our own is taken, so nothing another user placed in a
// shared /tmp ends up in our configuration directory.
bool copy_own_file(const char* from, const char* to) {
  int in = ::open(from, O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
  if (in < 0) return false;
  struct stat st;
  if (::fstat(in, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
    ::close(in);
    return false;
  }
  int out = ::open(to, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
  if (out < 0) {
    ::close(in);
    return false;
  }
  ::fchmod(out, 0600);
  bool ok = true;
  char buf[kChunk];
  for (;;) {
    ssize_t n = ::read(in, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    for (ssize_t done = 0; done < n;) {
      ssize_t w = ::write(out, buf + done, static_cast<std::size_t>(n - done));
      if (w < 0 && errno == EINTR) continue;
      if (w <= 0) {
        ok = false;
        break;
      }
      done += w;
    }
    if (!ok) break;
  }
  ::close(in);
  if (::close(out) != 0) ok = false;
  if (!ok) ::unlink(to);
  return ok;
}

void move_early_report(const char* from, const char* to) {
  struct stat st;
  if (::lstat(from, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) return;
  if (::rename(from, to) == 0) return;
  if (errno == EXDEV && copy_own_file(from, to)) ::unlink(from);
}

}  // namespace

void install() {
  const char* dir = env("XDG_RUNTIME_DIR");
  std::snprintf(g_report, sizeof g_report, "%s/%s_crash.txt", dir ? dir : "/tmp", "Velmora");
  // The first call loads the unwinder; inside the handler that load could
  // allocate or take the loader's lock.
  void* one[1];
  ::backtrace(one, 1);

  // A stack overflow leaves no stack to run the handler on: it runs on its own.
  stack_t alt;
  std::memset(&alt, 0, sizeof alt);
  alt.ss_sp = g_alt_stack;
  alt.ss_size = sizeof g_alt_stack;
  const bool on_alt = ::sigaltstack(&alt, nullptr) == 0;

  struct sigaction sa;
  std::memset(&sa, 0, sizeof sa);
  sa.sa_handler = on_crash;
  sigemptyset(&sa.sa_mask);
  sa.sa_flags = SA_RESETHAND | (on_alt ? SA_ONSTACK : 0);
  for (int sig : kSignals) ::sigaction(sig, &sa, nullptr);
}

void set_log_path(const std::string& path) {
  std::snprintf(g_log, sizeof g_log, "%s", path.c_str());
}

void set_report_path(const std::string& path) {
  std::snprintf(g_early, sizeof g_early, "%s", g_report);
  std::snprintf(g_report, sizeof g_report, "%s", path.c_str());
  if (std::strcmp(g_early, g_report) != 0) move_early_report(g_early, g_report);
}

std::string report_path() { return g_report; }

bool pending_report(std::string* out) {
  int fd = ::open(g_report, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  std::string text;
  char buf[kChunk];
  while (text.size() <= kReportLimit) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    text.append(buf, static_cast<std::size_t>(n));
  }
  ::close(fd);
  if (text.empty()) return false;
  if (out != nullptr) *out = std::move(text);
  return true;
}

void clear_report() { ::unlink(g_report); }

}  // namespace crash_handler
