#include "ui/table_buttons.h"

#include "ui/fonts.h"
#include "ui/gradient_button.h"

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

} // namespace omaha
