// A tiny program that plays until it is killed: a sine or periodic clicks, as
// "another program" (its application name is given) for the tests.
//
//   vlm_test_player --app NAME [--device SINK] [--freq HZ] [--amp A]
//                   [--click-ms PERIOD] [--channel l|r|both] [--no-move]
//                   [--device2 SINK --channel2 l|r|both]
//
// --no-move connects with PA_STREAM_DONT_MOVE, as sibling effect programs do
// with their own output. --device2 opens a second stream with the same
// signal, started together with the first (latency comparisons). SIGUSR1
// starts both afresh from the same frame, so a shift between them (an underrun
// of one, or the two devices' clocks drifting apart) never outlasts a
// measurement; each underrun is written to stdout as "underrun DEVICE".
#include <pulse/pulseaudio.h>

#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

struct Out {
  std::string device;
  std::string channel;
  long long frame = 0;
  std::vector<float> buf;
  pa_stream* stream = nullptr;
};

std::map<std::string, std::string> g_opt;  // "--name" -> value ("" for a flag)
std::vector<Out> g_outs;
pa_mainloop* g_ml = nullptr;

std::string opt(const std::string& name, const char* fallback) {
  const auto it = g_opt.find(name);
  return it == g_opt.end() ? fallback : it->second;
}

void write_callback(pa_stream* s, size_t nbytes, void* userdata) {
  static const double freq = std::atof(opt("--freq", "1000").c_str());
  static const double amp = std::atof(opt("--amp", "0.25").c_str());
  static const long click_frames = std::atol(opt("--click-ms", "0").c_str()) * 48;
  Out* o = static_cast<Out*>(userdata);
  const std::size_t frames = nbytes / 8;
  o->buf.resize(frames * 2);
  for (std::size_t i = 0; i < frames; ++i) {
    const long long n = o->frame + static_cast<long long>(i);
    const double v = click_frames > 0 ? ((n % click_frames) < 4 ? amp : 0.0)  // a short pulse
                                      : amp * std::sin(2.0 * M_PI * freq * static_cast<double>(n) / 48000.0);
    o->buf[2 * i] = o->channel == "r" ? 0.0f : static_cast<float>(v);
    o->buf[2 * i + 1] = o->channel == "l" ? 0.0f : static_cast<float>(v);
  }
  o->frame += static_cast<long long>(frames);
  pa_stream_write(s, o->buf.data(), frames * 8, nullptr, 0, PA_SEEK_RELATIVE);
}

void stream_underflow_callback(pa_stream*, void* userdata) {
  std::printf("underrun %s\n", static_cast<Out*>(userdata)->device.c_str());
  std::fflush(stdout);
}

// The server carries out one client's requests in order: both streams are
// stopped and emptied before either plays again, and every write after this
// point starts from frame 0.
void realign_signal_callback(pa_mainloop_api*, pa_signal_event*, int, void*) {
  for (Out& o : g_outs) {
    if (!o.stream || pa_stream_get_state(o.stream) != PA_STREAM_READY) return;
  }
  for (Out& o : g_outs) pa_operation_unref(pa_stream_cork(o.stream, 1, nullptr, nullptr));
  for (Out& o : g_outs) {
    pa_operation_unref(pa_stream_flush(o.stream, nullptr, nullptr));
    o.frame = 0;
  }
  for (Out& o : g_outs) pa_operation_unref(pa_stream_cork(o.stream, 0, nullptr, nullptr));
}

void stream_state_callback(pa_stream* s, void*) {
  const pa_stream_state_t st = pa_stream_get_state(s);
  if (st == PA_STREAM_FAILED || st == PA_STREAM_TERMINATED) pa_mainloop_quit(g_ml, 1);
  // Both streams of a latency comparison start corked and are uncorked together.
  for (const Out& o : g_outs) {
    if (g_outs.size() < 2 || !o.stream || pa_stream_get_state(o.stream) != PA_STREAM_READY) return;
  }
  for (Out& o : g_outs) pa_operation_unref(pa_stream_cork(o.stream, 0, nullptr, nullptr));
}

void context_state_callback(pa_context* c, void*) {
  const pa_context_state_t st = pa_context_get_state(c);
  if (st == PA_CONTEXT_FAILED || st == PA_CONTEXT_TERMINATED) pa_mainloop_quit(g_ml, 1);
  if (st != PA_CONTEXT_READY) return;
  const pa_sample_spec format = {PA_SAMPLE_FLOAT32LE, 48000, 2};
  pa_buffer_attr attr;
  attr.maxlength = attr.minreq = attr.fragsize = static_cast<uint32_t>(-1);
  attr.tlength = static_cast<uint32_t>(pa_usec_to_bytes(40000, &format));
  // Two streams compared for latency must not drift apart: without
  // pre-buffering an underrun of one skips ahead instead of pausing it.
  attr.prebuf = g_outs.size() > 1 ? 0 : static_cast<uint32_t>(-1);
  int flags = PA_STREAM_ADJUST_LATENCY;
  if (g_opt.count("--no-move")) flags |= PA_STREAM_DONT_MOVE;
  if (g_outs.size() > 1) flags |= PA_STREAM_START_CORKED;
  for (Out& o : g_outs) {
    o.stream = pa_stream_new(c, "test tone", &format, nullptr);
    pa_stream_set_state_callback(o.stream, stream_state_callback, nullptr);
    pa_stream_set_write_callback(o.stream, write_callback, &o);
    pa_stream_set_underflow_callback(o.stream, stream_underflow_callback, &o);
    pa_stream_connect_playback(o.stream, o.device.empty() ? nullptr : o.device.c_str(), &attr,
                               static_cast<pa_stream_flags_t>(flags), nullptr, nullptr);
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const bool has_value = i + 1 < argc && std::string(argv[i + 1]).rfind("--", 0) != 0;
    g_opt[argv[i]] = has_value ? argv[i + 1] : "";
    i += has_value;
  }
  for (const std::string suffix : {"", "2"}) {
    if (!suffix.empty() && opt("--device2", "").empty()) break;
    g_outs.emplace_back();
    g_outs.back().device = opt("--device" + suffix, "");
    g_outs.back().channel = opt("--channel" + suffix, "both");
  }

  const std::string app = opt("--app", "Testspieler");
  g_ml = pa_mainloop_new();
  pa_proplist* pl = pa_proplist_new();
  pa_proplist_sets(pl, PA_PROP_APPLICATION_NAME, app.c_str());
  pa_context* c = pa_context_new_with_proplist(pa_mainloop_get_api(g_ml), app.c_str(), pl);
  pa_proplist_free(pl);
  pa_context_set_state_callback(c, context_state_callback, nullptr);
  pa_signal_init(pa_mainloop_get_api(g_ml));
  pa_signal_new(SIGUSR1, realign_signal_callback, nullptr);
  if (pa_context_connect(c, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return 1;
  int ret = 0;
  pa_mainloop_run(g_ml, &ret);
  return ret;
}
