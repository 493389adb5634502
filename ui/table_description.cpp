#include "ui/table_description.h"

#include "core/card_text.h"
#include "core/seat_facts.h"
#include "engine/visible_cards.h"

#include <span>

namespace omaha {

namespace {

std::string cardList(std::span<const Card> cards) {
    std::string names;
    for (const Card& card : cards) {
        if (!names.empty())
            names += ' ';
        names += cardName(card);
    }
    return names.empty() ? "none" : names;
}

// "Heading: first, second." for the seats in the list, or nothing when it is empty.
std::string sentence(std::string_view heading, const std::string& items) {
    return items.empty() ? std::string() : std::string(heading) + ": " + items + ". ";
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
        sentence("Your cards", visible.seats[kHuman] == SeatCards::None ? "none" : cardList(yours));
    text += sentence(
        "Community cards",
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
    text += sentence("Cards face down", faceDown);
    text += sentence("Cards face up", faceUp);
    text += sentence("No cards", none);
    return text + "Pot: " + std::to_string(table.pot) + ".";
}

} // namespace omaha
