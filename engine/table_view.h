#pragma once

#include "engine/seats.h"
#include "engine/table_layout.h"

#include <cstdint>
#include <string_view>

namespace omaha {

struct TableState;

enum class TableButton { Deal, Stay, Raise, Fold };
enum class StatusColour { White, Yellow };

// Everything the game shows goes through this interface, in the order the game makes the changes.
// The window implements it with labels, buttons and a drawing surface; tests and the headless
// tool implement it by recording.
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

    // Draws the cards the table makes visible (see cardsToPaint) over what is already drawn.
    virtual void paintcards(const TableState& table) = 0;
    // Wipes a rectangle back to the bare table.
    virtual void erasearea(Rect area) = 0;

    // A modal box with an OK button; returns when the player has closed it.
    virtual void showMessage(std::string_view text, std::string_view caption) = 0;
    // A modal question with Yes and No; true for Yes.
    virtual bool askYesNo(std::string_view text, std::string_view caption) = 0;
};

} // namespace omaha
