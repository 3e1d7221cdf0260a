#include "app/headless.h"

#include <signal.h>

#include <cerrno>

#include "app/logger.h"
#include "audio/audio.h"

namespace headless {
namespace {

sigset_t run_signals() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGTERM);
  sigaddset(&set, SIGINT);
  // Without a window the terminal is often the only handle on the program:
  // closing it must end the run in order, not by the default action.
  sigaddset(&set, SIGHUP);
  sigaddset(&set, SIGUSR1);
  return set;
}

// The engine reports the real device it follows; remembering it means the
// user's device survives a restart and, through the restore hint, a crash.
void remember_follow(Settings* s) {
  audio::Status st = audio::status();
  if (st.follow.empty() || st.follow == s->last_default) return;
  s->last_default = st.follow;
  audio::set_restore_hint(st.follow);
  settings::save(*s);
}

}  // namespace

void block_signals() {
  sigset_t set = run_signals();
  pthread_sigmask(SIG_BLOCK, &set, nullptr);
}

int run(Settings* s) {
  sigset_t set = run_signals();
  const timespec kPoll{0, 500 * 1000000L};
  for (;;) {
    int sig = sigtimedwait(&set, nullptr, &kPoll);
    if (sig == SIGTERM || sig == SIGINT || sig == SIGHUP) return 0;
    if (sig == SIGUSR1) {
      logger::info("Zweiter Start: kein Fenster zum Hervorholen");
    } else if (sig < 0 && errno != EAGAIN && errno != EINTR) {
      return 1;
    }
    remember_follow(s);
  }
}

}  // namespace headless
