#pragma once

#include "core/ai_level.h"
#include "core/card.h"
#include "core/random31.h"
#include "core/street.h"

#include <cstdint>

namespace omaha {

// Estimates how often `hand` beats six random opponents at this street, by simulation with
// `aiLevel` + 1 samples. Returns 0 to 105; for a level other than 20, 25, 33 and 50 it runs no
// samples, draws nothing and returns `previous` unchanged.
std::int32_t assess(const Hole& hand, const Board& board, Street street, AiLevel aiLevel,
                    std::int32_t previous, Random31& random) noexcept;

} // namespace omaha
