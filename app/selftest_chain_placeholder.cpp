// TEMPORARY: stands in until the chain checks land; delete this file then.
#include "app/selftest.h"
namespace selftest {
void chain_checks(int*) {}
void clip_check(int*) {}
}  // namespace selftest
