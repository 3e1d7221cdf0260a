#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "app/logger.h"

namespace {

TEST(Logger, ConcurrentWritersNeverLoseOrTearLines) {
  auto writer = [](int id) {
    for (int i = 0; i < 200; ++i) {
      std::string message = std::string(1, 'w').append(std::to_string(id));
      logger::info(message.append(" ").append(std::to_string(i)));
    }
  };
  std::thread a(writer, 1), b(writer, 2);
  a.join();
  b.join();
  std::vector<std::string> t = logger::tail(400);
  ASSERT_EQ(t.size(), 400u);
  int ones = 0, twos = 0;
  for (const auto& line : t) {
    if (line.find(" INFO  w1 ") != std::string::npos) ++ones;
    if (line.find(" INFO  w2 ") != std::string::npos) ++twos;
  }
  EXPECT_EQ(ones, 200);
  EXPECT_EQ(twos, 200);
}

}  // namespace
