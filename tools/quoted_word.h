#pragma once

#include <string>
#include <string_view>

namespace omaha {

// `word` in single quotes, for a message about something the user typed: each control byte
// (below a space, and DEL) is written as \xNN and a backslash as \\, so that a terminal shows
// exactly what the word held and no byte of it can act on the terminal or cut the line short.
std::string quotedWord(std::string_view word);

} // namespace omaha
