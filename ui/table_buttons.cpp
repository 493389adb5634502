#include "ui/table_buttons.h"

#include "ui/fonts.h"
#include "ui/gradient_button.h"

#include <algorithm>
#include <QCoreApplication>
#include <QShortcut>

namespace omaha {

namespace {

struct ButtonPlace {
    TableButton which;
    const char* objectName;
    const char* caption; // in the game's texts' context "Table", where the game's own captions are
    // A plain letter presses the button, as a click would.
    Qt::Key key;
    int x;
};

constexpr std::array<ButtonPlace, 4> kButtonPlaces = {{
    {TableButton::Deal, "dealButton", QT_TRANSLATE_NOOP("Table", "Deal"), Qt::Key_D, 32},
    {TableButton::Stay, "checkCallButton", QT_TRANSLATE_NOOP("Table", "Check"), Qt::Key_C, 88},
    {TableButton::Raise, "raiseButton", QT_TRANSLATE_NOOP("Table", "Raise"), Qt::Key_R, 144},
    {TableButton::Fold, "foldButton", QT_TRANSLATE_NOOP("Table", "Fold"), Qt::Key_F, 200},
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

// The key clicks the button anywhere in `window`, the button's own or another, but not while the
// button is disabled: Qt passes over a shortcut whose widget is disabled, and a click of a
// disabled button does nothing. A field with the keyboard focus takes the letter as typing. It
// is not the button's own shortcut, which would also move the focus to it, and so onto Fold. A
// key held down presses once, not once per repeat, so that holding C cannot call through the
// streets of a hand.
void pressWithKey(GradientButton* button, const QKeySequence& key, QWidget* window) {
    auto* shortcut = new QShortcut(key, window);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(false);
    QObject::connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
}

} // namespace

TableButtons createTableButtons(QWidget* table) {
    TableButtons made;
    for (const ButtonPlace& place : kButtonPlaces) {
        auto* button =
            new GradientButton(QCoreApplication::translate("Table", place.caption), table);
        button->setObjectName(QLatin1String(place.objectName));
        button->setFont(verdanaFont(11, true));
        button->setGeometry(place.x, kButtonTop, kButtonWidth, kButtonHeight);
        pressWithKey(button, QKeySequence(place.key), button);
        made.buttons[static_cast<std::size_t>(place.which)] = button;
        captionTableButton(made, place.which, QCoreApplication::translate("Table", place.caption));
    }
    made[TableButton::Deal]->setEnabled(false);
    return made;
}

void pressWithKeysFrom(const TableButtons& buttons, QWidget* window) {
    for (const ButtonPlace& place : kButtonPlaces)
        pressWithKey(buttons[place.which], QKeySequence(place.key), window);
}

void captionTableButton(const TableButtons& buttons, TableButton which, const QString& caption) {
    const QKeySequence key(kButtonPlaces[static_cast<std::size_t>(which)].key);
    GradientButton* button = buttons[which];
    button->setText(caption);
    button->setToolTip(
        QStringLiteral("%1 (%2)").arg(caption, key.toString(QKeySequence::NativeText)));
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
