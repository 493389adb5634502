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

// The cards of a text as the hand history writes them ("10♥ A♠", core's cardNames); a word that is
// no card is left out.
std::vector<Card> cardsFromText(std::string_view text);

} // namespace omaha
