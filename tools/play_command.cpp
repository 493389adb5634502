#include "tools/commands.h"

#include <ostream>

namespace omaha {

int runPlayCommand(std::span<const std::string_view>, std::ostream&, std::ostream& err) {
    err << "error: not yet available\n";
    return 2;
}

} // namespace omaha
