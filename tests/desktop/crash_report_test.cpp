// The crash handler's file side, in this process: where the report goes, how
// an early report is moved, what counts as pending and how much is read. The
// handler itself is exercised with real crashing processes in crash_test.sh.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "desktop/crash_handler.h"
#include "tests/desktop/test_util.h"

namespace {

using desktop_test::EnvGuard;
using desktop_test::read_file;
using desktop_test::TempDir;
using desktop_test::write_file;

bool exists(const std::string& p) { return std::filesystem::exists(std::filesystem::symlink_status(p)); }

unsigned mode_of(const std::string& p) {
  struct stat st {};
  return stat(p.c_str(), &st) == 0 ? (st.st_mode & 0777) : 0;
}

TEST(CrashReport, EarlyPathIsUnderTheRuntimeDirOrTmp) {
  TempDir run;
  // The runtime directory last, so that a crash of this test program never
  // writes into the shared /tmp.
  for (const char* dir : {"", static_cast<const char*>(nullptr), run.path().c_str()}) {
    EnvGuard env({{"XDG_RUNTIME_DIR", dir}});
    crash_handler::install();
    EXPECT_EQ(crash_handler::report_path(),
              (dir && *dir ? std::string(dir) : "/tmp") + "/Velmora_crash.txt");
  }
}

TEST(CrashReport, EarlyReportMovesAcrossFileSystems) {
  // XDG_RUNTIME_DIR is a tmpfs on most desktops and the configuration
  // directory is not; rename() alone cannot cross that line.
  struct stat shm {}, tmp {};
  if (stat("/dev/shm", &shm) != 0 || stat("/tmp", &tmp) != 0 || shm.st_dev == tmp.st_dev) {
    GTEST_SKIP() << "no second file system at /dev/shm";
  }
  TempDir run("/dev/shm"), config("/tmp");
  EnvGuard env({{"XDG_RUNTIME_DIR", run.path().c_str()}});
  crash_handler::install();
  const std::string early = run.path() + "/Velmora_crash.txt";
  const std::string final_path = config.path() + "/crash_report.txt";
  std::string body(10000, 'x');
  write_file(early, body);

  crash_handler::set_report_path(final_path);
  EXPECT_FALSE(exists(early));
  EXPECT_EQ(read_file(final_path), body);
  EXPECT_EQ(mode_of(final_path), 0600u);
}

// The move of an early report to the final path is exercised by crash_test.sh.
TEST(CrashReport, FinalReportIsPendingUntilClearedEmptyOrNoFileIsNot) {
  TempDir run, config;
  EnvGuard env({{"XDG_RUNTIME_DIR", run.path().c_str()}});
  crash_handler::install();
  const std::string final_path = config.path() + "/crash_report.txt";
  write_file(final_path, "from the run before\n");
  crash_handler::set_report_path(final_path);
  std::string text;
  ASSERT_TRUE(crash_handler::pending_report(&text));
  EXPECT_EQ(text, "from the run before\n");
  // Setting the same path again moves nothing and loses nothing.
  crash_handler::set_report_path(final_path);
  EXPECT_TRUE(crash_handler::pending_report(nullptr));
  crash_handler::clear_report();
  EXPECT_FALSE(exists(final_path));
  text = "untouched";
  EXPECT_FALSE(crash_handler::pending_report(&text));
  write_file(final_path, "");
  EXPECT_FALSE(crash_handler::pending_report(&text));
  EXPECT_EQ(text, "untouched");
  // A directory in its place cannot be read as a report either.
  std::filesystem::remove(final_path);
  std::filesystem::create_directory(final_path);
  EXPECT_FALSE(crash_handler::pending_report(&text));
}

TEST(CrashReport, LargeReportIsReadOnlyUpToTheLimit) {
  TempDir config;
  const std::string final_path = config.path() + "/crash_report.txt";
  std::string big(300 * 1024, '\0');
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>('a' + i % 26);
  write_file(final_path, big);
  crash_handler::set_report_path(final_path);
  std::string text;
  ASSERT_TRUE(crash_handler::pending_report(&text));
  // Reading stops after the 4096-byte chunk that passes 262143 bytes.
  EXPECT_GT(text.size(), 262143u);
  EXPECT_LE(text.size(), 266240u);
  EXPECT_EQ(text, big.substr(0, text.size()));
}

TEST(CrashReport, PlantedLinkAtTheEarlyPathIsNotFollowed) {
  TempDir run, config, elsewhere;
  EnvGuard env({{"XDG_RUNTIME_DIR", run.path().c_str()}});
  crash_handler::install();
  const std::string victim = elsewhere.path() + "/victim";
  write_file(victim, "precious");
  std::filesystem::create_symlink(victim, run.path() + "/Velmora_crash.txt");
  crash_handler::set_report_path(config.path() + "/crash_report.txt");
  EXPECT_FALSE(exists(config.path() + "/crash_report.txt"));
  EXPECT_EQ(read_file(victim), "precious");
}

}  // namespace
