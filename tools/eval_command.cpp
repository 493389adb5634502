#include "tools/commands.h"

#include <istream>

namespace omaha {

int runEvalCommand(std::istream&, std::ostream&) { return 1; } // to be written

} // namespace omaha
