#pragma once

// SimpleIni 4.19, set up as the game used it before it read and wrote its settings itself: the
// reference that the fuzzer holds the game's own reader and writer to, byte for byte.

#include <new>
#include <string>
#include <string_view>

#define SI_NO_CONVERSION
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

namespace omaha::reference {

class SimpleIniDocument {
public:
    // `repaired`: the bytes once repairForSimpleIni has mended them.
    explicit SimpleIniDocument(const std::string& repaired) {
        ini_.SetSpaces(false);
        ini_.SetAllowKeyOnly(false);
        ini_.SetQuotes(false);
        check(ini_.LoadData(repaired.data(), repaired.size()));
    }

    // The first copy of a repeated key, as the game reads it.
    std::optional<std::string> value(std::string_view section, std::string_view key) const {
        const char* text =
            ini_.GetValue(std::string(section).c_str(), std::string(key).c_str(), nullptr);
        return text != nullptr ? std::optional<std::string>(text) : std::nullopt;
    }

    void setValue(std::string_view section, std::string_view key, std::string_view text) {
        check(ini_.SetValue(std::string(section).c_str(), std::string(key).c_str(),
                            std::string(text).c_str(), nullptr, true));
    }

    std::string text() const {
        std::string out;
        check(ini_.Save(out, true));
        return out;
    }

private:
    static void check(SI_Error result) {
        if (result < 0)
            throw std::bad_alloc();
    }

    // Repeated keys kept, no multi-line values; a byte-order mark written back only when read.
    CSimpleIniA ini_{false, true, false};
};

} // namespace omaha::reference
