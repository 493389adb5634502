#include "records/hand_recorder.h"

#include "records/hand_records.h"

#include <iterator>
#include <utility>

namespace omaha {

HandRecorder::HandRecorder(const TableState& table, HandRecords& records)
    : table_(table), records_(records) {}

void HandRecorder::newGame(std::int32_t startingCash) {
    newGameCash_ = startingCash;
}

void HandRecorder::handDealt(const Hole& yourCards) {
    hand_.emplace();
    street_ = Street::Preflop;
    hand_->aiLevel = levelValue(table_.aiLevel);
    hand_->smallBet = table_.smallBet;
    hand_->bigBet = table_.bigBet;
    hand_->board = table_.board;
    for (const SeatCode seat : kTableOrder) {
        hand_->seats[seat].cards = table_.seats[seat].hole;
        hand_->seats[seat].cashBefore = table_.seats[seat].cash;
    }
    hand_->opensGame = newGameCash_.has_value();
    hand_->startingCash = table_.startingCash;
    if (newGameCash_) {
        hand_->startingCash = *newGameCash_;
        add(HandEventKind::NewGame, 0, *newGameCash_);
    }
    add(HandEventKind::Dealt, 0, 0, {yourCards.begin(), yourCards.end()});
}

void HandRecorder::blindPosted(SeatCode seat, Blind blind, std::int32_t amount) {
    add(blind == Blind::Small ? HandEventKind::SmallBlind : HandEventKind::BigBlind, seat, amount);
    if (hand_)
        hand_->seats[seat].putIn += amount;
}

void HandRecorder::acted(SeatCode seat, Action action, std::int32_t amount) {
    static constexpr HandEventKind kKinds[] = {HandEventKind::Check, HandEventKind::Call,
                                               HandEventKind::Raise, HandEventKind::Fold};
    add(kKinds[static_cast<int>(action)], seat, amount);
    if (hand_)
        hand_->seats[seat].putIn += amount;
}

void HandRecorder::cardsTurned(Street street, std::span<const Card> cards) {
    street_ = street;
    add(street == Street::Flop   ? HandEventKind::Flop
        : street == Street::Turn ? HandEventKind::Turn
                                 : HandEventKind::River,
        0, 0, {cards.begin(), cards.end()});
    if (hand_)
        hand_->boardShown += static_cast<int>(cards.size());
}

void HandRecorder::handShown(SeatCode seat, std::string_view name, const BestFive& hand) {
    std::vector<Card> cards(hand.own.begin(), hand.own.end());
    cards.insert(cards.end(), hand.shared.begin(), hand.shared.end());
    add(HandEventKind::Shown, seat, 0, std::move(cards), std::string(name));
}

void HandRecorder::potShared(SeatCode seat, std::int32_t share, std::int32_t /*pot*/) {
    add(HandEventKind::Share, seat, share);
    if (hand_)
        hand_->seats[seat].share = share;
}

void HandRecorder::wonByFolds(std::int32_t pot) {
    add(HandEventKind::WonByFolds, 0, pot);
    if (hand_) {
        hand_->wonByFolds = true;
        hand_->seats[kHuman].share = pot;
    }
}

void HandRecorder::handEnded() {
    if (!hand_)
        return;
    hand_->opensGame = hand_->opensGame || opensGame_;
    hand_->pot = table_.pot;
    for (const SeatCode seat : kTableOrder)
        hand_->seats[seat].cashAfter = table_.seats[seat].cash;
    if (records_.recordHand(*hand_)) {
        opensGame_ = false;
        newGameCash_.reset();
    }
    hand_.reset();
}

void HandRecorder::gameEnded(bool youWon) {
    // A game none of whose hands reached the records has no end there: the game the records
    // hold as the current one is another.
    if (opensGame_ || newGameCash_)
        return;
    records_.recordGameEnd(youWon ? GameOutcome::Won : GameOutcome::Lost);
}

void HandRecorder::add(HandEventKind kind, SeatCode seat, std::int32_t amount,
                       std::vector<Card> cards, std::string name) {
    if (hand_)
        hand_->events.push_back({kind, street_, seat, amount, std::move(cards), std::move(name)});
}

} // namespace omaha
