#pragma once
// Fatal-signal handler that leaves a plain-text report for the next start.
#include <string>

namespace crash_handler {

void install();
void set_log_path(const std::string& path);
void set_report_path(const std::string& path);
std::string report_path();
bool pending_report(std::string* out);
void clear_report();

}  // namespace crash_handler
