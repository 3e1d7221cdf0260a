#include "desktop/paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "tests/desktop/test_util.h"

namespace {

using desktop_test::EnvGuard;
using desktop_test::TempDir;
using Vars = std::vector<std::pair<const char*, const char*>>;

TEST(Paths, ConfigDirFromTheEnvironmentCreatedPrivate) {
  TempDir root;
  const std::string xdg = root.path() + "/a/b";
  {
    EnvGuard env({{"XDG_CONFIG_HOME", xdg.c_str()}, {"HOME", "/nonexistent"}});
    EXPECT_EQ(paths::config_dir(), xdg + "/Velmora");
    struct stat st {};
    ASSERT_EQ(stat((xdg + "/Velmora").c_str(), &st), 0);
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0700u);
  }
  {
    EnvGuard env({{"XDG_CONFIG_HOME", ""}, {"HOME", root.path().c_str()}});
    EXPECT_EQ(paths::config_dir(), root.path() + "/.config/Velmora");
    EXPECT_TRUE(std::filesystem::is_directory(root.path() + "/.config/Velmora"));
  }
  const std::string old = std::filesystem::current_path();
  ASSERT_EQ(chdir(root.path().c_str()), 0);
  {
    EnvGuard env({{"XDG_CONFIG_HOME", nullptr}, {"HOME", ""}});
    EXPECT_EQ(paths::config_dir(), ".Velmora");
    EXPECT_TRUE(std::filesystem::is_directory(root.path() + "/.Velmora"));
  }
  ASSERT_EQ(chdir(old.c_str()), 0);
  // The self-test's override is handed out as it is and never created.
  paths::set_config_dir_for_selftest("/nonexistent-vlmra/override");
  EXPECT_EQ(paths::config_dir(), "/nonexistent-vlmra/override");
  EXPECT_FALSE(std::filesystem::exists("/nonexistent-vlmra"));
  paths::set_config_dir_for_selftest("");
}

TEST(Paths, PackageKindFirstMatchWins) {
  struct Case {
    Vars env;
    const char* kind;
    bool sandboxed;
  };
  const std::vector<Case> cases = {
      {{{"SNAP", "/snap/x/1"}, {"FLATPAK_ID", "org.example.App"}, {"APPDIR", "/a"}}, "snap", true},
      {{{"SNAP", ""}, {"FLATPAK_ID", "org.example.App"}, {"APPDIR", "/a"}}, "flatpak", true},
      {{{"SNAP", nullptr}, {"FLATPAK_ID", ""}, {"APPDIR", "/a"}}, "appimage", false},
      {{{"SNAP", nullptr}, {"FLATPAK_ID", nullptr}, {"APPDIR", nullptr}}, "plain", false},
  };
  for (const Case& c : cases) {
    EnvGuard env(c.env);
    EXPECT_STREQ(paths::package_kind(), c.kind);
    EXPECT_EQ(paths::is_sandboxed(), c.sandboxed) << c.kind;
  }
}

}  // namespace
