#include "settings/integer_value.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string_view>

namespace omaha {
namespace {

struct Case {
    std::string_view text;
    std::optional<std::int32_t> value;
};

void expectAll(std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(parseIntegerValue(c.text), c.value) << "text: \"" << c.text << '"';
    }
}

TEST(IntegerValue, ReadsDecimalWithAnOptionalSign) {
    expectAll({{"0", 0},
               {"1200", 1200},
               {"-50", -50},
               {"+50", 50},
               {"-0", 0},
               {"007", 7},
               {"2147483647", std::numeric_limits<std::int32_t>::max()},
               {"-2147483648", std::numeric_limits<std::int32_t>::min()}});
}

TEST(IntegerValue, ReadsHexadecimalAfterTheZeroXPrefix) {
    expectAll({{"0x4B0", 1200},
               {"0X4b0", 1200},
               {"0x0", 0},
               {"0x00000001", 1},
               {"0x7FFFFFFF", std::numeric_limits<std::int32_t>::max()}});
}

TEST(IntegerValue, RejectsTextThatIsNoInteger) {
    expectAll({{"", std::nullopt},
               {"abc", std::nullopt},
               {"0x", std::nullopt}, // too short for the hexadecimal form, and not decimal
               {"0X", std::nullopt},
               {"0xG", std::nullopt},
               {"0x-5", std::nullopt},
               {"0x+5", std::nullopt},
               {"0x0x5", std::nullopt},
               {"-0x5", std::nullopt},
               {"x10", std::nullopt},
               {"$4B0", std::nullopt},
               {"+", std::nullopt},
               {"-", std::nullopt},
               {"+-5", std::nullopt},
               {"-+5", std::nullopt},
               {"--5", std::nullopt},
               {"12a", std::nullopt},
               {"1 2", std::nullopt},
               {" 12", std::nullopt}, // blanks are trimmed by the INI reader, not accepted here
               {"12.0", std::nullopt},
               {"1e3", std::nullopt},
               {"\xd9\xa3", std::nullopt}}); // an Arabic-Indic digit three
}

TEST(IntegerValue, RejectsNumbersOutsideTheSigned32BitRange) {
    expectAll({{"99999999999", std::nullopt},
               {"2147483648", std::nullopt},
               {"-2147483649", std::nullopt},
               {"+2147483648", std::nullopt},
               {"0x80000000", std::nullopt},
               {"0xFFFFFFFF", std::nullopt},
               {"0x1FFFFFFFF", std::nullopt},
               {"000000000000000000000000000001", 1}}); // long, but small
}

} // namespace
} // namespace omaha
