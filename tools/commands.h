#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace omaha {

// The commands return the exit status: 0 when all went well, 1 when `eval` met a line it could
// not rank or `position` one it could not read, 2 for a command line that cannot be read, 3 (after
// "error: <reason>" on `err`) when the work could not be done, output that could not be written
// among it.

// `omaha-sim eval`: ranks the cards of each input line. It takes no arguments.
int runEvalCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                   std::ostream& err);

// `omaha-sim position`: writes each input line's position back as the game writes it, or why no
// game reaches it. It takes no arguments.
int runPositionCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                       std::ostream& err);

// `omaha-sim play [options]`: plays one scripted game.
int runPlayCommand(std::span<const std::string_view> options, std::ostream& out, std::ostream& err);

} // namespace omaha
