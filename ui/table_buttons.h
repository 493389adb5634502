#pragma once

#include "engine/table_view.h"

#include <array>
#include <cstddef>

class QString;
class QWidget;

namespace omaha {

class GradientButton;

// The four action buttons along the bottom of the table: Deal (`dealButton`), Check/Call
// (`checkCallButton`), Raise (`raiseButton`) and Fold (`foldButton`).
struct TableButtons {
    std::array<GradientButton*, 4> buttons{};

    GradientButton* operator[](TableButton which) const {
        return buttons[static_cast<std::size_t>(which)];
    }
};

// Creates the buttons as children of `table`, as the window starts: Deal disabled, the others
// enabled, the stay button reading "Check". The keys D, C, R and F press them.
TableButtons createTableButtons(QWidget* table);

// Lets the keys D, C, R and F press the buttons while `window`, another window of the game, is the
// active one. There a key that finds its button disabled does nothing.
void pressWithKeysFrom(const TableButtons& buttons, QWidget* window);

// Gives a button its caption, and the tooltip that names its key: "Call (C)". A screen reader
// calls the button by its caption, as it reads now.
void captionTableButton(const TableButtons& buttons, TableButton which, const QString& caption);

// Enables or disables one of the buttons, keeping the keyboard focus off Fold. Qt hands the focus
// of a button being disabled to the next one along, and after Raise that is Fold, where Space
// would throw away a hand the player meant to call. So the focus goes to Check/Call, or to Deal
// once the hand is over; with neither enabled it waits, and the first of the two enabled again
// takes it.
void enableTableButton(const TableButtons& buttons, TableButton which, bool enabled);

} // namespace omaha
