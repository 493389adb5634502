#include "core/card_text.h"

#include <array>
#include <cctype>
#include <cstddef>

namespace omaha {

namespace {

constexpr std::array<std::string_view, kRankCount> kRankTexts = {"2", "3",  "4", "5", "6", "7", "8",
                                                                 "9", "10", "J", "Q", "K", "A"};
constexpr std::array<std::string_view, kSuitCount> kSuitTexts = {"♣", "♦", "♥", "♠"};
constexpr std::string_view kRankLetters = "23456789TJQKA";
constexpr std::string_view kSuitLetters = "cdhs";

char upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}
char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

} // namespace

std::string_view rankText(Rank rank) noexcept {
    return kRankTexts[static_cast<std::size_t>(number(rank))];
}

std::string cardName(Card card) {
    std::string name(rankText(card.rank));
    name += kSuitTexts[static_cast<std::size_t>(number(card.suit))];
    return name;
}

std::string cardNames(std::span<const Card> cards) {
    std::string names;
    for (const Card& card : cards) {
        if (!names.empty())
            names += ' ';
        names += cardName(card);
    }
    return names;
}

std::optional<Card> parseCardName(std::string_view text) {
    for (std::int32_t index = 0; index < kDeckSize; ++index)
        if (cardName(Card::fromIndex(index)) == text)
            return Card::fromIndex(index);
    return std::nullopt;
}

std::string cardCode(Card card) {
    return {kRankLetters[static_cast<std::size_t>(number(card.rank))],
            kSuitLetters[static_cast<std::size_t>(number(card.suit))]};
}

std::optional<Card> parseCardCode(std::string_view text) noexcept {
    if (text.size() != 2)
        return std::nullopt;
    const std::size_t rank = kRankLetters.find(upper(text[0]));
    const std::size_t suit = kSuitLetters.find(lower(text[1]));
    if (rank == std::string_view::npos || suit == std::string_view::npos)
        return std::nullopt;
    return Card{static_cast<Suit>(suit), static_cast<Rank>(rank)};
}

} // namespace omaha
