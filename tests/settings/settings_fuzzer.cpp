// Feeds arbitrary bytes to the settings reader as the contents of the settings file, and checks
// that a rewrite of the file keeps what the game reads from it.

#include "settings/ini_document.h"
#include "settings/integer_value.h"
#include "settings/settings_file.h"
#include "temp_folder.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

namespace {

struct Name {
    std::string_view section;
    std::string_view key;
};

// The game's own keys, plus short names that the fuzzer can stumble on.
constexpr std::array<Name, 10> kNames = {{{"Background", "Color"},
                                          {"Cash", "player"},
                                          {"Cash", "freak"},
                                          {"Cash", "initial"},
                                          {"Card", "back"},
                                          {"Levels", "comp"},
                                          {"Bet", "small"},
                                          {"a", "b"},
                                          {"", "a"},
                                          {"A", "B"}}};

void require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

bool sameName(const Name& a, const Name& b) {
    return equalIgnoringCase(a.section, b.section) && equalIgnoringCase(a.key, b.key);
}

std::optional<std::int32_t> readFrom(const omaha::IniDocument& document, const Name& name) {
    const std::optional<std::string> text = document.value(name.section, name.key);
    return text ? omaha::parseIntegerValue(*text) : std::nullopt;
}

// A value that reads as a number reads as the same number once written by the game.
void checkNumber(std::string_view text) {
    const std::optional<std::int32_t> number = omaha::parseIntegerValue(text);
    if (number) {
        require(omaha::parseIntegerValue(std::to_string(*number)) == number);
    }
}

std::string rewrite(const std::string& text, const Name& name) {
    omaha::IniDocument document(text);
    document.setValue(name.section, name.key, "-1234");
    return document.text();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    checkNumber(bytes);

    const omaha::IniDocument original(bytes);
    std::array<std::optional<std::int32_t>, kNames.size()> before{};
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        before[i] = readFrom(original, kNames[i]);
    }

    // One write, as the game makes it: the key written reads back and every other key reads as
    // before.
    const Name& written = kNames[size % kNames.size()];
    const std::string once = rewrite(bytes, written);
    const omaha::IniDocument reread(once);
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        const bool isWritten = sameName(kNames[i], written);
        require(readFrom(reread, kNames[i]) == (isWritten ? std::optional(-1234) : before[i]));
    }
    // The game rewrites the file at every Deal. SimpleIni may settle the layout over the first
    // few rewrites (a leading comment becomes the file's own comment, blank lines come and go),
    // but then the file must stop changing: nothing may creep in at every write.
    constexpr int kSettlingRewrites = 4;
    std::string settled = once;
    for (int pass = 0; pass < kSettlingRewrites; ++pass) {
        settled = rewrite(settled, written);
    }
    require(rewrite(settled, written) == settled);

    // The whole reader, through a real file.
    static const omaha::test_files::TempFolder folder;
    const std::filesystem::path path = folder / "vellum.ini";
    // A new file each time: truncating the old one would make ext4 flush it at every run.
    std::filesystem::remove(path);
    omaha::test_files::writeBytes(path, bytes);
    const omaha::SettingsFile file(path);
    require(file.readInt("Cash", "player", 1200) == before[1].value_or(1200));
    return 0;
}
