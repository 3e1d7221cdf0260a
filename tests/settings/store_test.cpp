// The settings file on a real file system, in a private temporary directory.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/logger.h"
#include "desktop/paths.h"
#include "settings/savecrypt.h"
#include "settings/settings.h"
#include "tests/settings/record_compare.h"

namespace {

namespace fs = std::filesystem;

class Store : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/vlm-store-test-XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    dir_ = tmpl;
    paths::set_config_dir_for_selftest(dir_);
    file_ = dir_ + "/settings.dat";
  }
  void TearDown() override {
    ::chmod(dir_.c_str(), 0700);
    paths::set_config_dir_for_selftest("");
    std::error_code ec;
    fs::remove_all(dir_, ec);
  }

  static std::string read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  static void write(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
  }
  static Settings with_mix(float mix) {
    Settings s;
    s.params.knob[fx::kMix] = mix;
    return s;
  }
  // Separates this test's log lines from earlier ones.
  static void mark_log() { logger::info("---- mark"); }
  static bool logged_since_mark(const std::string& text) {
    bool found = false;
    for (const std::string& line : logger::tail(50)) {
      if (line.find("---- mark") != std::string::npos) found = false;
      else if (line.find(text) != std::string::npos) found = true;
    }
    return found;
  }

  std::string dir_;
  std::string file_;
};

TEST_F(Store, SavedFileIsSealedPrivateAndLoadsBack) {
  ASSERT_EQ(settings::file_path(), file_);
  Settings s;
  s.theme = "light";
  s.user_presets[1].push_back({"Nacht", fx::clean_params()});
  ASSERT_TRUE(settings::save(s));
  const std::string bytes = read(file_);
  ASSERT_GE(bytes.size(), 45u);
  EXPECT_EQ(bytes.substr(0, 5), std::string("VLMS\x01"));
  struct stat st {};
  ASSERT_EQ(::stat(file_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  EXPECT_FALSE(fs::exists(file_ + ".tmp"));
  const Settings back = settings::load();
  EXPECT_EQ(back.theme, "light");
  ASSERT_EQ(back.user_presets[1].size(), 1u);
  EXPECT_EQ(back.user_presets[1][0].name, "Nacht");
}

TEST_F(Store, FullRecordSurvivesTheFileFieldByField) {
  const Settings full = settings_test::full_record();
  ASSERT_TRUE(settings::save(full));
  settings_test::expect_same_record(settings::load(), full);
  ASSERT_TRUE(settings::save(Settings()));
  settings_test::expect_same_record(settings::load(), Settings());
}

TEST_F(Store, StaleTmpWithWideModeDoesNotLeakIntoTheNewFile) {
  write(file_ + ".tmp", "old");
  ::chmod((file_ + ".tmp").c_str(), 0666);
  ASSERT_TRUE(settings::save(Settings()));
  struct stat st {};
  ASSERT_EQ(::stat(file_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(Store, SecondSaveKeepsThePreviousFileAsBackup) {
  ASSERT_TRUE(settings::save(with_mix(0.77f)));
  const std::string first = read(file_);
  ASSERT_TRUE(settings::save(with_mix(0.33f)));
  EXPECT_EQ(read(file_ + ".bak"), first);
  EXPECT_NEAR(settings::load().params.knob[fx::kMix], 0.33f, 1e-6);
}

TEST_F(Store, PartialTmpBesideAGoodFileIsIgnored) {
  ASSERT_TRUE(settings::save(with_mix(0.42f)));
  write(file_ + ".tmp", "halb geschrieb");
  EXPECT_NEAR(settings::load().params.knob[fx::kMix], 0.42f, 1e-6);
}

TEST_F(Store, DeletedFileFallsBackToTheBackupWithAWarning) {
  ASSERT_TRUE(settings::save(with_mix(0.77f)));
  ASSERT_TRUE(settings::save(with_mix(0.33f)));
  ASSERT_EQ(::unlink(file_.c_str()), 0);
  write(file_ + ".tmp", "halb geschrieb");
  mark_log();
  EXPECT_NEAR(settings::load().params.knob[fx::kMix], 0.77f, 1e-4);
  EXPECT_TRUE(logged_since_mark("Einstellungen aus der Sicherung geladen"));
  EXPECT_FALSE(logged_since_mark("beschaedigt"));
}

TEST_F(Store, DamagedFileIsSetAsideAndTheBackupLoads) {
  // Each kind of damage: a flipped bit, a cut, a plain-text hand edit, 2 MiB.
  for (int kind = 0; kind < 4; ++kind) {
    SCOPED_TRACE(kind);
    ASSERT_TRUE(settings::save(with_mix(0.77f)));
    ASSERT_TRUE(settings::save(with_mix(0.33f)));
    std::string bytes = read(file_);
    switch (kind) {
      case 0: bytes[bytes.size() / 2] ^= 0x10; break;
      case 1: bytes.resize(bytes.size() - 1); break;
      case 2: bytes = "params=1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1\n"; break;
      case 3: bytes = savecrypt::encrypt(std::string(2 * 1048576, 'J')); break;
    }
    write(file_, bytes);
    mark_log();
    EXPECT_NEAR(settings::load().params.knob[fx::kMix], 0.77f, 1e-4);
    EXPECT_FALSE(fs::exists(file_));
    EXPECT_EQ(read(file_ + ".manipuliert"), bytes);
    EXPECT_TRUE(logged_since_mark("Einstellungen beschaedigt — beiseitegelegt als " + file_ +
                                  ".manipuliert"));
    EXPECT_TRUE(logged_since_mark("Einstellungen aus der Sicherung geladen"));
  }
}

TEST_F(Store, EmptyFileCountsAsMissingAndNothingGivesDefaults) {
  mark_log();
  Settings d = settings::load();
  EXPECT_TRUE(fx::same(d.params, fx::standard_params()));
  EXPECT_EQ(d.unit_preset[0], "b:preset_warm");
  EXPECT_FALSE(logged_since_mark("Einstellungen"));

  ASSERT_TRUE(settings::save(with_mix(0.77f)));
  ASSERT_TRUE(settings::save(with_mix(0.33f)));
  write(file_, "");
  mark_log();
  EXPECT_NEAR(settings::load().params.knob[fx::kMix], 0.77f, 1e-4);
  EXPECT_TRUE(fs::exists(file_)) << "an empty file is missing, not damaged";
  EXPECT_FALSE(logged_since_mark("beschaedigt"));
  EXPECT_TRUE(logged_since_mark("Einstellungen aus der Sicherung geladen"));
}

TEST_F(Store, DamagedFileAndDamagedBackupGiveDefaults) {
  write(file_, "garbage");
  write(file_ + ".bak", savecrypt::encrypt("params=1\n").substr(1));
  const Settings s = settings::load();
  EXPECT_TRUE(fx::same(s.params, fx::standard_params()));
  EXPECT_TRUE(fs::exists(file_ + ".manipuliert"));
}

TEST_F(Store, FifoUnderTheFileNameDoesNotHangTheLoad) {
  ASSERT_EQ(::mkfifo(file_.c_str(), 0600), 0);
  const Settings s = settings::load();
  EXPECT_EQ(s.theme, "dark");
}

TEST_F(Store, UncreatableTmpFailsWithTheMessageAndKeepsTheOldFile) {
  ASSERT_TRUE(settings::save(with_mix(0.5f)));
  const std::string before = read(file_);
  ASSERT_EQ(::mkdir((file_ + ".tmp").c_str(), 0700), 0);  // in the way even for root
  mark_log();
  EXPECT_FALSE(settings::save(with_mix(0.9f)));
  EXPECT_TRUE(logged_since_mark("Einstellungen nicht schreibbar: " + file_ + ".tmp"));
  EXPECT_EQ(read(file_), before);
  EXPECT_FALSE(fs::exists(file_ + ".bak"));
}

TEST_F(Store, ReadOnlyDirectoryMakesSaveFail) {
  ASSERT_TRUE(settings::save(with_mix(0.5f)));
  const std::string before = read(file_);
  // Root writes into read-only directories, so a root run drops to "nobody"
  // in a child that owns the directory.
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    if (::geteuid() == 0) {
      if (::chown(dir_.c_str(), 65534, 65534) != 0 || ::setgid(65534) != 0 ||
          ::setuid(65534) != 0) {
        ::_exit(3);
      }
    }
    if (::chmod(dir_.c_str(), 0500) != 0) ::_exit(4);
    mark_log();
    const bool ok = settings::save(with_mix(0.9f));
    const bool said = logged_since_mark("Einstellungen nicht schreibbar: " + file_ + ".tmp");
    ::_exit(!ok && said ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  if (::geteuid() == 0) {
    ASSERT_EQ(::chown(dir_.c_str(), 0, 0), 0);
  }
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(read(file_), before);
  EXPECT_FALSE(fs::exists(file_ + ".bak"));
}

TEST_F(Store, FailedWriteRemovesTheTmpAndKeepsTheOldFile) {
  ASSERT_TRUE(settings::save(with_mix(0.5f)));
  const std::string before = read(file_);
  // A file-size limit makes the write itself fail, for any user.
  const pid_t pid = ::fork();
  ASSERT_GE(pid, 0);
  if (pid == 0) {
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit lim{16, 16};
    ::setrlimit(RLIMIT_FSIZE, &lim);
    const bool ok = settings::save(with_mix(0.9f));
    const bool tmp_gone = ::access((file_ + ".tmp").c_str(), F_OK) != 0;
    ::_exit(!ok && tmp_gone ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(pid, &status, 0), pid);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(read(file_), before);
}

TEST_F(Store, FailedFinalRenameReportsAndLeavesTheTmp) {
  write(file_ + ".bak", "x");
  ASSERT_EQ(::mkdir(file_.c_str(), 0700), 0);
  write(file_ + "/keep", "x");  // a non-empty directory cannot be replaced
  mark_log();
  EXPECT_FALSE(settings::save(Settings()));
  EXPECT_TRUE(logged_since_mark("Einstellungen nicht ersetzbar"));
  EXPECT_TRUE(fs::exists(file_ + ".tmp"));
}

}  // namespace
