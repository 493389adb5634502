#pragma once

#include "core/card.h"

#include <optional>
#include <string>
#include <string_view>

namespace omaha {

// Reads a card written as rank then suit ("Ah", "td", "2C"), in either case; nullopt for any
// other text.
std::optional<Card> parseCard(std::string_view text) noexcept;

// A card as two characters, rank then suit: "Ah", "Td", "2c".
std::string cardText(Card card);

} // namespace omaha
