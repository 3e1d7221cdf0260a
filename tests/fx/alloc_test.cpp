// Rack::process must not allocate once it has run: every operator new in this
// binary is counted.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "tests/fx/signal.h"

namespace {
std::atomic<long> g_news{0};
}  // namespace

// The replacements pair malloc with free on purpose.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

void* operator new(std::size_t n) {
  g_news.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t n) { return operator new(n); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

TEST(RealTime, ProcessAllocatesNothingAfterTheFirstCall) {
  fx::Rack r;
  std::vector<float> b = fxtest::noise(48000, 0.5, 99);
  r.process(b.data(), 480);
  const long before = g_news.load();
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
  EXPECT_EQ(g_news.load() - before, 0);
  // The counter itself works.
  std::vector<int>* v = new std::vector<int>(3);
  delete v;
  EXPECT_GT(g_news.load() - before, 0);
}

}  // namespace
