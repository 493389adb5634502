#pragma once

#include "engine/table_view.h"

#include <array>
#include <cstddef>

class QWidget;

namespace omaha {

class GradientButton;

// The four action buttons along the bottom of the table: Deal (`btnnew`), Check/Call
// (`btnstay`), Raise (`btnbet`) and Fold (`btnpass`).
struct TableButtons {
    std::array<GradientButton*, 4> buttons{};

    GradientButton* operator[](TableButton which) const {
        return buttons[static_cast<std::size_t>(which)];
    }
};

// Creates the buttons as children of `table`, as the window starts: Deal disabled, the others
// enabled, the stay button reading "Check".
TableButtons createTableButtons(QWidget* table);

} // namespace omaha
