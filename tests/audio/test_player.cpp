// A tiny program that plays until it is killed: a sine, silence or periodic
// clicks, as "another program" (its application name is given) for the tests.
//
//   vlm_test_player --app NAME [--device SINK] [--freq HZ] [--amp A]
//                   [--click-ms PERIOD] [--channel l|r|both]
//                   [--device2 SINK --channel2 l|r]   second stream, same clicks
#include <pulse/error.h>
#include <pulse/simple.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::string arg(int argc, char** argv, const char* name, const char* fallback) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], name) == 0) return argv[i + 1];
  }
  return fallback;
}

pa_simple* open_stream(const std::string& app, const std::string& device) {
  const pa_sample_spec spec = {PA_SAMPLE_FLOAT32LE, 48000, 2};
  pa_buffer_attr attr;
  attr.maxlength = static_cast<uint32_t>(-1);
  attr.tlength = static_cast<uint32_t>(pa_usec_to_bytes(40000, &spec));
  attr.prebuf = static_cast<uint32_t>(-1);
  attr.minreq = static_cast<uint32_t>(-1);
  attr.fragsize = static_cast<uint32_t>(-1);
  int err = 0;
  pa_simple* s = pa_simple_new(nullptr, app.c_str(), PA_STREAM_PLAYBACK,
                               device.empty() ? nullptr : device.c_str(), "test tone", &spec,
                               nullptr, &attr, &err);
  if (!s) std::fprintf(stderr, "vlm_test_player: %s\n", pa_strerror(err));
  return s;
}

void fill(std::vector<float>* buf, long long first_frame, double freq, double amp, long click_frames,
          const std::string& channel) {
  const std::size_t frames = buf->size() / 2;
  for (std::size_t i = 0; i < frames; ++i) {
    const long long n = first_frame + static_cast<long long>(i);
    double v;
    if (click_frames > 0) {
      // A short full-scale pulse at the start of every period.
      v = (n % click_frames) < 4 ? amp : 0.0;
    } else {
      v = amp * std::sin(2.0 * M_PI * freq * static_cast<double>(n) / 48000.0);
    }
    (*buf)[2 * i] = (channel == "r") ? 0.0f : static_cast<float>(v);
    (*buf)[2 * i + 1] = (channel == "l") ? 0.0f : static_cast<float>(v);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string app = arg(argc, argv, "--app", "Testspieler");
  const std::string device = arg(argc, argv, "--device", "");
  const std::string device2 = arg(argc, argv, "--device2", "");
  const double freq = std::atof(arg(argc, argv, "--freq", "1000").c_str());
  const double amp = std::atof(arg(argc, argv, "--amp", "0.25").c_str());
  const long click_ms = std::atol(arg(argc, argv, "--click-ms", "0").c_str());
  const std::string channel = arg(argc, argv, "--channel", "both");
  const std::string channel2 = arg(argc, argv, "--channel2", "both");

  pa_simple* s1 = open_stream(app, device);
  if (!s1) return 1;
  pa_simple* s2 = nullptr;
  if (!device2.empty()) {
    s2 = open_stream(app, device2);
    if (!s2) return 1;
  }
  const long click_frames = click_ms * 48;
  std::vector<float> b1(480 * 2), b2(480 * 2);
  int err = 0;
  for (long long frame = 0;; frame += 480) {
    fill(&b1, frame, freq, amp, click_frames, channel);
    if (pa_simple_write(s1, b1.data(), b1.size() * sizeof(float), &err) < 0) return 1;
    if (s2) {
      fill(&b2, frame, freq, amp, click_frames, channel2);
      if (pa_simple_write(s2, b2.data(), b2.size() * sizeof(float), &err) < 0) return 1;
    }
  }
}
