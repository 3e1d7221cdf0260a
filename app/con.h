#pragma once
// Unbuffered console output of the window-less modes, straight to descriptor 1.
#include <string>

namespace con {

void print(const std::string& s);
void printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace con
