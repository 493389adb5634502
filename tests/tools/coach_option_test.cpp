#include "tools/commands.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <sstream>
#include <string_view>
#include <vector>

namespace omaha {
namespace {

// `play --coach`, wherever it stands among the options, writes one coach's line for every event
// to standard error, empty once the player has folded, and leaves standard output as it is.
TEST(CoachOption, WritesALineForEveryEventAndLeavesTheEventsAlone) {
    const std::vector<std::string_view> plain = {"--seed", "3", "--hands", "0", "--script", "f"};
    const std::vector<std::string_view> coached = {"--seed", "3",        "--coach", "--hands",
                                                   "0",      "--script", "f"};
    std::ostringstream out, err, coachedOut, coachLines;
    ASSERT_EQ(runPlayCommand(plain, out, err), 0);
    ASSERT_EQ(runPlayCommand(coached, coachedOut, coachLines), 0);
    EXPECT_EQ(coachedOut.str(), out.str());
    EXPECT_EQ(err.str(), "");
    EXPECT_EQ(std::ranges::count(out.str(), '\n'), 2); // start-up and the fold
    EXPECT_TRUE(coachLines.str().starts_with("Your cards: ")) << coachLines.str();
    EXPECT_TRUE(coachLines.str().ends_with("%\n\n")) << coachLines.str();
}

} // namespace
} // namespace omaha
