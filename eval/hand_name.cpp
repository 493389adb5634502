#include "core/game_text.h"
#include "eval/hand_rank.h"

#include <array>
#include <string_view>

namespace omaha {

namespace {

using Names = std::array<std::string_view, kRankCount>;

// One table per hand class, indexed by the class's deciding rank (0 for a two up to 12 for an
// ace); the full texts are written out so that each is a static string the caller may keep.
// High card: the top card alone, "Four" at the lowest since a hand's top is at least a four.
constexpr Names kHighCard = {"",     "",    "Four", "Five",  "Six",  "Seven", "Eight",
                             "Nine", "Ten", "Jack", "Queen", "King", "Ace"};
constexpr Names kOnePair = {
    "One pair Twos",   "One pair Threes", "One pair Fours", "One pair Fives", "One pair Sixes",
    "One pair Sevens", "One pair Eights", "One pair Nines", "One pair Tens",  "One pair Jacks",
    "One pair Queens", "One pair Kings",  "One pair Aces"};
// Named after the higher pair, which cannot be a two.
constexpr Names kTwoPairs = {"",
                             "Two pairs Threes",
                             "Two pairs Fours",
                             "Two pairs Fives",
                             "Two pairs Sixes",
                             "Two pairs Sevens",
                             "Two pairs Eights",
                             "Two pairs Nines",
                             "Two pairs Tens",
                             "Two pairs Jacks",
                             "Two pairs Queens",
                             "Two pairs Kings",
                             "Two pairs Aces"};
constexpr Names kThree = {"Three Twos",  "Three Threes", "Three Fours",  "Three Fives",
                          "Three Sixes", "Three Sevens", "Three Eights", "Three Nines",
                          "Three Tens",  "Three Jacks",  "Three Queens", "Three Kings",
                          "Three Aces"};
// Named after the top card; the lowest straight is ace-to-five.
constexpr Names kStraight = {"",
                             "",
                             "",
                             "Straight Five High",
                             "Straight Six High",
                             "Straight Seven High",
                             "Straight Eight High",
                             "Straight Nine High",
                             "Straight Ten High",
                             "Straight Jack High",
                             "Straight Queen High",
                             "Straight King High",
                             "Straight Ace High"};
// A flush's top card is at least a six (a lower one would need repeated cards).
constexpr Names kFlush = {"",
                          "",
                          "",
                          "",
                          "Flush Six High",
                          "Flush Seven High",
                          "Flush Eight High",
                          "Flush Nine High",
                          "Flush Ten High",
                          "Flush Jack High",
                          "Flush Queen High",
                          "Flush King High",
                          "Flush Ace High"};
constexpr Names kFullHouse = {"Full house Twos",   "Full house Threes", "Full house Fours",
                              "Full house Fives",  "Full house Sixes",  "Full house Sevens",
                              "Full house Eights", "Full house Nines",  "Full house Tens",
                              "Full house Jacks",  "Full house Queens", "Full house Kings",
                              "Full house Aces"};
constexpr Names kFour = {"Four Twos",   "Four Threes", "Four Fours", "Four Fives", "Four Sixes",
                         "Four Sevens", "Four Eights", "Four Nines", "Four Tens",  "Four Jacks",
                         "Four Queens", "Four Kings",  "Four Aces"};

// The class whose categories run from `base` to `base` + 12.
struct NamedClass {
    std::int32_t base;
    const Names* names;
};

constexpr std::array<NamedClass, 8> kClasses = {{{0, &kHighCard},
                                                 {100, &kOnePair},
                                                 {200, &kTwoPairs},
                                                 {300, &kThree},
                                                 {400, &kStraight},
                                                 {450, &kFlush},
                                                 {500, &kFullHouse},
                                                 {800, &kFour}}};

} // namespace

std::string_view handName(std::int32_t category) noexcept {
    if (category == 1000)
        return "Straight flush";
    for (const NamedClass& named : kClasses) {
        if (category >= named.base && category <= named.base + 12)
            return (*named.names)[static_cast<std::size_t>(category - named.base)];
    }
    return {};
}

namespace {

// The ranks in the words of the hand names, indexed by rank (0 for a two): one card for a top
// card, which is at least a four, several for the cards a pair, three or four of a kind or a full
// house is made of.
constexpr std::array<const char*, kRankCount> kOneRank = {"",
                                                          "",
                                                          gameTextMark("Rank", "Four"),
                                                          gameTextMark("Rank", "Five"),
                                                          gameTextMark("Rank", "Six"),
                                                          gameTextMark("Rank", "Seven"),
                                                          gameTextMark("Rank", "Eight"),
                                                          gameTextMark("Rank", "Nine"),
                                                          gameTextMark("Rank", "Ten"),
                                                          gameTextMark("Rank", "Jack"),
                                                          gameTextMark("Rank", "Queen"),
                                                          gameTextMark("Rank", "King"),
                                                          gameTextMark("Rank", "Ace")};
constexpr std::array<const char*, kRankCount> kSeveralRanks = {
    gameTextMark("Ranks", "Twos"),   gameTextMark("Ranks", "Threes"),
    gameTextMark("Ranks", "Fours"),  gameTextMark("Ranks", "Fives"),
    gameTextMark("Ranks", "Sixes"),  gameTextMark("Ranks", "Sevens"),
    gameTextMark("Ranks", "Eights"), gameTextMark("Ranks", "Nines"),
    gameTextMark("Ranks", "Tens"),   gameTextMark("Ranks", "Jacks"),
    gameTextMark("Ranks", "Queens"), gameTextMark("Ranks", "Kings"),
    gameTextMark("Ranks", "Aces")};

// Each class's name with the place of its deciding rank, and whether that rank is one card or
// several; a high card is its top card alone.
struct ClassWords {
    std::int32_t base;
    const char* pattern;
    bool severalCards;
};

constexpr std::array<ClassWords, 8> kClassWords = {{
    {0, gameTextMark("Hand", "%1"), false},
    {100, gameTextMark("Hand", "One pair %1"), true},
    {200, gameTextMark("Hand", "Two pairs %1"), true},
    {300, gameTextMark("Hand", "Three %1"), true},
    {400, gameTextMark("Hand", "Straight %1 High"), false},
    {450, gameTextMark("Hand", "Flush %1 High"), false},
    {500, gameTextMark("Hand", "Full house %1"), true},
    {800, gameTextMark("Hand", "Four %1"), true},
}};

} // namespace

std::string handNameText(std::int32_t category) {
    if (handName(category).empty())
        return {};
    if (category == 1000)
        return gameText("Hand", "Straight flush");
    for (const ClassWords& words : kClassWords) {
        if (category < words.base || category > words.base + 12)
            continue;
        const auto rank = static_cast<std::size_t>(category - words.base);
        const char* rankWord = words.severalCards ? kSeveralRanks[rank] : kOneRank[rank];
        return fillPlaces(gameText("Hand", words.pattern),
                          {gameText(words.severalCards ? "Ranks" : "Rank", rankWord)});
    }
    return {};
}

} // namespace omaha
