#include "app/instance_lock.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <limits>
#include <string>

namespace instance_lock {
namespace {

// Held for the life of the process; the kernel drops the lock when it ends.
int g_lock_fd = -1;

}  // namespace

bool acquire(const std::string& path) {
  int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return true;
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    // Only a lock held by someone else means another instance. Any other
    // failure (ENOLCK on a network home directory, say) says nothing about
    // the pid in the file: start without the lock, as when the file cannot
    // be opened, and above all signal nobody.
    if (errno != EWOULDBLOCK) {
      ::close(fd);
      return true;
    }
    char buf[32] = {};
    ssize_t n = ::pread(fd, buf, sizeof buf - 1, 0);
    ::close(fd);
    if (n > 0) {
      buf[n] = '\0';
      char* end = nullptr;
      long pid = std::strtol(buf, &end, 10);
      // Pid 1 is init and 0 our own group; a number too large for pid_t would
      // wrap, possibly to -1, which signals every process we may signal.
      if (end != buf && pid > 1 && pid <= std::numeric_limits<pid_t>::max()) {
        ::kill(static_cast<pid_t>(pid), SIGUSR1);
      }
    }
    return false;
  }
  g_lock_fd = fd;
  if (::ftruncate(fd, 0) == 0) {
    std::string text = std::to_string(::getpid()) + "\n";
    ssize_t ignored = ::pwrite(fd, text.data(), text.size(), 0);
    (void)ignored;
  }
  return true;
}

}  // namespace instance_lock
