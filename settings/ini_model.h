#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace omaha {

// Section and key names match without regard to the letter case of A to Z, as in the desktop
// profile services; other bytes match only themselves.
bool sameName(std::string_view a, std::string_view b);

// Finds positions in a list by the name at each position, in constant time: an open-addressing
// table of positions, which the names stay out of, so that it is one block of memory.
class NameIndex {
public:
    bool empty() const { return slots_.empty(); }

    // The position whose name matches `name`; else adds `position` for it and gives -1.
    // `nameAt(position)` is the name at a position already in the table.
    template <typename NameAt>
    std::int32_t findOrAdd(std::string_view name, std::int32_t position, NameAt nameAt);
    // The position whose name matches `name`, -1 for none.
    template <typename NameAt>
    std::int32_t find(std::string_view name, NameAt nameAt) const;

private:
    struct Slot {
        std::uint32_t hash = 0;
        std::int32_t position = -1; // -1: free
    };
    static std::uint32_t hashOf(std::string_view name);
    void grow();

    std::vector<Slot> slots_; // a power of two in size, at most half full
    std::size_t used_ = 0;
};

// One "key=value" line, or one copy of a repeated key.
struct IniEntry {
    std::string_view key;
    std::string_view value;
    std::unique_ptr<std::string> owned; // the key and value of a write: the views point into it
    std::uint32_t comment = 0;          // 1 + index into IniModel::comments; 0 for none
    std::int32_t next = -1;             // the next copy of the same key, -1 after the last
    std::int32_t last = -1;             // of the first copy: the last copy
    // A later copy, written after the first; one that a write to its key dropped is no longer
    // in the first copy's chain.
    bool repeat = false;
};

// A section with all the keys of every one of its headers, in the order read or added.
struct IniSection {
    std::string_view name;
    std::unique_ptr<std::string> ownedName; // of a section added by a write
    std::uint32_t comment = 0;              // as in IniEntry
    std::vector<IniEntry> entries;
    // First copies by name, once the section is large enough for a linear search to be slow.
    NameIndex index;

    // The first copy of `key`, -1 when it is missing.
    std::int32_t find(std::string_view key) const;
    // Adds a copy of `key` after any copies that it has.
    void add(std::string_view key, std::string_view value, std::uint32_t commentNumber);
    // Gives `key` the one value `value`, where its first copy stood or else at the end.
    void set(std::string_view key, std::string_view value);

private:
    std::string_view nameAt(std::int32_t position) const {
        return entries[static_cast<std::size_t>(position)].key;
    }
    void indexIfLarge();
};

// The whole of a settings text as the game reads and writes it. The views point into `text`,
// into `comments` or into the strings owned by entries and sections, none of which move.
struct IniModel {
    std::string text; // the bytes read, as repaired
    bool byteOrderMark = false;
    std::optional<std::string> fileComment;
    std::deque<std::string> comments; // the deque keeps them in place as it grows
    std::deque<IniSection> sections;  // in the order of their first header; they never move
    NameIndex sectionIndex;

    IniSection* find(std::string_view section);
    const IniSection* find(std::string_view section) const;
    // The place in `sections` of the section, added at the end when missing; `comment` goes only
    // to a new section: the comment before a repeated header is dropped with the header.
    std::size_t section(std::string_view name, std::uint32_t comment, bool ownName);
    std::string_view comment(std::uint32_t number) const { return comments[number - 1]; }
};

// Reads any bytes, once repairForSimpleIni has mended them, into the model exactly as SimpleIni
// 4.19 would, set up as the settings file has always been read: repeated keys kept, no multi-line
// values, no quotes, lines without '=' ignored.
std::unique_ptr<IniModel> readIni(std::string_view bytes);

// The text of the model exactly as SimpleIni 4.19 would save it: "key=value", '\n' line ends, the
// byte-order mark when the text read had one.
std::string writeIni(const IniModel& model);

} // namespace omaha

namespace omaha {

template <typename NameAt>
std::int32_t NameIndex::findOrAdd(std::string_view name, std::int32_t position, NameAt nameAt) {
    if (2 * (used_ + 1) > slots_.size()) {
        grow();
    }
    const std::uint32_t hash = hashOf(name);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        Slot& slot = slots_[at];
        if (slot.position < 0) {
            slot = {hash, position};
            ++used_;
            return -1;
        }
        if (slot.hash == hash && sameName(nameAt(slot.position), name)) {
            return slot.position;
        }
    }
}

template <typename NameAt>
std::int32_t NameIndex::find(std::string_view name, NameAt nameAt) const {
    if (slots_.empty()) {
        return -1;
    }
    const std::uint32_t hash = hashOf(name);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const Slot& slot = slots_[at];
        if (slot.position < 0) {
            return -1;
        }
        if (slot.hash == hash && sameName(nameAt(slot.position), name)) {
            return slot.position;
        }
    }
}

} // namespace omaha
