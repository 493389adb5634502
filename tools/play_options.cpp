#include "tools/play_options.h"

#include "settings/integer_value.h"
#include "tools/quoted_word.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace omaha {

namespace {

template <typename Number>
bool readNumber(std::string_view text, Number& value) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() && !text.empty();
}

// An optional sign and decimal digits, as many as there are.
bool isDecimalInteger(std::string_view text) {
    if (!text.empty() && (text[0] == '+' || text[0] == '-'))
        text.remove_prefix(1);
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Takes the text for the settings file when the file may hold it as an integer: whatever the
// game reads as one, and any decimal number however long, which the game then reads as its
// default.
template <std::string PlayOptions::*Text>
bool readSettingsInteger(std::string_view value, PlayOptions& options) {
    options.*Text = value;
    return isDecimalInteger(value) || parseIntegerValue(value).has_value();
}

struct Option {
    std::string_view name;
    std::string_view needs; // what its value must be, for the usage error
    bool (*read)(std::string_view value, PlayOptions& options);
};

constexpr std::array<Option, 9> kOptions = {{
    {"--seed", "a number from 0 to 4294967295",
     [](std::string_view value, PlayOptions& options) { return readNumber(value, options.seed); }},
    {"--hands", "a number from 0 to 9223372036854775807",
     [](std::string_view value, PlayOptions& options) {
         return readNumber(value, options.hands) && options.hands >= 0;
     }},
    {"--script", "letters c, r and f",
     [](std::string_view value, PlayOptions& options) {
         options.script = value;
         return !value.empty() && value.find_first_not_of("crf") == std::string_view::npos;
     }},
    {"--level", "an integer", readSettingsInteger<&PlayOptions::level>},
    {"--small", "an integer", readSettingsInteger<&PlayOptions::small>},
    {"--big", "an integer", readSettingsInteger<&PlayOptions::big>},
    {"--cash", "an integer", readSettingsInteger<&PlayOptions::cash>},
    {"--until", "an integer", readSettingsInteger<&PlayOptions::until>},
    {"--record", "a file name",
     [](std::string_view value, PlayOptions& options) {
         options.record = value;
         return !value.empty();
     }},
}};

} // namespace

ParsedPlayOptions parsePlayOptions(std::span<const std::string_view> args) {
    ParsedPlayOptions parsed;
    for (std::size_t i = 0; i < args.size(); i += 2) {
        const auto option = std::ranges::find(kOptions, args[i], &Option::name);
        if (option == kOptions.end())
            parsed.problem = "unknown option " + quotedWord(args[i]);
        else if (i + 1 == args.size())
            parsed.problem = std::string(option->name) + " needs a value";
        else if (!option->read(args[i + 1], parsed.options))
            parsed.problem = std::string(option->name) + " needs " + std::string(option->needs) +
                             ", not " + quotedWord(args[i + 1]);
        if (!parsed.problem.empty())
            return parsed;
    }
    return parsed;
}

} // namespace omaha
