#include "app/selftest.h"

#include "app/con.h"

namespace selftest {

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
