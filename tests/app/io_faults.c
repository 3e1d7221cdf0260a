/* Preloaded by tests to make the system fail the way real machines do:
   VLM_FAULT_FLOCK=1 fails every flock with ENOLCK (a network file system
   without locks), VLM_FAULT_READ=SUFFIX fails reads of a file whose path ends
   in SUFFIX with EIO (a failing disk). */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <errno.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/types.h>
#include <unistd.h>

int flock(int fd, int operation) {
  static int (*real_flock)(int, int);
  const char* fault = getenv("VLM_FAULT_FLOCK");
  if (fault != NULL && *fault != '\0') {
    errno = ENOLCK;
    return -1;
  }
  if (real_flock == NULL) real_flock = (int (*)(int, int))dlsym(RTLD_NEXT, "flock");
  return real_flock(fd, operation);
}

ssize_t read(int fd, void* buf, size_t count) {
  static ssize_t (*real_read)(int, void*, size_t);
  const char* suffix = getenv("VLM_FAULT_READ");
  if (suffix != NULL && *suffix != '\0') {
    char link[64], path[4096];
    snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t n = readlink(link, path, sizeof path - 1);
    if (n > 0) {
      path[n] = '\0';
      const size_t len = strlen(suffix);
      if ((size_t)n >= len && strcmp(path + n - len, suffix) == 0) {
        errno = EIO;
        return -1;
      }
    }
  }
  if (real_read == NULL) real_read = (ssize_t(*)(int, void*, size_t))dlsym(RTLD_NEXT, "read");
  return real_read(fd, buf, count);
}
