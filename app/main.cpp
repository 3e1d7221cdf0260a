// Entry point: turns the command line into one of the program's runs and fixes
// the start-up and shutdown order of the normal run.
#include <cstdlib>
#include <string>
#include <vector>

#include "app/cli.h"
#include "app/con.h"
#include "app/devices_cmd.h"
#include "app/headless.h"
#include "app/instance_lock.h"
#include "app/logger.h"
#include "app/selftest.h"
#include "app/start_state.h"
#include "audio/audio.h"
#include "audio/guard.h"
#include "desktop/autostart.h"
#include "desktop/crash_handler.h"
#include "desktop/i18n.h"
#include "desktop/paths.h"
#include "gfx/theme.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include "ui/ui.h"

namespace {

void stop_engine_and_guard() {
  audio::stop();
  guard::stop();
}

int normal_run(const std::vector<std::string>& args) {
  // The guard forks: it must happen while this process has a single thread.
  guard::start();
  Settings s = settings::load();
  i18n::set_language(s.language);
  theme::set_dark(s.theme != "light");

  const std::string dir = paths::config_dir();
  logger::prepare(dir, "Velmora");
  crash_handler::set_log_path(logger::file_path());
  guard::set_log_path(logger::file_path());
  crash_handler::set_report_path(dir + "/crash_report.txt");
  autostart::migrate();
  logger::info(std::string("Velmora ") + cli::kVersion + " (Build " + cli::kBuild + ", " +
               paths::package_kind() + ")");

  if (cli::has(args, "--devices")) return devices_cmd::run();

  if (!instance_lock::acquire(dir + "/Velmora.lock")) {
    con::print("Velmora laeuft bereits — Fenster nach vorn geholt.\n");
    guard::stop();
    return 0;
  }

  // Only the one running instance writes the log file.
  logger::claim();
  start_state::apply(args, &s);

  std::string report;
  if (crash_handler::pending_report(&report)) {
    logger::warn("Absturzbericht vom letzten Lauf gefunden: " + crash_handler::report_path());
    // The crash note lives in the full window, not in the compact view.
    s.compact = false;
    ui::set_crash_report(report);
  }

  const std::string device = cli::arg_value(args, "--device");
  audio::set_restore_hint(s.last_default);
  audio::set_output(device.empty() ? s.output : device);
  audio::set_params(s.params);
  audio::set_active(s.active);
  // Before the engine's threads exist, so that they inherit the blocked mask
  // and termination signals reach only the main thread (the window run
  // unblocks them there once its handlers are in place).
  headless::block_signals();
  audio::start(!cli::has(args, "--no-takeover"));
  std::atexit(stop_engine_and_guard);

  // Without a window for machines without a display and for services.
  const int code = cli::has(args, "--headless") ? headless::run(&s) : run_gui(&s);

  // Saved before the engine stops: a stop against a slow server takes its
  // time, and a session manager may not wait for it. The stop changes
  // nothing that is saved.
  settings::save(s);
  audio::stop();
  guard::stop();
  logger::info("Beendet");
  logger::shutdown();
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  crash_handler::install();
  const std::vector<std::string> args(argv + 1, argv + argc);

  if (cli::has(args, "--version")) {
    con::printf("Velmora %s (Build %s)\n", cli::kVersion, cli::kBuild);
    return 0;
  }
  if (cli::has(args, "--help") || cli::has(args, "-h")) {
    con::printf(cli::kHelp, cli::kVersion, cli::kBuild);
    return 0;
  }
  if (cli::has(args, "--selftest")) return selftest::run();

  const std::string unknown = cli::first_unknown(args);
  if (!unknown.empty()) {
    con::printf("Unbekannter Schalter: %s\n\n", unknown.c_str());
    con::printf(cli::kHelp, cli::kVersion, cli::kBuild);
    return 2;
  }
  return normal_run(args);
}
