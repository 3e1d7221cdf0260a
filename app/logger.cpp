#include "app/logger.h"

#include <cstdio>
#include <ctime>
#include <deque>
#include <mutex>

namespace logger {
namespace {

constexpr std::size_t kTailLines = 500;

std::mutex g_m;
std::FILE* g_f = nullptr;
std::string g_path;
std::deque<std::string> g_tail;

void write_line(const char* tag, const std::string& message) {
  std::lock_guard<std::mutex> lock(g_m);
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[16];
  std::snprintf(stamp, sizeof stamp, "%02d:%02d:%02d", local.tm_hour, local.tm_min, local.tm_sec);

  std::string line;
  line.reserve(message.size() + 16);
  line.append(stamp).append(" ").append(tag).append(" ").append(message);

  g_tail.push_back(line);
  if (g_tail.size() > kTailLines) g_tail.pop_front();

  if (g_f != nullptr) {
    // Flushed per line so the file is complete up to a crash.
    std::fwrite(line.data(), 1, line.size(), g_f);
    std::fputc('\n', g_f);
    std::fflush(g_f);
  }
}

}  // namespace

void init(const std::string& dir, const std::string& name) {
  std::lock_guard<std::mutex> lock(g_m);
  if (g_f != nullptr) return;
  g_path = dir + "/" + name + ".log";
  g_f = std::fopen(g_path.c_str(), "we");
}

void prepare(const std::string& dir, const std::string& name) {
  std::lock_guard<std::mutex> lock(g_m);
  if (g_f != nullptr) return;
  g_path = dir + "/" + name + ".log";
}

void claim() {
  std::lock_guard<std::mutex> lock(g_m);
  if (g_f != nullptr || g_path.empty()) return;
  g_f = std::fopen(g_path.c_str(), "we");
  if (g_f == nullptr) return;
  for (const std::string& line : g_tail) {
    std::fwrite(line.data(), 1, line.size(), g_f);
    std::fputc('\n', g_f);
  }
  std::fflush(g_f);
}

// The two five-character tags carry a trailing blank so every message starts
// in the same column.
void info(const std::string& message) { write_line("INFO ", message); }
void warn(const std::string& message) { write_line("WARN ", message); }
void error(const std::string& message) { write_line("FEHLER", message); }

std::string file_path() {
  std::lock_guard<std::mutex> lock(g_m);
  return g_path;
}

std::vector<std::string> tail(std::size_t n) {
  std::lock_guard<std::mutex> lock(g_m);
  std::size_t count = n < g_tail.size() ? n : g_tail.size();
  return std::vector<std::string>(g_tail.end() - static_cast<std::ptrdiff_t>(count), g_tail.end());
}

void shutdown() {
  std::lock_guard<std::mutex> lock(g_m);
  if (g_f != nullptr) {
    std::fclose(g_f);
    g_f = nullptr;
  }
}

}  // namespace logger
