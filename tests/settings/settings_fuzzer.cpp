// Feeds arbitrary bytes to the settings reader as the contents of the settings file, and checks
// that a rewrite of the file keeps what the game reads from it.

#include "settings/ini_document.h"
#include "settings/integer_value.h"
#include "settings/settings_file.h"
#include "temp_folder.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace {

using Name = std::pair<std::string_view, std::string_view>; // section, key

// The game's own keys, plus short names that the fuzzer can stumble on; two of them differ only
// in their letter case, and so are one name.
constexpr Name kNames[] = {
    {"Background", "Color"}, {"Cash", "player"}, {"Cash", "initial"}, {"Levels", "comp"},
    {"Bet", "small"},        {"a", "b"},         {"", "a"},           {"A", "B"}};

void require(bool condition) {
    if (!condition)
        std::abort();
}

bool sameName(const Name& a, const Name& b) {
    const auto lower = [](unsigned char c) { return std::tolower(c); };
    return std::ranges::equal(a.first, b.first, {}, lower, lower) &&
           std::ranges::equal(a.second, b.second, {}, lower, lower);
}

std::optional<std::int32_t> readFrom(const omaha::IniDocument& document, const Name& name) {
    const std::optional<std::string> text = document.value(name.first, name.second);
    return text ? omaha::parseIntegerValue(*text) : std::nullopt;
}

std::string rewrite(const std::string& text, const Name& name) {
    omaha::IniDocument document(text);
    document.setValue(name.first, name.second, "-1234");
    return document.text();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    // A value that reads as a number reads as the same number once the game has written it.
    if (const std::optional<std::int32_t> number = omaha::parseIntegerValue(bytes))
        require(omaha::parseIntegerValue(std::to_string(*number)) == number);

    // One write, as the game makes it: the key written reads back and every other key reads as
    // before.
    const omaha::IniDocument original(bytes);
    const Name& written = kNames[size % std::size(kNames)];
    const omaha::IniDocument reread(rewrite(bytes, written));
    for (const Name& name : kNames)
        require(readFrom(reread, name) ==
                (sameName(name, written) ? -1234 : readFrom(original, name)));
    // The game rewrites the file at every deal. SimpleIni may settle the layout over the first
    // few rewrites (a leading comment becomes the file's own comment, blank lines come and go),
    // but then the file must stop changing: nothing may creep in at every write.
    std::string settled = bytes;
    for (int pass = 0; pass < 5; ++pass)
        settled = rewrite(settled, written);
    require(rewrite(settled, written) == settled);

    // The whole reader, through a real file; a new one each time, since truncating the old one
    // would make ext4 flush it at every run.
    static const omaha::test_files::TempFolder folder;
    std::filesystem::remove(folder / "vellum.ini");
    omaha::test_files::writeBytes(folder / "vellum.ini", bytes);
    const omaha::SettingsFile file(folder / "vellum.ini");
    require(file.readInt("Cash", "player", 1200) == readFrom(original, kNames[1]).value_or(1200));
    return 0;
}
