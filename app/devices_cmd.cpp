#include "app/devices_cmd.h"

#include "app/con.h"
#include "app/sys.h"
#include "audio/audio.h"
#include "audio/guard.h"

namespace devices_cmd {
namespace {

using sys::sleep_ms;

}  // namespace

int run() {
  // Listing leaves the server exactly as it is.
  audio::start_listing();
  // State 3: another run of the program owns the routing; the server is
  // reached all the same and the device list is current.
  auto reached = [](const audio::Status& st) { return st.state == 1 || st.state == 3; };
  for (int i = 0; i < 40 && !reached(audio::status()); ++i) sleep_ms(100);

  int code = 0;
  audio::Status st = audio::status();
  if (reached(st)) {
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
