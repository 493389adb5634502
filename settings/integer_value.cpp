#include "settings/integer_value.h"

#include <algorithm>
#include <charconv>

namespace omaha {

namespace {

// ASCII only, whatever the locale says.
bool isDecimalDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isHexDigit(char c) {
    return isDecimalDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// `text` is already known to be digits, with at most a leading minus: from_chars would otherwise
// accept a minus sign after the "0x" as well.
std::optional<std::int32_t> convert(std::string_view text, int base) {
    std::int32_t value = 0;
    const char* const end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, base);
    if (error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::optional<std::int32_t> parseIntegerValue(std::string_view text) {
    if (text.size() >= 3 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        const std::string_view digits = text.substr(2);
        if (!std::all_of(digits.begin(), digits.end(), isHexDigit)) {
            return std::nullopt;
        }
        return convert(digits, 16);
    }
    std::string_view digits = text;
    if (!digits.empty() && (digits[0] == '+' || digits[0] == '-')) {
        digits.remove_prefix(1);
    }
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), isDecimalDigit)) {
        return std::nullopt;
    }
    // from_chars takes a minus sign but not a plus; the minus stays so that -2147483648 fits.
    return convert(text[0] == '+' ? digits : text, 10);
}

} // namespace omaha
