#include "ai/assess.h"
#include "ai/decision_tables.h"
#include "ai/decisions.h"
#include "core/random31.h"
#include "core/table_state.h"
#include "eval/omaha_hand.h"
#include "tests/eval/card_literals.h"

#include <array>
#include <climits>
#include <cstdint>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace omaha {
namespace {

using test::board;
using test::hole;

// The estimate written out plainly from the rules of the game, with none of the care for speed
// the real one takes; the two must agree to the last sample and the last draw. A level other than
// the four that the options panel offers leaves the strength as it was and draws nothing.
std::int32_t plainAssess(const Hole& hand, const Board& real, std::int32_t street,
                         std::int32_t level, std::int32_t previous, Random31& random) {
    if (level != 20 && level != 25 && level != 33 && level != 50)
        return previous;
    Deck deck{};
    for (int p = 0; p < 52; ++p)
        deck[p] = Card::fromIndex(p);
    int won = 0;
    for (int sample = 0; sample <= level; ++sample) {
        for (int t = 0; t < 1001; ++t) {
            const int i = random() % 52;
            std::swap(deck[i], deck[random() % 52]);
        }
        // The player's unseen cards come from the end of the deck; pre-flop only the flop is.
        Board mine = real;
        if (street == 1)
            mine = {deck[48], deck[49], deck[50], real[3], real[4]};
        if (street == 2)
            mine = {real[0], real[1], real[2], deck[50], deck[51]};
        if (street == 3)
            mine[4] = deck[51];
        const int own = bestOmahaRank(hand, mine).category;
        // Six opponents of seven cards each, sharing the community cards already shown; a tie
        // goes to the player.
        const int shown = street == 1 ? 0 : street + 1;
        bool beatsAll = true;
        for (int o = 0; o < 42; o += 7) {
            Board theirs = {deck[o + 2], deck[o + 3], deck[o + 4], deck[o + 5], deck[o + 6]};
            for (int k = 0; k < shown; ++k)
                theirs[k] = real[k];
            beatsAll = beatsAll && own >= bestPairRank(deck[o], deck[o + 1], theirs).category;
        }
        won += beatsAll ? 1 : 0;
    }
    return won * (100 / level); // so that every level ends near 100 at most
}

// A drawing hand and a made hand: between them every street gives results that are neither 0
// nor the maximum, so that a slip in any deck position or replaced card shows.
TEST(Assess, MatchesThePlainSimulationDrawForDraw) {
    for (const auto& [hand, cards] : {std::pair{hole("Ah Kh Qd Jc"), board("Th 9h 2s 5c Kd")},
                                      std::pair{hole("8s 8d 7c 6h"), board("8c 5d Qs 9s 2h")}})
        for (std::int32_t street = 1; street <= 4; ++street)
            for (const std::int32_t level :
                 {20, 25, 33, 50, 0, 19, 21, 24, 26, 32, 34, 49, 51, -1, INT_MAX, INT_MIN}) {
                Random31 random(7), plain(7);
                EXPECT_EQ(assess(hand, cards, Street(street), AiLevel(level), 37, random),
                          plainAssess(hand, cards, street, level, 37, plain))
                    << "street " << street << " level " << level;
                EXPECT_EQ(random(), plain());
            }
}

// The chances by street and band of strength, {street, lowest, highest, chance}. The golden games
// meet only the strengths that their levels give, so every band is checked here whole.
TEST(DecisionTables, CallAndRaiseChanceForEveryStreetAndStrength) {
    using Bands = std::vector<std::array<std::int32_t, 4>>;
    // clang-format off
    const Bands calls = {
        {1, 0, 15, 0}, {1, 16, 20, 30}, {1, 21, 25, 80}, {1, 26, 105, 100},
        {2, 0, 10, 0}, {2, 11, 15, 30}, {2, 16, 20, 70}, {2, 21, 25, 90}, {2, 26, 105, 100},
        {3, 0, 10, 0}, {3, 11, 15, 60}, {3, 16, 20, 80}, {3, 21, 25, 90}, {3, 26, 105, 100},
        {4, 0, 5, 0},  {4, 6, 7, 70},   {4, 8, 10, 80},  {4, 11, 15, 90}, {4, 16, 105, 100}};
    const Bands raises = {
        {1, 0, 10, 0}, {1, 11, 20, 10}, {1, 21, 25, 30}, {1, 26, 105, 60},
        {2, 0, 10, 0}, {2, 11, 20, 10}, {2, 21, 25, 30}, {2, 26, 30, 40}, {2, 31, 105, 80},
        {3, 0, 10, 0}, {3, 11, 20, 5},  {3, 21, 25, 30}, {3, 26, 50, 40}, {3, 51, 105, 90},
        {4, 0, 10, 0}, {4, 11, 20, 10}, {4, 21, 25, 30}, {4, 26, 50, 40}, {4, 51, 105, 90}};
    // clang-format on
    for (const auto& [bands, chanceOf] : {std::pair{&calls, &callChance}, {&raises, &raiseChance}})
        for (const auto& [street, low, high, chance] : *bands)
            for (std::int32_t strength = low; strength <= high; ++strength)
                EXPECT_EQ(chanceOf(Street(street), strength), chance) << street << ' ' << strength;
}

// Each decision estimates the seat's own cards afresh, then settles the matter with one more
// draw; a raise is by the street's bet. At a level that only a hand-edited settings file gives,
// the estimate leaves the strength as the last decision left it.
TEST(Decisions, AFreshEstimateThenOneDrawAndARaiseByTheStreetsBet) {
    TableState table;
    table.smallBet = 3;
    table.bigBet = 8;
    table.board = board("Th 9h 2s 5c Kd");
    table.seats[kFreak].hole = hole("Ah Kh Qd Jc");
    table.seats[kPinhead].hole = hole("8s 8d 7c 6h");
    for (const Street street : {Street::Preflop, Street::Flop, Street::Turn, Street::River})
        for (const AiLevel level : {AiLevel::Amateur, AiLevel{7}}) {
            table.aiLevel = level;
            table.street = street;
            const std::int32_t bet = betsSmall(street) ? 3 : 8;
            OpponentMind mind{.strength = 105};
            int raises = 0;
            for (int round = 0; round < 10; ++round)
                for (SeatCode seat : {kPinhead, kFreak})
                    for (bool raising : {false, true}) {
                        Random31 expected = table.random;
                        const Hole& hand = table.seats[seat].hole;
                        const std::int32_t strength =
                            assess(hand, table.board, street, level, mind.strength, expected);
                        const std::int32_t chance =
                            raising ? raiseChance(street, strength) : callChance(street, strength);
                        const bool yes = chanceComesUp(chance, expected());
                        if (raising) {
                            EXPECT_EQ(decideRaise(mind, table, seat), yes ? bet : 0);
                        } else {
                            EXPECT_EQ(decideCall(mind, table, seat), yes);
                            EXPECT_EQ(mind.willCall, yes);
                        }
                        raises += raising && yes ? 1 : 0;
                        EXPECT_EQ(mind.strength, strength);
                        EXPECT_EQ(mind.chance, chance);
                        EXPECT_EQ(table.random(), expected());
                    }
            EXPECT_GT(raises, 0) << "street " << streetNumber(street);
        }
}

} // namespace
} // namespace omaha
