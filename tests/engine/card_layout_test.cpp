#include "engine/table_layout.h"
#include "table_fixture.h"

namespace omaha::testing {
namespace {

class CardLayoutTest : public TableTest {
protected:
    void SetUp() override { handOn(kPreflop); }

    std::vector<int> imagesAt(Point at) const {
        std::vector<int> images;
        for (const CardPlacement& card : cardsToPaint(t))
            if (card.at == at)
                images.push_back(card.image);
        return images;
    }
    int countImage(int image) const {
        int n = 0;
        for (const CardPlacement& card : cardsToPaint(t))
            n += card.image == image ? 1 : 0;
        return n;
    }
};

TEST_F(CardLayoutTest, FansAreBuiltCardByCardAcrossTheTable) {
    const PaintList list = cardsToPaint(t);
    ASSERT_EQ(list.size(), 32u);
    // Card 0 of every seat in table order, then card 1, and so on.
    EXPECT_EQ(list[0].at, (Point{55, 351}));
    EXPECT_EQ(list[0].image, t.seats[kHuman].hole[0].index());
    EXPECT_EQ(list[1].at, (Point{57, 85}));
    EXPECT_EQ(list[7].at, (Point{445, 405}));
    EXPECT_EQ(list[8].at, (Point{90, 354}));   // the human's second card
    EXPECT_EQ(list[9].at, (Point{72, 87}));    // Freak's second card
    EXPECT_EQ(list[31].at, (Point{490, 411})); // Robot's last card
    for (std::size_t i = 1; i < 8; ++i)
        EXPECT_EQ(list[i].image, kFirstCardBack);
}

TEST_F(CardLayoutTest, CommunityCardsFollowTheStreet) {
    const std::vector<std::pair<std::int32_t, std::size_t>> shown = {
        {kPreflop, 0}, {kFlop, 3}, {kTurn, 4}, {kRiver, 5}, {kShowdown, 5}};
    for (const auto& [street, count] : shown) {
        t.street = street;
        const PaintList list = cardsToPaint(t);
        ASSERT_EQ(list.size(), 32u + count) << street;
        for (std::size_t k = 0; k < count; ++k) {
            EXPECT_EQ(list[32 + k].at, kBoardPositions[k]);
            EXPECT_EQ(list[32 + k].image, t.board[k].index());
        }
    }
    // Neighbours overlap by eleven pixels, each covering the right edge of the one before.
    EXPECT_EQ(kBoardPositions[0].x + kCardWidth - kBoardPositions[1].x, 11);
}

TEST_F(CardLayoutTest, ComputerCardsShowOnlyAtTheShowdown) {
    t.street = kRiver;
    EXPECT_EQ(countImage(kFirstCardBack), 28);
    t.street = kShowdown;
    EXPECT_EQ(countImage(kFirstCardBack), 0);
    EXPECT_EQ(imagesAt({612, 335}), (std::vector<int>{t.seats[kExpert].hole[0].index()}));
}

TEST_F(CardLayoutTest, LastSeatAfterTheHumansFoldKeepsItsSecrets) {
    onlyInHand({kPinhead});
    t.street = kShowdown;
    const PaintList list = cardsToPaint(t);
    // Pinhead's four backs and nothing else: no human cards, no community cards.
    ASSERT_EQ(list.size(), 4u);
    for (const CardPlacement& card : list)
        EXPECT_EQ(card.image, kFirstCardBack);
    t.street = kTurn;
    EXPECT_EQ(cardsToPaint(t).size(), 8u); // a turn repaint still shows four community cards
}

TEST_F(CardLayoutTest, BrokeAndFoldedSeatsShowNoCards) {
    t.seats[kGeek].cash = 0;
    t.seats[kChamp].cash = -4;
    t.seats[kMaster].folded = true;
    t.street = kShowdown;
    EXPECT_TRUE(imagesAt({202, 85}).empty());
    EXPECT_TRUE(imagesAt({347, 85}).empty());
    EXPECT_TRUE(imagesAt({492, 85}).empty());
    EXPECT_EQ(cardsToPaint(t).size(), 5u * 4 + 5);
}

TEST_F(CardLayoutTest, BackChoiceShowsOnEveryBackAndStrayValuesFallBack) {
    t.cardback = 55;
    EXPECT_EQ(countImage(55), 28);
    for (std::int32_t stray : {0, 51, 56, -1, 1000}) {
        t.cardback = stray;
        EXPECT_EQ(countImage(kFirstCardBack), 28) << stray;
    }
}

} // namespace
} // namespace omaha::testing
