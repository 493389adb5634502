#include "engine/coach.h"

#include "core/card_text.h"
#include "core/game_text.h"
#include "engine/hand_history.h"
#include "engine/visible_cards.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace omaha {

namespace {

// What calling costs the human: pre-flop the game always takes the small bet, later the bet made.
std::int32_t callCostFor(const TableState& table) {
    const bool betPending = std::any_of(table.seats.begin(), table.seats.end(),
                                        [](const Seat& seat) { return seat.raised; });
    if (!betPending)
        return 0;
    return table.street == Street::Preflop ? table.smallBet : table.amountToCall;
}

// A share as a whole percentage. A chance that is there but rounds away reads "under 1%", one
// short of certain "over 99%": the player should not read a long shot as none at all.
std::string percentText(double share) {
    const long percent = std::lround(share * 100);
    if (percent == 0 && share > 0)
        return gameText("Coach", "under 1%");
    if (percent == 100 && share < 1)
        return gameText("Coach", "over 99%");
    return fillPlaces(gameText("Coach", "%1%"), {std::to_string(percent)});
}

} // namespace

CoachAdvice adviceFor(const TableState& table, Random31& coachRandom, int deals) {
    // Only what the table shows the player counts.
    const VisibleCards visible = visibleCards(table);
    CoachAdvice advice;
    advice.holdsCards = visible.seats[kHuman] == SeatCards::Faces;
    if (!advice.holdsCards)
        return advice;
    advice.yourCards = table.seats[kHuman].hole;
    advice.boardShown = visible.boardCards;
    if (advice.boardShown >= 3)
        advice.best =
            bestFive(advice.yourCards, table.board, static_cast<std::size_t>(advice.boardShown));
    for (SeatCode seat = kFreak; seat >= kRobot; --seat)
        if (visible.seats[seat] != SeatCards::None)
            ++advice.opponents;
    advice.handOpen = table.street != Street::Showdown && advice.opponents > 0;
    if (!advice.handOpen)
        return advice;
    const std::span<const Card> shown(table.board.data(),
                                      static_cast<std::size_t>(advice.boardShown));
    advice.winningChance =
        winningChance(advice.yourCards, shown, advice.opponents, coachRandom, deals);
    advice.callCost = callCostFor(table);
    advice.pot = table.pot;
    return advice;
}

std::string coachLine(const CoachAdvice& advice) {
    if (!advice.holdsCards)
        return {};
    // The parts are put together with " · ", the same in every language.
    std::string line =
        advice.boardShown < 3
            ? fillPlaces(gameText("Coach", "Your cards: %1"), {cardNames(advice.yourCards)})
            : fillPlaces(gameText("Coach", "%1: %2 + %3"),
                         {handNameText(advice.best.rank.category), cardNames(advice.best.own),
                          cardNames(advice.best.shared)});
    if (!advice.handOpen)
        return line;
    const std::string chance = advice.opponents == 1
                                   ? gameText("Coach", "Chance against %1 player: %2")
                                   : gameText("Coach", "Chance against %1 players: %2");
    line += " · " + fillPlaces(chance, {std::to_string(advice.opponents),
                                        percentText(advice.winningChance)});
    if (advice.callCost > 0) {
        const double need = static_cast<double>(advice.callCost) /
                            (static_cast<double>(advice.pot) + advice.callCost);
        line += " · " + fillPlaces(gameText("Coach", "Call %1 to win %2: you need %3"),
                                   {std::to_string(advice.callCost), std::to_string(advice.pot),
                                    percentText(need)});
    }
    return line;
}

std::uint32_t coachSeed(std::uint32_t gameSeed) {
    // Murmur's finishing mix: one to one, so different games get different streams.
    std::uint32_t x = gameSeed + 0x9e3779b9u;
    x = (x ^ (x >> 16)) * 0x85ebca6bu;
    x = (x ^ (x >> 13)) * 0xc2b2ae35u;
    return x ^ (x >> 16);
}

} // namespace omaha
