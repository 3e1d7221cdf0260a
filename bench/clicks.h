#pragma once
// Latency of the effect path from one recording of the device's monitor: the
// test player's clicks go left through the effect and right straight to the
// device, started together, so each left onset trails its right twin by the
// delay the effect path adds.
#include <algorithm>
#include <cmath>
#include <vector>

namespace bench {

// Frames where a channel of interleaved stereo first rises above half its
// peak, at least min_gap apart.
inline std::vector<long> onsets(const std::vector<float>& st, int ch, long min_gap) {
  float peak = 0;
  for (std::size_t i = static_cast<std::size_t>(ch); i < st.size(); i += 2) {
    peak = std::max(peak, std::fabs(st[i]));
  }
  std::vector<long> out;
  if (peak < 1e-3f) return out;
  long last = -min_gap;
  for (std::size_t i = 0; i < st.size() / 2; ++i) {
    const long n = static_cast<long>(i);
    if (std::fabs(st[2 * i + static_cast<std::size_t>(ch)]) > peak * 0.5f && n - last >= min_gap) {
      out.push_back(n);
      last = n;
    }
  }
  return out;
}

// Delays in ms (48 kHz) of each left click behind its right twin; clicks at
// most every 250 ms.
inline std::vector<double> click_delays_ms(const std::vector<float>& rec) {
  const std::vector<long> l = onsets(rec, 0, 12000);
  const std::vector<long> r = onsets(rec, 1, 12000);
  std::vector<double> delays;
  for (long a : r) {
    for (long b : l) {
      if (b >= a && b - a < 12000) delays.push_back(static_cast<double>(b - a) / 48.0);
    }
  }
  return delays;
}

}  // namespace bench
