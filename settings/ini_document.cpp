#include "settings/ini_document.h"

#include "settings/byte_order_mark.h"
#include "settings/ini_model.h"

namespace omaha {

struct IniDocument::Parsed {
    std::unique_ptr<IniModel> model;
};

namespace {

// Each line of `text` with a '\n' after it, the last one too.
void appendLines(std::string_view text, std::string& out) {
    out += text;
    out += '\n';
}

void appendEntry(const IniModel& model, std::string_view key, const IniEntry& entry,
                 std::string& out) {
    if (entry.comment != 0) {
        out += '\n';
        appendLines(model.comment(entry.comment), out);
    }
    out += key;
    out += '=';
    out += entry.value;
    out += '\n';
}

// The keys in the order of their first copies, each followed by its later copies, all under the
// name of the first.
void appendKeys(const IniModel& model, const IniSection& section, std::string& out) {
    for (const IniEntry& entry : section.entries) {
        if (entry.repeat) {
            continue;
        }
        appendEntry(model, entry.key, entry, out);
        for (std::int32_t copy = entry.next; copy >= 0;) {
            const IniEntry& later = section.entries[static_cast<std::size_t>(copy)];
            appendEntry(model, entry.key, later, out);
            copy = later.next;
        }
    }
}

} // namespace

std::string writeIni(const IniModel& model) {
    std::string out;
    out.reserve(model.text.size() + 4096);
    if (model.byteOrderMark) {
        out += kByteOrderMark;
    }
    bool gap = false; // two line ends are due before what comes next
    if (model.fileComment) {
        appendLines(*model.fileComment, out);
        gap = true;
    }
    const auto appendSection = [&](const IniSection& section) {
        if (section.comment != 0) {
            if (gap) {
                out += "\n\n";
            }
            appendLines(model.comment(section.comment), out);
            gap = false;
        }
        if (gap) {
            out += "\n\n";
        }
        if (!section.name.empty()) {
            out += '[';
            out += section.name;
            out += "]\n";
        }
        appendKeys(model, section, out);
        gap = true;
    };
    // The section without a name comes first, wherever it was made.
    const IniSection* unnamed = model.find("");
    if (unnamed != nullptr) {
        appendSection(*unnamed);
    }
    for (const IniSection& section : model.sections) {
        if (&section != unnamed) {
            appendSection(section);
        }
    }
    return out;
}

IniDocument::IniDocument(std::string_view bytes) : parsed_(std::make_unique<Parsed>()) {
    parsed_->model = readIni(bytes);
}

IniDocument::~IniDocument() = default;

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    const IniSection* found = parsed_->model->find(section);
    const std::int32_t first = found != nullptr ? found->find(key) : -1;
    if (first < 0) {
        return std::nullopt;
    }
    return std::string(found->entries[static_cast<std::size_t>(first)].value);
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view text) {
    IniModel& model = *parsed_->model;
    model.sections[model.section(section, 0, true)].set(key, text);
}

std::string IniDocument::text() const {
    return writeIni(*parsed_->model);
}

} // namespace omaha
