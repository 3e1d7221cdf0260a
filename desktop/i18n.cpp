#include "desktop/i18n.h"

#include <cstring>

#include "desktop/lang/lang.h"
#include "desktop/paths.h"

namespace i18n {
namespace lang {

// The order of the language menu.
const Table* const kTables[kLanguageCount] = {
    &kAr, &kBg, &kBn, &kCa, &kCs, &kDa, &kDe, &kEl, &kEn, &kEs, &kFa,
    &kFi, &kFr, &kHe, &kHi, &kHr, &kHu, &kId, &kIt, &kJa, &kKo, &kLt,
    &kLv, &kMs, &kNb, &kNe, &kNl, &kPl, &kPt, &kRo, &kRu, &kSk, &kSl,
    &kSr, &kSv, &kSw, &kTh, &kTl, &kTr, &kUk, &kUr, &kVi, &kZhTW, &kZh,
};

}  // namespace lang

namespace {

std::string g_setting = "auto";
std::string g_code = "en";
const lang::Table* g_lang = nullptr;

const lang::Table* find_code(const std::string& code) {
  for (const lang::Table* t : lang::kTables) {
    if (code == t->code) return t;
  }
  return nullptr;
}

// A tag is a language code, optionally followed by "_" or "-" and a region.
// The full tag is tried first (zh_TW), then the language alone (pt_BR -> pt).
const lang::Table* resolve(std::string tag) {
  if (tag.empty()) return nullptr;
  for (char& c : tag) {
    if (c == '-') c = '_';
  }
  if (const lang::Table* t = find_code(tag)) return t;
  std::size_t cut = tag.find('_');
  if (cut == std::string::npos) return nullptr;
  return find_code(tag.substr(0, cut));
}

// Index of key in kKeys, or -1.
int find_key(const char* key) {
  std::size_t lo = 0, hi = lang::kKeyCount;
  while (lo < hi) {
    std::size_t mid = lo + (hi - lo) / 2;
    int c = std::strcmp(key, lang::kKeys[mid]);
    if (c == 0) return static_cast<int>(mid);
    if (c < 0) {
      hi = mid;
    } else {
      lo = mid + 1;
    }
  }
  return -1;
}

}  // namespace

void set_language(const std::string& setting) {
  g_setting = setting.empty() ? "auto" : setting;
  const lang::Table* t =
      resolve(g_setting == "auto" ? paths::system_language() : g_setting);
  if (t == nullptr) t = &lang::kEn;
  g_lang = t;
  g_code = t->code;
}

const std::string& language() { return g_setting; }

const std::string& effective_language() { return g_code; }

bool rtl() { return g_lang != nullptr && g_lang->rtl; }

const char* T(const char* key) {
  if (key == nullptr) return "";
  if (g_lang == nullptr) set_language("auto");
  int i = find_key(key);
  return i < 0 ? key : g_lang->entries[i].text;
}

const std::vector<Language>& languages() {
  // A function-local static: its initialisation is thread-safe and happens once.
  static const std::vector<Language> list = [] {
    std::vector<Language> out;
    out.reserve(lang::kLanguageCount);
    for (const lang::Table* t : lang::kTables) out.push_back({t->code, t->name, t->rtl});
    return out;
  }();
  return list;
}

}  // namespace i18n
