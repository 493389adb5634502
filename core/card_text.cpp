#include "core/card_text.h"

#include <cctype>

namespace omaha {

namespace {

constexpr std::string_view kRanks = "23456789TJQKA";

} // namespace

std::optional<Card> parseCard(std::string_view text) noexcept {
    constexpr std::string_view kSuits = "CDHS";
    if (text.size() != 2)
        return std::nullopt;
    const auto upper = [](char c) {
        return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    };
    const std::size_t rank = kRanks.find(upper(text[0]));
    const std::size_t suit = kSuits.find(upper(text[1]));
    if (rank == std::string_view::npos || suit == std::string_view::npos)
        return std::nullopt;
    return Card{static_cast<std::int32_t>(suit), static_cast<std::int32_t>(rank)};
}

std::string cardText(Card card) {
    constexpr std::string_view kSuitLetters = "cdhs";
    if (card.rank < 0 || card.rank > 12 || card.suit < 0 || card.suit > 3)
        return "??";
    return {kRanks[static_cast<std::size_t>(card.rank)],
            kSuitLetters[static_cast<std::size_t>(card.suit)]};
}

} // namespace omaha
