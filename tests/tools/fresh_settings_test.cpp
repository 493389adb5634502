#include "settings/ini_document.h"
#include "tools/fresh_settings.h"

#include <gtest/gtest.h>

namespace omaha {
namespace {

TEST(FreshSettings, EveryKeyHoldsItsOptionAsGiven) {
    PlayOptions options;
    options.level = "33";
    options.small = "-6";
    options.big = "0x1F";
    options.cash = "3000000000";
    options.until = "+0100";
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
