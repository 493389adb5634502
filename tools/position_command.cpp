#include "engine/position.h"
#include "tools/commands.h"
#include "tools/line_command.h"

#include <optional>
#include <string>

namespace omaha {

namespace {

constexpr std::string_view kPositionUsage = "usage: omaha-sim position < positions\n";

// A position as the game writes it, or "error: " and why no game reaches it; nothing for a
// blank line.
std::optional<std::string> answer(std::string_view line) {
    if (line.find_first_not_of(" \t\r") == std::string_view::npos)
        return std::nullopt;
    const PositionReading reading = readPosition(line);
    if (!reading.problem.empty())
        return "error: " + reading.problem;
    return positionText(reading.position);
}

} // namespace

int runPositionCommand(std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                       std::ostream& err) {
    return runLineCommand("position", kPositionUsage, args, in, out, err, answer);
}

} // namespace omaha
