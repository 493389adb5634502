#pragma once

#include "core/card.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace omaha {

// The value of five cards in the game's own scoring. The category decides first between players;
// inside it only the few cards the kicker counts matter.
struct HandRank {
    std::int32_t category = 0; // hand class plus its deciding rank, e.g. 112 for a pair of aces
    std::int32_t kicker = 0;   // tie-break inside the category: 0 to 127, or up to 138 for a
                               // flush of repeated cards

    // Chooses among one player's own combinations.
    constexpr std::int32_t selectionScore() const { return 40 * category + kicker; }
    // Compares players at the showdown; no kicker can cross a category here.
    constexpr std::int32_t showdownValue() const { return 140 * category + kicker; }

    friend constexpr bool operator==(const HandRank&, const HandRank&) = default;
};

using FiveCards = std::array<Card, 5>;

// Ranks exactly five cards; the same card may appear more than once.
HandRank rankFive(const FiveCards& cards) noexcept;

// The name of a category as the table shows it ("One pair Aces"), or "" if it has none.
// The English name is what omaha-sim and the records file write.
std::string_view handName(std::int32_t category) noexcept;
// The same name in the player's language (see gameText), for the table, the hand history and the
// coach.
std::string handNameText(std::int32_t category);

} // namespace omaha
