#include "ui/table_labels.h"

#include "core/seat_facts.h"
#include "ui/fonts.h"
#include "ui/table_layout.h"

#include <array>
#include <QCoreApplication>
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

// What a screen reader calls a seat's label: "Freak's cash", "Your status". `yours` is the
// human's, `theirs` a computer seat's with the place of its name.
QString seatLabelName(SeatCode seat, const QString& yours, const QString& theirs) {
    const std::string_view name = seatFacts(seat).name;
    return seat == kHuman
               ? yours
               : theirs.arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
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
        // The seats' names are names in every language; the human's "You:" is a word.
        const QString caption = code == kHuman
                                    ? QCoreApplication::translate("TableLabels", place.caption)
                                    : QString::fromLatin1(place.caption);
        seat.name =
            placeLabel(table, place.nameObject, caption, place.nameAt, nameFont, kWhiteText);
        seat.cash =
            placeLabel(table, place.cashObject, QString(), place.cashAt, nameFont, kWhiteText);
        seat.status = placeLabel(table, place.statusObject, QString(), place.statusAt, statusFont,
                                 kWhiteText);
        seat.cash->setAccessibleName(
            seatLabelName(code, QCoreApplication::translate("TableLabels", "Your cash"),
                          QCoreApplication::translate("TableLabels", "%1's cash")));
        seat.status->setAccessibleName(
            seatLabelName(code, QCoreApplication::translate("TableLabels", "Your status"),
                          QCoreApplication::translate("TableLabels", "%1's status")));
    }
    labels.potCaption =
        placeLabel(table, "potCaption", QCoreApplication::translate("TableLabels", "POT:"),
                   {80, 240}, potFont, kWhiteText);
    labels.pot = placeLabel(table, "potAmount", QString(), {120, 240}, potFont, kWhiteText);
    labels.pot->setAccessibleName(QCoreApplication::translate("TableLabels", "Pot"));
    labels.result = placeLabel(table, "handResult", QString(), {80, 200}, resultFont, kYellowText);
    return labels;
}

} // namespace omaha
