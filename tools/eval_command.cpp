#include "core/card_text.h"
#include "eval/hand_rank.h"
#include "eval/omaha_hand.h"
#include "tools/commands.h"
#include "tools/line_command.h"
#include "tools/quoted_word.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace omaha {

namespace {

constexpr std::string_view kEvalUsage = "usage: omaha-sim eval < cards\n";

// Most cards a line can hold; words beyond it are only counted.
constexpr std::size_t kMaxCards = 9;

struct ReadLine {
    std::array<Card, kMaxCards> cards{};
    std::size_t count = 0;
    std::string error; // empty when every word was a card
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// Keeps an error line short whatever the input held.
std::string shortened(std::string_view word) {
    constexpr std::size_t kLongest = 12;
    return word.size() <= kLongest ? std::string(word)
                                   : std::string(word.substr(0, kLongest)) + "...";
}

ReadLine readCards(std::string_view line) {
    ReadLine read;
    std::size_t pos = 0;
    while (pos < line.size()) {
        if (isBlank(line[pos])) {
            ++pos;
            continue;
        }
        std::size_t end = pos;
        while (end < line.size() && !isBlank(line[end]))
            ++end;
        const std::string_view word = line.substr(pos, end - pos);
        pos = end;
        const std::optional<Card> card = parseCardCode(word);
        if (!card) {
            if (read.error.empty())
                read.error = "not a card: " + quotedWord(shortened(word));
        } else if (read.count < kMaxCards) {
            read.cards[read.count] = *card;
        }
        ++read.count;
    }
    return read;
}

HandRank evaluate(const ReadLine& read) {
    const auto& c = read.cards;
    if (read.count == 5)
        return rankFive({c[0], c[1], c[2], c[3], c[4]});
    if (read.count == 7)
        return bestPairRank(c[0], c[1], {c[2], c[3], c[4], c[5], c[6]});
    return bestOmahaRank({c[0], c[1], c[2], c[3]}, {c[4], c[5], c[6], c[7], c[8]});
}

// The first card that the line holds more than once: no deck has two of a card.
std::optional<Card> repeatedCard(const ReadLine& read) {
    for (std::size_t i = 0; i < read.count; ++i)
        for (std::size_t k = 0; k < i; ++k)
            if (read.cards[k] == read.cards[i])
                return read.cards[i];
    return std::nullopt;
}

// What `eval` prints for one line: the rank of its cards, or "error: " and why they have none;
// nothing for a blank line.
std::optional<std::string> answer(std::string_view line) {
    const ReadLine read = readCards(line);
    if (!read.error.empty())
        return "error: " + read.error;
    if (read.count == 0)
        return std::nullopt;
    if (read.count != 5 && read.count != 7 && read.count != 9)
        return "error: " + std::to_string(read.count) + (read.count == 1 ? " card" : " cards") +
               " on the line; expected 5, 7 or 9";
    if (const std::optional<Card> repeated = repeatedCard(read))
        return "error: " + cardCode(*repeated) + " appears more than once";
    const HandRank rank = evaluate(read);
    std::string text = std::to_string(rank.category) + ' ' + std::to_string(rank.kicker);
    if (const std::string_view name = handName(rank.category); !name.empty())
        text += ' ' + std::string(name);
    return text;
}

} // namespace

int runEvalCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                   std::ostream& err) {
    return runLineCommand("eval", kEvalUsage, args, in, out, err, answer);
}

} // namespace omaha
