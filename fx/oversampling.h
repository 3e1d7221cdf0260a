#pragma once
// Half-band interpolators and decimators for the 4x oversampling around the
// triode stages. T is double (one channel) or simd2::V2 (both channels).
#include <vector>

#include "fx/simd2.h"

namespace fx {

// Half-band lowpass designs: A has 95 taps (half-width 47, Kaiser beta 9.6),
// B has 31 taps (15, 9.0). Computed once per process; taps sum to exactly 1.
const std::vector<double>& hb_a();
const std::vector<double>& hb_b();

// Polyphase tap sets derived from the designs, in double and in two-lane form.
struct HalfBandTaps {
  double interp_a[48], interp_b[16], dec_a[48], dec_b[16];
  simd2::V2 interp_a2[48], interp_b2[16], dec_a2[48], dec_b2[16];
};
const HalfBandTaps& half_band_taps();

// History of the last L values stored twice over, so the newest L always lie
// contiguous from the write index upwards (newest first); no modulo per tap.
template <typename T, int L>
struct Ring {
  T buf[2 * L];
  int w = 0;
  void clear() {
    for (T& v : buf) v = T();
    w = 0;
  }
  void push(T x) {
    w = (w == 0) ? L - 1 : w - 1;
    buf[w] = x;
    buf[w + L] = x;
  }
  const T* newest() const { return buf + w; }
};

template <typename T>
inline T mul(double a, T b) {
  return b * a;
}

// x2 interpolator: the even-phase branch of the design and, for the odd phase
// (the centre tap), a plain delay.
template <typename T, int N, int Delay>
struct Interp {
  static_assert(N % 2 == 0, "the branch of a half-band design has an even tap count");
  Ring<T, N> hist;
  void clear() { hist.clear(); }
  // Returns the two outputs in time order.
  // The branch taps are symmetric (taps[j] == taps[N − 1 − j]), so mirrored
  // history values are added before they are multiplied.
  void run(const T* taps, T x, T* first, T* second) {
    hist.push(x);
    const T* h = hist.newest();
    T acc = taps[0] * (h[0] + h[N - 1]);
    for (int j = 1; j < N / 2; ++j) acc = acc + taps[j] * (h[j] + h[N - 1 - j]);
    *first = acc;
    *second = h[Delay];
  }
};

// /2 decimator over a history of 2·N − 1 inputs; the centre tap is 0.5.
template <typename T, int N>
struct Decim {
  static_assert(N % 2 == 0, "the branch of a half-band design has an even tap count");
  static constexpr int kLen = 2 * N - 1;
  static constexpr int kCentre = N - 1;
  Ring<T, kLen> hist;
  void clear() { hist.clear(); }
  T run(const T* taps, T a, T b) {
    hist.push(a);
    hist.push(b);
    const T* h = hist.newest();
    // Symmetric taps, as in the interpolator.
    T acc = taps[0] * (h[0] + h[2 * (N - 1)]);
    for (int j = 1; j < N / 2; ++j) acc = acc + taps[j] * (h[2 * j] + h[2 * (N - 1 - j)]);
    return mul(0.5, h[kCentre]) + acc;
  }
};

}  // namespace fx
