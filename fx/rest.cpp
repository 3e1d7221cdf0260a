// Resting in digital silence. Once the input has been exactly zero for longer
// than the chain's slowest decay and everything the chain still produces lies
// below -150 dBFS, a chunk of silent input is not processed: its output is the
// settled silence, the meters see silent frames, and the only states that still
// move noticeably (the compressor and limiter envelopes, whose release can be
// seconds long) are advanced in closed form. The other states are frozen at
// residues below the rest level, so the first chunk with signal continues
// from the state a full run would have reached, to within that level.
#include <cmath>
#include <cstring>

#include "fx/rack_impl.h"

namespace fx {

namespace {

// -150 dBFS.
constexpr double kRestLevel = 3.1622776601683795e-8;

// The slowest decay in the chain is the first stage's cathode network at the
// largest bypass capacitor (47 µF with at most 3.3 kΩ: about 0.16 s), then the
// 5 Hz DC blocker (32 ms) and the filter histories (54 frames). A second of
// silence is several times the longest of them.
constexpr double kHoldMs = 1000.0;

bool all_zero(const float* io, int n) {
  // Both signed zeros count; anything else, denormals included, is signal.
  for (int i = 0; i < 2 * n; ++i) {
    if (io[i] != 0.0f) return false;
  }
  return true;
}

bool same_want(const Params& a, const Params& b) {
  return a.tube_on == b.tube_on && a.comp_on == b.comp_on && a.limiter_on == b.limiter_on &&
         std::memcmp(a.knob.data(), b.knob.data(), sizeof(float) * kKnobs) == 0;
}

}  // namespace

bool Rack::Impl::rest_chunk(float* io, int n) {
  if (!all_zero(io, n)) {
    silent_frames = 0;
    return false;
  }
  const std::int64_t hold = static_cast<std::int64_t>(kHoldMs / 1000.0 * rate);
  if (silent_frames <= hold) silent_frames += n;
  if (!rest_on || silent_frames <= hold || !at_rest || !same_want(want, rest_want)) return false;

  // The compressor runs at rest exactly when its (stalled) fade is above 0. Its
  // detector then sees silence, so it wants no reduction and the envelope
  // releases towards 0 dB by the release factor once per frame.
  if (gl.comp_fade > 0.0) {
    const double tau_r = gl.release_ms > 5.0 ? gl.release_ms / 1000.0 : 0.005;
    const double rel = std::exp(-1.0 / (tau_r * rate));
    local.gain_reduction =
        std::max(local.gain_reduction, static_cast<float>(-comp_env_db * rel * gl.comp_fade));
    comp_env_db *= std::pow(rel, n);
  } else {
    comp_env_db = 0.0;
  }
  lim_env *= std::pow(std::exp(-1.0 / (0.15 * rate)), n);
  // The output stays the silent input; the meters count silent frames.
  local.frames += n;
  merge_meters();
  ++rested;
  return true;
}

void Rack::Impl::note_rest(double peak, bool moved) {
  at_rest = peak < kRestLevel && !moved && !settling;
  rest_want = want;
}

}  // namespace fx
