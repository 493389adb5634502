#include "engine/recording_view.h"

#include <utility>

namespace omaha {

void RecordingView::showStatus(SeatCode seat, std::string_view text) { statuses_[seat] = text; }

void RecordingView::colourStatus(SeatCode seat, StatusColour colour) {
    yellow_[seat] = colour == StatusColour::Yellow;
}

void RecordingView::showCash(SeatCode seat, std::int32_t cash) { cash_[seat] = std::to_string(cash); }

void RecordingView::showPot(std::int32_t pot) { pot_ = std::to_string(pot); }

void RecordingView::showResult(std::string_view text) { result_ = text; }

void RecordingView::enableButton(TableButton button, bool enabled) {
    buttons_[static_cast<std::size_t>(button)] = enabled;
}

void RecordingView::setStayCaption(std::string_view caption) { stayCaption_ = caption; }

void RecordingView::paintcards(const TableState&) { ++paintCount_; }

void RecordingView::erasearea(Rect area) { erased_.push_back(area); }

void RecordingView::showMessage(std::string_view text, std::string_view caption) {
    messages_.push_back({std::string(text), std::string(caption)});
}

bool RecordingView::askYesNo(std::string_view text, std::string_view caption) {
    messages_.push_back({std::string(text), std::string(caption)});
    return answer_;
}

std::vector<RecordingView::Message> RecordingView::takeMessages() {
    return std::exchange(messages_, {});
}

} // namespace omaha
