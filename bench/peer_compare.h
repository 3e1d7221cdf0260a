#pragma once
// The standard chain against a table-based tube preamp (an LV2 plugin run by
// lv2bench), measured interleaved in the same run.

namespace bench {

// Prints the comparison; prints why not when lv2bench or the plugin is missing.
void compare_with_peer(int rounds);

}  // namespace bench
