// A small program around the crash handler and the autostart entry, so that
// the tests can crash a real process and can run from an executable path of
// their choosing.
//
//   desktop_helper crash <segv|overflow|abort|fpe|raise-N> [report-path [log-path]]
//   desktop_helper autostart [extra arguments]
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "desktop/autostart.h"
#include "desktop/crash_handler.h"

namespace {

// Recurses until the stack is gone; the handler must still write its report.
__attribute__((no_sanitize("address", "undefined"), noinline)) int overflow(int depth) {
  if (depth < 0) return 0;  // never: the stack runs out first
  volatile char frame[4096];
  frame[0] = static_cast<char>(depth);
  return overflow(depth + 1) + frame[0];
}

// Not instrumented: in the sanitizer build the faults below must reach the
// processor (and so the handler under test), not the sanitizer's own checks.
__attribute__((no_sanitize("address", "undefined"))) int crash(const char* how) {
  if (std::strcmp(how, "segv") == 0) {
    volatile int* nowhere = nullptr;
    *nowhere = 1;
  } else if (std::strcmp(how, "abort") == 0) {
    std::abort();
  } else if (std::strcmp(how, "fpe") == 0) {
    // Both operands volatile: a constant dividend lets the compiler replace
    // the division by a comparison that cannot trap.
    volatile int one = 1;
    volatile int zero = 0;
    volatile int r = one / zero;
    (void)r;
  } else if (std::strcmp(how, "overflow") == 0) {
    return overflow(0);
  } else if (std::strncmp(how, "raise-", 6) == 0) {
    ::raise(std::atoi(how + 6));
  }
  return 3;
}

}  // namespace

int main(int argc, char** argv) {
  crash_handler::install();
  if (argc >= 3 && std::strcmp(argv[1], "crash") == 0) {
    if (argc >= 5) crash_handler::set_log_path(argv[4]);
    if (argc >= 4) crash_handler::set_report_path(argv[3]);
    return crash(argv[2]);
  }
  if (argc >= 2 && std::strcmp(argv[1], "autostart") == 0) {
    return autostart::set(true, argc >= 3 ? argv[2] : "") ? 0 : 1;
  }
  std::fprintf(stderr, "usage: desktop_helper crash MODE [REPORT [LOG]] | autostart [ARGS]\n");
  return 2;
}
