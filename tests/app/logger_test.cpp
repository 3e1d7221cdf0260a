#include "app/logger.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>

#include "app/con.h"
#include "tests/desktop/test_util.h"

namespace {

using desktop_test::read_file;

// The logger is process-wide; the tests in this file run in order and share it.
TEST(Logger, TailKeepsTheLast500LinesOldestFirst) {
  for (int i = 0; i < 501; ++i) logger::info("line " + std::to_string(i));
  std::vector<std::string> all = logger::tail(1000);
  ASSERT_EQ(all.size(), 500u);
  EXPECT_NE(all.front().find("line 1"), std::string::npos);
  EXPECT_EQ(all.front().substr(all.front().size() - 7), " line 1");
  EXPECT_EQ(all.back().substr(all.back().size() - 9), " line 500");
  EXPECT_TRUE(logger::tail(0).empty());
  ASSERT_EQ(logger::tail(2).size(), 2u);
  EXPECT_EQ(logger::tail(2)[1], all.back());
}

TEST(Logger, LineFormatAndLevelTags) {
  logger::info("a");
  logger::warn("b");
  logger::error("c");
  logger::info("first\nsecond");  // one entry of the tail
  std::vector<std::string> t = logger::tail(4);
  ASSERT_EQ(t.size(), 4u);
  for (const auto& line : t) {
    unsigned h = 99, m = 99, sec = 99;
    EXPECT_EQ(std::sscanf(line.c_str(), "%2u:%2u:%2u", &h, &m, &sec), 3) << line;
    EXPECT_TRUE(h < 24 && m < 60 && sec < 61 && line.size() > 8 && line[2] == ':' && line[8] == ' ') << line;
  }
  EXPECT_EQ(t[0].substr(8), " INFO  a");
  EXPECT_EQ(t[1].substr(8), " WARN  b");
  EXPECT_EQ(t[2].substr(8), " FEHLER c");
  EXPECT_EQ(t[3].substr(8), " INFO  first\nsecond");
}

TEST(Logger, MissingDirectoryKeepsPathAndTail) {
  logger::init("/nonexistent-vlmra-dir/sub", "Velmora");
  EXPECT_EQ(logger::file_path(), "/nonexistent-vlmra-dir/sub/Velmora.log");
  logger::warn("still in the tail");
  EXPECT_EQ(logger::tail(1)[0].substr(8), " WARN  still in the tail");
}

TEST(Logger, FileIsTruncatedFlushedPerLineAndClosedByShutdown) {
  char dir[] = "/tmp/vlmra-logtest-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  std::string path = std::string(dir) + "/Velmora.log";
  { std::ofstream(path) << "old content\n"; }
  logger::init(dir, "Velmora");
  EXPECT_EQ(logger::file_path(), path);
  logger::info("written");
  // Flushed at once: readable before shutdown.
  std::string text = read_file(path);
  EXPECT_EQ(text.find("old content"), std::string::npos);
  ASSERT_GE(text.size(), 9u);
  EXPECT_EQ(text.substr(8), " INFO  written\n");
  // A second init while open changes nothing.
  logger::init("/tmp", "Other");
  EXPECT_EQ(logger::file_path(), path);
  logger::shutdown();
  logger::info("after shutdown");
  EXPECT_EQ(read_file(path).find("after shutdown"), std::string::npos);
  EXPECT_EQ(logger::tail(1)[0].substr(8), " INFO  after shutdown");
  std::remove(path.c_str());
  rmdir(dir);
}

// con writes straight to descriptor 1; capture it through a temporary file
// (a pipe would fill up before anybody reads it).
std::string capture_stdout(void (*fn)()) {
  std::FILE* tmp = std::tmpfile();
  if (tmp == nullptr) return "<tmpfile failed>";
  int saved = dup(1);
  dup2(fileno(tmp), 1);
  fn();
  dup2(saved, 1);
  close(saved);
  std::string out;
  char buf[4096];
  ssize_t n;
  off_t pos = 0;
  while ((n = pread(fileno(tmp), buf, sizeof buf, pos)) > 0) {
    out.append(buf, static_cast<size_t>(n));
    pos += n;
  }
  std::fclose(tmp);
  return out;
}

TEST(Con, PrintfFormatsExactlyAndPrintWritesRawBytes) {
  EXPECT_EQ(capture_stdout([] { con::printf("%s %-6s|%d\n", "*", "ab", 42); }), "* ab    |42\n");
  EXPECT_EQ(capture_stdout([] { con::print(std::string("a\0b", 3)); }), std::string("a\0b", 3));
  EXPECT_EQ(capture_stdout([] { con::printf("%s", ""); }), "");
  std::string big(100000, 'x');
  static std::string s_big;
  s_big = big;
  EXPECT_EQ(capture_stdout([] { con::print(s_big); }).size(), 100000u);
}

}  // namespace
