// The built program against real sound servers, one run after another on the
// same server: the orderly end, the guard's restore after SIGKILL (and its
// silence when nothing was taken over), a leftover sink of a killed run, the
// end against a stopped server, --no-takeover and the device listing.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include <gtest/gtest.h>

#include "tests/audio/sound_server.h"

namespace {

using th::Kind;

void sleep_ms(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

bool effect_in_place() {
  return th::default_sink() == "velmora" && th::sink_of_app("Fremdspieler") == "velmora" &&
         th::sink_of_app("Velmora") == "speakers";
}

bool restored() {
  return th::default_sink() == "speakers" && !th::has_sink("velmora") &&
         th::sink_of_app("Fremdspieler") == "speakers";
}

std::string device_line(const char* mark, const std::string& name, const std::string& desc) {
  char buf[256];
  std::snprintf(buf, sizeof buf, "%s %-60s %s\n", mark, name.c_str(), desc.c_str());
  return buf;
}

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

  // Starts the program and waits for its guard; with effect_on also for the
  // routing to stand.
  pid_t program(const std::vector<std::string>& args, bool effect_on = true) {
    std::vector<std::string> argv{VLM_BINARY};
    argv.insert(argv.end(), args.begin(), args.end());
    const pid_t pid = th::spawn(argv, server_->dir() + "/program.out");
    programs_.push_back(pid);
    guard_ = -1;
    th::wait_for([&] { return !th::children_of(pid).empty(); }, 5000, 10);
    if (!th::children_of(pid).empty()) guard_ = th::children_of(pid).front();
    EXPECT_GT(guard_, 0);
    guards_.push_back(guard_);
    if (effect_on) {
      EXPECT_TRUE(th::wait_for(effect_in_place, 10000)) << log();
    }
    return pid;
  }

  // Kills a run, or ends it with SIGTERM and expects exit code 0.
  static void end(pid_t pid, int sig) {
    kill(pid, sig);
    int status = 0;
    ASSERT_TRUE(th::wait_for([&] { return th::reaped(pid, &status); }, 10000));
    if (sig == SIGTERM) {
      EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
  }

  bool guard_gone(int ms = 3000) const {
    return th::wait_for([g = guard_] { return !th::pid_alive(g); }, ms);
  }

  std::string log() const { return th::read_file(server_->config_dir() + "/Velmora.log"); }

  std::unique_ptr<th::Server> server_;
  std::vector<pid_t> programs_;
  std::vector<pid_t> guards_;
  pid_t guard_ = -1;
};

TEST_P(ProcessServer, EndsCrashesLeftoversStoppedServerAndListing) {
  ASSERT_TRUE(server_->start()) << server_->log_text();
  server_->player("Fremdspieler");
  ASSERT_TRUE(th::wait_for([] { return th::sink_of_app("Fremdspieler") == "speakers"; }, 5000));

  // A listing beside the running program (a separate run with a
  // configuration of its own) lists and changes nothing.
  pid_t pid = program({"--headless"});
  int code = -1;
  std::string out =
      th::run({"env", "XDG_CONFIG_HOME=" + server_->dir() + "/cfg2", VLM_BINARY, "--devices"}, &code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(out, device_line("*", "speakers", "Speakers") + device_line(" ", "headphones", "Headphones"));
  sleep_ms(300);
  EXPECT_TRUE(effect_in_place());

  // SIGTERM: the program puts everything back, saves, and tells the guard to leave.
  end(pid, SIGTERM);
  EXPECT_TRUE(restored()) << th::default_sink();
  EXPECT_EQ(th::sink_of_app("Velmora") + th::source_of_app("Velmora"), "");
  EXPECT_TRUE(guard_gone());
  EXPECT_NE(log().find("Virtuelle Senke abgebaut"), std::string::npos) << log();
  EXPECT_NE(log().find("INFO  Beendet"), std::string::npos) << log();
  EXPECT_FALSE(th::read_file(server_->config_dir() + "/settings.dat").empty());

  // SIGKILL while on: the guard repairs, every time.
  for (int round = 0; round < 5 && !HasFailure(); ++round) {
    SCOPED_TRACE("SIGKILL round " + std::to_string(round));
    end(program({"--headless"}), SIGKILL);
    EXPECT_TRUE(th::wait_for(
        [] { return th::default_sink() == "speakers" && !th::has_sink("velmora"); }, 1000));
    EXPECT_TRUE(th::wait_for(restored, 2000)) << th::default_sink();
    EXPECT_TRUE(guard_gone());
  }

  // Guard first, then the program: nobody restores, and the next run adopts
  // the leftover sink instead of loading a second one.
  pid = program({"--headless"});
  kill(guard_, SIGKILL);
  ASSERT_TRUE(guard_gone());
  end(pid, SIGKILL);
  sleep_ms(300);
  const std::string leftover = th::null_sinks("velmora").at(0).at("#");
  pid = program({"--headless"});
  EXPECT_EQ(th::count_of(log(), "Virtuelle Senke vom letzten Lauf uebernommen"), 1) << log();
  EXPECT_EQ(th::count_of(log(), "Virtuelle Senke geladen"), 0);
  ASSERT_EQ(th::null_sinks("velmora").size(), 1u);
  EXPECT_EQ(th::null_sinks("velmora")[0].at("#"), leftover);
  end(pid, SIGTERM);
  EXPECT_TRUE(restored());

  // A server that stops answering: the orderly end does not wait on it for
  // long, does not take its silence for "nothing to restore", and the guard
  // puts the routing back once it answers again.
  pid = program({"--headless"});
  const pid_t server = server_->protocol_pid();
  ASSERT_GT(server, 1);
  kill(server, SIGSTOP);
  const auto t0 = std::chrono::steady_clock::now();
  kill(pid, SIGTERM);
  int status = 0;
  const bool ended = th::wait_for([&] { return th::reaped(pid, &status); }, 8000);
  const auto took = std::chrono::steady_clock::now() - t0;
  const bool guard_waiting = th::pid_alive(guard_);
  kill(server, SIGCONT);
  ASSERT_TRUE(ended);
  EXPECT_LT(took, std::chrono::milliseconds(4500));
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_TRUE(guard_waiting);
  EXPECT_TRUE(th::wait_for(restored, 5000)) << th::default_sink() << "\n" << log();
  EXPECT_TRUE(guard_gone());
  EXPECT_EQ(th::count_of(log(), "Waechter: Tonweg zurueckgestellt"), 1) << log();

  // Without takeover the virtual sink is there, but the default and the other
  // program's stream stay where they are.
  pid = program({"--headless", "--no-takeover"}, false);
  EXPECT_TRUE(th::wait_for([] { return th::sink_of_app("Velmora") == "speakers"; }, 10000));
  sleep_ms(1000);
  EXPECT_TRUE(th::has_sink("velmora"));
  EXPECT_EQ(th::default_sink(), "speakers");
  EXPECT_EQ(th::sink_of_app("Fremdspieler"), "speakers");
  end(pid, SIGTERM);
  EXPECT_TRUE(restored());

  // SIGKILL while off (metering only): the guard leaves the server alone,
  // here with the default on headphones, which a restore would change.
  th::pactl({"set-default-sink", "headphones"});
  ASSERT_TRUE(th::wait_for([] { return th::default_sink() == "headphones"; }, 3000));
  for (int round = 0; round < 5 && !HasFailure(); ++round) {
    SCOPED_TRACE("SIGKILL while off, round " + std::to_string(round));
    pid = program({"--headless", "--off"}, false);
    ASSERT_TRUE(th::wait_for([] { return th::source_of_app("Velmora") == "headphones.monitor"; }, 10000))
        << th::source_of_app("Velmora");
    sleep_ms(200);
    const std::size_t sinks = th::list("sinks").size(), modules = th::list("modules").size();
    end(pid, SIGKILL);
    EXPECT_TRUE(guard_gone(1000));
    sleep_ms(300);
    EXPECT_EQ(th::default_sink(), "headphones");
    EXPECT_EQ(th::list("sinks").size(), sinks);
    EXPECT_EQ(th::list("modules").size(), modules);
  }

  // The listing marks the followed device, hides the reserved names and
  // leaves a leftover sink of ours alone.
  for (const char* sink : {"pellomar", "brisolde", "tarnquist", "usb_dac", "velmora"}) {
    th::pactl({"load-module", "module-null-sink", std::string("sink_name=") + sink});
  }
  ASSERT_TRUE(th::wait_for([] { return th::has_sink("usb_dac") && th::has_sink("velmora"); }, 5000));
  const std::string usb_desc = th::find_entry("sinks", "Name", "usb_dac")["Description"];
  out = th::run({VLM_BINARY, "--devices"}, &code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(out, device_line(" ", "speakers", "Speakers") + device_line("*", "headphones", "Headphones") +
                     device_line(" ", "usb_dac", usb_desc.empty() ? "usb_dac" : usb_desc));
  EXPECT_EQ(th::default_sink(), "headphones");
  EXPECT_EQ(th::count_sinks("velmora"), 1);

  server_->stop();
  out = th::run({VLM_BINARY, "--devices"}, &code);
  EXPECT_EQ(code, 1);
  EXPECT_EQ(out, "Kein Tonserver erreichbar.\n");
}

INSTANTIATE_TEST_SUITE_P(Servers, ProcessServer, ::testing::Values(Kind::pulse, Kind::pipewire),
                         [](const ::testing::TestParamInfo<Kind>& i) {
                           return std::string(th::kind_name(i.param));
                         });

}  // namespace
