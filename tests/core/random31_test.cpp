#include "core/mt19937_block.h"
#include "core/random31.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace omaha {
namespace {

// What every source must give: the standard twister's numbers shifted right by one.
std::int32_t standardDraw(std::mt19937& standard) {
    return static_cast<std::int32_t>(standard() >> 1);
}

// How many of the next `count` draws agree with the standard's before the first that does not.
std::size_t agreeingDraws(Random31& random, std::mt19937& standard, std::size_t count) {
    for (std::size_t k = 0; k < count; ++k) {
        if (random() != standardDraw(standard)) {
            return k;
        }
    }
    return count;
}

// The same for a batch of card indices taken from the source.
std::size_t agreeingIndices(const std::vector<std::uint8_t>& indices, std::mt19937& standard) {
    for (std::size_t k = 0; k < indices.size(); ++k) {
        if (indices[k] != standardDraw(standard) % 52) {
            return k;
        }
    }
    return indices.size();
}

class EveryPath : public ::testing::TestWithParam<TwistPath> {
protected:
    void SetUp() override {
        const std::vector<TwistPath> paths = availablePaths();
        if (std::find(paths.begin(), paths.end(), GetParam()) == paths.end()) {
            GTEST_SKIP() << "this processor cannot run " << pathName(GetParam());
        }
    }
};

TEST_P(EveryPath, DrawsAreTheStandardTwistersShiftedRightByOne) {
    // Long runs through thousands of blocks from the standard's own default seed and the largest
    // one, and shorter ones from zero, one and an arbitrary seed.
    const std::pair<std::uint32_t, std::size_t> runs[] = {
        {5489, 10'000'000}, {4294967295u, 10'000'000}, {0, 1'000'000},
        {1, 1'000'000},     {2654435769u, 1'000'000},
    };
    for (const auto& [seed, draws] : runs) {
        Random31 random(seed, GetParam());
        std::mt19937 standard(seed);
        EXPECT_EQ(agreeingDraws(random, standard, draws), draws) << "seed " << seed;
    }
}

TEST_P(EveryPath, TakesSingleDrawsAndReseedingKeepTheSequenceAcrossBlocks) {
    // Takes that end just before, on and just after the end of a block of 624, and long ones over
    // several blocks. A single draw after each moves where the next take starts in its block, and
    // each round ends at another place, where the source is seeded afresh.
    const std::size_t takes[] = {1, 3, 623, 624, 625, 0, 2, 5000, 1247, 1248, 1249, 17, 40002};
    Random31 random(20240601, GetParam());
    std::mt19937 standard(20240601);
    for (int round = 0; round < 3; ++round) {
        for (const std::size_t take : takes) {
            std::vector<std::uint8_t> indices(take, 0xFF);
            random.takeModulo52(indices);
            ASSERT_EQ(agreeingIndices(indices, standard), take) << "round " << round;
            ASSERT_EQ(random(), standardDraw(standard)) << "after a take of " << take;
        }
        random.seed(static_cast<std::uint32_t>(round));
        standard.seed(static_cast<std::uint32_t>(round));
    }
}

TEST_P(EveryPath, RemaindersBy52AreExactOnBothSidesOfEveryBoundary) {
    constexpr std::uint32_t kLargestDraw = 0x7fffffff;
    std::vector<std::uint32_t> draws;
    for (std::uint32_t x = 0; x < 52 * 64; ++x) {
        draws.insert(draws.end(), {x, kLargestDraw - x});
    }
    for (std::uint32_t multiple = 52; multiple < kLargestDraw - 52; multiple += 52 * 9973) {
        draws.insert(draws.end(), {multiple - 1, multiple, multiple + 1});
    }
    std::vector<std::uint8_t> remainders(draws.size());
    mt19937::blockKernel(GetParam()).modulo52(draws.data(), remainders.data(), draws.size());
    for (std::size_t k = 0; k < draws.size(); ++k) {
        ASSERT_EQ(remainders[k], draws[k] % 52) << draws[k];
    }
}

INSTANTIATE_TEST_SUITE_P(Random31, EveryPath,
                         ::testing::Values(TwistPath::Portable, TwistPath::Sse2, TwistPath::Avx2,
                                           TwistPath::Avx512),
                         [](const auto& path) { return std::string(pathName(path.param)); });

// The processor's instruction sets as the kernel reports them, each followed by a space.
std::string cpuFlags() {
    std::ifstream cpuinfo("/proc/cpuinfo");
    for (std::string line; std::getline(cpuinfo, line);) {
        if (line.rfind("flags", 0) == 0) {
            return line + ' ';
        }
    }
    return {};
}

TEST(Random31, ADefaultSourceStartsFromSeedOneOnTheWidestPathTheProcessorHas) {
    const std::string flags = cpuFlags();
    if (flags.empty()) {
        GTEST_SKIP() << "no x86 processor flags to compare with";
    }
    std::vector<TwistPath> expected{TwistPath::Portable, TwistPath::Sse2};
    if (flags.find(" avx2 ") != std::string::npos) {
        expected.push_back(TwistPath::Avx2);
    }
    if (flags.find(" avx512f ") != std::string::npos) {
        expected.push_back(TwistPath::Avx512);
    }
    EXPECT_EQ(availablePaths(), expected);

    Random31 byDefault;
    EXPECT_EQ(byDefault.path(), expected.back());
    std::mt19937 standard(1);
    EXPECT_EQ(agreeingDraws(byDefault, standard, 1000), 1000u);

    // Otherwise a path could quietly run another's code, and the tests above would pass it untried.
    std::set<const mt19937::BlockKernel*> kernels;
    for (const TwistPath path : expected) {
        kernels.insert(&mt19937::blockKernel(path));
    }
    EXPECT_EQ(kernels.size(), expected.size());
}

} // namespace
} // namespace omaha
