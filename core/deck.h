#pragma once

#include "core/card.h"
#include "core/random31.h"

namespace omaha {

// A deck in card-index order: all clubs from the Two to the Ace, then diamonds, hearts, spades.
Deck freshDeck();

// Mixes the deck by 20001 random transpositions, starting from whatever order it has: the deck of
// a game is built once and never rebuilt, so each shuffle starts where the last one left off.
void shuffleDeck(Deck& deck, Random31& random);

} // namespace omaha
