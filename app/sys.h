#pragma once
// Small services of the operating system and the C library that every layer
// needs; part of the bottom library, so nothing here logs or depends upward.
#include <cstdarg>
#include <cstddef>
#include <string>
#include <string_view>

namespace sys {

// The variable's value, or nullptr when it is unset or set but empty.
const char* env(const char* name);

// Sleeps the whole time even when signals interrupt it.
void sleep_ms(long ms);

// Creates dir and every missing parent with the given mode; directories that
// already exist are left as they are. Success is seen by using the directory.
void make_dirs(const std::string& dir, unsigned mode);

// Characters as the user sees them: UTF-8 start bytes.
std::size_t utf8_chars(std::string_view s);

// printf-style text of any length; empty when the format fails.
std::string vformat(const char* format, va_list args);

}  // namespace sys
