#pragma once

// The block kernels behind Random31, one for each TwistPath.

#include <cstddef>
#include <cstdint>

namespace omaha {

enum class TwistPath;

namespace mt19937 {

inline constexpr std::size_t kStateWords = 624;
// Each new word mixes in the word this far ahead of it, wrapping round the state.
inline constexpr std::size_t kFarStep = 397;
// From this word on, the word mixed in lies past the wrap and has already been regenerated.
inline constexpr std::size_t kFirstWrapped = kStateWords - kFarStep;

struct BlockKernel {
    // Regenerates the whole `state` and writes the block's draws (the tempered words shifted right
    // by one) to `draws`.
    void (*refill)(std::uint32_t* state, std::uint32_t* draws) noexcept;
    // out[k] = draws[k] % 52 for k < count; every draw is below 2^31.
    void (*modulo52)(const std::uint32_t* draws, std::uint8_t* out, std::size_t count) noexcept;
};

// Throws std::invalid_argument if this machine cannot run `path`.
const BlockKernel& blockKernel(TwistPath path);

extern const BlockKernel kPortableKernel;
extern const BlockKernel kSse2Kernel;
extern const BlockKernel kAvx2Kernel;
extern const BlockKernel kAvx512Kernel;

} // namespace mt19937
} // namespace omaha
