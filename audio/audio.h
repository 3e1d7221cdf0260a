#pragma once
// The program's sound-server client. The caller's thread only writes wanted
// values and reads published results; it never waits for the server.
#include <cstdint>
#include <string>
#include <vector>

#include "fx/params.h"
#include "fx/rack.h"

namespace audio {

inline constexpr const char* kSinkName = "velmora";

struct Device {
  std::string name;
  std::string description;
};

struct Status {
  std::uint32_t state = 0;  // 0 connecting, 1 connected, 2 no server, 3 other instance
  bool routed = false;
  std::string output;
  std::string output_description;
  bool output_missing = false;
  std::string follow;
  bool muted = false;
  bool select_output = false;
  bool chained = false;
  bool setup_needed = false;
};

bool start(bool takeover);
// Starts the engine for the device listing: it connects and publishes the
// status and the devices, and changes nothing on the server.
bool start_listing();
void stop();
void set_active(bool on);
void set_output(const std::string& sink);
void set_mute(bool on);
void set_restore_hint(const std::string& sink);
void set_params(const fx::Params& p);
void take_meters(fx::Meters* out);
int latency_frames();
std::int64_t limiter_blocks();
std::vector<Device> devices();
Status status();
bool has_system_filter();
void setup_devices();
void remove_system_filter();
// The guard's restore after a crash, on its own connection, without threads,
// bounded in time. 0: the routing is back; 1: no server runs (the routing
// died with it); 2: the server did not answer in time (try again).
int rescue(const std::string& restore_to);

}  // namespace audio
