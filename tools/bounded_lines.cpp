#include "tools/bounded_lines.h"

#include <limits>
#include <stdexcept>

namespace omaha {

std::optional<BoundedLineReader::Line> BoundedLineReader::next() {
    in_.getline(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
    if (in_.bad())
        throw std::runtime_error("cannot read the input");
    const auto got = static_cast<std::size_t>(in_.gcount());
    if (!in_.fail()) // the count takes in the newline, unless the input ended first
        return Line{{buffer_.data(), in_.eof() ? got : got - 1}};
    if (in_.eof())
        return std::nullopt; // nothing was left
    // The buffer filled up before the line ended: the rest of it is skipped unread. A failure
    // to read on shows at the next line.
    in_.clear();
    in_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    return Line{{}, true};
}

} // namespace omaha
