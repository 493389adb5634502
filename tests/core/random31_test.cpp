#include "core/mt19937_block.h"
#include "core/random31.h"

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

// Each path this machine can run; a test below holds the list to what the processor reports.
using EveryPath = ::testing::TestWithParam<TwistPath>;

// Ten million draws, thousands of blocks, from the standard's own default seed. Then, each time
// seeded afresh part-way through a block, with the smallest, the largest and an arbitrary seed:
// takes that end just before, on and just after the end of a block of 624, and long ones over
// several blocks, each followed by a single draw that moves where the next take starts.
TEST_P(EveryPath, DrawsTakesAndReseedingFollowTheStandardTwisterShiftedRightByOne) {
    Random31 random(5489, GetParam());
    std::mt19937 standard;
    int agreeing = 0; // a plain count: an assertion per draw would take most of the time
    while (agreeing < 10'000'000 && random() == standardDraw(standard))
        ++agreeing;
    EXPECT_EQ(agreeing, 10'000'000);
    for (const std::uint32_t seed : {0u, 4294967295u, 2654435769u}) {
        random.seed(seed);
        standard.seed(seed);
        for (const std::size_t take : {1, 3, 623, 624, 625, 0, 2, 5000, 1247, 1248, 1249, 17}) {
            std::vector<std::uint8_t> indices(take, 0xFF);
            random.takeModulo52(indices);
            for (std::size_t k = 0; k < take; ++k)
                ASSERT_EQ(indices[k], standardDraw(standard) % 52) << "take " << take << ", " << k;
            ASSERT_EQ(random(), standardDraw(standard)) << "after a take of " << take;
        }
    }
}

TEST_P(EveryPath, RemaindersBy52AreExactOnBothSidesOfEveryBoundary) {
    constexpr std::uint32_t kLargestDraw = 0x7fffffff;
    std::vector<std::uint32_t> draws;
    for (std::uint32_t x = 0; x < 52 * 64; ++x)
        draws.insert(draws.end(), {x, kLargestDraw - x});
    for (std::uint32_t multiple = 52; multiple < kLargestDraw - 52; multiple += 52 * 9973)
        draws.insert(draws.end(), {multiple - 1, multiple, multiple + 1});
    std::vector<std::uint8_t> remainders(draws.size());
    mt19937::blockKernel(GetParam()).modulo52(draws.data(), remainders.data(), draws.size());
    for (std::size_t k = 0; k < draws.size(); ++k)
        ASSERT_EQ(remainders[k], draws[k] % 52) << draws[k];
}

INSTANTIATE_TEST_SUITE_P(Random31, EveryPath, ::testing::ValuesIn(availablePaths()),
                         [](const auto& path) { return std::string(pathName(path.param)); });

TEST(Random31, ADefaultSourceStartsFromSeedOneOnTheWidestPathTheProcessorHas) {
    std::string flags; // the processor's instruction sets as the kernel reports them
    std::ifstream cpuinfo("/proc/cpuinfo");
    while (std::getline(cpuinfo, flags) && !flags.starts_with("flags")) {
    }
    if (!flags.starts_with("flags"))
        GTEST_SKIP() << "no x86 processor flags to compare with";
    std::vector<TwistPath> expected{TwistPath::Portable, TwistPath::Sse2};
    for (const auto& [flag, path] :
         {std::pair{" avx2 ", TwistPath::Avx2}, {" avx512f ", TwistPath::Avx512}})
        if ((flags + ' ').find(flag) != std::string::npos)
            expected.push_back(path);
    EXPECT_EQ(availablePaths(), expected);

    EXPECT_EQ(fastestPath(), expected.back());
    Random31 byDefault;
    std::mt19937 standard(1);
    EXPECT_EQ(byDefault(), standardDraw(standard));

    // Otherwise a path could quietly run another's code, and the tests above would pass it untried.
    std::set<const mt19937::BlockKernel*> kernels;
    for (const TwistPath path : expected)
        kernels.insert(&mt19937::blockKernel(path));
    EXPECT_EQ(kernels.size(), expected.size());
}

} // namespace
} // namespace omaha
