// Rack::process must not allocate once it has run: every operator new in this
// binary is counted.
#include <gtest/gtest.h>

#include "tests/alloc_count.h"
#include "tests/fx/signal.h"

namespace {

TEST(RealTime, ProcessAllocatesNothingAfterTheFirstCall) {
  fx::Rack r;
  std::vector<float> b = fxtest::noise(48000, 0.5, 99);
  r.process(b.data(), 480);
  const long before = alloc_count::news();
  fx::Params p = fx::standard_params();
  for (int k = 0; k < 100; ++k) {
    // Parameter changes, a unit switched off and on, the scalar path, a
    // non-finite reset: none of them may allocate.
    p.knob[fx::kBias] = (k % 20) / 20.0f;
    p.knob[fx::kBass] = (k % 7) / 7.0f;
    p.tube_on = k < 40 || k > 60;
    r.set_params(p);
    if (k == 70) r.set_scalar_reference(true);
    if (k == 80) b[10] = std::nanf("");
    r.process(b.data() + 2 * 480 * (k % 90), 480);
  }
  EXPECT_EQ(alloc_count::news() - before, 0);
  // The counter itself works.
  std::vector<int>* v = new std::vector<int>(3);
  delete v;
  EXPECT_GT(alloc_count::news() - before, 0);
}

}  // namespace
