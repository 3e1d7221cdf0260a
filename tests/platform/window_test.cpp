// The built program with a real window on a private X server (Xvfb) and a
// private PulseAudio daemon: first picture, size and content of the window,
// raise by a second start, aspect keeping after a resize, the window state
// kept over SIGTERM and a restart, and the compact view.
#include <cairo.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "gfx/theme.h"
#include "tests/audio/sound_server.h"
#include "tests/ui/real_window.h"

namespace {

using rw::exists;
using rw::XServer;

struct Geometry {
  int w = 0, h = 0;
};

class WindowRun : public ::testing::Test {
 protected:
  void SetUp() override {
    server_ = std::make_unique<th::Server>(th::Kind::pulse);
    ASSERT_TRUE(server_->start()) << server_->log_text();
    ASSERT_TRUE(x_.start()) << "no free display for Xvfb";
  }

  void TearDown() override {
    if (pid_ > 0) th::stop_child(pid_, SIGKILL);
    server_.reset();
  }

  std::string log() const { return th::read_file(server_->config_dir() + "/Velmora.log"); }

  // Starts the program and waits for its first picture.
  bool start(const std::vector<std::string>& args) {
    ::unlink((server_->config_dir() + "/Velmora.log").c_str());
    std::vector<std::string> argv{VLM_BINARY};
    argv.insert(argv.end(), args.begin(), args.end());
    pid_ = th::spawn(argv, server_->dir() + "/program.out");
    return th::wait_for([&] { return log().find("Erstes Bild nach ") != std::string::npos; },
                        20000);
  }

  // SIGTERM; true when the program ended with exit code 0.
  bool stop() {
    ::kill(pid_, SIGTERM);
    int st = 0;
    const bool ended = th::wait_for([&] { return th::reaped(pid_, &st); }, 15000);
    if (!ended) th::stop_child(pid_, SIGKILL);
    pid_ = -1;
    return ended && WIFEXITED(st) && WEXITSTATUS(st) == 0;
  }

  static std::string window(bool visible_only = false) {
    std::vector<std::string> argv{"xdotool", "search"};
    if (visible_only) argv.push_back("--onlyvisible");
    argv.insert(argv.end(), {"--name", "^Velmora$"});
    std::istringstream out(th::run(argv));
    std::string id;
    out >> id;
    return id;
  }

  static Geometry geometry(const std::string& id) {
    Geometry g;
    std::istringstream out(th::run({"xdotool", "getwindowgeometry", "--shell", id}));
    std::string line;
    while (std::getline(out, line)) {
      if (line.rfind("WIDTH=", 0) == 0) g.w = std::atoi(line.c_str() + 6);
      if (line.rfind("HEIGHT=", 0) == 0) g.h = std::atoi(line.c_str() + 7);
    }
    return g;
  }

  static bool reaches(const std::string& id, int w, int h) {
    return th::wait_for(
        [&] {
          const Geometry g = geometry(id);
          return g.w == w && g.h == h;
        },
        10000);
  }

  std::string saved() const { return th::run({VLM_SETTINGS_DUMP}); }

  std::unique_ptr<th::Server> server_;
  XServer x_;
  pid_t pid_ = -1;
};

struct Picture {
  int distinct = 0;  // distinct colours among the sampled pixels
  int tube = 0;      // pixels in the tube unit's accent colour
  int comp = 0;      // pixels in the compressor unit's accent colour
};

bool near(unsigned px, unsigned colour) {
  for (int shift : {16, 8, 0}) {
    const int a = static_cast<int>((px >> shift) & 0xFF);
    const int b = static_cast<int>((colour >> shift) & 0xFF);
    if (std::abs(a - b) > 6) return false;
  }
  return true;
}

Picture look_at(const std::string& png) {
  Picture p;
  cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
  if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
    const int w = cairo_image_surface_get_width(s);
    const int h = cairo_image_surface_get_height(s);
    const int stride = cairo_image_surface_get_stride(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    std::vector<unsigned> seen;
    for (int y = 0; y < h; ++y) {
      const auto* row = reinterpret_cast<const unsigned*>(data + y * stride);
      for (int x = 0; x < w; ++x) {
        const unsigned px = row[x] & 0xFFFFFF;
        if (near(px, theme::tube_color())) ++p.tube;
        if (near(px, theme::comp_color())) ++p.comp;
        if (seen.size() < 4096 && (x % 7 == 0) && (y % 7 == 0)) {
          bool known = false;
          for (unsigned c : seen) known = known || c == px;
          if (!known) seen.push_back(px);
        }
      }
    }
    p.distinct = static_cast<int>(seen.size());
  }
  cairo_surface_destroy(s);
  return p;
}

TEST_F(WindowRun, OpensRaisesKeepsAspectAndPersists) {
  ASSERT_TRUE(start({})) << "no first picture:\n" << log();
  EXPECT_TRUE(th::wait_for([] { return th::default_sink() == "velmora"; }, 10000))
      << "effect did not take the default device";

  const std::string id = window();
  ASSERT_FALSE(id.empty()) << "no window titled Velmora";
  EXPECT_TRUE(reaches(id, 1180, 780)) << geometry(id).w << "x" << geometry(id).h;

  const std::string shot = server_->dir() + "/window.png";
  th::run({"import", "-window", id, "png:" + shot});
  theme::set_dark(true);
  const Picture pic = look_at(shot);
  EXPECT_GT(pic.distinct, 100) << "the window looks plain";
  EXPECT_GT(pic.tube, 50) << "no tube unit to be seen";
  EXPECT_GT(pic.comp, 50) << "no compressor unit to be seen";

  // Width leads after a drag of the right edge: 1400 x lround(1400 * 780 / 1180).
  th::run({"xdotool", "windowsize", id, "1400", "780"});
  EXPECT_TRUE(reaches(id, 1400, 925)) << geometry(id).w << "x" << geometry(id).h;

  // A second start brings the first window back instead of opening another.
  // (Last: without a window manager SDL does not see the window mapped again.)
  th::run({"xdotool", "windowunmap", id});
  ASSERT_TRUE(th::wait_for([] { return window(true).empty(); }, 5000));
  int code = -1;
  const std::string second = th::run({VLM_BINARY}, &code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(second, "Velmora laeuft bereits — Fenster nach vorn geholt.\n");
  EXPECT_TRUE(th::wait_for([&] { return window(true) == id; }, 5000)) << "first window not raised";

  EXPECT_TRUE(stop()) << "SIGTERM did not end the window run with exit code 0";
  EXPECT_EQ(th::default_sink(), "speakers") << "routing not put back";
  const std::string kept = saved();
  EXPECT_NE(kept.find("\nwin_w=1400\n"), std::string::npos) << kept;
  EXPECT_NE(kept.find("\nwin_h=925\n"), std::string::npos) << kept;

  ASSERT_TRUE(start({})) << "restart: no first picture:\n" << log();
  // The saved size is scaled to 1180:780 by its smaller factor, 925/780.
  const std::string again = window();
  EXPECT_TRUE(reaches(again, 1399, 925)) << geometry(again).w << "x" << geometry(again).h;
  EXPECT_TRUE(stop());

  ASSERT_TRUE(start({"--compact"})) << "compact: no first picture:\n" << log();
  const std::string mini = window();
  EXPECT_TRUE(reaches(mini, 420, 132)) << geometry(mini).w << "x" << geometry(mini).h;
  EXPECT_TRUE(stop());
  EXPECT_EQ(th::default_sink(), "speakers");

  // No display: the window run ends at once with exit code 1, in order.
  ::unsetenv("DISPLAY");
  ::unlink((server_->config_dir() + "/Velmora.log").c_str());
  int code_without = -1;
  th::run({VLM_BINARY}, &code_without);
  EXPECT_EQ(code_without, 1);
  EXPECT_NE(log().find("FEHLER SDL_Init: "), std::string::npos) << log();
  EXPECT_NE(log().find("INFO  Beendet"), std::string::npos) << log();
  EXPECT_EQ(th::default_sink(), "speakers");
}

}  // namespace
