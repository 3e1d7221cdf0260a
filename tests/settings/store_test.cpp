// The settings file on a real file system, in a private temporary directory.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/logger.h"
#include "desktop/paths.h"
#include "fx/presets.h"
#include "settings/savecrypt.h"
#include "settings/settings.h"
#include "tests/desktop/test_util.h"

namespace {

namespace fs = std::filesystem;
using desktop_test::read_file;
using desktop_test::write_file;

// Knobs pass through six significant digits on disk.
void expect_same_record(const Settings& a, const Settings& b) {
  auto same_params = [](const fx::Params& x, const fx::Params& y) {
    if (x.tube_on != y.tube_on || x.comp_on != y.comp_on || x.limiter_on != y.limiter_on) {
      return false;
    }
    for (int k = 0; k < fx::kKnobs; ++k) {
      if (std::fabs(x.knob[k] - y.knob[k]) > 5e-6f) return false;
    }
    return true;
  };
  EXPECT_TRUE(same_params(a.params, b.params));
  EXPECT_EQ(a.unit_preset, b.unit_preset);
  for (int u = 0; u < 2; ++u) {
    ASSERT_EQ(a.user_presets[u].size(), b.user_presets[u].size());
    for (std::size_t i = 0; i < a.user_presets[u].size(); ++i) {
      EXPECT_EQ(a.user_presets[u][i].name, b.user_presets[u][i].name);
      EXPECT_TRUE(same_params(a.user_presets[u][i].params, b.user_presets[u][i].params));
    }
  }
  EXPECT_EQ(a.active, b.active);
  EXPECT_EQ(a.active_on_start, b.active_on_start);
  EXPECT_EQ(a.compact, b.compact);
  EXPECT_EQ(a.compact_on_top, b.compact_on_top);
  EXPECT_EQ(a.output, b.output);
  EXPECT_EQ(a.last_default, b.last_default);
  EXPECT_EQ(a.vu_mode, b.vu_mode);
  EXPECT_EQ(a.language, b.language);
  EXPECT_EQ(a.theme, b.theme);
  EXPECT_EQ(a.win_x, b.win_x);
  EXPECT_EQ(a.win_y, b.win_y);
  EXPECT_EQ(a.win_w, b.win_w);
  EXPECT_EQ(a.win_h, b.win_h);
  EXPECT_EQ(a.collapsed, b.collapsed);
  EXPECT_EQ(a.mini_x, b.mini_x);
  EXPECT_EQ(a.mini_y, b.mini_y);
  EXPECT_EQ(a.mini_w, b.mini_w);
  EXPECT_EQ(a.mini_h, b.mini_h);
}

// 100 user presets per unit with names in many scripts, every other field set.
Settings full_record() {
  Settings s;
  s.params = fx::clean_params();
  for (int k = 0; k < fx::kKnobs; ++k) s.params.knob[k] = 0.0625f * static_cast<float>(k);
  s.params.knob[3] = 1e-5f;
  const char* scripts[] = {"Größe", "日本語", "한국어", "العربية", "עברית", "हिन्दी", "ไทย",
                           "Русский", "Ελληνικά", "Tiếng", "\xF0\x9F\x91\xA9\xE2\x80\x8D\xF0\x9F\x8E\xA4"};
  for (int u = 0; u < 2; ++u) {
    for (int i = 0; i < 100; ++i) {
      UserPreset p;
      p.name = std::string(scripts[(i + u) % 11]) + " " + std::to_string(i);
      p.params = fx::standard_params();
      p.params.tube_on = (i % 2) != 0;
      p.params.knob[i % 16] = static_cast<float>(i) / 99.0f;
      s.user_presets[u].push_back(p);
    }
  }
  s.unit_preset = {"u:日本語 3", "b:preset_glue"};
  s.active = false;
  s.active_on_start = false;
  s.compact = true;
  s.compact_on_top = false;
  s.output = "alsa_output.pci-0000_00_1f.3.analog-stereo";
  s.last_default = "bluez_sink.00_11";
  s.vu_mode = 2;
  s.language = "pt_BR";
  s.theme = "light";
  s.win_x = -100000;
  s.win_y = 100000;
  s.win_w = 1180;
  s.win_h = 780;
  s.collapsed = true;
  s.mini_x = 5;
  s.mini_y = 0;
  s.mini_w = 420;
  s.mini_h = 132;
  return s;
}


class Store : public ::testing::Test {
 protected:
  void SetUp() override { paths::set_config_dir_for_selftest(dir_); }
  void TearDown() override { paths::set_config_dir_for_selftest(""); }

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

  desktop_test::TempDir tmp_;
  const std::string dir_ = tmp_.path();
  const std::string file_ = dir_ + "/settings.dat";
};

TEST_F(Store, SavedFileIsSealedPrivateAndKeepsABackup) {
  ASSERT_EQ(settings::file_path(), file_);
  // A stale .tmp with a wide mode must not lend it to the new file.
  write_file(file_ + ".tmp", "old");
  ::chmod((file_ + ".tmp").c_str(), 0666);
  ASSERT_TRUE(settings::save(with_mix(0.77f)));
  struct stat st {};
  ASSERT_EQ(::stat(file_.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  const std::string first = read_file(file_);
  ASSERT_TRUE(settings::save(with_mix(0.33f)));
  EXPECT_EQ(read_file(file_).substr(0, 5), std::string("VLMS\x01"));
  EXPECT_FALSE(fs::exists(file_ + ".tmp"));
  EXPECT_EQ(read_file(file_ + ".bak"), first);
  // A half-written .tmp beside a good file is ignored.
  write_file(file_ + ".tmp", "halb geschrieb");
  EXPECT_NEAR(settings::load().params.knob[fx::kMix], 0.33f, 1e-6);
}

TEST_F(Store, FullRecordSurvivesTheFileFieldByField) {
  const Settings full = full_record();
  ASSERT_TRUE(settings::save(full));
  expect_same_record(settings::load(), full);
  ASSERT_TRUE(settings::save(Settings()));
  expect_same_record(settings::load(), Settings());
}

TEST_F(Store, DeletedFileFallsBackToTheBackupWithAWarning) {
  ASSERT_TRUE(settings::save(with_mix(0.77f)));
  ASSERT_TRUE(settings::save(with_mix(0.33f)));
  ASSERT_EQ(::unlink(file_.c_str()), 0);
  write_file(file_ + ".tmp", "halb geschrieb");
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
    std::string bytes = read_file(file_);
    switch (kind) {
      case 0: bytes[bytes.size() / 2] ^= 0x10; break;
      case 1: bytes.resize(bytes.size() - 1); break;
      case 2: bytes = "params=1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1\n"; break;
      case 3: bytes = savecrypt::encrypt(std::string(2 * 1048576, 'J')); break;
    }
    write_file(file_, bytes);
    mark_log();
    EXPECT_NEAR(settings::load().params.knob[fx::kMix], 0.77f, 1e-4);
    EXPECT_FALSE(fs::exists(file_));
    EXPECT_EQ(read_file(file_ + ".manipuliert"), bytes);
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
  write_file(file_, "");
  mark_log();
  EXPECT_NEAR(settings::load().params.knob[fx::kMix], 0.77f, 1e-4);
  EXPECT_TRUE(fs::exists(file_)) << "an empty file is missing, not damaged";
  EXPECT_FALSE(logged_since_mark("beschaedigt"));
  EXPECT_TRUE(logged_since_mark("Einstellungen aus der Sicherung geladen"));
}

TEST_F(Store, DamagedFileAndDamagedBackupGiveDefaults) {
  write_file(file_, "garbage");
  write_file(file_ + ".bak", savecrypt::encrypt("params=1\n").substr(1));
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
  const std::string before = read_file(file_);
  ASSERT_EQ(::mkdir((file_ + ".tmp").c_str(), 0700), 0);  // in the way even for root
  mark_log();
  EXPECT_FALSE(settings::save(with_mix(0.9f)));
  EXPECT_TRUE(logged_since_mark("Einstellungen nicht schreibbar: " + file_ + ".tmp"));
  EXPECT_EQ(read_file(file_), before);
  EXPECT_FALSE(fs::exists(file_ + ".bak"));
}

TEST_F(Store, FailedWriteRemovesTheTmpAndKeepsTheOldFile) {
  ASSERT_TRUE(settings::save(with_mix(0.5f)));
  const std::string before = read_file(file_);
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
  EXPECT_EQ(read_file(file_), before);
}

TEST_F(Store, FailedFinalRenameReportsAndLeavesTheTmp) {
  write_file(file_ + ".bak", "x");
  ASSERT_EQ(::mkdir(file_.c_str(), 0700), 0);
  write_file(file_ + "/keep", "x");  // a non-empty directory cannot be replaced
  mark_log();
  EXPECT_FALSE(settings::save(Settings()));
  EXPECT_TRUE(logged_since_mark("Einstellungen nicht ersetzbar"));
  EXPECT_TRUE(fs::exists(file_ + ".tmp"));
}

}  // namespace
