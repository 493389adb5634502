#pragma once

#include "core/seats.h"

#include <QColor>

class QLabel;
class QWidget;

namespace omaha {

// The texts over the table: a name, a cash amount and a status beside every seat, the pot with
// its caption, and the result of the hand. All are transparent labels in Verdana, placed in table
// pixels from the table's top-left corner and sized to their text. A screen reader calls the
// amounts and statuses by whose they are ("Freak's cash", "Your status", "Pot"); their texts are
// their descriptions.
struct SeatLabels {
    QLabel* name = nullptr;
    QLabel* cash = nullptr;
    QLabel* status = nullptr;
};

struct TableLabels {
    BySeat<SeatLabels> seats;
    QLabel* potCaption = nullptr;
    QLabel* pot = nullptr;
    QLabel* result = nullptr;
};

// Creates every label of the table as a child of `table`.
TableLabels createTableLabels(QWidget* table);

// Sets a label's text colour; yellow marks a raise and the winners.
void setTextColour(QLabel* label, const QColor& colour);

inline const QColor kWhiteText(255, 255, 255);
inline const QColor kYellowText(255, 255, 0);

} // namespace omaha
