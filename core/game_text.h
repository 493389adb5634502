#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace omaha {

// The texts the game shows the player, in the player's language. The game's own words are
// English; a front end that speaks other languages installs a translator, which is handed the
// English text and the context that groups it for translators ("Table", "History", ...). Without
// one, as in omaha-sim and the tests of the game, every text is the English one, so the recorded
// games never depend on the language. The translation tools find the texts by this function's
// name: always call it with two literal strings.
std::string gameText(const char* context, const char* text);

// Marks a text kept in a table for the translation tools; the table's user later puts it through
// gameText with the same context.
constexpr const char* gameTextMark(const char* /*context*/, const char* text) {
    return text;
}

// Answers gameText once installed; returns the text itself where it knows no translation.
using GameTextTranslator = std::string (*)(const char* context, const char* text);
// Installs `translator`, or goes back to English with nullptr. Called once at start-up, before
// any text is asked for.
void installGameTextTranslator(GameTextTranslator translator);

// A sentence with numbered places "%1" to "%9" filled in: "%1 raises %2" with {"Freak", "20"}
// gives "Freak raises 20". Translators may move the places to wherever their language puts the
// words; a place with no value, or any other '%', is kept as written.
std::string fillPlaces(std::string_view pattern, std::initializer_list<std::string_view> values);

} // namespace omaha
