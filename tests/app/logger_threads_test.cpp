#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "app/logger.h"

namespace {

TEST(Logger, ConcurrentWritersNeverLoseOrTearLines) {
  auto writer = [](char id) {
    for (int i = 0; i < 200; ++i) logger::info(std::string("w") + id + " " + std::to_string(i));
  };
  std::thread a(writer, '1'), b(writer, '2');
  a.join();
  b.join();
  int count[2] = {0, 0};
  for (const std::string& line : logger::tail(400)) {
    for (char id : {'1', '2'}) count[id - '1'] += line.find(std::string(" INFO  w") + id + " ") != std::string::npos;
  }
  EXPECT_EQ(count[0], 200);
  EXPECT_EQ(count[1], 200);
}

}  // namespace
