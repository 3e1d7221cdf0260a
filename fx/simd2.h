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
inline V2 vnegabs(V2 a) { return _mm_or_pd(_mm_set1_pd(-0.0), a.v); }  // −|a|
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

// Two independent V2 values carried through the same computation instruction
// by instruction, so that two dependency chains interleave in program order
// and the processor overlaps them.
struct V2x2 {
  V2 a, b;
  V2x2() = default;
  V2x2(V2 x, V2 y) : a(x), b(y) {}
  explicit V2x2(double x) : a(x), b(x) {}
};

inline V2x2 operator+(V2x2 x, V2x2 y) { return {x.a + y.a, x.b + y.b}; }
inline V2x2 operator-(V2x2 x, V2x2 y) { return {x.a - y.a, x.b - y.b}; }
inline V2x2 operator*(V2x2 x, V2x2 y) { return {x.a * y.a, x.b * y.b}; }
inline V2x2 operator/(V2x2 x, V2x2 y) { return {x.a / y.a, x.b / y.b}; }
inline V2x2 operator*(V2x2 x, double y) { return {x.a * y, x.b * y}; }
inline V2x2 operator+(V2x2 x, double y) { return {x.a + y, x.b + y}; }
inline V2x2 vmax(V2x2 x, V2x2 y) { return {vmax(x.a, y.a), vmax(x.b, y.b)}; }
inline V2x2 vmin(V2x2 x, V2x2 y) { return {vmin(x.a, y.a), vmin(x.b, y.b)}; }
inline V2x2 vsqrt(V2x2 x) { return {vsqrt(x.a), vsqrt(x.b)}; }
inline V2x2 vabs(V2x2 x) { return {vabs(x.a), vabs(x.b)}; }
inline V2x2 vneg(V2x2 x) { return {vneg(x.a), vneg(x.b)}; }
inline V2x2 vnegabs(V2x2 x) { return {vnegabs(x.a), vnegabs(x.b)}; }
inline V2x2 gt(V2x2 x, V2x2 y) { return {gt(x.a, y.a), gt(x.b, y.b)}; }
inline V2x2 ge(V2x2 x, V2x2 y) { return {ge(x.a, y.a), ge(x.b, y.b)}; }
inline V2x2 lt(V2x2 x, V2x2 y) { return {lt(x.a, y.a), lt(x.b, y.b)}; }
inline V2x2 vand(V2x2 x, V2x2 y) { return {vand(x.a, y.a), vand(x.b, y.b)}; }
inline V2x2 vor(V2x2 x, V2x2 y) { return {vor(x.a, y.a), vor(x.b, y.b)}; }
inline V2x2 select(V2x2 m, V2x2 x, V2x2 y) { return {select(m.a, x.a, y.a), select(m.b, x.b, y.b)}; }

// The bit-level pieces of the exp and log below.
// 2^n from t = x/ln2 + 1.5·2^52, whose low mantissa bits hold the integer n.
inline V2 exp_scale(V2 t) {
  const __m128i biased = _mm_add_epi64(_mm_castpd_si128(t.v), _mm_set1_epi64x(1023));
  return _mm_castsi128_pd(_mm_slli_epi64(biased, 52));
}
inline V2x2 exp_scale(V2x2 t) { return {exp_scale(t.a), exp_scale(t.b)}; }

// x = 2^(e_field − 1023)·m with m in [1, 2): the raw exponent field as a double
// and the mantissa.
inline void log_split(V2 x, V2* e_field, V2* m) {
  const __m128i bits = _mm_castpd_si128(x.v);
  // Exponent field as a double: OR it into the mantissa of 2^52, subtract 2^52.
  const __m128i ebits = _mm_srli_epi64(bits, 52);
  const __m128d two52 = _mm_set1_pd(4503599627370496.0);
  *e_field = _mm_sub_pd(_mm_or_pd(_mm_castsi128_pd(ebits), two52), two52);
  *m = _mm_castsi128_pd(_mm_or_si128(_mm_and_si128(bits, _mm_set1_epi64x(0x000FFFFFFFFFFFFFLL)),
                                     _mm_set1_epi64x(0x3FF0000000000000LL)));
}
inline void log_split(V2x2 x, V2x2* e_field, V2x2* m) {
  log_split(x.a, &e_field->a, &m->a);
  log_split(x.b, &e_field->b, &m->b);
}

// e^x: x = n·ln2 + r with ln2 split in a short high part (exact in n·hi) and a
// correction, |r| <= ln2/2, Taylor polynomial to r^13, then scaling by 2^n built
// in the exponent bits. Arguments clamped to ±708 keep 2^n a normal number.
// The polynomials are evaluated in Estrin's scheme: the same terms as Horner's,
// but a quarter of the dependency chain, which is what the Newton loop waits on.
//
// vexp_core leaves out the clamp for callers whose argument provably lies
// within it already; the result is then the same as vexp's.
// x = n·ln2 + r with |r| <= ln2/2: rounds x/ln2 to an integer by adding
// 1.5·2^52, which lands the integer in the low mantissa bits of *t, where
// exp_scale picks it up; ln2 is split in two so that n·ln2 is exact.
template <typename V>
inline V exp_reduce(V x, V* t) {
  const V magic(6755399441055744.0);
  *t = x * 1.4426950408889634 + magic;
  const V n = *t - magic;
  return (x - n * 0.693145751953125) - n * 1.4286068203094173e-6;
}

template <typename V>
inline V vexp_core(V x) {
  V t;
  const V r = exp_reduce(x, &t);
  const V r2 = r * r;
  const V r4 = r2 * r2;
  const V r8 = r4 * r4;
  const V q0 = r + 1.0;
  const V q1 = r * (1.0 / 6.0) + 0.5;
  const V q2 = r * (1.0 / 120.0) + 1.0 / 24.0;
  const V q3 = r * (1.0 / 5040.0) + 1.0 / 720.0;
  const V q4 = r * (1.0 / 362880.0) + 1.0 / 40320.0;
  const V q5 = r * (1.0 / 39916800.0) + 1.0 / 3628800.0;
  const V q6 = r * (1.0 / 6227020800.0) + 1.0 / 479001600.0;
  const V w0 = q1 * r2 + q0;
  const V w1 = q3 * r2 + q2;
  const V w2 = q5 * r2 + q4;
  const V z0 = w1 * r4 + w0;
  const V z1 = q6 * r4 + w2;
  const V p = z1 * r8 + z0;
  return p * exp_scale(t);
}

inline V2 vexp(V2 x) { return vexp_core(vmin(vmax(x, V2(-708.0)), V2(708.0))); }

template <typename V>
inline V log_series(V e, V s) {
  const V z = s * s;
  const V z2 = z * z;
  const V z4 = z2 * z2;
  const V z8 = z4 * z4;
  const V q0 = z * (1.0 / 3.0) + 1.0;
  const V q1 = z * (1.0 / 7.0) + 1.0 / 5.0;
  const V q2 = z * (1.0 / 11.0) + 1.0 / 9.0;
  const V q3 = z * (1.0 / 15.0) + 1.0 / 13.0;
  const V q4 = z * (1.0 / 19.0) + 1.0 / 17.0;
  const V w0 = q1 * z2 + q0;
  const V w1 = q3 * z2 + q2;
  const V w2 = z2 * (1.0 / 21.0) + q4;
  const V p = (w1 * z4 + w0) + w2 * z8;
  // e·ln2 is ready long before the series; adding it last keeps one add on the
  // critical path.
  const V e_ln2 = e * 0.693145751953125 + e * 1.4286068203094173e-6;
  return e_ln2 + (s + s) * p;
}

// ln x: x = 2^e·m with m in [√2/2, √2), then ln m = 2·atanh(s), s = (m−1)/(m+1),
// as the odd series to s^21. Arguments clamped below at 1e-300.
// vlog_core is the same without the clamp, for arguments known to be >= 1e-300.
template <typename V>
inline V vlog_core(V x) {
  V e, m;
  log_split(x, &e, &m);
  // Mantissas above √2 count as m/2 with the exponent one higher. For m/2,
  // (m/2 − 1)/(m/2 + 1) equals (m − 2)/(m + 2) bit for bit (scaling by 2 is
  // exact), so the shift needs no multiplication.
  const V bump = vand(gt(m, V(1.4142135623730951)), V(1.0));
  e = (e + -1023.0) + bump;
  const V one_or_two = bump + 1.0;
  const V s = (m - one_or_two) / (m + one_or_two);
  return log_series(e, s);
}

inline V2 vlog(V2 x) { return vlog_core(vmax(x, V2(1e-300))); }

// ln(1 + a) for 0 <= a <= 1 by the same reduction and series: 1 + a is
// mantissa and exponent already, m = 1 + a (exponent 0) or (1 + a)/2 above √2
// (exponent 1), so s = a/(a + 2) or (a − 1)/(a + 3) comes straight from a.
template <typename V>
inline V vlog_one_plus(V a) {
  const V bump = vand(gt(a, V(0.41421356237309503)), V(1.0));
  const V s = (a - bump) / (a + (bump + 2.0));
  return log_series(bump, s);
}

}  // namespace simd2
