#include "core/mt19937_lanes.h"

namespace omaha::mt19937 {

constinit const BlockKernel kPortableKernel = kernelOf<>();

} // namespace omaha::mt19937
