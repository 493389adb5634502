// What the history tells of each hand is pinned by the golden games; here, what a run longer than
// they are shows: only the latest hands are kept, numbered on from the first.
#include "engine/hand_history.h"

#include <gtest/gtest.h>
#include <string>

namespace omaha {
namespace {

TEST(HandHistory, KeepsTheLatestHandsNumberedFromTheFirst) {
    HandHistory history;
    for (std::size_t hand = 0; hand < HandHistory::kKeptHands + 5; ++hand)
        history.handDealt(Hole{});
    const std::string text = history.text();
    EXPECT_TRUE(text.starts_with("Hand 6\n")) << text.substr(0, 40);
    EXPECT_TRUE(text.ends_with("\n\nHand 205\nYou hold 2♣ 2♣ 2♣ 2♣\n"))
        << text.substr(text.size() - 40);
    std::size_t hands = 0;
    for (std::size_t at = 0; (at = text.find("Hand ", at)) != std::string::npos; ++at)
        ++hands;
    EXPECT_EQ(hands, HandHistory::kKeptHands);
}

} // namespace
} // namespace omaha
