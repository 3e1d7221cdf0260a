// The audio path: the virtual sink, the record and playback streams, the
// capture callback that runs the rack, and muting.
#include <pulse/pulseaudio.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "audio/engine.h"
#include "audio/play_depth.h"

namespace audio::engine {

std::uint32_t g_module = kNone;
pa_stream* g_rec = nullptr;
std::string g_rec_source;
bool g_rec_routed = false;
pa_stream* g_play = nullptr;
std::string g_play_sink;
std::vector<float> g_scratch;

namespace {

const pa_sample_spec kSpec = {PA_SAMPLE_FLOAT32LE, kRate, kChannels};
// The effect path's record fragment is shorter than the PipeWire pulse
// server's usual graph cycle (256 frames, 5.3 ms): every cycle's audio is
// sent on at once instead of waiting for a second cycle to fill a 10 ms
// fragment, which saves the processed sound about 5 ms there. Metering alone
// needs no haste.
constexpr int kRecordFragmentMs = 5;
constexpr int kMeterFragmentMs = 10;

// The server keeps at most kRecordMaxMs for the record stream; what piles up
// beyond that during a stall is dropped there instead of arriving as one huge
// block.
pa_buffer_attr record_attr(int fragment_ms) {
  pa_buffer_attr attr;
  attr.maxlength =
      static_cast<std::uint32_t>(pa_usec_to_bytes(kRecordMaxMs * PA_USEC_PER_MSEC, &kSpec));
  attr.tlength = static_cast<std::uint32_t>(-1);
  attr.prebuf = static_cast<std::uint32_t>(-1);
  attr.minreq = static_cast<std::uint32_t>(-1);
  attr.fragsize =
      static_cast<std::uint32_t>(pa_usec_to_bytes(fragment_ms * PA_USEC_PER_MSEC, &kSpec));
  return attr;
}

pa_channel_map stereo_map() {
  pa_channel_map m;
  pa_channel_map_init_stereo(&m);
  return m;
}

std::string server_error() VLM_REQUIRES(g_loop) { return pa_strerror(pa_context_errno(g_ctx)); }

// A failure that repeats pass after pass is logged when it first appears and
// again only after the thing worked in between (or failed differently).
struct Said {
  std::string last;
  bool first(const std::string& message) VLM_REQUIRES(g_loop) {
    if (message == last) return false;
    last = message;
    return true;
  }
  void clear() { last.clear(); }
};
Said g_load_said;
Said g_record_said;
Said g_play_said;
PlayDepth g_play_depth VLM_GUARDED_BY(g_loop);

void stream_state_callback(pa_stream* s, void*) {
  switch (pa_stream_get_state(s)) {
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
      mark_dirty();
      break;
    case PA_STREAM_UNCONNECTED:
    case PA_STREAM_CREATING:
    case PA_STREAM_READY:
      break;
  }
  pa_threaded_mainloop_signal(g_ml, 0);
}

// The server hands a fragment over in pieces where its buffers end (on
// PulseAudio often a piece of a few frames beside the rest of it); what is
// readable at once is gathered and processed and written as one block.
constexpr std::size_t kGatherFrames = 1024;
std::vector<float> g_gather VLM_GUARDED_BY(g_loop);

void stream_read_callback(pa_stream* s, size_t, void*) {
  g_loop.assert_held();
  auto* gather = reinterpret_cast<unsigned char*>(g_gather.data());
  const std::size_t room = g_gather.size() * sizeof(float);
  std::size_t gathered = 0;
  for (;;) {
    if (pa_stream_readable_size(s) == 0) break;
    const void* data = nullptr;
    size_t len = 0;
    if (pa_stream_peek(s, &data, &len) < 0 || len == 0) break;
    // A hole carries no samples; a stale stream's data is not ours to play.
    if (data && s == g_rec) {
      if (gathered > 0 && gathered + len > room) {
        handle_block(gather, gathered);
        gathered = 0;
      }
      if (len > room) {
        handle_block(data, len);
      } else {
        std::memcpy(gather + gathered, data, len);
        gathered += len;
      }
    }
    pa_stream_drop(s);
  }
  if (gathered > 0) handle_block(gather, gathered);
}

// After this many captured pieces of digital silence (the rack resting, about
// two seconds) the playback stream is no longer fed: the device plays its
// own silence, and the quiet desktop costs the engine no writes. The first
// piece with sound feeds it again; it re-buffers and plays on. The queue
// running dry when feeding stops is not an underrun.
constexpr std::uint32_t kQuietPiecesBeforeIdle = 200;
std::uint32_t g_quiet_pieces VLM_GUARDED_BY(g_loop) = 0;
bool g_play_idle VLM_GUARDED_BY(g_loop) = false;

// The server reports the playback stream's timing by itself only every
// 1.5 s, and on the PipeWire pulse server its read position moves a whole
// graph cycle (5.3 ms) at a time: one report can be off by up to a cycle for
// all that while, and the depth control, seeing a second of readings from one
// report, would chase that error back and forth. With a report every 50 ms a
// second holds many snapshots, and the shallowest of them is the queue right
// after the device took its share. Asked from a timer rather than from the
// capture callback, since a request allocates.
constexpr pa_usec_t kTimingRequestUsec = 50 * PA_USEC_PER_MSEC;
pa_time_event* g_timing_tick VLM_GUARDED_BY(g_loop) = nullptr;

void timing_tick_callback(pa_mainloop_api*, pa_time_event* e, const struct timeval*, void*) {
  g_loop.assert_held();
  if (g_play && !g_play_idle && pa_stream_get_state(g_play) == PA_STREAM_READY) {
    pa_operation* op = pa_stream_update_timing_info(g_play, nullptr, nullptr);
    if (op) pa_operation_unref(op);
  }
  pa_context_rttime_restart(g_ctx, e, pa_rtclock_now() + kTimingRequestUsec);
}

// While idle the record stream delivers larger fragments: five times fewer
// wake-ups on a silent desktop. The first sound after a quiet spell arrives up
// to one such fragment late and the playback depth control then trims that
// extra delay away. The request is one message to the server, sent only when
// idle starts or ends.
constexpr int kIdleFragmentMs = 50;

void set_record_fragment(int ms) VLM_REQUIRES(g_loop) {
  if (!g_rec) return;
  const pa_buffer_attr attr = record_attr(ms);
  pa_operation* op = pa_stream_set_buffer_attr(g_rec, &attr, nullptr, nullptr);
  if (op) pa_operation_unref(op);
}

bool all_zero(const float* x, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    if (x[i] != 0.0f) return false;
  }
  return true;
}

void stream_underflow_callback(pa_stream*, void*) {
  g_loop.assert_held();
  if (!g_play_idle) g_underflows.fetch_add(1);
}

void module_loaded_callback(pa_context*, std::uint32_t idx, void* userdata) {
  *static_cast<std::uint32_t*>(userdata) = idx;
  pa_threaded_mainloop_signal(g_ml, 0);
}

bool stream_creating(void* s) {
  return pa_stream_get_state(static_cast<pa_stream*>(s)) == PA_STREAM_CREATING;
}

// Waits up to 3 s for a new stream; a stream that is not ready by then is
// left to the next pass, which the dirty mark makes sure happens.
bool wait_stream_ready(pa_stream* s) VLM_REQUIRES(g_loop) {
  wait_while(stream_creating, s, 3000);
  if (pa_stream_get_state(s) == PA_STREAM_READY) return true;
  mark_dirty();
  return false;
}

// The parameter set changes hands without waiting: if the main thread holds
// the lock right now, this block keeps the old set and the next one retries.
void take_new_params() VLM_REQUIRES(g_loop) {
  const std::uint32_t version = g_params_version.load(std::memory_order_acquire);
  if (version == g_applied_version) return;
  if (!g_params_mtx.try_lock()) return;
  g_applied_version = g_params_version.load(std::memory_order_acquire);
  g_rack.set_params(g_params);
  g_params_mtx.unlock();
}

// Processes and plays one captured block in pieces that fit the scratch
// buffer, fixed when the record stream opened, with room for the frames the
// depth control may add: a large block after a stall never makes the audio
// path allocate.
void process_routed(const void* data, std::size_t frames) VLM_REQUIRES(g_loop) {
  take_new_params();
  const std::size_t room = g_scratch.size() / kChannels;
  if (room <= kTrimStepFrames) return;
  const std::size_t piece_frames = room - kTrimStepFrames;
  const auto* in = static_cast<const unsigned char*>(data);
  const bool playing = g_play && pa_stream_get_state(g_play) == PA_STREAM_READY;
  for (std::size_t done = 0; done < frames;) {
    const std::size_t n = std::min(piece_frames, frames - done);
    const std::size_t bytes = n * kFrameBytes;
    std::memcpy(g_scratch.data(), in + done * kFrameBytes, bytes);
    done += n;
    const bool silent_in = all_zero(g_scratch.data(), n * kChannels);
    const std::int64_t rested_before = g_rack.rested_chunks();
    g_rack.process(g_scratch.data(), static_cast<int>(n));
    if (silent_in && g_rack.rested_chunks() != rested_before) {
      if (g_quiet_pieces < kQuietPiecesBeforeIdle) ++g_quiet_pieces;
    } else {
      g_quiet_pieces = 0;
    }
    const bool idle = g_quiet_pieces >= kQuietPiecesBeforeIdle;
    if (idle != g_play_idle) set_record_fragment(idle ? kIdleFragmentMs : kRecordFragmentMs);
    g_play_idle = idle;
    if (!playing || g_play_idle) continue;
    pa_usec_t latency = 0;
    int negative = 0;
    const int r = pa_stream_get_latency(g_play, &latency, &negative);
    // While the server holds the stream back to re-buffer, the estimate
    // stands still: were it above the cap, dropping would keep the stream
    // from ever filling up again and the sound would stay away.
    const pa_timing_info* t = pa_stream_get_timing_info(g_play);
    const bool held = t && !t->playing;
    if (held || latency_allows_write(r, latency, negative)) {
      timeval now{};
      pa_usec_t depth = 0;
      const bool timed = t && pa_gettimeofday(&now) && queue_depth_usec(*t, now, &depth);
      const long step = depth_observe(&g_play_depth, timed, depth, n);
      std::size_t kept = n;
      if (step > 0) {
        kept = trim_piece(g_scratch.data(), n, static_cast<std::size_t>(step));
        g_trimmed.fetch_add(static_cast<std::uint64_t>(step));
      } else if (step < 0) {
        kept = pad_piece(g_scratch.data(), n, static_cast<std::size_t>(-step));
        g_padded.fetch_add(static_cast<std::uint64_t>(-step));
      }
      pa_stream_write(g_play, g_scratch.data(), kept * kFrameBytes, nullptr, 0, PA_SEEK_RELATIVE);
    } else {
      g_dropped.fetch_add(bytes);
      g_drop_events.fetch_add(1);
    }
  }
}

void measure_levels(const float* x, std::size_t frames) {
  double sum_l = 0, sum_r = 0;
  float peak_l = 0, peak_r = 0;
  for (std::size_t i = 0; i < frames; ++i) {
    const float l = std::fabs(x[2 * i]);
    const float r = std::fabs(x[2 * i + 1]);
    sum_l += l;
    sum_r += r;
    if (l > peak_l) peak_l = l;
    if (r > peak_r) peak_r = r;
  }
  Lock lk(g_pass_mtx);
  g_pass_sum[0] += sum_l;
  g_pass_sum[1] += sum_r;
  if (peak_l > g_pass_peak[0]) g_pass_peak[0] = peak_l;
  if (peak_r > g_pass_peak[1]) g_pass_peak[1] = peak_r;
  g_pass_n += frames;
}

}  // namespace

void prepare_capture() {
  g_scratch.assign(kScratchFrames * kChannels, 0.0f);
  g_gather.assign(kGatherFrames * kChannels, 0.0f);
}

bool latency_allows_write(int get_latency_result, pa_usec_t latency, int negative) {
  return get_latency_result < 0 || negative != 0 || latency <= kMaxPlayLatencyUsec;
}

void handle_block(const void* data, std::size_t bytes) {
  const std::size_t frames = bytes / kFrameBytes;
  if (frames == 0) return;
  if (g_rec_routed) {
    process_routed(data, frames);
  } else {
    measure_levels(static_cast<const float*>(data), frames);
  }
}

bool stream_usable(pa_stream* s) {
  if (!s) return false;
  switch (pa_stream_get_state(s)) {
    case PA_STREAM_CREATING:
    case PA_STREAM_READY:
      return true;
    case PA_STREAM_UNCONNECTED:
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
      return false;
  }
  return false;
}

void drop_stream(pa_stream** s) {
  if (!*s) return;
  pa_stream_set_state_callback(*s, nullptr, nullptr);
  pa_stream_set_read_callback(*s, nullptr, nullptr);
  pa_stream_set_underflow_callback(*s, nullptr, nullptr);
  pa_stream_disconnect(*s);
  pa_stream_unref(*s);
  *s = nullptr;
  if (s == &g_play && g_timing_tick) {
    pa_threaded_mainloop_get_api(g_ml)->time_free(g_timing_tick);
    g_timing_tick = nullptr;
  }
}

bool load_sink() {
  const std::string args =
      std::string("sink_name=") + kSinkName +
      " rate=48000 channels=2 channel_map=front-left,front-right sink_properties='"
      "device.description=Velmora monitor.channel-volumes=true device.icon_name=velmora'";
  std::uint32_t idx = kNone;
  wait_op(pa_context_load_module(g_ctx, "module-null-sink", args.c_str(), module_loaded_callback,
                                 &idx));
  if (idx == kNone) {
    const std::string message = "Virtuelle Senke nicht ladbar: " + server_error();
    if (g_load_said.first(message)) say_error(message);
    return false;
  }
  g_load_said.clear();
  g_module = idx;
  say_info("Virtuelle Senke geladen (Modul " + std::to_string(idx) + ")");
  return true;
}

void open_record(const std::string& source, bool routed) {
  drop_stream(&g_rec);
  const pa_channel_map map = stereo_map();
  pa_proplist* pl = client_props(routed ? "Tube" : "Meter");
  g_rec = pa_stream_new_with_proplist(g_ctx, "record", &kSpec, &map, pl);
  pa_proplist_free(pl);
  if (!g_rec) return;
  pa_stream_set_state_callback(g_rec, stream_state_callback, nullptr);
  pa_stream_set_read_callback(g_rec, stream_read_callback, nullptr);
  const pa_buffer_attr attr = record_attr(routed ? kRecordFragmentMs : kMeterFragmentMs);
  prepare_capture();
  g_rec_routed = routed;
  int flags = PA_STREAM_ADJUST_LATENCY | PA_STREAM_DONT_MOVE;
  if (!routed) flags |= PA_STREAM_DONT_INHIBIT_AUTO_SUSPEND;
  const bool ok = pa_stream_connect_record(g_rec, source.c_str(), &attr,
                                           static_cast<pa_stream_flags_t>(flags)) >= 0 &&
                  wait_stream_ready(g_rec);
  if (ok) {
    g_rec_source = source;
    g_record_said.clear();
    return;
  }
  const std::string message = "Aufnahme von " + source + " nicht moeglich: " + server_error();
  if (g_record_said.first(message)) say_warn(message);
  drop_stream(&g_rec);
  g_rec_source.clear();
}

void open_play(const std::string& sink) {
  drop_stream(&g_play);
  const pa_channel_map map = stereo_map();
  pa_proplist* pl = client_props("Tube");
  g_play = pa_stream_new_with_proplist(g_ctx, "playback", &kSpec, &map, pl);
  pa_proplist_free(pl);
  if (!g_play) return;
  pa_stream_set_state_callback(g_play, stream_state_callback, nullptr);
  pa_buffer_attr attr;
  attr.maxlength = static_cast<std::uint32_t>(pa_usec_to_bytes(500 * PA_USEC_PER_MSEC, &kSpec));
  attr.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(60 * PA_USEC_PER_MSEC, &kSpec));
  attr.prebuf = static_cast<std::uint32_t>(pa_usec_to_bytes(30 * PA_USEC_PER_MSEC, &kSpec));
  attr.minreq = static_cast<std::uint32_t>(-1);
  attr.fragsize = static_cast<std::uint32_t>(-1);
  pa_cvolume vol;
  pa_cvolume_set(&vol, kChannels, PA_VOLUME_NORM);
  pa_stream_set_underflow_callback(g_play, stream_underflow_callback, nullptr);
  // ADJUST_LATENCY: without it PulseAudio lets the device run as far ahead as
  // the whole 60 ms target, so the few blocks that the capture side has just
  // delivered are eaten at once and the stream runs dry about twice a second
  // (each time a gap until 30 ms are buffered again). With it the device's
  // share is sized from the target and the stream keeps its reserve.
  const auto flags = static_cast<pa_stream_flags_t>(
      PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE | PA_STREAM_DONT_MOVE |
      PA_STREAM_ADJUST_LATENCY);
  g_play_depth = PlayDepth{};
  g_quiet_pieces = 0;
  g_play_idle = false;
  const bool ok =
      pa_stream_connect_playback(g_play, sink.c_str(), &attr, flags, &vol, nullptr) >= 0 &&
      wait_stream_ready(g_play);
  if (ok) {
    g_play_sink = sink;
    g_play_said.clear();
    g_timing_tick = pa_context_rttime_new(g_ctx, pa_rtclock_now() + kTimingRequestUsec,
                                          timing_tick_callback, nullptr);
    return;
  }
  const std::string message = "Wiedergabe auf " + sink + " nicht moeglich: " + server_error();
  if (g_play_said.first(message)) say_warn(message);
  drop_stream(&g_play);
  g_play_sink.clear();
}

void apply_mute(const std::string& target, bool mute) {
  wait_op(pa_context_set_sink_mute_by_name(g_ctx, target.c_str(), mute ? 1 : 0,
                                           context_success_callback, nullptr));
  if (!mute) {
    wait_op(pa_context_set_sink_mute_by_name(g_ctx, kSinkName, 0, context_success_callback,
                                             nullptr));
  }
  say_info(mute ? "Stumm" : "Stumm aufgehoben");
}

}  // namespace audio::engine
