#pragma once

#include "engine/card.h"
#include "engine/random31.h"

#include <cstdint>

namespace omaha {

// Estimates how often `workhand` beats six random opponents at this street, by simulation with
// `complevel` + 1 samples. Returns 0 to 105; for a level other than 20, 25, 33 and 50 it runs no
// samples, draws nothing and returns `previous` unchanged.
std::int32_t assess(const Hole& workhand, const Board& board, std::int32_t street,
                    std::int32_t complevel, std::int32_t previous, Random31& random) noexcept;

} // namespace omaha
