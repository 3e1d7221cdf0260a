// Bounded waits on the sound server and the snapshot query every pass starts from.
#include <pulse/pulseaudio.h>

#include <chrono>
#include <cstring>

#include "audio/engine.h"

namespace audio::engine {
namespace {

using Clock = std::chrono::steady_clock;
constexpr pa_usec_t kTickUsec = 100 * PA_USEC_PER_MSEC;

void wait_tick_callback(pa_mainloop_api*, pa_time_event* e, const struct timeval*, void*) {
  g_loop.assert_held();
  pa_threaded_mainloop_signal(g_ml, 0);
  pa_context_rttime_restart(g_ctx, e, pa_rtclock_now() + kTickUsec);
}

bool operation_running(void* op) {
  return pa_operation_get_state(static_cast<pa_operation*>(op)) == PA_OPERATION_RUNNING;
}

bool always(void*) { return true; }

bool g_unanswered_said = false;

std::string prop(pa_proplist* pl, const char* key) {
  if (!pl) return {};
  const char* v = pa_proplist_gets(pl, key);
  return v ? v : "";
}

void server_info_callback(pa_context*, const pa_server_info* i, void* userdata) {
  auto* s = static_cast<Snapshot*>(userdata);
  if (i && i->default_sink_name) s->default_sink = i->default_sink_name;
  pa_threaded_mainloop_signal(g_ml, 0);
}

void sink_info_callback(pa_context*, const pa_sink_info* i, int eol, void* userdata) {
  if (eol == 0 && i) {
    SinkRec r;
    r.index = i->index;
    r.name = i->name ? i->name : "";
    r.description = i->description ? i->description : "";
    r.owner_module = i->owner_module;
    r.muted = i->mute != 0;
    static_cast<Snapshot*>(userdata)->sinks.push_back(std::move(r));
  }
  pa_threaded_mainloop_signal(g_ml, 0);
}

void sink_input_info_callback(pa_context*, const pa_sink_input_info* i, int eol,
                              void* userdata) {
  if (eol == 0 && i) {
    InputRec r;
    r.index = i->index;
    r.sink = i->sink;
    r.client = i->client;
    const std::string app = prop(i->proplist, PA_PROP_APPLICATION_NAME);
    r.ours = app == "Velmora";
    r.sibling = app == "Brisolde" || app == "Pellomar";
    static_cast<Snapshot*>(userdata)->inputs.push_back(r);
  }
  pa_threaded_mainloop_signal(g_ml, 0);
}

void source_output_info_callback(pa_context* c, const pa_source_output_info* i, int eol,
                                 void* userdata) {
  if (eol == 0 && i && prop(i->proplist, PA_PROP_APPLICATION_NAME) == "Velmora" &&
      i->client != pa_context_get_index(c)) {
    static_cast<Snapshot*>(userdata)->other_instance = true;
  }
  pa_threaded_mainloop_signal(g_ml, 0);
}

}  // namespace

std::atomic<std::int64_t> g_wait_cutoff_ns{kNoCutoff};

namespace {

// A wait ends at its own limit or at the stop cutoff, whichever comes first;
// the cutoff is read on every turn because a stop may come during the wait.
bool wait_over(Clock::time_point own) {
  const Clock::time_point now = Clock::now();
  if (now >= own) return true;
  const std::int64_t cutoff = g_wait_cutoff_ns.load();
  return cutoff != kNoCutoff && now >= Clock::time_point{std::chrono::nanoseconds(cutoff)};
}

}  // namespace

bool wait_while(bool (*busy)(void*), void* arg, int limit_ms) {
  if (!busy(arg)) return true;
  const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(limit_ms);
  pa_time_event* tick =
      g_ctx ? pa_context_rttime_new(g_ctx, pa_rtclock_now() + kTickUsec, wait_tick_callback,
                                    nullptr)
            : nullptr;
  bool done = false;
  for (;;) {
    if (!busy(arg)) {
      done = true;
      break;
    }
    if (wait_over(deadline) || !tick) break;
    pa_threaded_mainloop_wait(g_ml);
  }
  if (tick) pa_threaded_mainloop_get_api(g_ml)->time_free(tick);
  return done;
}

void sleep_locked(int ms) { wait_while(always, nullptr, ms); }

bool wait_op(pa_operation* op, int limit_ms) {
  if (!op) return false;
  const bool done = wait_while(operation_running, op, limit_ms);
  if (!done) {
    // A server that hangs makes every request of a pass run late: one
    // warning until a request is answered in time again.
    if (!g_unanswered_said) say_warn("Tonserver antwortet nicht — Anfrage verworfen");
    g_unanswered_said = true;
    pa_operation_cancel(op);
  } else {
    g_unanswered_said = false;
  }
  pa_operation_unref(op);
  return done;
}

void context_success_callback(pa_context*, int, void*) { pa_threaded_mainloop_signal(g_ml, 0); }

std::string query_default() {
  Snapshot s;
  wait_op(pa_context_get_server_info(g_ctx, server_info_callback, &s));
  return s.default_sink;
}

bool set_default(const std::string& sink, int limit_ms, bool confirm) {
  pa_operation* op =
      pa_context_set_default_sink(g_ctx, sink.c_str(), context_success_callback, nullptr);
  if (!op) return false;
  if (!wait_op(op, limit_ms)) return false;
  if (!confirm) return true;
  // PipeWire's pulse server acknowledges the request before its session
  // manager has made the change; the snapshot taken next must already see it.
  for (int i = 0; i < 10; ++i) {
    if (query_default() == sink) return true;
    sleep_locked(100);
  }
  return true;
}

namespace {

void probe_state_callback(pa_context*, void*) { pa_threaded_mainloop_signal(g_ml, 0); }

bool probe_connecting(void* c) { return context_pending(static_cast<pa_context*>(c)); }

}  // namespace

std::string fresh_default() {
  pa_proplist* pl = client_props("control");
  pa_context* c =
      pa_context_new_with_proplist(pa_threaded_mainloop_get_api(g_ml), "Velmora", pl);
  pa_proplist_free(pl);
  if (!c) return {};
  std::string name;
  pa_context_set_state_callback(c, probe_state_callback, nullptr);
  if (pa_context_connect(c, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
    wait_while(probe_connecting, c, 2000);
    if (pa_context_get_state(c) == PA_CONTEXT_READY) {
      Snapshot s;
      wait_op(pa_context_get_server_info(c, server_info_callback, &s), 2000);
      name = s.default_sink;
    }
  }
  pa_context_set_state_callback(c, nullptr, nullptr);
  pa_context_disconnect(c);
  pa_context_unref(c);
  return name;
}

bool is_upstream_sink(const std::string& name) {
  return name == "pellomar" || name == "brisolde" || name == "tarnquist";
}

bool is_reserved(const std::string& name) { return name == kSinkName || is_upstream_sink(name); }

bool is_real_device(const std::string& name) { return !name.empty() && !is_reserved(name); }

const SinkRec* find_sink(const Snapshot& s, const std::string& name) {
  if (name.empty()) return nullptr;
  for (const SinkRec& r : s.sinks) {
    if (r.name == name) return &r;
  }
  return nullptr;
}

bool chain_feeds_us(const Snapshot& s) {
  const SinkRec* own = find_sink(s, kSinkName);
  if (!own) return false;
  for (const InputRec& in : s.inputs) {
    if (in.sibling && in.sink == own->index) return true;
  }
  return false;
}

Snapshot query() {
  Snapshot s;
  // Stops at the first request left unanswered: the rest would wait in vain.
  s.complete = wait_op(pa_context_get_server_info(g_ctx, server_info_callback, &s)) &&
               wait_op(pa_context_get_sink_info_list(g_ctx, sink_info_callback, &s)) &&
               wait_op(pa_context_get_sink_input_info_list(g_ctx, sink_input_info_callback, &s)) &&
               wait_op(pa_context_get_source_output_info_list(g_ctx, source_output_info_callback,
                                                              &s)) &&
               pa_context_get_state(g_ctx) == PA_CONTEXT_READY;
  const std::uint32_t own = pa_context_get_index(g_ctx);
  for (const InputRec& in : s.inputs) {
    if (in.ours && in.client != own) s.other_instance = true;
  }
  return s;
}

}  // namespace audio::engine
