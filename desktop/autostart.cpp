#include "desktop/autostart.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <fstream>

#include "app/logger.h"
#include "app/sys.h"

namespace autostart {
namespace {

constexpr const char* kFileName = "Velmora.desktop";

using sys::env;

// Inside a snap HOME is the snap's own user directory, which is where snapd's
// session agent looks for the autostart entries of snap applications.
std::string autostart_dir() {
  const char* home = nullptr;
  if (env("SNAP")) {
    home = env("HOME");
  } else {
    home = env("SNAP_REAL_HOME");
    if (home == nullptr) home = env("HOME");
  }
  if (home == nullptr) return {};
  return std::string(home) + "/.config/autostart";
}

std::string entry_path(const std::string& dir) { return dir + "/" + kFileName; }

// Quotes an executable path for the Exec key when it holds a character the
// desktop-entry command syntax reserves (a blank in a directory name would
// otherwise split the command). Inside the quotes ", `, $ and \ take a
// backslash; the key's own string escaping doubles every backslash again, and
// "%" is doubled so it is not read as a field code.
std::string exec_quoted(const std::string& path) {
  static constexpr const char* kReserved = " \t\"'\\><~|&;$*?#()`";
  bool needs_quotes = path.find_first_of(kReserved) != std::string::npos;
  std::string out;
  if (needs_quotes) out += '"';
  for (char c : path) {
    if (c == '%') {
      out += "%%";
    } else if (needs_quotes && (c == '"' || c == '`' || c == '$')) {
      out += "\\\\";
      out += c;
    } else if (needs_quotes && c == '\\') {
      out += "\\\\\\\\";
    } else {
      out += c;
    }
  }
  if (needs_quotes) out += '"';
  return out;
}

std::string own_executable() {
  char buf[4096];
  ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  if (n <= 0) return "Velmora";
  std::string path(buf, static_cast<std::size_t>(n));
  // A line break or other control byte cannot be carried in one entry line.
  for (unsigned char c : path) {
    if (c < 0x20 || c == 0x7f) return "Velmora";
  }
  return exec_quoted(path);
}

void command_and_icon(std::string* command, std::string* icon) {
  if (const char* snap = env("SNAP_NAME")) {
    *command = snap;
    *icon = std::string("/snap/") + snap + "/current/meta/gui/icon.png";
  } else if (const char* flatpak = env("FLATPAK_ID")) {
    *command = std::string("flatpak run ") + flatpak;
    *icon = flatpak;
  } else {
    *command = own_executable();
    *icon = "velmora";
  }
}

}  // namespace

bool enabled() {
  std::string dir = autostart_dir();
  if (dir.empty()) return false;
  struct stat st;
  return ::stat(entry_path(dir).c_str(), &st) == 0;
}

bool set(bool on, const std::string& extra_args) {
  std::string dir = autostart_dir();
  if (dir.empty()) return false;
  const std::string path = entry_path(dir);

  if (!on) {
    ::unlink(path.c_str());
    logger::info("Autostart entfernt");
    return true;
  }

  sys::make_dirs(dir, 0755);
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    logger::error("Autostart nicht schreibbar: " + path);
    logger::info("Autostart NICHT eingetragen");
    return false;
  }

  std::string command, icon;
  command_and_icon(&command, &icon);
  std::string exec = command;
  if (!extra_args.empty()) exec += " " + extra_args;

  std::string text;
  text += "[Desktop Entry]\n";
  text += "Type=Application\n";
  text += "Name=Velmora\n";
  text += "Comment=Live-Effekte fuer das ganze System\n";
  text += "Exec=" + exec + "\n";
  text += "Icon=" + icon + "\n";
  text += "Terminal=false\n";
  text += "Categories=AudioVideo;Audio;Mixer;\n";
  text += "X-GNOME-Autostart-Delay=3\n";
  text += "X-GNOME-Autostart-enabled=true\n";

  // The entry counts as written once the file could be opened; a short write
  // is retried but its failure is not reported.
  const char* p = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    ssize_t n = ::write(fd, p, left);
    if (n < 0) break;
    p += n;
    left -= static_cast<std::size_t>(n);
  }
  ::close(fd);
  logger::info("Autostart eingetragen");
  return true;
}

std::string command() {
  std::ifstream in(entry_path(autostart_dir()));
  std::string line;
  while (std::getline(in, line)) {
    if (line.compare(0, 5, "Exec=") == 0) return line.substr(5);
  }
  return {};
}

void migrate() {
  // Entries of earlier versions already have the current layout on this
  // platform; nothing to move.
}

}  // namespace autostart
