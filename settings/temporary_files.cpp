#include "settings/temporary_files.h"

#include "settings/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace omaha {

namespace {

constexpr std::string_view kTemporaryMark = ".tmp";

// A number as std::to_string writes it: digits only, no sign, no leading zero.
template <typename Number>
std::optional<Number> parseWritten(std::string_view digits) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    if (digits.empty() || (digits.size() > 1 && digits[0] == '0') ||
        !std::ranges::all_of(digits, isDigit)) {
        return std::nullopt;
    }
    Number value{};
    const auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc{} || stop != digits.data() + digits.size()) {
        return std::nullopt;
    }
    return value;
}

// The process that wrote the temporary file `name`, when the name is exactly `prefix`, a process
// id, '-' and a counter.
std::optional<pid_t> writerOf(std::string_view name, std::string_view prefix) {
    if (!name.starts_with(prefix)) {
        return std::nullopt;
    }
    name.remove_prefix(prefix.size());
    const std::size_t dash = name.find('-');
    if (dash == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<pid_t> writer = parseWritten<pid_t>(name.substr(0, dash));
    if (!writer || *writer <= 0 || !parseWritten<unsigned>(name.substr(dash + 1))) {
        return std::nullopt;
    }
    return writer;
}

// Only "no such process" counts: a process of another user answers EPERM, and still runs.
bool hasEnded(pid_t process) {
    return ::kill(process, 0) != 0 && errno == ESRCH;
}

} // namespace

std::filesystem::path temporaryFileName(const std::filesystem::path& target, pid_t writer,
                                        unsigned counter) {
    std::filesystem::path name = target;
    name += std::string(kTemporaryMark) + std::to_string(writer) + "-" + std::to_string(counter);
    return name;
}

void removeStaleTemporaryFiles(const std::filesystem::path& settingsPath) {
    try {
        const std::filesystem::path target = followLinks(settingsPath);
        const std::string prefix = target.filename().string() + std::string(kTemporaryMark);
        std::vector<std::filesystem::path> stale;
        std::error_code error;
        for (std::filesystem::directory_iterator entry(folderOf(target), error), end;
             !error && entry != end; entry.increment(error)) {
            const std::optional<pid_t> writer = writerOf(entry->path().filename().string(), prefix);
            std::error_code vanished; // the file may be renamed into place meanwhile
            if (writer && entry->is_regular_file(vanished) && !entry->is_symlink(vanished) &&
                hasEnded(*writer)) {
                stale.push_back(entry->path());
            }
        }
        for (const std::filesystem::path& file : stale) {
            std::filesystem::remove(file, error); // gone already: as good
        }
    } catch (const std::exception&) {
        // A loop of links or a lack of memory: the files stay until the next start.
    }
}

} // namespace omaha
