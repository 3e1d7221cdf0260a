/* Preloaded by the lock test: every flock fails as it does on a network file
   system without lock support. */
#include <errno.h>

int flock(int fd, int operation) {
  (void)fd;
  (void)operation;
  errno = ENOLCK;
  return -1;
}
