#include "desktop/autostart.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/logger.h"
#include "tests/desktop/test_util.h"

namespace {

namespace fs = std::filesystem;
using desktop_test::EnvGuard;
using desktop_test::read_file;
using desktop_test::TempDir;

// The last `n` log lines without their time stamps ("hh:mm:ss ").
std::vector<std::string> last_log(std::size_t n) {
  std::vector<std::string> lines = logger::tail(n);
  for (auto& l : lines) l = l.substr(9);
  return lines;
}

// Where the entry goes and what it runs, for each kind of installation.
TEST(Autostart, EntryPerInstallationKind) {
  const std::string exe = fs::read_symlink("/proc/self/exe").string();
  struct Case {
    const char *snap, *snap_name, *home, *real_home, *flatpak, *extra;  // homes below the scratch root
    std::string dir, exec, icon;
  };
  for (const Case& c : std::vector<Case>{
           {nullptr, nullptr, "/home", nullptr, nullptr, "", "/home", exe, "velmora"},
           {"/snap/velmora/12", "velmora", "/snap/velmora/12", "/real", "org.example.Ignored", "", "/snap/velmora/12",
            "velmora", "/snap/velmora/current/meta/gui/icon.png"},
           {"", nullptr, "/home", "/real", nullptr, "", "/real", exe, "velmora"},  // real home outside a snap
           {nullptr, "", "/home", nullptr, "org.example.Velmora", "--compact", "/home",
            "flatpak run org.example.Velmora --compact", "org.example.Velmora"}}) {
    SCOPED_TRACE(c.exec + " " + c.dir);
    TempDir root;
    const std::string home = root.path() + c.home;
    const std::string real = c.real_home ? root.path() + c.real_home : "";
    EnvGuard env({{"SNAP", c.snap}, {"SNAP_NAME", c.snap_name}, {"HOME", home.c_str()},
                  {"SNAP_REAL_HOME", c.real_home ? real.c_str() : nullptr}, {"FLATPAK_ID", c.flatpak}});
    ASSERT_TRUE(autostart::set(true, c.extra));
    EXPECT_EQ(read_file(root.path() + c.dir + "/.config/autostart/Velmora.desktop"),
              "[Desktop Entry]\nType=Application\nName=Velmora\nComment=Live-Effekte fuer das ganze System\nExec=" +
                  c.exec + "\nIcon=" + c.icon +
                  "\nTerminal=false\nCategories=AudioVideo;Audio;Mixer;\nX-GNOME-Autostart-Delay=3\n"
                  "X-GNOME-Autostart-enabled=true\n");
    EXPECT_EQ(autostart::command(), c.exec);
    for (const std::string& other : {home, real}) {
      EXPECT_TRUE(other.empty() || other == root.path() + c.dir || !fs::exists(other)) << other << " was written";
    }
  }
}

TEST(Autostart, OnAndOffTwiceAndAnUnwritableEntry) {
  TempDir home;
  EnvGuard env({{"HOME", home.path().c_str()}, {"SNAP", nullptr}, {"SNAP_REAL_HOME", nullptr},
                {"FLATPAK_ID", nullptr}});
  const std::string file = home.path() + "/.config/autostart/Velmora.desktop";
  EXPECT_FALSE(autostart::enabled());
  ASSERT_TRUE(autostart::set(true, ""));
  EXPECT_EQ(last_log(1), std::vector<std::string>{"INFO  Autostart eingetragen"});
  const std::string first = read_file(file);
  ASSERT_TRUE(autostart::set(true, ""));
  EXPECT_EQ(read_file(file), first);
  EXPECT_TRUE(autostart::enabled());
  // The directory and its missing parents were created for the user to read.
  struct stat st {};
  ASSERT_EQ(stat((home.path() + "/.config/autostart").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0755u);
  EXPECT_TRUE(autostart::set(false, ""));
  EXPECT_TRUE(autostart::set(false, ""));
  EXPECT_FALSE(autostart::enabled() || fs::exists(file));
  EXPECT_EQ(last_log(2), (std::vector<std::string>{"INFO  Autostart entfernt", "INFO  Autostart entfernt"}));
  EXPECT_EQ(autostart::command(), "");
  // A file where the directory belongs stops even a privileged user.
  fs::remove_all(home.path() + "/.config/autostart");
  desktop_test::write_file(home.path() + "/.config/autostart", "not a directory");
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
  // Inside a snap only HOME counts, even with a real home at hand.
  EnvGuard snap({{"SNAP", "/snap/velmora/1"}, {"SNAP_REAL_HOME", "/tmp"}});
  EXPECT_FALSE(autostart::set(true, ""));
}

}  // namespace
