#include "app/con.h"

#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>

#include "app/sys.h"

namespace con {

void print(const std::string& s) {
  const char* p = s.data();
  std::size_t left = s.size();
  while (left > 0) {
    ssize_t n = ::write(1, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // the rest is dropped: nobody is listening
    p += n;
    left -= static_cast<std::size_t>(n);
  }
}

void printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::string text = sys::vformat(format, args);
  va_end(args);
  print(text);
}

}  // namespace con
