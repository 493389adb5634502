#include "records/replay.h"

#include <algorithm>

namespace omaha {

namespace {

template <std::size_t N>
std::array<Card, N> someCards(const std::vector<Card>& cards, std::size_t from) {
    std::array<Card, N> some{};
    for (std::size_t at = 0; at < N && from + at < cards.size(); ++at)
        some[at] = cards[from + at];
    return some;
}

} // namespace

void replayHand(std::span<const HandEvent> events, std::int32_t pot, HandObserver& observer) {
    for (const HandEvent& event : events) {
        switch (event.kind) {
        case HandEventKind::NewGame:
            observer.newGame(event.amount);
            break;
        case HandEventKind::Dealt:
            observer.handDealt(someCards<kHoleCards>(event.cards, 0));
            break;
        case HandEventKind::SmallBlind:
        case HandEventKind::BigBlind:
            observer.blindPosted(
                event.seat, event.kind == HandEventKind::SmallBlind ? Blind::Small : Blind::Big,
                event.amount);
            break;
        case HandEventKind::Check:
        case HandEventKind::Call:
        case HandEventKind::Raise:
        case HandEventKind::Fold:
            observer.acted(event.seat,
                           static_cast<Action>(static_cast<int>(event.kind) -
                                               static_cast<int>(HandEventKind::Check)),
                           event.amount);
            break;
        case HandEventKind::Flop:
        case HandEventKind::Turn:
        case HandEventKind::River:
            observer.cardsTurned(event.street, event.cards);
            break;
        case HandEventKind::Shown:
            observer.handShown(
                event.seat, event.name,
                BestFive{{}, someCards<2>(event.cards, 0), someCards<3>(event.cards, 2)});
            break;
        case HandEventKind::Share:
            observer.potShared(event.seat, event.amount, pot);
            break;
        case HandEventKind::WonByFolds:
            observer.wonByFolds(event.amount);
            break;
        }
    }
    observer.handEnded();
}

} // namespace omaha
