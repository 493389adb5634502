#include "engine/saved_game.h"

#include "core/seat_facts.h"

#include <array>
#include <cstdint>
#include <span>

namespace omaha {

namespace {

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

std::int32_t readWithin(const SettingsStore& store, std::string_view section, std::string_view key,
                        std::int32_t fallback, Limits limits) {
    const std::int32_t value = store.readInt(section, key, fallback);
    return value >= limits.lowest && value <= limits.highest ? value : fallback;
}

// Every seat's cash, in the order the cash keys are always written, into `out`.
void putCash(const TableState& table, std::span<IntSetting, kSeatCount> out) {
    for (std::size_t at = 0; at < kCashKeyOrder.size(); ++at) {
        const SeatCode seat = kCashKeyOrder[at];
        out[at] = {"Cash", seatFacts(seat).cashKey, table.seats[seat].cash};
    }
}

} // namespace

void loadSavedGame(TableState& table, SettingsStore& store) {
    table.backgroundColour = store.readInt("Background", "Color", 0);
    for (const SeatCode seat : kCashKeyOrder)
        table.seats[seat].cash = store.readInt("Cash", seatFacts(seat).cashKey, kDefaultCash);
    table.targetMargin = readWithin(store, "Cash", "until", kDefaultTarget, kCashLimits);
    table.startingCash = readWithin(store, "Cash", "initial", kDefaultCash, kCashLimits);
    table.cardBack = readWithin(store, "Card", "back", kFirstCardBack, kCardBackLimits);

    // The echo makes a first run create the file, and adds any of these keys that it lacks, in
    // the order in which they were read.
    std::array<IntSetting, 2 + kSeatCount + 2> echo{};
    echo.front() = {"Background", "Color", table.backgroundColour};
    putCash(table, std::span(echo).subspan<1, kSeatCount>());
    echo[1 + kSeatCount] = {"Cash", "until", table.targetMargin};
    echo[2 + kSeatCount] = {"Cash", "initial", table.startingCash};
    echo.back() = {"Card", "back", table.cardBack};
    store.writeInts(echo);

    // Not echoed: these enter the file only when the player first changes them in the options.
    table.aiLevel =
        static_cast<AiLevel>(store.readInt("Levels", "comp", levelValue(AiLevel::Amateur)));
    table.smallBet = readWithin(store, "Bet", "small", kDefaultSmallBet, kBetLimits);
    table.bigBet = readWithin(store, "Bet", "big", kDefaultBigBet, kBetLimits);
}

void saveCash(const TableState& table, SettingsStore& store) {
    std::array<IntSetting, kSeatCount> cash{};
    putCash(table, cash);
    store.writeInts(cash);
}

void saveFreshCash(std::int32_t cash, SettingsStore& store) {
    std::array<IntSetting, 1 + kSeatCount> fresh{};
    fresh.front() = {"Cash", "initial", cash};
    for (std::size_t at = 0; at < kCashKeyOrder.size(); ++at)
        fresh[1 + at] = {"Cash", seatFacts(kCashKeyOrder[at]).cashKey, cash};
    store.writeInts(fresh);
}

void saveDealSettings(const TableState& table, SettingsStore& store) {
    std::array<IntSetting, 1 + kSeatCount> deal{};
    deal.front() = {"Background", "Color", table.backgroundColour};
    putCash(table, std::span(deal).subspan<1, kSeatCount>());
    store.writeInts(deal);
}

} // namespace omaha
