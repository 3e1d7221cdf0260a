// The engine in this process, and the built program, against real sound
// servers (PulseAudio and PipeWire's pulse server). The engine runs once per
// process, so each test is one longer story; gtest_discover_tests gives every
// test a process of its own.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "app/logger.h"
#include "audio/audio.h"
#include "audio/guard.h"
#include "fx/params.h"
#include "fx/presets.h"
#include "tests/audio/sound_server.h"

namespace {

using th::default_becomes;
using th::Kind;
using th::plays_to;
using th::sleep_ms;

std::string log_text() {
  std::string all;
  for (const std::string& line : logger::tail(2000)) all += line + "\n";
  return all;
}

int logged(const std::string& text) { return th::count_of(log_text(), text); }

bool status_becomes(const std::function<bool(const audio::Status&)>& pred, int ms = 10000) {
  return th::wait_for([&] { return pred(audio::status()); }, ms, 20);
}

bool routed(const audio::Status& s) { return s.state == 1 && s.routed; }
bool unrouted(const audio::Status& s) { return s.state == 1 && !s.routed; }
bool chained(const audio::Status& s) { return s.routed && s.chained && !s.select_output; }

bool records(const std::string& source) {
  return th::wait_for([&] { return th::source_of_app("Velmora") == source; }, 5000);
}

bool sink_muted(const std::string& name) { return th::find_entry("sinks", "Name", name)["Mute"] == "yes"; }

// The server's own view of the routing, with "Fremdspieler" playing.
bool effect_in_place() {
  return th::default_sink() == "velmora" && th::sink_of_app("Fremdspieler") == "velmora" &&
         th::sink_of_app("Velmora") == "speakers" && th::source_of_app("Velmora") == "velmora.monitor";
}

bool restored() {
  return th::default_sink() == "speakers" && !th::has_sink("velmora") &&
         th::sink_of_app("Fremdspieler") == "speakers";
}

// Polls 1 s recordings of the speakers' monitor until one meets pred (a
// freshly routed null sink may deliver silence for a moment, a loaded machine
// a dropout) and returns the last.
std::vector<float> record_until(const std::function<bool(const std::vector<float>&)>& pred) {
  std::vector<float> rec;
  th::wait_for([&] { return pred(rec = th::record("speakers.monitor", 1.0)); }, 12000, 10);
  return rec;
}

double level_db(const std::vector<float>& rec, int channel, double hz = 1000) {
  return th::goertzel_db(rec, channel, hz);
}

class EngineServer : public ::testing::TestWithParam<Kind> {
 protected:
  void SetUp() override {
    server_ = std::make_unique<th::Server>(GetParam());
    logger::init(server_->dir() + "/cfg", "engine");
    ASSERT_TRUE(server_->start()) << server_->log_text();
  }

  void TearDown() override {
    audio::stop();
    server_.reset();
  }

  // A sibling program's output: like this engine's own playback it is not
  // moved by the server when the default changes.
  pid_t sibling_output(const std::string& device) {
    return server_->player("Pellomar", device, {"--no-move"});
  }

  // A sibling that plays to the device, with its sink in front as the default.
  pid_t sibling_beside() {
    const pid_t sibling = sibling_output("speakers");
    th::pactl({"load-module", "module-null-sink", "sink_name=pellomar", "rate=48000"});
    th::pactl({"set-default-sink", "pellomar"});
    EXPECT_TRUE(default_becomes("pellomar", 5000));
    EXPECT_TRUE(plays_to("Pellomar", "speakers", 5000));
    return sibling;
  }

  std::unique_ptr<th::Server> server_;
};

TEST_P(EngineServer, RoutingSoundMuteDevicesAndServerOutages) {
  int fds[2];
  ASSERT_EQ(pipe2(fds, O_NONBLOCK | O_CLOEXEC), 0);
  guard::attach(fds[1]);
  server_->player("Fremdspieler");  // a 0.25 sine at 1 kHz
  ASSERT_TRUE(plays_to("Fremdspieler", "speakers"));
  audio::set_params(fx::clean_params());
  audio::set_active(true);
  ASSERT_TRUE(audio::start(true) && status_becomes(routed));
  EXPECT_TRUE(th::wait_for(effect_in_place, 8000)) << log_text();
  EXPECT_TRUE(status_becomes(
      [](const audio::Status& s) { return !s.select_output && s.follow == "speakers"; }, 3000));

  // The clean chain passes the sine unchanged on both channels, also once the
  // server has killed both streams and the engine has opened them again.
  for (const bool killed : {false, true}) {
    SCOPED_TRACE(killed ? "streams killed" : "first streams");
    if (killed) {
      for (const std::string what : {"sink-input", "source-output"}) {
        for (th::Entry& s : th::list(what + "s")) {
          if (s["application.name"] == "Velmora") th::pactl({"kill-" + what, s["#"]});
        }
      }
      EXPECT_TRUE(th::wait_for(effect_in_place, 10000));
      EXPECT_TRUE(status_becomes(routed, 5000));
    }
    // A 0.25 sine: -12.04 dBFS on both channels, without harmonics.
    const auto clean = [](const std::vector<float>& r) {
      return std::fabs(level_db(r, 0) + 12.04) < 0.5 && std::fabs(level_db(r, 1) + 12.04) < 0.5 &&
             level_db(r, 0, 2000) - level_db(r, 0) < -60;
    };
    const std::vector<float> rec = record_until(clean);
    EXPECT_TRUE(clean(rec)) << level_db(rec, 0) << " " << level_db(rec, 1) << " " << level_db(rec, 0, 2000);
  }
  // The driven tube adds harmonics.
  fx::Params driven = fx::clean_params();
  driven.tube_on = true;
  driven.knob[fx::kDrive] = 1.0f;
  driven.knob[fx::kBias] = 1.0f;
  audio::set_params(driven);
  const auto hot = [](const std::vector<float>& r) {
    return level_db(r, 0) > -40 && level_db(r, 0, 2000) - level_db(r, 0) > -40;
  };
  EXPECT_TRUE(hot(record_until(hot)));

  // Mute acts on the device; someone muted the virtual sink: unmuting brings both back.
  audio::set_mute(true);
  EXPECT_TRUE(audio::status().muted);
  EXPECT_TRUE(th::wait_for([] { return sink_muted("speakers"); }, 5000));
  EXPECT_FALSE(sink_muted("velmora"));
  th::pactl({"set-sink-mute", "velmora", "1"});
  audio::set_mute(false);
  EXPECT_TRUE(th::wait_for([] { return !sink_muted("speakers") && !sink_muted("velmora"); }, 5000));
  EXPECT_TRUE(status_becomes([](const audio::Status& s) { return !s.muted; }, 3000));
  EXPECT_TRUE(th::wait_for(
      [] { return logged("INFO  Stumm\n") == 1 && logged("Stumm aufgehoben") == 1; }, 3000))
      << log_text();

  // Off puts everything back and meters the device's monitor.
  audio::set_active(false);
  EXPECT_TRUE(th::wait_for(restored, 8000));
  EXPECT_TRUE(records("speakers.monitor"));
  EXPECT_TRUE(status_becomes(unrouted));
  fx::Meters m;
  EXPECT_TRUE(th::wait_for(
      [&] {
        audio::take_meters(&m);
        return m.fresh && m.in_peak_l > 0.2f && m.in_mean_l > 0.1f && m.out_mean_r > 0.1f;
      },
      5000, 100))
      << m.in_peak_l << " " << m.in_mean_l;
  audio::set_active(true);
  EXPECT_TRUE(th::wait_for(effect_in_place, 8000)) << log_text();
  EXPECT_EQ(th::null_sinks("velmora").size(), 1u);
  char buf[256];
  const ssize_t n = read(fds[0], buf, sizeof buf);
  EXPECT_EQ(std::string(buf, n > 0 ? static_cast<std::size_t>(n) : 0), "A speakers\nD\nA speakers\n");
  guard::attach(-1);
  close(fds[0]);
  close(fds[1]);
  // Switching quickly is no fight over the default with ourselves.
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE("round " + std::to_string(i));
    audio::set_active(false);
    ASSERT_TRUE(status_becomes(unrouted));
    ASSERT_TRUE(default_becomes("speakers", 5000));
    audio::set_active(true);
    ASSERT_TRUE(status_becomes(routed));
    ASSERT_TRUE(default_becomes("velmora", 5000));
  }
  EXPECT_FALSE(audio::status().select_output);

  // The chosen device is unplugged: the default's device stands in until it is back.
  audio::set_output("headphones");
  EXPECT_TRUE(plays_to("Velmora", "headphones"));
  th::pactl({"unload-module", th::null_sinks("headphones").at(0).at("#")});
  EXPECT_TRUE(status_becomes([](const audio::Status& s) {
    return s.routed && s.output_missing && s.output == "speakers";
  }));
  EXPECT_TRUE(plays_to("Velmora", "speakers"));
  th::pactl({"load-module", "module-null-sink", "sink_name=headphones", "rate=48000"});
  EXPECT_TRUE(status_becomes([](const audio::Status& s) {
    return s.routed && !s.output_missing && s.output == "headphones";
  }));
  EXPECT_TRUE(plays_to("Velmora", "headphones"));

  // A server that stops answering: each request of the pass waits 5 s, so it
  // is held long enough for the first to be given up.
  const pid_t protocol = server_->protocol_pid();
  ASSERT_GT(protocol, 1);
  kill(protocol, SIGSTOP);
  audio::set_output("speakers");
  sleep_ms(6500);
  kill(protocol, SIGCONT);
  EXPECT_TRUE(status_becomes([](const audio::Status& s) { return routed(s) && s.output == "speakers"; },
                             20000));
  EXPECT_TRUE(plays_to("Velmora", "speakers"));
  EXPECT_EQ(logged("Tonserver antwortet nicht — Anfrage verworfen"), 1) << log_text();

  // A restarted server is found again; several failed attempts, one message.
  server_->stop();
  EXPECT_TRUE(status_becomes([](const audio::Status& s) { return s.state == 2 && !s.routed; }, 8000));
  sleep_ms(700);
  ASSERT_TRUE(server_->start(false)) << server_->log_text();
  EXPECT_TRUE(status_becomes(routed, 15000));
  EXPECT_TRUE(default_becomes("velmora")) << log_text();
  EXPECT_TRUE(plays_to("Velmora", "speakers"));
  EXPECT_EQ(th::null_sinks("velmora").size(), 1u);
  EXPECT_EQ(logged("Kein Tonserver erreichbar"), 1) << log_text();
  EXPECT_EQ(logged("Tonserver verbunden: "), 2) << log_text();
  EXPECT_EQ(logged("der Kompressor gibt nach"), 0) << log_text();
}

TEST_P(EngineServer, PassiveBesideAnotherInstallationThenGivesUpAFightOverTheDefault) {
  server_->player("Fremdspieler");
  const pid_t other = server_->client({"parec", "-d", "speakers.monitor", "--client-name=Velmora",
                                      "--property=application.name=Velmora", "--raw"});
  ASSERT_TRUE(records("speakers.monitor"));
  ASSERT_TRUE(plays_to("Fremdspieler", "speakers"));
  const std::size_t sinks_before = th::list("sinks").size();
  audio::set_active(true);
  ASSERT_TRUE(audio::start(true));
  ASSERT_TRUE(status_becomes([](const audio::Status& s) { return s.state == 3; }, 8000));
  sleep_ms(2500);  // a few passive passes
  EXPECT_EQ(audio::status().state, 3u);
  EXPECT_EQ(th::default_sink(), "speakers");
  EXPECT_EQ(th::list("sinks").size(), sinks_before);
  EXPECT_EQ(th::sink_of_app("Fremdspieler"), "speakers");
  EXPECT_EQ(th::sink_of_app("Velmora"), "");
  int record_streams = 0;
  for (th::Entry& s : th::list("source-outputs")) record_streams += s["application.name"] == "Velmora";
  EXPECT_EQ(record_streams, 1);
  EXPECT_EQ(logged("Eine andere Installation laeuft — diese bleibt passiv"), 1);

  // Once the other one is gone this one takes over.
  th::stop_child(other);
  EXPECT_TRUE(status_becomes(routed));
  ASSERT_TRUE(default_becomes("velmora"));

  // That takeover counts: the resets one and two are answered, the third
  // would be the fourth takeover within 20 s. The other program resets once
  // the engine has seen its own default arrive (on PipeWire a round through
  // the session manager; a reset inside it reads as a server that refuses).
  const std::string warning = "Ein anderes Programm stellt das Standardgeraet staendig zurueck";
  int retaken = 0;
  for (int i = 0; i < 3; ++i) {
    sleep_ms(400);
    th::pactl({"set-default-sink", "speakers"});
    th::wait_for([&] { return th::default_sink() == "velmora" || logged(warning) > 0; }, 2500);
    retaken += th::default_sink() == "velmora";
  }
  EXPECT_EQ(retaken, 2);
  EXPECT_TRUE(status_becomes([](const audio::Status& s) { return s.routed && s.select_output; }, 5000));
  EXPECT_EQ(logged(warning), 1) << log_text();
  // Never again, not even long after.
  th::pactl({"set-default-sink", "headphones"});
  sleep_ms(1500);
  EXPECT_EQ(th::default_sink(), "headphones");
  EXPECT_EQ(logged(warning), 1);
}

TEST_P(EngineServer, SiblingJoinsTheChainOnHandoverOrGetsItsDefaultBack) {
  pid_t sibling = sibling_beside();
  audio::set_active(true);
  ASSERT_TRUE(audio::start(true));
  // First a sibling that plays to whatever the default is, and puts its own
  // sink back in front as soon as it follows.
  ASSERT_TRUE(th::wait_for([] { return th::default_sink() == "velmora"; }, 10000, 20));
  const pid_t follows = sibling_output("velmora");
  th::wait_for([] { return th::sink_of_app("Pellomar") == "velmora"; }, 3000, 20);
  th::stop_child(sibling);
  th::pactl({"set-default-sink", "pellomar"});
  EXPECT_TRUE(status_becomes(chained, 15000)) << log_text();
  EXPECT_EQ(th::default_sink(), "pellomar");
  EXPECT_EQ(th::sink_of_app("Pellomar"), "velmora");
  EXPECT_EQ(logged("Uebergabe an die Kette: Standard kurz auf die eigene Senke"), 1);
  // The head named is the default at that moment: the sibling's sink if it
  // took the default back in time, otherwise ours until the correction.
  EXPECT_EQ(logged("Kette steht: "), 1) << log_text();
  EXPECT_EQ(logged(" ... -> Kompressor -> speakers\n"), 1) << log_text();
  EXPECT_EQ(logged("Geschwister folgt nicht"), 0);

  // Off hands the chain back; on again, beside a sibling that does not follow,
  // the handover waits 3 s for it, then gives the default back.
  audio::set_active(false);
  ASSERT_TRUE(status_becomes(unrouted));
  ASSERT_TRUE(default_becomes("pellomar", 5000));
  th::stop_child(follows);
  sibling = sibling_output("speakers");
  ASSERT_TRUE(plays_to("Pellomar", "speakers", 5000));
  const int in_front = logged("Kette: Geschwister vorn, Kompressor am Ende");
  audio::set_active(true);
  EXPECT_TRUE(th::wait_for([] { return logged("Geschwister folgt nicht") == 1; }, 15000)) << log_text();
  EXPECT_TRUE(default_becomes("pellomar", 5000));
  EXPECT_TRUE(status_becomes([](const audio::Status& s) { return s.select_output; }, 3000));
  const audio::Status st = audio::status();
  EXPECT_TRUE(st.routed && !st.chained);
  EXPECT_EQ(st.follow, "speakers");  // where the sibling plays
  EXPECT_EQ(th::sink_of_app("Pellomar"), "speakers");
  const std::string running = "Kette: Geschwister laeuft, spielt noch nicht in den Kompressor";
  const int said = logged(running);
  server_->player("Fremdspieler");
  sleep_ms(1500);  // more passes in the same situation
  EXPECT_EQ(logged("Uebergabe an die Kette"), 2) << log_text();
  EXPECT_EQ(logged(running), said);
  EXPECT_EQ(th::default_sink(), "pellomar");

  // It comes to play into us after all: the chain stands, and the default
  // stays with the sibling.
  sibling_output("velmora");
  th::stop_child(sibling);
  EXPECT_TRUE(status_becomes(chained));
  EXPECT_EQ(th::default_sink(), "pellomar");
  EXPECT_EQ(th::sink_of_app("Velmora"), "speakers");
  EXPECT_EQ(logged("Kette: Geschwister vorn, Kompressor am Ende"), in_front + 1) << log_text();
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

// The built program, one run after another on the same server.
TEST_P(EngineServer, ProgramEndsCrashesLeftoversStoppedServerAndListing) {
  const auto log = [&] { return th::read_file(server_->config_dir() + "/Velmora.log"); };
  // Starts the program (stopped with the server if the test does not) and
  // finds its guard; with effect_on it also waits for the routing to stand.
  pid_t guard = -1;
  const auto program = [&](std::vector<std::string> args, bool effect_on = true) {
    args.insert(args.begin(), VLM_BINARY);
    const pid_t pid = server_->client(args);
    EXPECT_TRUE(th::wait_for([&] { return !th::children_of(pid).empty(); }, 5000, 10));
    guard = th::children_of(pid).empty() ? -1 : th::children_of(pid).front();
    if (effect_on) {
      EXPECT_TRUE(th::wait_for(effect_in_place, 10000)) << log();
    }
    return pid;
  };
  server_->player("Fremdspieler");
  ASSERT_TRUE(plays_to("Fremdspieler", "speakers"));

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
  EXPECT_TRUE(gone(guard));
  EXPECT_NE(log().find("Virtuelle Senke abgebaut"), std::string::npos) << log();
  EXPECT_NE(log().find("INFO  Beendet"), std::string::npos) << log();
  EXPECT_FALSE(th::read_file(server_->config_dir() + "/settings.dat").empty());

  // SIGKILL while on: the guard repairs, every time.
  for (int round = 0; round < 5 && !HasFailure(); ++round) {
    SCOPED_TRACE("SIGKILL round " + std::to_string(round));
    end(program({"--headless"}), SIGKILL);
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
  const pid_t protocol = server_->protocol_pid();
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
  EXPECT_TRUE(plays_to("Velmora", "speakers", 10000));
  sleep_ms(1000);
  EXPECT_TRUE(th::has_sink("velmora"));
  EXPECT_EQ(th::default_sink(), "speakers");
  EXPECT_EQ(th::sink_of_app("Fremdspieler"), "speakers");
  end(pid, SIGTERM);
  EXPECT_TRUE(restored());

  // SIGKILL while off (metering only): the guard leaves the server alone,
  // here with the default on headphones, which a restore would change.
  th::pactl({"set-default-sink", "headphones"});
  ASSERT_TRUE(default_becomes("headphones", 3000));
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

  server_->stop();
  out = th::run({VLM_BINARY, "--devices"}, &code);
  EXPECT_EQ(code, 1);
  EXPECT_EQ(out, "Kein Tonserver erreichbar.\n");
}

INSTANTIATE_TEST_SUITE_P(Servers, EngineServer, ::testing::Values(Kind::pulse, Kind::pipewire),
                         ::testing::PrintToStringParamName());

}  // namespace
