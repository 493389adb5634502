#pragma once

#include "engine/hand_observer.h"
#include "records/hand_record.h"

#include <span>

namespace omaha {

// Tells `observer` a recorded hand again, event by event, as the game told it: into a
// HandHistory it gives the history's text of the hand. `pot` is the hand's pot.
void replayHand(std::span<const HandEvent> events, std::int32_t pot, HandObserver& observer);

} // namespace omaha
