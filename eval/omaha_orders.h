#pragma once

#include <array>
#include <cstddef>

namespace omaha {

// The orders in which a player's combinations are tried. Of two with the same selection score the
// one tried first is kept, so the orders decide which of them a player is said to hold.

// The community triples, as positions on the board.
inline constexpr std::array<std::array<std::size_t, 3>, 10> kCommunityTriples = {{{0, 1, 2},
                                                                                  {1, 2, 3},
                                                                                  {2, 3, 4},
                                                                                  {0, 2, 3},
                                                                                  {0, 3, 4},
                                                                                  {0, 1, 3},
                                                                                  {0, 1, 4},
                                                                                  {1, 2, 4},
                                                                                  {1, 3, 4},
                                                                                  {0, 2, 4}}};

// The private pairs, as positions in the hand; the first card of each is the pair's first.
inline constexpr std::array<std::array<std::size_t, 2>, 6> kPrivatePairs = {
    {{0, 1}, {1, 2}, {2, 3}, {0, 2}, {0, 3}, {1, 3}}};

} // namespace omaha
