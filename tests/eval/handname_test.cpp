#include "eval/hand_rank.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string_view>
#include <vector>

namespace omaha {
namespace {

struct Named {
    std::int32_t category;
    std::string_view name;
};

// Every named category with its exact text.
const std::vector<Named> kAllNames = {
    {2, "Four"},
    {3, "Five"},
    {4, "Six"},
    {5, "Seven"},
    {6, "Eight"},
    {7, "Nine"},
    {8, "Ten"},
    {9, "Jack"},
    {10, "Queen"},
    {11, "King"},
    {12, "Ace"},
    {100, "One pair Twos"},
    {101, "One pair Threes"},
    {102, "One pair Fours"},
    {103, "One pair Fives"},
    {104, "One pair Sixes"},
    {105, "One pair Sevens"},
    {106, "One pair Eights"},
    {107, "One pair Nines"},
    {108, "One pair Tens"},
    {109, "One pair Jacks"},
    {110, "One pair Queens"},
    {111, "One pair Kings"},
    {112, "One pair Aces"},
    {201, "Two pairs Threes"},
    {202, "Two pairs Fours"},
    {203, "Two pairs Fives"},
    {204, "Two pairs Sixes"},
    {205, "Two pairs Sevens"},
    {206, "Two pairs Eights"},
    {207, "Two pairs Nines"},
    {208, "Two pairs Tens"},
    {209, "Two pairs Jacks"},
    {210, "Two pairs Queens"},
    {211, "Two pairs Kings"},
    {212, "Two pairs Aces"},
    {300, "Three Twos"},
    {301, "Three Threes"},
    {302, "Three Fours"},
    {303, "Three Fives"},
    {304, "Three Sixes"},
    {305, "Three Sevens"},
    {306, "Three Eights"},
    {307, "Three Nines"},
    {308, "Three Tens"},
    {309, "Three Jacks"},
    {310, "Three Queens"},
    {311, "Three Kings"},
    {312, "Three Aces"},
    {403, "Straight Five High"},
    {404, "Straight Six High"},
    {405, "Straight Seven High"},
    {406, "Straight Eight High"},
    {407, "Straight Nine High"},
    {408, "Straight Ten High"},
    {409, "Straight Jack High"},
    {410, "Straight Queen High"},
    {411, "Straight King High"},
    {412, "Straight Ace High"},
    {454, "Flush Six High"},
    {455, "Flush Seven High"},
    {456, "Flush Eight High"},
    {457, "Flush Nine High"},
    {458, "Flush Ten High"},
    {459, "Flush Jack High"},
    {460, "Flush Queen High"},
    {461, "Flush King High"},
    {462, "Flush Ace High"},
    {500, "Full house Twos"},
    {501, "Full house Threes"},
    {502, "Full house Fours"},
    {503, "Full house Fives"},
    {504, "Full house Sixes"},
    {505, "Full house Sevens"},
    {506, "Full house Eights"},
    {507, "Full house Nines"},
    {508, "Full house Tens"},
    {509, "Full house Jacks"},
    {510, "Full house Queens"},
    {511, "Full house Kings"},
    {512, "Full house Aces"},
    {800, "Four Twos"},
    {801, "Four Threes"},
    {802, "Four Fours"},
    {803, "Four Fives"},
    {804, "Four Sixes"},
    {805, "Four Sevens"},
    {806, "Four Eights"},
    {807, "Four Nines"},
    {808, "Four Tens"},
    {809, "Four Jacks"},
    {810, "Four Queens"},
    {811, "Four Kings"},
    {812, "Four Aces"},
    {1000, "Straight flush"},
};

TEST(Handname, EveryNamedCategoryHasItsExactText) {
    ASSERT_EQ(kAllNames.size(), 95u);
    for (const Named& named : kAllNames)
        EXPECT_EQ(handname(named.category), named.name) << "category " << named.category;
}

TEST(Handname, EveryOtherCategoryHasNoName) {
    std::size_t next = 0;
    for (std::int32_t category = -1200; category <= 1200; ++category) {
        if (next < kAllNames.size() && kAllNames[next].category == category) {
            ++next;
            continue;
        }
        EXPECT_EQ(handname(category), "") << "category " << category;
    }
    EXPECT_EQ(handname(INT32_MIN), "");
    EXPECT_EQ(handname(INT32_MAX), "");
}

} // namespace
} // namespace omaha
