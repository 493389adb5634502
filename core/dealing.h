#pragma once

#include "core/table_state.h"

namespace omaha {

// Hands out the shuffled deck: four private cards to every seat, also to seats that are out, from
// the deck positions each seat is dealt from, and the five community cards from positions 40 to
// 44. The rest of the deck stays undealt.
void dealFromDeck(TableState& table);

// Puts back the deck that dealt the cards on the table: every card at the position it was dealt
// from, and the cards nobody holds in card-index order in the positions left over, so that the
// next shuffle starts from one known order. The cards on the table must all differ.
void gatherDeck(TableState& table);

} // namespace omaha
