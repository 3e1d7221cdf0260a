#include "app/selftest.h"

#include <cstdarg>
#include <cstdio>

#include "app/con.h"
#include "app/sys.h"

namespace selftest {

std::string format(const char* fmt, ...) {
  va_list args;
  va_start(args, fmt);
  std::string text = sys::vformat(fmt, args);
  va_end(args);
  return text;
}

void report(int* failures, bool ok, const std::string& message) {
  con::printf("%s  %s\n", message.c_str(), ok ? "OK" : "FEHLER");
  if (!ok) ++*failures;
}

int run() {
  int failures = 0;
  chain_checks(&failures);
  store_checks(&failures);
  clip_check(&failures);
  if (failures != 0) {
    con::printf("\n%d FEHLER\n", failures);
    return 1;
  }
  con::print("\nAlles in Ordnung.\n");
  return 0;
}

}  // namespace selftest
