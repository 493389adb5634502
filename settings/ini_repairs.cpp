#include "settings/ini_repairs.h"

#include "settings/byte_order_mark.h"

namespace omaha {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// One line without its line break: the blanks that lead it are kept, marks among them dropped.
void appendLine(std::string_view line, std::string& out) {
    std::size_t at = 0;
    for (;;) {
        if (at < line.size() && isBlank(line[at])) {
            out += line[at++];
        } else if (line.substr(at).starts_with(kByteOrderMark)) {
            at += kByteOrderMark.size();
        } else {
            break;
        }
    }
    const std::string_view rest = line.substr(at);
    out += rest;
    if (rest.starts_with('[') && rest.find(']') == std::string_view::npos) {
        out += ']';
    }
}

} // namespace

std::string repairForSimpleIni(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + 16);
    // The file's own mark stays where SimpleIni looks for it.
    std::size_t start = bytes.starts_with(kByteOrderMark) ? kByteOrderMark.size() : 0;
    out += bytes.substr(0, start);
    for (;;) {
        // A plain loop: find_first_of searches its three bytes anew for every byte of a large file.
        std::size_t end = start;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n' &&
               bytes[end] != '\0') {
            ++end;
        }
        appendLine(bytes.substr(start, end - start), out);
        if (end == bytes.size()) {
            return out;
        }
        out += bytes[end] == '\0' ? '\n' : bytes[end];
        start = end + 1;
    }
}

} // namespace omaha
