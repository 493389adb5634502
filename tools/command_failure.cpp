#include "tools/command_failure.h"

#include "settings/settings_file.h"

#include <stdexcept>

namespace omaha {

std::string failureText(const std::exception& failure) {
    if (const auto* write = dynamic_cast<const SettingsWriteError*>(&failure))
        return std::string(write->what()) + ": " + write->reason();
    return failure.what();
}

void requireWritten(std::ostream& out) {
    if (!out)
        throw std::runtime_error("cannot write the output");
}

} // namespace omaha
