#pragma once

#include "engine/hand_observer.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace omaha {

// The hands of this run as text, hand by hand in the order they happened: the deal, every action,
// each street with its cards, and the end. Keeps the latest hands only, so that a long run does
// not grow without bound.
class HandHistory final : public HandObserver {
public:
    static constexpr std::size_t kKeptHands = 200;

    // Keeps the latest `keptHands` hands.
    explicit HandHistory(std::size_t keptHands = kKeptHands) : keptHands_(keptHands) {}

    void newGame(std::int32_t startingCash) override;
    void handDealt(const Hole& yourCards) override;
    void blindPosted(SeatCode seat, Blind blind, std::int32_t amount) override;
    void acted(SeatCode seat, Action action, std::int32_t amount) override;
    void cardsTurned(Street street, std::span<const Card> cards) override;
    void handShown(SeatCode seat, std::string_view name, const BestFive& hand) override;
    void potShared(SeatCode seat, std::int32_t share, std::int32_t pot) override;
    void wonByFolds(std::int32_t pot) override;

    // The whole history, a blank line between hands.
    std::string text() const;

    // Called after every new line.
    void onChange(std::function<void()> changed) { changed_ = std::move(changed); }

private:
    void add(std::string line);

    std::size_t keptHands_;
    std::deque<std::vector<std::string>> hands_;
    long handsDealt_ = 0; // in this game: a new game counts from 1 again
    // Opens the first hand of a new game, to mark where the old game ended.
    std::string newGameLine_;
    std::function<void()> changed_;
};

} // namespace omaha
