#pragma once

#include "core/card.h"

#include <QPainterPath>

namespace omaha {

// The outline of a suit symbol filling the unit square (0,0)-(1,1), point up for spades and
// down for hearts.
QPainterPath suitSymbol(Suit suit);

// Hearts and diamonds are printed in red, clubs and spades in black.
bool isRedSuit(Suit suit);

} // namespace omaha
