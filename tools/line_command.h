#pragma once

#include <iosfwd>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace omaha {

// A command that takes no words and answers its input line by line, as `eval` and `position` do:
// `answer` gives the answer to a line, "error: " and why for a line it cannot take, or nothing for
// a blank line; a line too long to read gets an error of its own. Returns the exit status: 2
// after naming a word given on the command line and the usage, 1 when a line got an error, 0
// when all went well, and 3 as runReportingFailures has it.
int runLineCommand(std::string_view name, std::string_view usage,
                   std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                   std::ostream& err, std::optional<std::string> (*answer)(std::string_view line));

} // namespace omaha
