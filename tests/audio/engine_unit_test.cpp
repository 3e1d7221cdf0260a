// The engine's pieces that need no sound server: the capture path with its
// latency cap, level metering and parameter hand-over, the setters' dirty
// rules, publishing, chain detection and the guard's pipe protocol.
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <thread>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/logger.h"
#include "audio/audio.h"
#include "audio/engine.h"
#include "audio/guard.h"
#include "fx/presets.h"
#include "tests/alloc_count.h"

namespace {

using namespace audio::engine;

std::vector<float> sine_block(int frames, float amp, int offset) {
  std::vector<float> b(static_cast<std::size_t>(frames) * 2);
  for (int i = 0; i < frames; ++i) {
    const float v = amp * std::sin(2.0f * 3.14159265f * 1000.0f * static_cast<float>(i + offset) /
                                   48000.0f);
    b[2 * static_cast<std::size_t>(i)] = v;
    b[2 * static_cast<std::size_t>(i) + 1] = -0.5f * v;
  }
  return b;
}

TEST(AudioCapture, LatencyCapWritesUpTo300msAndDropsBeyond) {
  EXPECT_TRUE(latency_allows_write(0, 300000, 0));
  EXPECT_FALSE(latency_allows_write(0, 300001, 0));
  EXPECT_TRUE(latency_allows_write(0, 0, 0));
  // No reading, or a negative one, never holds audio back.
  EXPECT_TRUE(latency_allows_write(-1, 900000, 0));
  EXPECT_TRUE(latency_allows_write(0, 900000, 1));
}

TEST(AudioCapture, RoutedPathAllocatesNothingAfterItsFirstBlock) {
  g_rec_routed = true;
  g_play = nullptr;  // not ready: processed, neither written nor counted
  prepare_capture();
  g_rack.set_format(48000.0f);
  audio::set_params(fx::standard_params());
  const std::vector<float> block = sine_block(480, 0.3f, 0);
  handle_block(block.data(), block.size() * sizeof(float));

  fx::Params other = fx::standard_params();
  other.knob[fx::kDrive] = 0.9f;
  const long before = alloc_count::news();
  for (int i = 0; i < 200; ++i) {
    // A new parameter version every tenth block goes through the hand-over.
    if (i % 10 == 0) {
      const std::uint32_t v = g_params_version.load();
      {
        std::lock_guard<std::mutex> lk(g_params_mtx);
        g_params = other;
      }
      g_params_version.store(v + 1);
    }
    handle_block(block.data(), (i % 2 ? 480 : 441) * kFrameBytes);
  }
  EXPECT_EQ(alloc_count::news() - before, 0);
  EXPECT_EQ(g_applied_version, g_params_version.load());
  EXPECT_EQ(g_dropped.load(), 0u);
  EXPECT_EQ(g_drop_events.load(), 0u);

  // A block larger than any before (a stall's backlog) goes through in pieces.
  const std::vector<float> backlog = sine_block(3 * static_cast<int>(kScratchFrames) + 7, 0.3f, 0);
  fx::Meters m;
  g_rack.take_meters(&m);
  const long before_backlog = alloc_count::news();
  handle_block(backlog.data(), backlog.size() * sizeof(float));
  EXPECT_EQ(alloc_count::news() - before_backlog, 0);
  m = fx::Meters{};
  g_rack.take_meters(&m);
  EXPECT_TRUE(m.fresh);

  // Parameters held by the main thread right now: the block keeps the old set
  // instead of waiting (waiting here would hang this single-threaded test).
  {
    std::lock_guard<std::mutex> lk(g_params_mtx);
    g_params_version.fetch_add(1);
    const std::uint32_t applied = g_applied_version;
    handle_block(block.data(), 480 * kFrameBytes);
    EXPECT_EQ(g_applied_version, applied);
  }
  handle_block(block.data(), 480 * kFrameBytes);
  EXPECT_EQ(g_applied_version, g_params_version.load());
  g_rec_routed = false;
}

TEST(AudioCapture, MeteringPathFeedsPassThroughMeters) {
  g_rec_routed = false;
  {
    std::lock_guard<std::mutex> lk(g_mtx);
    g_status.routed = false;
  }
  const std::vector<float> block = sine_block(4800, 0.8f, 0);  // 100 whole periods
  const long before = alloc_count::news();
  handle_block(block.data(), block.size() * sizeof(float) / 2);
  handle_block(block.data() + block.size() / 2, block.size() * sizeof(float) / 2);
  EXPECT_EQ(alloc_count::news() - before, 0);

  fx::Meters m;
  audio::take_meters(&m);
  EXPECT_TRUE(m.fresh);
  // Mean of |sin| is 2/pi of the amplitude.
  EXPECT_NEAR(m.in_mean_l, 0.8 * 2 / M_PI, 1e-3);
  EXPECT_NEAR(m.out_mean_l, 0.8 * 2 / M_PI, 1e-3);
  EXPECT_NEAR(m.in_mean_r, 0.4 * 2 / M_PI, 1e-3);
  EXPECT_NEAR(m.in_peak_l, 0.8, 1e-3);
  EXPECT_NEAR(m.out_peak_r, 0.4, 1e-3);
  EXPECT_FLOAT_EQ(m.detector_db, -120.0f);

  // Read and cleared: the next call has nothing of its own.
  audio::take_meters(&m);
  EXPECT_FALSE(m.fresh && m.in_peak_l > 0.5f);
  EXPECT_EQ(g_pass_n, 0u);
}

TEST(AudioState, SettersMarkDirtyOnlyOnChangeExceptMute) {
  audio::stop();  // without a start: nothing to do
  EXPECT_FALSE(audio::has_system_filter());
  EXPECT_EQ(audio::status().state, 0u);
  EXPECT_TRUE(audio::devices().empty());
  auto dirty = [] {
    std::lock_guard<std::mutex> lk(g_mtx);
    const bool d = g_dirty;
    g_dirty = false;
    return d;
  };
  dirty();
  audio::set_output("");
  EXPECT_FALSE(dirty());
  audio::set_output("headphones");
  EXPECT_TRUE(dirty());
  audio::set_output("headphones");
  EXPECT_FALSE(dirty());
  audio::set_active(false);
  EXPECT_FALSE(dirty());
  audio::set_active(true);
  EXPECT_TRUE(dirty());
  audio::set_restore_hint("speakers");
  EXPECT_FALSE(dirty());
  EXPECT_FALSE(audio::status().muted);
  audio::set_mute(true);
  EXPECT_TRUE(audio::status().muted);  // visible before any pass
  EXPECT_TRUE(dirty());
  audio::set_mute(true);
  EXPECT_TRUE(dirty());
  EXPECT_EQ(g_want_mute, 1);
  // Parameters go by version, not by pass.
  const std::uint32_t v = g_params_version.load();
  audio::set_params(fx::clean_params());
  EXPECT_EQ(g_params_version.load(), v + 1);
  EXPECT_FALSE(dirty());
}

Snapshot chain_snapshot() {
  Snapshot s;
  s.complete = true;
  s.default_sink = "pellomar";
  s.sinks = {{1, "speakers", "Speakers", 11, false},
             {2, "velmora", "Velmora", 12, true},
             {3, "pellomar", "", 13, false},
             {4, "usb", "", 14, true}};
  s.inputs = {{20, 2, 7, false, true},    // the sibling's output into us
              {21, 3, 8, false, false}};  // a player into the sibling
  return s;
}

TEST(AudioRouting, NamesAndChainDetection) {
  for (const char* n : {"pellomar", "brisolde", "tarnquist"}) {
    EXPECT_TRUE(is_upstream_sink(n));
    EXPECT_TRUE(is_reserved(n));
  }
  EXPECT_FALSE(is_upstream_sink("velmora"));
  EXPECT_TRUE(is_reserved("velmora"));
  EXPECT_FALSE(is_real_device(""));
  EXPECT_TRUE(is_real_device("speakers"));

  Snapshot s = chain_snapshot();
  EXPECT_TRUE(chain_feeds_us(s));
  s.inputs[0].sibling = false;
  EXPECT_FALSE(chain_feeds_us(s));
  s = chain_snapshot();
  s.sinks.erase(s.sinks.begin() + 1);
  EXPECT_FALSE(chain_feeds_us(s));
}

TEST(AudioRouting, PublishListsRealDevicesAndReadsMute) {
  g_follow = "speakers";
  publish(chain_snapshot(), "speakers", false, true, false);
  audio::Status st = audio::status();
  EXPECT_EQ(st.state, 1u);
  EXPECT_TRUE(st.routed);
  EXPECT_TRUE(st.chained);
  EXPECT_EQ(st.output, "speakers");
  EXPECT_EQ(st.output_description, "Speakers");
  EXPECT_EQ(st.follow, "speakers");
  // The device is not muted, the virtual sink is: routed audio is silent.
  EXPECT_TRUE(st.muted);
  const std::vector<audio::Device> d = audio::devices();
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].name, "speakers");
  EXPECT_EQ(d[1].name, "usb");
  EXPECT_EQ(d[1].description, "usb");  // no description: the name

  publish(chain_snapshot(), "usb", true, false, true);
  st = audio::status();
  EXPECT_FALSE(st.routed);
  EXPECT_FALSE(st.chained);
  EXPECT_TRUE(st.output_missing);
  EXPECT_TRUE(st.select_output);
  EXPECT_TRUE(st.muted);
  EXPECT_EQ(st.output_description, "usb");
  g_follow.clear();
}

std::string drain(int fd) {
  std::string out;
  char buf[256];
  for (ssize_t n; (n = read(fd, buf, sizeof buf)) > 0;) out.append(buf, static_cast<std::size_t>(n));
  return out;
}

TEST(Guard, PipeProtocolWritesEachChangeOnce) {
  int fds[2];
  ASSERT_EQ(pipe2(fds, O_NONBLOCK | O_CLOEXEC), 0);
  guard::attach(fds[1]);
  guard::armed("speakers");
  guard::armed("speakers");
  guard::disarmed();
  guard::disarmed();
  guard::armed("speakers");
  guard::armed("headphones");
  EXPECT_EQ(drain(fds[0]), "A speakers\nD\nA speakers\nA headphones\n");
  guard::stop();
  EXPECT_EQ(drain(fds[0]), "Q\n");
  guard::stop();  // safe again; the descriptor is already closed
  guard::armed("speakers");
  char c;
  EXPECT_EQ(read(fds[0], &c, 1), 0);  // end of file: nothing more was written
  close(fds[0]);
}

TEST(Guard, ForkedGuardEndsOnQuitWithoutServerAndIsReaped) {
  // No server anywhere: the routing died with it, so the armed guard has
  // nothing to wait for; it ends at once and stop() reaps it (no zombie).
  setenv("PULSE_SERVER", "unix:/nonexistent/vlm-guard-test", 1);
  guard::start();
  guard::armed("speakers");
  guard::stop();
  // The guard was our only child: none is left, running or unreaped.
  errno = 0;
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);
  EXPECT_EQ(errno, ECHILD);
}

// The threads of a running engine without any server: the control thread
// retries, the caller's thread keeps setting and reading.
TEST(AudioEngineThreads, NoServerGivesStateTwoOnceAndStopsCleanly) {
  setenv("PULSE_SERVER", "unix:/nonexistent/vlm-engine-test", 1);
  audio::set_active(true);
  ASSERT_TRUE(audio::start(true));
  bool seen = false;
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(5500);
  for (int i = 0; std::chrono::steady_clock::now() < end; ++i) {
    audio::set_output(i % 2 ? "a" : "b");
    audio::set_params(fx::standard_params());
    fx::Meters m;
    audio::take_meters(&m);
    if (audio::status().state == 2) {
      seen = true;
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_TRUE(seen);
  // Several more attempts while the server stays away: still one message.
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  EXPECT_FALSE(audio::status().routed);
  int said = 0;
  for (const std::string& line : logger::tail(100)) {
    said += line.find("Kein Tonserver erreichbar") != std::string::npos;
  }
  EXPECT_EQ(said, 1);
  audio::stop();
  audio::stop();
  EXPECT_EQ(audio::status().state, 2u);
}

TEST(Rescue, FailsCleanlyWithoutServer) {
  setenv("PULSE_SERVER", "unix:/nonexistent/vlm-rescue-test", 1);
  EXPECT_EQ(audio::rescue("speakers"), 1);  // no server: nothing to wait for
}

}  // namespace
