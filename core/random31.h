#pragma once

// The one random source of the table. It gives exactly the numbers of std::mt19937(seed) shifted
// right by one, non-negative integers below 2^31, for every seed and on every machine, since a
// whole game is replayed from its seed. The opponents' strength estimate is mostly random draws
// (over a hundred thousand of them per estimate at Genius), so the source regenerates and tempers
// the twister's 624-word state a whole block at a time with the widest vector instructions the
// processor has, and a draw is a read from the ready block.

#include "core/twist_path.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace omaha {

namespace mt19937 {
struct BlockKernel;
}

class Random31 {
public:
    explicit Random31(std::uint32_t seed = 1) : Random31(seed, fastestPath()) {}

    // Regenerates blocks with `path`; throws std::invalid_argument if this machine cannot run it.
    Random31(std::uint32_t seed, TwistPath path);

    void seed(std::uint32_t seed);

    // A non-negative integer below 2^31.
    std::int32_t operator()() {
        if (next_ == kBlockSize) [[unlikely]] {
            refill();
        }
        return static_cast<std::int32_t>(ready_[next_++]);
    }

    // Fills `indices` with the next draws, in order, each taken % 52: exactly what as many calls of
    // operator() would give, reduced one by one, but without a division per draw. Shuffles draw
    // card positions this way.
    void takeModulo52(std::span<std::uint8_t> indices);

private:
    static constexpr std::size_t kBlockSize = 624;

    void refill();

    std::array<std::uint32_t, kBlockSize> state_{};
    // The draws of the current block, already tempered and shifted; those before next_ are used.
    std::array<std::uint32_t, kBlockSize> ready_{};
    std::size_t next_ = kBlockSize;
    const mt19937::BlockKernel* kernel_;
};

} // namespace omaha
