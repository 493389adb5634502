// Positions as text: what the reader refuses, what the writer gives back, and the table that a
// game started from a position shows.
#include "core/dealing.h"
#include "core/deck.h"
#include "table_test.h"

#include <algorithm>

namespace omaha::testing {
namespace {

// clang-format off
// On the flop Master's bet is pending, Freak has folded.
constexpr std::string_view kFlopBet = "street:flop pot:25 out:1 opener:robot marker:expert call:2 bets:2/4 turn:you board:2c7d9hJsKc you:1198:AhAd3c4d:in freak:1200:AsAc3d4h:folded geek:1196:QhQd5c6d:in master:1196:3h4s5d6h:bet champ:1196:8c8d5h6s:in pinhead:1196:2d3s4c5s:in expert:1196:7c7h8h9c:in robot:1196:TcTdThJc:in";
// clang-format on

TEST(PositionText, RefusesWhatNoGameReachesAndSaysWhy) {
    // Each case changes the position above in one place.
    // clang-format off
    const std::tuple<std::string_view, std::string_view, std::string_view> cases[] = {
        {"street:flop", "street:flip", "street needs preflop, flop, turn, river or showdown, not 'flip'"},
        {"pot:25", "pot:-1", "pot needs a whole number from 0 to 2147483647, not '-1'"},
        {"out:1", "out:8", "out needs a whole number from 0 to 7, not '8'"},
        {"opener:robot", "opener:dealer", "opener needs you, freak, geek, master, champ, pinhead, expert or robot, not 'dealer'"},
        {"marker:expert", "marker:", "marker needs you, freak, geek, master, champ, pinhead, expert or robot, not ''"},
        {"call:2", "call:two", "call needs a whole number from 0 to 2147483647, not 'two'"},
        {"bets:2/4", "bets:2", "bets needs small/big, each from 1 to 1000000, not '2'"},
        {"bets:2/4", "bets:2/1000001", "bets needs small/big, each from 1 to 1000000, not '2/1000001'"},
        {"turn:you", "turn:me", "turn needs you or deal, not 'me'"},
        {"board:2c7d9hJsKc", "board:2c7d9hJs", "board needs 5 cards, not '2c7d9hJs'"},
        {"board:2c7d9hJsKc", "board:2c7d9hJsK1", "board needs 5 cards, not '2c7d9hJsK1'"},
        {"robot:1196:TcTdThJc:in", "robot:1196:TcTdTh:in", "robot needs 4 cards, not 'TcTdTh'"},
        {"robot:1196:TcTdThJc:in", "robot:1196:TcTdThJc", "robot needs cash:cards:status, not '1196:TcTdThJc'"},
        {"robot:1196:TcTdThJc:in", "robot:1196:TcTdThJc:in:x", "robot needs cash:cards:status, not '1196:TcTdThJc:in:x'"},
        {"robot:1196", "robot:lots", "robot needs a whole number as its cash, not 'lots'"},
        {"TcTdThJc:in", "TcTdThJc:out", "robot needs in, folded or bet, not 'out'"},
        {"robot:", "dealer:", "unknown field 'dealer'"},
        {"pot:25", "pot:25 pot:25", "pot is given twice"},
        {"TcTdThJc:in", "TcTdThJc:in robot", "robot is given twice"},
        {"pot:25 out:1 ", "", "missing pot, out"},
        {"geek:1196:QhQd5c6d:in ", "", "missing geek"},
        {"pot:25", "pot:25\x1b", "a control character (code 27) in the position"},
        {"TcTdThJc", "TcTdThAh", "Ah appears twice"},
        {"out:1", "out:0", "out:0 counts fewer seats than the 1 computer seats that have folded"},
        {"QhQd5c6d:in", "QhQd5c6d:bet", "only one bet can be pending, not geek's and master's"},
        {"AhAd3c4d:in", "AhAd3c4d:bet", "your bet is never pending: the computer seats answer it at once"},
        {"AhAd3c4d:in", "AhAd3c4d:folded", "you:folded fits only street:showdown with a computer seat still in and no bet pending"},
        {"street:flop pot:25 out:1 opener:robot marker:expert call:2 bets:2/4 turn:you board:2c7d9hJsKc you:1198:AhAd3c4d:in freak:1200:AsAc3d4h:folded geek:1196:QhQd5c6d:in master:1196:3h4s5d6h:bet", "street:showdown pot:25 out:7 opener:robot marker:expert call:2 bets:2/4 turn:deal board:2c7d9hJsKc you:1198:AhAd3c4d:folded freak:1200:AsAc3d4h:folded geek:1196:QhQd5c6d:in master:1196:3h4s5d6h:in", "you:folded fits only street:showdown with a computer seat still in and no bet pending"},
        {"street:flop pot:25 out:1 opener:robot marker:expert call:2 bets:2/4 turn:you board:2c7d9hJsKc you:1198:AhAd3c4d:in", "street:showdown pot:25 out:1 opener:robot marker:expert call:2 bets:2/4 turn:deal board:2c7d9hJsKc you:1198:AhAd3c4d:folded", "you:folded fits only street:showdown with a computer seat still in and no bet pending"},
        {"street:flop", "street:showdown", "turn:you does not fit street:showdown, which ends the hand"},
        {"out:1", "out:7", "turn:you does not fit out:7: the hand is won once every computer seat is out"},
        {"turn:you", "turn:deal", "turn:deal does not fit street:flop: a hand ends at the showdown, or once every computer seat is out (out:7)"},
        {"call:2", "call:3", "call:3 is neither 0 nor a bet of bets:2/4"},
    };
    // clang-format on
    for (const auto& [from, to, problem] : cases) {
        std::string text(kFlopBet);
        text.replace(text.find(from), from.size(), to);
        EXPECT_EQ(readPosition(text).problem, problem) << text;
    }
}

TEST(PositionText, WritesBackWhatItReads) {
    // clang-format off
    const std::string_view positions[] = {
        kFlopBet,
        "street:showdown pot:24 out:2 opener:you marker:geek call:6 bets:3/6 turn:deal board:2c7d9hJsKc you:-2:AhAd3c4d:in freak:1200:AsAc3d4h:folded geek:0:QhQd5c6d:in master:1196:3h4s5d6h:in champ:1196:8c8d5h6s:bet pinhead:1:2d3s4c5s:folded expert:1196:7c7h8h9c:in robot:1196:TcTdThJc:in",
        "street:preflop pot:40 out:7 opener:master marker:champ call:0 bets:1000000/1 turn:deal board:2c7d9hJsKc you:1200:AhAd3c4d:in freak:1200:AsAc3d4h:folded geek:1200:QhQd5c6d:folded master:1200:3h4s5d6h:folded champ:0:8c8d5h6s:in pinhead:1200:2d3s4c5s:folded expert:1200:7c7h8h9c:folded robot:1200:TcTdThJc:folded",
    };
    // clang-format on
    for (const std::string_view text : positions) {
        const PositionReading reading = readPosition(text);
        EXPECT_EQ(reading.problem, "");
        EXPECT_EQ(positionText(reading.position), text);
    }
    EXPECT_EQ(readPosition(positions[1]).position.phase, HandPhase::PaidAtShowdown);
    EXPECT_EQ(readPosition(positions[2]).position.phase, HandPhase::WonByFolds);
    // Fields in any order and words in either case, blanks as they come.
    // clang-format off
    EXPECT_EQ(positionText(readPosition(" ROBOT:1196:tctdthjc:IN\texpert:1196:7C7H8H9C:in pinhead:1196:2d3s4c5s:in champ:1196:8c8d5h6s:in master:1196:3h4s5d6h:Bet  geek:1196:QhQd5c6d:in Freak:1200:AsAc3d4h:folded you:1198:AhAd3c4d:in board:2c7d9hJsKc Turn:You bets:2/4 call:2 marker:Expert opener:robot out:1 pot:25 street:FLOP\r").position), kFlopBet);
    // clang-format on
}

class StartFromTest : public TableTest {};

TEST_F(StartFromTest, ShowsTheTableAndTheButtonsForTheNextPress) {
    // clang-format off
    const std::tuple<std::string_view, std::string_view, std::string_view, std::string_view> cases[] = {
        // A computer's bet can only be called or folded to.
        {kFlopBet, "-C-F", "Call", "paint f-bbbbbb 3"},
        // The big blind stands as the bet the deal leaves, which the human may raise.
        {"street:preflop pot:3 out:0 opener:robot marker:robot call:2 bets:2/4 turn:you board:2c7d9hJsKc you:1200:AhAd3c4d:in freak:1200:AsAc3d4h:in geek:1200:QhQd5c6d:in master:1200:3h4s5d6h:in champ:1200:8c8d5h6s:in pinhead:1200:2d3s4c5s:in expert:1199:7c7h8h9c:in robot:1198:TcTdThJc:bet", "-CRF", "Call", "paint fbbbbbbb 0"},
        // Freak's big blind stands as no bet; the human has the small blind to complete.
        {"street:preflop pot:19 out:0 opener:freak marker:freak call:0 bets:2/4 turn:you board:2c7d9hJsKc you:1199:AhAd3c4d:in freak:1198:AsAc3d4h:in geek:1198:QhQd5c6d:in master:1198:3h4s5d6h:in champ:1198:8c8d5h6s:in pinhead:1198:2d3s4c5s:in expert:1198:7c7h8h9c:in robot:1198:TcTdThJc:in", "-CRF", "Call", "paint fbbbbbbb 0"},
        // Before the flop a computer's raise is no big blind.
        {"street:preflop pot:31 out:0 opener:robot marker:robot call:2 bets:2/4 turn:you board:2c7d9hJsKc you:1196:AhAd3c4d:in freak:1196:AsAc3d4h:in geek:1194:QhQd5c6d:bet master:1196:3h4s5d6h:in champ:1196:8c8d5h6s:in pinhead:1196:2d3s4c5s:in expert:1196:7c7h8h9c:in robot:1196:TcTdThJc:in", "-C-F", "Call", "paint fbbbbbbb 0"},
        {"street:turn pot:25 out:1 opener:robot marker:expert call:0 bets:2/4 turn:you board:2c7d9hJsKc you:1198:AhAd3c4d:in freak:1200:AsAc3d4h:folded geek:0:QhQd5c6d:in master:1196:3h4s5d6h:in champ:1196:8c8d5h6s:in pinhead:1196:2d3s4c5s:in expert:1196:7c7h8h9c:in robot:1196:TcTdThJc:in", "-CRF", "Check", "paint f--bbbbb 4"},
        {"street:showdown pot:25 out:1 opener:robot marker:expert call:0 bets:2/4 turn:deal board:2c7d9hJsKc you:1198:AhAd3c4d:in freak:1200:AsAc3d4h:folded geek:1196:QhQd5c6d:in master:1196:3h4s5d6h:in champ:1196:8c8d5h6s:in pinhead:1196:2d3s4c5s:in expert:1196:7c7h8h9c:in robot:1196:TcTdThJc:in", "D---", "Check", "paint f-ffffff 5"},
    };
    // clang-format on
    for (const auto& [position, shownButtons, caption, paint] : cases) {
        startFrom(position);
        EXPECT_EQ(buttons(), shownButtons) << position;
        EXPECT_EQ(view.stayCaption(), caption) << position;
        EXPECT_EQ(view.log().back(), paint) << position;
        const Position read = readPosition(position).position;
        EXPECT_EQ(lastLogged("pot "), "pot " + std::to_string(read.pot)) << position;
        for (const SeatCode seat : kTableOrder)
            EXPECT_EQ(lastLogged("cash " + std::to_string(seat) + " "),
                      "cash " + std::to_string(seat) + " " + std::to_string(read.seats[seat].cash));
    }
}

TEST(GatheredDeck, HoldsEveryCardWhereItWasDealtFromAndTheRestInCardOrder) {
    TableState table;
    table.deck = freshDeck();
    shuffleDeck(table.deck, table.random);
    dealFromDeck(table);
    const Deck dealt = table.deck;
    gatherDeck(table);
    std::vector<Card> undealt;
    for (std::size_t at = 0; at < dealt.size(); ++at) {
        if (at < 32 || (at >= 40 && at < 45))
            EXPECT_EQ(table.deck[at], dealt[at]) << at;
        else
            undealt.push_back(table.deck[at]);
    }
    EXPECT_TRUE(std::ranges::is_sorted(undealt, {}, &Card::index));
    EXPECT_TRUE(std::ranges::is_permutation(table.deck, dealt));
}

} // namespace
} // namespace omaha::testing
