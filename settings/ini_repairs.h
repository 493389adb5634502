#pragma once

#include <string>
#include <string_view>

namespace omaha {

// Mends, line by line, what SimpleIni 4.19 gets wrong in hand-edited or damaged files, so that
// what the game reads stays the same however often the file is rewritten:
// - a NUL byte ends SimpleIni's text: it becomes a line break, and the lines after it still count;
// - a byte-order mark is taken off only at the very start of the file; one at the start of any
//   other line (two files joined together) would become part of a name, and the file's own mark
//   once that line is written first. It is dropped;
// - a section line without its closing bracket runs on into the names of the lines below, and
//   every rewrite adds a line to the file. It is closed: "[Bet" reads as "[Bet]".
// Everything else passes through unchanged.
std::string repairForSimpleIni(std::string_view bytes);

} // namespace omaha
