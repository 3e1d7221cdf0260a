#pragma once
// Real sound servers for the tests: a PulseAudio daemon, or PipeWire with
// WirePlumber and its pulse server, in a private runtime directory with two
// null devices ("speakers", the default, and "headphones"). The daemons run in
// a process group of their own and are stopped by its id; the user's server
// is never touched.
#include <signal.h>
#include <sys/types.h>

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace th {

enum class Kind { pulse, pipewire };
const char* kind_name(Kind k);
// Keeps the test names readable ("... where GetParam() = PipeWire").
inline void PrintTo(Kind k, std::ostream* os) { *os << kind_name(k); }

// Polls pred every step_ms until it holds or ms have passed.
bool wait_for(const std::function<bool()>& pred, int ms, int step_ms = 50);
void sleep_ms(int ms);

// Starts argv[0] (from PATH) in a process group of its own; stdin from
// /dev/null, stdout and stderr appended to out_file (or /dev/null).
pid_t spawn(const std::vector<std::string>& argv, const std::string& out_file = "");
// True once the child has exited; *status receives the wait status.
bool reaped(pid_t pid, int* status = nullptr);
// Sends sig, waits up to 3 s for the child, then SIGKILLs and reaps it.
void stop_child(pid_t pid, int sig = SIGTERM);
// For processes that are not our children (the guard).
bool pid_alive(pid_t pid);
std::vector<pid_t> children_of(pid_t pid);

// Runs a command to completion (at most 10 s, or until it wrote `limit` bytes)
// and returns its standard output.
std::string run(const std::vector<std::string>& argv, int* exit_code = nullptr,
                std::size_t limit = std::string::npos);
std::string pactl(const std::vector<std::string>& args, int* exit_code = nullptr);

// pactl's long listing of `what` ("sinks", "sink-inputs", ...), one map per
// entry: "#" holds its index, with "Key: value" lines and "key = "value""
// properties. find_entry gives the first where key has this value, or none.
using Entry = std::map<std::string, std::string>;
std::vector<Entry> list(const std::string& what);
Entry find_entry(const std::string& what, const std::string& key, const std::string& value);

std::string default_sink();
bool has_sink(const std::string& name);
// Where the application's first playback (record) stream plays to (records
// from); "" when it has none.
std::string sink_of_app(const std::string& app);
std::string source_of_app(const std::string& app);
bool default_becomes(const std::string& sink, int ms = 8000);
bool plays_to(const std::string& app, const std::string& sink, int ms = 8000);
// The null-sink modules that load a sink of this name.
std::vector<Entry> null_sinks(const std::string& sink);

class Server {
 public:
  explicit Server(Kind kind);  // private directories and environment
  ~Server();                   // stops the server, removes the directories
  Server(const Server&) = delete;
  Server& operator=(const Server&) = delete;

  // Starts the daemon(s), loads the two devices, makes "speakers" the default.
  // Without settle_default it does not wait for the default to read
  // "speakers" (a running engine may take it over at once).
  bool start(bool settle_default = true);
  void stop();
  // A client program, or the test player as "another program" with this
  // application name (on `device` when given); stop() ends them first.
  pid_t client(const std::vector<std::string>& argv);
  pid_t player(const std::string& app, const std::string& device = "",
               const std::vector<std::string>& extra = {});
  const std::string& dir() const { return dir_; }
  std::string config_dir() const { return dir_ + "/cfg/Velmora"; }
  std::string log_text() const;  // what the servers wrote to their logs
  // The process that speaks the pulse protocol (pulseaudio, pipewire-pulse).
  pid_t protocol_pid() const;

 private:
  Kind kind_;
  std::string dir_;
  pid_t main_pid_ = -1;  // pulseaudio, or dbus-run-session around PipeWire
  std::vector<pid_t> players_;
};

// Records interleaved stereo float32 at 48 kHz from a source with parec. The
// first half second is thrown away: a freshly connected recorder of a null
// sink's monitor may start with a stretch of silence on PulseAudio.
std::vector<float> record(const std::string& source, double seconds);

// Level of frequency hz in one channel (0 left, 1 right) as dBFS of a sine's
// amplitude, by the Goertzel algorithm over the whole buffer.
double goertzel_db(const std::vector<float>& stereo, int channel, double hz);

std::string read_file(const std::string& path);  // empty when missing
int count_of(const std::string& text, const std::string& needle);

}  // namespace th
