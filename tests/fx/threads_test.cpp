// The meters are read from another thread while the audio side processes.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/fx/signal.h"

namespace {

TEST(Meters, TakenFromAnotherThreadWhileProcessing) {
  fx::Rack r;
  fx::Params p = fx::clean_params();
  r.set_params(p);
  std::atomic<bool> done{false};
  float peak_seen = 0;
  int fresh = 0;
  std::thread reader([&] {
    while (!done.load()) {
      fx::Meters m;
      r.take_meters(&m);
      if (m.fresh) {
        ++fresh;
        peak_seen = std::max(peak_seen, m.in_peak_l);
      }
      std::this_thread::yield();
    }
  });
  std::vector<float> b = fxtest::sine(500, 0.25, 480);
  for (int k = 0; k < 400; ++k) {
    std::vector<float> c = b;
    r.process(c.data(), 480);
  }
  done.store(true);
  reader.join();
  fx::Meters last;
  r.take_meters(&last);
  if (last.fresh) peak_seen = std::max(peak_seen, last.in_peak_l);
  EXPECT_GT(fresh + (last.fresh ? 1 : 0), 0);
  EXPECT_NEAR(peak_seen, 0.25f, 1e-3);
}

}  // namespace
