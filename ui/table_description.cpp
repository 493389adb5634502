#include "ui/table_description.h"

#include "core/card_text.h"
#include "core/game_text.h"
#include "core/seat_facts.h"
#include "engine/visible_cards.h"

#include <QCoreApplication>
#include <span>

namespace omaha {

namespace {

std::string translated(const QString& text) {
    return text.toStdString();
}

std::string cardList(std::span<const Card> cards) {
    std::string names;
    for (const Card& card : cards) {
        if (!names.empty())
            names += ' ';
        names += cardName(card);
    }
    return names.empty() ? translated(QCoreApplication::translate("TableDescription", "none"))
                         : names;
}

// "Heading: first, second. " for the seats in the list, or nothing when it is empty; `heading` has
// the list's place, "Your cards: %1. ".
std::string sentence(const std::string& heading, const std::string& items) {
    return items.empty() ? std::string() : fillPlaces(heading, {items});
}

void addItem(std::string& items, std::string_view item) {
    if (!items.empty())
        items += ", ";
    items += item;
}

} // namespace

std::string describeTable(const TableState& table) {
    const VisibleCards visible = visibleCards(table);
    const Hole& yours = table.seats[kHuman].hole;
    std::string text =
        sentence(translated(QCoreApplication::translate("TableDescription", "Your cards: %1. ")),
                 visible.seats[kHuman] == SeatCards::None
                     ? translated(QCoreApplication::translate("TableDescription", "none"))
                     : cardList(yours));
    text += sentence(
        translated(QCoreApplication::translate("TableDescription", "Community cards: %1. ")),
        cardList(std::span(table.board).first(static_cast<std::size_t>(visible.boardCards))));
    std::string faceDown;
    std::string faceUp;
    std::string none;
    for (const SeatCode seat : kTableOrder) {
        if (seat == kHuman)
            continue;
        const std::string_view name = seatFacts(seat).name;
        switch (visible.seats[seat]) {
        case SeatCards::Backs:
            addItem(faceDown, name);
            break;
        case SeatCards::Faces:
            addItem(faceUp, std::string(name) + ' ' + cardList(table.seats[seat].hole));
            break;
        case SeatCards::None:
            addItem(none, name);
            break;
        }
    }
    text += sentence(
        translated(QCoreApplication::translate("TableDescription", "Cards face down: %1. ")),
        faceDown);
    text += sentence(
        translated(QCoreApplication::translate("TableDescription", "Cards face up: %1. ")), faceUp);
    text += sentence(translated(QCoreApplication::translate("TableDescription", "No cards: %1. ")),
                     none);
    return text +
           fillPlaces(translated(QCoreApplication::translate("TableDescription", "Pot: %1.")),
                      {std::to_string(table.pot)});
}

} // namespace omaha
