#include "core/random31.h"

#include "core/mt19937_block.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace omaha {

namespace {

std::vector<TwistPath> detectPaths() {
    std::vector<TwistPath> paths{TwistPath::Portable};
#if defined(OMAHA_X86_KERNELS)
    __builtin_cpu_init();
    paths.push_back(TwistPath::Sse2);
    if (__builtin_cpu_supports("avx2")) {
        paths.push_back(TwistPath::Avx2);
    }
    if (__builtin_cpu_supports("avx512f")) {
        paths.push_back(TwistPath::Avx512);
    }
#endif
    return paths;
}

const std::vector<TwistPath>& pathsOfThisMachine() {
    static const std::vector<TwistPath> paths = detectPaths();
    return paths;
}

} // namespace

std::vector<TwistPath> availablePaths() {
    return pathsOfThisMachine();
}

TwistPath fastestPath() {
    return pathsOfThisMachine().back();
}

std::string_view pathName(TwistPath path) {
    switch (path) {
    case TwistPath::Portable:
        return "portable";
    case TwistPath::Sse2:
        return "sse2";
    case TwistPath::Avx2:
        return "avx2";
    case TwistPath::Avx512:
        return "avx512";
    }
    return "unknown";
}

namespace mt19937 {

const BlockKernel& blockKernel(TwistPath path) {
    const std::vector<TwistPath>& paths = pathsOfThisMachine();
    if (std::find(paths.begin(), paths.end(), path) == paths.end()) {
        throw std::invalid_argument("this processor cannot run the " + std::string(pathName(path)) +
                                    " random source");
    }
#if defined(OMAHA_X86_KERNELS)
    switch (path) {
    case TwistPath::Portable:
        break;
    case TwistPath::Sse2:
        return kSse2Kernel;
    case TwistPath::Avx2:
        return kAvx2Kernel;
    case TwistPath::Avx512:
        return kAvx512Kernel;
    }
#endif
    return kPortableKernel;
}

} // namespace mt19937

Random31::Random31(std::uint32_t seed, TwistPath path) : kernel_(&mt19937::blockKernel(path)) {
    this->seed(seed);
}

void Random31::seed(std::uint32_t seed) {
    // The standard twister's seeding, word by word.
    state_[0] = seed;
    for (std::uint32_t i = 1; i < kBlockSize; ++i) {
        const std::uint32_t previous = state_[i - 1];
        state_[i] = 1812433253u * (previous ^ (previous >> 30)) + i;
    }
    next_ = kBlockSize;
}

void Random31::refill() {
    kernel_->refill(state_.data(), ready_.data());
    next_ = 0;
}

void Random31::takeModulo52(std::span<std::uint8_t> indices) {
    while (!indices.empty()) {
        if (next_ == kBlockSize) {
            refill();
        }
        const std::size_t count = std::min(indices.size(), kBlockSize - next_);
        kernel_->modulo52(ready_.data() + next_, indices.data(), count);
        next_ += count;
        indices = indices.subspan(count);
    }
}

} // namespace omaha
