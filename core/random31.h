#pragma once

#include <cstdint>
#include <random>

namespace omaha {

// The one random source of the table: the shuffle, the opponents' simulation and their decisions
// all draw from it, so one seed replays a whole game exactly, on any machine. The standard Mersenne
// Twister is fixed by its definition, which is what makes a seed portable.
class Random31 {
public:
    explicit Random31(std::uint32_t seed = 1) : generator_(seed) {}

    void seed(std::uint32_t seed) { generator_.seed(seed); }

    // A non-negative integer below 2^31.
    std::int32_t operator()() { return static_cast<std::int32_t>(generator_() >> 1); }

private:
    std::mt19937 generator_;
};

} // namespace omaha
