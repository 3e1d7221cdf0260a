#include "desktop/paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// Sets the listed variables (nullptr unsets) for one test and puts the old
// values back afterwards.
class EnvGuard {
 public:
  explicit EnvGuard(std::initializer_list<std::pair<const char*, const char*>> vars) {
    for (auto& [name, value] : vars) {
      const char* old = std::getenv(name);
      saved_.emplace_back(name, old != nullptr, old ? old : "");
      if (value) setenv(name, value, 1); else unsetenv(name);
    }
  }
  ~EnvGuard() {
    for (auto& [name, had, value] : saved_) {
      if (had) setenv(name.c_str(), value.c_str(), 1); else unsetenv(name.c_str());
    }
  }

 private:
  std::vector<std::tuple<std::string, bool, std::string>> saved_;
};

const std::initializer_list<std::pair<const char*, const char*>> kNoLocale = {
    {"VLMR_LANG", nullptr}, {"LANGUAGE", nullptr}, {"LC_ALL", nullptr},
    {"LC_MESSAGES", nullptr}, {"LANG", nullptr}};

std::string temp_dir() {
  char dir[] = "/tmp/vlmra-paths-XXXXXX";
  return mkdtemp(dir) ? dir : "";
}

TEST(Paths, ConfigDirFromXdgWithParentsCreatedPrivate) {
  std::string root = temp_dir();
  std::string xdg = root + "/a/b";
  EnvGuard env({{"XDG_CONFIG_HOME", xdg.c_str()}, {"HOME", "/nonexistent"}});
  EXPECT_EQ(paths::config_dir(), xdg + "/Velmora");
  struct stat st {};
  ASSERT_EQ(stat((xdg + "/Velmora").c_str(), &st), 0);
  EXPECT_TRUE(S_ISDIR(st.st_mode));
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  std::filesystem::remove_all(root);
}

TEST(Paths, EmptyXdgCountsAsUnsetAndHomeIsUsed) {
  std::string home = temp_dir();
  EnvGuard env({{"XDG_CONFIG_HOME", ""}, {"HOME", home.c_str()}});
  EXPECT_EQ(paths::config_dir(), home + "/.config/Velmora");
  EXPECT_TRUE(std::filesystem::is_directory(home + "/.config/Velmora"));
  std::filesystem::remove_all(home);
}

TEST(Paths, NoHomeGivesRelativeDirInWorkingDirectory) {
  std::string cwd = temp_dir();
  std::string old = std::filesystem::current_path();
  ASSERT_EQ(chdir(cwd.c_str()), 0);
  {
    EnvGuard env({{"XDG_CONFIG_HOME", nullptr}, {"HOME", ""}});
    EXPECT_EQ(paths::config_dir(), ".Velmora");
    EXPECT_TRUE(std::filesystem::is_directory(cwd + "/.Velmora"));
  }
  ASSERT_EQ(chdir(old.c_str()), 0);
  std::filesystem::remove_all(cwd);
}

TEST(Paths, SelftestOverrideIsReturnedUnchangedAndNotCreated) {
  paths::set_config_dir_for_selftest("/nonexistent-vlmra/override");
  EXPECT_EQ(paths::config_dir(), "/nonexistent-vlmra/override");
  EXPECT_FALSE(std::filesystem::exists("/nonexistent-vlmra"));
  paths::set_config_dir_for_selftest("");
  EnvGuard env({{"XDG_CONFIG_HOME", "/tmp"}});
  EXPECT_EQ(paths::config_dir(), "/tmp/Velmora");
}

TEST(Paths, PackageKindFirstMatchWins) {
  {
    EnvGuard env({{"SNAP", "/snap/x/1"}, {"FLATPAK_ID", "org.example.App"}, {"APPDIR", "/a"}});
    EXPECT_STREQ(paths::package_kind(), "snap");
    EXPECT_TRUE(paths::is_sandboxed());
  }
  {
    EnvGuard env({{"SNAP", ""}, {"FLATPAK_ID", "org.example.App"}, {"APPDIR", "/a"}});
    EXPECT_STREQ(paths::package_kind(), "flatpak");
    EXPECT_TRUE(paths::is_sandboxed());
  }
  {
    EnvGuard env({{"SNAP", nullptr}, {"FLATPAK_ID", ""}, {"APPDIR", "/a"}});
    EXPECT_STREQ(paths::package_kind(), "appimage");
    EXPECT_FALSE(paths::is_sandboxed());
  }
  {
    EnvGuard env({{"SNAP", nullptr}, {"FLATPAK_ID", nullptr}, {"APPDIR", nullptr}});
    EXPECT_STREQ(paths::package_kind(), "plain");
    EXPECT_FALSE(paths::is_sandboxed());
  }
}

TEST(Paths, SystemLanguageFromTheEnvironment) {
  EnvGuard clear(kNoLocale);
  EXPECT_EQ(paths::system_language(), "en");
  {
    EnvGuard env({{"LANGUAGE", "de:en"}, {"LANG", "fr_FR.UTF-8"}});
    EXPECT_EQ(paths::system_language(), "de");
  }
  {
    EnvGuard env({{"LANG", "C.UTF-8"}});
    EXPECT_EQ(paths::system_language(), "en");
  }
  {
    EnvGuard env({{"LC_MESSAGES", "POSIX"}, {"LANG", "pt_BR.UTF-8"}});
    EXPECT_EQ(paths::system_language(), "pt_BR");
  }
  {
    EnvGuard env({{"LC_ALL", "sr_RS@latin"}});
    EXPECT_EQ(paths::system_language(), "sr_RS");
  }
  {
    EnvGuard env({{"VLMR_LANG", "ja"}, {"LANGUAGE", "de"}, {"LC_ALL", "fr_FR"}, {"LANG", "es"}});
    EXPECT_EQ(paths::system_language(), "ja");
  }
  {
    EnvGuard env({{"VLMR_LANG", ""}, {"LANGUAGE", ""}, {"LANG", "de_DE.UTF-8"}});
    EXPECT_EQ(paths::system_language(), "de_DE");
  }
}

TEST(Paths, DisplayIsUnchanged) { EXPECT_EQ(paths::display("/a b/c"), "/a b/c"); }

}  // namespace
