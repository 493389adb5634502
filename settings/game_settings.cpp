#include "settings/game_settings.h"

#include "engine/seats.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace omaha {

namespace {

struct CashKey {
    SeatCode seat;
    std::string_view key;
};

// The order in which the cash keys are always read and written.
constexpr std::array<CashKey, kSeatCount> kCashKeys = {{{kFreak, "freak"},
                                                        {kHuman, "player"},
                                                        {kGeek, "geek"},
                                                        {kMaster, "master"},
                                                        {kChamp, "champ"},
                                                        {kPinhead, "pinhead"},
                                                        {kExpert, "expert"},
                                                        {kRobot, "robot"}}};

constexpr std::int32_t kDefaultCash = 1200;
// A first run plays to 600 over the initial cash, although the options panel shows 1000 until the
// file has been read.
constexpr std::int32_t kDefaultTarget = 600;
// Level 1 of the betting limits.
constexpr std::int32_t kDefaultSmallBet = 2;
constexpr std::int32_t kDefaultBigBet = 4;

} // namespace

void loadsettings(TableState& table, const SettingsFile& file) {
    table.bgcolor = file.readInt("Background", "Color", 0);
    for (const CashKey& cash : kCashKeys) {
        table.seats[cash.seat].cash = file.readInt("Cash", cash.key, kDefaultCash);
    }
    table.untilcash = file.readInt("Cash", "until", kDefaultTarget);
    table.initialcash = file.readInt("Cash", "initial", kDefaultCash);
    table.cardback = file.readInt("Card", "back", kFirstCardBack);

    // The echo makes a first run create the file, and adds any of these keys that it lacks.
    file.writeInt("Background", "Color", table.bgcolor);
    savecash(table, file);
    file.writeInt("Cash", "until", table.untilcash);
    file.writeInt("Cash", "initial", table.initialcash);
    file.writeInt("Card", "back", table.cardback);

    // Not echoed: these enter the file only when the player first changes them in the options.
    table.complevel = file.readInt("Levels", "comp", kAmateur);
    table.smallbet = file.readInt("Bet", "small", kDefaultSmallBet);
    table.bigbet = file.readInt("Bet", "big", kDefaultBigBet);
}

void savecash(const TableState& table, const SettingsFile& file) {
    for (const CashKey& cash : kCashKeys) {
        file.writeInt("Cash", cash.key, table.seats[cash.seat].cash);
    }
}

} // namespace omaha
