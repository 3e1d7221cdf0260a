// The settings file: sealed text, durable replacement with a backup, and a
// load that never fails and never keeps anything invalid.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "app/logger.h"
#include "desktop/paths.h"
#include "settings/savecrypt.h"
#include "settings/settings.h"
#include "settings/text.h"

namespace settings {
namespace {

constexpr std::size_t kMaxFileBytes = 1048576;

// kUnreadable: the system could not read the file (an I/O error). That says
// nothing about its contents, so it is not set aside like a damaged one.
enum ReadResult { kLoaded = 0, kMissing = 1, kDamaged = 2, kUnreadable = 3 };

// Reads at most limit + 1 bytes so that an oversized file costs no more than
// that. Returns false on a read error.
bool read_capped(int fd, std::size_t limit, std::string* out) {
  out->clear();
  char buf[65536];
  while (out->size() <= limit) {
    const ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    out->append(buf, static_cast<std::size_t>(n));
  }
  return true;
}

int read_sealed(const std::string& path, Settings* s) {
  // O_NONBLOCK: a FIFO planted under the name must not hang the start.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return kMissing;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return kMissing;
  }
  std::string sealed;
  const bool read_ok = read_capped(fd, kMaxFileBytes, &sealed);
  ::close(fd);
  if (!read_ok) return kUnreadable;
  if (sealed.empty()) return kMissing;
  if (sealed.size() > kMaxFileBytes) return kDamaged;
  // A file shorter than it claimed to be was cut while being read.
  if (sealed.size() < static_cast<std::size_t>(st.st_size)) return kDamaged;

  std::string plain;
  if (savecrypt::decrypt(sealed, &plain) != 0) return kDamaged;
  *s = Settings();
  text::deserialize(plain, s);
  return kLoaded;
}

bool write_all(int fd, const std::string& data) {
  std::size_t done = 0;
  while (done < data.size()) {
    const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Writes the .tmp file completely and durably; false on any failure.
bool write_tmp(const std::string& tmp, const std::string& data) {
  // A fresh file every time: an old .tmp (or anything else under that name)
  // must not lend its permissions or its target to the new content.
  ::unlink(tmp.c_str());
  const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_TRUNC | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  const bool ok = write_all(fd, data) && ::fsync(fd) == 0;
  return ::close(fd) == 0 && ok;
}

void sync_dir(const std::string& dir) {
  const int fd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

std::string file_path() { return paths::config_dir() + "/settings.dat"; }

Settings load() {
  const std::string path = file_path();
  Settings s;
  const int rc = read_sealed(path, &s);
  if (rc == kLoaded) return s;
  if (rc == kDamaged) {
    const std::string aside = path + ".manipuliert";
    std::rename(path.c_str(), aside.c_str());
    logger::warn("Einstellungen beschaedigt — beiseitegelegt als " + aside);
  } else if (rc == kUnreadable) {
    logger::warn("Einstellungen nicht lesbar (E/A-Fehler): " + path);
  }
  Settings from_backup;
  if (read_sealed(path + ".bak", &from_backup) == kLoaded) {
    logger::warn("Einstellungen aus der Sicherung geladen");
    return from_backup;
  }
  return Settings();
}

bool save(const Settings& s) {
  const std::string dir = paths::config_dir();
  const std::string path = dir + "/settings.dat";
  const std::string tmp = path + ".tmp";
  if (!write_tmp(tmp, savecrypt::encrypt(text::serialize(s)))) {
    logger::error("Einstellungen nicht schreibbar: " + tmp);
    ::unlink(tmp.c_str());
    return false;
  }
  struct stat st {};
  if (::lstat(path.c_str(), &st) == 0) std::rename(path.c_str(), (path + ".bak").c_str());
  if (std::rename(tmp.c_str(), path.c_str()) != 0) {
    logger::error("Einstellungen nicht ersetzbar");
    return false;
  }
  sync_dir(dir);
  return true;
}

}  // namespace settings
