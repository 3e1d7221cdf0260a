#pragma once
// The normal run without a window: keeps the engine going until SIGTERM,
// SIGINT or SIGHUP, and does for the engine what the window's frame step would do.
#include "settings/settings.h"

namespace headless {

// Blocks SIGTERM, SIGINT, SIGHUP and SIGUSR1 in the calling thread; call before any
// thread is started so every thread inherits the mask and the signals are
// taken only by run().
void block_signals();

// Returns the exit code once SIGTERM, SIGINT or SIGHUP arrived.
int run(Settings* s);

}  // namespace headless
