#include "tools/line_command.h"

#include "tools/bounded_lines.h"
#include "tools/command_failure.h"
#include "tools/quoted_word.h"

#include <istream>
#include <ostream>

namespace omaha {

int runLineCommand(std::string_view name, std::string_view usage,
                   std::span<const std::string_view> args, std::istream& in, std::ostream& out,
                   std::ostream& err, std::optional<std::string> (*answer)(std::string_view line)) {
    if (!args.empty()) {
        err << "omaha-sim " << name << ": "
            << (args[0].starts_with('-') ? "unknown option " : "unexpected word ")
            << quotedWord(args[0]) << '\n'
            << usage;
        return 2;
    }
    return runReportingFailures(out, err, [&] {
        int status = 0;
        BoundedLineReader lines(in);
        while (const std::optional<BoundedLineReader::Line> line = lines.next()) {
            const std::optional<std::string> text =
                line->tooLong ? "error: the line is longer than " + std::to_string(kLongestLine) +
                                    " characters"
                              : answer(line->text);
            if (!text)
                continue;
            if (text->starts_with("error: "))
                status = 1;
            out << *text << '\n';
            // No point reading on when the answers are lost.
            requireWritten(out);
        }
        return status;
    });
}

} // namespace omaha
