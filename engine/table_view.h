#pragma once

#include "core/seats.h"

#include <cstdint>
#include <string_view>

namespace omaha {

struct TableState;

enum class TableButton { Deal, Stay, Raise, Fold };
enum class StatusColour { White, Yellow };

// Everything the game shows goes through this interface, in the order the game makes the changes,
// in the table's own terms: texts, colours, buttons, which cards to show or wipe, and messages.
// Where things go on the screen is the window's business. The window implements it with labels,
// buttons and a drawing of the table; tests and the headless tool implement it by recording.
class TableView {
public:
    virtual ~TableView() = default;

    virtual void showStatus(SeatCode seat, std::string_view text) = 0;
    virtual void colourStatus(SeatCode seat, StatusColour colour) = 0;
    virtual void showCash(SeatCode seat, std::int32_t cash) = 0;
    virtual void showPot(std::int32_t pot) = 0;
    virtual void showResult(std::string_view text) = 0;
    virtual void enableButton(TableButton button, bool enabled) = 0;
    virtual void setStayCaption(std::string_view caption) = 0;

    // Draws the cards the table shows now (see visibleCards) over what is already drawn; the
    // table is the game's, to be read only.
    virtual void showCards(const TableState& table) = 0;
    // A seat's cards vanish from the table.
    virtual void wipeSeatCards(SeatCode seat) = 0;
    // The community cards vanish from the table.
    virtual void wipeBoard() = 0;

    // A modal box with an OK button; returns when the player has closed it. A window that is
    // not on the screen yet (the game's start-up) shows it once it is, and returns at once.
    virtual void showMessage(std::string_view text, std::string_view caption) = 0;
};

} // namespace omaha
