#include "core/card.h"
#include "core/card_text.h"

#include <gtest/gtest.h>
#include <string>

namespace omaha {
namespace {

// A card reads back from its two letters, rank then suit, in either case, and from nothing else.
// How every card is named and numbered, and the fresh deck's order, the golden games pin: every
// card shows in their events and histories.
TEST(Cards, ReadFromTheirTwoLettersInEitherCase) {
    for (int index = 0; index < kDeckSize; ++index) {
        const Card card = Card::fromIndex(index);
        const std::string code = cardCode(card);
        EXPECT_EQ(parseCardCode(code), card);
        EXPECT_EQ(parseCardCode(std::string{code[0], static_cast<char>(code[1] - 'a' + 'A')}),
                  card);
    }
    for (const char* word : {"td", "tD", "aS", "QH"})
        EXPECT_TRUE(parseCardCode(word)) << word;
    for (const char* word : {"", "A", "Ahh", "10h", "1h", "Ax", "hA", " A", "A ", "Bh"})
        EXPECT_FALSE(parseCardCode(word)) << word;
}

} // namespace
} // namespace omaha
