#pragma once
// The numeric self-test of the signal chain and the settings store.
#include <string>

namespace selftest {

// Runs every check in order and returns the exit code (0 all passed, 1 not).
int run();

// The pieces run() calls, in this order.
void chain_checks(int* failures);  // checks 1-12 and the load line
void store_checks(int* failures);  // checks 13-21
void clip_check(int* failures);    // check 22

// A check's message, formatted with the C printf rules.
std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));

// Prints a check line: the formatted message, then "  OK" or "  FEHLER";
// a failed check raises *failures by one.
void report(int* failures, bool ok, const std::string& message);

}  // namespace selftest
