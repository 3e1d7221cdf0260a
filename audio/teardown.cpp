// Undoing the routing: the engine's orderly teardown, and the guard's reduced
// restore after the main process died.
#include <pulse/pulseaudio.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <string>

#include "audio/audio.h"
#include "audio/engine.h"
#include "audio/guard.h"

namespace audio::engine {
namespace {

// Hands the sibling chain back: the sibling follows the default away from our
// sink, then its own sink becomes the default again.
void release_chain(Snapshot* snap, const std::string& restore_to) VLM_REQUIRES(g_loop) {
  const std::string head =
      is_upstream_sink(snap->default_sink) ? snap->default_sink : g_chain_head;
  set_default(restore_to, 1000);
  for (int i = 0; i < 30; ++i) {
    sleep_locked(100);
    *snap = query();
    if (!chain_feeds_us(*snap)) break;
  }
  *snap = query();
  if (!head.empty() && find_sink(*snap, head) && !is_upstream_sink(snap->default_sink)) {
    set_default(head, 1000);
  }
}

}  // namespace

bool teardown(Snapshot snap, const std::string& restore_to, bool takeover) {
  // Only what the server said counts: without a complete picture nothing is
  // undone, and the guard stays armed to finish the job if this run ends.
  if (!snap.complete) return false;
  const SinkRec* own = find_sink(snap, kSinkName);
  if (!own) {
    drop_stream(&g_play);
    g_play_sink.clear();
    g_module = kNone;
    guard::disarmed();
    return true;
  }
  const std::uint32_t module = own->owner_module != kNone ? own->owner_module : g_module;
  bool answered = true;

  if (!find_sink(snap, restore_to)) {
    // Nowhere to go back to: leave the default alone; unloading the sink lets
    // the server move what remains by its own rules.
    drop_stream(&g_play);
    g_play_sink.clear();
  } else {
    if (chain_feeds_us(snap) && !g_restricted) release_chain(&snap, restore_to);
    drop_stream(&g_play);
    g_play_sink.clear();
    snap = query();
    if (!snap.complete) return false;
    if (takeover && snap.default_sink == kSinkName) {
      answered = set_default(restore_to, g_restricted ? 1000 : 5000);
      // Switching the effect off and on is the user's doing, not another
      // program taking the default away; it must not add up to giving up.
      forget_takeovers();
    }
    const SinkRec* now_own = find_sink(snap, kSinkName);
    const SinkRec* back = find_sink(snap, restore_to);
    if (!g_restricted && now_own && back) {
      const std::uint32_t own_client = pa_context_get_index(g_ctx);
      for (const InputRec& in : snap.inputs) {
        if (in.sink != now_own->index || in.client == own_client) continue;
        answered = wait_op(pa_context_move_sink_input_by_index(
                       g_ctx, in.index, back->index, context_success_callback, nullptr)) &&
                   answered;
      }
    }
  }

  if (g_rec_routed) {
    drop_stream(&g_rec);
    g_rec_source.clear();
    g_rec_routed = false;
  }
  if (module != kNone) {
    if (!wait_op(pa_context_unload_module(g_ctx, module, context_success_callback, nullptr))) {
      return false;
    }
    say_info("Virtuelle Senke abgebaut (Modul " + std::to_string(module) + ")");
  }
  g_module = kNone;
  g_handoff_tried = false;
  if (!answered) return false;
  guard::disarmed();
  return true;
}

}  // namespace audio::engine

namespace audio {
namespace {

using Clock = std::chrono::steady_clock;

// One attempt never takes longer than this, whatever the server does.
constexpr auto kAttempt = std::chrono::milliseconds(3000);

struct Rescue {
  pa_mainloop* ml = nullptr;
  pa_context* ctx = nullptr;
  Clock::time_point deadline;
  std::string default_sink;
  std::uint32_t module = PA_INVALID_INDEX;
};

void rescue_server_callback(pa_context*, const pa_server_info* i, void* userdata) {
  if (i && i->default_sink_name) static_cast<Rescue*>(userdata)->default_sink = i->default_sink_name;
}

void rescue_sink_callback(pa_context*, const pa_sink_info* i, int eol, void* userdata) {
  if (eol == 0 && i) static_cast<Rescue*>(userdata)->module = i->owner_module;
}

void rescue_success_callback(pa_context*, int, void*) {}

// One turn of the plain loop that never blocks past the attempt's deadline
// (a stopped server accepts the connection and then says nothing).
bool rescue_turn(Rescue* r) {
  const auto left = std::chrono::duration_cast<std::chrono::microseconds>(r->deadline - Clock::now());
  if (left.count() <= 0) return false;
  const int usec = static_cast<int>(std::min<std::int64_t>(left.count(), 100000));
  return pa_mainloop_prepare(r->ml, usec) >= 0 && pa_mainloop_poll(r->ml) >= 0 &&
         pa_mainloop_dispatch(r->ml) >= 0;
}

// True when the operation completed before the attempt's deadline.
bool rescue_wait(Rescue* r, pa_operation* op) {
  if (!op) return false;
  while (pa_operation_get_state(op) == PA_OPERATION_RUNNING && rescue_turn(r)) {
  }
  const bool done = pa_operation_get_state(op) == PA_OPERATION_DONE;
  if (pa_operation_get_state(op) == PA_OPERATION_RUNNING) pa_operation_cancel(op);
  pa_operation_unref(op);
  return done;
}

bool rescue_connected(Rescue* r) {
  r->ml = pa_mainloop_new();
  if (!r->ml) return false;
  r->ctx = pa_context_new(pa_mainloop_get_api(r->ml), "Velmora guard");
  if (!r->ctx) return false;
  if (pa_context_connect(r->ctx, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) return false;
  while (engine::context_pending(r->ctx) && rescue_turn(r)) {
  }
  return pa_context_get_state(r->ctx) == PA_CONTEXT_READY;
}

}  // namespace

int rescue(const std::string& restore_to) {
  Rescue r;
  r.deadline = Clock::now() + kAttempt;
  const bool connected = rescue_connected(&r);
  // Refused outright: no server runs, and the routing died with the one that did.
  const bool no_server = !connected && r.ctx && pa_context_get_state(r.ctx) == PA_CONTEXT_FAILED;
  bool ok = connected &&
            rescue_wait(&r, pa_context_get_server_info(r.ctx, rescue_server_callback, &r)) &&
            rescue_wait(&r, pa_context_get_sink_info_by_name(r.ctx, kSinkName,
                                                             rescue_sink_callback, &r));
  if (ok && r.default_sink == kSinkName && !restore_to.empty()) {
    ok = rescue_wait(&r, pa_context_set_default_sink(r.ctx, restore_to.c_str(),
                                                     rescue_success_callback, nullptr));
  }
  // The server moves whatever played into the virtual sink to its fallback.
  if (ok && r.module != PA_INVALID_INDEX) {
    ok = rescue_wait(&r, pa_context_unload_module(r.ctx, r.module, rescue_success_callback,
                                                  nullptr));
  }
  if (r.ctx) {
    pa_context_disconnect(r.ctx);
    pa_context_unref(r.ctx);
  }
  if (r.ml) pa_mainloop_free(r.ml);
  if (ok) return 0;
  return no_server ? 1 : 2;
}

}  // namespace audio
