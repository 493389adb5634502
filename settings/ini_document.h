#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace omaha {

// One INI text, parsed and written back byte for byte as SimpleIni 4.19 did when the game used
// it, in time linear in the size of the text (SimpleIni's trees took seconds over a large file),
// with the conventions of the settings file: section and key names match without regard to
// letter case, as the desktop profile services do; of a repeated key the first counts. A rewrite
// keeps every section, key and comment, except comments after the file's last key; lines without
// '=' are no keys and are left out. It holds no file: the caller reads and writes the bytes.
class IniDocument {
public:
    // Any bytes are accepted; see repairForSimpleIni for what is mended before they are read.
    explicit IniDocument(std::string_view bytes);
    ~IniDocument();
    IniDocument(const IniDocument&) = delete;
    IniDocument& operator=(const IniDocument&) = delete;

    // The value as written after '=', without the blanks around it; nothing when the section or
    // the key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // Sets the key to `text`, leaving one line for it where its first copy stood, or adding the
    // section and the key at the end when they are missing.
    void setValue(std::string_view section, std::string_view key, std::string_view text);

    // The whole document, with '\n' line ends and the byte-order mark it was read with.
    std::string text() const;

private:
    struct Parsed;
    std::unique_ptr<Parsed> parsed_;
};

} // namespace omaha
