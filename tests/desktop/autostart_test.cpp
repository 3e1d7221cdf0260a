#include "desktop/autostart.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/logger.h"
#include "tests/desktop/test_util.h"

namespace {

using desktop_test::EnvGuard;
using desktop_test::read_file;
using desktop_test::TempDir;

std::string own_exe() { return std::filesystem::read_symlink("/proc/self/exe").string(); }

std::string entry(const std::string& exec, const std::string& icon) {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Name=Velmora\n"
         "Comment=Live-Effekte fuer das ganze System\n"
         "Exec=" + exec + "\n"
         "Icon=" + icon + "\n"
         "Terminal=false\n"
         "Categories=AudioVideo;Audio;Mixer;\n"
         "X-GNOME-Autostart-Delay=3\n"
         "X-GNOME-Autostart-enabled=true\n";
}

// The last `n` log lines without their time stamps ("hh:mm:ss ").
std::vector<std::string> last_log(std::size_t n) {
  std::vector<std::string> lines = logger::tail(n);
  for (auto& l : lines) l = l.size() > 9 ? l.substr(9) : l;
  return lines;
}

TEST(Autostart, PlainEntryRunsTheRealExecutable) {
  TempDir home;
  EnvGuard env({{"HOME", home.path().c_str()}, {"SNAP", nullptr}, {"SNAP_NAME", nullptr},
                {"SNAP_REAL_HOME", nullptr}, {"FLATPAK_ID", nullptr}});
  const std::string file = home.path() + "/.config/autostart/Velmora.desktop";
  EXPECT_FALSE(autostart::enabled());
  EXPECT_EQ(autostart::command(), "");

  ASSERT_TRUE(autostart::set(true, ""));
  EXPECT_EQ(last_log(1), std::vector<std::string>{"INFO  Autostart eingetragen"});
  const std::string want = entry(own_exe(), "velmora");
  EXPECT_EQ(read_file(file), want);
  EXPECT_TRUE(autostart::enabled());
  EXPECT_EQ(autostart::command(), own_exe());

  // Switching on again rewrites the same bytes, not a second entry.
  ASSERT_TRUE(autostart::set(true, ""));
  EXPECT_EQ(read_file(file), want);

  // The directory and its missing parents were created for the user to read.
  struct stat st {};
  ASSERT_EQ(stat((home.path() + "/.config/autostart").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0755u);
}

TEST(Autostart, ExtraArgumentsFollowTheCommandAfterOneBlank) {
  TempDir home;
  EnvGuard env({{"HOME", home.path().c_str()}, {"SNAP", nullptr}, {"SNAP_NAME", nullptr},
                {"SNAP_REAL_HOME", nullptr}, {"FLATPAK_ID", nullptr}});
  ASSERT_TRUE(autostart::set(true, "--compact"));
  EXPECT_EQ(read_file(home.path() + "/.config/autostart/Velmora.desktop"),
            entry(own_exe() + " --compact", "velmora"));
  EXPECT_EQ(autostart::command(), own_exe() + " --compact");
}

TEST(Autostart, SnapEntryGoesIntoTheSnapHomeAndRunsTheSnap) {
  TempDir root;
  const std::string snap_home = root.path() + "/snap/velmora/12";
  const std::string real_home = root.path() + "/real";
  EnvGuard env({{"SNAP", "/snap/velmora/12"}, {"SNAP_NAME", "velmora"},
                {"HOME", snap_home.c_str()}, {"SNAP_REAL_HOME", real_home.c_str()},
                {"FLATPAK_ID", "org.example.Ignored"}});
  ASSERT_TRUE(autostart::set(true, ""));
  EXPECT_EQ(read_file(snap_home + "/.config/autostart/Velmora.desktop"),
            entry("velmora", "/snap/velmora/current/meta/gui/icon.png"));
  EXPECT_FALSE(std::filesystem::exists(real_home));
  EXPECT_EQ(autostart::command(), "velmora");
}

TEST(Autostart, OutsideASnapTheRealHomeIsPreferred) {
  TempDir root;
  const std::string real_home = root.path() + "/real";
  const std::string home = root.path() + "/home";
  EnvGuard env({{"SNAP", ""}, {"SNAP_NAME", nullptr}, {"HOME", home.c_str()},
                {"SNAP_REAL_HOME", real_home.c_str()}, {"FLATPAK_ID", nullptr}});
  ASSERT_TRUE(autostart::set(true, ""));
  EXPECT_TRUE(std::filesystem::exists(real_home + "/.config/autostart/Velmora.desktop"));
  EXPECT_FALSE(std::filesystem::exists(home));
}

TEST(Autostart, FlatpakEntryRunsThroughFlatpak) {
  TempDir home;
  EnvGuard env({{"HOME", home.path().c_str()}, {"SNAP", nullptr}, {"SNAP_NAME", ""},
                {"SNAP_REAL_HOME", nullptr}, {"FLATPAK_ID", "org.example.Velmora"}});
  ASSERT_TRUE(autostart::set(true, "--compact"));
  EXPECT_EQ(read_file(home.path() + "/.config/autostart/Velmora.desktop"),
            entry("flatpak run org.example.Velmora --compact", "org.example.Velmora"));
}

TEST(Autostart, SwitchingOffTwiceSucceedsAndLogsBothTimes) {
  TempDir home;
  EnvGuard env({{"HOME", home.path().c_str()}, {"SNAP", nullptr}, {"SNAP_NAME", nullptr},
                {"SNAP_REAL_HOME", nullptr}, {"FLATPAK_ID", nullptr}});
  ASSERT_TRUE(autostart::set(true, ""));
  ASSERT_TRUE(autostart::enabled());
  EXPECT_TRUE(autostart::set(false, ""));
  EXPECT_FALSE(autostart::enabled());
  EXPECT_FALSE(std::filesystem::exists(home.path() + "/.config/autostart/Velmora.desktop"));
  EXPECT_TRUE(autostart::set(false, ""));
  EXPECT_EQ(last_log(2),
            (std::vector<std::string>{"INFO  Autostart entfernt", "INFO  Autostart entfernt"}));
  EXPECT_EQ(autostart::command(), "");
}

TEST(Autostart, UnwritableEntryGivesFalseAndTwoLogLines) {
  TempDir home;
  EnvGuard env({{"HOME", home.path().c_str()}, {"SNAP", nullptr}, {"SNAP_NAME", nullptr},
                {"SNAP_REAL_HOME", nullptr}, {"FLATPAK_ID", nullptr}});
  // A file where the directory belongs stops even a privileged user.
  std::filesystem::create_directories(home.path() + "/.config");
  desktop_test::write_file(home.path() + "/.config/autostart", "not a directory");
  const std::string file = home.path() + "/.config/autostart/Velmora.desktop";
  EXPECT_FALSE(autostart::set(true, ""));
  EXPECT_EQ(last_log(2), (std::vector<std::string>{"FEHLER Autostart nicht schreibbar: " + file,
                                                   "INFO  Autostart NICHT eingetragen"}));
  EXPECT_FALSE(autostart::enabled());
}

TEST(Autostart, WithoutAHomeTheFeatureIsUnavailableAndSilent) {
  EnvGuard env({{"HOME", ""}, {"SNAP", nullptr}, {"SNAP_REAL_HOME", nullptr}});
  logger::info("marker before the silent calls");
  EXPECT_FALSE(autostart::enabled());
  EXPECT_FALSE(autostart::set(true, ""));
  EXPECT_FALSE(autostart::set(false, ""));
  EXPECT_EQ(last_log(1), std::vector<std::string>{"INFO  marker before the silent calls"});
  {
    // Inside a snap only HOME counts, even with a real home at hand.
    EnvGuard snap({{"SNAP", "/snap/velmora/1"}, {"SNAP_REAL_HOME", "/tmp"}});
    EXPECT_FALSE(autostart::set(true, ""));
  }
}

}  // namespace
