#include "tools/quoted_word.h"

namespace omaha {

std::string quotedWord(std::string_view word) {
    constexpr std::string_view kHexDigits = "0123456789abcdef";
    std::string text = "'";
    for (const char c : word) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) {
            text += "\\x";
            text += kHexDigits[byte >> 4];
            text += kHexDigits[byte & 0xf];
        } else {
            if (c == '\\')
                text += '\\';
            text += c;
        }
    }
    return text + "'";
}

} // namespace omaha
