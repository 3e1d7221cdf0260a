// The crash handler's file side, in this process: where the report goes, how
// an early report is moved, what counts as pending and how much is read. The
// handler itself is exercised with real crashing processes in crash_test.sh.
#include "desktop/crash_handler.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "tests/desktop/test_util.h"

namespace {

namespace fs = std::filesystem;
using desktop_test::EnvGuard;
using desktop_test::read_file;
using desktop_test::TempDir;
using desktop_test::write_file;

// The move across file systems is exercised by crash_test.sh with a real crash.
TEST(CrashReport, EarlyPathIsInTheRuntimeDirAndALinkThereIsNotMoved) {
  TempDir run, config, elsewhere;
  // The runtime directory last, so that a crash of this test program never
  // writes into the shared /tmp.
  for (const char* dir : {"", static_cast<const char*>(nullptr), run.path().c_str()}) {
    EnvGuard env({{"XDG_RUNTIME_DIR", dir}});
    crash_handler::install();
    EXPECT_EQ(crash_handler::report_path(), (dir && *dir ? std::string(dir) : "/tmp") + "/Velmora_crash.txt");
  }
  write_file(elsewhere.path() + "/victim", "precious");
  fs::create_symlink(elsewhere.path() + "/victim", run.path() + "/Velmora_crash.txt");
  crash_handler::set_report_path(config.path() + "/crash_report.txt");
  EXPECT_FALSE(fs::exists(config.path() + "/crash_report.txt"));
  EXPECT_EQ(read_file(elsewhere.path() + "/victim"), "precious");
}

TEST(CrashReport, PendingUntilClearedAndReadUpToTheLimit) {
  TempDir run, config;
  EnvGuard env({{"XDG_RUNTIME_DIR", run.path().c_str()}});
  crash_handler::install();
  const std::string final_path = config.path() + "/crash_report.txt";
  std::string big(300 * 1024, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>('a' + i % 26);
  write_file(final_path, big);
  crash_handler::set_report_path(final_path);
  crash_handler::set_report_path(final_path);  // the same path again moves nothing
  std::string text;
  ASSERT_TRUE(crash_handler::pending_report(&text));
  // Reading stops after the 4096-byte chunk that passes 262143 bytes.
  EXPECT_GT(text.size(), 262143u);
  EXPECT_LE(text.size(), 266240u);
  EXPECT_EQ(text, big.substr(0, text.size()));
  crash_handler::clear_report();
  EXPECT_FALSE(fs::exists(final_path));
  // No file, an empty file or a directory is no report.
  text = "untouched";
  EXPECT_FALSE(crash_handler::pending_report(&text));
  write_file(final_path, "");
  EXPECT_FALSE(crash_handler::pending_report(&text));
  fs::remove(final_path);
  fs::create_directory(final_path);
  EXPECT_FALSE(crash_handler::pending_report(&text));
  EXPECT_EQ(text, "untouched");
}

}  // namespace
