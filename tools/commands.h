#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace omaha {

// `omaha-sim eval`: ranks the cards of each input line; returns the exit status.
int runEvalCommand(std::istream& in, std::ostream& out);

// `omaha-sim play [options]`: plays one scripted game; returns the exit status.
int runPlayCommand(std::span<const std::string_view> options, std::ostream& out, std::ostream& err);

} // namespace omaha
