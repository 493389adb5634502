#pragma once

#include "settings/atomic_file.h"
#include "settings/descriptor.h"
#include "settings/file_version.h"
#include "settings/ini_document.h"

#include <filesystem>
#include <memory>
#include <optional>

namespace omaha {

// The settings file as this process last read or wrote it, parsed, so that the file is read and
// parsed again only when its version on disk has changed: a large file would otherwise be parsed
// at every value read and at every value written.
class ParsedSettings {
public:
    ParsedSettings() = default;
    ParsedSettings(const ParsedSettings&) = delete;
    ParsedSettings& operator=(const ParsedSettings&) = delete;

    // The document of the file now at `path` (links followed): the one remembered while the file
    // is the version it was read or written as, else read and parsed anew; an empty document when
    // there is no file. Throws what reading the file throws, and then remembers nothing.
    IniDocument& current(const std::filesystem::path& path);

    // The owner, group and permissions of the file that `current` found; nothing when there was
    // none.
    const std::optional<FileOwnership>& ownership() const { return ownership_; }

    // Tells that the text of the document is now the file at `path`, so that the next use
    // needs no read.
    void replaced(const std::filesystem::path& path);

    // Drops the document, after a change to it that may not have reached the disk.
    void forget();

private:
    void startEmpty();

    std::unique_ptr<IniDocument> document_;
    std::optional<FileVersion> version_; // nothing: no file, or nothing remembered
    Descriptor pinned_;                  // keeps the version's inode number from being reused
    std::optional<FileOwnership> ownership_;
};

} // namespace omaha
