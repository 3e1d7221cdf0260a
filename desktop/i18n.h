#pragma once
// Interface languages: 44 compiled-in tables, looked up by translation key.
#include <string>
#include <vector>

namespace i18n {

struct Language {
  std::string code;
  std::string name;
  bool rtl;
};

void set_language(const std::string& setting);
const std::string& language();
const std::string& effective_language();
bool rtl();
const char* T(const char* key);
const std::vector<Language>& languages();

}  // namespace i18n
