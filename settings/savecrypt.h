#pragma once
// Authenticated-encryption envelope of the settings file.
#include <string>

namespace savecrypt {

std::string encrypt(const std::string& plain);
// 0 opened, 1 empty input, 2 anything else (short, foreign, altered).
int decrypt(const std::string& sealed, std::string* plain);

}  // namespace savecrypt
