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

// What is wrong with a value that the option could not take, or "" when it took it.
std::string unless(bool taken, std::string_view needs, std::string_view value) {
    return taken ? std::string() : "needs " + std::string(needs) + ", not " + quotedWord(value);
}

// Takes the text for the settings file when the file may hold it as an integer: whatever the
// game reads as one, and any decimal number however long, which the game then reads as its
// default.
template <std::string PlayOptions::*Text>
std::string readSettingsInteger(std::string_view value, PlayOptions& options) {
    options.*Text = value;
    return unless(isDecimalInteger(value) || parseIntegerValue(value).has_value(), "an integer",
                  value);
}

struct Option {
    std::string_view name;
    // Takes the value into `options`, or says what is wrong with it.
    std::string (*read)(std::string_view value, PlayOptions& options);
};

constexpr std::array<Option, 10> kOptions = {{
    {"--seed",
     [](std::string_view value, PlayOptions& options) {
         return unless(readNumber(value, options.seed), "a number from 0 to 4294967295", value);
     }},
    {"--hands",
     [](std::string_view value, PlayOptions& options) {
         return unless(readNumber(value, options.hands) && options.hands >= 0,
                       "a number from 0 to 9223372036854775807", value);
     }},
    {"--script",
     [](std::string_view value, PlayOptions& options) {
         options.script = value;
         return unless(!value.empty() && value.find_first_not_of("crf") == std::string_view::npos,
                       "letters c, r and f", value);
     }},
    {"--level", readSettingsInteger<&PlayOptions::level>},
    {"--small", readSettingsInteger<&PlayOptions::small>},
    {"--big", readSettingsInteger<&PlayOptions::big>},
    {"--cash", readSettingsInteger<&PlayOptions::cash>},
    {"--until", readSettingsInteger<&PlayOptions::until>},
    {"--position",
     [](std::string_view value, PlayOptions& options) {
         PositionReading reading = readPosition(value);
         if (!reading.problem.empty())
             return "cannot be played: " + reading.problem;
         options.position = reading.position;
         return std::string();
     }},
    {"--record",
     [](std::string_view value, PlayOptions& options) {
         options.record = value;
         return unless(!value.empty(), "a file name", value);
     }},
}};

} // namespace

ParsedPlayOptions parsePlayOptions(std::span<const std::string_view> args) {
    ParsedPlayOptions parsed;
    std::size_t i = 0;
    while (i < args.size()) {
        // The one option without a value.
        if (args[i] == "--coach") {
            parsed.options.coach = true;
            ++i;
            continue;
        }
        const auto option = std::ranges::find(kOptions, args[i], &Option::name);
        if (option == kOptions.end())
            parsed.problem = "unknown option " + quotedWord(args[i]);
        else if (i + 1 == args.size())
            parsed.problem = std::string(option->name) + " needs a value";
        else if (const std::string problem = option->read(args[i + 1], parsed.options);
                 !problem.empty())
            parsed.problem = std::string(option->name) + " " + problem;
        if (!parsed.problem.empty())
            return parsed;
        i += 2;
    }
    return parsed;
}

} // namespace omaha
