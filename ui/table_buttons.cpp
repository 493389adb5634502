#include "ui/table_buttons.h"

#include "ui/fonts.h"
#include "ui/gradient_button.h"

#include <algorithm>

namespace omaha {

namespace {

struct ButtonPlace {
    TableButton which;
    const char* objectName;
    const char* caption;
    int x;
};

constexpr std::array<ButtonPlace, 4> kButtonPlaces = {{
    {TableButton::Deal, "btnnew", "Deal", 32},
    {TableButton::Stay, "btnstay", "Check", 88},
    {TableButton::Raise, "btnbet", "Raise", 144},
    {TableButton::Fold, "btnpass", "Fold", 200},
}};

constexpr int kButtonTop = 472;
constexpr int kButtonWidth = 57;
constexpr int kButtonHeight = 25;

// The buttons that take the focus, first choice first: Check/Call while the hand goes on, Deal
// after it.
constexpr std::array<TableButton, 2> kFocusHeirs = {TableButton::Stay, TableButton::Deal};

bool isFocusHeir(TableButton which) {
    return std::ranges::find(kFocusHeirs, which) != kFocusHeirs.end();
}

// The enabled button that takes the focus from `leaving`, or nullptr.
GradientButton* focusHeir(const TableButtons& buttons, TableButton leaving) {
    for (const TableButton heir : kFocusHeirs)
        if (heir != leaving && buttons[heir]->isEnabled())
            return buttons[heir];
    return nullptr;
}

} // namespace

TableButtons createTableButtons(QWidget* table) {
    TableButtons made;
    for (const ButtonPlace& place : kButtonPlaces) {
        auto* button = new GradientButton(QLatin1String(place.caption), table);
        button->setObjectName(QLatin1String(place.objectName));
        button->setFont(verdanaFont(11, true));
        button->setGeometry(place.x, kButtonTop, kButtonWidth, kButtonHeight);
        made.buttons[static_cast<std::size_t>(place.which)] = button;
    }
    made[TableButton::Deal]->setEnabled(false);
    return made;
}

void enableTableButton(const TableButtons& buttons, TableButton which, bool enabled) {
    GradientButton* button = buttons[which];
    QWidget* window = button->window();
    if (!enabled && window->focusWidget() == button) {
        if (GradientButton* heir = focusHeir(buttons, which))
            heir->setFocus(Qt::OtherFocusReason);
        else
            button->clearFocus();
    }
    button->setEnabled(enabled);
    if (enabled && isFocusHeir(which) && window->focusWidget() == nullptr)
        button->setFocus(Qt::OtherFocusReason);
}

} // namespace omaha
