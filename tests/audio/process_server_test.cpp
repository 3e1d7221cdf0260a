// The built program against real sound servers, one run after another on the
// same server: the orderly end, the guard's restore after SIGKILL (and its
// silence when nothing was taken over), a leftover sink of a killed run, the
// end against a stopped server, --no-takeover and the device listing.
#include <sys/wait.h>

#include <chrono>
#include <cstdio>

#include <gtest/gtest.h>

#include "tests/audio/sound_server.h"

namespace {

using th::Kind;
using th::sleep_ms;

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

// Kills a run, or ends it with SIGTERM and expects exit code 0.
void end(pid_t pid, int sig) {
  kill(pid, sig);
  int status = 0;
  ASSERT_TRUE(th::wait_for([&] { return th::reaped(pid, &status); }, 10000));
  if (sig == SIGTERM) {
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
}

bool gone(pid_t pid, int ms = 3000) {
  return th::wait_for([pid] { return !th::pid_alive(pid); }, ms);
}

using ProcessServer = ::testing::TestWithParam<Kind>;

TEST_P(ProcessServer, EndsCrashesLeftoversStoppedServerAndListing) {
  th::Server server(GetParam());
  ASSERT_TRUE(server.start()) << server.log_text();
  const auto log = [&] { return th::read_file(server.config_dir() + "/Velmora.log"); };
  // Starts the program (stopped with the server if the test does not) and
  // finds its guard; with effect_on it also waits for the routing to stand.
  pid_t guard = -1;
  const auto program = [&](std::vector<std::string> args, bool effect_on = true) {
    args.insert(args.begin(), VLM_BINARY);
    const pid_t pid = server.client(args);
    EXPECT_TRUE(th::wait_for([&] { return !th::children_of(pid).empty(); }, 5000, 10));
    guard = th::children_of(pid).empty() ? -1 : th::children_of(pid).front();
    if (effect_on) {
      EXPECT_TRUE(th::wait_for(effect_in_place, 10000)) << log();
    }
    return pid;
  };
  server.player("Fremdspieler");
  ASSERT_TRUE(th::plays_to("Fremdspieler", "speakers"));

  // A listing beside the running program (a separate run with a
  // configuration of its own) lists and changes nothing.
  pid_t pid = program({"--headless"});
  int code = -1;
  std::string out =
      th::run({"env", "XDG_CONFIG_HOME=" + server.dir() + "/cfg2", VLM_BINARY, "--devices"}, &code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(out, device_line("*", "speakers", "Speakers") + device_line(" ", "headphones", "Headphones"));
  sleep_ms(300);
  EXPECT_TRUE(effect_in_place());

  // SIGTERM: the program puts everything back, saves, and tells the guard to leave.
  end(pid, SIGTERM);
  EXPECT_TRUE(restored()) << th::default_sink();
  EXPECT_EQ(th::sink_of_app("Velmora") + th::source_of_app("Velmora"), "");
  EXPECT_TRUE(gone(guard));
  EXPECT_NE(log().find("Virtuelle Senke abgebaut"), std::string::npos) << log();
  EXPECT_NE(log().find("INFO  Beendet"), std::string::npos) << log();
  EXPECT_FALSE(th::read_file(server.config_dir() + "/settings.dat").empty());

  // SIGKILL while on: the guard repairs, every time.
  for (int round = 0; round < 5 && !HasFailure(); ++round) {
    SCOPED_TRACE("SIGKILL round " + std::to_string(round));
    end(program({"--headless"}), SIGKILL);
    EXPECT_TRUE(th::wait_for(
        [] { return th::default_sink() == "speakers" && !th::has_sink("velmora"); }, 1000));
    EXPECT_TRUE(th::wait_for(restored, 2000)) << th::default_sink();
    EXPECT_TRUE(gone(guard));
  }

  // Guard first, then the program: nobody restores, and the next run adopts
  // the leftover sink instead of loading a second one.
  pid = program({"--headless"});
  kill(guard, SIGKILL);
  ASSERT_TRUE(gone(guard));
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
  const pid_t protocol = server.protocol_pid();
  ASSERT_GT(protocol, 1);
  kill(protocol, SIGSTOP);
  const auto t0 = std::chrono::steady_clock::now();
  kill(pid, SIGTERM);
  int status = 0;
  const bool ended = th::wait_for([&] { return th::reaped(pid, &status); }, 8000);
  const auto took = std::chrono::steady_clock::now() - t0;
  const bool guard_waiting = th::pid_alive(guard);
  kill(protocol, SIGCONT);
  ASSERT_TRUE(ended);
  EXPECT_LT(took, std::chrono::milliseconds(4500));
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_TRUE(guard_waiting);
  EXPECT_TRUE(th::wait_for(restored, 5000)) << th::default_sink() << "\n" << log();
  EXPECT_TRUE(gone(guard));
  EXPECT_EQ(th::count_of(log(), "Waechter: Tonweg zurueckgestellt"), 1) << log();

  // Without takeover the virtual sink is there, but the default and the other
  // program's stream stay where they are.
  pid = program({"--headless", "--no-takeover"}, false);
  EXPECT_TRUE(th::plays_to("Velmora", "speakers", 10000));
  sleep_ms(1000);
  EXPECT_TRUE(th::has_sink("velmora"));
  EXPECT_EQ(th::default_sink(), "speakers");
  EXPECT_EQ(th::sink_of_app("Fremdspieler"), "speakers");
  end(pid, SIGTERM);
  EXPECT_TRUE(restored());

  // SIGKILL while off (metering only): the guard leaves the server alone,
  // here with the default on headphones, which a restore would change.
  th::pactl({"set-default-sink", "headphones"});
  ASSERT_TRUE(th::default_becomes("headphones", 3000));
  for (int round = 0; round < 5 && !HasFailure(); ++round) {
    SCOPED_TRACE("SIGKILL while off, round " + std::to_string(round));
    pid = program({"--headless", "--off"}, false);
    ASSERT_TRUE(th::wait_for([] { return th::source_of_app("Velmora") == "headphones.monitor"; }, 10000));
    sleep_ms(200);
    const std::size_t sinks = th::list("sinks").size(), modules = th::list("modules").size();
    end(pid, SIGKILL);
    EXPECT_TRUE(gone(guard, 1000));
    sleep_ms(300);
    EXPECT_EQ(th::default_sink(), "headphones");
    EXPECT_EQ(th::list("sinks").size(), sinks);
    EXPECT_EQ(th::list("modules").size(), modules);
  }

  // The listing marks the followed device, hides the reserved names and
  // leaves a leftover sink of ours alone.
  for (const std::string sink : {"pellomar", "brisolde", "tarnquist", "usb_dac", "velmora"}) {
    th::pactl({"load-module", "module-null-sink", "sink_name=" + sink, "rate=48000"});
  }
  ASSERT_TRUE(th::wait_for([] { return th::has_sink("usb_dac") && th::has_sink("velmora"); }, 5000));
  const std::string usb_desc = th::find_entry("sinks", "Name", "usb_dac")["Description"];
  out = th::run({VLM_BINARY, "--devices"}, &code);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(out, device_line(" ", "speakers", "Speakers") + device_line("*", "headphones", "Headphones") +
                     device_line(" ", "usb_dac", usb_desc.empty() ? "usb_dac" : usb_desc));
  EXPECT_EQ(th::default_sink(), "headphones");
  EXPECT_EQ(th::null_sinks("velmora").size(), 1u);

  server.stop();
  out = th::run({VLM_BINARY, "--devices"}, &code);
  EXPECT_EQ(code, 1);
  EXPECT_EQ(out, "Kein Tonserver erreichbar.\n");
}

INSTANTIATE_TEST_SUITE_P(Servers, ProcessServer, ::testing::Values(Kind::pulse, Kind::pipewire),
                         ::testing::PrintToStringParamName());

}  // namespace
