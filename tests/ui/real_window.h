#pragma once
// The built program in a real window: a private X server (Xvfb), a private
// PulseAudio daemon, the program started and stopped by process id, and the
// pointer driven with xdotool at coordinates of the 1180 x 780 reference
// layout (or the 420 x 132 compact view), scaled to the window's present size.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "tests/audio/sound_server.h"

namespace rw {

class Session {
 public:
  ~Session() {
    if (player_ > 0) th::stop_child(player_);
    if (pid_ > 0) th::stop_child(pid_, SIGKILL);
    if (x_ > 0) th::stop_child(x_);
  }

  // A private sound server, and an X server on the first display number nobody uses.
  bool start_servers() {
    server_ = std::make_unique<th::Server>(th::Kind::pulse);
    if (!server_->start()) return false;
    for (int n = 91; n < 200; ++n) {
      const std::string num = std::to_string(n);
      if (std::filesystem::exists("/tmp/.X11-unix/X" + num) || std::filesystem::exists("/tmp/.X" + num + "-lock"))
        continue;
      x_ = th::spawn({"Xvfb", ":" + num, "-screen", "0", "1920x1080x24", "-nolisten", "tcp"});
      if (th::wait_for([&] { return std::filesystem::exists("/tmp/.X11-unix/X" + num) || th::reaped(x_); }, 10000) &&
          !th::reaped(x_)) {
        ::setenv("DISPLAY", (":" + num).c_str(), 1);
        // The X server compiles its keyboard map for its first client; a
        // desktop's server has long done that when the program starts.
        th::run({"xdpyinfo"});
        return true;
      }
      th::stop_child(x_);  // taken by someone else meanwhile: try the next number
      x_ = -1;
    }
    return false;
  }
  th::Server& server() { return *server_; }
  std::string log() const { return th::read_file(server_->config_dir() + "/Velmora.log"); }

  // Starts the program and waits for its first picture and its window.
  bool start_program(const std::vector<std::string>& args = {}) {
    ::unlink((server_->config_dir() + "/Velmora.log").c_str());
    std::vector<std::string> argv{VLM_BINARY};
    argv.insert(argv.end(), args.begin(), args.end());
    pid_ = th::spawn(argv, server_->dir() + "/program.out");
    return th::wait_for([&] { return log().find("Erstes Bild nach ") != std::string::npos; }, 20000) &&
           th::wait_for([&] { return !(id_ = window_id()).empty(); }, 5000);
  }
  // SIGTERM; true when the program ended with exit code 0.
  bool stop_program() {
    if (pid_ > 0) ::kill(pid_, SIGTERM);
    return ended(15000);
  }
  // Waits for the program to end (else kills it); true on exit code 0.
  bool ended(int ms = 10000) {
    int st = 0;
    const bool gone = pid_ > 0 && th::wait_for([&] { return th::reaped(pid_, &st); }, ms);
    if (!gone && pid_ > 0) th::stop_child(pid_, SIGKILL);
    pid_ = -1;
    return gone && WIFEXITED(st) && WEXITSTATUS(st) == 0;
  }

  // Whether the effect holds the default device (or the real device is back).
  static bool routed() { return th::wait_for([] { return th::default_sink() == "velmora"; }, 10000); }
  static bool unrouted() { return th::wait_for([] { return th::default_sink() == "speakers"; }, 10000); }

  // Another program plays a quiet 1 kHz tone; true once it plays into the effect.
  bool play_tone() {
    player_ = th::spawn({VLM_TEST_PLAYER, "--app", "tone", "--freq", "1000", "--amp", "0.05"});
    return th::wait_for([] { return th::sink_of_app("tone") == "velmora"; }, 10000);
  }
  // Level of the tone on the real output device once it has settled (glide
  // over, stream and compressor steady): two readings in a row agree.
  static double output_level() {
    ::usleep(1000 * 1000);
    double last = -200;
    for (int i = 0; i < 8; ++i) {
      const double db = th::goertzel_db(th::record("speakers.monitor", 0.5), 0, 1000);
      if (std::fabs(db - last) < 0.3) return db;
      last = db;
    }
    return last;
  }

  // The program's mapped window, "" when there is none.
  static std::string window_id() {
    std::istringstream out(th::run({"xdotool", "search", "--onlyvisible", "--name", "^Velmora$"}));
    std::string id;
    out >> id;
    return id;
  }
  const std::string& id() const { return id_; }

  // The window's size as "<width>x<height>".
  std::string size_text() const {
    std::istringstream out(th::run({"xdotool", "getwindowgeometry", "--shell", id_}));
    std::string w, h;
    for (std::string line; std::getline(out, line);) {
      if (line.rfind("WIDTH=", 0) == 0) w = line.substr(6);
      if (line.rfind("HEIGHT=", 0) == 0) h = line.substr(7);
    }
    return w + "x" + h;
  }
  bool reaches(int w, int h) const {
    return th::wait_for([&] { return size_text() == std::to_string(w) + "x" + std::to_string(h); }, 10000);
  }

  // Presses `button` `repeat` times at reference coordinates; buttons 4 and 5 turn the wheel.
  void click(double ref_x, double ref_y, int button = 1, int repeat = 1) {
    const int w = std::atoi(size_text().c_str());
    const double s = w > 0 ? w / (w < 600 ? 420.0 : 1180.0) : 1.0;
    th::run({"xdotool", "mousemove", "--window", id_, std::to_string(std::lround(ref_x * s)),
             std::to_string(std::lround(ref_y * s))});
    th::run({"xdotool", "click", "--repeat", std::to_string(repeat), "--delay", "60", std::to_string(button)});
  }
  // Two presses closer than this make a double click, which most elements ignore.
  static void pause_past_double_click() { ::usleep(700 * 1000); }
  // Settings as the program stored them (the settings_dump tool).
  static std::string saved() { return th::run({VLM_SETTINGS_DUMP}); }
  pid_t x_server() const { return x_; }

 private:
  std::unique_ptr<th::Server> server_;
  pid_t x_ = -1, pid_ = -1, player_ = -1;
  std::string id_;
};

}  // namespace rw
