#pragma once
// "--devices": list the output devices the sound server offers.
namespace devices_cmd {

// Prints the list (or "Kein Tonserver erreichbar.") and returns the exit code.
int run();

}  // namespace devices_cmd
