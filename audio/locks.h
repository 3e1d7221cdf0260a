#pragma once
// Locks whose use the compiler checks. Under Clang, -Wthread-safety proves
// that every access to state marked VLM_GUARDED_BY holds that lock and that
// every function marked VLM_REQUIRES is called with it; other compilers see
// plain mutexes.
#include <pulse/pulseaudio.h>

#include <mutex>

#if defined(__clang__)
#define VLM_TSA(x) __attribute__((x))
#else
#define VLM_TSA(x)
#endif

#define VLM_CAPABILITY(x) VLM_TSA(capability(x))
#define VLM_SCOPED_CAPABILITY VLM_TSA(scoped_lockable)
#define VLM_GUARDED_BY(x) VLM_TSA(guarded_by(x))
#define VLM_PT_GUARDED_BY(x) VLM_TSA(pt_guarded_by(x))
#define VLM_REQUIRES(...) VLM_TSA(requires_capability(__VA_ARGS__))
#define VLM_EXCLUDES(...) VLM_TSA(locks_excluded(__VA_ARGS__))
#define VLM_ACQUIRE(...) VLM_TSA(acquire_capability(__VA_ARGS__))
#define VLM_RELEASE(...) VLM_TSA(release_capability(__VA_ARGS__))
#define VLM_TRY_ACQUIRE(...) VLM_TSA(try_acquire_capability(__VA_ARGS__))
#define VLM_ASSERT_CAPABILITY(x) VLM_TSA(assert_capability(x))
#define VLM_NO_TSA VLM_TSA(no_thread_safety_analysis)

namespace audio::engine {

// A std::mutex the analysis knows. It stays a std::mutex, so the standard
// lock types and condition variables still take it.
class VLM_CAPABILITY("mutex") Mutex : public std::mutex {
 public:
  void lock() VLM_ACQUIRE() { std::mutex::lock(); }
  void unlock() VLM_RELEASE() { std::mutex::unlock(); }
  bool try_lock() VLM_TRY_ACQUIRE(true) { return std::mutex::try_lock(); }
};

class VLM_SCOPED_CAPABILITY Lock {
 public:
  explicit Lock(Mutex& m) VLM_ACQUIRE(m) : m_(m) { m_.lock(); }
  ~Lock() VLM_RELEASE() { m_.unlock(); }
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;

 private:
  Mutex& m_;
};

// The threaded main loop's lock as a capability: everything that belongs to
// the server connection is touched only while it is held. libpulse calls
// every callback with it held (assert_held() says so to the analysis).
class VLM_CAPABILITY("mutex") MainLoopLock {
 public:
  void lock(pa_threaded_mainloop* ml) VLM_ACQUIRE() { pa_threaded_mainloop_lock(ml); }
  void unlock(pa_threaded_mainloop* ml) VLM_RELEASE() { pa_threaded_mainloop_unlock(ml); }
  void assert_held() const VLM_ASSERT_CAPABILITY(this) {}
};

}  // namespace audio::engine
