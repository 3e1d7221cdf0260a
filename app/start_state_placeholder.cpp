// TEMPORARY: stands in until the start-state switches land; delete this file then.
#include "app/start_state.h"
namespace start_state {
void apply(const std::vector<std::string>&, Settings*) {}
}  // namespace start_state
