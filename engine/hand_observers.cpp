#include "engine/hand_observers.h"

namespace omaha {

void HandObservers::newGame(std::int32_t startingCash) {
    tellAll(&HandObserver::newGame, startingCash);
}

void HandObservers::handDealt(const Hole& yourCards) {
    tellAll(&HandObserver::handDealt, yourCards);
}

void HandObservers::blindPosted(SeatCode seat, Blind blind, std::int32_t amount) {
    tellAll(&HandObserver::blindPosted, seat, blind, amount);
}

void HandObservers::acted(SeatCode seat, Action action, std::int32_t amount) {
    tellAll(&HandObserver::acted, seat, action, amount);
}

void HandObservers::cardsTurned(Street street, std::span<const Card> cards) {
    tellAll(&HandObserver::cardsTurned, street, cards);
}

void HandObservers::handShown(SeatCode seat, std::string_view name, const BestFive& hand) {
    tellAll(&HandObserver::handShown, seat, name, hand);
}

void HandObservers::potShared(SeatCode seat, std::int32_t share, std::int32_t pot) {
    tellAll(&HandObserver::potShared, seat, share, pot);
}

void HandObservers::wonByFolds(std::int32_t pot) {
    tellAll(&HandObserver::wonByFolds, pot);
}

void HandObservers::handEnded() {
    tellAll(&HandObserver::handEnded);
}

void HandObservers::gameEnded(bool youWon) {
    tellAll(&HandObserver::gameEnded, youWon);
}

} // namespace omaha
