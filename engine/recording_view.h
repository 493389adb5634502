#pragma once

#include "engine/table_view.h"

#include <array>
#include <string>
#include <vector>

namespace omaha {

// A table view with no window, for the headless tool and the tests: it keeps what each label and
// button would show, the texts of the message boxes, and every call it received.
class RecordingView final : public TableView {
public:
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
    const std::string& result() const { return result_; }
    bool enabled(TableButton button) const { return buttons_[static_cast<std::size_t>(button)]; }
    const std::string& stayCaption() const { return stayCaption_; }

    // The texts of the message boxes shown since the last call, oldest first.
    std::vector<std::string> takeMessages();

    // Every update in the order it came: "status 2 small blind", "cash 8 1198", "wipe 3",
    // "wipe board", "paint fbbbbbbb 3" ...
    const std::vector<std::string>& log() const { return log_; }

private:
    BySeat<std::string> statuses_{};
    BySeat<bool> yellow_{};
    std::string result_;
    // A fresh window has every table button enabled and reads "Check".
    std::array<bool, 4> buttons_{true, true, true, true};
    std::string stayCaption_ = "Check";
    std::vector<std::string> messages_;
    std::vector<std::string> log_;
};

} // namespace omaha
