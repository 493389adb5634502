#include "tools/command_failure.h"

#include <stdexcept>

namespace omaha {

void requireWritten(std::ostream& out) {
    if (!out)
        throw std::runtime_error("cannot write the output");
}

} // namespace omaha
