#include "engine/hand_history.h"

#include "core/card_text.h"
#include "core/game_text.h"
#include "core/seat_facts.h"

#include <array>
#include <utility>

namespace omaha {

namespace {

// A line of the human's act or of a computer seat's, whose name goes in the first place: "You call
// 20" but "Freak calls 20". Each has its own sentence, so that each language can bend the verb its
// own way.
std::string actLine(SeatCode seat, const std::string& youSentence, const std::string& seatSentence,
                    std::string_view amount = {}) {
    if (seat == kHuman)
        return fillPlaces(youSentence, {amount});
    return fillPlaces(seatSentence, {seatFacts(seat).name, amount});
}

} // namespace

void HandHistory::newGame(std::int32_t startingCash) {
    newGameLine_ = fillPlaces(gameText("History", "New game: every seat starts with %1"),
                              {std::to_string(startingCash)});
    handsDealt_ = 0;
}

void HandHistory::handDealt(const Hole& yourCards) {
    if (hands_.size() == keptHands_)
        hands_.pop_front();
    hands_.emplace_back();
    if (!newGameLine_.empty())
        add(std::exchange(newGameLine_, {}));
    add(fillPlaces(gameText("History", "Hand %1"), {std::to_string(++handsDealt_)}));
    add(fillPlaces(gameText("History", "You hold %1"), {cardNames(yourCards)}));
}

void HandHistory::blindPosted(SeatCode seat, Blind blind, std::int32_t amount) {
    const std::string chips = std::to_string(amount);
    if (blind == Blind::Small)
        add(actLine(seat, gameText("History", "You post the small blind %1"),
                    gameText("History", "%1 posts the small blind %2"), chips));
    else
        add(actLine(seat, gameText("History", "You post the big blind %1"),
                    gameText("History", "%1 posts the big blind %2"), chips));
}

void HandHistory::acted(SeatCode seat, Action action, std::int32_t amount) {
    const std::string chips = std::to_string(amount);
    switch (action) {
    case Action::Check:
        add(actLine(seat, gameText("History", "You check"), gameText("History", "%1 checks")));
        break;
    case Action::Call:
        add(actLine(seat, gameText("History", "You call %1"), gameText("History", "%1 calls %2"),
                    chips));
        break;
    case Action::Raise:
        add(actLine(seat, gameText("History", "You raise %1"), gameText("History", "%1 raises %2"),
                    chips));
        break;
    case Action::Fold:
        add(actLine(seat, gameText("History", "You fold"), gameText("History", "%1 folds")));
        break;
    }
}

void HandHistory::cardsTurned(Street street, std::span<const Card> cards) {
    const std::string sentence = street == Street::Flop   ? gameText("History", "Flop: %1")
                                 : street == Street::Turn ? gameText("History", "Turn: %1")
                                                          : gameText("History", "River: %1");
    add(fillPlaces(sentence, {cardNames(cards)}));
}

void HandHistory::handShown(SeatCode seat, std::string_view /*name*/, const BestFive& hand) {
    // `name` is English, as the records file keeps it; the history names the hand again from its
    // five cards, in the player's language (a hand told again from the records has no rank).
    const FiveCards five = {hand.own[0], hand.own[1], hand.shared[0], hand.shared[1],
                            hand.shared[2]};
    const std::string who =
        seat == kHuman ? gameText("History", "You") : std::string(seatFacts(seat).name);
    add(fillPlaces(
        gameText("History", "%1: %2 = %3 + %4"),
        {who, handNameText(rankFive(five).category), cardNames(hand.own), cardNames(hand.shared)}));
}

void HandHistory::potShared(SeatCode seat, std::int32_t share, std::int32_t pot) {
    const std::string potText = std::to_string(pot);
    const std::string shareText = std::to_string(share);
    if (seat == kHuman)
        add(fillPlaces(gameText("History", "You take %1 of the pot of %2"), {shareText, potText}));
    else
        add(fillPlaces(gameText("History", "%1 takes %2 of the pot of %3"),
                       {seatFacts(seat).name, shareText, potText}));
}

void HandHistory::wonByFolds(std::int32_t pot) {
    add(fillPlaces(gameText("History", "You take the pot of %1, won by folds"),
                   {std::to_string(pot)}));
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
