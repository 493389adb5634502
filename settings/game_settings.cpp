#include "settings/game_settings.h"

#include "engine/seats.h"
#include "settings/temporary_files.h"

#include <array>
#include <cstdint>
#include <span>
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

// The values that the options panel accepts. A hand-edited file may hold anything: a negative bet
// would make a negative pot, and a card back far out of range overflows the panel's list index.
struct Limits {
    std::int32_t lowest;
    std::int32_t highest;
};
constexpr Limits kBetLimits{1, 1'000'000};
constexpr Limits kCashLimits{100, 1'000'000};
constexpr Limits kCardBackLimits{kFirstCardBack, kLastCardBack};

std::int32_t readWithin(const SettingsFile& file, std::string_view section, std::string_view key,
                        std::int32_t fallback, Limits limits) {
    const std::int32_t value = file.readInt(section, key, fallback);
    return value >= limits.lowest && value <= limits.highest ? value : fallback;
}

// Every seat's cash, in the order of kCashKeys, into `out`.
void putCash(const TableState& table, std::span<IntSetting, kSeatCount> out) {
    for (std::size_t at = 0; at < kCashKeys.size(); ++at)
        out[at] = {"Cash", kCashKeys[at].key, table.seats[kCashKeys[at].seat].cash};
}

} // namespace

void loadsettings(TableState& table, const SettingsFile& file) {
    removeStaleTemporaryFiles(file.path());
    table.bgcolor = file.readInt("Background", "Color", 0);
    for (const CashKey& cash : kCashKeys) {
        table.seats[cash.seat].cash = file.readInt("Cash", cash.key, kDefaultCash);
    }
    table.untilcash = readWithin(file, "Cash", "until", kDefaultTarget, kCashLimits);
    table.initialcash = readWithin(file, "Cash", "initial", kDefaultCash, kCashLimits);
    table.cardback = readWithin(file, "Card", "back", kFirstCardBack, kCardBackLimits);

    // The echo makes a first run create the file, and adds any of these keys that it lacks, in
    // the order in which they were read.
    std::array<IntSetting, 2 + kSeatCount + 2> echo{};
    echo.front() = {"Background", "Color", table.bgcolor};
    putCash(table, std::span(echo).subspan<1, kSeatCount>());
    echo[1 + kSeatCount] = {"Cash", "until", table.untilcash};
    echo[2 + kSeatCount] = {"Cash", "initial", table.initialcash};
    echo.back() = {"Card", "back", table.cardback};
    file.writeInts(echo);

    // Not echoed: these enter the file only when the player first changes them in the options.
    table.complevel = file.readInt("Levels", "comp", kAmateur);
    table.smallbet = readWithin(file, "Bet", "small", kDefaultSmallBet, kBetLimits);
    table.bigbet = readWithin(file, "Bet", "big", kDefaultBigBet, kBetLimits);
}

void savecash(const TableState& table, const SettingsFile& file) {
    std::array<IntSetting, kSeatCount> cash{};
    putCash(table, cash);
    file.writeInts(cash);
}

void saveDealSettings(const TableState& table, const SettingsFile& file) {
    std::array<IntSetting, 1 + kSeatCount> deal{};
    deal.front() = {"Background", "Color", table.bgcolor};
    putCash(table, std::span(deal).subspan<1, kSeatCount>());
    file.writeInts(deal);
}

} // namespace omaha
