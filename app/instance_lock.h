#pragma once
// Single-instance lock in the configuration directory.
#include <string>

namespace instance_lock {

// Takes the lock at `path`. Returns false only when another instance holds it;
// then that instance (if its recorded pid is above 1) has been sent SIGUSR1.
// A lock file that cannot be opened counts as taken: it must not stop a start.
bool acquire(const std::string& path);

}  // namespace instance_lock
