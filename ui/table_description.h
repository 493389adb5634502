#pragma once

#include "core/table_state.h"

#include <string>

namespace omaha {

// What the table shows, in words for a screen reader: the player's cards, the community cards
// turned, which computer seats hold cards face down or face up and which none, and the pot, as
// "Your cards: A♥ K♦ 7♣ 2♠. Community cards: 7♥ 2♣ Q♦. Cards face down: Freak, Robot. No cards:
// Geek. Pot: 24." The cards are those a repaint would draw (visibleCards).
std::string describeTable(const TableState& table);

} // namespace omaha
