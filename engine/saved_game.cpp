#include "engine/saved_game.h"

#include "core/card_backs.h"
#include "core/seat_facts.h"
#include "engine/option_values.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace omaha {

namespace {

// A hand-edited file may hold anything: the cash and the card back are read only within what the
// options panel accepts (a card back far out of range overflows the panel's list index), and a bet
// from 1 to 1,000,000 (a negative bet would make a negative pot), also one that no betting limit
// gives.
using Acceptable = bool (*)(std::int32_t) noexcept;

constexpr bool isUsableBet(std::int32_t bet) noexcept {
    return bet >= 1 && bet <= 1'000'000;
}

std::int32_t readAcceptable(const SettingsStore& store, std::string_view section,
                            std::string_view key, std::int32_t fallback, Acceptable acceptable) {
    const std::int32_t value = store.readInt(section, key, fallback);
    return acceptable(value) ? value : fallback;
}

// The stored integer, or nothing where there is none that can be read: no stored number equals
// both of two different fallbacks.
std::optional<std::int32_t> readStored(const SettingsStore& store, std::string_view section,
                                       std::string_view key) {
    const std::int32_t value = store.readInt(section, key, 0);
    if (value == 0 && store.readInt(section, key, 1) == 1)
        return std::nullopt;
    return value;
}

// Every seat's cash, in the order the cash keys are always written, into `out`.
void putCash(const TableState& table, std::span<IntSetting, kSeatCount> out) {
    for (std::size_t at = 0; at < kCashKeyOrder.size(); ++at) {
        const SeatCode seat = kCashKeyOrder[at];
        out[at] = {"Cash", seatFacts(seat).cashKey, table.seats[seat].cash};
    }
}

} // namespace

bool loadSavedGame(TableState& table, SettingsStore& store) {
    table.backgroundColour = store.readInt("Background", "Color", 0);
    bool cashSaved = false;
    for (const SeatCode seat : kCashKeyOrder) {
        const std::optional<std::int32_t> cash = readStored(store, "Cash", seatFacts(seat).cashKey);
        cashSaved = cashSaved || cash.has_value();
        table.seats[seat].cash = cash.value_or(kDefaultCash);
    }
    table.targetMargin = readAcceptable(store, "Cash", "until", kDefaultTarget, isCashWithinLimits);
    table.startingCash = readAcceptable(store, "Cash", "initial", kDefaultCash, isCashWithinLimits);
    table.cardBack = readAcceptable(store, "Card", "back", kFirstCardBack, isCardBack);

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
        static_cast<AiLevel>(store.readInt("Levels", "comp", levelValue(kDefaultAiLevel)));
    table.smallBet =
        readAcceptable(store, "Bet", "small", smallBetAt(kDefaultBetLevel), isUsableBet);
    table.bigBet = readAcceptable(store, "Bet", "big", bigBetAt(kDefaultBetLevel), isUsableBet);
    return cashSaved;
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
