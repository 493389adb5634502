#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <optional>
#include <string_view>

namespace omaha {

// The longest line `eval` and `position` take: far more than nine cards or a position need,
// little enough to hold at once.
inline constexpr std::size_t kLongestLine = 4096;

// Reads input line by line without ever holding more than kLongestLine bytes of it, whatever
// the input holds: a longer line is skipped to its end and only reported.
class BoundedLineReader {
public:
    struct Line {
        std::string_view text; // without the newline; empty when too long
        bool tooLong = false;
    };

    explicit BoundedLineReader(std::istream& in) : in_(in) {}
    BoundedLineReader(const BoundedLineReader&) = delete;
    BoundedLineReader& operator=(const BoundedLineReader&) = delete;

    // The next line, valid until the next call; nothing at the end of the input. Throws when
    // the input cannot be read.
    std::optional<Line> next();

private:
    std::istream& in_;
    std::array<char, kLongestLine + 1> buffer_{}; // room for the terminating '\0' too
};

} // namespace omaha
