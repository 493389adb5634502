#include "core/game_text.h"

#include <atomic>
#include <cstddef>

namespace omaha {

namespace {

std::atomic<GameTextTranslator> installed{nullptr};

} // namespace

std::string gameText(const char* context, const char* text) {
    if (const GameTextTranslator translator = installed.load(std::memory_order_acquire))
        return translator(context, text);
    return text;
}

void installGameTextTranslator(GameTextTranslator translator) {
    installed.store(translator, std::memory_order_release);
}

std::string fillPlaces(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string filled;
    filled.reserve(pattern.size() + 16);
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const char c = pattern[at];
        const bool place =
            c == '%' && at + 1 < pattern.size() && pattern[at + 1] >= '1' && pattern[at + 1] <= '9';
        const std::size_t index = place ? static_cast<std::size_t>(pattern[at + 1] - '1') : 0;
        if (place && index < values.size()) {
            filled += values.begin()[index];
            ++at;
        } else {
            filled += c;
        }
    }
    return filled;
}

} // namespace omaha
