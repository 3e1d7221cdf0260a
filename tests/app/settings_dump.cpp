// Test helper: loads the settings of the configuration directory that the
// environment names and prints them in the file's own text format.
#include <cstdio>

#include "settings/settings.h"
#include "settings/text.h"

int main() {
  const std::string text = settings::text::serialize(settings::load());
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}
