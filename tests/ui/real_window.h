#pragma once
// The built program in a real window for the interaction tests: a private X
// server (Xvfb), a private PulseAudio daemon, the program started and stopped
// by process id, and the pointer and keyboard driven with xdotool at window
// coordinates of the 1180 x 780 reference layout (or the 420 x 132 compact
// view), scaled to the window's present size.
//
//   rw::Session s;                       // in SetUp: ASSERT_TRUE(s.start_servers())
//   ASSERT_TRUE(s.start_program());      // waits for the first picture
//   s.click(ref_x, ref_y);  s.wheel(ref_x, ref_y, +3);  s.type("name");
//   s.stop_program();                    // SIGTERM, true on exit code 0
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/audio/sound_server.h"

namespace rw {

inline bool exists(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0;
}

// A private X server on the first display number nobody uses.
class XServer {
 public:
  bool start() {
    for (int n = 91; n < 200; ++n) {
      const std::string num = std::to_string(n);
      if (exists("/tmp/.X11-unix/X" + num) || exists("/tmp/.X" + num + "-lock")) continue;
      pid_ = th::spawn({"Xvfb", ":" + num, "-screen", "0", "1920x1080x24", "-nolisten", "tcp"});
      if (th::wait_for([&] { return exists("/tmp/.X11-unix/X" + num) || th::reaped(pid_); },
                       10000) &&
          !th::reaped(pid_)) {
        ::setenv("DISPLAY", (":" + num).c_str(), 1);
        return true;
      }
      th::stop_child(pid_);
      pid_ = -1;  // taken by someone else meanwhile: try the next number
    }
    return false;
  }
  ~XServer() {
    if (pid_ > 0) th::stop_child(pid_);
  }

 private:
  pid_t pid_ = -1;
};

struct Geometry {
  int x = 0, y = 0, w = 0, h = 0;
};

class Session {
 public:
  ~Session() {
    if (player_ > 0) th::stop_child(player_);
    if (pid_ > 0) th::stop_child(pid_, SIGKILL);
    server_.reset();
  }

  bool start_servers() {
    server_ = std::make_unique<th::Server>(th::Kind::pulse);
    return server_->start() && x_.start();
  }
  th::Server& server() { return *server_; }
  std::string config_dir() const { return server_->config_dir(); }
  std::string log() const { return th::read_file(server_->config_dir() + "/Velmora.log"); }

  // Starts the program and waits for its first picture and its window.
  bool start_program(const std::vector<std::string>& args = {}) {
    ::unlink((server_->config_dir() + "/Velmora.log").c_str());
    std::vector<std::string> argv{VLM_BINARY};
    argv.insert(argv.end(), args.begin(), args.end());
    pid_ = th::spawn(argv, server_->dir() + "/program.out");
    if (!th::wait_for([&] { return log().find("Erstes Bild nach ") != std::string::npos; },
                      20000))
      return false;
    return th::wait_for([&] { return !(id_ = window_id()).empty(); }, 5000);
  }

  // SIGTERM; true when the program ended with exit code 0.
  bool stop_program() {
    if (pid_ <= 0) return false;
    ::kill(pid_, SIGTERM);
    int st = 0;
    const bool ended = th::wait_for([&] { return th::reaped(pid_, &st); }, 15000);
    if (!ended) th::stop_child(pid_, SIGKILL);
    pid_ = -1;
    id_.clear();
    return ended && WIFEXITED(st) && WEXITSTATUS(st) == 0;
  }
  // SIGKILL: nothing of the program's own ending runs.
  void kill_program() {
    if (pid_ > 0) th::stop_child(pid_, SIGKILL);
    pid_ = -1;
    id_.clear();
  }
  // Waits for the program to end by itself; true on exit code 0.
  bool ended(int ms = 10000) {
    int st = 0;
    if (pid_ <= 0 || !th::wait_for([&] { return th::reaped(pid_, &st); }, ms)) return false;
    pid_ = -1;
    id_.clear();
    return WIFEXITED(st) && WEXITSTATUS(st) == 0;
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
    th::wait_for([] { return false; }, 1000);
    double last = -200;
    for (int i = 0; i < 8; ++i) {
      const double db = th::goertzel_db(th::record("speakers.monitor", 0.5), 0, 1000);
      if (std::fabs(db - last) < 0.3) return db;
      last = db;
    }
    return last;
  }

  static std::string window_id(bool visible_only = false) {
    std::vector<std::string> argv{"xdotool", "search", "--name", "^Velmora$"};
    if (visible_only) argv.insert(argv.begin() + 2, "--onlyvisible");
    std::istringstream out(th::run(argv));
    std::string id;
    out >> id;
    return id;
  }
  const std::string& id() const { return id_; }

  Geometry geometry() const {
    Geometry g;
    std::istringstream out(th::run({"xdotool", "getwindowgeometry", "--shell", id_}));
    std::string line;
    while (std::getline(out, line)) {
      auto value = [&](const char* key) { return std::atoi(line.c_str() + std::strlen(key)); };
      if (line.rfind("X=", 0) == 0) g.x = value("X=");
      if (line.rfind("Y=", 0) == 0) g.y = value("Y=");
      if (line.rfind("WIDTH=", 0) == 0) g.w = value("WIDTH=");
      if (line.rfind("HEIGHT=", 0) == 0) g.h = value("HEIGHT=");
    }
    return g;
  }
  bool reaches(int w, int h, int ms = 10000) const {
    return th::wait_for(
        [&] {
          const Geometry g = geometry();
          return g.w == w && g.h == h;
        },
        ms);
  }
  bool compact() const { return geometry().w < 600; }

  // Moves the pointer to reference coordinates (1180 x 780, or 420 x 132 in
  // the compact view) scaled to the window's present size.
  void move(double ref_x, double ref_y) {
    const Geometry g = geometry();
    const double ref_w = compact() ? 420.0 : 1180.0;
    const double s = g.w > 0 ? g.w / ref_w : 1.0;
    th::run({"xdotool", "mousemove", "--window", id_, std::to_string(std::lround(ref_x * s)),
             std::to_string(std::lround(ref_y * s))});
  }
  void click(double ref_x, double ref_y, int button = 1, int repeat = 1) {
    move(ref_x, ref_y);
    std::vector<std::string> argv{"xdotool", "click"};
    if (repeat > 1) argv.insert(argv.end(), {"--repeat", std::to_string(repeat), "--delay", "60"});
    argv.push_back(std::to_string(button));
    th::run(argv);
  }
  void double_click(double ref_x, double ref_y) { click(ref_x, ref_y, 1, 2); }
  // Two presses closer than this make a double click, which most elements ignore.
  static void pause_past_double_click() { ::usleep(700 * 1000); }
  // notches > 0 turns the wheel up (button 4), < 0 down (button 5).
  void wheel(double ref_x, double ref_y, int notches) {
    if (notches != 0) click(ref_x, ref_y, notches > 0 ? 4 : 5, std::abs(notches));
  }
  void type(const std::string& text) {
    th::run({"xdotool", "type", "--window", id_, "--delay", "30", text});
  }
  void key(const std::string& name) { th::run({"xdotool", "key", "--window", id_, name}); }

  // Settings as the program stored them (the settings_dump tool), when the
  // test target defines VLM_SETTINGS_DUMP.
#ifdef VLM_SETTINGS_DUMP
  static std::string saved() { return th::run({VLM_SETTINGS_DUMP}); }
#endif

 private:
  std::unique_ptr<th::Server> server_;
  XServer x_;
  pid_t pid_ = -1;
  pid_t player_ = -1;
  std::string id_;
};

// Each test gets its own private servers.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(w_.start_servers()) << w_.server().log_text(); }
  Session w_;
};

}  // namespace rw
