// The engine's pieces that need no sound server: the capture path (latency
// cap, allocation, parameter hand-over, pass-through meters), publishing, the
// guard's process, and the engine's threads without a server (also the
// thread sanitizer's subject).
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <string>
#include <thread>
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

// A 1 kHz sine on the left, at minus half of it on the right.
std::vector<float> sine_block(int frames, float amp) {
  std::vector<float> b(static_cast<std::size_t>(frames) * 2);
  for (std::size_t i = 0; i < b.size() / 2; ++i) {
    b[2 * i] = amp * std::sin(2.0f * static_cast<float>(M_PI) * 1000.0f * static_cast<float>(i) / 48000.0f);
    b[2 * i + 1] = -0.5f * b[2 * i];
  }
  return b;
}

TEST(AudioCapture, LatencyCapWritesUpTo300msAndDropsBeyond) {
  EXPECT_TRUE(latency_allows_write(0, 300000, 0));
  EXPECT_FALSE(latency_allows_write(0, 300001, 0));
  // No reading, or a negative one, never holds audio back.
  EXPECT_TRUE(latency_allows_write(-1, 900000, 0));
  EXPECT_TRUE(latency_allows_write(0, 900000, 1));
}

TEST(AudioCapture, RoutedPathAllocatesNothingAndTakesParametersWithoutWaiting) {
  g_rec_routed = true;
  g_play = nullptr;  // not ready: processed, neither written nor counted
  prepare_capture();
  g_rack.set_format(48000.0f);
  audio::set_params(fx::standard_params());
  const std::vector<float> block = sine_block(480, 0.3f);
  handle_block(block.data(), block.size() * sizeof(float));

  fx::Params other = fx::standard_params();
  other.knob[fx::kDrive] = 0.9f;
  // A block larger than any before (a stall's backlog) goes through in pieces.
  const std::vector<float> backlog = sine_block(3 * static_cast<int>(kScratchFrames) + 7, 0.3f);
  const long before = alloc_count::news();
  for (int i = 0; i < 200; ++i) {
    if (i % 10 == 0) audio::set_params(other);  // a new version through the hand-over
    handle_block(block.data(), (i % 2 ? 480 : 441) * kFrameBytes);
  }
  handle_block(backlog.data(), backlog.size() * sizeof(float));
  EXPECT_EQ(alloc_count::news() - before, 0);
  EXPECT_EQ(g_applied_version, g_params_version.load());
  EXPECT_EQ(g_dropped.load() + g_drop_events.load(), 0u);
  fx::Meters m;
  g_rack.take_meters(&m);
  EXPECT_TRUE(m.fresh);

  // Parameters held by the main thread right now: the block keeps the old set
  // instead of waiting (waiting here would hang this single-threaded test).
  {
    Lock lk(g_params_mtx);
    g_params_version.fetch_add(1);
    const std::uint32_t applied = g_applied_version;
    handle_block(block.data(), 480 * kFrameBytes);
    EXPECT_EQ(g_applied_version, applied);
  }
  handle_block(block.data(), 480 * kFrameBytes);
  EXPECT_EQ(g_applied_version, g_params_version.load());
  g_rec_routed = false;
}

TEST(AudioCapture, MeteringPathFeedsPassThroughMetersWithoutAllocating) {
  g_rec_routed = false;
  const std::vector<float> block = sine_block(4800, 0.8f);  // 100 whole periods, in two blocks
  const long before = alloc_count::news();
  handle_block(block.data(), block.size() * sizeof(float) / 2);
  handle_block(block.data() + block.size() / 2, block.size() * sizeof(float) / 2);
  EXPECT_EQ(alloc_count::news() - before, 0);

  fx::Meters m;
  audio::take_meters(&m);
  EXPECT_TRUE(m.fresh);
  // The mean of |sin| is 2/pi of the amplitude.
  EXPECT_NEAR(m.in_mean_l, 0.8 * 2 / M_PI, 1e-3);
  EXPECT_NEAR(m.out_mean_l, 0.8 * 2 / M_PI, 1e-3);
  EXPECT_NEAR(m.in_mean_r, 0.4 * 2 / M_PI, 1e-3);
  EXPECT_NEAR(m.in_peak_l, 0.8, 1e-3);
  EXPECT_NEAR(m.out_peak_r, 0.4, 1e-3);
  // Read and cleared: the next reading covers only what came after.
  const std::vector<float> quiet = sine_block(480, 0.1f);
  handle_block(quiet.data(), quiet.size() * sizeof(float));
  audio::take_meters(&m);
  EXPECT_NEAR(m.in_peak_l, 0.1, 1e-3);
  EXPECT_NEAR(m.in_mean_l, 0.1 * 2 / M_PI, 1e-3);
}

// What a pass publishes: the real devices (a missing description reads as the
// name), whether the sound's way is muted, the virtual sink's part included,
// and whether a sibling (not just any program) plays into us.
TEST(AudioRouting, PublishListsDevicesReadsMuteAndFindsTheChain) {
  Snapshot s;
  s.complete = true;
  s.sinks = {{1, "speakers", "Speakers", 11, false},
             {2, "velmora", "Velmora", 12, true},
             {3, "pellomar", "", 13, false},
             {4, "usb", "", 14, false}};
  s.inputs = {{20, 2, 7, false, false}};  // a program playing into us
  publish(s, "speakers", false, true, false);
  const std::vector<audio::Device> d = audio::devices();
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].name, "speakers");
  EXPECT_EQ(d[1].description, "usb");
  EXPECT_EQ(audio::status().output_description, "Speakers");
  EXPECT_TRUE(audio::status().muted);
  EXPECT_FALSE(audio::status().chained);
  s.inputs[0].sibling = true;
  publish(s, "speakers", false, true, false);
  EXPECT_TRUE(audio::status().chained);
  publish(s, "speakers", false, false, false);
  EXPECT_FALSE(audio::status().muted);  // not routed: the virtual sink is out of the way
}

TEST(Guard, ForkedGuardEndsOnQuitWithoutServerAndIsReaped) {
  // No server anywhere: the routing died with it, so the armed guard has
  // nothing to wait for; it ends at once and stop() reaps it.
  setenv("PULSE_SERVER", "unix:/nonexistent/vlm-guard-test", 1);
  guard::start();
  guard::armed("speakers");
  guard::stop();
  errno = 0;
  EXPECT_EQ(waitpid(-1, nullptr, WNOHANG), -1);  // no child left, running or unreaped
  EXPECT_EQ(errno, ECHILD);
}

// The control thread retries without a server while the caller's thread keeps
// setting (each change is one more attempt) and reading.
TEST(AudioEngineThreads, NoServerGivesStateTwoOnceAndStopsCleanly) {
  setenv("PULSE_SERVER", "unix:/nonexistent/vlm-engine-test", 1);
  audio::set_active(true);
  ASSERT_TRUE(audio::start(true));
  int rounds_in_state_two = 0;
  const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(6000);
  for (int i = 0; rounds_in_state_two < 100 && std::chrono::steady_clock::now() < end; ++i) {
    audio::set_output(i % 2 ? "a" : "b");
    audio::set_params(fx::standard_params());
    fx::Meters m;
    audio::take_meters(&m);
    rounds_in_state_two += audio::status().state == 2;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  EXPECT_EQ(rounds_in_state_two, 100);
  audio::stop();
  audio::stop();
  EXPECT_FALSE(audio::status().routed);
  int said = 0;
  for (const std::string& line : logger::tail(100)) said += line.find("Kein Tonserver") != std::string::npos;
  EXPECT_EQ(said, 1);
}

}  // namespace
