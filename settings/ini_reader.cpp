#include "settings/byte_order_mark.h"
#include "settings/ini_model.h"
#include "settings/ini_repairs.h"

namespace omaha {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isNewLine(char c) {
    return c == '\r' || c == '\n';
}
bool isComment(char c) {
    return c == ';' || c == '#';
}

// What one scan of the text finds: a section header, a key, or the end.
struct Found {
    enum Kind { End, Header, Key } kind = End;
    std::string_view name;
    std::string_view value;
    std::optional<std::string> comment; // the comment lines just before it
};

// Walks the text as SimpleIni's reader does, line by line.
class Scanner {
public:
    explicit Scanner(std::string_view text, std::size_t start) : text_(text), at_(start) {}

    // The comment lines at the very start: they end at the first line that is no comment.
    std::optional<std::string> fileComment() { return comment(false); }

    Found next() {
        Found found;
        while (more()) {
            skip(isSpace);
            if (!more()) {
                break;
            }
            if (isComment(here())) {
                found.comment = comment(true);
                continue;
            }
            if (here() == '[') {
                if (header(found)) {
                    return found;
                }
                continue;
            }
            if (key(found)) {
                return found;
            }
        }
        found.kind = Found::End;
        return found;
    }

private:
    bool more() const { return at_ < text_.size(); }
    char here() const { return text_[at_]; }
    template <typename Test>
    void skip(Test test) {
        while (more() && test(here())) {
            ++at_;
        }
    }
    void skipToLineEnd() {
        skip([](char c) { return !isNewLine(c); });
    }
    // "\r\n" is one line end, as are a lone '\r' and a lone '\n'.
    void skipLineEnd(std::size_t& at) const {
        at += text_[at] == '\r' && at + 1 < text_.size() && text_[at + 1] == '\n' ? 2 : 1;
    }
    // [begin, end) less the blanks at its end.
    std::string_view trimmed(std::size_t begin, std::size_t end) const {
        while (end > begin && isSpace(text_[end - 1])) {
            --end;
        }
        return text_.substr(begin, end - begin);
    }

    // Comment lines, joined by '\n'; inside a file, blank lines between two comment lines belong
    // to the comment. The last line end is not part of it, unless the text ends there.
    std::optional<std::string> comment(bool blankLinesInside) {
        const std::size_t start = at_;
        std::string lines;
        for (;;) {
            if (!more() || !isComment(here())) {
                if (!blankLinesInside) {
                    break;
                }
                std::size_t ahead = at_;
                std::size_t lineEnds = 0;
                while (ahead < text_.size() && isSpace(text_[ahead])) {
                    if (isNewLine(text_[ahead])) {
                        ++lineEnds;
                        skipLineEnd(ahead);
                    } else {
                        ++ahead;
                    }
                }
                if (ahead < text_.size() && isComment(text_[ahead])) {
                    lines.append(lineEnds, '\n');
                    at_ = ahead;
                    continue;
                }
                break;
            }
            const std::size_t lineStart = at_;
            skipToLineEnd();
            lines.append(text_.substr(lineStart, at_ - lineStart));
            if (!more()) {
                return lines;
            }
            skipLineEnd(at_);
            lines += '\n';
        }
        if (at_ == start) {
            return std::nullopt;
        }
        lines.pop_back();
        return lines;
    }

    // "[name]": blanks around the name dropped, anything after the ']' ignored. A line without
    // ']' is no header (the repairs have closed every one of those).
    bool header(Found& found) {
        ++at_;
        skip(isSpace);
        const std::size_t start = at_;
        skip([](char c) { return c != ']' && !isNewLine(c); });
        if (!more() || here() != ']') {
            return false;
        }
        found.kind = Found::Header;
        found.name = trimmed(start, at_);
        ++at_;
        skipToLineEnd();
        return true;
    }

    // "key=value", blanks around both dropped. A line without '=', or with nothing before it, is
    // no key.
    bool key(Found& found) {
        const std::size_t start = at_;
        skip([](char c) { return c != '=' && !isNewLine(c); });
        if (!more() || here() != '=') {
            return false;
        }
        if (at_ == start) {
            skipToLineEnd();
            return false;
        }
        found.kind = Found::Key;
        found.name = trimmed(start, at_);
        ++at_;
        skip([](char c) { return c == ' ' || c == '\t'; });
        const std::size_t value = at_;
        skipToLineEnd();
        found.value = trimmed(value, at_);
        if (more()) {
            skipLineEnd(at_);
        }
        return true;
    }

    std::string_view text_;
    std::size_t at_;
};

} // namespace

std::unique_ptr<IniModel> readIni(std::string_view bytes) {
    auto model = std::make_unique<IniModel>();
    model->text = repairForSimpleIni(bytes);
    const std::string_view text = model->text;
    model->byteOrderMark = text.starts_with(kByteOrderMark);
    Scanner scanner(text, model->byteOrderMark ? kByteOrderMark.size() : 0);
    model->fileComment = scanner.fileComment();
    const auto keep = [&model](std::optional<std::string>& comment) -> std::uint32_t {
        if (!comment) {
            return 0;
        }
        model->comments.push_back(std::move(*comment));
        return static_cast<std::uint32_t>(model->comments.size());
    };
    std::optional<std::size_t> section; // keys before any header go to the section without name
    for (Found found = scanner.next(); found.kind != Found::End; found = scanner.next()) {
        if (found.kind == Found::Header) {
            section = model->section(found.name, keep(found.comment), false);
            continue;
        }
        if (!section) {
            section = model->section("", 0, false);
        }
        model->sections[*section].add(found.name, found.value, keep(found.comment));
    }
    return model;
}

} // namespace omaha
