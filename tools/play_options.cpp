#include "tools/play_options.h"

#include <charconv>

namespace omaha {

namespace {

template <typename Number>
bool readNumber(std::string_view text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() && !text.empty();
}

} // namespace

std::optional<PlayOptions> parsePlayOptions(std::span<const std::string_view> args) {
    PlayOptions options;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        if (i + 1 >= args.size())
            return std::nullopt;
        const std::string_view name = args[i];
        const std::string_view value = args[i + 1];
        bool ok = true;
        if (name == "--seed")
            ok = readNumber(value, options.seed);
        else if (name == "--hands")
            ok = readNumber(value, options.hands);
        else if (name == "--level")
            ok = readNumber(value, options.level);
        else if (name == "--small")
            ok = readNumber(value, options.small);
        else if (name == "--big")
            ok = readNumber(value, options.big);
        else if (name == "--cash")
            ok = readNumber(value, options.cash);
        else if (name == "--until")
            ok = readNumber(value, options.until);
        else if (name == "--script") {
            options.script = value;
            ok = !value.empty() && value.find_first_not_of("crf") == std::string_view::npos;
        } else
            ok = false;
        if (!ok)
            return std::nullopt;
    }
    return options;
}

} // namespace omaha
