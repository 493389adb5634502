#pragma once

#include <exception>
#include <ostream>
#include <string>

namespace omaha {

// The exit status of a command that could not do its work: output that could not be written,
// a temporary folder that could not be made, a game that would not end.
inline constexpr int kFailedStatus = 3;

// Throws when `out` has lost something written to it, so that no lost line goes unnoticed.
void requireWritten(std::ostream& out);

// What went wrong, as one line: the error's message and, for a settings file that could not be
// written, the system's reason after it ("Unable to write to /tmp/x/vellum.ini: No space left on
// device"). The window shows that reason among the details of its box; a line must say it all.
std::string failureText(const std::exception& failure);

// Runs a command's work and returns its exit status, once all it wrote has left `out`. Any
// failure, including output that cannot be written, is told on `err` as "error: <reason>" and
// ends with kFailedStatus; the command's own objects (a temporary folder among them) are gone by
// then.
template <typename Work>
int runReportingFailures(std::ostream& out, std::ostream& err, Work work) {
    try {
        const int status = work();
        out.flush();
        requireWritten(out);
        return status;
    } catch (const std::exception& failure) {
        out.flush();
        err << "error: " << failureText(failure) << '\n';
        return kFailedStatus;
    }
}

} // namespace omaha
