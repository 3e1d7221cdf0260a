// TEMPORARY: stands in until the desktop integration lands; delete this file then.
#include "desktop/autostart.h"
#include "desktop/crash_handler.h"
#include "desktop/i18n.h"
namespace crash_handler {
void install() {}
void set_log_path(const std::string&) {}
void set_report_path(const std::string&) {}
std::string report_path() { return {}; }
bool pending_report(std::string*) { return false; }
void clear_report() {}
}  // namespace crash_handler
namespace autostart {
bool enabled() { return false; }
bool set(bool, const std::string&) { return false; }
std::string command() { return {}; }
void migrate() {}
}  // namespace autostart
namespace i18n {
void set_language(const std::string&) {}
}  // namespace i18n
