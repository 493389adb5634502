#include "core/card.h"
#include "core/card_text.h"
#include "core/deck.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <string>

namespace omaha {
namespace {

// A fresh deck runs through the clubs from the Two to the Ace, then the diamonds, hearts and
// spades; a card's place in it is its index, and an empty slot is the Two of clubs. Each card
// has its own name in either notation, and reads back from its two letters in either case.
TEST(Cards, TheFreshDeckInBothNotations) {
    const Deck deck = freshDeck();
    std::string codes, names;
    for (int index = 0; index < kDeckSize; ++index) {
        const Card card = deck[static_cast<std::size_t>(index)];
        EXPECT_EQ(card.index(), index);
        EXPECT_EQ(Card::fromIndex(index), card);
        const std::string code = cardCode(card);
        EXPECT_EQ(parseCardCode(code), card);
        EXPECT_EQ(parseCardCode(std::string{code[0], static_cast<char>(code[1] - 'a' + 'A')}),
                  card);
        codes += code;
        names += cardName(card) + ' ';
    }
    EXPECT_EQ(codes, "2c3c4c5c6c7c8c9cTcJcQcKcAc2d3d4d5d6d7d8d9dTdJdQdKdAd"
                     "2h3h4h5h6h7h8h9hThJhQhKhAh2s3s4s5s6s7s8s9sTsJsQsKsAs");
    EXPECT_EQ(names, "2♣ 3♣ 4♣ 5♣ 6♣ 7♣ 8♣ 9♣ 10♣ J♣ Q♣ K♣ A♣ 2♦ 3♦ 4♦ 5♦ 6♦ 7♦ 8♦ 9♦ 10♦ J♦ Q♦ "
                     "K♦ A♦ 2♥ 3♥ 4♥ 5♥ 6♥ 7♥ 8♥ 9♥ 10♥ J♥ Q♥ K♥ A♥ 2♠ 3♠ 4♠ 5♠ 6♠ 7♠ 8♠ 9♠ "
                     "10♠ J♠ Q♠ K♠ A♠ ");
    EXPECT_EQ(Card{}, Card::fromIndex(0));

    for (const char* word : {"td", "tD", "aS", "QH"})
        EXPECT_TRUE(parseCardCode(word)) << word;
    for (const char* word : {"", "A", "Ahh", "10h", "1h", "Ax", "hA", " A", "A ", "Bh"})
        EXPECT_FALSE(parseCardCode(word)) << word;
}

} // namespace
} // namespace omaha
