#include "app/devices_cmd.h"

#include <time.h>

#include <cerrno>

#include "app/con.h"
#include "audio/audio.h"
#include "audio/guard.h"

namespace devices_cmd {
namespace {

void sleep_ms(long ms) {
  timespec left{ms / 1000, (ms % 1000) * 1000000L};
  while (::nanosleep(&left, &left) != 0 && errno == EINTR) {
  }
}

}  // namespace

int run() {
  // No takeover: listing must leave the default device and other programs alone.
  audio::start(false);
  for (int i = 0; i < 40 && audio::status().state != 1; ++i) sleep_ms(100);

  int code = 0;
  audio::Status st = audio::status();
  if (st.state == 1) {
    for (const audio::Device& d : audio::devices()) {
      con::printf("%s %-60s %s\n", d.name == st.follow ? "*" : " ", d.name.c_str(),
                  d.description.c_str());
    }
  } else {
    con::print("Kein Tonserver erreichbar.\n");
    code = 1;
  }
  audio::stop();
  guard::stop();
  return code;
}

}  // namespace devices_cmd
