#pragma once
// Notices when the whole machine stops for a moment: one thread per
// processor, at the highest real-time priority, wakes every millisecond and
// notes each wake that came late by 10 ms or more. Nothing in the system can
// run ahead of it, so such a wake means the processor itself was taken away
// (a virtual machine's host busy elsewhere). A sound program cannot play
// through a stop longer than its queue; the measurement reports these stops
// beside the underruns so that the two can be told apart.
#include <pthread.h>
#include <sched.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace bench {

class StallProbe {
 public:
  static constexpr double kLateMs = 10;

  StallProbe() {
    const long cpus = std::max(1L, sysconf(_SC_NPROCESSORS_ONLN));
    for (long c = 0; c < cpus; ++c) threads_.emplace_back([this, c] { run(c); });
  }
  ~StallProbe() {
    stop_ = true;
    for (std::thread& t : threads_) t.join();
  }
  StallProbe(const StallProbe&) = delete;
  StallProbe& operator=(const StallProbe&) = delete;

  // False when the probe's threads could not get real-time priority: then a
  // busy process could delay them too and no stop is noted.
  bool realtime() const { return realtime_threads_.load() == static_cast<int>(threads_.size()); }

  // One entry per stop: its time (monotonic seconds) and how late the
  // latest-waking thread was, in ms. Wakes within 100 ms count as one stop.
  std::vector<std::pair<double, double>> stops() const {
    std::lock_guard<std::mutex> lk(mtx_);
    return stops_;
  }

  static double now_s() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
  }

 private:
  void run(long cpu) {
    cpu_set_t set;
    CPU_ZERO(&set);
    CPU_SET(static_cast<int>(cpu), &set);
    pthread_setaffinity_np(pthread_self(), sizeof set, &set);
    sched_param p{};
    p.sched_priority = sched_get_priority_max(SCHED_FIFO);
    if (pthread_setschedparam(pthread_self(), SCHED_FIFO, &p) != 0) return;
    ++realtime_threads_;
    timespec next{};
    clock_gettime(CLOCK_MONOTONIC, &next);
    while (!stop_) {
      next.tv_nsec += 1000000;
      if (next.tv_nsec >= 1000000000) {
        next.tv_nsec -= 1000000000;
        ++next.tv_sec;
      }
      clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &next, nullptr);
      const double due = static_cast<double>(next.tv_sec) + static_cast<double>(next.tv_nsec) * 1e-9;
      const double woke = now_s();
      const double late_ms = (woke - due) * 1000;
      if (late_ms < kLateMs) continue;
      {
        std::lock_guard<std::mutex> lk(mtx_);
        if (!stops_.empty() && woke - stops_.back().first < 0.1) {
          stops_.back().second = std::max(stops_.back().second, late_ms);
        } else {
          stops_.emplace_back(woke, late_ms);
        }
      }
      // Missed wakes are not made up one by one.
      clock_gettime(CLOCK_MONOTONIC, &next);
    }
  }

  std::vector<std::thread> threads_;
  std::atomic<bool> stop_{false};
  std::atomic<int> realtime_threads_{0};
  mutable std::mutex mtx_;
  std::vector<std::pair<double, double>> stops_;
};

}  // namespace bench
