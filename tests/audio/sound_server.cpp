#include "tests/audio/sound_server.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

namespace th {
namespace {

using Clock = std::chrono::steady_clock;

// After fork only async-signal-safe calls: other threads of the test (the
// engine's) may hold the allocator's lock at the moment of the fork. So the
// argument vector is built before.
std::vector<char*> c_argv(const std::vector<std::string>& argv) {
  std::vector<char*> out;
  for (const std::string& a : argv) out.push_back(const_cast<char*>(a.c_str()));
  out.push_back(nullptr);
  return out;
}

[[noreturn]] void exec_child(const std::vector<char*>& argv, int out_fd, int err_fd) {
  const int in = ::open("/dev/null", O_RDONLY);
  if (err_fd < 0) err_fd = ::open("/dev/null", O_WRONLY);
  ::dup2(in, 0);
  ::dup2(out_fd, 1);
  ::dup2(err_fd, 2);
  // A fresh process group: a terminal interrupt for the test does not reach
  // it, and the server's daemons can be stopped together.
  ::setpgid(0, 0);
  ::execvp(argv[0], argv.data());
  _exit(127);
}

std::string trim(const std::string& s) {
  const std::size_t a = s.find_first_not_of(" \t");
  const std::size_t b = s.find_last_not_of(" \t\r\n");
  return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

void write_file(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::trunc) << text;
}

// State and process group from /proc/<pid>/stat; false when it is gone.
bool proc_stat(const std::string& pid, char* state, int* group) {
  const std::string stat = read_file("/proc/" + pid + "/stat");
  const std::size_t p = stat.rfind(')');
  int parent = 0;
  return p != std::string::npos &&
         std::sscanf(stat.c_str() + p + 1, " %c %d %d", state, &parent, group) == 3;
}

// Whether a process of this group still runs (a zombie no longer does).
bool group_runs(pid_t group) {
  std::error_code ec;
  for (const auto& e : std::filesystem::directory_iterator("/proc", ec)) {
    char state = 0;
    int g = 0;
    if (proc_stat(e.path().filename().string(), &state, &g) && g == group && state != 'Z') {
      return true;
    }
  }
  return false;
}

}  // namespace

const char* kind_name(Kind k) { return k == Kind::pulse ? "PulseAudio" : "PipeWire"; }

bool wait_for(const std::function<bool()>& pred, int ms, int step_ms) {
  const Clock::time_point end = Clock::now() + std::chrono::milliseconds(ms);
  for (;;) {
    if (pred()) return true;
    if (Clock::now() >= end) return false;
    sleep_ms(step_ms);
  }
}

void sleep_ms(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

pid_t spawn(const std::vector<std::string>& argv, const std::string& out_file) {
  const int out = ::open(out_file.empty() ? "/dev/null" : out_file.c_str(),
                         O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
  const std::vector<char*> args = c_argv(argv);
  const pid_t pid = ::fork();
  if (pid == 0) exec_child(args, out, out);
  ::close(out);
  return pid;
}

bool reaped(pid_t pid, int* status) {
  int st = 0;
  const pid_t r = ::waitpid(pid, &st, WNOHANG);
  if (r == pid && status) *status = st;
  return r == pid || (r < 0 && errno == ECHILD);
}

void stop_child(pid_t pid, int sig) {
  if (pid <= 0 || reaped(pid)) return;  // a reaped id may belong to someone else by now
  ::kill(pid, sig);
  if (wait_for([pid] { return reaped(pid); }, 3000, 20)) return;
  ::kill(pid, SIGKILL);
  ::waitpid(pid, nullptr, 0);
}

bool pid_alive(pid_t pid) {
  char state = 0;
  int group = 0;
  return proc_stat(std::to_string(pid), &state, &group) && state != 'Z';
}

std::vector<pid_t> children_of(pid_t pid) {
  std::istringstream in(read_file("/proc/" + std::to_string(pid) + "/task/" +
                                  std::to_string(pid) + "/children"));
  std::vector<pid_t> out;
  for (pid_t c; in >> c;) out.push_back(c);
  return out;
}

std::string run(const std::vector<std::string>& argv, int* exit_code, std::size_t limit) {
  int fds[2];
  if (::pipe2(fds, O_CLOEXEC) != 0) return {};
  const std::vector<char*> args = c_argv(argv);
  const pid_t pid = ::fork();
  if (pid == 0) exec_child(args, fds[1], -1);
  ::close(fds[1]);
  ::fcntl(fds[0], F_SETFL, O_NONBLOCK);
  std::string out;
  char buf[16384];
  const Clock::time_point end = Clock::now() + std::chrono::seconds(10);
  for (ssize_t n = 1; n != 0 && out.size() < limit && Clock::now() < end;) {
    n = ::read(fds[0], buf, sizeof buf);
    if (n > 0) out.append(buf, static_cast<std::size_t>(n));
    if (n < 0) sleep_ms(5);
  }
  ::close(fds[0]);
  if (out.size() >= limit) ::kill(pid, SIGTERM);
  int st = 0;
  if (pid > 0 && !wait_for([&] { return reaped(pid, &st); }, 2000, 5)) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &st, 0);
  }
  if (exit_code) *exit_code = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return out;
}

std::string pactl(const std::vector<std::string>& args, int* exit_code) {
  std::vector<std::string> argv{"pactl"};
  argv.insert(argv.end(), args.begin(), args.end());
  return run(argv, exit_code);
}

std::vector<Entry> list(const std::string& what) {
  std::vector<Entry> out;
  std::istringstream in(pactl({"list", what}));
  for (std::string line; std::getline(in, line);) {
    const std::string t = trim(line);
    if (t.empty()) continue;
    if (line[0] != ' ' && line[0] != '\t') {  // "Sink #3" starts an entry
      const std::size_t hash = t.find(" #");
      if (hash != std::string::npos) out.push_back({{"#", t.substr(hash + 2)}});
      continue;
    }
    if (out.empty()) continue;
    const std::size_t eq = t.find(" = \"");
    const std::size_t colon = t.find(": ");
    if (eq != std::string::npos && t.back() == '"') {
      out.back().emplace(t.substr(0, eq), t.substr(eq + 4, t.size() - eq - 5));
    } else if (colon != std::string::npos) {
      out.back().emplace(t.substr(0, colon), t.substr(colon + 2));
    }
  }
  return out;
}

Entry find_entry(const std::string& what, const std::string& key, const std::string& value) {
  for (Entry& e : list(what)) {
    if (e[key] == value) return e;
  }
  return {};
}

std::string default_sink() { return trim(pactl({"get-default-sink"})); }

bool has_sink(const std::string& name) { return !find_entry("sinks", "Name", name).empty(); }

std::string sink_of_app(const std::string& app) {
  Entry in = find_entry("sink-inputs", "application.name", app);
  return in.empty() ? "" : find_entry("sinks", "#", in["Sink"])["Name"];
}

std::string source_of_app(const std::string& app) {
  Entry out = find_entry("source-outputs", "application.name", app);
  return out.empty() ? "" : find_entry("sources", "#", out["Source"])["Name"];
}

bool default_becomes(const std::string& sink, int ms) {
  return wait_for([&] { return default_sink() == sink; }, ms);
}

bool plays_to(const std::string& app, const std::string& sink, int ms) {
  return wait_for([&] { return sink_of_app(app) == sink; }, ms);
}

std::vector<Entry> null_sinks(const std::string& sink) {
  std::vector<Entry> out;
  for (Entry& m : list("modules")) {
    if (m["Name"] == "module-null-sink" && m["Argument"].rfind("sink_name=" + sink + " ", 0) == 0) {
      out.push_back(m);
    }
  }
  return out;
}

Server::Server(Kind kind) : kind_(kind) {
  char tmpl[] = "/tmp/vlm-audio-XXXXXX";
  dir_ = ::mkdtemp(tmpl);
  for (const char* sub : {"/rt", "/home", "/cfg"}) ::mkdir((dir_ + sub).c_str(), 0700);
  write_file(dir_ + "/client.conf", "autospawn = no\n");
  ::setenv("XDG_RUNTIME_DIR", (dir_ + "/rt").c_str(), 1);
  ::setenv("PULSE_RUNTIME_PATH", (dir_ + "/rt/pulse").c_str(), 1);
  ::setenv("HOME", (dir_ + "/home").c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", (dir_ + "/cfg").c_str(), 1);
  ::setenv("XDG_STATE_HOME", (dir_ + "/home/state").c_str(), 1);
  ::setenv("PULSE_CLIENTCONFIG", (dir_ + "/client.conf").c_str(), 1);
  for (const char* var : {"PULSE_SERVER", "PULSE_SINK", "PULSE_SOURCE", "PULSE_COOKIE",
                          "DBUS_SESSION_BUS_ADDRESS", "DISPLAY", "PIPEWIRE_REMOTE"}) {
    ::unsetenv(var);
  }
}

Server::~Server() {
  stop();
  run({"rm", "-rf", dir_});
}

bool Server::start(bool settle_default) {
  const std::vector<std::string> devices{
      "sink_name=speakers rate=48000 sink_properties=device.description=Speakers",
      "sink_name=headphones rate=48000 sink_properties=device.description=Headphones"};
  if (kind_ == Kind::pulse) {
    // The devices are there before the first client is served.
    write_file(dir_ + "/pa.conf", "load-module module-native-protocol-unix auth-anonymous=1\n"
                                  "load-module module-null-sink " + devices[0] + "\n" +
                                  "load-module module-null-sink " + devices[1] + "\n" +
                                  "set-default-sink speakers\n");
    main_pid_ = spawn({"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--system=no",
                       "--disallow-exit", "--log-target=stderr", "-F", dir_ + "/pa.conf"},
                      dir_ + "/server.log");
  } else {
    // One session bus for the three daemons. The session manager and the
    // pulse server need the daemon's socket.
    write_file(dir_ + "/pw.sh",
               "pipewire &\n"
               "i=0; while [ ! -S \"$XDG_RUNTIME_DIR/pipewire-0\" ] && [ $i -lt 200 ]; do\n"
               "  sleep 0.05; i=$((i+1)); done\n"
               "wireplumber &\n"
               "pipewire-pulse & echo $! >\"$1/pipewire-pulse.pid\"\n"
               "wait\n");
    ::unlink((dir_ + "/pipewire-pulse.pid").c_str());
    main_pid_ = spawn({"dbus-run-session", "--", "sh", dir_ + "/pw.sh", dir_}, dir_ + "/server.log");
  }
  int code = 1;
  const auto answers = [&] {
    pactl({"info"}, &code);
    return code == 0;
  };
  if (!wait_for(answers, 10000)) return false;
  const auto both = [] { return has_sink("speakers") && has_sink("headphones"); };
  if (kind_ == Kind::pipewire) {
    for (const std::string& args : devices) pactl({"load-module", "module-null-sink", args}, &code);
    if (!wait_for(both, 5000)) return false;
    pactl({"set-default-sink", "speakers"});
  }
  return wait_for(both, 5000) && (!settle_default || default_becomes("speakers", 5000));
}

void Server::stop() {
  for (pid_t p : players_) stop_child(p);
  players_.clear();
  if (main_pid_ <= 0) return;
  const pid_t group = main_pid_;
  ::kill(-group, SIGTERM);
  if (!wait_for([group] { return reaped(group) && !group_runs(group); }, 5000, 20)) {
    ::kill(-group, SIGKILL);
    ::waitpid(group, nullptr, 0);
  }
  main_pid_ = -1;
}

pid_t Server::player(const std::string& app, const std::string& device,
                     const std::vector<std::string>& extra) {
  std::vector<std::string> argv{VLM_TEST_PLAYER, "--app", app};
  if (!device.empty()) argv.insert(argv.end(), {"--device", device});
  argv.insert(argv.end(), extra.begin(), extra.end());
  return client(argv);
}

pid_t Server::client(const std::vector<std::string>& argv) {
  const pid_t pid = spawn(argv, dir_ + "/player.log");
  players_.push_back(pid);
  return pid;
}

std::string Server::log_text() const { return read_file(dir_ + "/server.log"); }

pid_t Server::protocol_pid() const {
  if (kind_ == Kind::pulse) return main_pid_;
  return static_cast<pid_t>(std::atoi(read_file(dir_ + "/pipewire-pulse.pid").c_str()));
}

std::vector<float> record(const std::string& source, double seconds) {
  const std::size_t skip = 24000 * 2 * sizeof(float);
  const std::size_t want = skip + static_cast<std::size_t>(seconds * 48000) * 2 * sizeof(float);
  std::string raw = run({"parec", "-d", source, "--raw", "--format=float32le", "--rate=48000",
                         "--channels=2", "--latency-msec=20"},
                        nullptr, want);
  raw.resize(std::min(raw.size(), want) / 8 * 8);
  raw.erase(0, std::min(skip, raw.size()));
  std::vector<float> out(raw.size() / sizeof(float));
  std::memcpy(out.data(), raw.data(), raw.size());
  return out;
}

double goertzel_db(const std::vector<float>& stereo, int channel, double hz) {
  const std::size_t n = stereo.size() / 2;
  if (n == 0) return -200.0;
  const double coeff = 2.0 * std::cos(2.0 * M_PI * hz / 48000.0);
  double s1 = 0, s2 = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const double s0 = stereo[2 * i + static_cast<std::size_t>(channel)] + coeff * s1 - s2;
    s2 = s1;
    s1 = s0;
  }
  const double power = s1 * s1 + s2 * s2 - coeff * s1 * s2;
  const double amplitude = 2.0 * std::sqrt(std::max(power, 0.0)) / static_cast<double>(n);
  return 20.0 * std::log10(std::max(amplitude, 1e-10));
}

std::string read_file(const std::string& path) {
  std::ifstream f(path, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

int count_of(const std::string& text, const std::string& needle) {
  int n = 0;
  for (std::size_t p = text.find(needle); p != std::string::npos;
       p = text.find(needle, p + needle.size())) {
    ++n;
  }
  return n;
}

}  // namespace th
