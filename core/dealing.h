#pragma once

#include "core/table_state.h"

namespace omaha {

// Hands out the shuffled deck: four private cards to every seat, also to seats that are out, from
// the deck positions each seat is dealt from, and the five community cards from positions 40 to
// 44. The rest of the deck stays undealt.
void dealFromDeck(TableState& table);

} // namespace omaha
