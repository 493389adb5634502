#include "engine/saved_game.h"

#include "core/seat_facts.h"

#include <cstdint>

namespace omaha {

namespace {

constexpr std::int32_t kDefaultCash = 1200;
// A first run plays to 600 over the initial cash, although the options panel shows 1000 until the
// file has been read.
constexpr std::int32_t kDefaultTarget = 600;
// Level 1 of the betting limits.
constexpr std::int32_t kDefaultSmallBet = 2;
constexpr std::int32_t kDefaultBigBet = 4;

} // namespace

void loadSavedGame(TableState& table, const SettingsFile& file) {
    table.bgcolor = file.readInt("Background", "Color", 0);
    for (const SeatCode seat : kCashKeyOrder)
        table.seats[seat].cash = file.readInt("Cash", seatFacts(seat).cashKey, kDefaultCash);
    table.untilcash = file.readInt("Cash", "until", kDefaultTarget);
    table.initialcash = file.readInt("Cash", "initial", kDefaultCash);
    table.cardback = file.readInt("Card", "back", kFirstCardBack);

    // The echo makes a first run create the file, and adds any of these keys that it lacks.
    file.writeInt("Background", "Color", table.bgcolor);
    saveCash(table, file);
    file.writeInt("Cash", "until", table.untilcash);
    file.writeInt("Cash", "initial", table.initialcash);
    file.writeInt("Card", "back", table.cardback);

    // Not echoed: these enter the file only when the player first changes them in the options.
    table.complevel =
        static_cast<AiLevel>(file.readInt("Levels", "comp", levelValue(AiLevel::Amateur)));
    table.smallbet = file.readInt("Bet", "small", kDefaultSmallBet);
    table.bigbet = file.readInt("Bet", "big", kDefaultBigBet);
}

void saveCash(const TableState& table, const SettingsFile& file) {
    for (const SeatCode seat : kCashKeyOrder)
        file.writeInt("Cash", seatFacts(seat).cashKey, table.seats[seat].cash);
}

void saveDealSettings(const TableState& table, const SettingsFile& file) {
    file.writeInt("Background", "Color", table.bgcolor);
    saveCash(table, file);
}

} // namespace omaha
