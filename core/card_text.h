#pragma once

#include "core/card.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace omaha {

// Cards as the game writes them for the player: the rank "2" to "10", "J", "Q", "K", "A" followed
// by the suit's symbol, "10♥", "A♠" (the hand history, the table read aloud, the corners of the
// game's own card faces).
std::string_view rankText(Rank rank) noexcept;
std::string cardName(Card card);
// Several cards so written, a blank between each: "A♥ A♦ 3♣".
std::string cardNames(std::span<const Card> cards);
// Reads a card so written ("10♥"); nothing for any other text.
std::optional<Card> parseCardName(std::string_view text);

// Cards as two letters, the rank (T for the ten) then the suit in lower case: "Th", "As", "2c"
// (omaha-sim's input and output, and the test hands).
std::string cardCode(Card card);

// Reads a card written as two letters in either case ("Ah", "td", "2C"); nothing for any other
// text.
std::optional<Card> parseCardCode(std::string_view text) noexcept;

} // namespace omaha
