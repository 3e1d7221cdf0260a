#pragma once
// Process-wide log: one file per run in the configuration directory, plus the
// most recent lines in memory for the crash report and the window. Every call
// is thread-safe; one mutex serialises all of them.
#include <cstddef>
#include <string>
#include <vector>

namespace logger {

// Opens dir + "/" + name + ".log" (truncated) unless a file is already open.
// When the file cannot be opened, lines still reach the in-memory tail.
void init(const std::string& dir, const std::string& name);

// Names the file without opening it: until claim(), lines reach the tail
// only. A run that turns out not to be the program's only instance (or only
// lists the devices) never claims, so the running instance's log survives.
void prepare(const std::string& dir, const std::string& name);
// Opens the prepared file (truncated) and writes into it the lines logged so
// far that are still in the tail; later lines follow as with init().
void claim();

void info(const std::string& message);
void warn(const std::string& message);
void error(const std::string& message);

// The path built by init(), empty before it.
std::string file_path();

// The last min(n, held) lines, oldest first, without their line feeds.
std::vector<std::string> tail(std::size_t n);

// Closes the file; later lines go to the tail only.
void shutdown();

}  // namespace logger
