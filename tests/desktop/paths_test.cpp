#include "desktop/paths.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "tests/desktop/test_util.h"

namespace {

using desktop_test::EnvGuard;
using desktop_test::TempDir;

TEST(Paths, ConfigDirFromTheEnvironmentCreatedPrivate) {
  TempDir root;
  const std::string old = std::filesystem::current_path();
  ASSERT_EQ(chdir(root.path().c_str()), 0);
  const std::string xdg = root.path() + "/a/b";
  for (const auto& [config, home, want] : std::vector<std::tuple<const char*, const char*, std::string>>{
           {xdg.c_str(), "/nonexistent", xdg + "/Velmora"},
           {"", root.path().c_str(), root.path() + "/.config/Velmora"},
           {nullptr, "", ".Velmora"}}) {
    EnvGuard env({{"XDG_CONFIG_HOME", config}, {"HOME", home}});
    EXPECT_EQ(paths::config_dir(), want);
    struct stat st {};
    ASSERT_EQ(stat(want.c_str(), &st), 0) << want;
    EXPECT_TRUE(S_ISDIR(st.st_mode));
    EXPECT_EQ(st.st_mode & 0777, 0700u) << want;
  }
  ASSERT_EQ(chdir(old.c_str()), 0);
  // The self-test's override is handed out as it is and never created.
  paths::set_config_dir_for_selftest("/nonexistent-vlmra/override");
  EXPECT_EQ(paths::config_dir(), "/nonexistent-vlmra/override");
  EXPECT_FALSE(std::filesystem::exists("/nonexistent-vlmra"));
  paths::set_config_dir_for_selftest("");
}

TEST(Paths, PackageKindFirstMatchWins) {
  for (const auto& [snap, flatpak, appdir, kind, sandboxed] :
       std::vector<std::tuple<const char*, const char*, const char*, std::string, bool>>{
           {"/snap/x/1", "org.example.App", "/a", "snap", true},
           {"", "org.example.App", "/a", "flatpak", true},
           {nullptr, "", "/a", "appimage", false},
           {nullptr, nullptr, nullptr, "plain", false}}) {
    EnvGuard env({{"SNAP", snap}, {"FLATPAK_ID", flatpak}, {"APPDIR", appdir}});
    EXPECT_EQ(paths::package_kind(), kind);
    EXPECT_EQ(paths::is_sandboxed(), sandboxed) << kind;
  }
}

}  // namespace
