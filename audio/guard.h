#pragma once
// The guard process: forked at start-up, told over a pipe where the sound goes
// back to, and restores it when the main process dies without tearing down.
#include <string>

namespace guard {

void start();  // before any other thread exists
void armed(const std::string& sink);
void disarmed();
// Where the guard writes its own lines (it restores after this process is gone).
void set_log_path(const std::string& path);
void stop();   // safe to call twice

// Sends the protocol to an already open descriptor instead of a forked guard;
// lets a test read exactly what the engine tells the guard.
void attach(int fd);

}  // namespace guard
