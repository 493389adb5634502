#include "core/mt19937_sse2_lanes.h"

namespace omaha::mt19937 {

constinit const BlockKernel kSse2Kernel = kernelOf<U32x4>();

} // namespace omaha::mt19937
