#include "settings/ini_document.h"
#include "tools/fresh_settings.h"

#include <gtest/gtest.h>

namespace omaha {
namespace {

TEST(FreshSettings, EveryKeyHoldsItsOptionAsGiven) {
    const PlayOptions options{
        .level = "33", .small = "-6", .big = "0x1F", .cash = "3000000000", .until = "+0100"};
    const IniDocument file(freshSettingsText(options));
    for (const char* seat :
         {"freak", "player", "geek", "master", "champ", "pinhead", "expert", "robot", "initial"})
        EXPECT_EQ(file.value("Cash", seat), "3000000000") << seat;
    for (const auto& [section, key, text] : {std::tuple("Background", "Color", "0"),
                                             {"Cash", "until", "+0100"},
                                             {"Card", "back", "52"},
                                             {"Levels", "comp", "33"},
                                             {"Bet", "small", "-6"},
                                             {"Bet", "big", "0x1F"}})
        EXPECT_EQ(file.value(section, key), text) << section << '/' << key;
}

} // namespace
} // namespace omaha
