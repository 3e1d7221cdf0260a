#pragma once
// Engine-private state and helpers shared by the files of the audio engine.
// Everything below the "main loop lock" line is touched only with
// pa_threaded_mainloop_lock held (the capture callback runs under it too).
#include <pulse/pulseaudio.h>

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "audio/audio.h"
#include "audio/locks.h"
#include "fx/params.h"
#include "fx/rack.h"

namespace audio::engine {

inline constexpr std::uint32_t kNone = PA_INVALID_INDEX;
inline constexpr int kRate = 48000;
inline constexpr int kChannels = 2;
inline constexpr std::size_t kFrameBytes = 8;
// More than this much queued on the playback stream and captured blocks are
// dropped instead of written, so the processed sound never lags far behind.
inline constexpr pa_usec_t kMaxPlayLatencyUsec = 300000;
inline constexpr int kOpLimitMs = 5000;
// The record stream's bound on the server (maxlength) and the scratch buffer
// the capture callback processes in; blocks larger than it go in pieces.
inline constexpr int kRecordMaxMs = 250;
inline constexpr std::size_t kScratchFrames = 4096;

struct SinkRec {
  std::uint32_t index = kNone;
  std::string name;
  std::string description;
  std::uint32_t owner_module = kNone;
  bool muted = false;
};

struct InputRec {
  std::uint32_t index = kNone;
  std::uint32_t sink = kNone;
  std::uint32_t client = kNone;
  bool ours = false;     // application.name is "Velmora"
  bool sibling = false;  // application.name is "Brisolde" or "Pellomar"
};

struct Snapshot {
  std::string default_sink;
  std::vector<SinkRec> sinks;
  std::vector<InputRec> inputs;
  bool other_instance = false;
  // Every request of the query was answered in time. An incomplete snapshot
  // is no description of the server: nothing may be decided or published from it.
  bool complete = false;
};

// Every piece of shared state names the lock that guards it; a Clang build
// with -Wthread-safety checks each access (see audio/locks.h).

// ---- the state mutex: wanted values, flags, published results ----
extern Mutex g_mtx;
extern std::condition_variable g_cv;
extern bool g_dirty VLM_GUARDED_BY(g_mtx);
extern bool g_quit VLM_GUARDED_BY(g_mtx);
extern bool g_want_active VLM_GUARDED_BY(g_mtx);
extern std::string g_want_output VLM_GUARDED_BY(g_mtx);
extern int g_want_mute VLM_GUARDED_BY(g_mtx);
extern std::string g_restore_hint VLM_GUARDED_BY(g_mtx);
extern Status g_status VLM_GUARDED_BY(g_mtx);
extern std::vector<Device> g_devices VLM_GUARDED_BY(g_mtx);
// Written by start() before the control thread exists, read-only afterwards.
extern bool g_takeover;
extern bool g_list_only;  // passes only look, for the device listing

// ---- parameter hand-over: the main thread writes, the capture callback
// try-locks ----
extern Mutex g_params_mtx;
extern fx::Params g_params VLM_GUARDED_BY(g_params_mtx);
extern std::atomic<std::uint32_t> g_params_version;

// ---- pass-through levels while the effect path is off ----
extern Mutex g_pass_mtx;
extern double g_pass_sum[2] VLM_GUARDED_BY(g_pass_mtx);
extern float g_pass_peak[2] VLM_GUARDED_BY(g_pass_mtx);
extern std::uint64_t g_pass_n VLM_GUARDED_BY(g_pass_mtx);

extern std::atomic<std::uint64_t> g_underflows;
extern std::atomic<std::uint64_t> g_drop_events;
extern std::atomic<std::uint64_t> g_dropped;
extern std::atomic<std::uint64_t> g_trimmed;  // frames skipped to keep the playback depth
extern std::atomic<std::uint64_t> g_padded;   // frames added to keep the playback depth
extern std::atomic<bool> g_ctx_lost;

// Processes under the main-loop lock (capture callback); its meters and
// counters are safe to read from any thread.
extern fx::Rack g_rack;

// ---- the main-loop lock: the connection and everything on it ----
extern pa_threaded_mainloop* g_ml;  // set by start() before any thread uses it
extern MainLoopLock g_loop;
extern pa_context* g_ctx VLM_GUARDED_BY(g_loop);
extern std::uint32_t g_module VLM_GUARDED_BY(g_loop);
extern pa_stream* g_rec VLM_GUARDED_BY(g_loop);
extern std::string g_rec_source VLM_GUARDED_BY(g_loop);
extern bool g_rec_routed VLM_GUARDED_BY(g_loop);
extern pa_stream* g_play VLM_GUARDED_BY(g_loop);
extern std::string g_play_sink VLM_GUARDED_BY(g_loop);
extern std::vector<float> g_scratch VLM_GUARDED_BY(g_loop);
extern std::uint32_t g_applied_version VLM_GUARDED_BY(g_loop);
extern std::string g_follow VLM_GUARDED_BY(g_loop);
extern std::string g_chain_head VLM_GUARDED_BY(g_loop);
extern bool g_restricted VLM_GUARDED_BY(g_loop);
extern bool g_handoff_tried VLM_GUARDED_BY(g_loop);

// ---- log lines of the control thread ----
// Queued while the main-loop lock is held and written by flush_log() once it
// is released: a slow disk must not stall the capture callback, which runs
// under that lock. Control thread only.
void say_info(std::string message);
void say_warn(std::string message);
void say_error(std::string message);
void flush_log();

// Sets g_dirty under g_mtx and wakes the control thread.
void mark_dirty() VLM_EXCLUDES(g_mtx);

// New property list with the client identity; the caller frees it.
pa_proplist* client_props(const char* media_name);

// True while a context is still on its way to ready: connecting,
// authorizing or setting its name. Every connection attempt waits on this.
bool context_pending(pa_context* c);

// ---- waits (main loop lock held; the lock is released while waiting) ----
// Steady-clock time (ns since the clock's epoch) by which every wait ends,
// whatever its own limit: set when the engine is asked to stop, so that the
// orderly end is bounded even against a server that stopped answering.
extern std::atomic<std::int64_t> g_wait_cutoff_ns;
inline constexpr std::int64_t kNoCutoff = INT64_MAX;
// Waits while busy(arg) holds, at most limit_ms; a 100 ms timer keeps the
// wait from hanging on a server that never answers. True when busy ended.
bool wait_while(bool (*busy)(void*), void* arg, int limit_ms) VLM_REQUIRES(g_loop);
void sleep_locked(int ms) VLM_REQUIRES(g_loop);
// Waits for an operation (null is ignored), cancels it after limit_ms with a
// warning, and always releases it. True when it completed in time.
bool wait_op(pa_operation* op, int limit_ms = kOpLimitMs) VLM_REQUIRES(g_loop);
// Sets the server's default sink; with confirm it also waits (at most 1 s)
// until the server reports it, which on PipeWire happens a moment later.
// True when the server answered the request in time.
bool set_default(const std::string& sink, int limit_ms, bool confirm = true)
    VLM_REQUIRES(g_loop);

// Completion callback of operations whose result is not needed: it only wakes
// the waiting thread.
void context_success_callback(pa_context*, int, void*);

// The server's default sink as this connection reports it.
std::string query_default() VLM_REQUIRES(g_loop);

// The default sink as a new connection sees it. PipeWire's pulse server keeps
// a per-connection copy of the default that can trail the real one by more
// than a second; a fresh connection starts from the current value.
std::string fresh_default() VLM_REQUIRES(g_loop);

// ---- names ----
bool is_reserved(const std::string& name);
bool is_upstream_sink(const std::string& name);
bool is_real_device(const std::string& name);

// ---- snapshot ----
Snapshot query() VLM_REQUIRES(g_loop);
const SinkRec* find_sink(const Snapshot& s, const std::string& name);
bool chain_feeds_us(const Snapshot& s);

// ---- streams ----
bool load_sink() VLM_REQUIRES(g_loop);
void open_record(const std::string& source, bool routed) VLM_REQUIRES(g_loop);
void open_play(const std::string& sink) VLM_REQUIRES(g_loop);
void drop_stream(pa_stream** s) VLM_REQUIRES(g_loop);
bool stream_usable(pa_stream* s);
void apply_mute(const std::string& target, bool mute) VLM_REQUIRES(g_loop);
// Sizes the capture callback's scratch buffer (kScratchFrames); done when the
// record stream opens, so the callback itself never allocates.
void prepare_capture() VLM_REQUIRES(g_loop);
// The capture callback's work on one block of interleaved stereo float32.
void handle_block(const void* data, std::size_t bytes) VLM_REQUIRES(g_loop);
// Whether a block may be written with this playback latency reading.
bool latency_allows_write(int get_latency_result, pa_usec_t latency, int negative);

// ---- passes ----
void reconcile(bool active, const std::string& output, bool takeover, int mute)
    VLM_REQUIRES(g_loop);
void publish(const Snapshot& s, const std::string& target, bool output_missing, bool routed,
             bool select_output) VLM_REQUIRES(g_loop);
// True when the routing is back: every request answered and the guard disarmed.
// Otherwise the guard stays armed and a later pass (or the guard) finishes it.
bool teardown(Snapshot snap, const std::string& restore_to, bool takeover)
    VLM_REQUIRES(g_loop);
// The engine gave the default back itself: its next takeover is no fight.
void forget_takeovers() VLM_REQUIRES(g_loop);

}  // namespace audio::engine
