#include "app/con.h"

#include <unistd.h>

#include <cerrno>
#include <cstdarg>
#include <cstdio>

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
  va_list measure;
  va_copy(measure, args);
  int size = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  if (size <= 0) {
    va_end(args);
    return;
  }
  std::string text(static_cast<std::size_t>(size), '\0');
  std::vsnprintf(text.data(), text.size() + 1, format, args);
  va_end(args);
  print(text);
}

}  // namespace con
