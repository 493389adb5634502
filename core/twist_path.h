#pragma once

#include <string_view>
#include <vector>

namespace omaha {

// The ways this machine can regenerate a block of the Mersenne Twister: all give the same numbers,
// the wider ones faster. Portable is plain C++ and runs anywhere; Sse2 runs on every x86-64; Avx2
// and Avx512 run where the processor has them.
enum class TwistPath { Portable, Sse2, Avx2, Avx512 };

// The paths this machine can run, narrowest first; Portable is always among them.
std::vector<TwistPath> availablePaths();

// The widest path this machine can run, found once.
TwistPath fastestPath();

std::string_view pathName(TwistPath path);

} // namespace omaha
