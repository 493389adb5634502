#include "engine/hand_history.h"

#include "core/card_text.h"
#include "core/seat_facts.h"

#include <array>
#include <utility>

namespace omaha {

namespace {

// "You check" but "Freak checks".
std::string subjectWithVerb(SeatCode seat, std::string_view verb) {
    std::string line(seatFacts(seat).name);
    line += ' ';
    line += verb;
    if (seat != kHuman)
        line += 's';
    return line;
}

} // namespace

void HandHistory::newGame(std::int32_t startingCash) {
    newGameLine_ = "New game: every seat starts with " + std::to_string(startingCash);
    handsDealt_ = 0;
}

void HandHistory::handDealt(const Hole& yourCards) {
    if (hands_.size() == keptHands_)
        hands_.pop_front();
    hands_.emplace_back();
    if (!newGameLine_.empty())
        add(std::exchange(newGameLine_, {}));
    add("Hand " + std::to_string(++handsDealt_));
    add("You hold " + cardNames(yourCards));
}

void HandHistory::blindPosted(SeatCode seat, Blind blind, std::int32_t amount) {
    add(subjectWithVerb(seat, "post") +
        (blind == Blind::Small ? " the small blind " : " the big blind ") + std::to_string(amount));
}

void HandHistory::acted(SeatCode seat, Action action, std::int32_t amount) {
    switch (action) {
    case Action::Check:
        add(subjectWithVerb(seat, "check"));
        break;
    case Action::Call:
        add(subjectWithVerb(seat, "call") + " " + std::to_string(amount));
        break;
    case Action::Raise:
        add(subjectWithVerb(seat, "raise") + " " + std::to_string(amount));
        break;
    case Action::Fold:
        add(subjectWithVerb(seat, "fold"));
        break;
    }
}

void HandHistory::cardsTurned(Street street, std::span<const Card> cards) {
    std::string line = street == Street::Flop   ? "Flop:"
                       : street == Street::Turn ? "Turn:"
                                                : "River:";
    for (const Card& card : cards) {
        line += ' ';
        line += cardName(card);
    }
    add(std::move(line));
}

void HandHistory::handShown(SeatCode seat, std::string_view name, const BestFive& hand) {
    add(std::string(seatFacts(seat).name) + ": " + std::string(name) + " = " + cardNames(hand.own) +
        " + " + cardNames(hand.shared));
}

void HandHistory::potShared(SeatCode seat, std::int32_t share, std::int32_t pot) {
    add(subjectWithVerb(seat, "take") + " " + std::to_string(share) + " of the pot of " +
        std::to_string(pot));
}

void HandHistory::wonByFolds(std::int32_t pot) {
    add("You take the pot of " + std::to_string(pot) + ", won by folds");
}

std::string HandHistory::text() const {
    std::string all;
    for (const auto& hand : hands_) {
        if (!all.empty())
            all += '\n';
        for (const std::string& line : hand)
            all += line + '\n';
    }
    return all;
}

void HandHistory::add(std::string line) {
    // Events before the first deal (none in play) still get a hand to go in.
    if (hands_.empty())
        hands_.emplace_back();
    hands_.back().push_back(std::move(line));
    if (changed_)
        changed_();
}

} // namespace omaha
