#include "core/chips.h"
#include "engine/whole_number.h"

#include <gtest/gtest.h>
#include <limits>

namespace omaha {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(Chips, SumsStopAtTheLimitsInsteadOfWrapping) {
    EXPECT_EQ(addChips(kMax, 1), kMax);
    EXPECT_EQ(addChips(kMin, -1), kMin);
    EXPECT_EQ(subtractChips(kMin, 4), kMin);
    EXPECT_EQ(subtractChips(kMax, -4), kMax);
    EXPECT_EQ(subtractChips(3, 4), -1);
}

TEST(WholeNumbers, BlanksAndASignAroundDigitsWithinRange) {
    EXPECT_EQ(parseWholeNumber("  -50 "), -50);
    EXPECT_EQ(parseWholeNumber("+7"), 7);
    EXPECT_EQ(parseWholeNumber("-2147483648"), kMin);
    for (const char* text : {"", "   ", "abc", "12a", "1 2", "0x10", "+", "+-3", "2147483648",
                             "99999999999", "1.5", "\t5"})
        EXPECT_FALSE(parseWholeNumber(text).has_value()) << '"' << text << '"';
}

} // namespace
} // namespace omaha
