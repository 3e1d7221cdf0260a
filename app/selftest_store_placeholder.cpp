// TEMPORARY: stands in until the store checks land; delete this file then.
#include "app/selftest.h"
namespace selftest {
void store_checks(int*) {}
}  // namespace selftest
