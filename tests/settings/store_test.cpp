// The settings file on a real file system, in a private temporary directory.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <string>

#include "app/logger.h"
#include "desktop/paths.h"
#include "settings/savecrypt.h"
#include "settings/settings.h"
#include "settings/text.h"
#include "tests/desktop/test_util.h"

namespace {

namespace fs = std::filesystem;
using desktop_test::read_file;
using desktop_test::write_file;

class Store : public ::testing::Test {
 protected:
  void SetUp() override { paths::set_config_dir_for_selftest(tmp_.path()); }
  void TearDown() override { paths::set_config_dir_for_selftest(""); }

  // Saves two records (mix 0.77, then 0.33), so that a backup exists.
  static void save_two() {
    Settings s;
    s.params.knob[fx::kMix] = 0.77f;
    ASSERT_TRUE(settings::save(s));
    s.params.knob[fx::kMix] = 0.33f;
    ASSERT_TRUE(settings::save(s));
  }
  static float loaded_mix() { return settings::load().params.knob[fx::kMix]; }
  // The log lines written by `action`, one string.
  template <class F>
  static std::string log_of(F action) {
    logger::info("---- mark");
    action();
    std::string text;
    for (const std::string& line : logger::tail(50)) {
      text = line.find("---- mark") != std::string::npos ? "" : text + line;
    }
    return text;
  }

  desktop_test::TempDir tmp_;
  const std::string file_ = tmp_.path() + "/settings.dat";
};

TEST_F(Store, EveryFieldSurvivesTheSealedPrivateFileAndTheOldOneBecomesTheBackup) {
  Settings full;
  const char* scripts[] = {"Größe", "日本語", "العربية", "हिन्दी", "\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x8E\xA4"};
  for (int i = 0; i < 200; ++i) {
    full.user_presets[i % 2].push_back({scripts[i % 5] + std::string(" ") + std::to_string(i), fx::clean_params()});
    full.user_presets[i % 2].back().params.knob[i % 16] = i / 199.0f;
  }
  for (int k = 0; k < fx::kKnobs; ++k) full.params.knob[k] = k / 16.0f + 1e-5f;
  full.unit_preset = {"u:日本語 3", "b:preset_glue"};
  full.active = full.active_on_start = full.compact_on_top = false;
  full.compact = full.collapsed = true;
  full.output = "alsa_output.pci-0000_00_1f.3.analog-stereo";
  full.last_default = "bluez_sink.00_11";
  full.vu_mode = 2;
  full.language = "pt_BR";
  full.theme = "light";
  full.win_x = -100000, full.win_y = 100000, full.win_w = 1180, full.win_h = 780;
  full.mini_x = 5, full.mini_y = 0, full.mini_w = 420, full.mini_h = 132;
  // A stale .tmp with a wide mode must not lend it to the new file.
  write_file(file_ + ".tmp", "old");
  ::chmod((file_ + ".tmp").c_str(), 0666);
  ASSERT_TRUE(settings::save(full));
  EXPECT_EQ(settings::text::serialize(settings::load()), settings::text::serialize(full));
  struct stat st {};
  ASSERT_EQ(::stat(file_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_EQ(read_file(file_).substr(0, 5), std::string("VLMS\x01"));
  const std::string first = read_file(file_);
  ASSERT_TRUE(settings::save(Settings()));
  EXPECT_EQ(settings::text::serialize(settings::load()), settings::text::serialize(Settings()));
  EXPECT_FALSE(fs::exists(file_ + ".tmp"));
  EXPECT_EQ(read_file(file_ + ".bak"), first);
}

TEST_F(Store, DamagedFileIsSetAsideAndTheBackupLoads) {
  for (int kind = 0; kind < 4; ++kind) {
    SCOPED_TRACE(kind);
    save_two();
    std::string bytes = read_file(file_);
    switch (kind) {
      case 0: bytes[bytes.size() / 2] ^= 0x10; break;
      case 1: bytes.resize(bytes.size() - 1); break;
      case 2: bytes = "params=1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1\n"; break;  // a hand edit
      case 3: bytes = savecrypt::encrypt(std::string(2 * 1048576, 'J')); break;
    }
    write_file(file_, bytes);
    const std::string log = log_of([] { EXPECT_NEAR(loaded_mix(), 0.77f, 1e-4); });
    EXPECT_FALSE(fs::exists(file_));
    EXPECT_EQ(read_file(file_ + ".manipuliert"), bytes);
    EXPECT_NE(log.find("Einstellungen beschaedigt — beiseitegelegt als " + file_ + ".manipuliert"),
              std::string::npos);
    EXPECT_NE(log.find("Einstellungen aus der Sicherung geladen"), std::string::npos);
  }
}

TEST_F(Store, MissingEmptyAndUnreadableFiles) {
  EXPECT_EQ(log_of([] { EXPECT_TRUE(fx::same(settings::load().params, fx::standard_params())); }), "");
  save_two();
  write_file(file_, "");
  const std::string log = log_of([] { EXPECT_NEAR(loaded_mix(), 0.77f, 1e-4); });
  EXPECT_TRUE(fs::exists(file_)) << "an empty file is missing, not damaged";
  EXPECT_EQ(log.find("beschaedigt"), std::string::npos);
  // Damaged file and damaged backup: the defaults.
  write_file(file_, "garbage");
  write_file(file_ + ".bak", savecrypt::encrypt("params=1\n").substr(1));
  EXPECT_TRUE(fx::same(settings::load().params, fx::standard_params()));
  // A FIFO under the file name does not hang the load.
  fs::remove(file_);
  ASSERT_EQ(::mkfifo(file_.c_str(), 0600), 0);
  EXPECT_EQ(settings::load().theme, "dark");
}

TEST_F(Store, FailedSavesKeepTheOldFile) {
  ASSERT_TRUE(settings::save(Settings()));
  const std::string before = read_file(file_);
  // A directory in the way of the .tmp stops even a privileged user.
  ASSERT_EQ(::mkdir((file_ + ".tmp").c_str(), 0700), 0);
  EXPECT_NE(log_of([] { EXPECT_FALSE(settings::save(Settings())); })
                .find("Einstellungen nicht schreibbar: " + file_ + ".tmp"),
            std::string::npos);
  EXPECT_FALSE(fs::exists(file_ + ".bak"));
  ASSERT_EQ(::rmdir((file_ + ".tmp").c_str()), 0);
  // A file-size limit makes the write itself fail: the .tmp goes.
  const pid_t pid = ::fork();
  if (pid == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit lim{16, 16};
    ::setrlimit(RLIMIT_FSIZE, &lim);
    ::_exit(!settings::save(Settings()) && !fs::exists(file_ + ".tmp") ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(read_file(file_), before);
  // A non-empty directory at the file's place, with a file at the backup's,
  // cannot be replaced: the .tmp stays.
  fs::remove(file_);
  write_file(file_ + ".bak", "x");
  fs::create_directories(file_ + "/keep");
  EXPECT_NE(log_of([] { EXPECT_FALSE(settings::save(Settings())); }).find("Einstellungen nicht ersetzbar"),
            std::string::npos);
  EXPECT_TRUE(fs::exists(file_ + ".tmp"));
}

}  // namespace
