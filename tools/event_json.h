#pragma once

#include "core/table_state.h"
#include "engine/recording_view.h"

#include <string>
#include <string_view>
#include <vector>

namespace omaha {

// One line of `omaha-sim play` output: what was pressed and everything the table then shows.
// Seat arrays run in table order, the human first.
std::string eventJson(std::string_view event, const TableState& table, const RecordingView& view,
                      const std::vector<std::string>& messages);

} // namespace omaha
