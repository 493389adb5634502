#pragma once

#include "core/table_state.h"
#include "engine/hand_observer.h"
#include "records/hand_record.h"

#include <optional>

namespace omaha {

class HandRecords;

// Keeps every finished hand in the records: it gathers what the hand history is told and reads
// every seat's cards and cash from the table at the deal and once the pot is paid. A hand left
// unfinished (a new game started in the middle of it, the program closed) is not kept.
class HandRecorder final : public HandObserver {
public:
    HandRecorder(const TableState& table, HandRecords& records);

    // The hand in play, or else the next, opens a game in the records, although no new game is
    // announced: the game is played from a fresh start, as `omaha-sim play` plays from a settings
    // file of its own, or as the window plays when it finds no game saved.
    void beginFreshGame() { opensGame_ = true; }

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
    void add(HandEventKind kind, SeatCode seat = 0, std::int32_t amount = 0,
             std::vector<Card> cards = {}, std::string name = {});

    const TableState& table_;
    HandRecords& records_;
    std::optional<HandRecord> hand_; // the hand in play
    Street street_ = Street::Preflop;
    // Both wait for the next hand that reaches the records, so that a hand that could not be
    // written leaves the game's start to the next one.
    bool opensGame_ = false;
    std::optional<std::int32_t> newGameCash_; // a new game was announced with this cash
};

} // namespace omaha
