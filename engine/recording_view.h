#pragma once

#include "engine/table_view.h"

#include <array>
#include <string>
#include <vector>

namespace omaha {

// A table view with no window: it keeps what each label and button would show and the texts of
// the message boxes, for the tests and the headless tool.
class RecordingView final : public TableView {
public:
    struct Message {
        std::string text;
        std::string caption;
    };

    void showStatus(SeatCode seat, std::string_view text) override;
    void colourStatus(SeatCode seat, StatusColour colour) override;
    void showCash(SeatCode seat, std::int32_t cash) override;
    void showPot(std::int32_t pot) override;
    void showResult(std::string_view text) override;
    void enableButton(TableButton button, bool enabled) override;
    void setStayCaption(std::string_view caption) override;
    void showCards(const TableState& table) override;
    void wipeSeatCards(SeatCode seat) override;
    void wipeBoard() override;
    void showMessage(std::string_view text, std::string_view caption) override;

    const std::string& status(SeatCode seat) const { return statuses_[seat]; }
    bool yellow(SeatCode seat) const { return yellow_[seat]; }
    const std::string& cashText(SeatCode seat) const { return cash_[seat]; }
    const std::string& result() const { return result_; }
    bool enabled(TableButton button) const { return buttons_[static_cast<std::size_t>(button)]; }
    const std::string& stayCaption() const { return stayCaption_; }

    // Message boxes shown since the last call, oldest first.
    std::vector<Message> takeMessages();
    const std::vector<Message>& messages() const { return messages_; }

    // Every update in the order it came, e.g. "status 2 small blind", "cash 8 1198", "paint fbbbbbbb 3",
    // "wipe 3", "wipe board".
    const std::vector<std::string>& log() const { return log_; }
    void clearLog() { log_.clear(); }

private:
    BySeat<std::string> statuses_{};
    BySeat<bool> yellow_{};
    BySeat<std::string> cash_{};
    std::string result_;
    // A fresh window has every table button enabled and reads "Check".
    std::array<bool, 4> buttons_{true, true, true, true};
    std::string stayCaption_ = "Check";
    std::vector<Message> messages_;
    std::vector<std::string> log_;
};

} // namespace omaha
