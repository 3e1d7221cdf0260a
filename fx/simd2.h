#pragma once
// Two double lanes (left, right) on SSE2, which every x86-64 processor has.
// Own exp and log approximations keep library calls out of the inner loop.
#include <emmintrin.h>

#include <cstdint>

namespace simd2 {

struct V2 {
  __m128d v;
  V2() : v(_mm_setzero_pd()) {}
  V2(__m128d x) : v(x) {}  // NOLINT: implicit on purpose, the lanes are the value
  explicit V2(double x) : v(_mm_set1_pd(x)) {}
  V2(double lo, double hi) : v(_mm_set_pd(hi, lo)) {}
  double lo() const { return _mm_cvtsd_f64(v); }
  double hi() const { return _mm_cvtsd_f64(_mm_unpackhi_pd(v, v)); }
};

inline V2 operator+(V2 a, V2 b) { return _mm_add_pd(a.v, b.v); }
inline V2 operator-(V2 a, V2 b) { return _mm_sub_pd(a.v, b.v); }
inline V2 operator*(V2 a, V2 b) { return _mm_mul_pd(a.v, b.v); }
inline V2 operator/(V2 a, V2 b) { return _mm_div_pd(a.v, b.v); }
inline V2 operator*(V2 a, double b) { return _mm_mul_pd(a.v, _mm_set1_pd(b)); }
inline V2 operator+(V2 a, double b) { return _mm_add_pd(a.v, _mm_set1_pd(b)); }
inline V2& operator+=(V2& a, V2 b) { a.v = _mm_add_pd(a.v, b.v); return a; }
inline V2 vmax(V2 a, V2 b) { return _mm_max_pd(a.v, b.v); }
inline V2 vmin(V2 a, V2 b) { return _mm_min_pd(a.v, b.v); }
inline V2 vsqrt(V2 a) { return _mm_sqrt_pd(a.v); }
inline V2 vabs(V2 a) { return _mm_andnot_pd(_mm_set1_pd(-0.0), a.v); }
inline V2 vneg(V2 a) { return _mm_xor_pd(_mm_set1_pd(-0.0), a.v); }
// Lane masks: all ones where the comparison holds.
inline V2 gt(V2 a, V2 b) { return _mm_cmpgt_pd(a.v, b.v); }
inline V2 ge(V2 a, V2 b) { return _mm_cmpge_pd(a.v, b.v); }
inline V2 lt(V2 a, V2 b) { return _mm_cmplt_pd(a.v, b.v); }
inline V2 vand(V2 a, V2 b) { return _mm_and_pd(a.v, b.v); }
inline V2 vor(V2 a, V2 b) { return _mm_or_pd(a.v, b.v); }
// mask ? a : b, lane by lane.
inline V2 select(V2 mask, V2 a, V2 b) {
  return _mm_or_pd(_mm_and_pd(mask.v, a.v), _mm_andnot_pd(mask.v, b.v));
}
inline int movemask(V2 m) { return _mm_movemask_pd(m.v); }

// e^x: x = n·ln2 + r with ln2 split in a short high part (exact in n·hi) and a
// correction, |r| <= ln2/2, Taylor polynomial to r^13, then scaling by 2^n built
// in the exponent bits. Arguments clamped to ±708 keep 2^n a normal number.
inline V2 vexp(V2 x) {
  x = vmin(vmax(x, V2(-708.0)), V2(708.0));
  const __m128i n32 = _mm_cvtpd_epi32((x * 1.4426950408889634).v);  // round to nearest
  const V2 n = _mm_cvtepi32_pd(n32);
  const V2 r = (x - n * 0.693145751953125) - n * 1.4286068203094173e-6;
  V2 p(1.0 / 6227020800.0);  // 1/13!
  p = p * r + 1.0 / 479001600.0;
  p = p * r + 1.0 / 39916800.0;
  p = p * r + 1.0 / 3628800.0;
  p = p * r + 1.0 / 362880.0;
  p = p * r + 1.0 / 40320.0;
  p = p * r + 1.0 / 5040.0;
  p = p * r + 1.0 / 720.0;
  p = p * r + 1.0 / 120.0;
  p = p * r + 1.0 / 24.0;
  p = p * r + 1.0 / 6.0;
  p = p * r + 0.5;
  p = p * r + 1.0;
  p = p * r + 1.0;
  const __m128i biased = _mm_add_epi32(n32, _mm_set1_epi32(1023));
  const __m128i wide = _mm_unpacklo_epi32(biased, _mm_setzero_si128());
  const __m128d scale = _mm_castsi128_pd(_mm_slli_epi64(wide, 52));
  return p * V2(scale);
}

// ln x: x = 2^e·m with m in [√2/2, √2), then ln m = 2·atanh(s), s = (m−1)/(m+1),
// as the odd series to s^21. Arguments clamped below at 1e-300.
inline V2 vlog(V2 x) {
  x = vmax(x, V2(1e-300));
  const __m128i bits = _mm_castpd_si128(x.v);
  // Exponent field as a double: OR it into the mantissa of 2^52, subtract 2^52.
  const __m128i ebits = _mm_srli_epi64(bits, 52);
  const __m128d two52 = _mm_set1_pd(4503599627370496.0);
  V2 e = _mm_sub_pd(_mm_or_pd(_mm_castsi128_pd(ebits), two52), two52);
  e = e + -1023.0;
  const __m128i mbits = _mm_or_si128(_mm_and_si128(bits, _mm_set1_epi64x(0x000FFFFFFFFFFFFFLL)),
                                     _mm_set1_epi64x(0x3FF0000000000000LL));
  V2 m = _mm_castsi128_pd(mbits);
  const V2 big = gt(m, V2(1.4142135623730951));
  m = select(big, m * 0.5, m);
  e = e + V2(vand(big, V2(1.0)));
  const V2 s = (m + -1.0) / (m + 1.0);
  const V2 s2 = s * s;
  V2 p(1.0 / 21.0);
  p = p * s2 + 1.0 / 19.0;
  p = p * s2 + 1.0 / 17.0;
  p = p * s2 + 1.0 / 15.0;
  p = p * s2 + 1.0 / 13.0;
  p = p * s2 + 1.0 / 11.0;
  p = p * s2 + 1.0 / 9.0;
  p = p * s2 + 1.0 / 7.0;
  p = p * s2 + 1.0 / 5.0;
  p = p * s2 + 1.0 / 3.0;
  p = p * s2 + 1.0;
  const V2 series = s * p * 2.0;
  return e * 0.693145751953125 + (e * 1.4286068203094173e-6 + series);
}

}  // namespace simd2
