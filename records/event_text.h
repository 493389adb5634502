#pragma once

#include "core/card.h"
#include "records/hand_record.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace omaha {

// How the records file writes an event's kind: "small blind", "won by folds".
std::string_view eventKindText(HandEventKind kind);
std::optional<HandEventKind> eventKindFromText(std::string_view text);

// Cards as the hand history writes them, a space between two: "10♥ A♠".
std::string cardsText(std::span<const Card> cards);
// The cards of such a text; a word that is no card is left out.
std::vector<Card> cardsFromText(std::string_view text);

} // namespace omaha
