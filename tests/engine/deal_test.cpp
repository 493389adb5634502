#include "table_fixture.h"

#include <limits>
#include <set>

namespace omaha::testing {
namespace {

using Blinds = std::pair<SeatCode, SeatCode>;

// Which seats were shown posting the small and the big blind since the log was cleared.
Blinds blindsPosted(const RecordingView& view) {
    Blinds blinds{0, 0};
    for (const std::string& entry : view.log()) {
        if (entry.ends_with(" small blind"))
            blinds.first = entry[7] - '0';
        if (entry.ends_with(" big blind"))
            blinds.second = entry[7] - '0';
    }
    return blinds;
}

class DealTest : public TableTest {};

TEST_F(DealTest, FreshDeckIsInPictureOrder) {
    game.builddeck();
    for (int i = 0; i < kDeckSize; ++i)
        EXPECT_EQ(t.deck[static_cast<std::size_t>(i)].index(), i);
}

TEST_F(DealTest, ShuffleKeepsEveryCardOnceAndDealsTheFixedPositions) {
    game.builddeck();
    game.dealhand();
    std::set<int> seen;
    for (const Card& card : t.deck)
        seen.insert(card.index());
    EXPECT_EQ(seen.size(), 52u);

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
    for (int position : {32, 33, 34, 35, 36, 37, 38, 39, 45, 46, 47, 48, 49, 50, 51})
        EXPECT_FALSE(dealt.contains(t.deck[position].index())) << position;
}

TEST_F(DealTest, ASeedReplaysTheDealAndEachShuffleStartsFromTheLast) {
    t.random.seed(2024);
    game.builddeck();
    game.dealhand();
    const Deck first = t.deck;
    game.dealhand();
    const Deck second = t.deck;
    EXPECT_NE(first, second);

    t.random.seed(2024);
    game.builddeck();
    game.dealhand();
    EXPECT_EQ(t.deck, first);
    game.dealhand();
    EXPECT_EQ(t.deck, second);
}

TEST_F(DealTest, StartOfRunPutsExpertOnTheSmallBlindAndRobotOnTheBig) {
    seatEveryone();
    t.smallblind = 1;
    t.bigblind = 2;
    t.opener = kRobot;
    game.postblinds();
    EXPECT_EQ(blindsPosted(view), (Blinds{kExpert, kRobot}));
    EXPECT_EQ(t.seats[kExpert].cash, 1199);
    EXPECT_EQ(t.seats[kRobot].cash, 1198);
    EXPECT_EQ(t.opener, kRobot);
    EXPECT_EQ(t.blindmarker, kRobot);
    EXPECT_TRUE(t.seats[kRobot].raised);
}

TEST_F(DealTest, MarkerAtTheHumanStartsWithRobotSmallAndTheHumanBig) {
    seatEveryone();
    t.smallblind = 1;
    t.bigblind = 2;
    t.opener = kHuman;
    game.postblinds();
    EXPECT_EQ(blindsPosted(view), (Blinds{kRobot, kHuman}));
    EXPECT_EQ(t.opener, kHuman);
    for (const Seat& seat : t.seats)
        EXPECT_FALSE(seat.raised);
}

TEST_F(DealTest, BrokeSeatsAreSkippedByBothSearches) {
    seatEveryone();
    t.smallblind = 1;
    t.bigblind = 2;
    t.seats[kExpert].cash = 0;
    t.opener = kRobot;
    game.postblinds();
    // Expert is passed over: Robot takes the small blind and the big blind moves on to the human.
    EXPECT_EQ(blindsPosted(view), (Blinds{kRobot, kHuman}));
    EXPECT_EQ(t.blindmarker, kHuman);
    EXPECT_EQ(t.seats[kExpert].cash, 0);

    view.clearLog();
    seatEveryone();
    t.seats[kRobot].cash = 0;
    t.opener = kRobot;
    game.postblinds();
    EXPECT_EQ(blindsPosted(view), (Blinds{kExpert, kHuman}));
    EXPECT_EQ(t.blindmarker, kRobot);
    EXPECT_EQ(t.opener, kHuman);
}

TEST_F(DealTest, TwoSeatsWithCashPostBothBlindsWhateverTheMarker) {
    for (SeatCode marker = 1; marker <= kSeatCount; ++marker) {
        view.clearLog();
        seatEveryone(0);
        t.seats[kHuman].cash = 50;
        t.seats[kGeek].cash = 50;
        t.smallblind = 1;
        t.bigblind = 2;
        t.opener = marker;
        game.postblinds();
        const Blinds blinds = blindsPosted(view);
        EXPECT_NE(blinds.first, blinds.second) << marker;
        EXPECT_TRUE((blinds == Blinds{kHuman, kGeek} || blinds == Blinds{kGeek, kHuman})) << marker;
    }
}

TEST_F(DealTest, NobodyWithCashEndsTheSearchWithoutABigBlind) {
    seatEveryone(0);
    t.smallblind = 1;
    t.bigblind = 2;
    t.pot = 3;
    t.opener = kMaster;
    game.postblinds();
    // The human is always asked to post the small blind; no one can post the big one.
    EXPECT_EQ(blindsPosted(view), (Blinds{kHuman, 0}));
    EXPECT_EQ(t.opener, t.blindmarker);
    EXPECT_FALSE(logged("pot 3"));
    for (const Seat& seat : t.seats)
        EXPECT_FALSE(seat.raised);
}

TEST_F(DealTest, BlindsSaturateRatherThanWrap) {
    seatEveryone();
    t.seats[kHuman].cash = std::numeric_limits<std::int32_t>::min();
    for (SeatCode seat = kFreak; seat >= kRobot; --seat)
        t.seats[seat].cash = 0;
    t.seats[kGeek].cash = 5;
    t.smallblind = 1;
    t.bigblind = 2;
    t.opener = kFreak;
    game.postblinds();
    EXPECT_EQ(t.seats[kHuman].cash, std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(t.seats[kGeek].cash, 3);
}

TEST_F(DealTest, BlindsGoRoundTheTableOneSeatAtEveryDeal) {
    seatEveryone();
    const std::vector<Blinds> expected = {
        {kExpert, kRobot},  {kRobot, kHuman},    {kHuman, kFreak},
        {kFreak, kGeek},    {kGeek, kMaster},    {kMaster, kChamp},
        {kChamp, kPinhead}, {kPinhead, kExpert}, {kExpert, kRobot}};
    game.builddeck();
    t.blindmarker = kRobot;
    t.opener = kRobot;
    t.street = kPreflop;
    for (std::size_t hand = 0; hand < expected.size(); ++hand) {
        view.clearLog();
        if (hand == 0) {
            game.newGameCommand("1200");
        } else {
            game.playerpasses(); // ends the hand, so Deal is the way on
            game.newgame();
        }
        EXPECT_EQ(blindsPosted(view), expected[hand]) << "hand " << hand;
    }
}

TEST_F(DealTest, OddSmallBetsHalveDownForTheSmallBlind) {
    for (const auto& [smallbet, smallblind] :
         {std::pair{3, 1}, std::pair{1, 0}, std::pair{10, 5}}) {
        seatEveryone();
        t.smallbet = smallbet;
        script.folds = {{kFreak, true},   {kGeek, true},   {kMaster, true}, {kChamp, true},
                        {kPinhead, true}, {kExpert, true}, {kRobot, true}};
        game.newGameCommand("1200");
        EXPECT_EQ(t.smallblind, smallblind);
        EXPECT_EQ(t.bigblind, smallbet);
        EXPECT_EQ(t.seats[kExpert].cash, 1200 - smallblind);
        EXPECT_EQ(t.seats[kRobot].cash, 1200 - smallbet);
        EXPECT_EQ(t.pot, smallblind + smallbet);
    }
}

} // namespace
} // namespace omaha::testing
