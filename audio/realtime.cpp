#include "audio/realtime.h"

#include <dbus/dbus.h>
#include <sched.h>
#include <sys/resource.h>

#include <cerrno>
#include <cstdint>
#include <cstring>

namespace audio::engine {

namespace {

// RealtimeKit hands out real-time scheduling only to processes that bound
// their CPU time as real-time threads (RLIMIT_RTTIME); a thread that spins
// past it gets SIGXCPU instead of freezing the desktop.
constexpr rlim_t kRealtimeCpuUsec = 200000;
constexpr int kBusTimeoutMs = 1000;

bool ask_realtimekit(pid_t tid, std::string* why) {
  rlimit lim{};
  if (getrlimit(RLIMIT_RTTIME, &lim) == 0 &&
      (lim.rlim_max == RLIM_INFINITY || lim.rlim_max > kRealtimeCpuUsec)) {
    lim.rlim_cur = lim.rlim_max = kRealtimeCpuUsec;
    setrlimit(RLIMIT_RTTIME, &lim);
  }
  DBusError err;
  dbus_error_init(&err);
  DBusConnection* bus = dbus_bus_get_private(DBUS_BUS_SYSTEM, &err);
  if (!bus) {
    *why = err.message ? err.message : "kein Systembus";
    dbus_error_free(&err);
    return false;
  }
  dbus_connection_set_exit_on_disconnect(bus, FALSE);
  DBusMessage* msg = dbus_message_new_method_call(
      "org.freedesktop.RealtimeKit1", "/org/freedesktop/RealtimeKit1",
      "org.freedesktop.RealtimeKit1", "MakeThreadRealtime");
  bool ok = false;
  if (msg) {
    const dbus_uint64_t thread = static_cast<dbus_uint64_t>(tid);
    const dbus_uint32_t priority = kRealtimePriority;
    dbus_message_append_args(msg, DBUS_TYPE_UINT64, &thread, DBUS_TYPE_UINT32, &priority,
                             DBUS_TYPE_INVALID);
    DBusMessage* reply =
        dbus_connection_send_with_reply_and_block(bus, msg, kBusTimeoutMs, &err);
    ok = reply != nullptr;
    if (reply) dbus_message_unref(reply);
    if (!ok) *why = err.message ? err.message : "keine Antwort";
    dbus_message_unref(msg);
  }
  dbus_error_free(&err);
  dbus_connection_close(bus);
  dbus_connection_unref(bus);
  return ok;
}

}  // namespace

bool make_realtime(pid_t tid, std::string* why) {
  sched_param param{};
  param.sched_priority = kRealtimePriority;
  if (sched_setscheduler(tid, SCHED_RR | SCHED_RESET_ON_FORK, &param) == 0) return true;
  const std::string direct = std::strerror(errno);
  if (ask_realtimekit(tid, why)) return true;
  *why = direct + "; RealtimeKit: " + *why;
  return false;
}

}  // namespace audio::engine
