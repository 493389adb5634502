#include "settings/ini_document.h"

#include "settings/ini_repairs.h"

#include <algorithm>
#include <new>

// The settings file is plain bytes: no wide-character conversion is wanted, and without this
// SimpleIni would need a conversion library that is not part of its package.
#define SI_NO_CONVERSION
// Debian's header keeps the template bodies behind this switch. Compiling them here, rather than
// linking the packaged library, leaves out its ICU dependency and lets the sanitizers and the
// fuzzer's coverage reach into the parser.
#define SI_IMPLEMENTATION
#include <SimpleIni.h>

namespace omaha {

struct IniDocument::Parsed {
    // Repeated keys kept, no multi-line values. The UTF-8 flag starts clear so that a byte-order
    // mark is written back only when the file had one.
    CSimpleIniA ini{false, true, false};
};

namespace {

// SimpleIni reports a lack of memory as an error code; the callers expect an exception.
void check(SI_Error result) {
    if (result < 0) {
        throw std::bad_alloc();
    }
}

} // namespace

IniDocument::IniDocument(std::string_view bytes) : parsed_(std::make_unique<Parsed>()) {
    const std::string text = repairForSimpleIni(bytes);
    CSimpleIniA& ini = parsed_->ini;
    ini.SetSpaces(false); // write "key=value", the form the game has always written
    // Lines without '=' stay ignored: SimpleIni 4.19 would hand such a line the value of the key
    // before it, so that a stray "player" line under "geek=5" would read as 5.
    ini.SetAllowKeyOnly(false);
    ini.SetQuotes(false); // a value is the text as it stands
    check(ini.LoadData(text.data(), text.size()));
}

IniDocument::~IniDocument() = default;

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    CSimpleIniA::TNamesDepend values;
    if (!parsed_->ini.GetAllValues(std::string(section).c_str(), std::string(key).c_str(),
                                   values) ||
        values.empty()) {
        return std::nullopt;
    }
    const auto first =
        std::min_element(values.begin(), values.end(),
                         [](const auto& a, const auto& b) { return a.nOrder < b.nOrder; });
    return std::string(first->pItem);
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view text) {
    check(parsed_->ini.SetValue(std::string(section).c_str(), std::string(key).c_str(),
                                std::string(text).c_str(), nullptr, true));
}

std::string IniDocument::text() const {
    std::string out;
    check(parsed_->ini.Save(out, true));
    return out;
}

} // namespace omaha
