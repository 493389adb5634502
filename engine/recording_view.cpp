#include "engine/recording_view.h"

#include "engine/visible_cards.h"

#include <string>
#include <utility>

namespace omaha {

void RecordingView::showStatus(SeatCode seat, std::string_view text) {
    statuses_[seat] = text;
    log_.push_back("status " + std::to_string(seat) + " " + std::string(text));
}

void RecordingView::colourStatus(SeatCode seat, StatusColour colour) {
    yellow_[seat] = colour == StatusColour::Yellow;
    log_.push_back("colour " + std::to_string(seat) + (yellow_[seat] ? " yellow" : " white"));
}

void RecordingView::showCash(SeatCode seat, std::int32_t cash) {
    log_.push_back("cash " + std::to_string(seat) + " " + std::to_string(cash));
}

void RecordingView::showPot(std::int32_t pot) {
    log_.push_back("pot " + std::to_string(pot));
}

void RecordingView::showResult(std::string_view text) {
    result_ = text;
    log_.push_back("result " + result_);
}

void RecordingView::enableButton(TableButton button, bool enabled) {
    buttons_[static_cast<std::size_t>(button)] = enabled;
    constexpr std::array<const char*, 4> names = {"deal", "stay", "raise", "fold"};
    log_.push_back(std::string(enabled ? "enable " : "disable ") +
                   names[static_cast<std::size_t>(button)]);
}

void RecordingView::setStayCaption(std::string_view caption) {
    stayCaption_ = caption;
    log_.push_back("caption " + stayCaption_);
}

void RecordingView::showCards(const TableState& table) {
    // What shows after the paint: each seat's cards in table order (f faces, b backs, - none),
    // then how many community cards, e.g. "paint fbbbbbb- 3".
    const VisibleCards visible = visibleCards(table);
    std::string entry = "paint ";
    for (const SeatCode seat : kTableOrder)
        entry += visible.seats[seat] == SeatCards::Faces   ? 'f'
                 : visible.seats[seat] == SeatCards::Backs ? 'b'
                                                           : '-';
    entry += ' ';
    entry += std::to_string(visible.boardCards);
    log_.push_back(std::move(entry));
}

void RecordingView::wipeSeatCards(SeatCode seat) {
    log_.push_back("wipe " + std::to_string(seat));
}

void RecordingView::wipeBoard() {
    log_.push_back("wipe board");
}

void RecordingView::showMessage(std::string_view text, std::string_view /*caption*/) {
    messages_.emplace_back(text);
    log_.push_back("message " + std::string(text));
}

std::vector<std::string> RecordingView::takeMessages() {
    return std::exchange(messages_, {});
}

} // namespace omaha
