#include "engine/position.h"

#include "core/card_text.h"
#include "core/seat_facts.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <initializer_list>
#include <limits>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace omaha {

namespace {

constexpr std::array<std::string_view, 5> kStreetWords = {"preflop", "flop", "turn", "river",
                                                          "showdown"};
constexpr std::string_view kSeatWords = "you, freak, geek, master, champ, pinhead, expert or robot";
constexpr std::int32_t kMostBet = 1'000'000; // the largest bet the settings file may hold
constexpr std::int32_t kMostChips = std::numeric_limits<std::int32_t>::max();

std::string_view streetWord(Street street) {
    return kStreetWords[static_cast<std::size_t>(streetNumber(street) - 1)];
}

std::string lower(std::string_view text) {
    std::string lowered(text);
    for (char& c : lowered)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lowered;
}

// A seat by its name in the position, the name the table shows in lower case: "you", "freak".
std::string seatWord(SeatCode seat) {
    return lower(seatFacts(seat).name);
}

SeatCode seatNamed(std::string_view word) {
    for (const SeatCode seat : kTableOrder)
        if (lower(word) == seatWord(seat))
            return seat;
    return 0;
}

std::optional<std::int32_t> wholeNumber(std::string_view text) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Exactly `cards.size()` cards written one after the other: "7h2cQd".
bool readCards(std::string_view text, std::span<Card> cards) {
    if (text.size() != 2 * cards.size())
        return false;
    for (std::size_t k = 0; k < cards.size(); ++k) {
        const std::optional<Card> card = parseCardCode(text.substr(2 * k, 2));
        if (!card)
            return false;
        cards[k] = *card;
    }
    return true;
}

std::string cardsText(std::span<const Card> cards) {
    std::string text;
    for (const Card& card : cards)
        text += cardCode(card);
    return text;
}

// "opener needs a seat, not 'bob'".
std::string needs(std::string_view field, std::string_view what, std::string_view value) {
    return std::string(field) + " needs " + std::string(what) + ", not '" + std::string(value) +
           "'";
}

std::string readSeat(SeatCode seat, std::string_view value, Seat& s) {
    const std::string name = seatWord(seat);
    const std::size_t first = value.find(':');
    const std::size_t second = value.find(':', first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos ||
        value.find(':', second + 1) != std::string_view::npos)
        return needs(name, "cash:cards:status", value);
    const std::optional<std::int32_t> cash = wholeNumber(value.substr(0, first));
    if (!cash)
        return needs(name, "a whole number as its cash", value.substr(0, first));
    s.cash = *cash;
    const std::string_view cards = value.substr(first + 1, second - first - 1);
    if (!readCards(cards, s.hole))
        return needs(name, "4 cards", cards);
    const std::string status = lower(value.substr(second + 1));
    s.folded = status == "folded";
    s.raised = status == "bet";
    if (status != "in" && !s.folded && !s.raised)
        return needs(name, "in, folded or bet", value.substr(second + 1));
    return {};
}

// The fields other than the seats, each with how its value is read into the position.
struct Field {
    std::string_view name;
    std::string (*read)(std::string_view value, Position& position);
};

std::optional<std::int32_t> numberWithin(std::string_view text, std::int32_t lowest,
                                         std::int32_t highest) {
    const std::optional<std::int32_t> number = wholeNumber(text);
    return number && *number >= lowest && *number <= highest ? number : std::nullopt;
}

std::string readCount(std::string_view field, std::string_view value, std::int32_t lowest,
                      std::int32_t highest, std::int32_t& count) {
    const std::optional<std::int32_t> number = numberWithin(value, lowest, highest);
    if (!number)
        return needs(field,
                     "a whole number from " + std::to_string(lowest) + " to " +
                         std::to_string(highest),
                     value);
    count = *number;
    return {};
}

std::string readSeatField(std::string_view field, std::string_view value, SeatCode& seat) {
    seat = seatNamed(value);
    return seat == 0 ? needs(field, kSeatWords, value) : std::string();
}

constexpr std::array<Field, 9> kFields = {{
    {"street",
     [](std::string_view value, Position& position) {
         const auto word = std::ranges::find(kStreetWords, lower(value));
         if (word == kStreetWords.end())
             return needs("street", "preflop, flop, turn, river or showdown", value);
         position.street = static_cast<Street>(word - kStreetWords.begin() + 1);
         return std::string();
     }},
    {"pot",
     [](std::string_view value, Position& position) {
         return readCount("pot", value, 0, kMostChips, position.pot);
     }},
    {"out",
     [](std::string_view value, Position& position) {
         return readCount("out", value, 0, kSeatCount - 1, position.seatsOut);
     }},
    {"opener", [](std::string_view value,
                  Position& position) { return readSeatField("opener", value, position.opener); }},
    {"marker",
     [](std::string_view value, Position& position) {
         return readSeatField("marker", value, position.blindMarker);
     }},
    {"call",
     [](std::string_view value, Position& position) {
         return readCount("call", value, 0, kMostChips, position.amountToCall);
     }},
    {"bets",
     [](std::string_view value, Position& position) {
         const std::size_t slash = value.find('/');
         const auto small = numberWithin(value.substr(0, slash), 1, kMostBet);
         const auto big = slash == std::string_view::npos
                              ? std::nullopt
                              : numberWithin(value.substr(slash + 1), 1, kMostBet);
         if (!small || !big)
             return needs("bets", "small/big, each from 1 to " + std::to_string(kMostBet), value);
         position.smallBet = *small;
         position.bigBet = *big;
         return std::string();
     }},
    {"turn",
     [](std::string_view value, Position& position) {
         const std::string word = lower(value);
         if (word != "you" && word != "deal")
             return needs("turn", "you or deal", value);
         // Which end the hand came to is told by the seats out, once every field is read.
         position.phase = word == "you" ? HandPhase::Betting : HandPhase::PaidAtShowdown;
         return std::string();
     }},
    {"board",
     [](std::string_view value, Position& position) {
         return readCards(value, position.board) ? std::string() : needs("board", "5 cards", value);
     }},
}};

// The first card the position holds twice, or nothing.
std::optional<Card> repeatedCard(const Position& position) {
    std::array<bool, kDeckSize> seen{};
    std::optional<Card> repeated;
    const auto see = [&](std::span<const Card> cards) {
        for (const Card& card : cards)
            if (std::exchange(seen[static_cast<std::size_t>(card.index())], true) && !repeated)
                repeated = card;
    };
    for (const SeatCode seat : kTableOrder)
        see(position.seats[seat].hole);
    see(position.board);
    return repeated;
}

// What keeps the game from reaching a position whose every field could be read, or "".
std::string unreachable(const Position& p) {
    if (const std::optional<Card> card = repeatedCard(p))
        return cardCode(*card) + " appears twice";
    std::vector<std::string> bettors;
    int folded = 0;
    for (SeatCode seat = kFreak; seat >= kRobot; --seat) {
        folded += p.seats[seat].folded ? 1 : 0;
        if (p.seats[seat].raised)
            bettors.push_back(seatWord(seat));
    }
    if (folded > p.seatsOut)
        return "out:" + std::to_string(p.seatsOut) + " counts fewer seats than the " +
               std::to_string(folded) + " computer seats that have folded";
    if (bettors.size() > 1)
        return "only one bet can be pending, not " + bettors[0] + "'s and " + bettors[1] + "'s";
    const Seat& you = p.seats[kHuman];
    if (you.raised)
        return "your bet is never pending: the computer seats answer it at once";
    const bool handWon = everyComputerOut(p.seatsOut);
    // The human's fold answers any bet pending and ends the betting at once.
    if (you.folded && (p.street != Street::Showdown || handWon || !bettors.empty()))
        return "you:folded fits only street:showdown with a computer seat still in and no bet "
               "pending";
    if (p.phase == HandPhase::Betting && p.street == Street::Showdown)
        return "turn:you does not fit street:showdown, which ends the hand";
    if (p.phase == HandPhase::Betting && handWon)
        return "turn:you does not fit out:7: the hand is won once every computer seat is out";
    if (p.phase != HandPhase::Betting && p.street != Street::Showdown && !handWon)
        return "turn:deal does not fit street:" + std::string(streetWord(p.street)) +
               ": a hand ends at the showdown, or once every computer seat is out (out:7)";
    if (p.amountToCall != 0 && p.amountToCall != p.smallBet && p.amountToCall != p.bigBet)
        return "call:" + std::to_string(p.amountToCall) +
               " is neither 0 nor a bet of bets:" + std::to_string(p.smallBet) + "/" +
               std::to_string(p.bigBet);
    return {};
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

bool isControl(char c) {
    return !isBlank(c) && (static_cast<unsigned char>(c) < 0x20 || c == 0x7f);
}

} // namespace

PositionReading readPosition(std::string_view text) {
    PositionReading reading;
    Position& position = reading.position;
    std::string& problem = reading.problem;
    // No control character reaches a message, where it could act on a terminal.
    if (const auto control = std::ranges::find_if(text, isControl); control != text.end()) {
        problem = "a control character (code " +
                  std::to_string(static_cast<unsigned char>(*control)) + ") in the position";
        return reading;
    }

    std::array<bool, kFields.size()> fieldRead{};
    BySeat<bool> seatRead{};
    for (std::size_t at = 0;;) {
        while (at < text.size() && isBlank(text[at]))
            ++at;
        if (at == text.size())
            break;
        const std::size_t start = at;
        while (at < text.size() && !isBlank(text[at]))
            ++at;
        const std::string_view word = text.substr(start, at - start);
        const std::size_t colon = word.find(':');
        const std::string name = lower(word.substr(0, colon));
        const std::string_view value =
            colon == std::string_view::npos ? std::string_view() : word.substr(colon + 1);
        bool* read = nullptr;
        if (const SeatCode seat = seatNamed(name); seat != 0) {
            read = &seatRead[seat];
            if (!*read)
                problem = readSeat(seat, value, position.seats[seat]);
        } else if (const auto field = std::ranges::find(kFields, name, &Field::name);
                   field != kFields.end()) {
            read = &fieldRead[static_cast<std::size_t>(field - kFields.begin())];
            if (!*read)
                problem = field->read(value, position);
        } else {
            problem = "unknown field '" + std::string(word.substr(0, colon)) + "'";
            return reading;
        }
        if (*read)
            problem = name + " is given twice";
        if (!problem.empty())
            return reading;
        *read = true;
    }

    for (std::size_t k = 0; k < kFields.size(); ++k)
        if (!fieldRead[k])
            problem += (problem.empty() ? "missing " : ", ") + std::string(kFields[k].name);
    for (const SeatCode seat : kTableOrder)
        if (!seatRead[seat])
            problem += (problem.empty() ? "missing " : ", ") + seatWord(seat);
    if (!problem.empty())
        return reading;

    if (position.phase != HandPhase::Betting && everyComputerOut(position.seatsOut))
        position.phase = HandPhase::WonByFolds;
    problem = unreachable(position);
    return reading;
}

std::string positionText(const Position& p) {
    std::string text;
    const auto add = [&text](std::string_view name, std::initializer_list<std::string_view> parts) {
        if (!text.empty())
            text += ' ';
        text += name;
        for (const std::string_view part : parts) {
            text += ':';
            text += part;
        }
    };
    add("street", {streetWord(p.street)});
    add("pot", {std::to_string(p.pot)});
    add("out", {std::to_string(p.seatsOut)});
    add("opener", {seatWord(p.opener)});
    add("marker", {seatWord(p.blindMarker)});
    add("call", {std::to_string(p.amountToCall)});
    add("bets", {std::to_string(p.smallBet) + "/" + std::to_string(p.bigBet)});
    add("turn", {p.phase == HandPhase::Betting ? "you" : "deal"});
    add("board", {cardsText(p.board)});
    for (const SeatCode seat : kTableOrder) {
        const Seat& s = p.seats[seat];
        add(seatWord(seat), {std::to_string(s.cash), cardsText(s.hole),
                             s.folded   ? "folded"
                             : s.raised ? "bet"
                                        : "in"});
    }
    return text;
}

} // namespace omaha
