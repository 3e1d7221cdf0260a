// Prints one language's table for review, one "key = text" line per key in
// key order; with a second code, that language's text follows on the next line.
//
//   lang_dump de        lang_dump fr en        lang_dump --list
#include <cstdio>
#include <cstring>

#include "desktop/lang/lang.h"

namespace {

const i18n::lang::Table* find(const char* code) {
  for (const i18n::lang::Table* t : i18n::lang::kTables) {
    if (std::strcmp(t->code, code) == 0) return t;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 2 && std::strcmp(argv[1], "--list") == 0) {
    for (const i18n::lang::Table* t : i18n::lang::kTables) {
      std::printf("%-6s %s%s\n", t->code, t->name, t->rtl ? "  (rtl)" : "");
    }
    return 0;
  }
  const i18n::lang::Table* t = argc >= 2 ? find(argv[1]) : nullptr;
  const i18n::lang::Table* ref = argc >= 3 ? find(argv[2]) : nullptr;
  if (t == nullptr || (argc >= 3 && ref == nullptr)) {
    std::fprintf(stderr, "usage: lang_dump CODE [REFERENCE-CODE] | --list\n");
    return 2;
  }
  std::printf("# %s  %s%s\n", t->code, t->name, t->rtl ? "  (right to left)" : "");
  for (std::size_t i = 0; i < i18n::lang::kKeyCount; ++i) {
    std::printf("%s = %s\n", i18n::lang::kKeys[i], t->entries[i].text);
    if (ref != nullptr) std::printf("%*s   %s\n", static_cast<int>(std::strlen(i18n::lang::kKeys[i])), "", ref->entries[i].text);
  }
  return 0;
}
