// The built program against real sound servers: orderly end on SIGTERM, the
// guard's restore after SIGKILL, a leftover sink from a killed run, and the
// device listing.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "tests/audio/sound_server.h"

namespace {

using th::Kind;

class ProcessServer : public ::testing::TestWithParam<Kind> {
 protected:
  void SetUp() override { server_ = std::make_unique<th::Server>(GetParam()); }

  void TearDown() override {
    for (pid_t p : programs_) th::stop_child(p);
    for (pid_t g : guards_) {
      if (th::pid_alive(g)) kill(g, SIGKILL);
    }
    server_.reset();
  }

  bool up() {
    if (server_->start()) return true;
    ADD_FAILURE() << th::kind_name(GetParam()) << " did not start:\n" << server_->log_text();
    return false;
  }

  pid_t player(const std::string& app) { return server_->player(app); }

  // Starts the program; *guard receives the guard process's id.
  pid_t program(const std::vector<std::string>& args, pid_t* guard) {
    std::vector<std::string> argv{VLM_BINARY};
    argv.insert(argv.end(), args.begin(), args.end());
    const pid_t pid = th::spawn(argv, server_->dir() + "/program.out");
    programs_.push_back(pid);
    *guard = -1;
    th::wait_for(
        [&] {
          const std::vector<pid_t> kids = th::children_of(pid);
          if (kids.empty()) return false;
          *guard = kids.front();
          return true;
        },
        5000, 10);
    if (*guard > 0) guards_.push_back(*guard);
    return pid;
  }

  std::string log() const { return th::read_file(server_->config_dir() + "/Velmora.log"); }

  std::unique_ptr<th::Server> server_;
  std::vector<pid_t> programs_;
  std::vector<pid_t> guards_;
};

bool effect_in_place(const std::string& app) {
  return th::wait_for(
      [&] {
        return th::default_sink() == "velmora" && th::sink_of_app(app) == "velmora" &&
               th::sink_of_app("Velmora") == "speakers";
      },
      10000);
}

TEST_P(ProcessServer, SigtermRestoresRoutingAndSaves) {
  ASSERT_TRUE(up());
  player("Fremdspieler");
  ASSERT_TRUE(th::wait_for([] { return th::sink_of_app("Fremdspieler") == "speakers"; }, 5000));
  pid_t guard = -1;
  const pid_t pid = program({"--headless"}, &guard);
  ASSERT_GT(guard, 0);
  ASSERT_TRUE(effect_in_place("Fremdspieler")) << log();

  kill(pid, SIGTERM);
  int status = 0;
  ASSERT_TRUE(th::wait_for([&] { return th::reaped(pid, &status); }, 10000));
  EXPECT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(th::default_sink(), "speakers");
  EXPECT_FALSE(th::has_sink("velmora"));
  EXPECT_EQ(th::sink_of_app("Fremdspieler"), "speakers");
  EXPECT_EQ(th::sink_of_app("Velmora"), "");
  for (const th::Stream& s : th::source_outputs()) EXPECT_NE(s.app, "Velmora");
  // The guard was told "Q" and leaves without touching anything.
  EXPECT_TRUE(th::wait_for([&] { return !th::pid_alive(guard); }, 3000));

  const std::string text = log();
  EXPECT_NE(text.find("Virtuelle Senke abgebaut"), std::string::npos) << text;
  EXPECT_NE(text.find("INFO  Beendet"), std::string::npos) << text;
  EXPECT_FALSE(th::read_file(server_->config_dir() + "/settings.dat").empty());
}

TEST_P(ProcessServer, SigkillWhileOnIsRepairedByTheGuard) {
  ASSERT_TRUE(up());
  player("Fremdspieler");
  ASSERT_TRUE(th::wait_for([] { return th::sink_of_app("Fremdspieler") == "speakers"; }, 5000));
  for (int round = 0; round < 5; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    pid_t guard = -1;
    const pid_t pid = program({"--headless"}, &guard);
    ASSERT_GT(guard, 0);
    ASSERT_TRUE(effect_in_place("Fremdspieler")) << log();

    kill(pid, SIGKILL);
    ASSERT_TRUE(th::wait_for([&] { return th::reaped(pid); }, 3000));
    EXPECT_TRUE(th::wait_for(
        [] { return th::default_sink() == "speakers" && !th::has_sink("velmora"); }, 1000))
        << "default " << th::default_sink();
    EXPECT_TRUE(th::wait_for([] { return th::sink_of_app("Fremdspieler") == "speakers"; }, 2000));
    EXPECT_TRUE(th::wait_for([&] { return !th::pid_alive(guard); }, 3000));
    if (HasFailure()) return;
  }
}

TEST_P(ProcessServer, SigkillWhileOffLeavesTheServerAlone) {
  ASSERT_TRUE(up());
  player("Fremdspieler");
  ASSERT_TRUE(th::wait_for([] { return th::sink_of_app("Fremdspieler") == "speakers"; }, 5000));
  for (int round = 0; round < 5; ++round) {
    SCOPED_TRACE("round " + std::to_string(round));
    pid_t guard = -1;
    const pid_t pid = program({"--headless", "--off"}, &guard);
    ASSERT_GT(guard, 0);
    // Metering only: a record stream on the device's monitor.
    ASSERT_TRUE(th::wait_for(
        [] {
          for (const th::Stream& s : th::source_outputs()) {
            if (s.app == "Velmora") return th::source_name(s.device) == "speakers.monitor";
          }
          return false;
        },
        10000));
    // A state the guard would change if it restored: the default on headphones.
    th::pactl({"set-default-sink", "headphones"});
    ASSERT_TRUE(th::wait_for([] { return th::default_sink() == "headphones"; }, 3000));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    const std::vector<th::Sink> before = th::sinks();
    const std::vector<th::Module> modules_before = th::modules();

    kill(pid, SIGKILL);
    ASSERT_TRUE(th::wait_for([&] { return th::reaped(pid); }, 3000));
    EXPECT_TRUE(th::wait_for([&] { return !th::pid_alive(guard); }, 1000));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(th::default_sink(), "headphones");
    EXPECT_EQ(th::sinks().size(), before.size());
    EXPECT_EQ(th::modules().size(), modules_before.size());
    EXPECT_FALSE(th::has_sink("velmora"));
    th::pactl({"set-default-sink", "speakers"});
    ASSERT_TRUE(th::wait_for([] { return th::default_sink() == "speakers"; }, 3000));
    if (HasFailure()) return;
  }
}

TEST_P(ProcessServer, LeftoverSinkOfAKilledRunIsAdoptedNotDuplicated) {
  ASSERT_TRUE(up());
  player("Fremdspieler");
  pid_t guard = -1;
  pid_t pid = program({"--headless"}, &guard);
  ASSERT_GT(guard, 0);
  ASSERT_TRUE(effect_in_place("Fremdspieler")) << log();
  // Guard first, then the program: nobody restores.
  kill(guard, SIGKILL);
  ASSERT_TRUE(th::wait_for([&] { return !th::pid_alive(guard); }, 3000));
  kill(pid, SIGKILL);
  ASSERT_TRUE(th::wait_for([&] { return th::reaped(pid); }, 3000));
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  ASSERT_TRUE(th::has_sink("velmora"));
  const std::string leftover = th::null_sink_module("velmora");

  pid = program({"--headless"}, &guard);
  ASSERT_TRUE(th::wait_for(
      [&] { return log().find("Virtuelle Senke vom letzten Lauf uebernommen") != std::string::npos; },
      10000))
      << log();
  ASSERT_TRUE(effect_in_place("Fremdspieler")) << log();
  EXPECT_EQ(th::count_sinks("velmora"), 1);
  EXPECT_EQ(th::null_sink_module("velmora"), leftover);
  EXPECT_EQ(log().find("Virtuelle Senke geladen"), std::string::npos);

  kill(pid, SIGTERM);
  ASSERT_TRUE(th::wait_for([&] { return th::reaped(pid); }, 10000));
  EXPECT_FALSE(th::has_sink("velmora"));
  EXPECT_EQ(th::default_sink(), "speakers");
  EXPECT_EQ(th::sink_of_app("Fremdspieler"), "speakers");
}

// A server that stops answering (here: stopped with SIGSTOP) while the effect
// runs: the orderly end must not wait on it for long, must not take its
// silence for "nothing to restore", and the guard puts the routing back as
// soon as the server answers again.
TEST_P(ProcessServer, StoppedServerEndsBoundedAndTheGuardRestoresLater) {
  ASSERT_TRUE(up());
  player("Fremdspieler");
  pid_t guard = -1;
  const pid_t pid = program({"--headless"}, &guard);
  ASSERT_GT(guard, 0);
  ASSERT_TRUE(effect_in_place("Fremdspieler")) << log();

  const pid_t server = server_->protocol_pid();
  ASSERT_GT(server, 0);
  kill(server, SIGSTOP);
  const auto t0 = std::chrono::steady_clock::now();
  kill(pid, SIGTERM);
  int status = 0;
  const bool ended = th::wait_for([&] { return th::reaped(pid, &status); }, 8000);
  const auto took = std::chrono::steady_clock::now() - t0;
  const bool guard_waiting = th::pid_alive(guard);
  kill(server, SIGCONT);
  ASSERT_TRUE(ended);
  EXPECT_LT(took, std::chrono::milliseconds(4500));
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_TRUE(guard_waiting);

  EXPECT_TRUE(th::wait_for(
      [] { return th::default_sink() == "speakers" && !th::has_sink("velmora"); }, 5000))
      << "default " << th::default_sink() << "\n" << log();
  EXPECT_TRUE(th::wait_for([] { return th::sink_of_app("Fremdspieler") == "speakers"; }, 3000));
  EXPECT_TRUE(th::wait_for([&] { return !th::pid_alive(guard); }, 3000));
  EXPECT_NE(log().find("Waechter: Tonweg zurueckgestellt"), std::string::npos) << log();
}

std::string device_line(const char* mark, const std::string& name, const std::string& desc) {
  char buf[256];
  std::snprintf(buf, sizeof buf, "%s %-60s %s\n", mark, name.c_str(), desc.c_str());
  return buf;
}

TEST_P(ProcessServer, DeviceListingMarksTheFollowedDevice) {
  ASSERT_TRUE(up());
  for (const char* reserved : {"pellomar", "brisolde", "tarnquist"}) {
    th::pactl({"load-module", "module-null-sink", std::string("sink_name=") + reserved});
  }
  th::pactl({"load-module", "module-null-sink", "sink_name=usb_dac"});
  // A sink left over by a killed run: listing must not clean it up.
  th::pactl({"load-module", "module-null-sink", "sink_name=velmora"});
  th::pactl({"set-default-sink", "headphones"});
  ASSERT_TRUE(th::wait_for([] { return th::has_sink("usb_dac") && th::has_sink("tarnquist"); },
                           5000));
  ASSERT_TRUE(th::wait_for([] { return th::default_sink() == "headphones"; }, 3000));

  std::string usb_desc = "usb_dac";
  for (const th::Sink& s : th::sinks()) {
    if (s.name == "usb_dac" && !s.description.empty()) usb_desc = s.description;
  }

  int code = -1;
  const std::string out = th::run({VLM_BINARY, "--devices"}, &code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(out, device_line(" ", "speakers", "Speakers") +
                     device_line("*", "headphones", "Headphones") +
                     device_line(" ", "usb_dac", usb_desc));
  EXPECT_EQ(out.find("pellomar"), std::string::npos);
  EXPECT_EQ(th::default_sink(), "headphones");
  EXPECT_EQ(th::count_sinks("velmora"), 1);
}

TEST_P(ProcessServer, DeviceListingWhileTheProgramRunsLeavesItAlone) {
  ASSERT_TRUE(up());
  player("Fremdspieler");
  pid_t guard = -1;
  const pid_t pid = program({"--headless"}, &guard);
  ASSERT_TRUE(effect_in_place("Fremdspieler")) << log();

  // A second configuration directory: the listing is a separate run.
  const std::string cfg = server_->dir() + "/cfg2";
  int code = -1;
  const std::string out =
      th::run({"env", "XDG_CONFIG_HOME=" + cfg, VLM_BINARY, "--devices"}, &code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(out, device_line("*", "speakers", "Speakers") +
                     device_line(" ", "headphones", "Headphones"));
  // The running program's routing is untouched.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_TRUE(th::has_sink("velmora"));
  EXPECT_EQ(th::default_sink(), "velmora");
  EXPECT_EQ(th::sink_of_app("Fremdspieler"), "velmora");
  EXPECT_EQ(th::sink_of_app("Velmora"), "speakers");
  kill(pid, SIGTERM);
  EXPECT_TRUE(th::wait_for([&] { return th::reaped(pid); }, 10000));
}

// No server is started: the harness only gives the run its private directories.
TEST(ProcessNoServer, DeviceListingWithoutServer) {
  const th::Server unstarted(Kind::pulse);
  int code = -1;
  const std::string out = th::run({VLM_BINARY, "--devices"}, &code);
  EXPECT_EQ(code, 1);
  EXPECT_EQ(out, "Kein Tonserver erreichbar.\n");
}

INSTANTIATE_TEST_SUITE_P(Servers, ProcessServer, ::testing::Values(Kind::pulse, Kind::pipewire),
                         [](const ::testing::TestParamInfo<Kind>& i) {
                           return std::string(th::kind_name(i.param));
                         });

}  // namespace
