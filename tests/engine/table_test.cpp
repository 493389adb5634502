#include "engine/chips.h"
#include "engine/seats.h"
#include "engine/table_state.h"
#include "engine/whole_number.h"

#include <gtest/gtest.h>
#include <limits>

namespace omaha {
namespace {

constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

TEST(BettingOrder, RunsFromTheHumanRoundTheTableAndBack) {
    SeatCode seat = kHuman;
    std::vector<SeatCode> order;
    for (int i = 0; i < 9; ++i, seat = seatAfter(seat))
        order.push_back(seat);
    EXPECT_EQ(order, (std::vector<SeatCode>{kHuman, kFreak, kGeek, kMaster, kChamp, kPinhead,
                                            kExpert, kRobot, kHuman}));
    for (SeatCode code = 1; code <= kSeatCount; ++code) {
        EXPECT_TRUE(isSeatCode(seatAfter(code)));
        EXPECT_EQ(seatBefore(seatAfter(code)), code);
    }
    EXPECT_EQ(seatBefore(kHuman), kRobot);
}

TEST(SeatState, ActiveOnlyWithCashAndNotFolded) {
    EXPECT_TRUE((Seat{1, {}, false, false}).active());
    EXPECT_FALSE((Seat{0, {}, false, false}).active());
    EXPECT_FALSE((Seat{-3, {}, false, false}).active());
    EXPECT_FALSE((Seat{500, {}, true, false}).active());
}

TEST(SeatState, DataIsAddressedBySeatCode) {
    BySeat<int> values{};
    for (SeatCode code = 1; code <= kSeatCount; ++code)
        values[code] = code * 10;
    EXPECT_EQ(values[kRobot], 10);
    EXPECT_EQ(values[kHuman], 80);
    EXPECT_EQ(*values.begin(), 10);
}

TEST(Cards, IndexIsThePictureNumber) {
    EXPECT_EQ((Card{0, 0}).index(), 0);
    EXPECT_EQ((Card{1, 12}).index(), 25);
    EXPECT_EQ((Card{3, 12}).index(), 51);
    for (int i = 0; i < kDeckSize; ++i)
        EXPECT_EQ(Card::fromIndex(i).index(), i);
}

TEST(Chips, SumsStopAtTheLimitsInsteadOfWrapping) {
    EXPECT_EQ(addChips(kMax, 1), kMax);
    EXPECT_EQ(addChips(kMax - 5, 3), kMax - 2);
    EXPECT_EQ(addChips(kMin, -1), kMin);
    EXPECT_EQ(subtractChips(kMin, 4), kMin);
    EXPECT_EQ(subtractChips(kMax, -4), kMax);
    EXPECT_EQ(subtractChips(3, 4), -1);
}

TEST(WholeNumbers, AcceptBlanksAndASign) {
    EXPECT_EQ(parseWholeNumber("1200"), 1200);
    EXPECT_EQ(parseWholeNumber("  -50 "), -50);
    EXPECT_EQ(parseWholeNumber("+7"), 7);
    EXPECT_EQ(parseWholeNumber("2147483647"), kMax);
    EXPECT_EQ(parseWholeNumber("-2147483648"), kMin);
}

TEST(WholeNumbers, RejectEverythingElse) {
    for (const char* text : {"", "   ", "abc", "12a", "1 2", "0x10", "+", "-", "+-3", "--3",
                             "2147483648", "-2147483649", "99999999999", "1.5", "\t5"})
        EXPECT_FALSE(parseWholeNumber(text).has_value()) << '"' << text << '"';
}

} // namespace
} // namespace omaha
