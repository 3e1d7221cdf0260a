// TEMPORARY: stands in until the desktop integration lands; delete this file then.
#include "desktop/i18n.h"
namespace i18n {
void set_language(const std::string&) {}
}  // namespace i18n
