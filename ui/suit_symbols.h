#pragma once

#include <QPainterPath>

namespace omaha {

// The outline of a suit symbol filling the unit square (0,0)-(1,1), point up for spades and
// down for hearts: suit 0 clubs, 1 diamonds, 2 hearts, 3 spades.
QPainterPath suitSymbol(int suit);

// Hearts and diamonds are printed in red, clubs and spades in black.
bool isRedSuit(int suit);

} // namespace omaha
