#pragma once
// Real-time scheduling for the thread that carries the sound, so that a busy
// desktop (a compile beside the music) cannot delay a capture block past the
// playback queue's reserve.
#include <sys/types.h>

#include <string>

namespace audio::engine {

// The priority asked for: below the sound server's own threads, which must
// run first when both are ready.
inline constexpr int kRealtimePriority = 3;

// Makes thread `tid` of this process round-robin real-time: directly when the
// process may (CAP_SYS_NICE or RLIMIT_RTPRIO), otherwise through RealtimeKit
// on the system bus, as desktops grant it to sound programs. Children do not
// inherit it. On failure *why says what refused it.
bool make_realtime(pid_t tid, std::string* why);

}  // namespace audio::engine
