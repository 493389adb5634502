#include "core/game_text.h"

#include <cstring>
#include <gtest/gtest.h>

namespace omaha {
namespace {

// A translator that knows one German sentence, with its places the other way round.
std::string german(const char* context, const char* text) {
    if (std::strcmp(context, "History") == 0 && std::strcmp(text, "%1 raises %2") == 0)
        return "%2 erhöht %1";
    return text;
}

TEST(GameText, PlacesAreFilledWhereverTheSentencePutsThem) {
    EXPECT_EQ(fillPlaces("%1 raises %2", {"Freak", "20"}), "Freak raises 20");
    EXPECT_EQ(fillPlaces("%2 before %1", {"a", "b"}), "b before a");
    EXPECT_EQ(fillPlaces("%1%", {"37"}), "37%");
    // A '%' that is no place, and a place with no value, stay as written.
    EXPECT_EQ(fillPlaces("under 1% %3 %", {"x"}), "under 1% %3 %");
    EXPECT_EQ(fillPlaces("%1 and %1", {"Ace"}), "Ace and Ace");
}

TEST(GameText, EnglishUntilATranslatorIsInstalledAndAfterItIsRemoved) {
    EXPECT_EQ(gameText("History", "%1 raises %2"), "%1 raises %2");
    installGameTextTranslator(german);
    EXPECT_EQ(fillPlaces(gameText("History", "%1 raises %2"), {"Freak", "20"}), "20 erhöht Freak");
    EXPECT_EQ(gameText("Table", "%1 raises %2"), "%1 raises %2");
    installGameTextTranslator(nullptr);
    EXPECT_EQ(gameText("History", "%1 raises %2"), "%1 raises %2");
}

} // namespace
} // namespace omaha
