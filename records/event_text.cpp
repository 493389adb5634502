#include "records/event_text.h"

#include "core/card_text.h"

#include <algorithm>
#include <array>

namespace omaha {

namespace {

// In the order of HandEventKind.
constexpr std::array<std::string_view, 14> kKindTexts = {
    "new game", "dealt", "small blind", "big blind", "check", "call",  "raise",
    "fold",     "flop",  "turn",        "river",     "shown", "share", "won by folds"};

} // namespace

std::string_view eventKindText(HandEventKind kind) {
    return kKindTexts[static_cast<std::size_t>(kind)];
}

std::optional<HandEventKind> eventKindFromText(std::string_view text) {
    const auto found = std::ranges::find(kKindTexts, text);
    if (found == kKindTexts.end())
        return std::nullopt;
    return static_cast<HandEventKind>(found - kKindTexts.begin());
}

std::vector<Card> cardsFromText(std::string_view text) {
    std::vector<Card> cards;
    while (!text.empty()) {
        const std::size_t space = text.find(' ');
        if (const std::optional<Card> card = parseCardName(text.substr(0, space)))
            cards.push_back(*card);
        text.remove_prefix(space == std::string_view::npos ? text.size() : space + 1);
    }
    return cards;
}

} // namespace omaha
