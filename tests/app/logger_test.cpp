#include "app/logger.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "tests/desktop/test_util.h"

namespace {

// The logger is process-wide; the tests in this file run in order and share it.
// The level tags are checked where the lines are written (autostart, crash report).
TEST(Logger, TailKeepsTheLast500LinesInTheirFormat) {
  for (int i = 0; i < 501; ++i) logger::info("line " + std::to_string(i));
  logger::info("first\nsecond");
  const std::vector<std::string> all = logger::tail(1000);
  ASSERT_EQ(all.size(), 500u);
  EXPECT_EQ(all[0].substr(8), " INFO  line 2");
  EXPECT_EQ(all[499].substr(8), " INFO  first\nsecond");
  unsigned h = 99, m = 99, s = 99;
  ASSERT_EQ(std::sscanf(all[0].c_str(), "%2u:%2u:%2u", &h, &m, &s), 3) << all[0];
  EXPECT_TRUE(h < 24 && m < 60 && s < 61 && all[0][2] == ':' && all[0][5] == ':') << all[0];
  EXPECT_EQ(logger::tail(2), std::vector<std::string>(all.end() - 2, all.end()));
  EXPECT_TRUE(logger::tail(0).empty());
}

TEST(Logger, FileIsTruncatedFlushedPerLineAndClosedByShutdown) {
  logger::init("/nonexistent-vlmra-dir/sub", "Velmora");
  EXPECT_EQ(logger::file_path(), "/nonexistent-vlmra-dir/sub/Velmora.log");
  logger::warn("still in the tail");
  EXPECT_EQ(logger::tail(1)[0].substr(8), " WARN  still in the tail");

  desktop_test::TempDir dir;
  const std::string path = dir.path() + "/Velmora.log";
  desktop_test::write_file(path, "old content\n");
  logger::init(dir.path(), "Velmora");
  EXPECT_EQ(logger::file_path(), path);
  logger::info("written");
  const std::string text = desktop_test::read_file(path);
  ASSERT_GE(text.size(), 9u) << "not flushed at once";
  EXPECT_EQ(text.substr(8), " INFO  written\n");
  logger::init("/tmp", "Other");  // a second init while open changes nothing
  EXPECT_EQ(logger::file_path(), path);
  logger::shutdown();
  logger::info("after shutdown");
  EXPECT_EQ(desktop_test::read_file(path).find("after shutdown"), std::string::npos);
  EXPECT_EQ(logger::tail(1)[0].substr(8), " INFO  after shutdown");
}

}  // namespace
