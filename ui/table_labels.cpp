#include "ui/table_labels.h"

#include "ui/fonts.h"

#include <array>
#include <QLabel>
#include <QPoint>

namespace omaha {

namespace {

// Where one seat's texts stand, and the object names they go by.
struct SeatPlaces {
    SeatCode seat;
    const char* nameObject;
    const char* caption;
    QPoint nameAt;
    const char* cashObject;
    QPoint cashAt;
    const char* statusObject;
    QPoint statusAt;
};

constexpr std::array<SeatPlaces, kSeatCount> kSeatPlaces = {{
    {kHuman, "Label2", "You:", {88, 312}, "cash", {128, 312}, "playerstatus", {88, 328}},
    {kFreak, "freakcash", "Freak:", {64, 48}, "lblfcash", {112, 48}, "freakstatus", {64, 64}},
    {kGeek, "geekcash", "Geek:", {208, 48}, "lblgcash", {248, 48}, "geekstatus", {208, 64}},
    {kMaster, "mastercash", "Master:", {352, 48}, "lblmcash", {408, 48}, "masterstatus", {352, 64}},
    {kChamp, "champcash", "Champ:", {496, 48}, "lblccash", {560, 48}, "champstatus", {496, 64}},
    {kPinhead,
     "pinheadcash",
     "Pinhead:",
     {640, 48},
     "lblpinhcash",
     {704, 48},
     "pinheadstatus",
     {640, 64}},
    {kExpert, "Expert", "Expert:", {616, 296}, "lblecash", {672, 296}, "expertstatus", {616, 312}},
    {kRobot, "Robot", "Robot:", {448, 368}, "lblrcash", {496, 368}, "robotstatus", {448, 384}},
}};

QLabel* placeLabel(QWidget* table, const char* objectName, const QString& text, QPoint at,
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
    label->move(at);
    label->adjustSize();
    return label;
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
    for (const SeatPlaces& place : kSeatPlaces) {
        SeatLabels& seat = labels.seats[place.seat];
        seat.name = placeLabel(table, place.nameObject, QLatin1String(place.caption), place.nameAt,
                               nameFont, kWhiteText);
        seat.cash =
            placeLabel(table, place.cashObject, QString(), place.cashAt, nameFont, kWhiteText);
        seat.status = placeLabel(table, place.statusObject, QString(), place.statusAt, statusFont,
                                 kWhiteText);
    }
    labels.potttt =
        placeLabel(table, "potttt", QStringLiteral("POT:"), {80, 240}, potFont, kWhiteText);
    labels.betsize = placeLabel(table, "betsize", QString(), {120, 240}, potFont, kWhiteText);
    labels.theresult =
        placeLabel(table, "theresult", QString(), {80, 200}, resultFont, kYellowText);
    return labels;
}

} // namespace omaha
