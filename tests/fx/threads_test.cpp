// The meters are read from another thread while the audio side processes.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/fx/signal.h"

namespace {

TEST(Meters, TakenFromAnotherThreadWhileProcessing) {
  fx::Rack r;
  r.set_params(fx::clean_params());
  std::atomic<bool> done{false};
  float peak_seen = 0;
  std::thread reader([&] {
    for (bool last = false; !last; std::this_thread::yield()) {
      last = done.load();  // one more take after the audio side has finished
      fx::Meters m;
      r.take_meters(&m);
      if (m.fresh) peak_seen = std::max(peak_seen, m.in_peak_l);
    }
  });
  const fxtest::Buffer b = fxtest::sine(500, 0.25, 480);
  for (int k = 0; k < 400; ++k) {
    fxtest::Buffer c = b;
    r.process(c.data(), 480);
  }
  done.store(true);
  reader.join();
  EXPECT_NEAR(peak_seen, 0.25f, 1e-3);
}

}  // namespace
