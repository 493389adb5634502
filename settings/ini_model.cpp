#include "settings/ini_model.h"

#include <algorithm>

namespace omaha {

namespace {

char fold(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Below this many entries a section is searched from the start, and needs no table.
constexpr std::size_t kIndexedSize = 16;

} // namespace

bool sameName(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) { return fold(x) == fold(y); });
}

std::uint32_t NameIndex::hashOf(std::string_view name) {
    std::uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (const char c : name) {
        hash = (hash ^ static_cast<unsigned char>(fold(c))) * 1099511628211ull;
    }
    return static_cast<std::uint32_t>(hash ^ (hash >> 32));
}

void NameIndex::grow() {
    std::vector<Slot> old(std::max<std::size_t>(2 * slots_.size(), 64));
    old.swap(slots_);
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.position >= 0) {
            std::size_t at = slot.hash & mask;
            while (slots_[at].position >= 0) {
                at = (at + 1) & mask;
            }
            slots_[at] = slot;
        }
    }
}

std::int32_t IniSection::find(std::string_view key) const {
    if (!index.empty()) {
        return index.find(key, [this](std::int32_t at) { return nameAt(at); });
    }
    for (std::size_t at = 0; at < entries.size(); ++at) {
        const IniEntry& entry = entries[at];
        if (!entry.repeat && sameName(entry.key, key)) {
            return static_cast<std::int32_t>(at);
        }
    }
    return -1;
}

void IniSection::add(std::string_view key, std::string_view value, std::uint32_t commentNumber) {
    const auto at = static_cast<std::int32_t>(entries.size());
    const std::int32_t first =
        index.empty()
            ? find(key)
            : index.findOrAdd(key, at, [this](std::int32_t some) { return nameAt(some); });
    entries.push_back({key, value, nullptr, commentNumber, -1, at, first >= 0});
    if (first < 0) {
        indexIfLarge();
        return;
    }
    IniEntry& head = entries[static_cast<std::size_t>(first)];
    entries[static_cast<std::size_t>(head.last)].next = at;
    head.last = at;
}

void IniSection::set(std::string_view key, std::string_view value) {
    auto owned = std::make_unique<std::string>(std::string(key) + std::string(value));
    const std::string_view newKey = std::string_view(*owned).substr(0, key.size());
    const std::string_view newValue = std::string_view(*owned).substr(key.size());
    const std::int32_t first = find(key);
    if (first < 0) {
        add(newKey, newValue, 0);
        entries.back().owned = std::move(owned);
        return;
    }
    // The later copies go with the chain; they stay in the list, unwritten.
    IniEntry& head = entries[static_cast<std::size_t>(first)];
    head = {newKey, newValue, std::move(owned), head.comment, -1, first, false};
}

void IniSection::indexIfLarge() {
    if (!index.empty() || entries.size() < kIndexedSize) {
        return;
    }
    for (std::size_t at = 0; at < entries.size(); ++at) {
        if (!entries[at].repeat) {
            index.findOrAdd(entries[at].key, static_cast<std::int32_t>(at),
                            [this](std::int32_t some) { return nameAt(some); });
        }
    }
}

IniSection* IniModel::find(std::string_view section) {
    const std::int32_t found = sectionIndex.find(
        section, [this](std::int32_t at) { return sections[static_cast<std::size_t>(at)].name; });
    return found < 0 ? nullptr : &sections[static_cast<std::size_t>(found)];
}

const IniSection* IniModel::find(std::string_view section) const {
    return const_cast<IniModel*>(this)->find(section);
}

std::size_t IniModel::section(std::string_view name, std::uint32_t comment, bool ownName) {
    const auto next = static_cast<std::int32_t>(sections.size());
    const std::int32_t found = sectionIndex.findOrAdd(name, next, [this](std::int32_t at) {
        return sections[static_cast<std::size_t>(at)].name;
    });
    if (found >= 0) {
        return static_cast<std::size_t>(found);
    }
    IniSection& added = sections.emplace_back();
    if (ownName) {
        added.ownedName = std::make_unique<std::string>(name);
        name = *added.ownedName;
    }
    added.name = name;
    added.comment = comment;
    return sections.size() - 1;
}

} // namespace omaha
