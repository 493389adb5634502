#include "settings/parsed_settings.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <system_error>
#include <utility>

namespace omaha {

IniDocument& ParsedSettings::current(const std::filesystem::path& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        if (errno != ENOENT && errno != ENOTDIR) {
            forget();
            throw std::system_error(errno, std::generic_category(), "stat settings file");
        }
        startEmpty();
        return *document_;
    }
    if (document_ && version_ && *version_ == FileVersion::of(info)) {
        return *document_;
    }
    forget();
    std::optional<FileContents> file = readFileIfPresent(path);
    if (!file) { // deleted since the stat
        startEmpty();
        return *document_;
    }
    document_ = std::make_unique<IniDocument>(file->bytes);
    version_ = file->version;
    pinned_ = std::move(file->handle);
    ownership_ = file->ownership;
    return *document_;
}

void ParsedSettings::replaced(const std::filesystem::path& path) {
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat info {};
    if (fd.get() < 0 || ::fstat(fd.get(), &info) != 0) {
        forget(); // read again next time
        return;
    }
    version_ = FileVersion::of(info);
    pinned_ = std::move(fd);
    ownership_ = FileOwnership::of(info);
}

void ParsedSettings::forget() {
    document_.reset();
    version_.reset();
    pinned_ = Descriptor();
    ownership_.reset();
}

void ParsedSettings::startEmpty() {
    forget();
    document_ = std::make_unique<IniDocument>("");
}

} // namespace omaha
