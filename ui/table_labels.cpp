#include "ui/table_labels.h"

#include "core/seat_facts.h"
#include "ui/fonts.h"
#include "ui/table_layout.h"

#include <array>
#include <QLabel>
#include <QPoint>

namespace omaha {

namespace {

QLabel* placeLabel(QWidget* table, const char* objectName, const QString& text, Point at,
                   const QFont& font, const QColor& colour) {
    auto* label = new QLabel(text, table);
    label->setObjectName(QLatin1String(objectName));
    label->setFont(font);
    setTextColour(label, colour);
    // The table shows through: no background of its own, and clicks go to the table.
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->move(at.x, at.y);
    label->adjustSize();
    return label;
}

// What a screen reader calls a seat's label of `what`: "Freak's cash", "Your status".
QString seatLabelName(SeatCode seat, const char* what) {
    const std::string_view name = seatFacts(seat).name;
    const QString owner =
        seat == kHuman ? QStringLiteral("Your")
                       : QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
                             QStringLiteral("'s");
    return owner + QLatin1Char(' ') + QLatin1String(what);
}

} // namespace

void setTextColour(QLabel* label, const QColor& colour) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

TableLabels createTableLabels(QWidget* table) {
    const QFont nameFont = verdanaFont(11, true);
    const QFont statusFont = verdanaFont(11, false);
    const QFont potFont = verdanaFont(12, true);
    const QFont resultFont = verdanaFont(15, true);

    TableLabels labels;
    for (const SeatCode code : kTableOrder) {
        const SeatLayout& place = seatLayout(code);
        SeatLabels& seat = labels.seats[code];
        seat.name = placeLabel(table, place.nameObject, QLatin1String(place.caption), place.nameAt,
                               nameFont, kWhiteText);
        seat.cash =
            placeLabel(table, place.cashObject, QString(), place.cashAt, nameFont, kWhiteText);
        seat.status = placeLabel(table, place.statusObject, QString(), place.statusAt, statusFont,
                                 kWhiteText);
        seat.cash->setAccessibleName(seatLabelName(code, "cash"));
        seat.status->setAccessibleName(seatLabelName(code, "status"));
    }
    labels.potCaption =
        placeLabel(table, "potCaption", QStringLiteral("POT:"), {80, 240}, potFont, kWhiteText);
    labels.pot = placeLabel(table, "potAmount", QString(), {120, 240}, potFont, kWhiteText);
    labels.pot->setAccessibleName(QStringLiteral("Pot"));
    labels.result = placeLabel(table, "handResult", QString(), {80, 200}, resultFont, kYellowText);
    return labels;
}

} // namespace omaha
