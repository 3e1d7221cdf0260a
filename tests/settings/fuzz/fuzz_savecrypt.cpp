// Fuzz target: arbitrary bytes as a sealed settings file. Nothing opens
// unless it was sealed by this program, a refused file leaves no output, and
// sealing the same bytes always opens to them again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/savecrypt.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  std::string plain = "stale";
  const int rc = savecrypt::decrypt(bytes, &plain);
  if (rc != 0 && !plain.empty()) std::abort();
  if (rc == 1 && !bytes.empty()) std::abort();
  if (rc == 0 && plain.size() + 45 != bytes.size()) std::abort();

  std::string back;
  if (savecrypt::decrypt(savecrypt::encrypt(bytes), &back) != 0 || back != bytes) std::abort();
  return 0;
}
