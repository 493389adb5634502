#include "table_fixture.h"

#include <limits>
#include <set>

namespace omaha::testing {
namespace {

using Blinds = std::pair<SeatCode, SeatCode>;

class DealTest : public TableTest {
protected:
    // Which seats were shown posting the small and the big blind since the log was cleared.
    Blinds blindsPosted() const {
        Blinds blinds{0, 0};
        for (const std::string& entry : view.log()) {
            if (entry.ends_with(" small blind"))
                blinds.first = entry[7] - '0';
            if (entry.ends_with(" big blind"))
                blinds.second = entry[7] - '0';
        }
        return blinds;
    }
    Blinds postFrom(SeatCode opener) {
        view.clearLog();
        t.smallblind = 1;
        t.bigblind = 2;
        t.opener = opener;
        game.postblinds();
        return blindsPosted();
    }
};

TEST_F(DealTest, ShuffleIsAPermutationDealtFromFixedPositions) {
    game.builddeck();
    game.dealhand();
    std::set<int> inDeck;
    for (const Card& card : t.deck)
        inDeck.insert(card.index());
    EXPECT_EQ(inDeck.size(), 52u);

    const std::vector<std::pair<SeatCode, int>> firstPosition = {
        {kFreak, 0},  {kHuman, 4},    {kGeek, 8},    {kMaster, 12},
        {kChamp, 16}, {kPinhead, 20}, {kExpert, 24}, {kRobot, 28}};
    std::set<int> dealt;
    for (const auto& [seat, first] : firstPosition)
        for (int k = 0; k < 4; ++k) {
            EXPECT_EQ(t.seats[seat].hole[k], t.deck[first + k]);
            dealt.insert(t.seats[seat].hole[k].index());
        }
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(t.board[k], t.deck[40 + k]);
        dealt.insert(t.board[k].index());
    }
    EXPECT_EQ(dealt.size(), 37u);
    for (int position : {32, 39, 45, 51})
        EXPECT_FALSE(dealt.contains(t.deck[position].index())) << position;
}

TEST_F(DealTest, ASeedReplaysTheDealAndEachShuffleStartsFromTheLast) {
    auto twoDeals = [this] {
        t.random.seed(2024);
        game.builddeck();
        game.dealhand();
        const Deck first = t.deck;
        game.dealhand();
        return std::pair{first, t.deck};
    };
    const auto deals = twoDeals();
    EXPECT_NE(deals.first, deals.second);
    EXPECT_EQ(twoDeals(), deals);
}

TEST_F(DealTest, BlindsFromTheRotationStart) {
    seatEveryone();
    EXPECT_EQ(postFrom(kRobot), (Blinds{kExpert, kRobot})); // the first hand of a run
    EXPECT_EQ(t.seats[kExpert].cash, 1199);
    EXPECT_EQ(t.seats[kRobot].cash, 1198);
    EXPECT_EQ(t.opener, kRobot);
    EXPECT_EQ(t.blindmarker, kRobot);
    EXPECT_TRUE(t.seats[kRobot].raised); // the human has to call Robot's blind

    seatEveryone();
    EXPECT_EQ(postFrom(kHuman), (Blinds{kRobot, kHuman}));
    for (const Seat& seat : t.seats)
        EXPECT_FALSE(seat.raised);
}

TEST_F(DealTest, BrokeSeatsAreSkippedByBothSearches) {
    seatEveryone();
    t.seats[kExpert].cash = 0;
    EXPECT_EQ(postFrom(kRobot), (Blinds{kRobot, kHuman}));
    EXPECT_EQ(t.blindmarker, kHuman);

    seatEveryone();
    t.seats[kRobot].cash = 0;
    EXPECT_EQ(postFrom(kRobot), (Blinds{kExpert, kHuman}));
    EXPECT_EQ(t.blindmarker, kRobot);
    EXPECT_EQ(t.opener, kHuman);

    // With two seats holding cash, those two post, whatever the marker says.
    for (SeatCode marker = 1; marker <= kSeatCount; ++marker) {
        seatEveryone(0);
        t.seats[kHuman].cash = 50;
        t.seats[kGeek].cash = 50;
        const Blinds blinds = postFrom(marker);
        EXPECT_TRUE((blinds == Blinds{kHuman, kGeek} || blinds == Blinds{kGeek, kHuman})) << marker;
    }
}

TEST_F(DealTest, NobodyWithCashEndsTheSearchWithoutABigBlind) {
    seatEveryone(0);
    t.pot = 3;
    // The human is always asked to post the small blind; no one can post the big one.
    EXPECT_EQ(postFrom(kMaster), (Blinds{kHuman, 0}));
    EXPECT_EQ(t.opener, t.blindmarker);
    EXPECT_FALSE(logged("pot 3"));
    for (const Seat& seat : t.seats)
        EXPECT_FALSE(seat.raised);
}

TEST_F(DealTest, BlindsSaturateRatherThanWrap) {
    seatEveryone(0);
    t.seats[kHuman].cash = std::numeric_limits<std::int32_t>::min();
    t.seats[kGeek].cash = 5;
    postFrom(kFreak);
    EXPECT_EQ(t.seats[kHuman].cash, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(t.seats[kGeek].cash, 3);
}

TEST_F(DealTest, BlindsGoRoundTheTableOneSeatAtEveryDeal) {
    seatEveryone();
    const std::vector<Blinds> expected = {
        {kExpert, kRobot},  {kRobot, kHuman},    {kHuman, kFreak},
        {kFreak, kGeek},    {kGeek, kMaster},    {kMaster, kChamp},
        {kChamp, kPinhead}, {kPinhead, kExpert}, {kExpert, kRobot}};
    for (std::size_t hand = 0; hand < expected.size(); ++hand) {
        view.clearLog();
        if (hand == 0) {
            game.newGameCommand("1200");
        } else {
            game.playerpasses(); // ends the hand, so Deal is the way on
            game.newgame();
        }
        EXPECT_EQ(blindsPosted(), expected[hand]) << "hand " << hand;
    }
}

TEST_F(DealTest, SeatsWithoutCashHaveTheirCardsWiped) {
    seatEveryone();
    game.newGameCommand("1200");
    game.playerpasses();
    t.seats[kPinhead].cash = 0; // went broke in the last hand
    t.seats[kRobot].cash = 1;   // pays its last chip as the next small blind
    view.clearLog();
    game.newgame();
    const auto wiped = [&](SeatCode seat) {
        return logged("erase " + std::to_string(fanOf(seat).erase.left) + "," +
                      std::to_string(fanOf(seat).erase.top));
    };
    EXPECT_TRUE(wiped(kPinhead));
    EXPECT_TRUE(wiped(kRobot));
    EXPECT_FALSE(wiped(kGeek));
}

TEST_F(DealTest, OddSmallBetsHalveDownForTheSmallBlind) {
    for (const auto& [smallbet, smallblind] : {std::pair{3, 1}, std::pair{1, 0}}) {
        seatEveryone();
        t.smallbet = smallbet;
        game.newGameCommand("1200");
        EXPECT_EQ(t.seats[kExpert].cash, 1200 - smallblind);
        EXPECT_EQ(t.seats[kRobot].cash, 1200 - smallbet);
        EXPECT_EQ(t.pot, smallblind + smallbet);
    }
}

} // namespace
} // namespace omaha::testing
