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

std::vector<std::pair<const char*, const char*>> plain_home(const TempDir& home) {
  return {{"HOME", home.path().c_str()}, {"SNAP", nullptr}, {"SNAP_NAME", nullptr},
          {"SNAP_REAL_HOME", nullptr}, {"FLATPAK_ID", nullptr}};
}

// Where the entry goes and what it runs, for each kind of installation.
TEST(Autostart, EntryPerInstallationKind) {
  struct Case {
    const char* name;
    std::vector<std::pair<const char*, const char*>> env;  // "@" stands for the scratch root
    const char* extra;
    const char* dir;  // below the scratch root
    std::string exec, icon;
    const char* absent;  // a home that must stay untouched, or ""
  };
  const std::vector<Case> cases = {
      {"plain", {{"HOME", "@/home"}, {"SNAP", nullptr}, {"SNAP_NAME", nullptr}, {"SNAP_REAL_HOME", nullptr},
                 {"FLATPAK_ID", nullptr}}, "", "/home", own_exe(), "velmora", ""},
      {"snap", {{"SNAP", "/snap/velmora/12"}, {"SNAP_NAME", "velmora"}, {"HOME", "@/snap/velmora/12"},
                {"SNAP_REAL_HOME", "@/real"}, {"FLATPAK_ID", "org.example.Ignored"}},
       "", "/snap/velmora/12", "velmora", "/snap/velmora/current/meta/gui/icon.png", "/real"},
      {"real home outside a snap", {{"SNAP", ""}, {"SNAP_NAME", nullptr}, {"HOME", "@/home"},
                                    {"SNAP_REAL_HOME", "@/real"}, {"FLATPAK_ID", nullptr}},
       "", "/real", own_exe(), "velmora", "/home"},
      {"flatpak", {{"HOME", "@/home"}, {"SNAP", nullptr}, {"SNAP_NAME", ""}, {"SNAP_REAL_HOME", nullptr},
                   {"FLATPAK_ID", "org.example.Velmora"}},
       "--compact", "/home", "flatpak run org.example.Velmora --compact", "org.example.Velmora", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir root;
    std::vector<std::string> values;
    values.reserve(c.env.size());
    std::vector<std::pair<const char*, const char*>> env;
    for (auto [name, value] : c.env) {
      if (value != nullptr && value[0] == '@') {
        values.push_back(root.path() + (value + 1));
        value = values.back().c_str();
      }
      env.emplace_back(name, value);
    }
    EnvGuard guard(env);
    ASSERT_TRUE(autostart::set(true, c.extra));
    EXPECT_EQ(read_file(root.path() + c.dir + "/.config/autostart/Velmora.desktop"), entry(c.exec, c.icon));
    EXPECT_EQ(autostart::command(), c.exec);
    if (c.absent[0] != '\0') {
      EXPECT_FALSE(std::filesystem::exists(root.path() + c.absent));
    }
  }
}

TEST(Autostart, OnTwiceWritesTheSameBytesAndOffTwiceSucceeds) {
  TempDir home;
  EnvGuard env(plain_home(home));
  const std::string file = home.path() + "/.config/autostart/Velmora.desktop";
  EXPECT_FALSE(autostart::enabled());
  EXPECT_EQ(autostart::command(), "");
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
  EXPECT_FALSE(autostart::enabled());
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_TRUE(autostart::set(false, ""));
  EXPECT_EQ(last_log(2),
            (std::vector<std::string>{"INFO  Autostart entfernt", "INFO  Autostart entfernt"}));
  EXPECT_EQ(autostart::command(), "");
}

TEST(Autostart, UnwritableEntryGivesFalseAndTwoLogLines) {
  TempDir home;
  EnvGuard env(plain_home(home));
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
