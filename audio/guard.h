#pragma once
// The guard process: forked at start-up, told over a pipe where the sound goes
// back to, and restores it when the main process dies without tearing down.
#include <string>

namespace guard {

void start();  // before any other thread exists
void armed(const std::string& sink);
void disarmed();
void stop();   // safe to call twice

}  // namespace guard
