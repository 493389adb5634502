#pragma once

#include "engine/hand_observer.h"

#include <vector>

namespace omaha {

// Tells each of several observers, in the order they were added, everything the game tells it:
// the window's hand history, the recorder of the player's hands, the coach and the statistics
// all follow the same hands, while the game tells one observer.
class HandObservers final : public HandObserver {
public:
    // `observer` must outlive this, or the game's telling.
    void add(HandObserver& observer) { observers_.push_back(&observer); }

    void newGame(std::int32_t startingCash) override;
    void handDealt(const Hole& yourCards) override;
    void blindPosted(SeatCode seat, Blind blind, std::int32_t amount) override;
    void acted(SeatCode seat, Action action, std::int32_t amount) override;
    void cardsTurned(Street street, std::span<const Card> cards) override;
    void handShown(SeatCode seat, std::string_view name, const BestFive& hand) override;
    void potShared(SeatCode seat, std::int32_t share, std::int32_t pot) override;
    void wonByFolds(std::int32_t pot) override;
    void handEnded() override;
    void gameEnded(bool youWon) override;

private:
    template <typename... Parameters, typename... Arguments>
    void tellAll(void (HandObserver::*event)(Parameters...), const Arguments&... arguments) {
        for (HandObserver* observer : observers_)
            (observer->*event)(arguments...);
    }

    std::vector<HandObserver*> observers_;
};

} // namespace omaha
