#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string_view>

namespace omaha {

// One value to write.
struct IntSetting {
    std::string_view section;
    std::string_view key;
    std::int32_t value;
};

// Integers by section and key, kept from one run to the next: the settings file, or in tests a
// store in memory. It knows nothing of what the numbers mean.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored integer, or `fallback` when there is none or it cannot be read as one.
    virtual std::int32_t readInt(std::string_view section, std::string_view key,
                                 std::int32_t fallback) const = 0;
    // Stores the values in the order given, all of them or, after an error that says why, none.
    // Each command of the game makes one such write.
    virtual void writeInts(std::span<const IntSetting> values) = 0;

    void writeInts(std::initializer_list<IntSetting> values) {
        writeInts(std::span(values.begin(), values.size()));
    }
};

} // namespace omaha
