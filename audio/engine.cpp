// The engine's public interface, its shared state and the control thread that
// owns the server connection and runs one reconciliation pass at a time.
#include <pulse/pulseaudio.h>
#include <time.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "app/logger.h"
#include "app/sys.h"
#include "audio/audio.h"
#include "audio/engine.h"
#include "audio/play_depth.h"
#include "audio/realtime.h"
#include "audio/guard.h"

namespace audio::engine {

Mutex g_mtx;
std::condition_variable g_cv;
bool g_dirty = true;
bool g_quit = false;
bool g_want_active = false;
std::string g_want_output;
int g_want_mute = -1;
std::string g_restore_hint;
Status g_status;
std::vector<Device> g_devices;
bool g_takeover = true;
bool g_list_only = false;

Mutex g_params_mtx;
fx::Params g_params;
std::atomic<std::uint32_t> g_params_version{1};
std::uint32_t g_applied_version = 0;

Mutex g_pass_mtx;
double g_pass_sum[2] = {0, 0};
float g_pass_peak[2] = {0, 0};
std::uint64_t g_pass_n = 0;

std::atomic<std::uint64_t> g_underflows{0};
std::atomic<std::uint64_t> g_trimmed{0};
std::atomic<std::uint64_t> g_padded{0};
std::atomic<std::uint64_t> g_drop_events{0};
std::atomic<std::uint64_t> g_dropped{0};
std::atomic<bool> g_ctx_lost{false};

fx::Rack g_rack;

pa_threaded_mainloop* g_ml = nullptr;
MainLoopLock g_loop;
pa_context* g_ctx = nullptr;

namespace {

struct LogLine {
  int level;  // 0 info, 1 warning, 2 error
  std::string message;
};
std::vector<LogLine> g_log_queue;  // control thread only

}  // namespace

void say_info(std::string message) { g_log_queue.push_back({0, std::move(message)}); }
void say_warn(std::string message) { g_log_queue.push_back({1, std::move(message)}); }
void say_error(std::string message) { g_log_queue.push_back({2, std::move(message)}); }

void flush_log() {
  for (const LogLine& l : g_log_queue) {
    if (l.level == 0) logger::info(l.message);
    if (l.level == 1) logger::warn(l.message);
    if (l.level == 2) logger::error(l.message);
  }
  g_log_queue.clear();
}

void mark_dirty() {
  {
    Lock lk(g_mtx);
    g_dirty = true;
  }
  g_cv.notify_all();
}

pa_proplist* client_props(const char* media_name) {
  pa_proplist* p = pa_proplist_new();
  pa_proplist_sets(p, PA_PROP_APPLICATION_NAME, "Velmora");
  pa_proplist_sets(p, PA_PROP_APPLICATION_ID, "org.velmora.Velmora");
  pa_proplist_sets(p, PA_PROP_APPLICATION_ICON_NAME, "velmora");
  pa_proplist_sets(p, PA_PROP_MEDIA_NAME, media_name);
  return p;
}

bool context_pending(pa_context* c) {
  switch (pa_context_get_state(c)) {
    case PA_CONTEXT_CONNECTING:
    case PA_CONTEXT_AUTHORIZING:
    case PA_CONTEXT_SETTING_NAME:
      return true;
    case PA_CONTEXT_UNCONNECTED:
    case PA_CONTEXT_READY:
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
      return false;
  }
  return false;
}

}  // namespace audio::engine

namespace audio {
namespace {

using namespace engine;
using Clock = std::chrono::steady_clock;

std::thread g_thread;

using sys::sleep_ms;
// The orderly end is bounded whatever the server does: the pass in flight
// gives up its waits within kAbandonMs, the teardown gets kTeardownMs.
constexpr int kAbandonMs = 300;
constexpr int kTeardownMs = 2300;

std::int64_t cutoff_in(int ms) {
  return std::chrono::duration_cast<std::chrono::nanoseconds>(
             (Clock::now() + std::chrono::milliseconds(ms)).time_since_epoch())
      .count();
}

void context_state_callback(pa_context* c, void*) {
  switch (pa_context_get_state(c)) {
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
      g_ctx_lost = true;
      mark_dirty();
      break;
    case PA_CONTEXT_UNCONNECTED:
    case PA_CONTEXT_CONNECTING:
    case PA_CONTEXT_AUTHORIZING:
    case PA_CONTEXT_SETTING_NAME:
    case PA_CONTEXT_READY:
      break;
  }
  pa_threaded_mainloop_signal(g_ml, 0);
}

void context_event_callback(pa_context*, pa_subscription_event_type_t t, std::uint32_t, void*) {
  const unsigned facility = t & PA_SUBSCRIPTION_EVENT_FACILITY_MASK;
  const unsigned kind = t & PA_SUBSCRIPTION_EVENT_TYPE_MASK;
  switch (facility) {
    case PA_SUBSCRIPTION_EVENT_SINK:
    case PA_SUBSCRIPTION_EVENT_SERVER:
      mark_dirty();
      break;
    case PA_SUBSCRIPTION_EVENT_SINK_INPUT:
      // Moves and removals of streams are the pass's own doing or harmless;
      // only a new program needs to be brought onto the virtual sink.
      if (kind == PA_SUBSCRIPTION_EVENT_NEW) mark_dirty();
      break;
    default:
      break;
  }
}

bool context_connecting(void*) VLM_REQUIRES(g_loop) { return context_pending(g_ctx); }

void disconnect_locked() VLM_REQUIRES(g_loop) {
  drop_stream(&g_rec);
  drop_stream(&g_play);
  g_rec_source.clear();
  g_play_sink.clear();
  if (g_ctx) {
    pa_context_set_state_callback(g_ctx, nullptr, nullptr);
    pa_context_set_subscribe_callback(g_ctx, nullptr, nullptr);
    pa_context_disconnect(g_ctx);
    pa_context_unref(g_ctx);
    g_ctx = nullptr;
  }
}

// Creates and connects a context; true when it is ready and subscribed.
bool connect_locked(const std::string& hint) VLM_REQUIRES(g_loop) {
  pa_proplist* pl = client_props("control");
  g_ctx = pa_context_new_with_proplist(pa_threaded_mainloop_get_api(g_ml), "Velmora", pl);
  pa_proplist_free(pl);
  if (!g_ctx) return false;
  g_ctx_lost = false;
  pa_context_set_state_callback(g_ctx, context_state_callback, nullptr);
  if (pa_context_connect(g_ctx, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return false;
  wait_while(context_connecting, nullptr, 5000);
  if (pa_context_get_state(g_ctx) != PA_CONTEXT_READY) return false;

  pa_context_set_subscribe_callback(g_ctx, context_event_callback, nullptr);
  const auto mask = static_cast<pa_subscription_mask_t>(
      PA_SUBSCRIPTION_MASK_SINK | PA_SUBSCRIPTION_MASK_SINK_INPUT | PA_SUBSCRIPTION_MASK_SERVER);
  wait_op(pa_context_subscribe(g_ctx, mask, context_success_callback, nullptr));
  const char* server = pa_context_get_server(g_ctx);
  say_info(std::string("Tonserver verbunden: ") + (server ? server : "?"));
  if (g_follow.empty() && !is_reserved(hint)) g_follow = hint;
  return true;
}

struct StatsBase {
  bool started = false;
  Clock::time_point since;
  std::uint64_t drops = 0;
  std::uint64_t underflows = 0;
  bool trim_said = false;
  bool pad_said = false;
};

void report_stats(StatsBase* b) {
  const Clock::time_point now = Clock::now();
  if (!b->trim_said && g_trimmed.load() != 0) {
    b->trim_said = true;
    logger::info("Tonweg: Wiedergabe lief nach, Verzoegerung zurueckgefuehrt");
  }
  if (!b->pad_said && g_padded.load() != 0) {
    b->pad_said = true;
    logger::info("Tonweg: Wiedergabe lief vor, Puffer wieder aufgefuellt");
  }
  if (!b->started) {
    b->started = true;
    b->since = now;
    return;
  }
  if (now - b->since < std::chrono::seconds(60)) return;
  b->since = now;
  const std::uint64_t drops = g_drop_events.load();
  const std::uint64_t under = g_underflows.load();
  if (drops == b->drops && under == b->underflows) return;
  logger::info("Tonweg letzte Minute: " + std::to_string(drops - b->drops) + "x verworfen, " +
               std::to_string(under - b->underflows) + "x Puffer leer");
  b->drops = drops;
  b->underflows = under;
}

// Waits on the condition variable with g_mtx held as the analysis sees it;
// the condition variable releases and retakes the same mutex meanwhile.
std::cv_status wait_cv_until(Clock::time_point t) VLM_REQUIRES(g_mtx) {
  std::unique_lock<std::mutex> lk(g_mtx, std::adopt_lock);
  const std::cv_status r = g_cv.wait_until(lk, t);
  lk.release();
  return r;
}

// Waits for the next reason to run a pass. False when the loop is to end.
// *run tells whether this cycle makes a pass; connected is the control
// thread's own knowledge of its connection.
bool wait_for_work(bool* run, bool connected) VLM_EXCLUDES(g_mtx) {
  Lock lk(g_mtx);
  *run = true;
  if (g_quit) return false;
  if (g_dirty) return true;
  const Clock::time_point deadline = Clock::now() + std::chrono::seconds(2);
  while (!g_dirty && !g_quit) {
    if (wait_cv_until(deadline) == std::cv_status::timeout) break;
  }
  if (g_quit) return false;
  // Without news the loop still retries a missing or lost connection and
  // keeps looking whether the other installation is still there.
  if (!g_dirty) *run = !connected || g_ctx_lost || g_status.state == 3;
  return true;
}

// The main loop's thread carries the sound (the capture callback runs on
// it); it names itself once it runs, and the control thread asks for
// real-time scheduling for it, off the audio path since the request may wait
// on the system bus.
std::atomic<pid_t> g_loop_tid{0};

void loop_thread_named_callback(pa_mainloop_api*, void*) { g_loop_tid.store(gettid()); }

void raise_loop_thread() {
  for (int i = 0; i < 50 && g_loop_tid.load() == 0; ++i) sleep_ms(10);
  const pid_t tid = g_loop_tid.load();
  if (tid == 0) return;
  std::string why;
  if (make_realtime(tid, &why)) {
    logger::info("Tonweg laeuft mit Echtzeit-Vorrang");
  } else {
    logger::info("Tonweg ohne Echtzeit-Vorrang: " + why);
  }
}

void control_loop() {
  if (!g_list_only) raise_loop_thread();
  bool no_server_said = false;
  bool connected = false;  // g_ctx != nullptr, as this thread (its only writer) left it
  StatsBase stats;
  for (;;) {
    report_stats(&stats);
    bool run = false;
    if (!wait_for_work(&run, connected)) break;
    if (!run) continue;
    sleep_ms(60);

    bool active, takeover;
    std::string output, hint;
    int mute;
    {
      Lock lk(g_mtx);
      if (g_quit) break;
      active = g_want_active;
      takeover = g_takeover;
      output = g_want_output;
      hint = g_restore_hint;
      mute = g_want_mute;
      g_dirty = false;
      g_want_mute = -1;
    }

    g_loop.lock(g_ml);
    if (g_ctx_lost) {
      disconnect_locked();
      g_module = kNone;
    }
    if (!g_ctx) {
      if (!connect_locked(hint)) {
        disconnect_locked();
        connected = false;
        g_loop.unlock(g_ml);
        flush_log();
        if (!no_server_said) {
          logger::warn("Kein Tonserver erreichbar");
          no_server_said = true;
        }
        {
          Lock lk(g_mtx);
          g_status.routed = false;
          g_status.state = 2;
          g_dirty = true;
        }
        continue;
      }
      no_server_said = false;
    }
    reconcile(active, output, takeover, mute);
    connected = g_ctx != nullptr;
    g_loop.unlock(g_ml);
    flush_log();
  }

  bool passive;
  {
    Lock lk(g_mtx);
    passive = g_status.state == 3 || g_list_only;
  }
  // The teardown gets its own share of the orderly end's time; the pass that
  // was running when the stop came has given up its waits by now.
  g_wait_cutoff_ns = cutoff_in(kTeardownMs);
  bool restored = true;
  g_loop.lock(g_ml);
  // A passive run owns nothing on the server: the virtual sink there is the
  // other installation's, and tearing it down would cut that one's sound.
  if (g_ctx && !g_ctx_lost && !passive) restored = teardown(query(), g_follow, g_takeover);
  disconnect_locked();
  g_loop.unlock(g_ml);
  flush_log();
  if (!restored) {
    logger::warn("Tonserver antwortet nicht — der Waechter stellt den Tonweg zurueck");
  }
  if (g_dropped.load() != 0 || g_underflows.load() != 0) {
    logger::info("Tonweg gesamt: verworfen " + std::to_string(g_dropped.load()) + " Byte in " +
                 std::to_string(g_drop_events.load()) + " Stuecken, Puffer leergelaufen " +
                 std::to_string(g_underflows.load()) + "x");
  }
}

}  // namespace

bool start_listing() {
  g_list_only = true;
  return start(false);
}

bool start(bool takeover) {
  g_takeover = takeover;
  g_ml = pa_threaded_mainloop_new();
  if (!g_ml) return false;
  pa_threaded_mainloop_set_name(g_ml, "vlmra-audio");
  // Queued before the thread exists, so no lock is needed; it runs first.
  g_loop_tid.store(0);
  pa_mainloop_api_once(pa_threaded_mainloop_get_api(g_ml), loop_thread_named_callback, nullptr);
  if (pa_threaded_mainloop_start(g_ml) < 0) {
    pa_threaded_mainloop_free(g_ml);
    g_ml = nullptr;
    return false;
  }
  g_rack.set_format(static_cast<float>(kRate));
  g_thread = std::thread(control_loop);
  return true;
}

void stop() {
  if (!g_ml) return;
  g_wait_cutoff_ns = cutoff_in(kAbandonMs);
  {
    Lock lk(g_mtx);
    g_quit = true;
  }
  g_cv.notify_all();
  if (g_thread.joinable()) g_thread.join();
  g_wait_cutoff_ns = kNoCutoff;
  g_list_only = false;
  pa_threaded_mainloop_stop(g_ml);
  pa_threaded_mainloop_free(g_ml);
  g_ml = nullptr;
}

void set_active(bool on) {
  {
    Lock lk(g_mtx);
    if (g_want_active == on) return;
    g_want_active = on;
  }
  mark_dirty();
}

void set_output(const std::string& sink) {
  {
    Lock lk(g_mtx);
    if (g_want_output == sink) return;
    g_want_output = sink;
  }
  mark_dirty();
}

void set_mute(bool on) {
  {
    Lock lk(g_mtx);
    g_status.muted = on;
    g_want_mute = on ? 1 : 0;
  }
  mark_dirty();
}

void set_restore_hint(const std::string& sink) {
  Lock lk(g_mtx);
  g_restore_hint = sink;
}

void set_params(const fx::Params& p) {
  {
    Lock lk(g_params_mtx);
    g_params = p;
  }
  g_params_version.fetch_add(1);
}

void take_meters(fx::Meters* out) {
  bool routed;
  {
    Lock lk(g_mtx);
    routed = g_status.routed;
  }
  fx::Meters m{};
  m.detector_db = -120.0f;
  g_rack.take_meters(&m);
  {
    Lock lk(g_pass_mtx);
    if (!routed && g_pass_n > 0) {
      m = fx::Meters{};
      m.detector_db = -120.0f;
      m.fresh = true;
      const float l = static_cast<float>(g_pass_sum[0] / static_cast<double>(g_pass_n));
      const float r = static_cast<float>(g_pass_sum[1] / static_cast<double>(g_pass_n));
      m.in_mean_l = m.out_mean_l = l;
      m.in_mean_r = m.out_mean_r = r;
      m.in_peak_l = m.out_peak_l = g_pass_peak[0];
      m.in_peak_r = m.out_peak_r = g_pass_peak[1];
    }
    g_pass_sum[0] = g_pass_sum[1] = 0;
    g_pass_peak[0] = g_pass_peak[1] = 0;
    g_pass_n = 0;
  }
  *out = m;
}

int latency_frames() { return g_rack.latency(); }
std::int64_t limiter_blocks() { return g_rack.limiter_blocks(); }

std::vector<Device> devices() {
  Lock lk(g_mtx);
  return g_devices;
}

Status status() {
  Lock lk(g_mtx);
  return g_status;
}

bool has_system_filter() { return false; }
void setup_devices() {}
void remove_system_filter() {}

}  // namespace audio
