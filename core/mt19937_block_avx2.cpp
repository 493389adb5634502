// Compiled with AVX2 enabled; only run where the processor has it. The kernel is a constant, so
// nothing here runs at start-up.
#include "core/mt19937_avx2_lanes.h"

namespace omaha::mt19937 {

constinit const BlockKernel kAvx2Kernel = kernelOf<U32x8, U32x4>();

} // namespace omaha::mt19937
