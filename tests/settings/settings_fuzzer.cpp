// Feeds arbitrary bytes to the settings reader as the contents of the settings file, and checks
// that a rewrite of the file keeps what the game reads from it, and that the game reads and
// writes every file exactly as SimpleIni did.

#include "settings/ini_document.h"
#include "settings/ini_repairs.h"
#include "settings/integer_value.h"
#include "settings/settings_file.h"
#include "simpleini_reference.h"
#include "tests/temp_folder.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <strings.h>
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

bool sameName(const Name& a, const Name& b) { // the names above end in '\0'
    return ::strcasecmp(a.first.data(), b.first.data()) == 0 &&
           ::strcasecmp(a.second.data(), b.second.data()) == 0;
}

std::optional<std::int32_t> readFrom(const omaha::IniDocument& document, const Name& name) {
    const std::optional<std::string> text = document.value(name.first, name.second);
    return text ? omaha::parseIntegerValue(*text) : std::nullopt;
}

// The same writes of two values, one after the other, to the game's document and to SimpleIni's
// leave the same text, as does the first reading.
void requireSameAsSimpleIni(const std::string& bytes, const Name& first, const Name& second) {
    omaha::IniDocument document(bytes);
    omaha::reference::SimpleIniDocument reference(omaha::repairForSimpleIni(bytes));
    require(document.text() == reference.text());
    for (const Name& name : kNames)
        require(document.value(name.first, name.second) ==
                reference.value(name.first, name.second));
    for (const auto& [name, value] : {std::pair(first, "-1234"), std::pair(second, "77")}) {
        document.setValue(name.first, name.second, value);
        reference.setValue(name.first, name.second, value);
        require(document.text() == reference.text());
    }
}

std::string rewrite(const std::string& text, const Name& name, const char* value = "-1234") {
    omaha::IniDocument document(text);
    document.setValue(name.first, name.second, value);
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
    const Name& other = kNames[(size / std::size(kNames)) % std::size(kNames)];
    requireSameAsSimpleIni(bytes, written, other);
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
    // The game keeps the document of its last write and writes the next values into it; on a
    // settled file that gives what a fresh read of the file would.
    omaha::IniDocument kept(settled);
    kept.setValue(written.first, written.second, "-1234");
    kept.setValue(other.first, other.second, "77");
    require(kept.text() == rewrite(rewrite(settled, written), other, "77"));

    // The whole reader, through a real file; a new one each time, since truncating the old one
    // would make ext4 flush it at every run.
    static const omaha::test_files::TempFolder folder;
    std::filesystem::remove(folder / "vellum.ini");
    omaha::test_files::writeBytes(folder / "vellum.ini", bytes);
    const omaha::SettingsFile file(folder / "vellum.ini");
    require(file.readInt("Cash", "player", 1200) == readFrom(original, kNames[1]).value_or(1200));
    return 0;
}
