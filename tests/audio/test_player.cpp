// A tiny program that plays until it is killed: a sine or periodic clicks, as
// "another program" (its application name is given) for the tests.
//
//   vlm_test_player --app NAME [--device SINK] [--freq HZ] [--amp A]
//                   [--click-ms PERIOD] [--channel l|r|both] [--no-move]
//                   [--device2 SINK --channel2 l|r|both]
//
// --no-move connects with PA_STREAM_DONT_MOVE, as sibling effect programs do
// with their own output. --device2 opens a second stream with the same
// signal, started together with the first (latency comparisons).
#include <pulse/pulseaudio.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Signal {
  double freq = 1000;
  double amp = 0.25;
  long click_frames = 0;
};

struct Out {
  std::string device;
  std::string channel;
  long long frame = 0;
  std::vector<float> buf;
  pa_stream* stream = nullptr;
};

Signal g_signal;
std::vector<Out> g_outs;
pa_mainloop* g_ml = nullptr;
bool g_no_move = false;

std::string arg(int argc, char** argv, const char* name, const char* fallback) {
  for (int i = 1; i + 1 < argc; ++i) {
    if (std::strcmp(argv[i], name) == 0) return argv[i + 1];
  }
  return fallback;
}

bool flag(int argc, char** argv, const char* name) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], name) == 0) return true;
  }
  return false;
}

void stream_write_callback(pa_stream* s, size_t nbytes, void* userdata) {
  Out* o = static_cast<Out*>(userdata);
  const std::size_t frames = nbytes / 8;
  o->buf.resize(frames * 2);
  for (std::size_t i = 0; i < frames; ++i) {
    const long long n = o->frame + static_cast<long long>(i);
    double v;
    if (g_signal.click_frames > 0) {
      v = (n % g_signal.click_frames) < 4 ? g_signal.amp : 0.0;  // a short pulse per period
    } else {
      v = g_signal.amp * std::sin(2.0 * M_PI * g_signal.freq * static_cast<double>(n) / 48000.0);
    }
    o->buf[2 * i] = o->channel == "r" ? 0.0f : static_cast<float>(v);
    o->buf[2 * i + 1] = o->channel == "l" ? 0.0f : static_cast<float>(v);
  }
  o->frame += static_cast<long long>(frames);
  pa_stream_write(s, o->buf.data(), frames * 8, nullptr, 0, PA_SEEK_RELATIVE);
}

void stream_state_callback(pa_stream* s, void*) {
  switch (pa_stream_get_state(s)) {
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
      pa_mainloop_quit(g_ml, 1);
      break;
    case PA_STREAM_UNCONNECTED:
    case PA_STREAM_CREATING:
    case PA_STREAM_READY:
      break;
  }
}

void open_streams(pa_context* c) {
  const pa_sample_spec sample_spec = {PA_SAMPLE_FLOAT32LE, 48000, 2};
  pa_buffer_attr attr;
  attr.maxlength = static_cast<uint32_t>(-1);
  attr.tlength = static_cast<uint32_t>(pa_usec_to_bytes(40000, &sample_spec));
  // Two streams compared for latency must not drift apart: without
  // pre-buffering an underrun of one skips ahead instead of pausing it.
  attr.prebuf = g_outs.size() > 1 ? 0 : static_cast<uint32_t>(-1);
  attr.minreq = static_cast<uint32_t>(-1);
  attr.fragsize = static_cast<uint32_t>(-1);
  int flags = PA_STREAM_ADJUST_LATENCY;
  if (g_no_move) flags |= PA_STREAM_DONT_MOVE;
  // Both streams start corked and are uncorked together.
  if (g_outs.size() > 1) flags |= PA_STREAM_START_CORKED;
  for (Out& o : g_outs) {
    o.stream = pa_stream_new(c, "test tone", &sample_spec, nullptr);
    pa_stream_set_state_callback(o.stream, stream_state_callback, nullptr);
    pa_stream_set_write_callback(o.stream, stream_write_callback, &o);
    pa_stream_connect_playback(o.stream, o.device.empty() ? nullptr : o.device.c_str(), &attr,
                               static_cast<pa_stream_flags_t>(flags), nullptr, nullptr);
  }
}

void uncork_when_ready() {
  static bool done = false;
  if (done || g_outs.size() < 2) return;
  for (const Out& o : g_outs) {
    if (!o.stream || pa_stream_get_state(o.stream) != PA_STREAM_READY) return;
  }
  done = true;
  for (Out& o : g_outs) pa_operation_unref(pa_stream_cork(o.stream, 0, nullptr, nullptr));
}

void context_state_callback(pa_context* c, void*) {
  switch (pa_context_get_state(c)) {
    case PA_CONTEXT_READY:
      open_streams(c);
      break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
      pa_mainloop_quit(g_ml, 1);
      break;
    case PA_CONTEXT_UNCONNECTED:
    case PA_CONTEXT_CONNECTING:
    case PA_CONTEXT_AUTHORIZING:
    case PA_CONTEXT_SETTING_NAME:
      break;
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string app = arg(argc, argv, "--app", "Testspieler");
  g_signal.freq = std::atof(arg(argc, argv, "--freq", "1000").c_str());
  g_signal.amp = std::atof(arg(argc, argv, "--amp", "0.25").c_str());
  g_signal.click_frames = std::atol(arg(argc, argv, "--click-ms", "0").c_str()) * 48;
  g_no_move = flag(argc, argv, "--no-move");
  g_outs.reserve(2);
  g_outs.emplace_back();
  g_outs.back().device = arg(argc, argv, "--device", "");
  g_outs.back().channel = arg(argc, argv, "--channel", "both");
  const std::string device2 = arg(argc, argv, "--device2", "");
  if (!device2.empty()) {
    g_outs.emplace_back();
    g_outs.back().device = device2;
    g_outs.back().channel = arg(argc, argv, "--channel2", "both");
  }

  g_ml = pa_mainloop_new();
  pa_proplist* pl = pa_proplist_new();
  pa_proplist_sets(pl, PA_PROP_APPLICATION_NAME, app.c_str());
  pa_context* c = pa_context_new_with_proplist(pa_mainloop_get_api(g_ml), app.c_str(), pl);
  pa_proplist_free(pl);
  pa_context_set_state_callback(c, context_state_callback, nullptr);
  if (pa_context_connect(c, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return 1;
  int ret = 0;
  for (;;) {
    if (pa_mainloop_iterate(g_ml, 1, &ret) < 0) break;
    uncork_when_ready();
  }
  return ret;
}
